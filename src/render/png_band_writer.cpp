#include "render/png_band_writer.h"

#include <QtEndian>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>
#include <zlib.h>

namespace velbrant {

namespace {

constexpr int BandsInFlightPerThread = 2;
// Bands thinner than this cost more in chunks and restarts than they gain.
constexpr int MinBandRows = 64;
// A picture is cut into at least this many bands where it is tall enough.
constexpr int MinBandCount = 16;
constexpr qint64 MaxChunkSize = 1 << 20;

// One band's rows, filtered (a zero filter byte before each row, RGB bytes)
// and deflated as a raw piece of the picture's stream.
struct DeflatedBand {
    QByteArray bytes;
    uLong adler = 1;
    qint64 length = 0;
};

void putChunk(QIODevice& device, const char* type, const QByteArray& data) {
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size()), chunk.data());
    chunk.append(type, 4);
    chunk.append(data);
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(
        static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(chunk.constData() + 4),
                                   static_cast<uInt>(chunk.size() - 4))),
        crc.data());
    chunk.append(crc);
    if (device.write(chunk) != chunk.size())
        throw std::runtime_error(device.errorString().toStdString());
}

DeflatedBand deflateBand(const QImage& band, int rows, bool last) {
    const int width = band.width();
    QByteArray raw(static_cast<qsizetype>(rows) * (1 + 3 * qsizetype{width}), '\0');
    auto* out = reinterpret_cast<unsigned char*>(raw.data());
    for (int y = 0; y < rows; ++y) {
        *out++ = 0; // filter: none
        const auto* pixels = reinterpret_cast<const QRgb*>(band.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            *out++ = static_cast<unsigned char>(qRed(pixels[x]));
            *out++ = static_cast<unsigned char>(qGreen(pixels[x]));
            *out++ = static_cast<unsigned char>(qBlue(pixels[x]));
        }
    }
    z_stream stream{};
    // Diagrams are mostly white: fast compression loses little here.
    if (deflateInit2(&stream, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_RLE) != Z_OK)
        throw std::runtime_error("PNG: zlib");
    DeflatedBand result;
    result.bytes.resize(
        static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(raw.size())) + 16));
    stream.next_in = reinterpret_cast<Bytef*>(raw.data());
    stream.avail_in = static_cast<uInt>(raw.size());
    stream.next_out = reinterpret_cast<Bytef*>(result.bytes.data());
    stream.avail_out = static_cast<uInt>(result.bytes.size());
    deflate(&stream, last ? Z_FINISH : Z_SYNC_FLUSH);
    result.bytes.resize(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    result.adler =
        adler32(1, reinterpret_cast<const Bytef*>(raw.constData()), static_cast<uInt>(raw.size()));
    result.length = raw.size();
    return result;
}

// The deflated bands in order, as they come from the workers.
class BandQueue {
public:
    BandQueue(int bands, int inFlight) : m_bands(bands), m_inFlight(inFlight) {}

    // The next band to paint, or -1 when there is none or work stopped.
    int take() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_stopped || m_next - m_written < m_inFlight; });
        if (m_stopped || m_next >= m_bands)
            return -1;
        return m_next++;
    }
    void put(int index, DeflatedBand band) {
        std::lock_guard lock(m_mutex);
        m_done.emplace(index, std::move(band));
        m_changed.notify_all();
    }
    void fail(std::exception_ptr error) {
        std::lock_guard lock(m_mutex);
        if (!m_error)
            m_error = error;
        m_stopped = true;
        m_changed.notify_all();
    }
    void stop() {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_changed.notify_all();
    }
    // The next band in order, waiting for it; throws a worker's error.
    DeflatedBand next() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_error || m_done.count(m_written) > 0; });
        if (m_error)
            std::rethrow_exception(m_error);
        DeflatedBand band = std::move(m_done.at(m_written));
        m_done.erase(m_written++);
        m_changed.notify_all();
        return band;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::map<int, DeflatedBand> m_done;
    std::exception_ptr m_error;
    int m_bands;
    int m_inFlight;
    int m_next = 0;
    int m_written = 0;
    bool m_stopped = false;
};

} // namespace

PngBandWriter::PngBandWriter(int width, int height, int dotsPerMeter, qint64 bandBytes)
    : m_width(width), m_height(height), m_dotsPerMeter(dotsPerMeter),
      m_bandRows(static_cast<int>(std::clamp<qint64>(bandBytes / (qint64{width} * 4), 1, height))) {
}

bool PngBandWriter::write(QIODevice& device, const BandPainterFactory& painters, int threads,
                          const Progress& progress) const {
    static const char Signature[] = "\x89PNG\r\n\x1a\n";
    if (device.write(Signature, 8) != 8)
        throw std::runtime_error(device.errorString().toStdString());
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(m_width), header.data());
    qToBigEndian<quint32>(static_cast<quint32>(m_height), header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 2; // RGB
    putChunk(device, "IHDR", header);
    QByteArray density(9, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(m_dotsPerMeter), density.data());
    qToBigEndian<quint32>(static_cast<quint32>(m_dotsPerMeter), density.data() + 4);
    density[8] = 1; // per metre
    putChunk(device, "pHYs", density);

    // A picture of few bands is cut finer, so that every core has some; the
    // cut does not depend on the threads, so neither do the pixels.
    const int rows =
        std::min(m_bandRows, std::max(MinBandRows, (m_height + MinBandCount - 1) / MinBandCount));
    const int bands = (m_height + rows - 1) / rows;
    threads = std::clamp(threads, 1, bands);
    BandQueue queue(bands, threads * BandsInFlightPerThread);
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            try {
                const PaintBand paint = painters();
                QImage band(m_width, rows, QImage::Format_RGB32);
                for (int index = queue.take(); index >= 0; index = queue.take()) {
                    const int top = index * rows;
                    paint(band, top);
                    queue.put(index, deflateBand(band, std::min(rows, m_height - top),
                                                 index == bands - 1));
                }
            } catch (...) {
                queue.fail(std::current_exception());
            }
        });
    }
    bool finished = true;
    try {
        QByteArray stream("\x78\x01", 2); // zlib header: deflate, fastest
        uLong adler = 1;
        for (int index = 0; index < bands; ++index) {
            if (progress && !progress(qint64{index} * rows, m_height)) {
                finished = false;
                break;
            }
            DeflatedBand band = queue.next();
            adler = adler32_combine(adler, band.adler, band.length);
            stream.append(band.bytes);
            if (index == bands - 1) {
                QByteArray check(4, '\0');
                qToBigEndian<quint32>(static_cast<quint32>(adler), check.data());
                stream.append(check);
            }
            while (stream.size() >= MaxChunkSize || (index == bands - 1 && !stream.isEmpty())) {
                const qsizetype size = std::min<qsizetype>(stream.size(), MaxChunkSize);
                putChunk(device, "IDAT", stream.left(size));
                stream.remove(0, size);
            }
        }
        if (finished)
            putChunk(device, "IEND", QByteArray());
    } catch (...) {
        queue.stop();
        for (std::thread& worker : workers)
            worker.join();
        throw;
    }
    queue.stop();
    for (std::thread& worker : workers)
        worker.join();
    return finished;
}

} // namespace velbrant
