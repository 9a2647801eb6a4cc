#include "platform/PngWriter.h"

#include "platform/PngRows.h"

#include <zlib.h>

#include <QtEndian>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace platform {

namespace {

// Per thread: the line buffers, reused from symbol to symbol.
struct Scratch {
    std::vector<uchar> line, previous, filtered;
};

Scratch &scratch()
{
    thread_local Scratch s;
    return s;
}

void put32(QByteArray &out, quint32 v)
{
    const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    out.append(b, 4);
}

void chunk(QByteArray &out, const char *type, const uchar *data, size_t length)
{
    put32(out, quint32(length));
    const qsizetype start = out.size();
    out.append(type, 4);
    if (length)
        out.append(reinterpret_cast<const char *>(data), qsizetype(length));
    const uLong crc = crc32(0L, reinterpret_cast<const Bytef *>(out.constData() + start), uInt(length + 4));
    put32(out, quint32(crc));
}

enum class Kind { Palette, Grey, Rgb, Rgba };

struct Layout {
    Kind kind = Kind::Rgba;
    int depth = 8;            // bits per sample
    int channels = 4;
    QImage source;            // the image the lines are read from
    bool premultiplied = false;
    size_t lineBytes = 0;
};

Layout layoutOf(const QImage &image)
{
    Layout l;
    const int w = image.width();
    switch (image.format()) {
    case QImage::Format_Mono:
        if (image.colorCount() > 0) {
            l.kind = Kind::Palette;
            l.depth = 1;
            l.channels = 1;
            l.source = image;
            l.lineBytes = size_t((w + 7) / 8);
            return l;
        }
        break;
    case QImage::Format_Indexed8:
        if (image.colorCount() > 0) {
            const int colours = image.colorCount();
            l.kind = Kind::Palette;
            l.depth = colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8;
            l.channels = 1;
            l.source = image;
            l.lineBytes = size_t((w * l.depth + 7) / 8);
            return l;
        }
        break;
    case QImage::Format_Grayscale8:
        l.kind = Kind::Grey;
        l.channels = 1;
        l.source = image;
        l.lineBytes = size_t(w);
        return l;
    default:
        break;
    }
    l.source = image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_ARGB32
                       || image.format() == QImage::Format_RGB32
                   ? image
                   : image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    l.premultiplied = l.source.format() == QImage::Format_ARGB32_Premultiplied;
    bool opaque = true;
    if (l.source.format() != QImage::Format_RGB32) {
        for (int y = 0; y < l.source.height() && opaque; ++y) {
            const auto *p = reinterpret_cast<const QRgb *>(l.source.constScanLine(y));
            for (int x = 0; x < w; ++x)
                if (qAlpha(p[x]) != 255) {
                    opaque = false;
                    break;
                }
        }
    }
    l.kind = opaque ? Kind::Rgb : Kind::Rgba;
    l.channels = opaque ? 3 : 4;
    l.lineBytes = size_t(w) * size_t(l.channels);
    return l;
}

uint64_t load64(const uchar *p)
{
    uint64_t v;
    std::memcpy(&v, p, 8);
    return qFromLittleEndian(v);
}

// Eight palette indexes (one per byte, the first in the lowest) as the first bits of a PNG sample
// byte or bytes: 4 bits give 4 bytes, 2 bits 2 bytes, 1 bit 1 byte.
uint32_t pack4(uint64_t x)
{
    x &= 0x0F0F0F0F0F0F0F0FULL;
    x = ((x & 0x00FF00FF00FF00FFULL) << 4) | ((x >> 8) & 0x00FF00FF00FF00FFULL);   // pairs in 16-bit lanes
    x = (x | (x >> 8)) & 0x0000FFFF0000FFFFULL;
    x = (x | (x >> 16)) & 0xFFFFFFFFULL;
    return uint32_t(x);
}
uint32_t pack2(uint64_t x)
{
    x &= 0x0303030303030303ULL;
    x = ((x & 0x00FF00FF00FF00FFULL) << 2) | ((x >> 8) & 0x00FF00FF00FF00FFULL);
    x = ((x & 0x0000FFFF0000FFFFULL) << 4) | ((x >> 16) & 0x0000FFFF0000FFFFULL);
    return uint32_t((x & 0xFF) | ((x >> 24) & 0xFF00));
}
uint32_t pack1(uint64_t x)
{
    return uint32_t(((x & 0x0101010101010101ULL) * 0x8040201008040201ULL) >> 56);
}

// One line of the image as PNG samples.
void readLine(const Layout &l, int y, uchar *out)
{
    const uchar *in = l.source.constScanLine(y);
    const int w = l.source.width();
    switch (l.kind) {
    case Kind::Grey:
        std::memcpy(out, in, l.lineBytes);
        return;
    case Kind::Palette:
        if (l.source.format() == QImage::Format_Mono || l.depth == 8) {
            std::memcpy(out, in, l.lineBytes);
            if (l.depth == 1 && w % 8)   // bits past the last pixel are undefined in the image
                out[l.lineBytes - 1] &= uchar(0xFF << (8 - w % 8));
            return;
        }
        {
            // Eight pixels at a time, the rest one by one.
            int x = 0;
            uchar *o = out;
            if (l.depth == 4) {
#if defined(__SSE2__)
                // Thirty-two pixels a step: in each 16-bit lane (first pixel low) the first
                // index to the high nibble, the second to the low one, then the lanes packed.
                const __m128i nibble = _mm_set1_epi16(0x000F);
                for (; x + 32 <= w; x += 32, o += 16) {
                    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + x));
                    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + x + 16));
                    const __m128i pa = _mm_or_si128(_mm_slli_epi16(_mm_and_si128(a, nibble), 4),
                                                    _mm_and_si128(_mm_srli_epi16(a, 8), nibble));
                    const __m128i pb = _mm_or_si128(_mm_slli_epi16(_mm_and_si128(b, nibble), 4),
                                                    _mm_and_si128(_mm_srli_epi16(b, 8), nibble));
                    _mm_storeu_si128(reinterpret_cast<__m128i *>(o), _mm_packus_epi16(pa, pb));
                }
#endif
                for (; x + 8 <= w; x += 8, o += 4)
                    qToLittleEndian(pack4(load64(in + x)), o);
            } else if (l.depth == 2) {
                for (; x + 8 <= w; x += 8, o += 2)
                    qToLittleEndian(quint16(pack2(load64(in + x))), o);
            } else {
                for (; x + 8 <= w; x += 8)
                    *o++ = uchar(pack1(load64(in + x)));
            }
            if (x < w) {
                uchar tail[8] = {};
                std::memcpy(tail, in + x, size_t(w - x));
                uchar packed[4];
                const uint64_t v = load64(tail);
                if (l.depth == 4)
                    qToLittleEndian(pack4(v), packed);
                else if (l.depth == 2)
                    qToLittleEndian(quint16(pack2(v)), packed);
                else
                    packed[0] = uchar(pack1(v));
                std::memcpy(o, packed, size_t(out + l.lineBytes - o));
            }
        }
        return;
    case Kind::Rgb: {
        const auto *p = reinterpret_cast<const QRgb *>(in);
        for (int x = 0; x < w; ++x) {
            const QRgb c = l.premultiplied ? qUnpremultiply(p[x]) : p[x];
            out[3 * x] = uchar(qRed(c));
            out[3 * x + 1] = uchar(qGreen(c));
            out[3 * x + 2] = uchar(qBlue(c));
        }
        return;
    }
    case Kind::Rgba: {
        const auto *p = reinterpret_cast<const QRgb *>(in);
        for (int x = 0; x < w; ++x) {
            const QRgb c = l.premultiplied ? qUnpremultiply(p[x]) : p[x];
            out[4 * x] = uchar(qRed(c));
            out[4 * x + 1] = uchar(qGreen(c));
            out[4 * x + 2] = uchar(qBlue(c));
            out[4 * x + 3] = uchar(qAlpha(c));
        }
        return;
    }
    }
}

