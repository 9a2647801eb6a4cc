// The palette image and its PNG: chunk layout, stored and compressed image data, and readers
// other than our own (Qt, and python3's zlib).

#include "engines/datamatrix/DataMatrixSymbol.h"
#include "engines/datamatrix/image.h"

#include "platform/Files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include <zlib.h>

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <random>

using namespace datamatrix;

namespace {

struct Chunk {
    QByteArray type;
    QByteArray data;
    bool crcOk = false;
};

// Splits a PNG into its chunks, checking each CRC with zlib's own crc32.
std::vector<Chunk> chunksOf(const QByteArray &png)
{
    std::vector<Chunk> out;
    if (!png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)))
        return out;
    auto u32 = [&](qsizetype at) {
        return (quint32(quint8(png[at])) << 24) | (quint32(quint8(png[at + 1])) << 16) | (quint32(quint8(png[at + 2])) << 8)
            | quint32(quint8(png[at + 3]));
    };
    for (qsizetype pos = 8; pos + 12 <= png.size();) {
        const quint32 len = u32(pos);
        Chunk c;
        c.type = png.mid(pos + 4, 4);
        c.data = png.mid(pos + 8, len);
        const QByteArray typed = png.mid(pos + 4, 4 + len);
        c.crcOk = crc32(0, reinterpret_cast<const Bytef *>(typed.constData()), uInt(typed.size())) == u32(pos + 8 + len);
        out.push_back(c);
        pos += 12 + len;
    }
    return out;
}

QByteArray typesOf(const std::vector<Chunk> &chunks)
{
    QByteArray t;
    for (const Chunk &c : chunks)
        t += c.type + ' ';
    return t.trimmed();
}

QByteArray pngOf(Image *img, int back, int trans, const QByteArray &comment, int level)
{
    QByteArray out;
    QString error;
    EXPECT_TRUE(ImageWritePNGzToBuffer(img, &out, back, trans, comment, level, &error)) << error.toStdString();
    return out;
}

// A test picture: random pixels over a palette of an opaque red, a half transparent green, a fully
// transparent blue and an opaque white.
ImagePtr testImage(int w, int h, unsigned seed)
{
    ImagePtr img = makeImage(w, h, 4);
    img->palette[0] = 0x00FF0000u;
    img->palette[1] = 0x8000FF00u;
    img->palette[2] = 0xFF0000FFu;
    img->palette[3] = 0x00FFFFFFu;
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img->pixel(x, y) = std::uint8_t(rng() % 4);
    return img;
}

QRgb expectedColour(const Image &img, int x, int y)
{
    const std::uint32_t c = img.palette[img.pixel(x, y)];
    return qRgba(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF), 255 - int(c >> 24));
}

} // namespace

TEST(Png, StoredImageDataOfAThreeByTwoImage)
{
    ImagePtr img = makeImage(3, 2, 2);
    ASSERT_TRUE(img);
    img->pixel(0, 0) = 1;
    img->pixel(2, 0) = 1;
    img->pixel(1, 1) = 1;
    const auto chunks = chunksOf(pngOf(img.get(), -1, -1, QByteArray(), 0));
    ASSERT_EQ(typesOf(chunks), QByteArray("IHDR PLTE tRNS IDAT IEND"));
    const QByteArray idat = chunks[3].data;
    ASSERT_EQ(idat.size(), 2 * 9 + 6);
    const QByteArray rows = QByteArray::fromHex("00010001") + QByteArray::fromHex("00000100");
    const uLong adler = adler32(1, reinterpret_cast<const Bytef *>(rows.constData()), uInt(rows.size()));
    QByteArray expected = QByteArray::fromHex("7801") + QByteArray::fromHex("000400fbff") + rows.left(4)
        + QByteArray::fromHex("010400fbff") + rows.mid(4);
    for (int shift = 24; shift >= 0; shift -= 8)
        expected.append(char((adler >> shift) & 0xFF));
    EXPECT_EQ(idat.toHex(), expected.toHex());
    // zlib itself inflates it to the rows.
    QByteArray inflated(rows.size(), '\0');
    uLongf len = uLongf(inflated.size());
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef *>(inflated.data()), &len, reinterpret_cast<const Bytef *>(idat.constData()),
                         uLong(idat.size())),
              Z_OK);
    EXPECT_EQ(inflated, rows);
}

