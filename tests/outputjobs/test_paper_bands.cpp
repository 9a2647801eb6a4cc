// One-bit labels handed to the spool as their bands of ink.

#include "outputjobs/PaperBands.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

// A one-bit bitmap on white, 100 pixels wide, its line padding cleared as ink would be, areas inked.
QImage inked(int height, std::initializer_list<QRect> areas)
{
    QImage bitmap(100, height, QImage::Format_Mono);
    bitmap.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    bitmap.fill(1);
    for (int y = 0; y < height; ++y)
        bitmap.scanLine(y)[12] &= 0xF0;
    for (const QRect &area : areas)
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                bitmap.setPixel(x, y, 0);
    return bitmap;
}

TEST(PaperBands, BandsHoldTheInkWithABlankRowAndByteAround)
{
    using paperbands::Ink_Bands;
    EXPECT_EQ(Ink_Bands(inked(200, {})), std::vector<QRect>()) << "padding is no ink";
    EXPECT_EQ(Ink_Bands(inked(200, {{50, 10, 1, 1}, {50, 43, 1, 1}})),
              std::vector<QRect>({{40, 9, 24, 3}, {40, 42, 24, 3}})) << "32 blank rows part bands";
    EXPECT_EQ(Ink_Bands(inked(200, {{50, 10, 1, 1}, {50, 42, 1, 1}})), std::vector<QRect>({{40, 9, 24, 35}}));
    EXPECT_EQ(Ink_Bands(inked(200, {{99, 199, 1, 1}})), std::vector<QRect>({{88, 198, 12, 2}})) << "last pixel";
}

// Drawn as bands, a label leaves the pixels it leaves drawn whole, also over a neighbour's ink;
// a label mostly of ink is drawn whole.
TEST(PaperBands, BandsDrawWhatTheWholeBitmapDraws)
{
    auto drawn = [](const QImage &bitmap, bool bands) {
        QImage sheet(300, 700, QImage::Format_RGB32);
        sheet.fill(Qt::red);
        QPainter p(&sheet);
        if (!bands || !paperbands::Draw_In_Bands(p, bitmap, QRectF(50, 50, 200, 600)))
            p.drawImage(QRectF(50, 50, 200, 600), bitmap);
        p.end();
        return sheet;
    };
    const QImage text = inked(300, {{10, 20, 60, 30}, {5, 200, 90, 40}});
    EXPECT_TRUE(drawn(text, true) == drawn(text, false));
    QImage sheet(10, 10, QImage::Format_RGB32);
    QPainter p(&sheet);
    EXPECT_TRUE(paperbands::Draw_In_Bands(p, text, QRectF(0, 0, 10, 10)));
    EXPECT_FALSE(paperbands::Draw_In_Bands(p, inked(300, {{2, 2, 96, 296}}), QRectF(0, 0, 10, 10)));
}

} // namespace
