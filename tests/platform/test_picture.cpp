#include "platform/GifWriter.h"
#include "platform/Picture.h"
#include "platform/test_picture_tools.h"
#include "support/Decode.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFont>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QSet>

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <thread>

using platform::Picture;

namespace {

Picture codePicture(const std::string &text, double module)
{
    const ZXing::BitMatrix m = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::Code128).setMargin(0).encode(text, 0, 1);
    const double quiet = 12 * module;
    const QSizeF size(m.width() * module + 2 * quiet, 40.3);
    auto bars = std::make_shared<ZXing::BitMatrix>(m.copy());
    return Picture::record(size, [bars, module, quiet, size](QPainter &p) {
        p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
        for (int x = 0; x < bars->width(); ++x)
            if (bars->get(x, 0))
                p.fillRect(QRectF(quiet + x * module, 4, module, size.height() - 8), Qt::black);
    });
}

// Something with text, curves, a gradient and a bitmap: every kind of rasterisation work.
Picture busyPicture()
{
    QImage sprite(16, 16, QImage::Format_ARGB32);
    sprite.fill(qRgba(200, 0, 0, 120));
    return Picture::record(QSizeF(150.5, 80.25), [sprite](QPainter &p) {
        QLinearGradient g(0, 0, 150, 0);
        g.setColorAt(0, Qt::yellow);
        g.setColorAt(1, Qt::cyan);
        p.fillRect(QRectF(0, 0, 150.5, 80.25), g);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
        p.drawText(QRectF(0, 5, 150, 20), Qt::AlignCenter, QStringLiteral("Worker 0815 \u00e9"));
        p.setPen(QPen(Qt::blue, 1.5));
        p.drawEllipse(QRectF(20, 30, 60, 40));
        p.drawImage(QRectF(100, 40, 30, 30), sprite);
    });
}

} // namespace

TEST(Picture, PixelSizesFollowTheResolution)
{
    EXPECT_EQ(Picture::pixelSize(QSizeF(100, 50), 600), QSize(834, 417));
    EXPECT_EQ(Picture::pixelSize(QSizeF(10, 10), 300), QSize(42, 42));
    EXPECT_EQ(Picture::pixelSize(QSizeF(37.5, 20), 72), QSize(38, 20));
    const QImage img = busyPicture().toImage(600);
    EXPECT_EQ(img.size(), Picture::pixelSize(QSizeF(150.5, 80.25), 600));
    EXPECT_EQ(img.dotsPerMeterX(), qRound(600 / 0.0254));
}

TEST(Picture, WorkerThreadRendersTheSamePixels)
{
    const Picture pic = busyPicture();
    const QImage onGui = pic.toImage(300);
    QImage onWorker;
    std::thread worker([&] { onWorker = pic.toImage(300); });
    worker.join();
    ASSERT_FALSE(onGui.isNull());
    ASSERT_EQ(onWorker.size(), onGui.size());
    ASSERT_EQ(onWorker.format(), onGui.format());
    EXPECT_TRUE(onWorker == onGui);
    // Something was drawn: the gradient alone gives many distinct colours along a row.
    QSet<QRgb> colours;
    for (int x = 0; x < onWorker.width(); ++x)
        colours.insert(onWorker.pixel(x, 2));
    EXPECT_GT(colours.size(), 100);
}

TEST(Picture, PdfPageHasTheExactSize)
{
    if (!picturetest::haveTool(QStringLiteral("pdfinfo")))
        GTEST_SKIP() << "poppler-utils are not installed";
    for (const QSizeF size : {QSizeF(100.6, 50.3), QSizeF(283.465, 141.732), QSizeF(72, 36), QSizeF(20.2, 300.7)}) {
        const Picture pic = Picture::record(size, [](QPainter &p) { p.fillRect(QRectF(0, 0, 5, 5), Qt::black); });
        const QSizeF page = picturetest::pdfPageSize(pic.pdfData());
        EXPECT_NEAR(page.width(), size.width(), 0.001) << size.width();
        EXPECT_NEAR(page.height(), size.height(), 0.001) << size.height();
    }
}

TEST(Picture, PdfKeepsTheTopLeftCornerInPlace)
{
    if (!picturetest::haveTool(QStringLiteral("pdftoppm")))
        GTEST_SKIP() << "poppler-utils are not installed";
    // 50.4 points tall: Qt's whole-point page would be 50; the box corners must still be on the page.
    const QSizeF size(60.4, 50.4);
    const Picture pic = Picture::record(size, [size](QPainter &p) {
        p.fillRect(QRectF(0, 0, size.width(), size.height()), Qt::white);
        p.fillRect(QRectF(0, 0, 10, 10), Qt::black);
        p.fillRect(QRectF(size.width() - 10, size.height() - 10, 10, 10), Qt::black);
    });
    const QImage page = picturetest::rasterisePdf(pic.pdfData(), 144);
    ASSERT_EQ(page.size(), QSize(qRound(60.4 * 2), qRound(50.4 * 2)));
    EXPECT_LT(picturetest::grayAt(page, 1, 1), 40);
    EXPECT_LT(picturetest::grayAt(page, page.width() - 2, page.height() - 2), 40);
    EXPECT_GT(picturetest::grayAt(page, 1, page.height() - 2), 215);
    EXPECT_GT(picturetest::grayAt(page, page.width() - 2, 1), 215);
}

