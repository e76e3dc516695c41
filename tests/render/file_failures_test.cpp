#include "diagram_builder.h"
#include "model/diagram/document.h"
#include "qstring_printer.h"
#include "render/document_export.h"
#include "render/document_files.h"
#include "render/qt_text_measurer.h"
#include "small_file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace velbrant {
namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A short write is a failed write: the old file stays byte for byte, the
// reason is the disk's, and no half-written file is left beside it.
TEST(FileFailures, AnExportOntoAFullDiskLeavesTheOldFileAndSaysTheDiskIsFull) {
    test::SmallFileSystem disk(64 * 1024); // room for a part of each file
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    QtTextMeasurer measurer;
    Document document(measurer);
    test::buildMixedTree(document.topSequence(), document.layoutContext(measurer, DefaultLabels{}),
                         1000, 3);
    document.layout(measurer, PaperSize{});
    for (const char* name : {"ziel.STR", "ziel.pdf", "ziel.svg"}) {
        const QString target = QString::fromStdString(disk.file(name));
        const QByteArray old = QByteArray("das alte Bild, ") + name;
        write(target, old);
        try {
            exportDocument(document, measurer, target, ExportOptions{});
            ADD_FAILURE() << name << " was written onto a full disk";
        } catch (const ExportError& failure) {
            EXPECT_NE(std::string(failure.what()).find("Auf dem Datenträger ist kein Platz mehr"),
                      std::string::npos)
                << failure.what();
        }
        EXPECT_EQ(bytesOf(target), old) << name;
        EXPECT_EQ(QDir(QFileInfo(target).absolutePath()).entryList(QDir::Files).size(), 1) << name;
        QFile::remove(target);
    }
}

// A pipe would block the reader forever and a device never end: only
// regular files are read.
TEST(FileFailures, APipeOrADeviceIsRefusedAtOnce) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("x.STR"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QtTextMeasurer measurer;
    for (const QString& path : {pipe, QStringLiteral("/dev/zero"), dir.path()}) {
        try {
            readDocumentFile(path, measurer, DefaultLabels{});
            ADD_FAILURE() << path.toStdString() << " was read";
        } catch (const DocumentFileError& failure) {
            EXPECT_NE(std::string(failure.what()).find("lässt sich nicht öffnen"),
                      std::string::npos)
                << failure.what();
        }
    }
}

// Drawn strip by strip, a statement taller than a strip still draws each of
// its lines once.
TEST(FileFailures, ATallStatementsSvgHoldsEachLineOnce) {
    QtTextMeasurer measurer;
    Document document(measurer);
    const LayoutContext context = document.layoutContext(measurer, DefaultLabels{});
    std::vector<std::string> lines;
    for (int i = 0; i < 10'000; ++i)
        lines.push_back("Zeile " + std::to_string(i));
    test::appendNew(document.topSequence(), ElementKind::Block, context, lines);
    document.topSequence().relayout(context);
    document.layout(measurer, PaperSize{});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hoch.svg"));
    exportDocument(document, measurer, path, ExportOptions{});
    const QByteArray svg = bytesOf(path);
    EXPECT_EQ(svg.count(">Zeile "), 10'000);
    for (const char* line : {">Zeile 0<", ">Zeile 5000<", ">Zeile 9999<"})
        EXPECT_EQ(svg.count(line), 1) << line;
}

} // namespace
} // namespace velbrant
