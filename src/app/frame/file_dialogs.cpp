#include "app/frame/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace velbrant {

namespace {

QString structogramFilter() {
    return QCoreApplication::translate("velbrant", "Struktogramme (*.STR *.str)");
}
QString structorizerFilter() {
    return QCoreApplication::translate("velbrant", "Structorizer-Diagramme (*.nsd)");
}
QString notationFilter() {
    return QCoreApplication::translate("velbrant", "Struktogramme als Text (*.txt)");
}
QString anyDiagramFilter() {
    return QCoreApplication::translate(
        "velbrant", "Alle Diagramme und Programme (*.STR *.str *.nsd *.txt *.py *.java *.c)");
}
QString sourceFilter() {
    return QCoreApplication::translate("velbrant",
                                       "Programme in Python, Java oder C (*.py *.java *.c)");
}
QString allFilesFilter() {
    return QCoreApplication::translate("velbrant", "Alle Dateien (*)");
}

QString ask(QFileDialog& dialog) {
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
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
        QFileDialog dialog(parent, QCoreApplication::translate("velbrant", "Öffnen"));
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters({anyDiagramFilter(), structogramFilter(), structorizerFilter(),
                               notationFilter(), sourceFilter(), allFilesFilter()});
        return ask(dialog);
    };
    dialogs.save = [](QWidget* parent, const QString& preset) {
        QFileDialog dialog(parent, QCoreApplication::translate("velbrant", "Speichern unter"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(
            {structogramFilter(), structorizerFilter(), notationFilter(), allFilesFilter()});
        dialog.setDefaultSuffix(QStringLiteral("str"));
        // The chosen filter names the format of a name without extension.
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
                dialog.setDefaultSuffix(filter == structorizerFilter() ? QStringLiteral("nsd")
                                        : filter == notationFilter()   ? QStringLiteral("txt")
                                                                       : QStringLiteral("str"));
            });
        const QFileInfo info(preset);
        if (info.isAbsolute())
            dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
        return ask(dialog);
    };
    return dialogs;
}

} // namespace velbrant
