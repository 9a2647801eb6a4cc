#include "core/Globals.h"
#include "core/GlobalsReset.h"
#include "imaging/Rotated.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

class TextPicture : public ::testing::Test {
protected:
    void SetUp() override { Text_Ctrl_Font = QStringLiteral("DejaVu Sans"); }
    void TearDown() override { resetGlobalsForTests(); }
};

TEST_F(TextPicture, InvalidDataPictureIsAVectorOfTheRectanglesSize)
{
    const platform::Picture p = Rotated::Image_For_invalid_Data(QRectF(0, 0, 200, 100), QStringLiteral("Invalid Data"));
    ASSERT_FALSE(p.isNull());
    EXPECT_TRUE(p.isVector());
    EXPECT_EQ(p.size(), QSizeF(200, 100));
    EXPECT_EQ(p.toImage(144).size(), QSize(400, 200));
}

TEST_F(TextPicture, BlueTextOnItsWhiteBoxOverAHalfTransparentField)
{
    const platform::Picture p = Rotated::Image_For_invalid_Data(QRectF(0, 0, 200, 100), QStringLiteral("Invalid Data"));
    const QImage img = p.toImage(72).convertToFormat(QImage::Format_ARGB32);
    int blue = 0, otherInk = 0;
    int minX = img.width(), maxX = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() == 255 && c.blue() > 200 && c.red() < 120 && c.green() < 120) {
                ++blue;
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            } else if (c.red() < 200 && c.red() > c.blue() + 40) {
                ++otherInk;
            }
        }
    EXPECT_GT(blue, 100);
    EXPECT_EQ(otherInk, 0);
    // Centred across the picture.
    EXPECT_NEAR((minX + maxX) / 2.0, 100, 4);
    // The corners are the half-transparent white field.
    const QColor corner = img.pixelColor(1, 1);
    EXPECT_NEAR(corner.alpha(), 128, 2);
    EXPECT_EQ(corner.red(), 255);

    // Over black, the field lets the dark through but the text's own box does not.
    QImage over(200, 100, QImage::Format_ARGB32);
    over.fill(Qt::black);
    {
        QPainter painter(&over);
        painter.drawImage(0, 0, img);
    }
    EXPECT_LT(over.pixelColor(1, 1).red(), 140);
    EXPECT_GT(over.pixelColor(1, 1).red(), 115);
    int whiteInside = 0;
    for (int x = minX; x <= maxX; ++x)
        if (over.pixelColor(x, 50).red() > 250 && over.pixelColor(x, 50).green() > 250)
            ++whiteInside;
    EXPECT_GT(whiteInside, 0);
}

TEST_F(TextPicture, FontIsFittedBetweenSixAndFortyEightPoints)
{
    EXPECT_DOUBLE_EQ(Rotated::Fitted_Font_Size(QSizeF(20, 5), QStringLiteral("A rather long message")), 6.0);
    EXPECT_DOUBLE_EQ(Rotated::Fitted_Font_Size(QSizeF(2000, 1000), QStringLiteral("Hi")), 48.0);
    const double mid = Rotated::Fitted_Font_Size(QSizeF(200, 100), QStringLiteral("Invalid Data"));
    EXPECT_GT(mid, 12.0);
    EXPECT_LT(mid, 48.0);
    // Twice the room, twice the size (while inside the limits).
    EXPECT_NEAR(Rotated::Fitted_Font_Size(QSizeF(100, 50), QStringLiteral("Invalid Data")) * 2, mid, 0.01);
}

} // namespace
