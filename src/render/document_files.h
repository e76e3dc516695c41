#pragma once

#include "model/default_labels.h"
#include "model/document.h"

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
};

// Whether the path names a Structorizer file (".nsd", any case).
bool isNsdPath(const QString& path);

// A ".STR" or, by its extension, ".nsd" file as a laid-out document.
LoadedDocument readDocumentFile(const QString& path, QtTextMeasurer& measurer,
                                const DefaultLabels& labels);

// The bytes of the document in the format the path's extension names.
QByteArray encodeDocumentFor(const QString& path, const Document& document);

} // namespace velbrant
