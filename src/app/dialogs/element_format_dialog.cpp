#include "app/dialogs/element_format_dialog.h"

#include "app/dialogs/dialog_parts.h"
#include "app/dialogs/length_fields.h"
#include "app/widgets/color_palette.h"
#include "model/layout/units.h"
#include "render/font_cache.h"
#include "render/text_codec.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace velbrant {

namespace {

constexpr int FontPage = 2;

struct AlignmentButton {
    const char* name;
    const char* caption;
    Qt::Alignment sample;
};

constexpr std::array<AlignmentButton, 3> HorizontalButtons{{
    {"LeftButton", QT_TRANSLATE_NOOP("velbrant::ElementFormatDialog", "&links"), Qt::AlignLeft},
    {"HCenterButton", QT_TRANSLATE_NOOP("velbrant::ElementFormatDialog", "&zentriert"),
     Qt::AlignHCenter},
    {"RightButton", QT_TRANSLATE_NOOP("velbrant::ElementFormatDialog", "&rechts"), Qt::AlignRight},
}};
constexpr std::array<AlignmentButton, 3> VerticalButtons{{
    {"TopButton", QT_TRANSLATE_NOOP("velbrant::ElementFormatDialog", "o&ben"), Qt::AlignTop},
    {"VCenterButton", QT_TRANSLATE_NOOP("velbrant::ElementFormatDialog", "z&entriert"),
     Qt::AlignVCenter},
    {"BottomButton", QT_TRANSLATE_NOOP("velbrant::ElementFormatDialog", "&unten"), Qt::AlignBottom},
}};

QLineEdit* field(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

NumberRule borderRule() {
    return {QCoreApplication::translate("velbrant", "Die Linienstärke der Umrandung"),
            0,
            9.9,
            QStringLiteral("mm"),
            1,
            true};
}
NumberRule innerRule() {
    return {QCoreApplication::translate("velbrant", "Die Linienstärke des Blockinhalts"),
            0,
            9.9,
            QStringLiteral("mm"),
            1,
            true};
}
NumberRule fontSizeRule() {
    return {QCoreApplication::translate("velbrant", "Die Schriftgröße"),
            1,
            99,
            QStringLiteral("pt"),
            0,
            true};
}

QCheckBox* styleBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// The checked button's alignment code, 0 when none is checked.
Alignment checkedAlignment(const QButtonGroup& group) {
    const int id = group.checkedId();
    return id < 0 ? Alignment::Unchanged : static_cast<Alignment>(id);
}

void checkAlignment(QButtonGroup& group, Alignment alignment) {
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons())
        button->setChecked(group.id(button) == static_cast<int>(alignment));
    group.setExclusive(true);
}

} // namespace

ElementFormatDialog::ElementFormatDialog(QWidget* parent)
    : QDialog(parent), m_pages(new QTabWidget(this)), m_horizontal(new QButtonGroup(this)),
      m_vertical(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("FormatBlockDlg"));
    setWindowTitle(tr("Blöcke formatieren"));
    m_pages->addTab(alignmentPage(), tr("Ausrichtung"));
    m_pages->addTab(linesPage(), tr("Linien"));
    m_pages->addTab(fontPage(), tr("Schriftart"));
    m_pages->addTab(colorPage(), tr("Farbe"));
    m_pages->setCurrentIndex(FontPage);

    QBoxLayout* buttons =
        makeOkCancelHelp(this, [this] { emit helpRequested(QStringLiteral("format_block")); });
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    m_numbers.add(m_border, borderRule());
    m_numbers.add(m_inner, innerRule());
    m_numbers.add(m_fontSize, fontSizeRule());
    m_numbers.guardLeaving(findChild<QPushButton*>(QStringLiteral("CancelBtn")));
}

void ElementFormatDialog::accept() {
    if (m_numbers.check())
        QDialog::accept();
}

QWidget* ElementFormatDialog::alignmentPage() {
    auto* page = new QWidget;
    const auto group = [this, page](const QString& caption, QButtonGroup* buttons,
                                    const std::array<AlignmentButton, 3>& kinds, bool rows) {
        auto* box = new QGroupBox(caption, page);
        auto* grid = new QGridLayout(box);
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            auto* button = new QRadioButton(tr(kinds[i].caption), box);
            button->setObjectName(QString::fromLatin1(kinds[i].name));
            button->installEventFilter(this);
            buttons->addButton(button, static_cast<int>(i) + 1);
            auto* sample = new QLabel(tr("Text"), box);
            sample->setAlignment(kinds[i].sample);
            sample->setFrameShape(QFrame::Box);
            sample->setMinimumSize(60, 40);
            const auto at = static_cast<int>(i);
            grid->addWidget(button, rows ? at : 0, rows ? 0 : at);
            grid->addWidget(sample, rows ? at : 1, rows ? 1 : at);
        }
        return box;
    };
    auto* layout = new QGridLayout(page);
    layout->addWidget(group(tr("&horizontal"), m_horizontal, HorizontalButtons, true), 0, 0);
    layout->addWidget(group(tr("&vertikal"), m_vertical, VerticalButtons, false), 0, 1);
    layout->addWidget(makeHint(page, tr("Geben Sie die Ausrichtung des Textes "
                                        "innerhalb des Blockes an. Klicken Sie "
                                        "zweimal auf einen Schalter, um die "
                                        "aktuelle Wahl zu löschen.")),
                      1, 0, 1, 2);
    return page;
}

QWidget* ElementFormatDialog::colorPage() {
    auto* page = new QWidget;
    m_color = makeColorBox(page);
    auto* layout = new QFormLayout(page);
    layout->addRow(tr("&Füllfarbe:"), m_color);
    layout->addRow(makeHint(page, tr("Structorizer-Dateien (.nsd) behalten die "
                                     "Farbe, .STR-Dateien nicht.")));
    return page;
}

