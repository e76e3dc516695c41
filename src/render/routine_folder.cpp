#include "render/routine_folder.h"

#include "model/files/windows1252.h"
#include "model/program/pseudocode.h"
#include "render/document_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velbrant {

namespace {

// A folder of diagrams holds dozens; one with thousands of files or large
// ones is not read whole for a lookup.
constexpr int MaxFolderDiagrams = 500;
constexpr qint64 MaxRoutineFileSize = qint64{16} << 20;

bool names(const Document& document, std::string_view name) {
    return lowered(code::readTitle(document.format().title).name) == lowered(name);
}

} // namespace

RoutineFolder::RoutineFolder(QString folder, QtTextMeasurer& measurer, QString except)
    : m_folder(std::move(folder)), m_measurer(measurer),
      m_except(QFileInfo(except).absoluteFilePath()) {}

void RoutineFolder::setOpen(std::vector<const Document*> documents) {
    m_open = std::move(documents);
}

const Document* RoutineFolder::find(std::string_view name) {
    for (const Document* document : m_open) {
        if (names(*document, name))
            return document;
    }
    readFolder();
    for (const auto& document : m_documents) {
        if (names(*document, name))
            return document.get();
    }
    return nullptr;
}

QString RoutineFolder::pathOf(const Document* document) const {
    for (std::size_t i = 0; i < m_documents.size(); ++i) {
        if (m_documents[i].get() == document)
            return m_paths[i];
    }
    return {};
}

void RoutineFolder::readFolder() {
    if (m_read || m_folder.isEmpty())
        return;
    m_read = true;
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({QStringLiteral("*.nsd"), QStringLiteral("*.str")},
                                     QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& file : files) {
        if (static_cast<int>(m_documents.size()) >= MaxFolderDiagrams)
            break;
        if (file.absoluteFilePath() == m_except || file.size() > MaxRoutineFileSize)
            continue;
        try {
            m_documents.push_back(
                readDocumentFile(file.absoluteFilePath(), m_measurer, DefaultLabels{}).document);
            m_paths.push_back(file.absoluteFilePath());
        } catch (const DocumentFileError&) {
            continue;
        }
    }
}

} // namespace velbrant
