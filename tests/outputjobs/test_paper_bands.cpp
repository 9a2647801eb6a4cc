// One-bit labels handed to the spool as their bands of ink.

#include "outputjobs/PaperBands.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <vector>

namespace {

// A one-bit bitmap on white, 100 pixels wide (the last byte of each line half padding, cleared
// so that it reads as ink if it were taken for pixels), with black dots where asked.
QImage dotted(int height, const std::vector<QPoint> &dots)
{
    QImage bitmap(100, height, QImage::Format_Mono);
    bitmap.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    bitmap.fill(1);
    for (int y = 0; y < height; ++y)
        bitmap.scanLine(y)[12] &= 0xF0;
    for (const QPoint &dot : dots)
        bitmap.setPixel(dot, 0);
    return bitmap;
}

void ink(QImage &bitmap, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            bitmap.setPixel(x, y, 0);
}

TEST(PaperBands, BandsHoldTheInkWithABlankRowAndByteAround)
{
    const struct {
        const char *what;
        QImage bitmap;
        std::vector<QRect> bands;
    } cases[] = {
        {"blank, padding aside", dotted(200, {}), {}},
        {"one dot", dotted(200, {{50, 10}}), {QRect(40, 9, 24, 3)}},
        {"32 blank rows part bands", dotted(200, {{50, 10}, {50, 43}}), {QRect(40, 9, 24, 3), QRect(40, 42, 24, 3)}},
        {"31 do not", dotted(200, {{50, 10}, {50, 42}}), {QRect(40, 9, 24, 35)}},
        {"at the edges", dotted(200, {{0, 0}, {99, 20}}), {QRect(0, 0, 100, 22)}},
        {"last pixel", dotted(200, {{99, 199}}), {QRect(88, 198, 12, 2)}},
        {"not one bit", QImage(100, 20, QImage::Format_Indexed8), {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(paperbands::Ink_Bands(c.bitmap), c.bands) << c.what;
}

// Drawn as bands, a label leaves the same pixels as drawn whole, also over what lay beneath.
TEST(PaperBands, BandsDrawWhatTheWholeBitmapDraws)
{
    QImage bitmap = dotted(300, {});
    ink(bitmap, QRect(10, 20, 60, 30));   // a text line
    ink(bitmap, QRect(5, 200, 90, 40));   // a symbol far below it
    ASSERT_EQ(paperbands::Ink_Bands(bitmap).size(), 2u);
    auto drawn = [&](bool bands) {
        QImage sheet(300, 700, QImage::Format_RGB32);
        sheet.fill(Qt::red);   // a neighbour's ink under the label
        QPainter p(&sheet);
        const QRectF target(50, 50, 200, 600);
        const bool asBands = bands && paperbands::Draw_In_Bands(p, bitmap, target);
        if (!bands)
            p.drawImage(target, bitmap);
        return std::make_pair(asBands, sheet);
    };
    const auto [asBands, inBands] = drawn(true);
    EXPECT_TRUE(asBands);
    EXPECT_TRUE(inBands == drawn(false).second);

    // Mostly ink: not worth banding.
    QImage full = dotted(300, {});
    ink(full, QRect(2, 2, 96, 296));
    QImage sheet(100, 300, QImage::Format_RGB32);
    QPainter p(&sheet);
    EXPECT_FALSE(paperbands::Draw_In_Bands(p, full, QRectF(0, 0, 100, 300)));
}

} // namespace