TEST(Png, ChunksHeaderPaletteAndTransparency)
{
    ImagePtr img = testImage(5, 4, 1);
    const auto all = chunksOf(pngOf(img.get(), 3, 1, QByteArray("0123 data"), 9));
    ASSERT_EQ(typesOf(all), QByteArray("IHDR PLTE bKGD tEXt tRNS IDAT IEND"));
    for (const Chunk &c : all)
        EXPECT_TRUE(c.crcOk) << c.type.toStdString();
    EXPECT_EQ(all[0].data.toHex(), QByteArray("0000000500000004" "0803000000"));
    EXPECT_EQ(all[1].data.toHex(), QByteArray("ff0000" "00ff00" "0000ff" "ffffff"));
    EXPECT_EQ(all[2].data.toHex(), QByteArray("03"));
    EXPECT_EQ(all[3].data, QByteArray("Comment\0" "0123 data", 17));
    // 255 minus each entry's top byte; the transparent index becomes 0.
    EXPECT_EQ(all[4].data.toHex(), QByteArray("ff" "00" "00" "ff"));
    EXPECT_TRUE(all[6].data.isEmpty());

    // No background, no comment, no valid transparent index: tRNS is still there.
    const auto few = chunksOf(pngOf(img.get(), -1, 4, QByteArray(), 9));
    ASSERT_EQ(typesOf(few), QByteArray("IHDR PLTE tRNS IDAT IEND"));
    EXPECT_EQ(few[2].data.toHex(), QByteArray("ff" "7f" "00" "ff"));
}

TEST(Png, ImageNewRefusesEmptyImages)
{
    EXPECT_EQ(ImageNew(0, 5, 2), nullptr);
    EXPECT_EQ(ImageNew(5, 0, 2), nullptr);
    EXPECT_EQ(ImageNew(-3, 5, 2), nullptr);
    EXPECT_EQ(ImageNew(5, 5, 300), nullptr);
    ImageFree(nullptr);
    ImagePtr img = makeImage(4, 3, 0);
    ASSERT_TRUE(img);
    EXPECT_EQ(img->stride, 5);
    EXPECT_EQ(img->palette, nullptr);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(img->pixel(x, y), 0);
    // An image with no palette still writes a readable file (empty PLTE and tRNS).
    EXPECT_EQ(typesOf(chunksOf(pngOf(img.get(), -1, -1, QByteArray(), 0))), QByteArray("IHDR PLTE tRNS IDAT IEND"));
}

TEST(Png, StoredAndCompressedLoadAlikeInQt)
{
    for (const auto &[w, h] : {std::pair{1, 1}, std::pair{12, 12}, std::pair{37, 23}, std::pair{146, 146}}) {
        ImagePtr img = testImage(w, h, unsigned(w * 1000 + h));
        const QByteArray stored = pngOf(img.get(), -1, -1, QByteArray("c"), 0);
        const QByteArray packed = pngOf(img.get(), -1, -1, QByteArray("c"), 9);
        EXPECT_LT(packed.size(), stored.size() + 64);
        for (const QByteArray &png : {stored, packed}) {
            QImage q;
            ASSERT_TRUE(q.loadFromData(png, "PNG")) << w << "x" << h;
            ASSERT_EQ(q.size(), QSize(w, h));
            bool same = true;
            for (int y = 0; y < h && same; ++y)
                for (int x = 0; x < w && same; ++x)
                    same = q.pixel(x, y) == expectedColour(*img, x, y);
            EXPECT_TRUE(same) << w << "x" << h;
        }
    }
}

TEST(Png, PythonZlibReaderAgrees)
{
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!QFileInfo(python).isExecutable())
        GTEST_SKIP() << "no /usr/bin/python3";
    const QString script = platform::privateTempPath(QStringLiteral("read_png.py"));
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"PY(import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
assert data[:8] == b'\x89PNG\r\n\x1a\n'
pos, types, crc_ok, idat = 8, [], True, b''
while pos < len(data):
    (length,) = struct.unpack('>I', data[pos:pos + 4])
    kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + length]
    (crc,) = struct.unpack('>I', data[pos + 8 + length:pos + 12 + length])
    crc_ok = crc_ok and (zlib.crc32(kind + body) & 0xffffffff) == crc
    types.append(kind.decode('ascii'))
    if kind == b'IHDR':
        w, h, depth, colour, comp, filt, inter = struct.unpack('>IIBBBBB', body)
    elif kind == b'PLTE':
        plte = body
    elif kind == b'tRNS':
        trns = body
    elif kind == b'IDAT':
        idat += body
    pos += 12 + length
raw = zlib.decompress(idat)
pixels = bytearray()
for y in range(h):
    row = raw[y * (w + 1):(y + 1) * (w + 1)]
    assert row[0] == 0 and len(row) == w + 1
    pixels += row[1:]
