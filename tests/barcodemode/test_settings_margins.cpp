// Margin and size pairs of the Barcode mode: which half moves the other, and how much of the
// picture changes.

#include "test_settings_fixture.h"

#include "platform/PictureView.h"
#include "advqr/AdvQrController.h"
#include "barcodemode/BarcodeModeController.h"
#include "support/LocaleScope.h"
#include "support/NumberFieldSweep.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/SymbolGlobals.h"
#include "core/Units.h"

using namespace settings_test;

TEST_F(SettingsWindow, TypedLeftRightMarginMovesStepperAndWidensOnly)
{
    ASSERT_DOUBLE_EQ(env.barcodeMode().LR_mar_Stepper->doubleValue(), 0.1);
    const QSizeF before = pictureSize();
    typeInto(env.barcodeMode().LR_mar_Text, QStringLiteral("0.5"));
    EXPECT_DOUBLE_EQ(env.barcodeMode().LR_mar_Stepper->doubleValue(), double(0.5f));
    const QSizeF after = pictureSize();
    // Both sides grow by the 0.4 cm added to the margin; the height stays.
    EXPECT_NEAR(after.width() - before.width(), 2 * 0.4 * kPointsPerCm, 0.01);
    EXPECT_DOUBLE_EQ(after.height(), before.height());
}

TEST_F(SettingsWindow, LeftRightStepperClickWritesItsValueIntoTheField)
{
    const QSizeF before = pictureSize();
    clickStepper(env.barcodeMode().LR_mar_Stepper, true);
    EXPECT_EQ(env.barcodeMode().LR_mar_Text->text(), QStringLiteral("0.2"));
    EXPECT_NEAR(pictureSize().width() - before.width(), 2 * 0.1 * kPointsPerCm, 0.01);
    clickStepper(env.barcodeMode().LR_mar_Stepper, false);
    clickStepper(env.barcodeMode().LR_mar_Stepper, false);
    EXPECT_EQ(env.barcodeMode().LR_mar_Text->text(), QStringLiteral("0"));
    // A margin of 0 also drops the 15 points a margin brings.
    EXPECT_NEAR(before.width() - pictureSize().width(), 2 * 0.1 * kPointsPerCm + 15, 0.01);
}

TEST_F(SettingsWindow, TopBottomMarginChangesHeightNotWidth)
{
    const QSizeF before = pictureSize();
    typeInto(env.barcodeMode().TB_mar_Text, QStringLiteral("0.5"));
    EXPECT_DOUBLE_EQ(env.barcodeMode().TB_mar_Stepper->doubleValue(), double(0.5f));
    EXPECT_NEAR(pictureSize().height() - before.height(), 2 * 0.4 * kPointsPerCm, 0.01);
    EXPECT_DOUBLE_EQ(pictureSize().width(), before.width());
}

TEST_F(SettingsWindow, ValueHeaderAndFooterMarginsEachAddTheirGap)
{
    QSizeF before = pictureSize();
    typeInto(env.barcodeMode().val_mar_Text, QStringLiteral("1"));
    EXPECT_NEAR(pictureSize().height() - before.height(), 0.9 * kPointsPerCm, 0.01);
    before = pictureSize();
    clickStepper(env.barcodeMode().hdr_mar_Stepper, true);
    EXPECT_EQ(env.barcodeMode().hdr_mar_Text->text(), QStringLiteral("0.2"));
    EXPECT_NEAR(pictureSize().height() - before.height(), 0.1 * kPointsPerCm, 0.01);
    before = pictureSize();
    typeInto(env.barcodeMode().ftr_mar_Text, QStringLiteral("0.3"));
    EXPECT_NEAR(pictureSize().height() - before.height(), 0.2 * kPointsPerCm, 0.01);
}

TEST_F(SettingsWindow, BarHeightPairRelaysTheSymbol)
{
    const QSizeF before = pictureSize();
    typeInto(env.barcodeMode().HeightText, QStringLiteral("2.5"));
    EXPECT_DOUBLE_EQ(env.barcodeMode().HeightStepper->doubleValue(), 2.5);
    EXPECT_NEAR(pictureSize().height() - before.height(), 1.5 * kPointsPerCm, 0.01);
    EXPECT_DOUBLE_EQ(pictureSize().width(), before.width());
}

