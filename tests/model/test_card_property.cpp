#include "core/Globals.h"
#include "core/GlobalsReset.h"
#include "model/DesignGlobals.h"
#include "model/Card_Property.h"

#include <gtest/gtest.h>

TEST(CardProperty, NewSideIsAWhiteBorderlessRectangle)
{
    Text_Ctrl_Font = QStringLiteral("DejaVu Sans");
    const Card_Property p;
    EXPECT_FALSE(p.Card_border_chk);
    EXPECT_TRUE(p.Card_fill_chk);
    EXPECT_EQ(p.Card_bordr_clr, QColor(Qt::black));
    EXPECT_EQ(p.Card_fill_clr, QColor(Qt::white));
    EXPECT_EQ(p.Card_bor_Stepper, 1);
    EXPECT_EQ(p.Card_border_style, QStringLiteral("S"));
    EXPECT_EQ(p.Card_fill_style, QStringLiteral("S"));
    EXPECT_FLOAT_EQ(p.Card_alpha_Stepper, 100.0f);
    EXPECT_EQ(p.Card_Shape, QStringLiteral("R"));
    EXPECT_EQ(p.Card_Side_Name, QStringLiteral("F"));
    EXPECT_EQ(p.Card_Name, QStringLiteral("Untitled"));
    EXPECT_EQ(p.Card_Preset, QStringLiteral("Custom"));
    EXPECT_EQ(p.Card_Size, QSizeF(0, 0));
    EXPECT_EQ(p.Card_BG_Image_Layout, QStringLiteral("Tile"));
    EXPECT_FALSE(p.Watermark_Used);
    EXPECT_EQ(p.Watermark_Text, QStringLiteral("Watermark"));
    EXPECT_EQ(p.Watermark_Alignment, 0);
    EXPECT_FLOAT_EQ(p.Watermark_Transp, 1.0f);
    EXPECT_EQ(p.Card_Content_font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_DOUBLE_EQ(p.Card_Content_font.pointSizeF(), 12.0);
    resetGlobalsForTests();
}

TEST(CardProperty, CopiesAreIndependent)
{
    Card_Property a;
    Card_Property b = a;
    b.Card_fill_clr = Qt::red;
    EXPECT_EQ(a.Card_fill_clr, QColor(Qt::white));
}
