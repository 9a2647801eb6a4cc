// A symbol too large to put on pixels at the output resolution (more than 20,000 pixels a side or
// 200 MB), for its value or for its size, is refused before anything of that size is made, and the
// user is told that the size is too large, not that the value is invalid.

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/GenerationCore.h"
#include "model/SKTDocument.h"
#include "core/Globals.h"
#include "core/SymbolGlobals.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "platform/PictureView.h"
#include "support/Editions.h"
#include "support/ScriptedResponder.h"
#include "test_twod_support.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

void generateLinear(twodtest::Window &w, const QString &title, const QString &value)
{
    w.c->barcodeMode().barcodeTypePopup->setCurrentText(title);
    w.c->barcodeMode().Liner_Barcode_Opt_Select();
    w.c->barcodeMode().dataText->setText(value);
    w.c->barcodeMode().goButtonActionPerformed();
}

} // namespace

TEST(SymbolSizeLimit, ValueTooLongForTheOutputIsRefusedAsTooLarge)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::ResponderScope responder;
    twodtest::Window w;
    USED_DPI_VALUE = 600;
    QLabel *label = w.c->barcodeMode().barcode_error_label;
    ASSERT_TRUE(label);
    const QString plain = label->text();

    // 5,000 characters of Code 128: some 60,000 points wide, half a million pixels at 600 DPI.
    generateLinear(w, QStringLiteral("Code 128"), QString(5000, QLatin1Char('A')));
    EXPECT_FALSE(w.c->barcodeMode().barcodeImage->hasPicture());
    EXPECT_FALSE(label->isHidden());
    EXPECT_EQ(label->text(), barcode_generation::kSymbolTooLargeMessage);
    EXPECT_TRUE(responder->alerts.isEmpty());
    EXPECT_FALSE(w.c->barcodeMode().Check_And_Validat_Barcode(false, true));

    // A value that fits shows its symbol; the next invalid value gets the label's own text.
    generateLinear(w, QStringLiteral("Code 128"), QStringLiteral("Tagora"));
    EXPECT_TRUE(w.c->barcodeMode().barcodeImage->hasPicture());
    generateLinear(w, QStringLiteral("EAN-13"), QStringLiteral("ABC"));
    EXPECT_FALSE(label->isHidden());
    EXPECT_EQ(label->text(), plain);

    // The same long value at a resolution low enough is a symbol.
    USED_DPI_VALUE = 20;
    generateLinear(w, QStringLiteral("Code 128"), QString(1500, QLatin1Char('A')));
    EXPECT_TRUE(w.c->barcodeMode().barcodeImage->hasPicture());
    USED_DPI_VALUE = 600;
}

TEST(SymbolSizeLimit, TwoDSymbolsTooLargeAreRefusedAlike)
{
    SKIP_WITHOUT_BARCODE_MODE();
    twodtest::Window w;
    USED_DPI_VALUE = 600;
    w.choose(QStringLiteral("QR Code"));
    // 3,000 points a side: 25,000 pixels at 600 DPI.
    w.c->barcodeMode().HeightText_2D->setText(QStringLiteral("3000"));
    w.generate(QStringLiteral("Tagora"));
    EXPECT_FALSE(w.c->barcodeMode().barcodeImage->hasPicture());
    EXPECT_EQ(w.c->barcodeMode().barcode_error_label->text(), barcode_generation::kSymbolTooLargeMessage);
    EXPECT_FALSE(w.c->barcodeMode().barcode_error_label->isHidden());

    w.c->barcodeMode().HeightText_2D->setText(QStringLiteral("60"));
    w.generate(QStringLiteral("Tagora"));
    EXPECT_TRUE(w.c->barcodeMode().barcodeImage->hasPicture());
}

// The bar height at its field's own maximum makes a symbol too large for 600 DPI: the preview and
// the command that places the symbol on the card say so, and place nothing.
TEST(SymbolSizeLimit, ABarHeightTooLargeSaysTheSizeIsTooLarge)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::ResponderScope responder;
    twodtest::Window w;
    USED_DPI_VALUE = 600;
    w.c->applicationDidFinishLaunching();   // shows the window and hears typing, as at start-up
    BarcodeModeController &bm = w.c->barcodeMode();
    const auto typeHeight = [&bm](const QString &height) {
        bm.HeightText->setFocus();
        bm.HeightText->selectAll();
        QTest::keyClicks(bm.HeightText, height);
        QTest::keyClick(bm.HeightText, Qt::Key_Return);
    };
    ASSERT_TRUE(bm.barcodeImage->hasPicture());

    typeHeight(QStringLiteral("100"));
    EXPECT_FALSE(bm.barcodeImage->hasPicture());
    EXPECT_EQ(bm.barcode_error_label->text(), barcode_generation::kSymbolTooLargeMessage);
    EXPECT_FALSE(bm.barcode_error_label->isHidden());
    QTest::mouseClick(bm.Use_Quick_Barcode_btn, Qt::LeftButton);
    ASSERT_EQ(responder->alertMessages().size(), 1);
    EXPECT_EQ(responder->alertMessages().first().trimmed(), barcode_generation::kSymbolTooLargeMessage);
    EXPECT_TRUE(w.env.document()->graphics().isEmpty());

    // A height that fits draws again; a value the symbology refuses is still an invalid value.
    typeHeight(QStringLiteral("2"));
    EXPECT_TRUE(bm.barcodeImage->hasPicture());
    bm.dataText->setFocus();
    bm.dataText->selectAll();
    QTest::keyClicks(bm.dataText, QStringLiteral("ABC"));
    EXPECT_FALSE(bm.barcodeImage->hasPicture());
    QTest::mouseClick(bm.Use_Quick_Barcode_btn, Qt::LeftButton);
    ASSERT_EQ(responder->alertMessages().size(), 2);
    EXPECT_EQ(responder->alertMessages().last().trimmed(), invalid_barcode_msg);
}
