#pragma once

#include "model/code/code_generator.h"
#include "model/diagram/document.h"

#include <QString>
#include <memory>
#include <string_view>
#include <vector>

namespace velbrant {

class QtTextMeasurer;

// The diagrams of a folder (".nsd" and ".STR" files) as routines a
// program may call, found by their titles as Structorizer finds them.
// Read once, at the first question; files that do not read are passed
// over. Open documents, when given, are asked first.
class RoutineFolder {
public:
    RoutineFolder(QString folder, QtTextMeasurer& measurer, QString except = {});

    // Documents that are asked before the folder (not owned), in place of
    // those given before.
    void setOpen(std::vector<const Document*> documents);
    const Document* find(std::string_view name);
    // The file a document of the folder was read from; empty for another.
    QString pathOf(const Document* document) const;
    RoutineLookup lookup() {
        return [this](std::string_view name) { return find(name); };
    }

private:
    void readFolder();

    QString m_folder;
    QtTextMeasurer& m_measurer;
    QString m_except;
    bool m_read = false;
    std::vector<const Document*> m_open;
    std::vector<std::unique_ptr<Document>> m_documents;
    std::vector<QString> m_paths;
};

} // namespace velbrant
