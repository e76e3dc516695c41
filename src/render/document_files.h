#pragma once

#include "model/diagram/default_labels.h"
#include "model/diagram/document.h"

#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>

namespace velbrant {

class QtTextMeasurer;

// A file that could not be read or written; the message is the user's, in
// German, naming the file.
class DocumentFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct LoadedDocument {
    std::unique_ptr<Document> document;
    // What a Structorizer file's read had to convert, one sentence each.
    QStringList conversions;
    // Texts shown cut or with characters replaced, which a .nsd written
    // back still holds as the file had them.
    QStringList textChanges;
};

// Whether the path names a Structorizer file (".nsd", any case).
bool isNsdPath(const QString& path);
// Whether the path names a diagram as text (".txt", any case).
bool isNotationPath(const QString& path);

// No diagram is larger: a larger file is refused before it is read.
inline constexpr qint64 MaxDocumentFileSize = qint64{256} << 20;

// A ".STR" or, by its extension, ".nsd" file as a laid-out document. Only
// regular files are read (a pipe or a device would block or never end).
LoadedDocument readDocumentFile(const QString& path, QtTextMeasurer& measurer,
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
