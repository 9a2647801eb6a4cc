#include "platform/EpsPaintDevice.h"
#include "platform/EpsPaintEngine.h"
#include "platform/Picture.h"
#include "platform/test_picture_tools.h"
#include "support/Decode.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

using platform::Picture;

namespace {

// A QR symbol drawn module by module as filled rectangles, with a white quiet zone.
Picture qrVectorPicture(const std::string &text, double module)
{
    const ZXing::BitMatrix m = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode).setMargin(0).encode(text, 0, 0);
    const double quiet = 4 * module;
    const QSizeF size(m.width() * module + 2 * quiet, m.height() * module + 2 * quiet);
    return Picture::record(size, [m = std::make_shared<ZXing::BitMatrix>(m.copy()), module, quiet, size](QPainter &p) {
        p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
        for (int y = 0; y < m->height(); ++y)
            for (int x = 0; x < m->width(); ++x)
                if (m->get(x, y))
                    p.fillRect(QRectF(quiet + x * module, quiet + y * module, module, module), Qt::black);
    });
}

// The same symbol as a bitmap of one pixel per module, light modules transparent.
QImage qrBitmap(const std::string &text)
{
    const ZXing::BitMatrix m = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode).setMargin(0).encode(text, 0, 0);
    QImage img(m.width(), m.height(), QImage::Format_ARGB32);
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            img.setPixel(x, y, m.get(x, y) ? qRgba(0, 0, 0, 255) : qRgba(0, 0, 0, 0));
    return img;
}

QRect inkBox(const QImage &img)
{
    const QImage g = picturetest::onWhite(img).convertToFormat(QImage::Format_Grayscale8);
    QRect box;
    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x)
            if (g.constScanLine(y)[x] < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

#define REQUIRE_GS() \
    if (!picturetest::haveTool(QStringLiteral("gs"))) GTEST_SKIP() << "Ghostscript is not installed"

} // namespace

TEST(Eps, HeaderAndBoundingBoxInPoints)
{
    const Picture pic = Picture::record(QSizeF(100.6, 50.25), [](QPainter &p) { p.fillRect(QRectF(0, 0, 10, 10), Qt::black); });
    const QByteArray eps = pic.epsData();
    ASSERT_FALSE(eps.isEmpty());
    EXPECT_TRUE(eps.startsWith("%!PS-Adobe-3.0 EPSF-3.0\n"));
    EXPECT_TRUE(eps.contains("\n%%BoundingBox: 0 0 101 51\n"));
    EXPECT_TRUE(eps.contains("\n%%HiResBoundingBox: 0 0 100.6 50.25\n"));
    EXPECT_TRUE(eps.trimmed().endsWith("%%EOF"));

    const Picture whole = Picture::record(QSizeF(283, 142), [](QPainter &) {});
    EXPECT_TRUE(whole.epsData().contains("\n%%BoundingBox: 0 0 283 142\n"));
    EXPECT_TRUE(Picture().epsData().isEmpty());
}

TEST(Eps, NumbersAreShortAndExact)
{
    EXPECT_EQ(platform::epsNumber(0), "0");
    EXPECT_EQ(platform::epsNumber(-0.00001), "0");
    EXPECT_EQ(platform::epsNumber(12.5), "12.5");
    EXPECT_EQ(platform::epsNumber(-3.14159), "-3.1416");
    EXPECT_EQ(platform::epsNumber(100), "100");
}

