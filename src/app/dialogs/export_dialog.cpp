#include "app/dialogs/export_dialog.h"

#include "app/app_info.h"
#include "render/document_export.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <array>

namespace velbrant {

namespace {

struct Format {
    const char* caption;
    const char* extension;
    bool picture;
};

constexpr std::array<Format, 11> Formats{{
    {QT_TRANSLATE_NOOP("velbrant::ExportDialog", "PNG-Bild"), "png", true},
    {QT_TRANSLATE_NOOP("velbrant::ExportDialog", "SVG-Grafik"), "svg", true},
    {QT_TRANSLATE_NOOP("velbrant::ExportDialog", "PDF-Dokument"), "pdf", true},
    {QT_TRANSLATE_NOOP("velbrant::ExportDialog", "LaTeX (TikZ)"), "tex", true},
    {QT_TRANSLATE_NOOP("velbrant::ExportDialog", "Structorizer-Diagramm"), "nsd", false},
    {QT_TRANSLATE_NOOP("velbrant::ExportDialog", "Struktogramm"), "STR", false},
    {QT_TRANSLATE_NOOP("velbrant::ExportDialog", "Struktogramm als Text"), "txt", false},
    {QT_TRANSLATE_NOOP("velbrant::ExportDialog", "Python-Programm"), "py", false},
    {QT_TRANSLATE_NOOP("velbrant::ExportDialog", "Java-Programm"), "java", false},
    {QT_TRANSLATE_NOOP("velbrant::ExportDialog", "C-Programm"), "c", false},
    {QT_TRANSLATE_NOOP("velbrant::ExportDialog", "Pascal-Programm"), "pas", false},
}};

// The format of a file name's extension, in any case; -1 for none.
int formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    for (std::size_t i = 0; i < Formats.size(); ++i)
        if (suffix.compare(QLatin1String(Formats[i].extension), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

QString withExtension(const QString& path, int format) {
    const QFileInfo info(path);
    const QString base =
        formatOf(path) >= 0 ? path.left(path.size() - info.suffix().size() - 1) : path;
    return base + u'.' + QLatin1String(Formats[static_cast<std::size_t>(format)].extension);
}

} // namespace

ExportDialog::ExportDialog(QWidget* parent)
    : QDialog(parent), m_path(new QLineEdit(this)), m_format(new QComboBox(this)),
      m_dpi(new QLineEdit(QStringLiteral("300"), this)),
      m_ownScale(new QCheckBox(tr("&Eigener Maßstab"), this)),
      m_scale(new QLineEdit(QStringLiteral("100 %"), this)), m_worksheet(new QComboBox(this)),
      m_solution(new QCheckBox(tr("&Lösung anhängen"), this)),
      m_blackAndWhite(new QCheckBox(tr("Sch&warzweiß"), this)) {
    setObjectName(QStringLiteral("ExportDlg"));
    setWindowTitle(tr("Exportieren"));
    m_path->setObjectName(QStringLiteral("ExportFileEdit"));
    m_path->setMinimumWidth(360);
    m_format->setObjectName(QStringLiteral("ExportFormatBox"));
    for (const Format& format : Formats)
        m_format->addItem(
            QStringLiteral("%1 (*.%2)").arg(tr(format.caption), QLatin1String(format.extension)));
    m_dpi->setObjectName(QStringLiteral("ExportDpiEdit"));
    m_ownScale->setObjectName(QStringLiteral("ExportOwnScaleBox"));
    m_scale->setObjectName(QStringLiteral("ExportScaleEdit"));
    m_worksheet->setObjectName(QStringLiteral("ExportWorksheetBox"));
    m_worksheet->addItems({tr("Kein Arbeitsblatt"), tr("Markierte Elemente leer"),
                           tr("Anweisungen leer"), tr("Bedingungen und Schleifenköpfe leer"),
                           tr("Alle Texte leer")});
    m_solution->setObjectName(QStringLiteral("ExportSolutionBox"));
    m_blackAndWhite->setObjectName(QStringLiteral("ExportBlackWhiteBox"));
    auto* browse = makeButton(this, "BrowseBtn", tr("&Durchsuchen..."));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_path);
    fileRow->addWidget(browse);
    auto* fields = new QFormLayout;
    auto* fileLabel = new QLabel(tr("&Datei:"), this);
    fileLabel->setBuddy(m_path);
    fields->addRow(fileLabel, fileRow);
    fields->addRow(tr("&Format:"), m_format);
    fields->addRow(tr("A&uflösung (dpi):"), m_dpi);
    fields->addRow(m_ownScale, m_scale);
    fields->addRow(tr("&Arbeitsblatt:"), m_worksheet);
    fields->addRow(QString(), m_solution);
    fields->addRow(QString(), m_blackAndWhite);
    QBoxLayout* buttons =
        makeOkCancelHelp(this, [this] { emit helpRequested(QStringLiteral("exportieren")); });
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    m_numbers.add(m_dpi,
                  {tr("Die Auflösung"), MinDotsPerInch, MaxDotsPerInch, QStringLiteral("dpi"), 0});
    m_numbers.add(m_scale,
                  {tr("Der Maßstab"), MinScalePercent, MaxScalePercent, QStringLiteral("%"), 0});
    m_numbers.guardLeaving(findChild<QPushButton*>(QStringLiteral("CancelBtn")));
    connect(m_format, &QComboBox::activated, this, &ExportDialog::formatChosen);
    connect(m_path, &QLineEdit::textEdited, this, &ExportDialog::nameTyped);
    connect(browse, &QPushButton::clicked, this, &ExportDialog::browse);
    connect(m_ownScale, &QCheckBox::toggled, this, &ExportDialog::enableFields);
    connect(m_worksheet, &QComboBox::currentIndexChanged, this, &ExportDialog::enableFields);
    enableFields();
}

void ExportDialog::preset(const QString& documentPath) {
    const QFileInfo info(documentPath);
    const QString base = info.isAbsolute() ? info.absolutePath() + u'/' + info.completeBaseName()
                                           : info.completeBaseName();
    m_path->setText(withExtension(base, m_format->currentIndex()));
    enableFields();
}

ExportChoice ExportDialog::choice() const {
    ExportChoice chosen;
    chosen.path = m_path->text().trimmed();
    if (formatOf(chosen.path) < 0)
        chosen.path = withExtension(chosen.path, m_format->currentIndex());
    chosen.dotsPerInch = static_cast<int>(m_numbers.value(m_dpi).value_or(300));
    if (m_ownScale->isChecked() &&
        Formats[static_cast<std::size_t>(m_format->currentIndex())].picture)
        chosen.scalePercent = static_cast<int>(m_numbers.value(m_scale).value_or(100));
    if (m_worksheet->isEnabled() && m_worksheet->currentIndex() > 0) {
        chosen.sheet.blanks = static_cast<Blanks>(m_worksheet->currentIndex() - 1);
        chosen.sheet.solution = m_solution->isChecked();
    }
    chosen.sheet.blackAndWhite = m_blackAndWhite->isEnabled() && m_blackAndWhite->isChecked();
    return chosen;
}

void ExportDialog::accept() {
    if (m_path->text().trimmed().isEmpty()) {
        QMessageBox::critical(this, ProgramCaption,
                              tr("Bitte geben Sie an, wohin exportiert werden soll."));
        m_path->setFocus();
        return;
    }
    if (m_numbers.check())
        QDialog::accept();
}

// A typed extension names the format; a name without one gets the
// format's when the export starts.
void ExportDialog::nameTyped(const QString& path) {
    const int format = formatOf(path);
    if (format >= 0)
        m_format->setCurrentIndex(format);
    enableFields();
}

void ExportDialog::formatChosen(int index) {
    if (!m_path->text().trimmed().isEmpty())
        m_path->setText(withExtension(m_path->text().trimmed(), index));
    enableFields();
}

void ExportDialog::browse() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Exportieren"), m_path->text(),
                                                      m_format->currentText());
    if (path.isEmpty())
        return;
    m_path->setText(formatOf(path) >= 0 ? path : withExtension(path, m_format->currentIndex()));
    nameTyped(m_path->text());
}

// Resolution and scale are the pictures' own.
void ExportDialog::enableFields() {
    const Format& format = Formats[static_cast<std::size_t>(m_format->currentIndex())];
    m_dpi->setEnabled(std::string_view(format.extension) == "png");
    m_ownScale->setEnabled(format.picture);
    m_scale->setEnabled(format.picture && m_ownScale->isChecked());
    m_worksheet->setEnabled(format.picture);
    m_solution->setEnabled(format.picture && m_worksheet->currentIndex() > 0);
    m_blackAndWhite->setEnabled(format.picture);
}

} // namespace velbrant
