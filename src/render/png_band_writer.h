#pragma once

#include <QIODevice>
#include <QImage>
#include <functional>

namespace velbrant {

// Writes a PNG of any height with bounded memory: the picture is painted in
// horizontal bands, on every core at once, each band deflated on its own
// and the pieces joined in order into the one zlib stream PNG allows (each
// piece but the last ends in a sync flush, the checksums are combined). At
// most two bands per thread are in memory at a time.
class PngBandWriter {
public:
    // Paints rows from `top` into the band image.
    using PaintBand = std::function<void(QImage& band, int top)>;
    // Makes the painter of one thread; painters run on their threads only.
    using BandPainterFactory = std::function<PaintBand()>;
    // Told the rows written so far; answers false to stop.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    // Bands hold about bandBytes of pixels, at least one row.
    PngBandWriter(int width, int height, int dotsPerMeter, qint64 bandBytes = 32 << 20);
    // Throws std::runtime_error when the device fails; returns false when
    // `progress` stopped it.
    bool write(QIODevice& device, const BandPainterFactory& painters, int threads,
               const Progress& progress = {}) const;

private:
    int m_width;
    int m_height;
    int m_dotsPerMeter;
    int m_bandRows;
};

} // namespace velbrant
