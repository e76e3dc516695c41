#include "render/png_band_writer.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace velbrant {
namespace {

// A picture written in bands of three rows must look like the same picture
// painted at once: no seams, no shifted or missing rows.
TEST(PngBandWriter, BandsJoinWithoutSeams) {
    const auto paint = [](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawLine(0, 0, 60, 200);
        painter.drawEllipse(10, 50, 40, 90);
    };
    QImage whole(61, 200, QImage::Format_RGB888);
    whole.fill(Qt::white);
    QPainter direct(&whole);
    paint(direct);
    direct.end();

    const auto written = [&paint](int threads, qint64 bandBytes) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const PngBandWriter::BandPainterFactory painters = [&paint] {
            return PngBandWriter::PaintBand([&paint](QImage& band, int top) {
                band.fill(Qt::white);
                QPainter painter(&band);
                painter.translate(0, -top);
                paint(painter);
            });
        };
        EXPECT_TRUE(PngBandWriter(61, 200, 11811, bandBytes).write(buffer, painters, threads));
        QImage read = QImage::fromData(buffer.data(), "PNG");
        EXPECT_FALSE(read.isNull());
        EXPECT_EQ(read.dotsPerMeterX(), 11811);
        return read.convertToFormat(QImage::Format_RGB888);
    };
    // Bands of 3 rows (a last partial band of 2), of 7, and one band: the
    // same pixels on any number of threads, and no seams.
    for (const int rows : {3, 7, 400}) {
        const QImage oneThread = written(1, qint64{61} * 4 * rows);
        EXPECT_EQ(written(4, qint64{61} * 4 * rows), oneThread) << rows;
        // Antialiased edges cut by a band boundary may differ by a grey level.
        int largest = 0;
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                largest = std::max(
                    largest, std::abs(qGray(oneThread.pixel(x, y)) - qGray(whole.pixel(x, y))));
        EXPECT_LE(largest, 3) << rows;
    }
}

TEST(PngBandWriter, AStoppedWriteEndsWithoutTheClosingChunk) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const PngBandWriter::BandPainterFactory painters = [] {
        return PngBandWriter::PaintBand([](QImage& band, int) { band.fill(Qt::white); });
    };
    EXPECT_FALSE(PngBandWriter(100, 100, 3937, 100 * 4 * 10)
                     .write(buffer, painters, 2, [](qint64 done, qint64) { return done < 50; }));
    EXPECT_FALSE(buffer.data().contains("IEND"));
}

} // namespace
} // namespace velbrant
