#pragma once

#include "model/run/interpreter.h"

#include <QDockWidget>
#include <map>
#include <string>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace velbrant {

// "Ein-/Ausgabe": what the run wrote, which stays after it, and the line
// where the user types what it reads (several values in one line).
class IoDock : public QDockWidget {
    Q_OBJECT
public:
    explicit IoDock(QWidget* parent = nullptr);
    void clear();
    void append(const QString& line);
    // While a run goes on, input may be typed ahead.
    void setRunning(bool running);
    // The input line takes the keyboard until the user answers, or, with
    // "Eingabe im Dialog", a small dialog asks with the program's prompt
    // (or the variable's name).
    void askForInput(const QString& asked);
    QString text() const;

signals:
    void inputGiven(const QString& line);
    // How long a run waits at each step: from a second ("Schritt für
    // Schritt") to not at all ("so schnell wie möglich").
    void stepDelayChosen(int milliseconds);

private:
    void give(const QString& line);

    QPlainTextEdit* m_output;
    QLineEdit* m_input;
    QCheckBox* m_inDialog;
};

// "Variablen": name, type and value of each variable of the routine being
// run; arrays open up; what the last step changed stands out.
class VariablesDock : public QDockWidget {
    Q_OBJECT
public:
    explicit VariablesDock(QWidget* parent = nullptr);
    void showVariables(const std::vector<run::ShownVariable>& variables,
                       const QStringList& callStack);
    void clear();
    QTreeWidget* tree() const { return m_tree; }

private:
    void add(QTreeWidgetItem* parent, const run::ShownVariable& variable, const std::string& path);

    QTreeWidget* m_tree;
    std::map<std::string, std::string> m_previous;
    std::map<std::string, std::string> m_current;
};

// "Schreibtischtest": the trace table of the last run, to copy (as a
// table and as text) or save as CSV.
class TraceDock : public QDockWidget {
    Q_OBJECT
public:
    explicit TraceDock(QWidget* parent = nullptr);
    void showTrace(const run::Trace& trace);
    void clear();
    QTableWidget* table() const { return m_table; }

private:
    void copy();
    void copyWorksheet();
    void print();
    void save();
    // The worksheet: the table with its cells empty, then, on a page of its
    // own, the filled one as its solution.
    QString worksheetHtml() const;

    QTableWidget* m_table;
    std::string m_csv;
    std::string m_latex;
    std::string m_html;
    std::string m_text;
    std::string m_blankHtml;
};

} // namespace velbrant
