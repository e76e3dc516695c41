#include "app/docks/code_dock.h"

#include "app/app_info.h"
#include "app/docks/code_highlighter.h"
#include "app/document/document_editor.h"
#include "render/document_export.h"
#include "render/document_files.h"
#include "render/file_errors.h"
#include "render/routine_folder.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTimer>

namespace velbrant {

namespace {

struct LanguageEntry {
    const char* caption;
    CodeLanguage language;
};

constexpr LanguageEntry Languages[] = {
    {"Python", CodeLanguage::Python},
    {"Java", CodeLanguage::Java},
    {"C", CodeLanguage::C},
    {"Pascal", CodeLanguage::Pascal},
};

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

CodeDock::CodeDock(QWidget* parent)
    : QDockWidget(tr("Programm"), parent), m_language(new QComboBox), m_code(new QPlainTextEdit),
      m_note(new QLabel), m_highlighter(nullptr) {
    setObjectName(QStringLiteral("CodeDock"));
    m_language->setObjectName(QStringLiteral("CodeLanguageBox"));
    for (const LanguageEntry& entry : Languages)
        m_language->addItem(QString::fromLatin1(entry.caption));
    m_code->setObjectName(QStringLiteral("CodeText"));
    m_code->setReadOnly(true);
    m_code->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_code->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Room for a typical program line beside the diagram.
    m_code->setMinimumWidth(QFontMetrics(m_code->font()).horizontalAdvance(u'x') * 56);
    m_note->setObjectName(QStringLiteral("CodeNote"));
    m_highlighter = new CodeHighlighter(m_code->document());
    m_highlighter->setLanguage(language());
    auto* copyButton = button(this, "CopyCodeBtn", tr("&Kopieren"));
    auto* saveButton = button(this, "SaveCodeBtn", tr("&Speichern unter..."));

    auto* top = new QHBoxLayout;
    auto* languageLabel = new QLabel(tr("&Sprache:"));
    languageLabel->setBuddy(m_language);
    top->addWidget(languageLabel);
    top->addWidget(m_language, 1);
    top->addWidget(copyButton);
    top->addWidget(saveButton);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(top);
    layout->addWidget(m_code, 1);
    layout->addWidget(m_note);
    setWidget(content);

    askSavePath = [](QWidget* parent, const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, tr("Programm speichern"), suggested, filter);
    };
    connect(m_language, &QComboBox::currentIndexChanged, this, [this] {
        m_highlighter->setLanguage(language());
        refresh();
    });
    connect(copyButton, &QPushButton::clicked, this, &CodeDock::copy);
    connect(saveButton, &QPushButton::clicked, this, &CodeDock::save);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            refresh();
    });
}

CodeLanguage CodeDock::language() const {
    return Languages[std::max(m_language->currentIndex(), 0)].language;
}

CodeDock::~CodeDock() = default;

void CodeDock::follow(DocumentEditor* editor, const QString& path) {
    disconnect(m_changed);
    m_editor = editor;
    m_path = path;
    m_routines.reset();
    if (editor != nullptr)
        m_routines = std::make_unique<RoutineFolder>(
            path.isEmpty() ? QString() : QFileInfo(path).absolutePath(), editor->measurer(), path);
    if (editor != nullptr)
        m_changed = connect(editor, &DocumentEditor::changed, this, &CodeDock::scheduleRefresh);
    refresh();
}

void CodeDock::scheduleRefresh() {
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        refresh();
    });
}

// A hidden dock costs nothing; it catches up when shown.
RoutineLookup CodeDock::routines() {
    if (openDocuments)
        m_routines->setOpen(openDocuments());
    return m_routines->lookup();
}

void CodeDock::refresh() {
    if (!isVisible())
        return;
    if (m_editor.isNull()) {
        m_code->clear();
        m_note->clear();
        return;
    }
    const GeneratedCode code = generateCode(m_editor->document(), language(), {}, routines());
    const int scroll = m_code->verticalScrollBar()->value();
    m_code->setPlainText(QString::fromStdString(code.text));
    m_code->verticalScrollBar()->setValue(scroll);
    m_note->setText(untranslatedNotice(code));
}

void CodeDock::copy() {
    QGuiApplication::clipboard()->setText(m_code->toPlainText());
}

void CodeDock::save() {
    const QString extension = QString::fromLatin1(codeExtension(language()).data());
    const QString suggested =
        QFileInfo(m_path.isEmpty() ? QStringLiteral("programm") : m_path).completeBaseName() +
        u'.' + extension;
    const QString filter = tr("%1-Programm (*.%2)").arg(m_language->currentText(), extension);
    const QString path = askSavePath(this, suggested, filter);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    // Written under its own name, a Java class takes that name.
    const QByteArray bytes =
        m_editor.isNull()
            ? m_code->toPlainText().toUtf8()
            : QByteArray::fromStdString(
                  generateCode(m_editor->document(), language(),
                               QFileInfo(path).completeBaseName().toStdString(), routines())
                      .text);
    QString reason;
    if (!file.open(QIODevice::WriteOnly))
        reason = germanReason(file.errorString());
    else if (file.write(bytes) != bytes.size())
        reason = writeFailure(file);
    else
        commitWhole(file, &reason);
    if (!reason.isEmpty())
        QMessageBox::critical(this, ProgramCaption,
                              tr("%1 konnte nicht gespeichert werden: %2")
                                  .arg(QDir::toNativeSeparators(path), reason));
}

} // namespace velbrant
