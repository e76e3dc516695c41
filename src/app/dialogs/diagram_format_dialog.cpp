#include "app/dialogs/diagram_format_dialog.h"

#include "app/dialogs/dialog_parts.h"
#include "app/dialogs/length_fields.h"
#include "app/widgets/storable_text.h"
#include "model/files/binary_io.h"
#include "model/files/windows1252.h"
#include "render/font_cache.h"
#include "render/text_codec.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace velbrant {

namespace {

constexpr int TitlePage = 0;
constexpr int OtherPage = 3;
constexpr int UnitsPerCentimetre = 100;
constexpr int UnitsPerMillimetre = 10;

QLineEdit* numberField(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

NumberRule leftRule() {
    return {QCoreApplication::translate("velbrant", "Der Abstand vom linken Blattrand"), 0, 99.99,
            QStringLiteral("cm"), 2};
}
NumberRule topRule() {
    return {QCoreApplication::translate("velbrant", "Der Abstand vom oberen Blattrand"), 0, 99.99,
            QStringLiteral("cm"), 2};
}
NumberRule scaleRule() {
    return {QCoreApplication::translate("velbrant", "Der Maßstab"), Document::MinScale * 100,
            Document::MaxScale * 100, QStringLiteral("%"), 0};
}
NumberRule thicknessRule() {
    return {QCoreApplication::translate("velbrant", "Die Dicke des äußeren Rahmens"), 0, 99.99,
            QStringLiteral("mm"), 2};
}

// A page: its fields in a grid, the hint text below.
QWidget* page(const QString& hint, const std::function<void(QWidget*, QGridLayout*)>& fill) {
    auto* widget = new QWidget;
    auto* layout = new QGridLayout(widget);
    fill(widget, layout);
    layout->setRowStretch(layout->rowCount(), 1);
    layout->addWidget(makeHint(widget, hint), layout->rowCount(), 0, 1, 3);
    return widget;
}

QLabel* label(QWidget* parent, const QString& caption, QWidget* buddy) {
    auto* text = new QLabel(caption, parent);
    text->setBuddy(buddy);
    return text;
}

} // namespace

DiagramFormatDialog::DiagramFormatDialog(QWidget* parent)
    : QDialog(parent), m_pages(new QTabWidget(this)) {
    setObjectName(QStringLiteral("FormatStrukDlg"));
    setWindowTitle(tr("Struktogramm-Format festlegen"));
    m_pages->addTab(titlePage(), tr("Titel"));
    m_pages->addTab(commentPage(), tr("Kommentar"));
    m_pages->addTab(positionPage(), tr("Format"));
    m_pages->addTab(otherPage(), tr("Sonstiges"));
    m_pages->setCurrentIndex(OtherPage);

    QBoxLayout* buttons =
        makeOkCancelHelp(this, [this] { emit helpRequested(QStringLiteral("format_strukt")); });
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    m_numbers.add(m_left, leftRule());
    m_numbers.add(m_top, topRule());
    m_numbers.add(m_scale, scaleRule());
    m_numbers.add(m_thickness, thicknessRule());
    m_numbers.guardLeaving(findChild<QPushButton*>(QStringLiteral("CancelBtn")));
}

void DiagramFormatDialog::accept() {
    if (m_numbers.check())
        QDialog::accept();
}

QWidget* DiagramFormatDialog::titlePage() {
    return page(tr("Geben Sie den Titel des Struktogramms an und wählen Sie den "
                   "Schalter Schriftart, um das Erscheinungsbild festzulegen."),
                [this](QWidget* parent, QGridLayout* grid) {
                    m_title = new QLineEdit(parent);
                    m_title->setObjectName(QStringLiteral("TitelEdit"));
                    auto* validator = new StorableTextValidator(m_title);
                    validator->setAnyCharacter(true);
                    m_title->setValidator(validator);
                    QLabel* refusal = makeRefusalNote(parent);
                    connect(validator, &StorableTextValidator::refused, refusal,
                            [refusal](const QString& why) { showRefusal(*refusal, why); });
                    grid->addWidget(refusal, 2, 0, 1, 3);
                    QPushButton* font = makeButton(parent, "SelectTitelFontBtn", tr("Sch&riftart"));
                    connect(font, &QPushButton::clicked, this,
                            [this] { chooseFont(m_format.titleFont, *m_title); });
                    grid->addWidget(label(parent, tr("&Struktogrammtitel"), m_title), 0, 0);
                    grid->addWidget(m_title, 1, 0, 1, 2);
                    grid->addWidget(font, 1, 2);
                });
}

QWidget* DiagramFormatDialog::commentPage() {
    return page(tr("Geben Sie den Kommentar zum Struktogramm an und wählen Sie "
                   "Schriftart, um das Erscheinungsbild festzulegen. Der Text "
                   "erscheint unterhalb des Titels."),
                [this](QWidget* parent, QGridLayout* grid) {
                    m_comment = new StorableTextEdit(parent);
                    m_comment->setAnyCharacter(true);
                    m_comment->setObjectName(QStringLiteral("KommMemo"));
                    m_comment->setLineWrapMode(QPlainTextEdit::NoWrap);
                    QLabel* refusal = makeRefusalNote(parent);
                    connect(m_comment, &StorableTextEdit::refused, refusal,
                            [refusal](const QString& why) { showRefusal(*refusal, why); });
                    grid->addWidget(refusal, 2, 0, 1, 3);
                    QPushButton* font = makeButton(parent, "SelectKommFontBtn", tr("Sch&riftart"));
                    connect(font, &QPushButton::clicked, this,
                            [this] { chooseFont(m_format.commentFont, *m_comment); });
                    grid->addWidget(label(parent, tr("&Kommentar"), m_comment), 0, 0);
                    grid->addWidget(m_comment, 1, 0, 1, 2);
                    grid->addWidget(font, 1, 2, Qt::AlignTop);
                });
}

QWidget* DiagramFormatDialog::positionPage() {
    return page(
        tr("Legen Sie die Position und Größe des Struktogramms auf dem Blatt fest. "),
        [this](QWidget* parent, QGridLayout* grid) {
            m_left = numberField(parent, "HorzPosEdit");
            m_top = numberField(parent, "VertPosEdit");
            m_centerHorz = new QCheckBox(tr("&horizontal zentriert auf Blatt"), parent);
            m_centerHorz->setObjectName(QStringLiteral("HorzZentrCheckBox"));
            m_centerVert = new QCheckBox(tr("&vertikal zentriert auf Blatt"), parent);
            m_centerVert->setObjectName(QStringLiteral("VertZentrCheckBox"));
            connect(m_centerHorz, &QCheckBox::toggled, m_left, &QWidget::setDisabled);
            connect(m_centerVert, &QCheckBox::toggled, m_top, &QWidget::setDisabled);
            m_scale = numberField(parent, "ZoomEdit");
            grid->addWidget(label(parent, tr("Abstand vom &linken Blattrand"), m_left), 0, 0);
            grid->addWidget(m_left, 0, 1);
            grid->addWidget(m_centerHorz, 0, 2);
            grid->addWidget(label(parent, tr("Abstand vom o&beren Blattrand"), m_top), 1, 0);
            grid->addWidget(m_top, 1, 1);
            grid->addWidget(m_centerVert, 1, 2);
            grid->addWidget(label(parent, tr("ver&größern/verkleinern"), m_scale), 2, 0);
            grid->addWidget(m_scale, 2, 1);
        });
}

QWidget* DiagramFormatDialog::otherPage() {
    return page(tr("Sonstige Einstellungen für das Erscheinungsbild des "
                   "Struktogrammes"),
                [this](QWidget* parent, QGridLayout* grid) {
                    m_thickness = numberField(parent, "FrameThickEdit");
                    grid->addWidget(label(parent, tr("Dicke des äußeren Rahmens"), m_thickness), 0,
                                    0);
                    grid->addWidget(m_thickness, 0, 1);
                });
}

void DiagramFormatDialog::showTitlePage() {
    m_pages->setCurrentIndex(TitlePage);
}

void DiagramFormatDialog::setFormat(const DiagramFormat& format, const std::string& title,
                                    const std::vector<std::string>& comment) {
    m_format = format;
    m_title->setText(QString::fromStdString(title));
    m_title->setFont(makeDisplayFont({format.titleFont.name, 10, 0}));
    m_comment->setPlainText(fromUtf8Lines(comment).join(u'\n'));
    m_comment->setFont(makeDisplayFont({format.commentFont.name, 10, 0}));
    m_centerHorz->setChecked(format.centerHorz);
    m_centerVert->setChecked(format.centerVert);
    m_left->setEnabled(!format.centerHorz);
    m_top->setEnabled(!format.centerVert);
    m_left->setText(lengthText(format.frameLeft, UnitsPerCentimetre, QStringLiteral("cm")));
    m_top->setText(lengthText(format.frameTop, UnitsPerCentimetre, QStringLiteral("cm")));
    m_scale->setText(QStringLiteral("%1 %").arg(rnd(format.scale * 100)));
    m_thickness->setText(
        lengthText(format.frameThickness, UnitsPerMillimetre, QStringLiteral("mm")));
}

std::string DiagramFormatDialog::typedTitle() const {
    return m_title->text().toStdString();
}

std::vector<std::string> DiagramFormatDialog::typedComment() const {
    const QString comment = m_comment->toPlainText();
    return comment.isEmpty() ? std::vector<std::string>{} : toUtf8Lines(comment.split(u'\n'));
}

DiagramFormat DiagramFormatDialog::format() const {
    DiagramFormat format = m_format;
    ReplacedCharacters replaced;
    format.title = windows1252Lines({typedTitle()}, replaced).front();
    format.comment = windows1252Lines(typedComment(), replaced);
    format.centerHorz = m_centerHorz->isChecked();
    format.centerVert = m_centerVert->isChecked();
    // A field its rule refuses keeps the value the dialog was given.
    const auto readLength = [this](const QLineEdit* field, int unitsPerShown, int& length) {
        if (const std::optional<double> value = m_numbers.value(field))
            length = rnd(*value * unitsPerShown);
    };
    if (!format.centerHorz)
        readLength(m_left, UnitsPerCentimetre, format.frameLeft);
    if (!format.centerVert)
        readLength(m_top, UnitsPerCentimetre, format.frameTop);
    readLength(m_thickness, UnitsPerMillimetre, format.frameThickness);
    if (const std::optional<double> percent = m_numbers.value(m_scale))
        format.scale = *percent / 100.0;
    return format;
}

// The field shows the chosen face; size and style show only in the diagram.
void DiagramFormatDialog::chooseFont(ElementFont& font, QWidget& field) {
    bool chosen = false;
    const QFont picked = QFontDialog::getFont(&chosen, makeDisplayFont(font), this, tr("Schrift"));
    if (!chosen)
        return;
    font = elementFontFrom(picked, font);
    field.setFont(makeDisplayFont({font.name, 10, 0}));
}

} // namespace velbrant
