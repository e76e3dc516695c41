#pragma once

#include "model/diagram/default_labels.h"
#include "model/diagram/document.h"

#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>
#include <vector>

namespace velbrant {

class QtTextMeasurer;

// A file that could not be read or written; the message is the user's, in
// German, naming the file.
class DocumentFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A function of a program source, as a diagram of its own.
struct LoadedRoutine {
    QString name;
    std::unique_ptr<Document> document;
};

struct LoadedDocument {
    std::unique_ptr<Document> document;
    // What a Structorizer file's read had to convert, one sentence each.
    QStringList conversions;
    // Texts shown cut or with characters replaced, which a .nsd written
    // back still holds as the file had them.
    QStringList textChanges;
    // A program source's other diagrams, one per function.
    std::vector<LoadedRoutine> routines;
};

// The routines of a loaded program source, to ask before the folder's.
std::vector<const Document*> routineDocuments(const LoadedDocument& loaded);

// Whether the path names a Structorizer file (".nsd", any case).
bool isNsdPath(const QString& path);
// Whether the path names a diagram as text (".txt", any case).
bool isNotationPath(const QString& path);

// Whether the path names a Python, Java or C source (".py", ".java", ".c").
bool isSourcePath(const QString& path);

// No diagram is larger: a larger file is refused before it is read.
inline constexpr qint64 MaxDocumentFileSize = qint64{256} << 20;

// A ".STR" or, by its extension, a ".nsd", ".txt" or program source file
// as a laid-out document (a source's functions as its routines). Only
// regular files are read (a pipe or a device would block or never end).
LoadedDocument readDocumentFile(const QString& path, QtTextMeasurer& measurer,
                                const DefaultLabels& labels);

// A diagram in the text notation given as bytes (standard input), read as
// a ".txt" file is; a text that does not read says its line.
LoadedDocument readNotationText(const QByteArray& bytes, QtTextMeasurer& measurer,
                                const DefaultLabels& labels);

// The bytes of the document in the format the path's extension names.
QByteArray encodeDocumentFor(const QString& path, const Document& document);

// Why a write to the file failed, in German; a full disk is said as such.
QString writeFailure(const QFileDevice& file);

// Commits the save file only when every byte written reached the file:
// what is still buffered is written first, and a failure anywhere leaves
// the old file as it was. On failure `reason` gets the system's reason in
// German.
bool commitWhole(QSaveFile& file, QString* reason);

} // namespace velbrant
