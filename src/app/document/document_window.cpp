#include "app/document/document_window.h"

#include "app/app_info.h"
#include "app/document/document_editor.h"
#include "app/document/document_view.h"
#include "render/document_files.h"
#include "render/file_errors.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>

namespace velbrant {

DocumentWindow::DocumentWindow(const DefaultLabels& labels, QString fileDir, QString fileName,
                               bool hasFileName)
    : m_editor(new DocumentEditor(labels, this)), m_view(new DocumentView(*m_editor)),
      m_fileDir(std::move(fileDir)), m_fileName(std::move(fileName)), m_hasFileName(hasFileName) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_view);
    // The frame's commands own the keys: the system menu's own Ctrl+W and
    // Ctrl+F4 would make them ambiguous, and then neither acts.
    if (QMenu* menu = systemMenu())
        for (QAction* item : menu->actions())
            item->setShortcuts({});
    showCaption();
    connect(m_editor, &DocumentEditor::changed, this,
            [this] { setWindowModified(m_editor->isModified()); });
}

void DocumentWindow::showCaption() {
    showName(caption());
}

// "[*]" shows an asterisk while the document has unsaved changes.
void DocumentWindow::showName(const QString& name) {
    setWindowTitle(name + QStringLiteral("[*]"));
}

bool DocumentWindow::load(const QString& path, QString* error, QStringList* conversions) {
    try {
        LoadedDocument loaded = readDocumentFile(path, m_editor->measurer(), m_editor->labels());
        m_editor->replaceDocument(std::move(loaded.document));
        *conversions = loaded.conversions + loaded.textChanges;
    } catch (const DocumentFileError& failure) {
        *error = QString::fromUtf8(failure.what());
        return false;
    }
    rememberFileState();
    showCaption();
    return true;
}

void DocumentWindow::rememberFileState() {
    const QFileInfo file(filePath());
    m_fileTime = file.lastModified();
    m_fileSize = file.exists() ? file.size() : -1;
}

bool DocumentWindow::fileChangedOnDisk() const {
    if (!m_hasFileName)
        return false;
    const QFileInfo file(filePath());
    return file.exists() && (file.lastModified() != m_fileTime || file.size() != m_fileSize);
}

void DocumentWindow::setFilePath(const QString& path) {
    const QFileInfo info(path);
    m_fileDir = QDir::toNativeSeparators(info.absolutePath() + '/');
    m_fileName = info.fileName();
    m_hasFileName = true;
    rememberFileState();
    showName(filePath());
}

bool DocumentWindow::writeFile(const QString& path, QString* error) {
    const QString shownPath = QDir::toNativeSeparators(path);
    QByteArray bytes;
    try {
        bytes = encodeDocumentFor(path, m_editor->document());
    } catch (const std::length_error& failure) {
        *error = tr("%1 lässt sich nicht speichern: %2")
                     .arg(shownPath, QString::fromUtf8(failure.what()));
        return false;
    }
    QSaveFile file(path);
    QString reason;
    const bool opened = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    if (!opened)
        reason = writeFailure(file);
    if (!opened || !commitWhole(file, &reason)) {
        *error = tr("%1 lässt sich nicht speichern: %2").arg(shownPath, reason);
        return false;
    }
    m_editor->markSaved();
    setWindowModified(false);
    rememberFileState();
    return true;
}

QSize DocumentWindow::sizeHint() const {
    if (const QMdiArea* area = mdiArea())
        return area->viewport()->size() * 2 / 3;
    return QMdiSubWindow::sizeHint();
}

bool DocumentWindow::isModified() const {
    return m_editor->isModified();
}

QString DocumentWindow::caption() const {
    const QString workingDir = QDir::toNativeSeparators(QDir::currentPath() + '/');
    if (m_fileDir.isEmpty() || QDir(m_fileDir) == QDir(workingDir))
        return m_fileName;
    return m_fileDir + m_fileName;
}

bool DocumentWindow::confirmClose() {
    if (!isModified())
        return true;
    const auto answer = QMessageBox::question(
        this, ProgramCaption, tr("Änderungen in %1 speichern?").arg(m_fileName),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return m_save && m_save(*this);
    return answer == QMessageBox::No;
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    if (confirmClose())
        event->accept();
    else
        event->ignore();
}

} // namespace velbrant
