#include "render/png_band_writer.h"

#include <algorithm>
#include <png.h>
#include <stdexcept>

namespace velbrant {

namespace {

// Rows of one band: about 32 MB of pixels, at least one row.
constexpr qint64 BandBytes = 32 << 20;

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

PngBandWriter::PngBandWriter(int width, int height, int dotsPerMeter)
    : m_width(width), m_height(height), m_dotsPerMeter(dotsPerMeter) {}

void PngBandWriter::write(QIODevice& device, const PaintBand& paintBand) const {
    PngWriteStruct png;
    Sink sink{&device};
    png_set_write_fn(png.png(), &sink, writeToDevice, flushDevice);
    png_set_IHDR(png.png(), png.info(), static_cast<png_uint_32>(m_width),
                 static_cast<png_uint_32>(m_height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(png.png(), png.info(), static_cast<png_uint_32>(m_dotsPerMeter),
                 static_cast<png_uint_32>(m_dotsPerMeter), PNG_RESOLUTION_METER);
    png_write_info(png.png(), png.info());

    const int bandRows =
        static_cast<int>(std::clamp<qint64>(BandBytes / (qint64{m_width} * 3), 1, m_height));
    QImage band(m_width, bandRows, QImage::Format_RGB888);
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
