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

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PngBandWriter(61, 200, 11811, 61 * 4 * 3).write(buffer, [&](QImage& band, int top) {
        EXPECT_EQ(band.height(), 3);
        band.fill(Qt::white);
        QPainter painter(&band);
        painter.translate(0, -top);
        paint(painter);
    });
    const QImage read =
        QImage::fromData(buffer.data(), "PNG").convertToFormat(QImage::Format_RGB888);
    // Antialiased edges cut by a band boundary may differ by a grey level.
    int largest = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            largest =
                std::max(largest, std::abs(qGray(read.pixel(x, y)) - qGray(whole.pixel(x, y))));
    EXPECT_LE(largest, 2);
    EXPECT_EQ(read.dotsPerMeterX(), 11811);
}

} // namespace
} // namespace velbrant
