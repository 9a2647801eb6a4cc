// From the settings' option items to a symbol picture.

#include "DmTestUtil.h"

#include "engines/datamatrix/DataMatrixSymbol.h"
#include "platform/Files.h"
#include "support/Decode.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>

using namespace datamatrix;

namespace {

Ecc200Result encodeSilently(const QByteArray &data, int W = 0, int H = 0)
{
    Ecc200Request r;
    r.width = W;
    r.height = H;
    r.printErrors = false;
    return iec16022ecc200(data, r);
}

// The picture on white with a quiet zone around it, for the decoder.
QImage withQuietZone(const QImage &img, int margin)
{
    QImage out(img.width() + 2 * margin, img.height() + 2 * margin, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(margin, margin, img);
    return out;
}

} // namespace

TEST(Symbol, FormatAndEncodationItems)
{
    int W = -1, H = -1;
    sizeFromFormatItem(QStringLiteral("C8X18"), &W, &H);
    EXPECT_EQ(H, 8);
    EXPECT_EQ(W, 18);
    sizeFromFormatItem(QStringLiteral("C144X144"), &W, &H);
    EXPECT_EQ(W, 144);
    EXPECT_EQ(H, 144);
    sizeFromFormatItem(QStringLiteral("Auto"), &W, &H);
    EXPECT_EQ(W, 0);
    EXPECT_EQ(H, 0);
    sizeFromFormatItem(QStringLiteral("C 12 X 26 "), &W, &H);
    EXPECT_EQ(H, 12);
    EXPECT_EQ(W, 26);
    sizeFromFormatItem(QStringLiteral("C16"), &W, &H);   // no "X": both 0
    EXPECT_EQ(W, 0);
    EXPECT_EQ(H, 0);
    sizeFromFormatItem(QStringLiteral("CaXb"), &W, &H);   // no numbers
    EXPECT_EQ(W, 0);
    EXPECT_EQ(H, 0);

    EXPECT_EQ(encodingFromItem(QStringLiteral("Ascii"), 3), std::optional<std::string>("AAA"));
    EXPECT_EQ(encodingFromItem(QStringLiteral("C40"), 3), std::optional<std::string>("CCC"));
    EXPECT_EQ(encodingFromItem(QStringLiteral("Text"), 1), std::optional<std::string>("T"));
    EXPECT_EQ(encodingFromItem(QStringLiteral("Base256"), 2), std::optional<std::string>("BB"));
    EXPECT_FALSE(encodingFromItem(QStringLiteral("Auto"), 3));
    EXPECT_FALSE(encodingFromItem(QStringLiteral("EDIFACT"), 3));

    // A two-byte UTF-8 character gets one letter per byte, and all its bytes are encoded.
    const QByteArray value = QStringLiteral("a\u00e9b").toUtf8();
    Ecc200Request r;
    r.encoding = encodingFromItem(QStringLiteral("C40"), value.size());
    r.printErrors = false;
    EXPECT_EQ(r.encoding->size(), 4u);
    const Ecc200Result s = iec16022ecc200(value, r);
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(dmtest::readSymbol(s).bytes, value);
}

TEST(Symbol, PaletteImageHasAOneModuleBorder)
{
    const Ecc200Result s = encodeSilently("123456");
    ASSERT_TRUE(s.ok());
    ImagePtr img = symbolImage(s, 0x11223344u, 0x00010203u);
    ASSERT_TRUE(img);
    EXPECT_EQ(img->width, 12);
    EXPECT_EQ(img->height, 12);
    EXPECT_EQ(img->colours, 2);
    EXPECT_EQ(img->palette[0], 0x11223344u);
    EXPECT_EQ(img->palette[1], 0x00010203u);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(img->pixel(i, 0), 0);
        EXPECT_EQ(img->pixel(i, 11), 0);
        EXPECT_EQ(img->pixel(0, i), 0);
        EXPECT_EQ(img->pixel(11, i), 0);
    }
    // Grid row 0 (the bottom, all dark) is the last image row above the border.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(img->pixel(x + 1, 10 - y), s.module(x, y) ? 1 : 0);
    EXPECT_FALSE(symbolImage(Ecc200Result(), 0, 0));
}

