#pragma once
// Image files for the picture tests, made on the spot: plain pictures, a JPEG with an orientation
// tag, a GIF of two frames, and bad files (empty, truncated, not an image, and a PNG far too large
// to decode whole).

#include "platform/GifWriter.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QString>

#include <zlib.h>

#include <cstdint>
#include <vector>

namespace imagefiles {

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

// An opaque picture, its left half in one colour and its right half in another.
inline QImage halves(const QSize &size, const QColor &left, const QColor &right)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(right);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, size.width() / 2, size.height()), left);
    return image;
}

// A picture of four quadrants: red, green (top), blue, yellow (bottom).
inline QImage quadrants(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    const int w = size.width() / 2, h = size.height() / 2;
    p.fillRect(QRect(0, 0, w, h), Qt::red);
    p.fillRect(QRect(w, 0, size.width() - w, h), Qt::green);
    p.fillRect(QRect(0, h, w, size.height() - h), Qt::blue);
    p.fillRect(QRect(w, h, size.width() - w, size.height() - h), Qt::yellow);
    return image;
}

inline bool writeImage(const QString &path, const QImage &image, const char *format = "png")
{
    return writeBytes(path, encoded(image, format, format == QByteArray("jpeg") ? 95 : -1));
}

// A JPEG of the image with an Exif orientation tag (6: turn 90 degrees clockwise to show upright).
inline QByteArray jpegWithOrientation(const QImage &image, std::uint16_t orientation)
{
    const QByteArray jpeg = encoded(image, "jpeg", 95);
    QByteArray exif("Exif\0\0", 6);
    // Little-endian TIFF header, one IFD at offset 8 with one SHORT entry, no next IFD.
    const unsigned char tiff[] = {'I', 'I', 0x2a, 0x00, 0x08, 0x00, 0x00, 0x00, 0x01, 0x00,
                                  0x12, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00,
                                  static_cast<unsigned char>(orientation & 0xff), static_cast<unsigned char>(orientation >> 8),
                                  0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    exif.append(reinterpret_cast<const char *>(tiff), sizeof tiff);
    QByteArray segment;
    segment.append(char(0xff)).append(char(0xe1));
    const int length = int(exif.size()) + 2;
    segment.append(char(length >> 8)).append(char(length & 0xff));
    segment.append(exif);
    // Right after the start-of-image marker.
    return jpeg.left(2) + segment + jpeg.mid(2);
}

namespace detail {

inline void chunk(QByteArray &png, const char *type, const QByteArray &data)
{
    const quint32 n = quint32(data.size());
    png.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
    QByteArray body(type, 4);
    body.append(data);
    png.append(body);
    const quint32 crc = quint32(crc32(0L, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size())));
    png.append(char(crc >> 24)).append(char(crc >> 16)).append(char(crc >> 8)).append(char(crc));
}

} // namespace detail

// The signature and header of a PNG of the size, with the start of its image data only: enough to
// read its size.
inline QByteArray pngHeaderOnly(int width, int height)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr;
    for (const quint32 v : {quint32(width), quint32(height)})
        ihdr.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
    ihdr.append(char(8)).append(char(2)).append(char(0)).append(char(0)).append(char(0));   // 8-bit RGB
    detail::chunk(png, "IHDR", ihdr);
    detail::chunk(png, "IDAT", QByteArray("\x78\x01", 2));
    detail::chunk(png, "IEND", QByteArray());
    return png;
}

// A valid one-bit grey PNG of the size, all black, streamed through zlib line by line: a
// 30,000 x 30,000 file takes about a hundred kilobytes and no whole image in memory.
inline QByteArray hugeBlankPng(int width, int height)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr;
    for (const quint32 v : {quint32(width), quint32(height)})
        ihdr.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
    ihdr.append(char(1)).append(char(0)).append(char(0)).append(char(0)).append(char(0));   // 1 bit, grey
    detail::chunk(png, "IHDR", ihdr);

    z_stream z{};
    deflateInit(&z, Z_BEST_SPEED);
    std::vector<unsigned char> line(size_t(1 + (width + 7) / 8), 0);   // filter byte 0, black pixels
    std::vector<unsigned char> out(1 << 16);
    QByteArray idat;
    for (int y = 0; y < height; ++y) {
        z.next_in = line.data();
        z.avail_in = uInt(line.size());
        const int flush = y + 1 == height ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = out.data();
            z.avail_out = uInt(out.size());
            deflate(&z, flush);
            idat.append(reinterpret_cast<const char *>(out.data()), qsizetype(out.size() - z.avail_out));
        } while (z.avail_out == 0 || (flush == Z_FINISH && z.avail_in > 0));
    }
    deflateEnd(&z);
    detail::chunk(png, "IDAT", idat);
    detail::chunk(png, "IEND", QByteArray());
    return png;
}

// A GIF of two frames: the first image's file with the second image's frame appended, the
// second frame carrying its own file's global colour table as its local one.
inline QByteArray twoFrameGif(const QImage &first, const QImage &second)
{
    const QByteArray a = platform::gifData(first);
    const QByteArray b = platform::gifData(second);
    if (a.size() < 14 || b.size() < 14 || a.at(a.size() - 1) != ';')
        return {};
    const auto tableBytes = [](const QByteArray &gif) {
        const uchar packed = uchar(gif.at(10));
        return (packed & 0x80) ? 3 << ((packed & 0x07) + 1) : 0;
    };
    const int bTable = tableBytes(b);
    const QByteArray table = b.mid(13, bTable);
    // The second file's blocks after its screen descriptor and table, up to its trailer.
    QByteArray blocks = b.mid(13 + bTable, b.size() - 13 - bTable - 1);
    qsizetype descriptor = 0;
    while (descriptor < blocks.size() && uchar(blocks.at(descriptor)) == 0x21) {   // extensions
        descriptor += 2;
        while (descriptor < blocks.size() && blocks.at(descriptor) != 0)
            descriptor += 1 + uchar(blocks.at(descriptor));
        ++descriptor;
    }
    if (descriptor >= blocks.size() || uchar(blocks.at(descriptor)) != 0x2c || bTable == 0)
        return {};
    const uchar packed = uchar(b.at(10));
    blocks[descriptor + 9] = char(0x80 | (packed & 0x07));   // a local table of the same size
    blocks.insert(descriptor + 10, table);
    return a.left(a.size() - 1) + blocks + QByteArray(1, ';');
}

} // namespace imagefiles