// The Up filter: each byte less the one above, eight at a time without borrows between bytes.
void upFilter(const uchar *line, const uchar *above, uchar *out, size_t n)
{
    constexpr uint64_t high = 0x8080808080808080ULL;
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t a, b;
        std::memcpy(&a, line + i, 8);
        std::memcpy(&b, above + i, 8);
        const uint64_t d = ((a | high) - (b & ~high)) ^ ((a ^ ~b) & high);
        std::memcpy(out + i, &d, 8);
    }
    for (; i < n; ++i)
        out[i] = uchar(line[i] - above[i]);
}

} // namespace

QByteArray pngData(const QImage &image, int dotsPerMeterX, int dotsPerMeterY, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    if (image.isNull())
        return fail(QStringLiteral("The image is empty."));
    const Layout layout = layoutOf(image);
    if (layout.source.isNull())
        return fail(QStringLiteral("Out of memory."));
    const size_t lineBytes = layout.lineBytes;
    const int width = layout.source.width();
    const int height = layout.source.height();

    try {
        QByteArray png;
        // Room for the chunks before the image data and a symbol's compressed lines.
        png.reserve(qsizetype(std::min<size_t>(lineBytes * size_t(height) / 64, 1 << 20)) + 1200);
        png.append("\x89PNG\r\n\x1a\n", 8);
        const quint32 pw = quint32(width);
        const quint32 h = quint32(height);
        const uchar colourType = layout.kind == Kind::Palette ? 3 : layout.kind == Kind::Grey ? 0 : layout.kind == Kind::Rgb ? 2 : 6;
        const uchar header[13] = {uchar(pw >> 24), uchar(pw >> 16), uchar(pw >> 8), uchar(pw),
                                  uchar(h >> 24),  uchar(h >> 16),  uchar(h >> 8),  uchar(h),
                                  uchar(layout.depth), colourType, 0, 0, 0};
        chunk(png, "IHDR", header, sizeof header);
        if (dotsPerMeterX > 0 && dotsPerMeterY > 0) {
            const quint32 x = quint32(dotsPerMeterX);
            const quint32 yy = quint32(dotsPerMeterY);
            const uchar phys[9] = {uchar(x >> 24),  uchar(x >> 16),  uchar(x >> 8),  uchar(x),
                                   uchar(yy >> 24), uchar(yy >> 16), uchar(yy >> 8), uchar(yy), 1};
            chunk(png, "pHYs", phys, sizeof phys);
        }
        if (layout.kind == Kind::Palette) {
            const QList<QRgb> table = layout.source.colorTable();
            const int entries = std::min<int>(int(table.size()), 1 << layout.depth);
            uchar plte[256 * 3];
            uchar trns[256];
            int lastClear = -1;
            for (int i = 0; i < entries; ++i) {
                const QRgb c = table.at(i);
                plte[3 * i] = uchar(qRed(c));
                plte[3 * i + 1] = uchar(qGreen(c));
                plte[3 * i + 2] = uchar(qBlue(c));
                trns[i] = uchar(qAlpha(c));
                if (qAlpha(c) != 255)
                    lastClear = i;
            }
            chunk(png, "PLTE", plte, size_t(entries) * 3);
            if (lastClear >= 0)
                chunk(png, "tRNS", trns, size_t(lastClear + 1));
        }

        // The image data goes straight into its chunk; its length and CRC follow once it is made.
        const qsizetype idat = png.size();
        png.append("\0\0\0\0IDAT", 8);
        PngRows rows;
        if (!rows.begin(lineBytes, &png))
            return fail(QStringLiteral("The compressor could not be set up."));
        Scratch &s = scratch();
        s.line.resize(lineBytes + 8);
        s.previous.assign(lineBytes + 8, 0);
        s.filtered.resize(lineBytes + 9);

        // A line whose pixels equal the line above filters to zeros under Up: such lines are
        // neither read nor filtered, only counted. Only pixel bits are compared (line padding is
        // undefined).
        const size_t bits = size_t(width) * size_t(layout.source.depth());
        const size_t wholeBytes = bits / 8;
        const int restBits = int(bits % 8);
        auto sameLine = [&](const uchar *a, const uchar *b) {
            if (std::memcmp(a, b, wholeBytes) != 0)
                return false;
            if (!restBits)
                return true;
            const uchar mask = uchar(0xFF << (8 - restBits));   // the first bits of the byte (Format_Mono)
            return ((a[wholeBytes] ^ b[wholeBytes]) & mask) == 0;
        };
        for (int y = 0; y < height;) {
            const uchar *source = layout.source.constScanLine(y);
            if (y > 0 && sameLine(source, layout.source.constScanLine(y - 1))) {
                int run = 1;
                while (y + run < height && sameLine(layout.source.constScanLine(y + run), source))
                    ++run;
                rows.addUnchangedLines(run);
                y += run;
                continue;
            }
            readLine(layout, y, s.line.data());
            uchar *out = s.filtered.data();
            out[0] = 2;   // Up
            upFilter(s.line.data(), s.previous.data(), out + 1, lineBytes);
            s.line.swap(s.previous);
            rows.addLine(out);
            ++y;
        }
        if (!rows.finish())
            return fail(QStringLiteral("Out of memory."));
        const quint32 length = quint32(png.size() - idat - 8);
        qToBigEndian(length, png.data() + idat);
        const uLong crc = crc32(0L, reinterpret_cast<const Bytef *>(png.constData() + idat + 4), uInt(length + 4));
        put32(png, quint32(crc));
        chunk(png, "IEND", nullptr, 0);
        return png;
    } catch (const std::bad_alloc &) {
        return fail(QStringLiteral("Out of memory."));
    }
}

} // namespace platform
