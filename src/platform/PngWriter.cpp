#include "platform/PngWriter.h"

#include "platform/PngRows.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
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
        if (l.depth == 4) {
            int x = 0;
            for (; x + 1 < w; x += 2)
                out[x >> 1] = uchar((in[x] << 4) | (in[x + 1] & 0x0F));
            if (x < w)
                out[x >> 1] = uchar(in[x] << 4);
        } else if (l.depth == 2) {
            std::memset(out, 0, l.lineBytes);
            for (int x = 0; x < w; ++x)
                out[x >> 2] |= uchar((in[x] & 0x03) << (6 - 2 * (x & 3)));
        } else {
            std::memset(out, 0, l.lineBytes);
            for (int x = 0; x < w; ++x)
                out[x >> 3] |= uchar((in[x] & 0x01) << (7 - (x & 7)));
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
    Scratch &s = scratch();
    const size_t lineBytes = layout.lineBytes;
    s.line.assign(lineBytes, 0);
    s.previous.assign(lineBytes, 0);
    s.filtered.resize(lineBytes + 1);
    const int height = layout.source.height();
    PngRows rows;
    if (!rows.begin(lineBytes))
        return fail(QStringLiteral("The compressor could not be set up."));

    // A line whose pixels equal the line above filters to zeros under Up: such lines are neither
    // read nor filtered, only counted. Only pixel bits are compared (line padding is undefined).
    const int w = layout.source.width();
    const size_t bits = size_t(w) * size_t(layout.source.depth());
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
            if (!rows.addUnchangedLines(run))
                return fail(QStringLiteral("Deflate error"));
            y += run;
            continue;
        }
        readLine(layout, y, s.line.data());
        uchar *out = s.filtered.data();
        out[0] = 2;   // Up
        for (size_t i = 0; i < lineBytes; ++i)
            out[1 + i] = uchar(s.line[i] - s.previous[i]);
        s.line.swap(s.previous);
        if (!rows.addLine(out))
            return fail(QStringLiteral("Deflate error"));
        ++y;
    }
    QByteArray idat;
    if (!rows.finish(&idat))
        return fail(QStringLiteral("Deflate error"));

    QByteArray png;
    png.reserve(idat.size() + 1200);
    png.append("\x89PNG\r\n\x1a\n", 8);
    uchar header[13];
    const quint32 pw = quint32(layout.source.width());
    const quint32 h = quint32(height);
    const uchar colourType = layout.kind == Kind::Palette ? 3 : layout.kind == Kind::Grey ? 0 : layout.kind == Kind::Rgb ? 2 : 6;
    const uchar head[13] = {uchar(pw >> 24), uchar(pw >> 16), uchar(pw >> 8), uchar(pw),
                            uchar(h >> 24), uchar(h >> 16), uchar(h >> 8), uchar(h),
                            uchar(layout.depth), colourType, 0, 0, 0};
    std::memcpy(header, head, sizeof header);
    chunk(png, "IHDR", header, sizeof header);
    if (dotsPerMeterX > 0 && dotsPerMeterY > 0) {
        const quint32 x = quint32(dotsPerMeterX);
        const quint32 yy = quint32(dotsPerMeterY);
        const uchar phys[9] = {uchar(x >> 24), uchar(x >> 16), uchar(x >> 8), uchar(x),
                               uchar(yy >> 24), uchar(yy >> 16), uchar(yy >> 8), uchar(yy), 1};
        chunk(png, "pHYs", phys, sizeof phys);
    }
    if (layout.kind == Kind::Palette) {
        const QList<QRgb> table = layout.source.colorTable();
        const int entries = std::min<int>(int(table.size()), 1 << layout.depth);
        std::vector<uchar> plte(static_cast<size_t>(entries) * 3);
        std::vector<uchar> trns(static_cast<size_t>(entries));
        int lastClear = -1;
        for (int i = 0; i < entries; ++i) {
            const QRgb c = table.at(i);
            plte[size_t(3 * i)] = uchar(qRed(c));
            plte[size_t(3 * i + 1)] = uchar(qGreen(c));
            plte[size_t(3 * i + 2)] = uchar(qBlue(c));
            trns[size_t(i)] = uchar(qAlpha(c));
            if (qAlpha(c) != 255)
                lastClear = i;
        }
        chunk(png, "PLTE", plte.data(), plte.size());
        if (lastClear >= 0)
            chunk(png, "tRNS", trns.data(), size_t(lastClear + 1));
    }
    chunk(png, "IDAT", reinterpret_cast<const uchar *>(idat.constData()), size_t(idat.size()));
    chunk(png, "IEND", nullptr, 0);
    return png;
}

} // namespace platform
