// The stand-alone PDF417 rendering of the symbol tool.

#include "engines/pdf417/pdf417Tool.h"
#include "support/Decode.h"

#include <gtest/gtest.h>

TEST(Pdf417Tool, StandAloneRenderingDecodesAndReportsFailures)
{
    QString error;
    const platform::Picture picture = pdf417::renderSymbolForTool(QStringLiteral("PDF417 for the symbol tool"), 3, 288, &error);
    ASSERT_FALSE(picture.isNull()) << error.toStdString();
    const QImage image = picture.image();
    // Whole pixels per module (4 at 288 DPI), the size in points from the resolution.
    EXPECT_EQ(image.width() % 4, 0);
    EXPECT_NEAR(picture.size().width(), image.width() * 72.0 / 288, 1e-9);
    const testsupport::Decoded d = testsupport::decode(image, QStringLiteral("PDF417"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("PDF417 for the symbol tool"));

    EXPECT_TRUE(pdf417::renderSymbolForTool(QString(6000, QLatin1Char('a')), 2, 72, &error).isNull());
    EXPECT_EQ(error, QStringLiteral("Error encountered while drawing barcode, error 1."));
    EXPECT_TRUE(pdf417::renderSymbolForTool(QString(), 2, 72, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(pdf417::renderSymbolForTool(QStringLiteral("x"), 2, 0, nullptr).isNull());
}
