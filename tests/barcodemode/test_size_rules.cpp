#include "barcodemode/BarcodeSizeRules.h"

#include <gtest/gtest.h>

using namespace barcode_sizes;

TEST(SizeRules, UnitsToPoints)
{
    EXPECT_FLOAT_EQ(toPoints(1, 0), 72.0f);
    EXPECT_FLOAT_EQ(toPoints(2, 1), 56.692944f);
    EXPECT_FLOAT_EQ(toPoints(20, 2), 56.692944f);
    EXPECT_FLOAT_EQ(toPoints(1, 1), 28.346472f);
    EXPECT_FLOAT_EQ(toPoints(1, 7), 72.0f);   // any other unit counts as inch
}

TEST(SizeRules, BandIsOnePointThirtyFiveCapHeights)
{
    EXPECT_FLOAT_EQ(bandHeightInches(10) * 72.0f, 13.5f);
    EXPECT_FLOAT_EQ(bandHeightInches(0), 0.0f);
}

TEST(SizeRules, LinearHeight)
{
    MarginInputs in;
    in.unit = 0;
    in.topBottom = 0.1;
    const Margins m = marginsInPoints(in);
    EXPECT_FLOAT_EQ(linearHeight(1, 0, m, false, 0, false, 0, false, 0), 86.4f);

    // A caption band of cap height 10 adds 13.5 points plus the value margin.
    const float band = bandHeightInches(10);
    in.value = 0.5;
    in.topBottom = 0;
    const Margins withValue = marginsInPoints(in);
    EXPECT_FLOAT_EQ(linearHeight(1, 0, withValue, true, band, false, 0, false, 0), 72.0f + 13.5f + 36.0f);
    // A hidden caption: no band and no value margin.
    in.captionHidden = true;
    const Margins hidden = marginsInPoints(in);
    EXPECT_FLOAT_EQ(hidden.value, 0.0f);
    EXPECT_FLOAT_EQ(linearHeight(1, 0, hidden, false, band, false, 0, false, 0), 72.0f);
}

TEST(SizeRules, HiddenBandsLoseTheirMargins)
{
    MarginInputs in;
    in.unit = 0;
    in.header = in.footer = 0.25;
    in.headerHidden = true;
    const Margins m = marginsInPoints(in);
    EXPECT_FLOAT_EQ(m.header, 0.0f);
    EXPECT_FLOAT_EQ(m.footer, 18.0f);
    EXPECT_FLOAT_EQ(m.leftRight, 7.2f);
}

TEST(SizeRules, PictureWidth)
{
    EXPECT_FLOAT_EQ(pictureWidth(100, 120, 80, false, false, 0), 120.0f);
    EXPECT_FLOAT_EQ(pictureWidth(100, 120, 80, true, false, 0), 100.0f);   // a hidden header counts 0
    EXPECT_FLOAT_EQ(pictureWidth(100, 0, 0, false, false, toPoints(0.1, 0)), 100.0f + 14.4f + 15.0f);
}

TEST(SizeRules, TwoDHeight)
{
    MarginInputs in;
    in.unit = 0;
    in.topBottom = 0;
    in.headerHidden = in.footerHidden = true;
    const Margins m = marginsInPoints(in);
    EXPECT_FLOAT_EQ(twoDHeight(60, m, true, 0.5f, true, 0.5f), 60.0f);
    in.headerHidden = false;
    in.header = 0.1;
    const Margins shown = marginsInPoints(in);
    EXPECT_FLOAT_EQ(twoDHeight(60, shown, false, 0.25f, true, 0.5f), 60.0f + 18.0f + 7.2f);
}

TEST(SizeRules, FontFitting)
{
    // 20 points, twice too wide and half as high as the rectangle: 10 points.
    EXPECT_DOUBLE_EQ(fittingFontSize(6, 48, QSizeF(200, 20), QRectF(0, 0, 100, 40), 20), 10.0);
    EXPECT_DOUBLE_EQ(fittingFontSize(6, 48, QSizeF(200, 20), QRectF(0, 0, 2, 2), 20), 6.0);
    EXPECT_DOUBLE_EQ(fittingFontSize(6, 48, QSizeF(10, 5), QRectF(0, 0, 1000, 1000), 20), 48.0);
    EXPECT_DOUBLE_EQ(fittingFontSize(12, 12, QSizeF(200, 20), QRectF(0, 0, 100, 40), 20), 20.0);
}