TEST(Eps, VectorSymbolDecodesAfterGhostscript)
{
    REQUIRE_GS();
    const Picture pic = qrVectorPicture("Tagora EPS 4711", 2.0);
    const QByteArray eps = pic.epsData();
    EXPECT_FALSE(eps.contains(" image\n")) << "modules must stay vectors";
    const QImage raster = picturetest::rasteriseEps(eps, 150);
    ASSERT_FALSE(raster.isNull());
    EXPECT_NEAR(raster.width(), pic.size().width() * 150 / 72, 2);
    const auto d = testsupport::decode(raster, QStringLiteral("QRCode"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("Tagora EPS 4711"));
}

TEST(Eps, BitmapPictureDecodesAndKeepsItsMask)
{
    REQUIRE_GS();
    const QImage modules = qrBitmap("bitmap 2024");
    const double side = modules.width() * 3.0;
    const QSizeF size(side + 24, side + 24);
    // Red paper under a symbol whose light modules are transparent: they must stay red.
    const Picture pic = Picture::record(size, [modules, side, size](QPainter &p) {
        p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
        p.fillRect(QRectF(12, 12, 9, 9), Qt::red);
        p.drawImage(QRectF(12, 12, side, side), modules);
    });
    const QImage raster = picturetest::rasteriseEps(pic.epsData(), 144);
    ASSERT_FALSE(raster.isNull());
    // Module (0,0) is dark (finder pattern), module (1,1) light: the red shows through it.
    const QColor dark = raster.pixelColor(24 + 3, 24 + 3);
    const QColor light = raster.pixelColor(24 + 9, 24 + 9);
    EXPECT_LT(dark.red() + dark.green() + dark.blue(), 60);
    EXPECT_GT(light.red(), 200);
    EXPECT_LT(light.green(), 60);

    const Picture bitmap = Picture::fromImage(picturetest::onWhite(modules).scaled(modules.size() * 4), QSizeF(side, side));
    const QImage padded = picturetest::rasteriseEps(bitmap.epsData(), 144);
    QImage framed(padded.size() + QSize(40, 40), QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter(&framed).drawImage(20, 20, padded);
    const auto d = testsupport::decode(framed, QStringLiteral("QRCode"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("bitmap 2024"));
}

TEST(Eps, GhostscriptRenderingMatchesQtRendering)
{
    REQUIRE_GS();
    QImage sprite(8, 8, QImage::Format_ARGB32);
    sprite.fill(Qt::transparent);
    for (int i = 0; i < 8; ++i)
        sprite.setPixel(i, i, qRgba(0, 0, 255, 255));
    const Picture pic = Picture::record(QSizeF(200, 120), [sprite](QPainter &p) {
        p.fillRect(QRectF(0, 0, 200, 120), Qt::white);
        p.fillRect(QRectF(10, 10, 40, 30), QColor(0, 0, 0, 128));   // half-transparent black
        p.setPen(QPen(Qt::darkGreen, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(60, 10, 50, 30));
        p.setPen(QPen(Qt::black, 2, Qt::DashLine));
        p.drawLine(QPointF(10, 50), QPointF(190, 50));
        p.setPen(Qt::black);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 16));
        p.drawText(QPointF(10, 80), QStringLiteral("Tagora 123"));
        QLinearGradient g(120, 0, 190, 0);
        g.setColorAt(0, Qt::red);
        g.setColorAt(1, Qt::blue);
        p.fillRect(QRectF(120, 60, 70, 25), g);
        p.save();
        QPainterPath circle;
        circle.addEllipse(QRectF(10, 90, 25, 25));
        p.setClipPath(circle);
        p.fillRect(QRectF(0, 85, 60, 35), Qt::black);   // only the circle shows
        p.restore();
        p.drawImage(QRectF(60, 90, 24, 24), sprite);
    });
    const QImage qt = pic.toImage(150);
    const QImage gs = picturetest::rasteriseEps(pic.epsData(), 150, true);
    ASSERT_EQ(gs.size(), qt.size());
    EXPECT_LT(picturetest::differingShare(qt, gs), 0.01);

    auto gray = [&gs](double xPt, double yPt) { return picturetest::grayAt(gs, int(xPt * 150 / 72), int(yPt * 150 / 72)); };
    EXPECT_NEAR(gray(30, 25), 128, 12);   // alpha flattened onto white
    EXPECT_GT(gray(12, 92), 230);         // inside the clipped rectangle, outside the circle
    EXPECT_LT(gray(22, 102), 30);         // inside the circle
    const QColor left = gs.pixelColor(int(123 * 150 / 72.0), int(72 * 150 / 72.0));
    const QColor right = gs.pixelColor(int(187 * 150 / 72.0), int(72 * 150 / 72.0));
    EXPECT_GT(left.red(), left.blue());
    EXPECT_GT(right.blue(), right.red());
}

TEST(Eps, TextIsWrittenAsOutlinesAtItsPointSize)
{
    REQUIRE_GS();
    const Picture pic = Picture::record(QSizeF(160, 40), [](QPainter &p) {
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
        p.drawText(QPointF(5, 30), QStringLiteral("HEADER 42"));
    });
    const QByteArray eps = pic.epsData();
    EXPECT_FALSE(eps.contains("findfont"));
    EXPECT_FALSE(eps.contains(" show"));
    const QRect qt = inkBox(pic.toImage(144));
    const QRect gs = inkBox(picturetest::rasteriseEps(eps, 144, true));
    ASSERT_FALSE(qt.isEmpty());
    EXPECT_NEAR(gs.left(), qt.left(), 2);
    EXPECT_NEAR(gs.right(), qt.right(), 2);
    EXPECT_NEAR(gs.top(), qt.top(), 2);
    EXPECT_NEAR(gs.bottom(), qt.bottom(), 2);
}

TEST(Eps, DevicePaintsInPointsAt72Dpi)
{
    platform::EpsPaintDevice device(QSizeF(72.5, 36));
    EXPECT_EQ(device.width(), 73);
    EXPECT_EQ(device.height(), 36);
    EXPECT_EQ(device.logicalDpiX(), 72);
    EXPECT_EQ(device.logicalDpiY(), 72);
    {
        QPainter p(&device);
        ASSERT_TRUE(p.isActive());
        p.fillRect(QRectF(0, 0, 10, 6), Qt::black);
    }
    // The rectangle at the top-left corner lands at the top of PostScript's y-up page.
    const QByteArray eps = device.data();
    EXPECT_TRUE(eps.contains("0 36 m\n")) << eps.constData();
    EXPECT_TRUE(eps.contains("10 30 l\n")) << eps.constData();
}