std::optional<Fill> ElementFormatDialog::fill() const {
    return chosenFill(*m_color);
}

QWidget* ElementFormatDialog::linesPage() {
    auto* page = new QWidget;
    m_border = field(page, "UmrandungEdit");
    m_inner = field(page, "BlockInhaltEdit");
    const auto group = [page](const QString& caption, QLineEdit* edit) {
        auto* box = new QGroupBox(caption, page);
        auto* row = new QHBoxLayout(box);
        auto* label = new QLabel(tr("Linienstärke"), box);
        label->setBuddy(edit);
        row->addWidget(label);
        row->addWidget(edit);
        return box;
    };
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group(tr("&Umrandung"), m_border));
    layout->addWidget(group(tr("&Blockinhalt"), m_inner));
    layout->addWidget(makeHint(page, tr("Geben Sie die gewünschte Linienstärke für "
                                        "den Rand und Inhalt des Blockes an.")));
    return page;
}

QWidget* ElementFormatDialog::fontPage() {
    auto* page = new QWidget;
    m_fontName = new QLineEdit(page);
    m_fontName->setObjectName(QStringLiteral("FontNameEdit"));
    m_fontName->setMaxLength(static_cast<int>(MaxFontNameLength));
    m_fontSize = field(page, "FontSizeEdit");
    auto* fontBox = new QGroupBox(tr("Sch&riftart"), page);
    auto* fontGrid = new QGridLayout(fontBox);
    auto* nameLabel = new QLabel(tr("&Name"), fontBox);
    nameLabel->setBuddy(m_fontName);
    auto* sizeLabel = new QLabel(tr("&Größe"), fontBox);
    sizeLabel->setBuddy(m_fontSize);
    fontGrid->addWidget(nameLabel, 0, 0);
    fontGrid->addWidget(m_fontName, 0, 1);
    fontGrid->addWidget(sizeLabel, 1, 0);
    fontGrid->addWidget(m_fontSize, 1, 1);

    auto* styleGroup = new QGroupBox(tr("&Schriftstil"), page);
    auto* styles = new QVBoxLayout(styleGroup);
    m_bold = styleBox(styleGroup, "BoldBox", tr("&fett"));
    m_italic = styleBox(styleGroup, "ItalicBox", tr("&kursiv"));
    m_underline = styleBox(styleGroup, "UnderlineBox", tr("&unterstrichen"));
    m_strikeOut = styleBox(styleGroup, "StrikeOutBox", tr("&durchgestrichen"));
    for (QCheckBox* box : {m_bold, m_italic, m_underline, m_strikeOut})
        styles->addWidget(box);
    QPushButton* select = makeButton(page, "SelectFontBtn", tr("Aus&wählen"));
    connect(select, &QPushButton::clicked, this, &ElementFormatDialog::chooseFont);

    auto* layout = new QGridLayout(page);
    layout->addWidget(fontBox, 0, 0);
    layout->addWidget(styleGroup, 0, 1);
    layout->addWidget(select, 1, 1, Qt::AlignRight);
    layout->addWidget(makeHint(page, tr("Geben Sie die neue Schriftart mit ihrer "
                                        "Größe und ihren Attributen an oder "
                                        "betätigen Sie den Schalter Auswählen.")),
                      2, 0, 1, 2);
    return page;
}

bool ElementFormatDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QRadioButton*>(watched);
    if (button != nullptr && event->type() == QEvent::MouseButtonDblClick) {
        QButtonGroup* group = button->group();
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ElementFormatDialog::setFormat(const ElementFormat& format) {
    m_color->setCurrentIndex(0);
    checkAlignment(*m_horizontal, format.hAlign);
    checkAlignment(*m_vertical, format.vAlign);
    m_fontName->setText(decodeText(format.font.name));
    m_fontSize->setText(format.font.size == 0 ? QString() : QString::number(format.font.size));
    m_bold->setChecked(format.font.isBold());
    m_italic->setChecked(format.font.isItalic());
    m_underline->setChecked(format.font.isUnderline());
    m_strikeOut->setChecked(format.font.isStrikeOut());
    m_border->setText(lineWidthText(format.borderWidth));
    m_inner->setText(lineWidthText(format.innerLineWidth));
}

ElementFormat ElementFormatDialog::format() const {
    ElementFormat format;
    format.hAlign = checkedAlignment(*m_horizontal);
    format.vAlign = checkedAlignment(*m_vertical);
    format.font.name = encodeText(m_fontName->text()).substr(0, MaxFontNameLength);
    // An empty or refused field leaves the value unchanged (0).
    const auto number = [this](const QLineEdit* edit, double perShown) {
        const std::optional<double> value = m_numbers.value(edit);
        return value ? rnd(*value * perShown) : 0;
    };
    format.font.size = static_cast<std::int16_t>(number(m_fontSize, 1));
    format.font.style = static_cast<std::uint8_t>(
        (m_bold->isChecked() ? Bold : 0) | (m_italic->isChecked() ? Italic : 0) |
        (m_underline->isChecked() ? Underline : 0) | (m_strikeOut->isChecked() ? StrikeOut : 0));
    format.borderWidth = static_cast<std::uint16_t>(number(m_border, 10));
    format.innerLineWidth = static_cast<std::uint16_t>(number(m_inner, 10));
    return format;
}

// Fills the fields only; nothing changes before OK.
void ElementFormatDialog::chooseFont() {
    const ElementFont shown = format().font;
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, makeDisplayFont(shown), this, tr("Schrift"));
    if (!chosen)
        return;
    ElementFormat withFont = format();
    withFont.font = elementFontFrom(font, shown);
    setFormat(withFont);
}

} // namespace velbrant
