// The Barcode mode as the design reads it: a 2D check of a series record draws from no picture and
// answers whether a symbol came out, whatever the mode showed before.

#include "test_twod_support.h"

#include "barcodemode/BarcodeModeDesignSide.h"
#include "support/Editions.h"

#include <gtest/gtest.h>

TEST(BarcodeModeDesignSide, TwoDChecksAnswerWhetherTheirOwnSymbolCameOut)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    BarcodeModeController &mode = w.env.barcodeMode();
    BarcodeModeDesignSide side(mode, [&w]() -> Barcode_Gen & { return w.env.barcodeGen(); });
    enum Kind { QR, PDF417, DataMatrix };
    struct Case {
        Kind kind;
        QString value;
        bool drawn;
    };
    const Case cases[] = {
        {QR, QStringLiteral("Tagora"), true},
        {PDF417, QStringLiteral("123456789012"), true},
        {PDF417, QString(), false},
        {DataMatrix, QStringLiteral("DM 1"), true},
        {DataMatrix, QString(4000, QLatin1Char('x')), false},   // more than the largest symbol holds
    };
    const QString titles[] = {QStringLiteral("QR Code"), QStringLiteral("PDF417"), QStringLiteral("DataMatrix")};
    for (const Case &k : cases) {
        SCOPED_TRACE(titles[k.kind].toStdString() + " '" + k.value.left(12).toStdString() + "'");
        w.choose(titles[k.kind]);
        w.generate(QStringLiteral("shown before"));
        ASSERT_FALSE(mode.image_2d.isNull());
        const bool drawn = k.kind == QR       ? side.Draw_QR_Barcode(k.value)
                           : k.kind == PDF417 ? side.Draw_PDF_417_Barcode(k.value, 3)
                                              : side.Draw_DataMatrix_Barcode(k.value, 2);
        EXPECT_EQ(drawn, k.drawn);
        EXPECT_EQ(mode.image_2d.isNull(), !k.drawn);
    }
}