TEST(Picture, PdfOfVectorAndBitmapPicturesDecodes)
{
    if (!picturetest::haveTool(QStringLiteral("pdftoppm")))
        GTEST_SKIP() << "poppler-utils are not installed";
    const Picture vector = codePicture("PDF-128 vector", 1.0);
    const QByteArray pdf = vector.pdfData();
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    auto d = testsupport::decode(picturetest::rasterisePdf(pdf, 150), QStringLiteral("Code128"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("PDF-128 vector"));

    const Picture bitmap = Picture::fromImage(vector.toImage(300), vector.size());
    EXPECT_FALSE(bitmap.isVector());
    d = testsupport::decode(picturetest::rasterisePdf(bitmap.pdfData(), 150), QStringLiteral("Code128"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("PDF-128 vector"));
    EXPECT_TRUE(Picture().pdfData().isEmpty());

    // Bitmaps are stored losslessly, never as JPEG.
    if (picturetest::haveTool(QStringLiteral("pdfimages"))) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("b.pdf"));
        ASSERT_TRUE(picturetest::writeBytes(path, bitmap.pdfData()));
        QByteArray list;
        ASSERT_TRUE(picturetest::runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}, &list));
        EXPECT_TRUE(list.contains(" image ")) << list.constData();
        EXPECT_FALSE(list.contains("jpeg")) << list.constData();
    }
}

TEST(Gif, FewColoursRoundTripExactlyWithTransparency)
{
    QImage img(40, 20, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int x = 0; x < 40; ++x) {
        img.setPixel(x, 5, qRgb(200, 10, 30));
        img.setPixel(x, 10, qRgb(0, 0, 0));
        img.setPixel(x, 15, qRgb(17, 128, 255));
    }
    QString error;
    const QByteArray gif = platform::gifData(img, &error);
    ASSERT_FALSE(gif.isEmpty()) << error.toStdString();
    EXPECT_TRUE(gif.startsWith("GIF89a"));
    const QImage back = QImage::fromData(gif, "GIF").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(back.size(), img.size());
    for (int y : {0, 5, 10, 15, 19}) {
        for (int x : {0, 20, 39}) {
            const QRgb want = img.pixel(x, y);
            const QRgb got = back.pixel(x, y);
            EXPECT_EQ(qAlpha(got), qAlpha(want)) << x << "," << y;
            if (qAlpha(want) == 255) {
                EXPECT_EQ(got, want) << x << "," << y;
            }
        }
    }
}

TEST(Gif, ManyColoursAreReducedCloseToTheOriginal)
{
    QImage img(256, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            img.setPixel(x, y, qRgb(x, y * 4, 255 - x));   // 16,384 colours
    const QByteArray gif = platform::gifData(img);
    ASSERT_TRUE(gif.startsWith("GIF87a"));
    const QImage back = QImage::fromData(gif, "GIF");
    ASSERT_EQ(back.size(), img.size());
    EXPECT_LE(back.colorCount(), 256);
    // Dithered, but each region keeps its colour on average.
    auto mean = [](const QImage &im, int x0, int channel) {
        double sum = 0;
        for (int y = 20; y < 44; ++y)
            for (int x = x0; x < x0 + 24; ++x) {
                const QRgb c = im.pixel(x, y);
                sum += channel == 0 ? qRed(c) : qBlue(c);
            }
        return sum / (24 * 24);
    };
    EXPECT_NEAR(mean(back, 10, 0), mean(img, 10, 0), 12);
    EXPECT_NEAR(mean(back, 220, 2), mean(img, 220, 2), 12);
}

TEST(Gif, TransparentPictureWithManyColoursKeepsAPaletteSlotForTransparency)
{
    // More than 255 colours and some clear pixels: the reduction must leave one entry free.
    QImage img(256, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            img.setPixel(x, y, y < 8 ? qRgba(0, 0, 0, 0) : qRgb(x, y * 4, 255 - x));
    QString error;
    const QByteArray gif = platform::gifData(img, &error);
    ASSERT_FALSE(gif.isEmpty()) << error.toStdString();
    EXPECT_TRUE(gif.startsWith("GIF89a"));
    const QImage back = QImage::fromData(gif, "GIF").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(back.size(), img.size());
    EXPECT_EQ(qAlpha(back.pixel(100, 3)), 0);
    EXPECT_EQ(qAlpha(back.pixel(100, 40)), 255);
    // The colours are still close to the original ones.
    EXPECT_NEAR(qRed(back.pixel(200, 40)), 200, 40);
    EXPECT_NEAR(qBlue(back.pixel(30, 40)), 225, 40);
}

TEST(Gif, BarcodeBitmapDecodesAndBadInputFails)
{
    const QImage bars = codePicture("GIF 128", 1.0).toImage(300);
    const QByteArray gif = platform::gifData(bars);
    const auto d = testsupport::decode(QImage::fromData(gif, "GIF"), QStringLiteral("Code128"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("GIF 128"));

    QString error;
    EXPECT_TRUE(platform::gifData(QImage(), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}
