#include "app/find/find_dialog.h"

#include "app/dialogs/dialog_parts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velbrant {

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent, Qt::Tool), m_pattern(new QLineEdit(this)), m_replacement(new QLineEdit(this)),
      m_replacementLabel(new QLabel(tr("Ersetzen &durch:"), this)),
      m_optionBox(new QGroupBox(tr("Optionen"), this)) {
    setObjectName(QStringLiteral("FindDlg"));
    m_pattern->setObjectName(QStringLiteral("FindEdit"));
    m_replacement->setObjectName(QStringLiteral("ReplaceEdit"));
    auto* patternLabel = new QLabel(tr("&Suchen nach:"), this);
    patternLabel->setBuddy(m_pattern);
    m_replacementLabel->setBuddy(m_replacement);

    m_caseSensitive = addOption("CaseBox", tr("&Groß-/Kleinschreibung"));
    m_wholeWord = addOption("WholeWordBox", tr("Ganzes &Wort"));
    m_regularExpression = addOption("RegexBox", tr("Re&gulärer Ausdruck"));
    m_comments = addOption("CommentsBox", tr("auch in &Kommentaren"));
    m_caseLabels = addOption("LabelsBox", tr("auch in &Fallbeschriftungen"));
    m_title = addOption("TitleBox", tr("auch im &Titel"));
    auto* active = new QRadioButton(tr("&aktives Struktogramm"), m_optionBox);
    active->setObjectName(QStringLiteral("ActiveDiagramButton"));
    active->setChecked(true);
    m_allDiagrams = new QRadioButton(tr("&alle offenen Struktogramme"), m_optionBox);
    m_allDiagrams->setObjectName(QStringLiteral("AllDiagramsButton"));
    auto* options = new QGridLayout(m_optionBox);
    const QList<QWidget*> column = {m_caseSensitive, m_wholeWord,  m_regularExpression,
                                    m_comments,      m_caseLabels, m_title};
    for (int i = 0; i < column.size(); ++i)
        options->addWidget(column[i], i % 3, i / 3);
    options->addWidget(active, 3, 0);
    options->addWidget(m_allDiagrams, 3, 1);

    QPushButton* next = makeButton(this, "FindNextBtn", tr("&Weitersuchen"));
    QPushButton* previous = makeButton(this, "FindPreviousBtn", tr("&Zurück"));
    m_replace = makeButton(this, "ReplaceBtn", tr("&Ersetzen"));
    m_replaceAll = makeButton(this, "ReplaceAllBtn", tr("A&lle ersetzen"));
    QPushButton* close = makeButton(this, "CloseBtn", tr("Schließen"));
    QPushButton* help = makeButton(this, "HelpBtn", tr("&Hilfe"));
    next->setDefault(true);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusLabel"));
    m_status->setWordWrap(true);

    auto* fields = new QGridLayout;
    fields->addWidget(patternLabel, 0, 0);
    fields->addWidget(m_pattern, 0, 1);
    fields->addWidget(m_replacementLabel, 1, 0);
    fields->addWidget(m_replacement, 1, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(m_optionBox);
    left->addWidget(m_status);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {next, previous, m_replace, m_replaceAll, close, help})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    m_pattern->setMinimumWidth(260);

    connect(next, &QPushButton::clicked, this, &FindDialog::nextRequested);
    connect(previous, &QPushButton::clicked, this, &FindDialog::previousRequested);
    connect(m_replace, &QPushButton::clicked, this, &FindDialog::replaceRequested);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindDialog::replaceAllRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { emit helpRequested(QStringLiteral("suchen")); });
    connect(m_pattern, &QLineEdit::textChanged, this, &FindDialog::searchChanged);
    connect(m_allDiagrams, &QRadioButton::toggled, this, &FindDialog::searchChanged);
}

QCheckBox* FindDialog::addOption(const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, m_optionBox);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::toggled, this, &FindDialog::searchChanged);
    return box;
}

void FindDialog::showFor(bool replacing) {
    setWindowTitle(replacing ? tr("Ersetzen") : tr("Suchen"));
    for (QWidget* part : std::initializer_list<QWidget*>{m_replacementLabel, m_replacement,
                                                         m_replace, m_replaceAll})
        part->setVisible(replacing);
    adjustSize();
    showBesideTheDiagram(*this, m_placed);
    m_pattern->setFocus();
    m_pattern->selectAll();
}

SearchOptions FindDialog::options() const {
    SearchOptions options;
    options.pattern = m_pattern->text();
    options.caseSensitive = m_caseSensitive->isChecked();
    options.wholeWord = m_wholeWord->isChecked();
    options.regularExpression = m_regularExpression->isChecked();
    options.comments = m_comments->isChecked();
    options.caseLabels = m_caseLabels->isChecked();
    options.title = m_title->isChecked();
    return options;
}

QString FindDialog::replacement() const {
    return m_replacement->text();
}

bool FindDialog::searchesAllDiagrams() const {
    return m_allDiagrams->isChecked();
}

void FindDialog::showStatus(const QString& text) {
    m_status->setText(text);
}

} // namespace velbrant
