// The PNG writer's own deflate coding: for images of every layout and size, with runs of equal
// lines, long runs of one byte and noise, the compressed data must inflate (Adler-32 checked) to
// exactly the Up-filtered samples the pixels give, every chunk's CRC must hold and Qt must read the
// pixels back; and the per-thread state reused from image to image must give the same bytes as a
// fresh one, on any thread and in any order.

#include "platform/PngWriter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <random>
#include <thread>
#include <vector>

namespace {

quint32 bigEndian(const QByteArray &bytes, qsizetype at)
{
    return (quint32(uchar(bytes[at])) << 24) | (quint32(uchar(bytes[at + 1])) << 16) | (quint32(uchar(bytes[at + 2])) << 8)
           | quint32(uchar(bytes[at + 3]));
}

// CRC-32 of PNG (ISO 3309), bit by bit: independent of the writer's zlib.
quint32 crc32Of(const char *data, qsizetype size)
{
    quint32 crc = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i) {
        crc ^= uchar(data[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

struct Chunk {
    QByteArray type;
    QByteArray data;
    bool crcOk = false;
};

std::vector<Chunk> chunksOf(const QByteArray &png)
{
    std::vector<Chunk> out;
    qsizetype pos = 8;
    while (pos + 12 <= png.size()) {
        const qsizetype length = qsizetype(bigEndian(png, pos));
        if (pos + 12 + length > png.size())
            break;
        Chunk c;
        c.type = png.mid(pos + 4, 4);
        c.data = png.mid(pos + 8, length);
        c.crcOk = crc32Of(png.constData() + pos + 4, length + 4) == bigEndian(png, pos + 8 + length);
        out.push_back(c);
        pos += 12 + length;
    }
    return out;
}

// The samples the writer must store for a line, from the pixels, as the PNG format lays them out.
QByteArray expectedLine(const QImage &image, int y, int depth, int channels)
{
    const int w = image.width();
    QByteArray line;
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_Indexed8) {
        line = QByteArray((w * depth + 7) / 8, '\0');
        for (int x = 0; x < w; ++x) {
            const int index = image.pixelIndex(x, y);
            const int bit = x * depth;
            line[bit / 8] = char(uchar(line[bit / 8]) | uchar(index << (8 - depth - bit % 8)));
        }
        return line;
    }
    if (image.format() == QImage::Format_Grayscale8)
        return QByteArray(reinterpret_cast<const char *>(image.constScanLine(y)), w);
    for (int x = 0; x < w; ++x) {
        const QRgb c = image.pixel(x, y);   // not premultiplied
        line.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
        if (channels == 4)
            line.append(char(qAlpha(c)));
    }
    return line;
}

// Checks one encoding: chunk CRCs, the header, the inflated and unfiltered data, and Qt's reading.
void checkPng(const QByteArray &png, const QImage &image, const std::string &what)
{
    SCOPED_TRACE(what);
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    const std::vector<Chunk> chunks = chunksOf(png);
    ASSERT_GE(chunks.size(), 3u);
    QByteArray idat;
    for (const Chunk &c : chunks) {
        EXPECT_TRUE(c.crcOk) << c.type.toStdString();
        if (c.type == "IDAT")
            idat += c.data;
    }
    EXPECT_EQ(chunks.front().type, QByteArray("IHDR"));
    EXPECT_EQ(chunks.back().type, QByteArray("IEND"));
    const QByteArray &ihdr = chunks.front().data;
    ASSERT_EQ(ihdr.size(), 13);
    EXPECT_EQ(bigEndian(ihdr, 0), quint32(image.width()));
    EXPECT_EQ(bigEndian(ihdr, 4), quint32(image.height()));
    const int depth = uchar(ihdr[8]);
    const int colourType = uchar(ihdr[9]);
    const int channels = colourType == 2 ? 3 : colourType == 6 ? 4 : 1;
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_Indexed8) {
        EXPECT_EQ(colourType, 3);
        const int colours = image.colorCount();
        EXPECT_EQ(depth, colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8);
    }

    // zlib's own inflate, which checks the Adler-32, through qUncompress (it wants the size first).
    QByteArray expected;
    QByteArray above(expectedLine(image, 0, depth, channels).size(), '\0');
    for (int y = 0; y < image.height(); ++y) {
        const QByteArray line = expectedLine(image, y, depth, channels);
        expected.append(char(2));   // Up
        for (qsizetype i = 0; i < line.size(); ++i)
            expected.append(char(uchar(line[i]) - uchar(above[i])));
        above = line;
    }
    QByteArray sized(4, '\0');
    const quint32 n = quint32(expected.size());
    sized[0] = char(n >> 24);
    sized[1] = char(n >> 16);
    sized[2] = char(n >> 8);
    sized[3] = char(n);
    sized += idat;
    const QByteArray inflated = qUncompress(sized);
    ASSERT_EQ(inflated.size(), expected.size());
    EXPECT_TRUE(inflated == expected);

    const QImage back = QImage::fromData(png, "PNG");
    ASSERT_FALSE(back.isNull());
    ASSERT_EQ(back.size(), image.size());
    const QImage a = back.convertToFormat(QImage::Format_ARGB32);
    const QImage b = image.convertToFormat(QImage::Format_ARGB32);
    bool same = true;
    for (int y = 0; y < a.height() && same; ++y)
        for (int x = 0; x < a.width() && same; ++x)
            same = a.pixel(x, y) == b.pixel(x, y) || (qAlpha(a.pixel(x, y)) == 0 && qAlpha(b.pixel(x, y)) == 0);
    EXPECT_TRUE(same);
}

// A test image: lines of noise, lines repeating the one above (in runs of any length), lines of
// one byte, and lines differing from the one above in a few places.
QImage makeImage(QRandomGenerator &random, QImage::Format format, int colours, int width, int height)
{
    QImage image(width, height, format);
    if (format == QImage::Format_Mono || format == QImage::Format_Indexed8) {
        QList<QRgb> table;
        for (int i = 0; i < colours; ++i)
            table << qRgba(int(random.bounded(256)), int(random.bounded(256)), int(random.bounded(256)),
                           i == 1 ? 0 : (i == 2 ? 90 : 255));
        image.setColorTable(table);
    }
    const int bytes = int(image.bytesPerLine());
    auto value = [&]() -> uint {
        switch (format) {
        case QImage::Format_Indexed8:
            return random.bounded(colours);
        case QImage::Format_ARGB32:
            return random.generate() | (random.bounded(3) == 0 ? 0u : 0xFF000000u);
        case QImage::Format_RGB32:
            return random.generate() | 0xFF000000u;
        default:
            return random.bounded(256);
        }
    };
    auto set = [&](uchar *line, int x, uint v) {
        if (format == QImage::Format_Mono)
            line[x / 8] = uchar(line[x / 8] ^ (0x80 >> (x % 8)));
        else if (format == QImage::Format_Indexed8 || format == QImage::Format_Grayscale8)
            line[x] = uchar(v);
        else
            reinterpret_cast<QRgb *>(line)[x] = v;
    };
    for (int y = 0; y < height; ++y) {
        uchar *line = image.scanLine(y);
        const int kind = y == 0 ? 0 : int(random.bounded(5));
        if (kind == 1 || kind == 2 || kind == 4) {   // the line above again (runs), or with a few changes
            std::copy(image.constScanLine(y - 1), image.constScanLine(y - 1) + bytes, line);
            for (int k = kind == 4 ? int(random.bounded(1, 4)) : 0; k > 0; --k)
                set(line, int(random.bounded(width)), value());
            continue;
        }
        if (format == QImage::Format_Mono) {
            // Whole bytes at random, the padding bits too: the writer must not store those.
            for (int i = 0; i < bytes; ++i)
                line[i] = kind == 3 ? uchar(0xFF * (i % 2)) : uchar(random.bounded(256));
            continue;
        }
        const uint one = value();   // kind 3: one value along the line
        for (int x = 0; x < width; ++x)
            set(line, x, kind == 3 ? one : value());
    }
    return image;
}

std::vector<QImage> sampleImages()
{
    QRandomGenerator random(20240611);
    std::vector<QImage> images;
    const std::vector<std::pair<QImage::Format, int>> layouts = {
        {QImage::Format_Mono, 2},       {QImage::Format_Indexed8, 2},  {QImage::Format_Indexed8, 3},
        {QImage::Format_Indexed8, 16},  {QImage::Format_Indexed8, 17}, {QImage::Format_Indexed8, 200},
        {QImage::Format_Grayscale8, 0}, {QImage::Format_RGB32, 0},     {QImage::Format_ARGB32, 0}};
    for (const auto &[format, colours] : layouts)
        for (int i = 0; i < 12; ++i) {
            const int width = i < 3 ? 1 + i * 7 : int(random.bounded(1, 700));
            const int height = i == 3 ? 1 : int(random.bounded(1, 90));
            images.push_back(makeImage(random, format, colours, width, height));
        }
    // Noise wide and tall enough for several blocks; a line of more codes than a block holds.
    images.push_back(makeImage(random, QImage::Format_Grayscale8, 0, 640, 420));
    images.push_back(makeImage(random, QImage::Format_ARGB32, 0, 21000, 2));
    // A symbol's shape: runs of equal lines longer than a run count holds, and bars on a 4-bit
    // palette at widths around the 32-pixel steps of the packing.
    QImage tall(13, 70000, QImage::Format_Mono);
    tall.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    tall.fill(0);
    for (int y = 0; y < tall.height(); ++y)
        tall.scanLine(y)[0] = uchar(y < 35000 ? 0xA5 : 0x5A);
    images.push_back(tall);
    for (const int width : {31, 32, 33, 63, 64, 65, 1775}) {
        QImage bars(width, 40, QImage::Format_Indexed8);
        QList<QRgb> greys;
        for (int i = 0; i < 16; ++i)
            greys << qRgb(255 - 17 * i, 255 - 17 * i, 255 - 17 * i);
        bars.setColorTable(greys);
        for (int y = 0; y < bars.height(); ++y)
            for (int x = 0; x < width; ++x)
                bars.scanLine(y)[x] = uchar(y < 30 ? ((x / 9) % 2) * 15 : (x * 7 + y) % 16);
        images.push_back(bars);
    }
    return images;
}

TEST(PngWriterCoding, EveryLayoutInflatesToItsFilteredSamples)
{
    const std::vector<QImage> images = sampleImages();
    for (std::size_t i = 0; i < images.size(); ++i) {
        QString error;
        const QByteArray png = platform::pngData(images[i], 23622, 23622, &error);
        ASSERT_FALSE(png.isEmpty()) << error.toStdString();
        checkPng(png, images[i],
                 "image " + std::to_string(i) + " format " + std::to_string(int(images[i].format())) + " "
                     + std::to_string(images[i].width()) + "x" + std::to_string(images[i].height()));
    }
    // A run of equal lines costs a few bits a line (here three codes: the filter byte and two
    // zeros), not a byte a sample.
    const QImage &tall = images[images.size() - 8];
    ASSERT_EQ(tall.height(), 70000);
    EXPECT_LT(platform::pngData(tall, 0, 0).size(), 70000 * 5 / 8);
}

TEST(PngWriterCoding, ReusedStateGivesTheSameBytesOnEveryThreadInAnyOrder)
{
    const std::vector<QImage> images = sampleImages();
    // Each image alone on a new thread: a fresh state.
    std::vector<QByteArray> fresh(images.size());
    for (std::size_t i = 0; i < images.size(); ++i)
        std::thread([&, i] { fresh[i] = platform::pngData(images[i], 0, 0); }).join();
    // Four threads through all of them, each in its own order, reusing their state.
    constexpr int kThreads = 4;
    std::vector<std::vector<QByteArray>> reused(kThreads, std::vector<QByteArray>(images.size()));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            std::vector<std::size_t> order(images.size());
            for (std::size_t i = 0; i < order.size(); ++i)
                order[i] = i;
            std::shuffle(order.begin(), order.end(), std::mt19937(unsigned(t)));
            for (const std::size_t i : order)
                reused[std::size_t(t)][i] = platform::pngData(images[i], 0, 0);
        });
    for (std::thread &t : threads)
        t.join();
    for (int t = 0; t < kThreads; ++t)
        for (std::size_t i = 0; i < images.size(); ++i) {
            ASSERT_FALSE(fresh[i].isEmpty());
            EXPECT_TRUE(reused[std::size_t(t)][i] == fresh[i]) << "thread " << t << " image " << i;
        }
}

} // namespace
