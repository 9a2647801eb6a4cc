// The module image of the QR facade (module size, margins, colour packing, transparency, the raise
// to the output resolution) and the generator route with its two colours.

#include "QrTestUtil.h"

#include "engines/qr/QREncoder.h"
#include "engines/qr/QrGenerator.h"

#include <gtest/gtest.h>

using namespace qrtest;

namespace {

struct Rgba {
    int r, g, b, a;
    bool operator==(const Rgba &o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

std::ostream &operator<<(std::ostream &os, const Rgba &c)
{
    return os << "(" << c.r << "," << c.g << "," << c.b << "," << c.a << ")";
}

// The four bytes of a pixel in memory order.
Rgba bytesAt(const QImage &image, int x, int y)
{
    const uchar *p = image.constScanLine(y) + 4 * x;
    return {p[0], p[1], p[2], p[3]};
}

const Rgba kMargin{255, 255, 255, 0};

class QrImage : public ::testing::Test {};

// Checks every pixel of a module image against the layout rule: whole-pixel modules, the spare
// pixels split with the extra one at the bottom and right.
void expectLayout(const QImage &image, const qr::DataMatrix &grid, int side, int module, int before, int after,
                  const Rgba &dark, const Rgba &light)
{
    ASSERT_EQ(image.width(), side);
    ASSERT_EQ(image.height(), side);
    const int n = int(grid.dimension());
    ASSERT_EQ(before + module * n + after, side);
    int wrong = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool inside = x >= before && y >= before && x < before + module * n && y < before + module * n;
            const Rgba want = !inside ? kMargin
                              : grid.valueAt((x - before) / module, (y - before) / module) ? dark : light;
            if (!(bytesAt(image, x, y) == want) && ++wrong < 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << bytesAt(image, x, y) << " not " << want;
        }
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace

TEST_F(QrImage, SideOfTenModulesPerModuleLeavesNoMargin)
{
    const auto grid = QREncoder::encodeWithECLevel(1, 1, QStringLiteral("HELLO"));
    ASSERT_TRUE(grid);
    ASSERT_EQ(grid->dimension(), 21);
    const QImage image = QREncoder::moduleImage(*grid, 210, Qt::black, Qt::white, false);
    EXPECT_EQ(image.format(), QImage::Format_RGBA8888);
    expectLayout(image, *grid, 210, 10, 0, 0, {0, 0, 0, 255}, {255, 255, 255, 255});
    // The finder corners sit on the image corners.
    EXPECT_EQ(bytesAt(image, 0, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(bytesAt(image, 209, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(bytesAt(image, 0, 209), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(bytesAt(image, 10, 10), (Rgba{255, 255, 255, 255}));   // the light ring of a finder
}

TEST_F(QrImage, SparePixelsBecomeMarginsWithTheOddOneBottomAndRight)
{
    const auto grid = QREncoder::encodeWithECLevel(0, 1, QStringLiteral("MARGINS"));
    ASSERT_TRUE(grid);
    const QImage odd = QREncoder::moduleImage(*grid, 101, Qt::black, Qt::white, false);
    expectLayout(odd, *grid, 101, 4, 8, 9, {0, 0, 0, 255}, {255, 255, 255, 255});
    EXPECT_EQ(bytesAt(odd, 7, 8), kMargin);
    EXPECT_EQ(bytesAt(odd, 8, 8), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(bytesAt(odd, 91, 8), (Rgba{0, 0, 0, 255}));   // last column of the top-right finder
    EXPECT_EQ(bytesAt(odd, 92, 8), kMargin);
    EXPECT_EQ(bytesAt(odd, 8, 92), kMargin);

    const QImage even = QREncoder::moduleImage(*grid, 100, Qt::black, Qt::white, false);
    expectLayout(even, *grid, 100, 4, 8, 8, {0, 0, 0, 255}, {255, 255, 255, 255});
}

TEST_F(QrImage, ColoursArePackedRedGreenBlueAlphaInMemory)
{
    EXPECT_EQ(qr::packColourBGR(QColor(255, 255, 255)), 0xFFFFFFFFu);
    EXPECT_EQ(qr::packColourBGR(QColor(255, 0, 0)), 0xFF0000FFu);
    EXPECT_EQ(qr::packColourBGR(QColor(0, 0, 255, 0)), 0x00FF0000u);
    EXPECT_EQ(qr::packColourBGR(QColor(10, 20, 30, 128)), 0x801E140Au);
    EXPECT_EQ(qr::packColourBGR(QColor::fromHsv(120, 255, 255)), 0xFF00FF00u);   // any colour model, as RGB
    EXPECT_EQ(qr::packColourBGR(QColor()), 0u);

    const auto grid = QREncoder::encodeWithECLevel(2, 2, QStringLiteral("colours"));
    ASSERT_TRUE(grid);
    const QColor bar(10, 20, 30, 128);
    const QColor background(200, 150, 100);
    // Opaque background: light modules in the background colour, margins still transparent white.
    const QImage solid = QREncoder::moduleImage(*grid, 110, bar, background, false);
    expectLayout(solid, *grid, 110, 4, 5, 5, {10, 20, 30, 128}, {200, 150, 100, 255});
    // Transparent background: light modules transparent white too; dark ones keep the bar alpha.
    const QImage clear = QREncoder::moduleImage(*grid, 110, bar, background, true);
    expectLayout(clear, *grid, 110, 4, 5, 5, {10, 20, 30, 128}, kMargin);
}

TEST_F(QrImage, SideBelowTheModuleCountIsRaisedToOnePixelPerModule)
{
    const auto grid = QREncoder::encodeWithECLevel(3, 0, QStringLiteral("1"));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->dimension(), 21);
    for (int side : {20, 10, 0, -5}) {
        const QImage image = QREncoder::moduleImage(*grid, side, Qt::black, Qt::white, false);
        expectLayout(image, *grid, 21, 1, 0, 0, {0, 0, 0, 255}, {255, 255, 255, 255});
    }
    const platform::Picture picture = QREncoder::renderDataMatrix(grid.get(), 5, Qt::black, Qt::white, false, 0);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSizeF(21, 21));
}

TEST_F(QrImage, PictureIsRaisedToTheResolutionAskedForAndKeptAsModulesWithoutOne)
{
    const auto grid = QREncoder::encodeWithECLevel(1, -1, QStringLiteral("https://example.com/raise"));
    ASSERT_TRUE(grid);
    const platform::Picture raised = QREncoder::renderDataMatrix(grid.get(), 101, Qt::black, Qt::white, true, 600);
    ASSERT_FALSE(raised.isNull());
    EXPECT_EQ(raised.size(), QSizeF(101, 101));
    EXPECT_EQ(raised.image().size(), QSize(842, 842));   // ceil(600 x 101 / 72)
    const Reading r = readQr(raised.image());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.text, QStringLiteral("https://example.com/raise"));

    EXPECT_EQ(QREncoder::renderDataMatrix(grid.get(), 101, Qt::black, Qt::white, true, 300).image().size(), QSize(421, 421));

    const platform::Picture quick = QREncoder::renderDataMatrix(grid.get(), 101, Qt::black, Qt::white, true, 0);
    EXPECT_EQ(quick.size(), QSizeF(101, 101));
    EXPECT_EQ(quick.image().size(), QSize(101, 101));
    // 25 modules of 4 pixels: the one spare pixel is the right and bottom margin.
    EXPECT_EQ(grid->dimension(), 25);
    EXPECT_EQ(bytesAt(quick.image(), 0, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(bytesAt(quick.image(), 100, 0), kMargin);
    EXPECT_EQ(bytesAt(quick.image(), 0, 100), kMargin);
}

TEST_F(QrImage, ModuleImagesWithTheirMarginsDecode)
{
    std::mt19937 rng(17);
    // Sides whose spare pixels leave margins of two modules or more.
    const struct { int version, side; } cases[] = {{1, 101}, {5, 190}, {10, 250}, {25, 340}, {40, 600}};
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(payload(Payload::Utf8Text, 10 + c.version, rng));
        const auto grid = QREncoder::encodeWithECLevel(1, c.version, text);
        ASSERT_TRUE(grid);
        const platform::Picture picture = QREncoder::renderDataMatrix(grid.get(), c.side, QColor(0, 0, 80), Qt::white, false, 0);
        ASSERT_FALSE(picture.isNull());
        const Reading r = readQr(picture.image());
        ASSERT_TRUE(r.ok) << c.version << " side " << c.side;
        EXPECT_EQ(r.text, text);
    }
}

TEST_F(QrImage, FacadeRefusesWhatCannotBeEncodedOrPainted)
{
    EXPECT_FALSE(QREncoder::encodeWithECLevel(1, 0, QString()));
    EXPECT_FALSE(QREncoder::encodeWithECLevel(3, 0, QString(1900, QLatin1Char('Z'))));
    EXPECT_FALSE(QREncoder::encodeCStringWithECLevel(1, 0, nullptr));
    // The text ends at its first zero character, as a C string does.
    const auto cut = QREncoder::encodeWithECLevel(0, 0, QStringLiteral("AB") + QChar(0) + QStringLiteral("CD"));
    ASSERT_TRUE(cut);
    EXPECT_EQ(readQr(gridImage(*cut)).bytes, QByteArray("AB"));

    EXPECT_TRUE(QREncoder::renderDataMatrix(nullptr, 100, Qt::black, Qt::white, false, 0).isNull());
    const qr::DataMatrix empty(0);
    EXPECT_TRUE(QREncoder::renderDataMatrix(&empty, 100, Qt::black, Qt::white, false, 0).isNull());
    EXPECT_TRUE(QREncoder::moduleImage(empty, 100, Qt::black, Qt::white, false).isNull());
}

TEST(QrDataMatrix, StoresModulesByColumnAndRowAndDescribesThemRowByRow)
{
    qr::DataMatrix grid(3);
    EXPECT_EQ(grid.dimension(), 3);
    grid.set(1, 2, 0);   // column 2, row 0
    grid.set(1, 0, 1);
    grid.set(-1, 1, 2);
    EXPECT_EQ(grid.valueAt(2, 0), 1);
    EXPECT_EQ(grid.valueAt(0, 2), 0);
    EXPECT_EQ(grid.valueAt(1, 2), -1);
    EXPECT_EQ(grid.description(), QStringLiteral("001\n100\n0-10\n"));
    grid.set(1, 3, 0);   // outside: ignored
    grid.set(1, -1, 0);
    EXPECT_EQ(grid.valueAt(3, 0), 0);
    EXPECT_EQ(grid.description(), QStringLiteral("001\n100\n0-10\n"));
}

TEST(QrGenerator, MakesOnePixelPerModuleWithAOneModuleBorder)
{
    qr::QrGenerator generator;
    generator.setInputMessage(QByteArray("Hello"));
    const QImage image = generator.outputImage();
    ASSERT_FALSE(image.isNull());
    // Level M unless told otherwise.
    qr::QrGenerator levelM;
    levelM.setInputMessage(QByteArray("Hello"));
    levelM.setInputCorrectionLevel(QStringLiteral("M"));
    EXPECT_EQ(levelM.outputImage(), image);
    EXPECT_EQ(image.size(), QSize(23, 23));
    EXPECT_EQ(image.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(1, 1), 0xFF000000u);
    EXPECT_EQ(image.pixel(22, 22), 0xFFFFFFFFu);
    EXPECT_EQ(readQr(image.scaled(230, 230)).bytes, QByteArray("Hello"));

    // The level letter decides the error correction; a larger level can need a larger symbol.
    const QByteArray text = "The quick brown fox jumps over the lazy dog";
    generator.setInputMessage(text);
    int previous = 0;
    for (const char *level : {"L", "M", "Q", "H"}) {
        generator.setInputCorrectionLevel(QString::fromLatin1(level));
        const QImage symbol = generator.outputImage();
        ASSERT_FALSE(symbol.isNull()) << level;
        EXPECT_GE(symbol.width(), previous);
        previous = symbol.width();
        const Reading r = readQr(symbol.scaled(symbol.width() * 6, symbol.height() * 6));
        EXPECT_EQ(r.bytes, text);
        EXPECT_EQ(r.ecLevel, QString::fromLatin1(level));
    }
    EXPECT_EQ(previous, 37 + 2);   // 43 bytes at H need version 5

    for (const char *bad : {"", "m", "X", "LL"}) {
        generator.setInputCorrectionLevel(QString::fromLatin1(bad));
        EXPECT_TRUE(generator.outputImage().isNull()) << bad;
    }
    generator.setInputCorrectionLevel(QStringLiteral("L"));
    generator.setInputMessage(QByteArray());
    EXPECT_TRUE(generator.outputImage().isNull());
    generator.setInputMessage(QByteArray(2954, 'x'));
    EXPECT_TRUE(generator.outputImage().isNull());
}

TEST(QrGenerator, ColoursAndScaleGiveASharpSymbolOfTheRequestedSize)
{
    const QString text = QStringLiteral("Grüße, 東京 ✓");
    const QColor bar(0, 0, 128);
    const platform::Picture picture =
        qr::generateQrPicture(text.toUtf8(), QStringLiteral("Q"), bar, QColor(Qt::transparent), 60.5);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSizeF(60.5, 60.5));
    const QImage modules = picture.image();
    EXPECT_EQ(modules.pixel(0, 0), 0x00000000u);      // the clear background colour
    EXPECT_EQ(modules.pixel(1, 1), bar.rgba());
    // Rasterised at 600 DPI with no smoothing: only the two colours appear.
    const QImage raster = picture.toImage(600).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(raster.size(), QSize(505, 505));
    int other = 0;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            other += raster.pixel(x, y) != bar.rgba() && qAlpha(raster.pixel(x, y)) != 0 ? 1 : 0;
    EXPECT_EQ(other, 0);
    const Reading r = readQr(raster);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.text, text);
    EXPECT_EQ(r.ecLevel, QStringLiteral("Q"));

    const QImage swapped = qr::falseColor(modules, Qt::white, Qt::black);
    EXPECT_EQ(swapped.pixel(1, 1), 0xFFFFFFFFu);
    EXPECT_TRUE(qr::falseColor(QImage(), Qt::black, Qt::white).isNull());
    EXPECT_TRUE(qr::scaledToSize(modules, 0).isNull());
    EXPECT_TRUE(qr::generateQrPicture(QByteArray(), QStringLiteral("M"), Qt::black, Qt::white, 60).isNull());
}

TEST(QrGenerator, ToolRenderingDecodesAtTheRequestedResolution)
{
    const QString value = QStringLiteral("https://example.com/labels?id=000123&lot=A7");
    const platform::Picture picture = qr::renderSymbolForTool(value, 1, 600);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSizeF(60, 60));
    EXPECT_EQ(picture.image().size(), QSize(500, 500));
    QImage framed(560, 560, QImage::Format_ARGB32);
    framed.fill(Qt::white);
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 500; ++x)
            framed.setPixel(x + 30, y + 30, picture.image().pixel(x, y));
    const Reading r = readQr(framed);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.text, value);
    EXPECT_EQ(r.ecLevel, QStringLiteral("M"));
    EXPECT_EQ(qr::renderSymbolForTool(value, 3, 300, 100).image().size(), QSize(417, 417));
    EXPECT_TRUE(qr::renderSymbolForTool(value, 4, 600).isNull());
    EXPECT_TRUE(qr::renderSymbolForTool(QString(), 1, 600).isNull());
    EXPECT_TRUE(qr::renderSymbolForTool(QString(3000, QLatin1Char('x')), 0, 600).isNull());
}

TEST(QrGenerator, ModulesAreTheSameWholePixelsAtEveryResolution)
{
    // 60 points of a 25-module symbol and its border: 7.7 pixels a module at 203 DPI, which a
    // stretched bitmap would draw as a mix of 7 and 8.
    const platform::Picture picture =
        qr::generateQrPicture(QByteArrayLiteral("Tagora 203"), QStringLiteral("H"), Qt::black, Qt::white, 60);
    ASSERT_FALSE(picture.isNull());
    for (const double dpi : {203.0, 300.0, 600.0}) {
        const QImage img = picture.raisedTo(dpi).image().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(img.size(), platform::Picture::pixelSize(QSizeF(60, 60), dpi));
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) < 128)
                    box |= QRect(x, y, 1, 1);
        const int n = 21 + 4 * 1;   // version 2 at H for this text
        ASSERT_EQ(box.width() % n, 0) << dpi;
        const int module = box.width() / n;
        EXPECT_EQ(box.height(), box.width()) << dpi;
        EXPECT_NEAR(module, 60.0 / (n + 2) * dpi / 72, 0.5) << dpi;
        for (int i = 0; i < n; ++i) {
            const int y = box.top() + i * module;
            // Every module row is module pixels tall and each module module pixels wide: the
            // pixels of a module row are all the same as its first line.
            for (int k = 1; k < module; ++k)
                for (int x = box.left(); x <= box.right(); ++x)
                    ASSERT_EQ(img.pixel(x, y + k), img.pixel(x, y)) << dpi;
            for (int x = box.left(); x <= box.right(); x += module)
                for (int k = 1; k < module; ++k)
                    ASSERT_EQ(img.pixel(x + k, y), img.pixel(x, y)) << dpi;
        }
    }
}
