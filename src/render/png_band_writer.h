#pragma once

#include <QIODevice>
#include <QImage>
#include <functional>

namespace velbrant {

// Writes a PNG of any height with bounded memory: the picture is painted
// band by band, and each band's rows are streamed out before the next one
// is painted. `paintBand` paints rows from `top` into the band image.
class PngBandWriter {
public:
    using PaintBand = std::function<void(QImage& band, int top)>;

    // Bands hold about bandBytes of pixels, at least one row.
    PngBandWriter(int width, int height, int dotsPerMeter, qint64 bandBytes = 32 << 20);
    // Throws std::runtime_error when libpng or the device fails.
    void write(QIODevice& device, const PaintBand& paintBand) const;

private:
    int m_width;
    int m_height;
    int m_dotsPerMeter;
    qint64 m_bandBytes;
};

} // namespace velbrant
