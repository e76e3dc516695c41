#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The trace table ("Schreibtischtest") of a run: one row per step (the
// element or loop test run), one column per variable in the order of first
// use, a cell only where the step changed it, and what the step wrote.
// Only changes are kept; beyond `maxRows` rows nothing more is recorded.
namespace velbrant::run {

class Trace {
public:
    explicit Trace(std::size_t maxRows = 1'000'000) : m_maxRows(maxRows) {}

    // A new row for the element `key`; its text is asked for once.
    void beginRow(const void* key, const std::function<std::string()>& text);
    void changed(std::string_view column, std::string value);
    void wrote(std::string line);

    std::size_t rowCount() const { return m_rows.size(); }
    // More steps ran than were recorded.
    bool cut() const { return m_cut; }
    std::size_t maxRows() const { return m_maxRows; }
    const std::vector<std::string>& columns() const { return m_columns; }

    // The table row by row as cells: a heading ("Schritt", "Element", the
    // variables, "Ausgabe"), then a row per step; empty cells unchanged.
    // With `blank`, the rows keep their step and element only: the
    // worksheet whose solution is the table.
    using RowVisitor = std::function<void(const std::vector<std::string>& cells)>;
    void visitRows(const RowVisitor& visit, bool blank = false) const;
    std::vector<std::vector<std::string>> cells(bool blank = false) const;
    // UTF-8 with a byte order mark, ";" between cells, as German
    // spreadsheets read it; written in pieces to `sink`.
    void writeCsv(const std::function<void(std::string_view)>& sink) const;
    std::string csv() const;
    std::string tabSeparated(bool blank = false) const;
    std::string html(bool blank = false) const;
    // A longtable (it breaks across pages), headed by a comment naming
    // the package; texts escaped for LaTeX.
    std::string latex(bool blank = false) const;

private:
    struct Row {
        std::int32_t element;
        std::uint32_t firstChange;
        std::uint32_t firstOutput;
    };
    struct Change {
        std::int32_t column;
        std::string value;
    };

    std::size_t m_maxRows;
    bool m_cut = false;
    std::vector<Row> m_rows;
    std::vector<Change> m_changes;
    std::vector<std::string> m_outputs;
    std::vector<std::string> m_columns;
    std::unordered_map<std::string, std::int32_t> m_columnIds;
    std::vector<std::string> m_elements;
    std::unordered_map<const void*, std::int32_t> m_elementIds;
};

} // namespace velbrant::run
