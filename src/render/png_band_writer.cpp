#include "render/png_band_writer.h"

#include <algorithm>
#include <png.h>
#include <stdexcept>
#include <zlib.h>

namespace velbrant {

namespace {

// Where the rows go, and whether the device refused any of them. A refusal
// is reported after libpng is done, so no error has to cross libpng's frames.
struct Sink {
    QIODevice* device;
    bool failed = false;
};

void writeToDevice(png_structp png, png_bytep data, png_size_t length) {
    auto* sink = static_cast<Sink*>(png_get_io_ptr(png));
    const auto size = static_cast<qint64>(length);
    if (!sink->failed && sink->device->write(reinterpret_cast<const char*>(data), size) != size)
        sink->failed = true;
}

void flushDevice(png_structp) {}

// Only reached on invalid parameters, which the caller's size checks
// exclude; libpng is built with unwind tables on the platforms we build for.
[[noreturn]] void onError(png_structp, png_const_charp message) {
    throw std::runtime_error(std::string("PNG: ") + message);
}

void onWarning(png_structp, png_const_charp) {}

// Owns the libpng write structures for one file.
class PngWriteStruct {
public:
    PngWriteStruct()
        : m_png(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning)),
          m_info(m_png ? png_create_info_struct(m_png) : nullptr) {
        if (m_info == nullptr)
            throw std::runtime_error("PNG: kein Speicher");
    }
    ~PngWriteStruct() { png_destroy_write_struct(&m_png, &m_info); }
    PngWriteStruct(const PngWriteStruct&) = delete;
    PngWriteStruct& operator=(const PngWriteStruct&) = delete;

    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    png_structp m_png;
    png_infop m_info;
};

} // namespace

PngBandWriter::PngBandWriter(int width, int height, int dotsPerMeter, qint64 bandBytes)
    : m_width(width), m_height(height), m_dotsPerMeter(dotsPerMeter), m_bandBytes(bandBytes) {}

void PngBandWriter::write(QIODevice& device, const PaintBand& paintBand) const {
    PngWriteStruct png;
    Sink sink{&device};
    png_set_write_fn(png.png(), &sink, writeToDevice, flushDevice);
    png_set_user_limits(png.png(), PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    png_set_IHDR(png.png(), png.info(), static_cast<png_uint_32>(m_width),
                 static_cast<png_uint_32>(m_height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(png.png(), png.info(), static_cast<png_uint_32>(m_dotsPerMeter),
                 static_cast<png_uint_32>(m_dotsPerMeter), PNG_RESOLUTION_METER);
    // Diagrams are mostly white: fast compression loses little here.
    png_set_compression_level(png.png(), 1);
    png_set_compression_strategy(png.png(), Z_RLE);
    png_set_filter(png.png(), 0, PNG_FILTER_NONE);
    png_write_info(png.png(), png.info());

    const int bandRows =
        static_cast<int>(std::clamp<qint64>(m_bandBytes / (qint64{m_width} * 4), 1, m_height));
    // Painted in the raster engine's native format; libpng drops the filler
    // byte and swaps blue and red of 0xffRRGGBB as it writes.
    QImage band(m_width, bandRows, QImage::Format_RGB32);
    png_set_filler(png.png(), 0,
                   Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
        png_set_bgr(png.png());
    for (int top = 0; top < m_height; top += bandRows) {
        paintBand(band, top);
        const int rows = std::min(bandRows, m_height - top);
        for (int row = 0; row < rows; ++row)
            png_write_row(png.png(), band.constScanLine(row));
    }
    png_write_end(png.png(), nullptr);
    if (sink.failed)
        throw std::runtime_error(device.errorString().toStdString());
}

} // namespace velbrant
