#include "engines/datamatrix/image.h"

#include "platform/Files.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <new>
#include <vector>

#include <unistd.h>

namespace datamatrix {

Image *ImageNew(int w, int h, int c)
{
    if (w <= 0 || h <= 0 || c < 0 || c > 256 || w == INT32_MAX)
        return nullptr;
    try {
        auto i = std::make_unique<Image>();
        i->width = w;
        i->stride = w + 1;
        i->height = h;
        i->pixels.reset(new std::uint8_t[std::size_t(i->stride) * std::size_t(h)]());
        i->colours = c;
        if (c)
            i->palette.reset(new std::uint32_t[std::size_t(c)]());
        return i.release();
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

void ImageFree(Image *i)
{
    delete i;
}

namespace {

// The CRC-32 of PNG and ISO 3309 (reflected 0xEDB88320), one table for every image.
constexpr std::array<std::uint32_t, 256> make_crc_table()
{
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[n] = c;
    }
    return t;
}
constexpr std::array<std::uint32_t, 256> crcTable = make_crc_table();

std::uint32_t adlersum(const std::uint8_t *p, std::size_t l, std::uint32_t adler)
{
    std::uint32_t s1 = adler & 0xFFFF, s2 = adler >> 16;
    while (l) {
        // 5552 bytes keep the sums below 2^32 before the modulus.
        std::size_t n = l < 5552 ? l : 5552;
        l -= n;
        while (n--) {
            s1 += *p++;
            s2 += s1;
        }
        s1 %= 65521;
        s2 %= 65521;
    }
    return (s2 << 16) | s1;
}

using Sink = std::function<bool(const std::uint8_t *, std::size_t)>;

// Chunk framing over a sink; the first failure is kept and every later write is skipped.
class PngWriter {
public:
    explicit PngWriter(Sink sink) : m_sink(std::move(sink)) {}

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    void fail(const QString &why)
    {
        if (m_ok) {
            m_ok = false;
            m_error = why;
        }
    }

    void raw(const void *p, std::size_t n)
    {
        if (m_ok && n && !m_sink(static_cast<const std::uint8_t *>(p), n))
            fail(QStringLiteral("The PNG data could not be written."));
    }
    // Writes bytes and carries the running CRC over them.
    void writecrc(const void *p, std::size_t n)
    {
        const auto *b = static_cast<const std::uint8_t *>(p);
        for (std::size_t k = 0; k < n; ++k)
            m_crc = crcTable[(m_crc ^ b[k]) & 0xFF] ^ (m_crc >> 8);
        raw(p, n);
    }
    void startChunk(const char type[4], std::uint32_t length)
    {
        const std::uint8_t l[4] = {std::uint8_t(length >> 24), std::uint8_t(length >> 16), std::uint8_t(length >> 8),
                                   std::uint8_t(length)};
        raw(l, 4);
        m_crc = 0xFFFFFFFFu;
        writecrc(type, 4);
    }
    void endChunk()
    {
        const std::uint32_t c = ~m_crc;
        const std::uint8_t b[4] = {std::uint8_t(c >> 24), std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)};
        raw(b, 4);
    }
    // One chunk: length, type, data, CRC.
    void writechunk(const char type[4], const void *data, std::size_t n)
    {
        startChunk(type, std::uint32_t(n));
        writecrc(data, n);
        endChunk();
    }

private:
    Sink m_sink;
    std::uint32_t m_crc = 0;
    bool m_ok = true;
    QString m_error;
};

void put32(std::uint8_t *p, std::uint32_t v)
{
    p[0] = std::uint8_t(v >> 24);
    p[1] = std::uint8_t(v >> 16);
    p[2] = std::uint8_t(v >> 8);
    p[3] = std::uint8_t(v);
}

bool writePng(Image *i, const Sink &sink, int back, int trans, const QByteArray &comment, int level, QString *error)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!i || i->width <= 0 || i->height <= 0 || i->stride != i->width + 1 || !i->pixels
        || i->colours < 0 || i->colours > 256 || (i->colours && !i->palette))
        return failed(QStringLiteral("No image to write."));

    const std::size_t rows = std::size_t(i->height), stride = std::size_t(i->stride);
    for (std::size_t y = 0; y < rows; ++y)
        i->pixels[y * stride] = 0;   // filter type "none"

