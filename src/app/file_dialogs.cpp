#include "app/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace velbrant {

namespace {

const QString StructogramFilter = QStringLiteral("Struktogramme (*.STR *.str)");
const QString StructorizerFilter = QStringLiteral("Structorizer-Diagramme (*.nsd)");
const QString AnyDiagramFilter = QStringLiteral("Alle Diagramme (*.STR *.str *.nsd)");
const QString AllFilesFilter = QStringLiteral("Alle Dateien (*)");

QString ask(QFileDialog& dialog) {
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

// The format follows the chosen filter when the name has no known extension.
QString withPictureSuffix(QString path, const QString& filter) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png" || suffix == u"svg" || suffix == u"pdf")
        return path;
    if (filter.contains(QStringLiteral("*.svg")))
        return path + QStringLiteral(".svg");
    if (filter.contains(QStringLiteral("*.pdf")))
        return path + QStringLiteral(".pdf");
    return path + QStringLiteral(".png");
}

} // namespace

QString diagramFileFor(const QString& path) {
    const QFileInfo typed(path);
    if (typed.exists() || !typed.suffix().isEmpty())
        return path;
    const QDir folder = typed.absoluteDir();
    for (const QString& extension : {QStringLiteral("str"), QStringLiteral("nsd")})
        for (const QString& name : folder.entryList(QDir::Files))
            if (QFileInfo(name).completeBaseName() == typed.fileName() &&
                QFileInfo(name).suffix().compare(extension, Qt::CaseInsensitive) == 0)
                return folder.filePath(name);
    return path;
}

FileDialogs systemFileDialogs() {
    FileDialogs dialogs;
    dialogs.open = [](QWidget* parent) {
        // Any name is taken: one typed without extension is looked up by
        // `diagramFileFor`, whatever the case of the file's extension.
        QFileDialog dialog(parent, QStringLiteral("Öffnen"));
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(
            {AnyDiagramFilter, StructogramFilter, StructorizerFilter, AllFilesFilter});
        return ask(dialog);
    };
    dialogs.save = [](QWidget* parent, const QString& preset) {
        QFileDialog dialog(parent, QStringLiteral("Speichern unter"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({StructogramFilter, StructorizerFilter, AllFilesFilter});
        dialog.setDefaultSuffix(QStringLiteral("str"));
        // The chosen filter names the format of a name without extension.
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
                dialog.setDefaultSuffix(filter == StructorizerFilter ? QStringLiteral("nsd")
                                                                     : QStringLiteral("str"));
            });
        const QFileInfo info(preset);
        if (info.isAbsolute())
            dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
        return ask(dialog);
    };
    dialogs.exportTo = [](QWidget* parent, const QString& preset) {
        QFileDialog dialog(parent, QStringLiteral("Exportieren"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({QStringLiteral("PNG-Bild (*.png)"),
                               QStringLiteral("SVG-Grafik (*.svg)"),
                               QStringLiteral("PDF-Dokument (*.pdf)")});
        const QFileInfo info(preset);
        if (info.isAbsolute())
            dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.completeBaseName());
        const QString path = ask(dialog);
        return path.isEmpty() ? path : withPictureSuffix(path, dialog.selectedNameFilter());
    };
    return dialogs;
}

} // namespace velbrant