assert len(raw) == h * (w + 1)
print(' '.join(types))
print('crc', 'ok' if crc_ok else 'bad')
print(w, h, depth, colour)
print(plte.hex())
print(trns.hex())
print(pixels.hex())
)PY");
    }
    ImagePtr img = testImage(29, 17, 5);
    QByteArray indices;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 29; ++x)
            indices.append(char(img->pixel(x, y)));
    for (const int level : {0, 9}) {
        const QString path = platform::privateTempPath(QStringLiteral("level%1.png").arg(level));
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        QString error;
        EXPECT_TRUE(ImageWritePNGz(img.get(), fd, 0, -1, QByteArray("level"), level, &error)) << error.toStdString();
        ::close(fd);

        QProcess p;
        p.start(python, {script, path});
        ASSERT_TRUE(p.waitForFinished(30000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        const QList<QByteArray> lines = p.readAllStandardOutput().trimmed().split('\n');
        ASSERT_EQ(lines.size(), 6);
        EXPECT_EQ(lines[0], QByteArray("IHDR PLTE bKGD tEXt tRNS IDAT IEND"));
        EXPECT_EQ(lines[1], QByteArray("crc ok")) << "level " << level;
        EXPECT_EQ(lines[2], QByteArray("29 17 8 3"));
        EXPECT_EQ(lines[3], QByteArray("ff000000ff000000ffffffff"));
        EXPECT_EQ(lines[4], QByteArray("ff7f00ff"));
        EXPECT_EQ(lines[5], indices.toHex()) << "level " << level;
    }
}

TEST(Png, FailuresAreReported)
{
    ImagePtr img = testImage(8, 8, 9);
    QString error;
    QByteArray out;
    // A compression level zlib refuses: nothing is written.
    EXPECT_FALSE(ImageWritePNGzToBuffer(img.get(), &out, -1, -1, QByteArray(), 42, &error));
    EXPECT_EQ(error, QStringLiteral("Deflate error"));
    EXPECT_TRUE(out.isEmpty());

    // A device that takes no data, and a closed descriptor.
    const int full = ::open("/dev/full", O_WRONLY);
    if (full >= 0) {
        for (const int level : {0, 9}) {
            error.clear();
            EXPECT_FALSE(ImageWritePNGz(img.get(), full, -1, -1, QByteArray(), level, &error));
            EXPECT_FALSE(error.isEmpty());
        }
        ::close(full);
    }
    error.clear();
    EXPECT_FALSE(ImageWritePNGz(img.get(), -1, -1, -1, QByteArray(), 9, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(ImageWritePNGz(nullptr, 1, -1, -1, QByteArray(), 9, &error));
}

TEST(DataMatrixPicture, EverySizeHasSquareModulesOfWholePixels)
{
    // Rectangular sizes too: 8 x 32 at two points a module is 66 x 18 points with its border, which
    // a bitmap stretched over the picture drew 1.94 points wide and 1.8 high a module.
    for (const char *item : {"C8X32", "C12X26", "C16X48", "C10X10", "C24X24"}) {
        datamatrix::Ecc200Request request;
        datamatrix::sizeFromFormatItem(QString::fromLatin1(item), &request.width, &request.height);
        request.printErrors = false;
        const datamatrix::Ecc200Result symbol = datamatrix::iec16022ecc200(QByteArrayLiteral("42"), request);
        ASSERT_TRUE(symbol.ok()) << item;
        const QImage cells = datamatrix::symbolCells(symbol.width, symbol.height, symbol.grid.data(), qRgb(255, 255, 255),
                                                     qRgb(0, 0, 0));
        ASSERT_EQ(cells.size(), QSize(symbol.width + 2, symbol.height + 2));
        const platform::Picture picture = datamatrix::symbolPicture(cells, 2, 2);
        EXPECT_EQ(picture.size(), QSizeF(symbol.width * 2 + 2, symbol.height * 2 + 2));
        for (const double dpi : {203.0, 300.0, 600.0}) {
            const QImage img = picture.toImage(dpi).convertToFormat(QImage::Format_ARGB32);
            QRect box;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qGray(img.pixel(x, y)) < 128)
                        box |= QRect(x, y, 1, 1);
            // The finder's solid left column and bottom row span the symbol: W and H whole modules,
            // each the nominal two points rounded, or the most that fit the picture where the
            // rounded size would not (the border points leave less than a module each side).
            int module = int(std::floor(2 * dpi / 72 + 0.5));
            if (module * symbol.width > img.width() || module * symbol.height > img.height())
                module = std::min(img.width() / symbol.width, img.height() / symbol.height);
            EXPECT_EQ(box.width(), symbol.width * module) << item << " " << dpi;
            EXPECT_EQ(box.height(), symbol.height * module) << item << " " << dpi;
            // Clock track along the top: alternating modules, each module pixels wide.
            int run = 0;
            QRgb previous = img.pixel(box.left(), box.top());
            for (int x = box.left(); x <= box.right(); ++x) {
                if (img.pixel(x, box.top()) != previous) {
                    EXPECT_EQ(run, module) << item << " " << dpi;
                    run = 0;
                    previous = img.pixel(x, box.top());
                }
                ++run;
            }
        }
    }
}
