// The card's own layers: base (shape, fill) under the objects, watermark and border over them.

#include "design/CardLayers.h"
#include "model/Card_Property.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A card of the rect drawn at one pixel per point over a transparent ground: the base, then what
// the objects would draw, then the border layer.
QImage drawCard(const Card_Property &card, int shape, const QRectF &rect,
                const std::function<void(QPainter &)> &objects = {})
{
    QImage image(120, 220, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    cardlayers::Card_Base(painter, card, shape, rect);
    if (objects)
        objects(painter);
    cardlayers::Card_Border(painter, card, shape, rect);
    return image;
}

Card_Property filled(const QString &style, float alpha)
{
    Card_Property card;
    card.Card_fill_chk = true;
    card.Card_fill_style = style;
    card.Card_fill_clr = Qt::red;
    card.Card_fill_Grd_1_clr = Qt::red;
    card.Card_fill_Grd_2_clr = Qt::red;
    card.Card_alpha_Stepper = alpha;
    return card;
}

const QRectF kCard(0, 0, 100, 200);

} // namespace

TEST(CardLayers, OutlineFollowsTheShapeCode)
{
    QPainterPath rect;
    rect.addRect(kCard);
    for (int code : {0, 5, -3})
        EXPECT_EQ(cardlayers::Card_Outline(code, kCard), rect) << code;
    QPainterPath rounded;
    rounded.addRoundedRect(kCard, 10, 10);
    EXPECT_EQ(cardlayers::Card_Outline(1, kCard), rounded);
    QPainterPath ellipse;
    ellipse.addEllipse(kCard);
    EXPECT_EQ(cardlayers::Card_Outline(2, kCard), ellipse);
}

TEST(CardLayers, FillsOverTheWhiteBase)
{
    struct Case {
        const char *name;
        Card_Property card;
        int green;   // of a red fill: 0 opaque, more where white shows through
    };
    Card_Property off = filled("S", 0.5f);
    off.Card_fill_chk = false;
    Card_Property noImage = filled("I", 1.0f);
    Card_Property missingHatch = filled("H", 1.0f);
    missingHatch.Card_hatch_bk_clr = Qt::red;
    missingHatch.Card_hatch_style = QStringLiteral("no_such_pattern");
    const Case cases[] = {
        {"solid opaque", filled("S", 1.0f), 0},
        {"solid at 0.5 is lightened by the white base", filled("S", 0.5f), 128},
        {"gradient at 0.5 is two layers, denser", filled("G", 0.5f), 64},
        {"fill off stays white", off, 255},
        {"no background picture stays white", noImage, 255},
        {"a missing hatch leaves its background colour", missingHatch, 0},
        {"an opacity above 1 is opaque", filled("S", 100.0f), 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QColor pixel = drawCard(c.card, 0, kCard).pixelColor(50, 100);
        EXPECT_EQ(pixel.alpha(), 255);
        EXPECT_EQ(pixel.red(), 255);
        EXPECT_NEAR(pixel.green(), c.green, 2);
    }
}

TEST(CardLayers, EllipseCardClipsObjectsAndHalfTheBorder)
{
    Card_Property card;
    card.Card_fill_chk = false;
    card.Card_border_chk = true;
    card.Card_bor_Stepper = 6;
    card.Card_bordr_clr = Qt::blue;
    const QImage image = drawCard(card, 2, kCard, [](QPainter &p) { p.fillRect(QRectF(-50, -50, 300, 300), Qt::green); });
    EXPECT_EQ(image.pixelColor(3, 3).alpha(), 0) << "an object across the edge is cut along the ellipse";
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::green));
    // At the left end of the ellipse, 3 of the 6 points of border lie inside.
    EXPECT_EQ(image.pixelColor(1, 100), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(5, 100), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(110, 100).alpha(), 0);
}

TEST(CardLayers, BorderStyleOutsideTheTableIsSolid)
{
    Card_Property card;
    card.Card_fill_chk = false;
    card.Card_border_chk = true;
    card.Card_bor_Stepper = 2;
    card.Card_border_style = QStringLiteral("S");
    const QImage solid = drawCard(card, 0, kCard);
    card.Card_border_style = QStringLiteral("XX");
    EXPECT_EQ(drawCard(card, 0, kCard), solid);
    card.Card_border_style = QStringLiteral("DA");
    EXPECT_NE(drawCard(card, 0, kCard), solid);
}

TEST(CardLayers, WatermarkTopByAlignment)
{
    const QRectF card(0, 0, 300, 200);
    EXPECT_EQ(cardlayers::Watermark_Top(0, card, 20), 0);
    EXPECT_EQ(cardlayers::Watermark_Top(1, card, 20), 90);
    EXPECT_EQ(cardlayers::Watermark_Top(2, card, 20), 180);
    EXPECT_EQ(cardlayers::Watermark_Top(5, card, 20), 0);

    // Drawn: at the bottom the ink lies in the last band of the card only.
    Card_Property wm;
    wm.Card_fill_chk = false;
    wm.Watermark_Used = true;
    wm.Watermark_Text = QStringLiteral("MMMM");
    wm.Watermark_Font = QFont(QStringLiteral("DejaVu Sans"));
    wm.Watermark_Font.setPointSizeF(14);
    wm.Watermark_Alignment = 2;
    const QImage image = drawCard(wm, 0, kCard);
    int top = 220, bottom = -1;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 100; ++x)
            if (image.pixelColor(x, y).lightness() < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_GT(top, 170);
    EXPECT_LT(bottom, 200);
}

TEST(CardLayers, CardWithoutAreaDrawsNothing)
{
    Card_Property card = filled("S", 1.0f);
    card.Card_border_chk = true;
    card.Watermark_Used = true;
    for (const QRectF &rect : {QRectF(0, 0, 0, 0), QRectF(0, 0, 100, 0), QRectF(0, 0, std::nan(""), 10)}) {
        const QImage image = drawCard(card, 0, rect, [](QPainter &p) { p.fillRect(QRectF(0, 0, 50, 50), Qt::green); });
        EXPECT_EQ(image.pixelColor(10, 10).alpha(), 0);
    }
}
