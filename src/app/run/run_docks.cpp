#include "app/run/run_docks.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSlider>
#include <QTableWidget>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

namespace velbrant {

namespace {

// A table shows this many rows; the whole trace is copied and saved.
constexpr int ShownTraceRows = 10'000;

constexpr int MaxOutputLines = 100'000;

// The speed control's steps: milliseconds a run waits at each step.
constexpr std::array<int, 5> StepDelays = {1000, 500, 200, 50, 0};

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

IoDock::IoDock(QWidget* parent)
    : QDockWidget(tr("Ein-/Ausgabe"), parent), m_output(new QPlainTextEdit), m_input(new QLineEdit),
      m_inDialog(new QCheckBox(tr("Eingabe im &Dialog"))) {
    setObjectName(QStringLiteral("RunIoDock"));
    m_output->setObjectName(QStringLiteral("RunOutput"));
    m_output->setReadOnly(true);
    // A program that prints without end keeps its last lines.
    m_output->setMaximumBlockCount(MaxOutputLines);
    m_output->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_input->setObjectName(QStringLiteral("RunInput"));
    m_input->setPlaceholderText(tr("Eingabe, mehrere Werte durch Leerzeichen getrennt"));
    m_input->setEnabled(false);
    connect(m_input, &QLineEdit::returnPressed, this, [this] {
        const QString line = m_input->text();
        m_input->clear();
        give(line);
    });
    m_inDialog->setObjectName(QStringLiteral("RunInputDialogCheck"));
    auto* speed = new QSlider(Qt::Horizontal);
    speed->setObjectName(QStringLiteral("RunSpeedSlider"));
    speed->setRange(0, static_cast<int>(StepDelays.size()) - 1);
    speed->setValue(speed->maximum());
    speed->setPageStep(1);
    connect(speed, &QSlider::valueChanged, this,
            [this](int at) { emit stepDelayChosen(StepDelays[static_cast<std::size_t>(at)]); });
    auto* pace = new QHBoxLayout;
    pace->addWidget(new QLabel(tr("Tempo: Schritt für Schritt")));
    pace->addWidget(speed, 1);
    pace->addWidget(new QLabel(tr("so schnell wie möglich")));
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(pace);
    layout->addWidget(m_output);
    auto* answer = new QHBoxLayout;
    answer->addWidget(m_input, 1);
    answer->addWidget(m_inDialog);
    layout->addLayout(answer);
    setWidget(content);
}

void IoDock::give(const QString& line) {
    m_output->appendPlainText(QStringLiteral("> ") + line);
    setRunning(m_input->isEnabled());
    emit inputGiven(line);
}

void IoDock::clear() {
    m_output->clear();
    m_input->clear();
    m_input->setEnabled(false);
}

void IoDock::append(const QString& line) {
    m_output->appendPlainText(line);
}

void IoDock::setRunning(bool running) {
    m_input->setEnabled(running);
    m_input->setPlaceholderText(running ? tr("Eingabe, mehrere Werte durch "
                                             "Leerzeichen getrennt")
                                        : QString());
}

void IoDock::askForInput(const QString& asked) {
    QDockWidget::show();
    raise();
    m_input->setPlaceholderText(tr("Das Programm wartet auf eine Eingabe"));
    m_input->setFocus();
    if (!m_inDialog->isChecked())
        return;
    // Not modal for the frame: Beenden stays within reach; a dialog closed
    // without an answer leaves the input line asking.
    auto* dialog = new QInputDialog(this);
    dialog->setObjectName(QStringLiteral("RunInputDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Eingabe"));
    dialog->setLabelText(asked + tr("\n(mehrere Werte durch Leerzeichen getrennt)"));
    connect(dialog, &QInputDialog::textValueSelected, this, &IoDock::give);
    dialog->open();
}

QString IoDock::text() const {
    return m_output->toPlainText();
}

VariablesDock::VariablesDock(QWidget* parent)
    : QDockWidget(tr("Variablen"), parent), m_tree(new QTreeWidget) {
    setObjectName(QStringLiteral("RunVariablesDock"));
    m_tree->setObjectName(QStringLiteral("RunVariables"));
    m_tree->setHeaderLabels({tr("Name"), tr("Typ"), tr("Wert")});
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setWidget(m_tree);
}

void VariablesDock::clear() {
    m_tree->clear();
    m_previous.clear();
    m_current.clear();
}

void VariablesDock::showVariables(const std::vector<run::ShownVariable>& variables,
                                  const QStringList& callStack) {
    m_previous = std::move(m_current);
    m_current.clear();
    m_tree->clear();
    setWindowTitle(callStack.isEmpty() ? tr("Variablen")
                                       : tr("Variablen: ") + callStack.join(tr(" → ")));
    for (const run::ShownVariable& variable : variables)
        add(nullptr, variable, variable.name);
}

// A value the last step changed is bold.
void VariablesDock::add(QTreeWidgetItem* parent, const run::ShownVariable& variable,
                        const std::string& path) {
    auto* item = parent == nullptr ? new QTreeWidgetItem(m_tree) : new QTreeWidgetItem(parent);
    item->setText(0, fromUtf8(variable.name));
    item->setText(1, fromUtf8(variable.type));
    item->setText(2, fromUtf8(variable.value));
    m_current[path] = variable.value;
    const auto before = m_previous.find(path);
    if (before == m_previous.end() ? !variable.value.empty() : before->second != variable.value) {
        QFont bold = item->font(2);
        bold.setBold(true);
        for (int column = 0; column < 3; ++column)
            item->setFont(column, bold);
    }
    for (const run::ShownVariable& part : variable.parts)
        add(item, part, path + part.name);
}

TraceDock::TraceDock(QWidget* parent)
    : QDockWidget(tr("Schreibtischtest"), parent), m_table(new QTableWidget) {
    setObjectName(QStringLiteral("RunTraceDock"));
    m_table->setObjectName(QStringLiteral("RunTrace"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    auto* copyButton = new QPushButton(tr("&Kopieren"));
    copyButton->setObjectName(QStringLiteral("TraceCopyButton"));
    auto* saveButton = new QPushButton(tr("Speichern &unter..."));
    saveButton->setObjectName(QStringLiteral("TraceSaveButton"));
    auto* worksheetButton = new QPushButton(tr("&Arbeitsblatt kopieren"));
    worksheetButton->setObjectName(QStringLiteral("TraceWorksheetButton"));
    auto* printButton = new QPushButton(tr("&Drucken..."));
    printButton->setObjectName(QStringLiteral("TracePrintButton"));
    connect(copyButton, &QPushButton::clicked, this, &TraceDock::copy);
    connect(worksheetButton, &QPushButton::clicked, this, &TraceDock::copyWorksheet);
    connect(printButton, &QPushButton::clicked, this, &TraceDock::print);
    connect(saveButton, &QPushButton::clicked, this, &TraceDock::save);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {copyButton, worksheetButton, printButton, saveButton})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(buttons);
    layout->addWidget(m_table);
    setWidget(content);
}

void TraceDock::clear() {
    m_table->clear();
    m_table->setRowCount(0);
    m_table->setColumnCount(0);
    m_csv.clear();
    m_latex.clear();
    m_html.clear();
    m_text.clear();
}

void TraceDock::showTrace(const run::Trace& trace) {
    clear();
    m_csv = trace.csv();
    m_latex = trace.latex();
    m_html = trace.html();
    m_text = trace.tabSeparated();
    m_blankHtml = trace.html(true);
    int row = -1;
    trace.visitRows([&](const std::vector<std::string>& cells) {
        if (row >= ShownTraceRows)
            return;
        if (row < 0) {
            m_table->setColumnCount(static_cast<int>(cells.size()));
            QStringList heading;
            for (const std::string& cell : cells)
                heading << fromUtf8(cell);
            m_table->setHorizontalHeaderLabels(heading);
        } else {
            m_table->insertRow(row);
            for (std::size_t c = 0; c < cells.size(); ++c)
                m_table->setItem(row, static_cast<int>(c),
                                 new QTableWidgetItem(fromUtf8(cells[c])));
        }
        ++row;
    });
    m_table->resizeColumnsToContents();
}

void TraceDock::copy() {
    auto* data = new QMimeData;
    data->setHtml(fromUtf8(m_html));
    data->setText(fromUtf8(m_text));
    QApplication::clipboard()->setMimeData(data);
}

QString TraceDock::worksheetHtml() const {
    return QStringLiteral("<h2>Schreibtischtest</h2>") + fromUtf8(m_blankHtml) +
           tr("<h2 style=\"page-break-before: always\">Lösung</h2>") + fromUtf8(m_html);
}

void TraceDock::copyWorksheet() {
    auto* data = new QMimeData;
    data->setHtml(worksheetHtml());
    data->setText(fromUtf8(m_text));
    QApplication::clipboard()->setMimeData(data);
}

void TraceDock::print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument document;
    document.setHtml(worksheetHtml());
    document.print(&printer);
}

void TraceDock::save() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Schreibtischtest speichern"), QStringLiteral("schreibtischtest.csv"),
        tr("CSV-Dateien (*.csv);;LaTeX-Tabellen (*.tex)"));
    if (path.isEmpty())
        return;
    const std::string& text =
        path.endsWith(QStringLiteral(".tex"), Qt::CaseInsensitive) ? m_latex : m_csv;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit())
        QMessageBox::warning(
            this, tr("Schreibtischtest"),
            tr("„%1“ lässt sich nicht schreiben: %2").arg(path, file.errorString()));
}

} // namespace velbrant
