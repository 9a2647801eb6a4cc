#include "imaging/CropGeometry.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

TEST(SourcePixelRect, MapsCanvasPointsToOriginalPixels)
{
    const struct {
        const char *name;
        QRectF crop;
        QSizeF ratio;
        QSizeF preview;
        QSize original;
        QRect pixels;
    } cases[] = {
        {"same size, bottom-left origin becomes top-down", {10, 10, 100, 100}, {1, 1}, {800, 600}, {800, 600},
         {10, 490, 100, 100}},
        {"original five times the preview", {10, 10, 100, 100}, {1, 1}, {800, 600}, {4000, 3000},
         {50, 2450, 500, 500}},
        {"view shows the preview at half size", {5, 5, 50, 50}, {0.5, 0.5}, {800, 600}, {800, 600},
         {10, 490, 100, 100}},
        {"axes scaled independently", {0, 0, 100, 100}, {1, 2}, {400, 200}, {400, 200}, {0, 150, 100, 50}},
        {"anchored at a dragged corner (negative sizes)", {110, 110, -100, -100}, {1, 1}, {800, 600},
         {800, 600}, {10, 490, 100, 100}},
        {"clipped at the picture's right and top", {750, 550, 100, 100}, {1, 1}, {800, 600}, {800, 600},
         {750, 0, 50, 50}},
        {"edges on whole pixels", {0.4, 0, 10.2, 10}, {1, 1}, {100, 100}, {300, 300}, {1, 270, 31, 30}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(crop::sourcePixelRect(c.crop, c.ratio, c.preview, c.original), c.pixels) << c.name;
}

TEST(SourcePixelRect, NothingCoveredIsEmpty)
{
    const struct {
        const char *name;
        QRectF crop;
    } cases[] = {
        {"zero size", {10, 10, 0, 0}},
        {"outside the picture", {900, 10, 50, 50}},
        {"below the picture", {10, -80, 50, 50}},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(crop::sourcePixelRect(c.crop, {1, 1}, {800, 600}, {800, 600}).isEmpty()) << c.name;
    EXPECT_TRUE(crop::sourcePixelRect({0, 0, 10, 10}, {0, 0}, {800, 600}, {800, 600}).isEmpty());
    EXPECT_TRUE(crop::sourcePixelRect({0, 0, 10, 10}, {1, 1}, {800, 600}, {}).isEmpty());
}

TEST(SourcePixelRect, CutsTheQuadrantShownUnderTheRectangle)
{
    // Four distinct quadrants: a lost flip cuts the wrong one.
    QImage original(400, 300, QImage::Format_RGB32);
    QPainter p(&original);
    p.fillRect(0, 0, 200, 150, Qt::red);        // top-left
    p.fillRect(200, 0, 200, 150, Qt::green);    // top-right
    p.fillRect(0, 150, 200, 150, Qt::blue);     // bottom-left
    p.fillRect(200, 150, 200, 150, Qt::yellow); // bottom-right
    p.end();
    const struct {
        QRectF crop;   // over an 80 x 60 preview, y up
        QColor colour;
    } cases[] = {
        {{5, 5, 20, 20}, Qt::blue},
        {{55, 5, 20, 20}, Qt::yellow},
        {{5, 35, 20, 20}, Qt::red},
        {{55, 35, 20, 20}, Qt::green},
    };
    for (const auto &c : cases) {
        const QRect r = crop::sourcePixelRect(c.crop, {1, 1}, {80, 60}, original.size());
        ASSERT_EQ(r.size(), QSize(100, 100));
        const QImage cut = original.copy(r);
        EXPECT_EQ(cut.pixelColor(0, 0), c.colour);
        EXPECT_EQ(cut.pixelColor(99, 99), c.colour);
    }
}

TEST(ResizedSize, StretchesOrFitsInside)
{
    const struct {
        const char *name;
        double w, h;
        bool keep;
        QSizeF picture;
        QSize size;
    } cases[] = {
        {"kept ratio, width touches", 100, 100, true, {800, 600}, {100, 75}},
        {"kept ratio, height touches", 100, 30, true, {800, 600}, {40, 30}},
        {"stretched", 100, 100, false, {800, 600}, {100, 100}},
        {"kept ratio of a 4000 x 3000 original", 100, 100, true, {4000, 3000}, {100, 75}},
        {"tiny side still a pixel", 1, 1, true, {10000, 10}, {1, 1}},
        {"zero width makes nothing", 0, 50, false, {800, 600}, {}},
        {"negative makes nothing", -5, 50, true, {800, 600}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(crop::resizedSize(c.w, c.h, c.keep, c.picture), c.size) << c.name;
}

TEST(SizeFieldTyped, DigitsOnlyAtMostFiveAndTenThousand)
{
    const struct {
        const char *typed;
        const char *text;
        int value;
    } cases[] = {
        {"250", "250", 250},   {"", "", 0},           {"  ", "", 0},             {"0", "0", 0},
        {"-20", "20", 20},     {"abc", "", 0},        {"123456", "10000", 10000}, {"20000", "10000", 10000},
        {" 42 ", "42", 42},    {"0000007", "00000", 0}, {"12x", "12", 12},        {"9999", "9999", 9999},
    };
    for (const auto &c : cases) {
        const crop::SizeField f = crop::sizeFieldTyped(QString::fromLatin1(c.typed));
        EXPECT_EQ(f.text, QString::fromLatin1(c.text)) << c.typed;
        EXPECT_EQ(f.value, c.value) << c.typed;
    }
}

TEST(LeadingInteger, ReadsTheLeadingDecimal)
{
    const struct {
        const char *text;
        int value;
    } cases[] = {{"12", 12}, {"  7px", 7}, {"-3", -3}, {"+8", 8}, {"x1", 0}, {"", 0}, {"99999999999", 2147483647}};
    for (const auto &c : cases)
        EXPECT_EQ(crop::leadingInteger(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(CroppedFileName, NamesInTheOutputFolder)
{
    const struct {
        const char *name;
        bool custom;
        const char *customText;
        const char *input;
        int num;
        int format;
        const char *path;
    } cases[] = {
        {"own name, jpg", false, "", "/in/photo.jpg", 0, 0, "/out/photo.JPG"},
        {"second crop", false, "", "/in/photo.jpg", 1, 0, "/out/photo_1.JPG"},
        {"only the last extension goes", false, "", "/in/a.b.png", 2, 2, "/out/a.b_2.PNG"},
        {"custom name, tiff", true, "Logo", "/in/photo.jpg", 0, 3, "/out/Logo.TIFF"},
        {"bmp", false, "", "/in/c.gif", 0, 1, "/out/c.BMP"},
        {"slash stays inside the folder", true, "../up/x", "/in/p.jpg", 0, 0, "/out/.._up_x.JPG"},
        {"unknown format, no extension", false, "", "/in/p.jpg", 0, 7, "/out/p"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(crop::croppedFileName(QStringLiteral("/out"), c.custom, QString::fromUtf8(c.customText),
                                        QString::fromUtf8(c.input), c.num, c.format),
                  QString::fromUtf8(c.path))
            << c.name;
}

} // namespace
