#include "model/files/structogram_file.h"
#include "qstring_printer.h"
#include "render/qt_text_measurer.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace velbrant {
namespace {

QStringList sampleFiles() {
    QStringList files;
    for (const char* folder : {"/tests/data", "/examples"}) {
        const QDir dir(QStringLiteral(VELBRANT_SOURCE_DIR) + folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.STR")}))
            files << dir.filePath(name);
    }
    return files;
}

Bytes readBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

// The samples were written laid out with these fonts: reading one and
// writing it again must give back every byte.
TEST(SampleFiles, LoadAndSaveGiveBackTheSameBytes) {
    const QStringList files = sampleFiles();
    ASSERT_GE(files.size(), 6);
    QtTextMeasurer measurer;
    for (const QString& path : files) {
        const Bytes original = readBytes(path);
        auto document = loadDocument(original, measurer, DefaultLabels{});
        document->layout(measurer, PaperSize{});
        EXPECT_EQ(encodeDocument(*document), original) << path.toStdString();
    }
}

} // namespace
} // namespace velbrant
