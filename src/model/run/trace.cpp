#include "model/run/trace.h"

#include "model/messages/said.h"
#include "model/tex/tex_text.h"

namespace velbrant::run {

using messages::said;

void Trace::beginRow(const void* key, const std::function<std::string()>& text) {
    if (m_rows.size() >= m_maxRows) {
        m_cut = true;
        return;
    }
    auto [found, added] =
        m_elementIds.try_emplace(key, static_cast<std::int32_t>(m_elements.size()));
    if (added)
        m_elements.push_back(text());
    m_rows.push_back({found->second, static_cast<std::uint32_t>(m_changes.size()),
                      static_cast<std::uint32_t>(m_outputs.size())});
}

void Trace::changed(std::string_view column, std::string value) {
    if (m_cut || m_rows.empty())
        return;
    auto [found, added] =
        m_columnIds.try_emplace(std::string(column), static_cast<std::int32_t>(m_columns.size()));
    if (added)
        m_columns.emplace_back(column);
    // A second change in the same step replaces the first.
    for (std::size_t i = m_rows.back().firstChange; i < m_changes.size(); ++i) {
        if (m_changes[i].column == found->second) {
            m_changes[i].value = std::move(value);
            return;
        }
    }
    m_changes.push_back({found->second, std::move(value)});
}

void Trace::wrote(std::string line) {
    if (!m_cut && !m_rows.empty())
        m_outputs.push_back(std::move(line));
}

void Trace::visitRows(const RowVisitor& visit, bool blank) const {
    std::vector<std::string> cells{said("run", "Schritt"), said("run", "Element")};
    cells.insert(cells.end(), m_columns.begin(), m_columns.end());
    cells.emplace_back(said("run", "Ausgabe"));
    visit(cells);
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const Row& row = m_rows[r];
        for (std::string& cell : cells)
            cell.clear();
        cells[0] = std::to_string(r + 1);
        cells[1] = m_elements[static_cast<std::size_t>(row.element)];
        const bool last = r + 1 == m_rows.size();
        const std::size_t changeEnd = last ? m_changes.size() : m_rows[r + 1].firstChange;
        const std::size_t outputEnd = last ? m_outputs.size() : m_rows[r + 1].firstOutput;
        for (std::size_t c = row.firstChange; c < changeEnd && !blank; ++c)
            cells[static_cast<std::size_t>(m_changes[c].column) + 2] = m_changes[c].value;
        for (std::size_t o = row.firstOutput; o < outputEnd && !blank; ++o)
            cells.back() += (o == row.firstOutput ? "" : "\n") + m_outputs[o];
        visit(cells);
    }
    if (m_cut)
        visit({"", said("run", "Nur die ersten %1 Schritte sind aufgezeichnet.").arg(m_maxRows)});
}

std::vector<std::vector<std::string>> Trace::cells(bool blank) const {
    std::vector<std::vector<std::string>> table;
    visitRows([&table](const std::vector<std::string>& row) { table.push_back(row); }, blank);
    return table;
}

namespace {

std::string csvCell(const std::string& text) {
    if (text.find_first_of(";\"\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string htmlText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '\n':
            escaped += "<br>";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

void Trace::writeCsv(const std::function<void(std::string_view)>& sink) const {
    sink("\xEF\xBB\xBF");
    std::string line;
    visitRows([&](const std::vector<std::string>& row) {
        line.clear();
        for (std::size_t i = 0; i < row.size(); ++i)
            line += (i == 0 ? "" : ";") + csvCell(row[i]);
        line += "\r\n";
        sink(line);
    });
}

std::string Trace::csv() const {
    std::string text;
    writeCsv([&text](std::string_view piece) { text += piece; });
    return text;
}

std::string Trace::tabSeparated(bool blank) const {
    std::string text;
    visitRows(
        [&text](const std::vector<std::string>& row) {
            for (std::size_t i = 0; i < row.size(); ++i) {
                std::string cell = row[i];
                for (char& c : cell)
                    c = c == '\t' || c == '\n' ? ' ' : c;
                text += (i == 0 ? "" : "\t") + cell;
            }
            text += "\n";
        },
        blank);
    return text;
}

std::string Trace::latex(bool blank) const {
    std::string table = "% " +
                        said("run", "Schreibtischtest aus Velbrant; braucht %1")
                            .arg("\\usepackage{longtable}")
                            .str() +
                        "\n";
    bool heading = true;
    visitRows(
        [&](const std::vector<std::string>& row) {
            if (heading)
                table += "\\begin{longtable}{|" + std::string(row.size(), 'l') + "|}\n\\hline\n";
            for (std::size_t i = 0; i < row.size(); ++i) {
                const std::string cell = tex::escapedUtf8(row[i]);
                table += (i == 0 ? "" : " & ") + (heading ? "\\textbf{" + cell + "}" : cell);
            }
            table += heading ? " \\\\ \\hline\n\\endhead\n" : " \\\\\n";
            heading = false;
        },
        blank);
    return table + "\\hline\n\\end{longtable}\n";
}

std::string Trace::html(bool blank) const {
    std::string text = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
    bool heading = true;
    visitRows(
        [&](const std::vector<std::string>& row) {
            text += "<tr>";
            for (const std::string& cell : row)
                text +=
                    (heading ? "<th>" : "<td>") + htmlText(cell) + (heading ? "</th>" : "</td>");
            text += "</tr>\n";
            heading = false;
        },
        blank);
    return text + "</table>\n";
}

} // namespace velbrant::run
