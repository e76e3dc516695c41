#pragma once

#include "model/code/code_generator.h"

#include <QDockWidget>
#include <QPointer>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace velbrant {

class CodeHighlighter;
class Document;
class RoutineFolder;
class DocumentEditor;

// The program of the active diagram beside it, in the language chosen,
// read-only and coloured, following every change of the diagram; it can be
// copied or saved. The program itself comes from the model's generator.
class CodeDock : public QDockWidget {
    Q_OBJECT

public:
    explicit CodeDock(QWidget* parent);
    ~CodeDock() override;

    // Shows the program of the editor's diagram from now on; none: empty.
    // `path` is the document's file, if it has one: the suggested file is
    // named after it, and the diagrams beside it are the routines the
    // program may call.
    void follow(DocumentEditor* editor, const QString& path);

    // Asks where to save, given the suggested path and the filter; the
    // empty string cancels. Tests replace it.
    std::function<QString(QWidget*, const QString&, const QString&)> askSavePath;
    // The diagrams open in the frame: the routines a program may call,
    // before those beside its file.
    std::function<std::vector<const Document*>()> openDocuments;

private:
    CodeLanguage language() const;
    // Regenerates once the events of the current change are handled.
    void scheduleRefresh();
    RoutineLookup routines();
    void refresh();
    void copy();
    void save();

    QComboBox* m_language;
    QPlainTextEdit* m_code;
    QLabel* m_note;
    CodeHighlighter* m_highlighter;
    QPointer<DocumentEditor> m_editor;
    QString m_path;
    std::unique_ptr<RoutineFolder> m_routines;
    QMetaObject::Connection m_changed;
    bool m_refreshPending = false;
};

} // namespace velbrant