TEST(Symbol, PngInMemoryAndInThePrivateTemporaryFolder)
{
    const QByteArray value("https://example.com/a?b=c");
    const Ecc200Result s = encodeSilently(value);
    ASSERT_TRUE(s.ok());
    QByteArray png;
    ASSERT_TRUE(symbolPng(s, 0x00FFFFFFu, 0x00000000u, value, 9, &png));
    const QImage fromMemory = QImage::fromData(png, "PNG");
    ASSERT_EQ(fromMemory.size(), QSize(s.width + 2, s.height + 2));
    EXPECT_EQ(fromMemory.text(QStringLiteral("Comment")), QString::fromLatin1(value));

    const QString path = symbolPngPath();
    EXPECT_TRUE(path.startsWith(platform::privateTempFolder()));
    EXPECT_TRUE(path.endsWith(QStringLiteral("/DM.png")));
    QString error;
    ASSERT_TRUE(writeSymbolPngFile(s, 0x00FFFFFFu, 0x00000000u, value, 9, path, &error)) << error.toStdString();
    const QImage fromFile(path);
    ASSERT_FALSE(fromFile.isNull());
    EXPECT_EQ(fromFile.convertToFormat(QImage::Format_ARGB32), fromMemory.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(QFile(path).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup), QFile::Permissions());
    const testsupport::Decoded d = testsupport::decode(withQuietZone(fromFile.scaled(fromFile.size() * 6), 24),
                                                       QStringLiteral("DataMatrix"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.bytes, value);

    // A failed deflate is reported and leaves the file that was there.
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = old.readAll();
    old.close();
    EXPECT_FALSE(writeSymbolPngFile(s, 0, 0, value, 42, path, &error));
    EXPECT_EQ(error, QStringLiteral("Deflate error"));
    QFile again(path);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), oldBytes);
    // A device that takes no data: reported.
    if (QFile::exists(QStringLiteral("/dev/full"))) {
        EXPECT_FALSE(writeSymbolPngFile(s, 0, 0, value, 9, QStringLiteral("/dev/full"), &error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("/dev/full: "))) << error.toStdString();
    }
    EXPECT_FALSE(writeSymbolPngFile(s, 0, 0, value, 9, platform::privateTempPath(QStringLiteral("no/such/DM.png")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(Symbol, ToolPictureSizesAndDecodes)
{
    QString error;
    const QByteArray value("DataMatrix 42");
    const platform::Picture pic = renderSymbolForTool(value, QStringLiteral("C16X48"), QStringLiteral("Text"), 600, &error);
    ASSERT_FALSE(pic.isNull()) << error.toStdString();
    EXPECT_EQ(pic.size(), QSizeF(48 * 2 + 2, 16 * 2 + 2));
    EXPECT_EQ(pic.image().size(), platform::Picture::pixelSize(pic.size(), 600));
    const testsupport::Decoded d = testsupport::decode(withQuietZone(pic.image(), 60), QStringLiteral("DataMatrix"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.bytes, value);

    // Module size 1 and no raise: the PNG's own pixels.
    const platform::Picture plain = renderSymbolForTool(value, QStringLiteral("Auto"), QStringLiteral("Auto"), 0, &error, 1);
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(plain.image().width(), int(plain.size().width()));

    EXPECT_TRUE(renderSymbolForTool(value, QStringLiteral("C10X14"), QStringLiteral("Auto"), 600, &error).isNull());
    EXPECT_EQ(error, QStringLiteral("Invalid size 14x10"));
    EXPECT_TRUE(renderSymbolForTool(QByteArray(40, 'x'), QStringLiteral("C10X10"), QStringLiteral("Ascii"), 600, &error).isNull());
    EXPECT_EQ(error, QStringLiteral("Barcode too long for 10x10 ") + QString(40, QLatin1Char('A')) + QStringLiteral(" 3 bytes"));
}
