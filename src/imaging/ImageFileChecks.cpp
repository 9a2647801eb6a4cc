#include "imaging/ImageFileChecks.h"

#include <cstdint>
#include <cstdlib>

namespace imagefile {

namespace {

quint32 le16(const uchar *p) { return quint32(p[0]) | quint32(p[1]) << 8; }
quint32 le32(const uchar *p) { return le16(p) | le16(p + 2) << 16; }

// Skips a chain of GIF data sub-blocks starting at pos; the position after its zero-length
// terminator, or -1 when the file ends first.
qint64 skipSubBlocks(const uchar *data, qint64 size, qint64 pos)
{
    while (pos < size) {
        const uchar length = data[pos];
        pos += 1 + length;
        if (length == 0)
            return pos;
    }
    return -1;
}

} // namespace

bool jpegIsComplete(const uchar *data, qint64 size)
{
    if (!data || size < 4)
        return false;
    // Scanning back from the end, the end marker must come before the start of any scan: inside
    // a scan's entropy-coded data a 0xff byte is never followed by either.
    for (qint64 i = size - 2; i >= 0; --i) {
        if (data[i] != 0xff)
            continue;
        if (data[i + 1] == 0xd9)
            return true;
        if (data[i + 1] == 0xda)
            return false;
    }
    return false;
}

bool gifFirstImageIsComplete(const uchar *data, qint64 size)
{
    // Header (6) and logical screen descriptor (7), then the global colour table if flagged.
    if (!data || size < 13)
        return false;
    qint64 pos = 13;
    if (data[10] & 0x80)
        pos += 3LL << ((data[10] & 0x07) + 1);
    while (pos < size) {
        const uchar introducer = data[pos];
        if (introducer == 0x21) {   // extension: label, then sub-blocks
            pos = skipSubBlocks(data, size, pos + 2);
            if (pos < 0)
                return false;
        } else if (introducer == 0x2c) {   // image descriptor, local colour table, LZW code size
            if (pos + 10 > size)
                return false;
            const uchar packed = data[pos + 9];
            pos += 10;
            if (packed & 0x80)
                pos += 3LL << ((packed & 0x07) + 1);
            return pos < size && skipSubBlocks(data, size, pos + 1) >= 0;
        } else {
            return false;   // the trailer before any image, or bytes that are no block
        }
    }
    return false;
}

bool bmpIsComplete(const uchar *data, qint64 size)
{
    if (!data || size < 26)
        return false;
    const qint64 offset = le32(data + 10);
    const quint32 headerSize = le32(data + 14);
    qint64 width = 0, height = 0;
    quint32 bits = 0, compression = 0;
    if (headerSize == 12) {   // the old core header
        width = le16(data + 18);
        height = le16(data + 20);
        bits = le16(data + 24);
    } else {
        if (size < 34)
            return false;
        width = qint32(le32(data + 18));
        height = qint32(le32(data + 22));
        bits = le16(data + 28);
        compression = le32(data + 30);
    }
    // Run-length and embedded JPEG or PNG data have no fixed length.
    if (compression != 0 && compression != 3 && compression != 6)
        return true;
    const qint64 stride = (std::llabs(width) * bits + 31) / 32 * 4;
    return offset + stride * std::llabs(height) <= size;
}

bool isComplete(const QByteArray &format, const uchar *data, qint64 size)
{
    if (format == "jpeg" || format == "jpg")
        return jpegIsComplete(data, size);
    if (format == "gif")
        return gifFirstImageIsComplete(data, size);
    if (format == "bmp")
        return bmpIsComplete(data, size);
    return true;
}

} // namespace imagefile