    // Prepare the image data before anything is written, so that a failed deflate leaves no
    // half-written file behind.
    std::vector<std::uint8_t> deflated;
    std::uint64_t idatLength = 0;
    if (level != 0) {
        uLongf dlen = compressBound(uLong(stride * rows));
        try {
            deflated.resize(dlen);
        } catch (const std::bad_alloc &) {
            std::fputs("Deflate error\n", stderr);
            return failed(QStringLiteral("Deflate error"));
        }
        if (compress2(deflated.data(), &dlen, i->pixels.get(), uLong(stride * rows), level) != Z_OK) {
            std::fputs("Deflate error\n", stderr);
            return failed(QStringLiteral("Deflate error"));
        }
        deflated.resize(dlen);
        idatLength = dlen;
    } else {
        // zlib header, one or more stored blocks per row (at most 65535 bytes each), Adler-32.
        const std::uint64_t blocksPerRow = (stride + 65534) / 65535;
        idatLength = 2 + rows * (blocksPerRow * 5 + stride) + 4;
    }
    if (idatLength > 0x7FFFFFFFu)
        return failed(QStringLiteral("The image is too large for one PNG chunk."));

    PngWriter png(sink);
    static const std::uint8_t signature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    png.raw(signature, 8);

    std::uint8_t ihdr[13];
    put32(ihdr, std::uint32_t(i->width));
    put32(ihdr + 4, std::uint32_t(i->height));
    ihdr[8] = 8;    // bit depth
    ihdr[9] = 3;    // palette
    ihdr[10] = 0;   // deflate
    ihdr[11] = 0;   // adaptive filtering
    ihdr[12] = 0;   // no interlace
    png.writechunk("IHDR", ihdr, 13);

    std::vector<std::uint8_t> plte(std::size_t(i->colours) * 3), trns(std::size_t(i->colours));
    for (int n = 0; n < i->colours; ++n) {
        const std::uint32_t c = i->palette[std::size_t(n)];
        plte[std::size_t(n) * 3] = std::uint8_t(c >> 16);
        plte[std::size_t(n) * 3 + 1] = std::uint8_t(c >> 8);
        plte[std::size_t(n) * 3 + 2] = std::uint8_t(c);
        trns[std::size_t(n)] = std::uint8_t(255 - (c >> 24));
    }
    if (trans >= 0 && trans < i->colours)
        trns[std::size_t(trans)] = 0;
    png.writechunk("PLTE", plte.data(), plte.size());

    if (back >= 0) {
        const std::uint8_t b = std::uint8_t(back);
        png.writechunk("bKGD", &b, 1);
    }
    if (!comment.isEmpty()) {
        QByteArray text("Comment");
        text.append('\0');
        text.append(comment);
        png.writechunk("tEXt", text.constData(), std::size_t(text.size()));
    }
    png.writechunk("tRNS", trns.data(), trns.size());

    if (level != 0) {
        png.writechunk("IDAT", deflated.data(), deflated.size());
    } else {
        png.startChunk("IDAT", std::uint32_t(idatLength));
        static const std::uint8_t header[2] = {0x78, 0x01};
        png.writecrc(header, 2);
        std::uint32_t adler = 1;
        for (std::size_t y = 0; y < rows; ++y) {
            const std::uint8_t *row = i->pixels.get() + y * stride;
            for (std::size_t off = 0; off < stride; off += 65535) {
                const std::size_t n = std::min<std::size_t>(65535, stride - off);
                const bool last = y + 1 == rows && off + n == stride;
                const std::uint8_t block[5] = {std::uint8_t(last ? 1 : 0), std::uint8_t(n), std::uint8_t(n >> 8),
                                               std::uint8_t(~n), std::uint8_t(~n >> 8)};
                png.writecrc(block, 5);
                png.writecrc(row + off, n);
            }
            adler = adlersum(row, stride, adler);
        }
        std::uint8_t a[4];
        put32(a, adler);
        png.writecrc(a, 4);
        png.endChunk();
    }
    png.writechunk("IEND", nullptr, 0);

    if (!png.ok())
        return failed(png.error());
    return true;
}

} // namespace

bool ImageWritePNGz(Image *i, int fd, int back, int trans, const QByteArray &comment, int level, QString *error)
{
    int writeErrno = 0;
    const Sink sink = [fd, &writeErrno](const std::uint8_t *p, std::size_t n) {
        while (n) {
            const ssize_t w = ::write(fd, p, n);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0) {
                writeErrno = w < 0 ? errno : ENOSPC;
                return false;
            }
            p += w;
            n -= std::size_t(w);
        }
        return true;
    };
    const bool ok = writePng(i, sink, back, trans, comment, level, error);
    if (!ok && error && writeErrno)
        *error += QStringLiteral(" ") + platform::errorText(writeErrno);
    return ok;
}

bool ImageWritePNGzToBuffer(Image *i, QByteArray *out, int back, int trans, const QByteArray &comment, int level,
                            QString *error)
{
    if (!out) {
        if (error)
            *error = QStringLiteral("No buffer to write into.");
        return false;
    }
    const Sink sink = [out](const std::uint8_t *p, std::size_t n) {
        out->append(reinterpret_cast<const char *>(p), qsizetype(n));
        return true;
    };
    return writePng(i, sink, back, trans, comment, level, error);
}

} // namespace datamatrix