// The bar height drawn is the one the field shows, "2,5" and "2.5" alike, under any locale.
TEST_F(SettingsWindow, BarHeightWithADecimalCommaDrawsTheHeightShown)
{
    const QSizeF before = pictureSize();   // drawn at the default 1 cm
    for (const char *locale : {"C", "de_DE"}) {
        LocaleScope scope(locale);
        for (const char *typed : {"2,5", "2.5"}) {
            SCOPED_TRACE(std::string(locale) + " " + typed);
            typeInto(env.barcodeMode().HeightText, QStringLiteral("1"));
            typeInto(env.barcodeMode().HeightText, QString::fromLatin1(typed));
            EXPECT_EQ(env.barcodeMode().HeightText->text(), QLocale().toString(2.5));   // as the locale writes it
            EXPECT_DOUBLE_EQ(env.barcodeMode().HeightStepper->doubleValue(), 2.5);
            EXPECT_NEAR(pictureSize().height() - before.height(), 1.5 * kPointsPerCm, 0.01);
        }
    }
}

TEST_F(SettingsWindow, BarWidthStepperWidensTheBars)
{
    const float barsBefore = env.barcodeMode().testBarcode->barWidth();
    const QSizeF before = pictureSize();
    clickStepper(env.barcodeMode().widthStepper, true);
    EXPECT_EQ(env.barcodeMode().widthText->text(), QStringLiteral("21"));
    EXPECT_FLOAT_EQ(env.barcodeMode().testBarcode->barWidth(), 21.0f / 1000.0f * 72.0f);
    EXPECT_FLOAT_EQ(barsBefore, 20.0f / 1000.0f * 72.0f);
    EXPECT_GT(pictureSize().width(), before.width());
    EXPECT_DOUBLE_EQ(pictureSize().height(), before.height());
}

TEST_F(SettingsWindow, WithoutAModelAPairOnlyCopies)
{
    env.barcodeMode().Set_Linear_Value_in_Field(QStringLiteral("ABC"));
    choose(QStringLiteral("EAN-13"));   // a value the symbology refuses: no model, blank preview
    ASSERT_FALSE(env.barcodeMode().testBarcode);
    ASSERT_FALSE(env.barcodeMode().barcodeImage->hasPicture());
    typeInto(env.barcodeMode().LR_mar_Text, QStringLiteral("0.7"));
    EXPECT_DOUBLE_EQ(env.barcodeMode().LR_mar_Stepper->doubleValue(), double(0.7f));
    clickStepper(env.barcodeMode().HeightStepper, true);
    EXPECT_EQ(env.barcodeMode().HeightText->text(), QStringLiteral("1.1"));
    EXPECT_FALSE(env.barcodeMode().barcodeImage->hasPicture());
}

TEST_F(SettingsWindow, DesigningModeLeavesHeaderFooterAndOuterMarginsAlone)
{
    const QSizeF before = pictureSize();
    ModeScope designing(1);
    typeInto(env.barcodeMode().hdr_mar_Text, QStringLiteral("0.9"));
    typeInto(env.barcodeMode().ftr_mar_Text, QStringLiteral("0.9"));
    typeInto(env.barcodeMode().TB_mar_Text, QStringLiteral("0.9"));
    typeInto(env.barcodeMode().LR_mar_Text, QStringLiteral("0.9"));
    clickStepper(env.barcodeMode().TB_mar_Stepper, true);
    for (platform::Stepper *s : {env.barcodeMode().hdr_mar_Stepper, env.barcodeMode().ftr_mar_Stepper, env.barcodeMode().LR_mar_Stepper})
        EXPECT_DOUBLE_EQ(s->doubleValue(), 0.1);
    EXPECT_DOUBLE_EQ(env.barcodeMode().TB_mar_Stepper->doubleValue(), 0.2);   // the arrow moves the stepper itself
    EXPECT_EQ(env.barcodeMode().TB_mar_Text->text(), QStringLiteral("0.9"));  // but nothing is copied
    EXPECT_EQ(pictureSize(), before);
    // The caption box is ignored there too.
    clickBox(env.barcodeMode().captionCheckbox);
    EXPECT_TRUE(env.barcodeMode().testBarcode->printsCaption());
    EXPECT_EQ(pictureSize(), before);
}

