#include "app/dialogs/default_labels_dialog.h"

#include "app/app_info.h"
#include "app/dialogs/dialog_parts.h"
#include "app/widgets/storable_text.h"
#include "render/text_codec.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace velbrant {

namespace {

struct Field {
    const char* name;
    const char* label;
    std::string DefaultLabels::*value;
};

// In the order of the groups: Struktogramm, Schleifen, IF, CASE.
const std::array<Field, 10> Fields{{
    {"edtStrukto", QT_TRANSLATE_NOOP("velbrant::DefaultLabelsDialog", "&Titelpräfix:"),
     &DefaultLabels::structName},
    {"edtKopf", QT_TRANSLATE_NOOP("velbrant::DefaultLabelsDialog", "&Kopfgesteuerte Schleife:"),
     &DefaultLabels::whileText},
    {"edtFuss", QT_TRANSLATE_NOOP("velbrant::DefaultLabelsDialog", "F&ußgesteuerte Schleife:"),
     &DefaultLabels::repeatText},
    {"edtZaehl", QT_TRANSLATE_NOOP("velbrant::DefaultLabelsDialog", "&Zählschleife:"),
     &DefaultLabels::forText},
    {"edtIFBed", QT_TRANSLATE_NOOP("velbrant::DefaultLabelsDialog", "&Bedingung:"),
     &DefaultLabels::ifText},
    {"edtWahr", QT_TRANSLATE_NOOP("velbrant::DefaultLabelsDialog", "&Wahr:"), &DefaultLabels::yes},
    {"edtFalsch", QT_TRANSLATE_NOOP("velbrant::DefaultLabelsDialog", "&Falsch:"),
     &DefaultLabels::no},
    {"edtAuswahl", QT_TRANSLATE_NOOP("velbrant::DefaultLabelsDialog", "&Auswahl:"),
     &DefaultLabels::caseText},
    {"edtFallPraefix", QT_TRANSLATE_NOOP("velbrant::DefaultLabelsDialog", "Fall-&Präfix:"),
     &DefaultLabels::casePrefix},
    {"edtSonst", QT_TRANSLATE_NOOP("velbrant::DefaultLabelsDialog", "&Sonst:"),
     &DefaultLabels::caseElse},
}};

} // namespace

DefaultLabelsDialog::DefaultLabelsDialog(QWidget* parent)
    : QDialog(parent), m_arrow(new QCheckBox(tr(" &Ersetze '<-' durch Pfeilsymbol"), this)) {
    setObjectName(QStringLiteral("frmBeschriftungen"));
    setWindowTitle(tr("Standardbeschriftung der Elemente"));
    QLabel* refusal = makeRefusalNote(this);
    const auto group = [this](const char* name, const QString& caption, std::size_t first,
                              std::size_t count) {
        auto* box = new QGroupBox(caption, this);
        box->setObjectName(QString::fromLatin1(name));
        auto* grid = new QGridLayout(box);
        for (std::size_t i = first; i < first + count; ++i) {
            const auto row = static_cast<int>(i - first);
            auto* label = new QLabel(tr(Fields[i].label), box);
            label->setBuddy(m_fields[i]);
            grid->addWidget(label, row, 0);
            grid->addWidget(m_fields[i], row, 1);
        }
        return box;
    };
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(QString::fromLatin1(Fields[i].name));
        auto* validator = new StorableTextValidator(m_fields[i]);
        connect(validator, &StorableTextValidator::refused, refusal, [refusal](const QString& why) {
            refusal->setText(why);
            refusal->show();
        });
        m_fields[i]->setValidator(validator);
    }
    m_arrow->setObjectName(QStringLiteral("chkPfeilErsetzen"));

    auto* arrowFrame = new QGroupBox(tr("Textfelder"), this);
    arrowFrame->setObjectName(QStringLiteral("RadioGroup1"));
    (new QVBoxLayout(arrowFrame))->addWidget(m_arrow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = makeButton(this, "BitBtn1", tr("OK"), buttons);
    QPushButton* cancel = makeButton(this, "BitBtn2", tr("Abbrechen"), buttons);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &DefaultLabelsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    refuseLeavingInvalid(
        m_fields[0], cancel, [this] { return isPrefixValid(); }, [this] { refusePrefix(); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(group("GroupBox4", tr("Struktogramm"), 0, 1), 0, 0);
    layout->addWidget(group("GroupBox3", tr(" Schleifen "), 1, 3), 0, 1);
    layout->addWidget(group("GroupBox1", tr(" Bedingte Anweisung (IF)"), 4, 3), 1, 0);
    layout->addWidget(group("GroupBox2", tr(" Fallunterscheidung (CASE) "), 7, 3), 1, 1);
    layout->addWidget(arrowFrame, 2, 0);
    layout->addLayout(buttons, 2, 1, Qt::AlignBottom);
    layout->addWidget(refusal, 3, 0, 1, 2);
}

void DefaultLabelsDialog::setLabels(const DefaultLabels& labels) {
    for (std::size_t i = 0; i < Fields.size(); ++i)
        m_fields[i]->setText(decodeText(labels.*Fields[i].value));
    m_arrow->setChecked(labels.replaceArrow);
}

DefaultLabels DefaultLabelsDialog::labels() const {
    DefaultLabels labels;
    for (std::size_t i = 0; i < Fields.size(); ++i)
        labels.*Fields[i].value = encodeText(m_fields[i]->text());
    labels.replaceArrow = m_arrow->isChecked();
    return labels;
}

bool DefaultLabelsDialog::isPrefixValid() const {
    return !m_fields[0]->text().contains(u' ');
}

void DefaultLabelsDialog::refusePrefix() {
    m_fields[0]->selectAll();
    QMessageBox::critical(
        this, ProgramCaption,
        tr("Der Titelpräfix eines Struktogrammes darf keine Leerzeichen enthalten!"));
    m_fields[0]->setFocus();
    m_fields[0]->selectAll();
}

void DefaultLabelsDialog::accept() {
    if (!isPrefixValid())
        return refusePrefix();
    QDialog::accept();
}

} // namespace velbrant