TEST_F(SettingsWindow, ValueMarginActsInEveryMode)
{
    const QSizeF before = pictureSize();
    ModeScope designing(1);
    typeInto(env.barcodeMode().val_mar_Text, QStringLiteral("0.5"));
    EXPECT_DOUBLE_EQ(env.barcodeMode().val_mar_Stepper->doubleValue(), double(0.5f));
    EXPECT_NEAR(pictureSize().height() - before.height(), 0.4 * kPointsPerCm, 0.01);
}

TEST_F(SettingsWindow, TwoDMarginsReframeAndValueMarginOnlyCopies)
{
    choose(QStringLiteral("QR Code"));
    ASSERT_EQ(env.barcodeMode().liner_or_2D_font, 1);
    ASSERT_TRUE(env.barcodeMode().barcodeImage->hasPicture());
    const QSizeF before = pictureSize();
    typeInto(env.barcodeMode().val_mar_Text, QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(env.barcodeMode().val_mar_Stepper->doubleValue(), 2.0);
    EXPECT_EQ(pictureSize(), before);
    typeInto(env.barcodeMode().hdr_mar_Text, QStringLiteral("0.5"));
    EXPECT_NEAR(pictureSize().height() - before.height(), 0.4 * kPointsPerCm, 0.01);
    typeInto(env.barcodeMode().LR_mar_Text, QStringLiteral("0.3"));
    EXPECT_NEAR(pictureSize().width() - before.width(), 2 * 0.2 * kPointsPerCm, 0.01);
}

TEST_F(SettingsWindow, QrSizePairCopiesTheIntegerAndRegenerates)
{
    choose(QStringLiteral("QR Code"));
    const QSizeF before = pictureSize();
    typeInto(env.barcodeMode().HeightText_2D, QStringLiteral("90.8"));
    EXPECT_EQ(env.barcodeMode().HeightStepper_2D->intValue(), 90);
    EXPECT_NEAR(pictureSize().height() - before.height(), 30, 1.0);
    clickStepper(env.barcodeMode().HeightStepper_2D, true);
    EXPECT_EQ(env.barcodeMode().HeightText_2D->text(), QStringLiteral("91"));
}

TEST_F(SettingsWindow, Pdf417WidthAndHeightPairsRegenerate)
{
    env.barcodeMode().Set_Two_D_Value_in_Field(QStringLiteral("PDF417 TEST"));
    choose(QStringLiteral("PDF417"));
    ASSERT_EQ(Barcode_module_size, 20);   // the module size comes from the height stepper
    typeInto(env.barcodeMode().pdf_HeightText_2D, QStringLiteral("3"));
    EXPECT_EQ(env.barcodeMode().pdf_HeightStepper_2D->intValue(), 3);
    EXPECT_EQ(Barcode_module_size, 3);   // the symbol was generated again with it
    Barcode_module_size = 0;
    clickStepper(env.barcodeMode().Pdf_widthStepper_2D, true);
    EXPECT_EQ(env.barcodeMode().Pdf_widthText_2D->text(), QStringLiteral("101"));
    EXPECT_EQ(Barcode_module_size, 3);
}

TEST_F(SettingsWindow, AdvancedQrModeServesItsOwnPairs)
{
    ModeScope advanced(2);
    env.advQr().ADV_QR_HeightText_2D->setText(QStringLiteral("150"));
    env.barcodeMode().heightChanged(env.advQr().ADV_QR_HeightText_2D);
    EXPECT_EQ(env.advQr().ADV_QR_HeightStepper_2D->intValue(), 150);
    EXPECT_EQ(env.barcodeMode().HeightStepper_2D->intValue(), 60);
    env.barcodeMode().heightChanged(env.advQr().ADV_QR_HeightStepper_2D);
    EXPECT_EQ(env.advQr().ADV_QR_HeightText_2D->text(), QStringLiteral("150"));

    env.advQr().ADV_QR_hdr_mar_Text->setText(QStringLiteral("0.4"));
    env.barcodeMode().Header_Margin_Changed(env.advQr().ADV_QR_hdr_mar_Text);
    EXPECT_DOUBLE_EQ(env.advQr().ADV_QR_hdr_mar_Stepper->doubleValue(), double(0.4f));
    EXPECT_DOUBLE_EQ(env.barcodeMode().hdr_mar_Stepper->doubleValue(), 0.1);
    env.advQr().ADV_QR_LR_mar_Stepper->stepUp();   // the user's click runs the handler once wired; here by hand
    env.barcodeMode().LR_Margin_Changed(env.advQr().ADV_QR_LR_mar_Stepper);
    EXPECT_EQ(env.advQr().ADV_QR_LR_mar_Text->text(), QStringLiteral("0.2"));
    EXPECT_EQ(env.barcodeMode().LR_mar_Text->text(), QStringLiteral("0.10"));
}

TEST_F(SettingsWindow, ModelessHandlersInAdvancedQrModeLeaveItsPreviewAlone)
{
    const float height = env.barcodeMode().testBarcode->height();
    const float width = env.barcodeMode().testBarcode->width();
    ModeScope advanced(2);
    const bool advancedShown = env.advQr().QR_barcodeImage->hasPicture();
    const QSizeF advancedSize = env.advQr().QR_barcodeImage->picture().size();
    typeInto(env.barcodeMode().val_mar_Text, QStringLiteral("0.5"));
    clickStepper(env.barcodeMode().widthStepper, true);
    // The Barcode-mode model follows the controls...
    EXPECT_DOUBLE_EQ(env.barcodeMode().val_mar_Stepper->doubleValue(), double(0.5f));
    EXPECT_NEAR(env.barcodeMode().testBarcode->height() - height, 0.4 * kPointsPerCm, 0.01);
    EXPECT_GT(env.barcodeMode().testBarcode->width(), width);
    // ...but its picture is not put into the Advanced QR mode's preview.
    EXPECT_EQ(env.advQr().QR_barcodeImage->hasPicture(), advancedShown);
    EXPECT_EQ(env.advQr().QR_barcodeImage->picture().size(), advancedSize);
}

TEST_F(SettingsWindow, MarginRowsNameTheirBandInEveryUnit)
{
    BarcodeModeController &bm = env.barcodeMode();
    // As set up: centimetres.
    EXPECT_EQ(bm.hdr_mar_label->text(), QStringLiteral("Header Margin (cm):"));
    EXPECT_EQ(bm.ftr_mar_label->text(), QStringLiteral("Footer Margin (cm):"));
    const int saved = Measument_Unit_Is_Barcode;
    const std::pair<int, QString> units[] = {{0, QStringLiteral("in")}, {1, QStringLiteral("cm")}, {2, QStringLiteral("mm")}};
    for (const auto &[unit, name] : units) {
        Measument_Unit_Is_Barcode = unit;
        bm._setLabels_Barcode();
        EXPECT_EQ(bm.hdr_mar_label->text(), QStringLiteral("Header Margin (%1):").arg(name));
        EXPECT_EQ(bm.ftr_mar_label->text(), QStringLiteral("Footer Margin (%1):").arg(name));
        EXPECT_EQ(bm.val_mar_label->text(), QStringLiteral("Value Margin (%1):").arg(name));
        EXPECT_EQ(bm.TB_mar_label->text(), QStringLiteral("Top and Bottom (%1):").arg(name));
    }
    Measument_Unit_Is_Barcode = saved;
    bm._setLabels_Barcode();
}

TEST_F(SettingsWindow, SizesAndMarginsOutsideTheirRangeAreBoundedWhenEditingEnds)
{
    BarcodeModeController &bm = env.barcodeMode();
    // At 300 DPI the tallest bars the stepper allows (100 cm) still make a picture; at 600 DPI
    // they would pass the 20,000-pixel limit and be refused.
    USED_DPI_VALUE = 300;
    bm.Set_Linear_Value_in_Field(QStringLiteral("400638133393"));
    choose(QStringLiteral("EAN-13"));
    ASSERT_TRUE(bm.testBarcode);
    struct Case {
        QLineEdit *field;
        platform::Stepper *stepper;
        QString typed, shown;
    };
    const Case cases[] = {
        {bm.HeightText, bm.HeightStepper, QStringLiteral("-1"), QStringLiteral("1")},
        {bm.HeightText, bm.HeightStepper, QStringLiteral("0"), QStringLiteral("1")},
        {bm.HeightText, bm.HeightStepper, QStringLiteral("1e2"), QStringLiteral("1")},
        {bm.widthText, bm.widthStepper, QStringLiteral("-20"), QStringLiteral("20")},
        {bm.widthText, bm.widthStepper, QStringLiteral("0"), QStringLiteral("20")},
        {bm.widthText, bm.widthStepper, QStringLiteral("wide"), QStringLiteral("20")},
        {bm.val_mar_Text, bm.val_mar_Stepper, QStringLiteral("-0.5"), QStringLiteral("0.1")},
        {bm.hdr_mar_Text, bm.hdr_mar_Stepper, QStringLiteral("-1"), QStringLiteral("0.1")},
        {bm.ftr_mar_Text, bm.ftr_mar_Stepper, QStringLiteral("none"), QStringLiteral("0.1")},
        {bm.TB_mar_Text, bm.TB_mar_Stepper, QStringLiteral("-2"), QStringLiteral("0.1")},
        {bm.LR_mar_Text, bm.LR_mar_Stepper, QStringLiteral("-2"), QStringLiteral("0.1")},
        {bm.HeightText, bm.HeightStepper, QStringLiteral("101"), QStringLiteral("1")},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.field->objectName().toStdString() + " " + k.typed.toStdString());
        // The field's message; the picture, the value and the field as they were (shown as held).
        const QSizeF expected = pictureSize();
        responder->alerts.clear();
        typeInto(k.field, k.typed);
        EXPECT_EQ(k.field->text(), k.shown);
        EXPECT_DOUBLE_EQ(k.stepper->doubleValue(), k.shown.toDouble());
        EXPECT_EQ(pictureSize(), expected);
        EXPECT_EQ(responder->alerts.size(), 1);
    }
    // A value in range is taken, shown as held.
    typeInto(bm.HeightText, QStringLiteral("2.50"));
    EXPECT_EQ(bm.HeightText->text(), QStringLiteral("2.5"));
    EXPECT_DOUBLE_EQ(bm.HeightStepper->doubleValue(), 2.5);
}

// Every number field of the settings, in the family that shows it, typed in the user's locale and
// ended however the user ends it.
TEST_F(SettingsWindow, EveryNumberFieldReadsAlikeOrRefuses)
{
    BarcodeModeController &bm = env.barcodeMode();
    bm.Set_Two_D_Value_in_Field(QStringLiteral("ABC"));
    const std::pair<QString, QList<testsupport::NumberField>> families[] = {
        {"Code 128", {{bm.HeightText, bm.HeightStepper, "bar height"}, {bm.widthText, bm.widthStepper, "bar width"},
                      {bm.val_mar_Text, bm.val_mar_Stepper, "value margin"}, {bm.hdr_mar_Text, bm.hdr_mar_Stepper, "header margin"},
                      {bm.ftr_mar_Text, bm.ftr_mar_Stepper, "footer margin"}, {bm.TB_mar_Text, bm.TB_mar_Stepper, "top and bottom margin"},
                      {bm.LR_mar_Text, bm.LR_mar_Stepper, "left and right margin"}, {bm.dpi_Text, bm.dpi_Stepper, "resolution"}}},
        {"QR Code", {{bm.HeightText_2D, bm.HeightStepper_2D, "QR code size"}}},
        {"PDF417", {{bm.Pdf_widthText_2D, bm.Pdf_widthStepper_2D, "PDF417 width"}, {bm.pdf_HeightText_2D, bm.pdf_HeightStepper_2D, "PDF417 height"},
                    {bm.pdf_row_Text, bm.pdf_row_Stepper, "row count"}, {bm.pdf_col_Text, bm.pdf_col_Stepper, "column count"},
                    {bm.pdf_ec_lvl_Text, bm.pdf_ec_lvl_Stepper, "error correction level"}}},
        {"DataMatrix", {{bm.dm_moduleText_2D, bm.dm_moduleStepper_2D, "module size"}, {bm.dm_widthText_2D, bm.dm_widthStepper_2D, "DataMatrix width"},
                        {bm.dm_HeightText_2D, bm.dm_HeightStepper_2D, "DataMatrix height"}}}};
    for (const auto &[symbology, fields] : families) {
        choose(symbology);
        EXPECT_EQ(testsupport::sweepNumberFields(fields, *responder), "");
    }
}
