// Symbology choice, family radios, print-flag boxes and the batch check box of the Barcode mode.

#include "test_settings_fixture.h"

#include "support/Decode.h"
#include "advqr/AdvQrController.h"
#include "barcodemode/BarcodeModeController.h"
#include "outputjobs/OutputGlobals.h"

#include <QGroupBox>
#include <QRadioButton>

using namespace settings_test;

TEST_F(SettingsWindow, Ean13DisablesKerningAndCode128EnablesItAgain)
{
    choose(QStringLiteral("EAN-13"));
    EXPECT_FALSE(env.barcodeMode().kerning_value_Checkbox->isEnabled());
    ASSERT_TRUE(env.barcodeMode().testBarcode);
    EXPECT_EQ(env.barcodeMode().testBarcode->className(), QStringLiteral("NKDEAN13Barcode"));
    EXPECT_TRUE(env.barcodeMode().barcodeImage->hasPicture());
    choose(QStringLiteral("Code 128"));
    EXPECT_TRUE(env.barcodeMode().kerning_value_Checkbox->isEnabled());
    ASSERT_TRUE(env.barcodeMode().testBarcode);
    EXPECT_EQ(env.barcodeMode().testBarcode->className(), QStringLiteral("NKDCode128Barcode"));
    for (const char *upc : {"UPCA", "UPCE", "EAN-8"}) {
        env.barcodeMode().Set_Linear_Value_in_Field(QStringLiteral("0123456"));
        choose(QString::fromLatin1(upc));
        EXPECT_FALSE(env.barcodeMode().kerning_value_Checkbox->isEnabled()) << upc;
        choose(QStringLiteral("Code 39"));
        EXPECT_TRUE(env.barcodeMode().kerning_value_Checkbox->isEnabled()) << upc;
    }
}

TEST_F(SettingsWindow, EmptyValueBlanksAndLeavesKerningAsTheFamilyStepSetIt)
{
    env.barcodeMode().Set_Linear_Value_in_Field(QString());
    choose(QStringLiteral("EAN-13"));
    EXPECT_FALSE(env.barcodeMode().barcodeImage->hasPicture());
    EXPECT_FALSE(env.barcodeMode().barcode_error_label->isHidden());
    EXPECT_TRUE(env.barcodeMode().kerning_value_Checkbox->isEnabled());
}

TEST_F(SettingsWindow, SymbologyChangeKeepsTheSettingsAndReenablesLinearControls)
{
    typeInto(env.barcodeMode().HeightText, QStringLiteral("2"));
    env.barcodeMode().HeightText->setEnabled(false);
    env.barcodeMode().showinTopCheckbox->setEnabled(false);
    choose(QStringLiteral("Code 39"));
    EXPECT_TRUE(env.barcodeMode().HeightText->isEnabled());
    EXPECT_TRUE(env.barcodeMode().showinTopCheckbox->isEnabled());
    EXPECT_EQ(env.barcodeMode().HeightText->text(), QStringLiteral("2"));
    EXPECT_EQ(env.barcodeMode().dataText->text(), QStringLiteral("123456789012"));
    // A value the new symbology refuses blanks the preview.
    env.barcodeMode().Set_Linear_Value_in_Field(QStringLiteral("ABC"));
    choose(QStringLiteral("EAN-13"));
    EXPECT_FALSE(env.barcodeMode().testBarcode);
    EXPECT_FALSE(env.barcodeMode().barcodeImage->hasPicture());
}

TEST_F(SettingsWindow, Pdf417WithEmpty2DValueBlanksWithoutDrawing)
{
    env.barcodeMode().Set_Two_D_Value_in_Field(QString());
    choose(QStringLiteral("PDF417"));
    EXPECT_EQ(env.barcodeMode().liner_or_2D_font, 1);
    EXPECT_TRUE(env.barcodeMode().pdf_2d_sett_box->isVisibleTo(env.window()));
    EXPECT_FALSE(env.barcodeMode().barcodeImage->hasPicture());
    EXPECT_TRUE(env.barcodeMode().image_2d.isNull());
    EXPECT_FALSE(env.barcodeMode().barcode_error_label->isHidden());
}

TEST_F(SettingsWindow, QrCodeChoiceDrawsADecodableSymbol)
{
    env.barcodeMode().Set_Two_D_Value_in_Field(QStringLiteral("Tagora settings"));
    choose(QStringLiteral("QR Code"));
    EXPECT_EQ(env.barcodeMode().liner_or_2D_font, 1);
    EXPECT_TRUE(env.barcodeMode().TwoD_Barcode_RD->isChecked());
    EXPECT_FALSE(env.barcodeMode().testBarcode);
    ASSERT_TRUE(env.barcodeMode().barcodeImage->hasPicture());
    QImage image = env.barcodeMode().barcodeImage->picture().toImage(144);
    const testsupport::Decoded d = testsupport::decode(image, QStringLiteral("QRCode"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("Tagora settings"));
}

TEST_F(SettingsWindow, FamilyRadiosSwitchPanesAndRegenerate)
{
    clickBox(env.barcodeMode().TwoD_Barcode_RD);
    EXPECT_EQ(env.barcodeMode().liner_or_2D_font, 1);
    EXPECT_FALSE(env.barcodeMode().dataText->isVisibleTo(env.window()));
    // "Code 128" is no 2D title: the 2D family draws nothing for it.
    EXPECT_FALSE(env.barcodeMode().barcodeImage->hasPicture());
    clickBox(env.barcodeMode().Linear_Barcode_RD);
    EXPECT_EQ(env.barcodeMode().liner_or_2D_font, 0);
    EXPECT_TRUE(env.barcodeMode().dataText->isVisibleTo(env.window()));
    EXPECT_TRUE(env.barcodeMode().barcodeImage->hasPicture());
    ASSERT_TRUE(env.barcodeMode().testBarcode);
}

TEST_F(SettingsWindow, HideValueDisablesValueOnTopAndDropsTheValueBand)
{
    const QSizeF shown = pictureSize();
    clickBox(env.barcodeMode().captionCheckbox);
    EXPECT_FALSE(env.barcodeMode().showinTopCheckbox->isEnabled());
    EXPECT_FALSE(env.barcodeMode().testBarcode->printsCaption());
    const double band = bandPoints(env.barcodeMode().value_font) + 0.1 * kPointsPerCm;
    EXPECT_NEAR(shown.height() - pictureSize().height(), band, 0.05);
    EXPECT_DOUBLE_EQ(pictureSize().width(), shown.width());
    clickBox(env.barcodeMode().captionCheckbox);
    EXPECT_TRUE(env.barcodeMode().showinTopCheckbox->isEnabled());
    EXPECT_TRUE(env.barcodeMode().testBarcode->printsCaption());
    EXPECT_NEAR(pictureSize().height(), shown.height(), 1e-3);
}

TEST_F(SettingsWindow, HideHeaderAndFooterDropTheirBandsInBothFamilies)
{
    const QSizeF before = pictureSize();
    clickBox(env.barcodeMode().hideHeaderCheckbox);
    EXPECT_FALSE(env.barcodeMode().testBarcode->printsHeader());
    EXPECT_NEAR(before.height() - pictureSize().height(), bandPoints(env.barcodeMode().header_font) + 0.1 * kPointsPerCm, 0.05);
    clickBox(env.barcodeMode().hideFooterCheckbox);
    EXPECT_FALSE(env.barcodeMode().testBarcode->printsFooter());
    clickBox(env.barcodeMode().hideHeaderCheckbox);
    clickBox(env.barcodeMode().hideFooterCheckbox);
    EXPECT_NEAR(pictureSize().height(), before.height(), 1e-3);

    choose(QStringLiteral("QR Code"));
    const QSizeF qr = pictureSize();
    ASSERT_TRUE(env.barcodeMode().printsFooter());
    clickBox(env.barcodeMode().hideFooterCheckbox);
    EXPECT_FALSE(env.barcodeMode().printsFooter());
    EXPECT_NEAR(qr.height() - pictureSize().height(), bandPoints(env.barcodeMode().footer_font) + 0.1 * kPointsPerCm, 0.05);
}

TEST_F(SettingsWindow, AWiderHeaderShownAgainWidensThePicture)
{
    env.barcodeMode().HeaderText->setText(QStringLiteral("A HEADER MUCH WIDER THAN THE BARS OF THIS SYMBOL"));
    clickBox(env.barcodeMode().hideHeaderCheckbox);
    env.barcodeMode().Generate_Barcode_Thread_Function();
    const double narrow = pictureSize().width();
    clickBox(env.barcodeMode().hideHeaderCheckbox);
    const double headerWidth = textMeasurer().textSize(env.barcodeMode().HeaderText->text(), env.barcodeMode().header_font).width();
    EXPECT_GT(pictureSize().width(), narrow);
    EXPECT_GE(pictureSize().width(), headerWidth);
}

TEST_F(SettingsWindow, AdvancedQrHideBoxesDriveTheRoleAndTheirSettingBoxes)
{
    ModeScope advanced(2);
    env.advQr().ADV_QR_hideHeaderCheckbox->setChecked(true);
    env.barcodeMode().hideHeaderChanged(env.advQr().ADV_QR_hideHeaderCheckbox);
    EXPECT_FALSE(env.barcodeMode().printsHeader());
    EXPECT_FALSE(env.advQr().ADV_QR_hdr_box->isEnabled());
    EXPECT_TRUE(env.barcodeMode().testBarcode->printsHeader());   // the Barcode mode's symbol is not touched
    env.advQr().ADV_QR_hideHeaderCheckbox->setChecked(false);
    env.barcodeMode().hideHeaderChanged(env.advQr().ADV_QR_hideHeaderCheckbox);
    EXPECT_TRUE(env.barcodeMode().printsHeader());
    EXPECT_TRUE(env.advQr().ADV_QR_hdr_box->isEnabled());
    env.advQr().ADV_QR_hideFooterCheckbox->setChecked(true);
    env.barcodeMode().hideFooterChanged(env.advQr().ADV_QR_hideFooterCheckbox);
    EXPECT_FALSE(env.barcodeMode().printsFooter());
    EXPECT_FALSE(env.advQr().ADV_QR_ftr_box->isEnabled());
}

TEST_F(SettingsWindow, BatchCheckBoxSwitchesBetweenManualAndBatch)
{
    clickBox(env.barcodeMode().data_source_chkbox);
    EXPECT_EQ(env.barcodeMode().data_source_txt_box->text(), QStringLiteral("Batch Processing"));
    EXPECT_TRUE(Use_Data_Sheet_Values);
    EXPECT_TRUE(env.barcodeMode().barcode_value_chk->isChecked());
    EXPECT_TRUE(env.barcodeMode().barcode_header_chk->isChecked());
    EXPECT_TRUE(env.barcodeMode().barcode_footer_chk->isChecked());
    EXPECT_TRUE(env.barcodeMode().Custom_Sheet_RD->isEnabled());
    EXPECT_TRUE(env.barcodeMode().batch_chk_Gp_Bx->isEnabled());
    EXPECT_TRUE(env.barcodeMode().dataText->isReadOnly());

    env.barcodeMode().Set_Linear_Value_in_Field(QString());
    env.barcodeMode().HeaderText->clear();
    env.barcodeMode().FooterText->clear();
    clickBox(env.barcodeMode().data_source_chkbox);
    EXPECT_EQ(env.barcodeMode().data_source_txt_box->text(), QStringLiteral("Manual"));
    EXPECT_FALSE(Use_Data_Sheet_Values);
    EXPECT_FALSE(env.barcodeMode().barcode_value_chk->isChecked());
    EXPECT_FALSE(env.barcodeMode().Custom_Sheet_RD->isEnabled());
    EXPECT_FALSE(env.barcodeMode().dataText->isReadOnly());
    EXPECT_EQ(env.barcodeMode().dataText->text(), QStringLiteral("123456789012"));
    EXPECT_EQ(env.barcodeMode().HeaderText->text(), QStringLiteral("HEADER"));
    EXPECT_EQ(env.barcodeMode().FooterText->text(), QStringLiteral("FOOTER"));
    // The typed value is generated again.
    EXPECT_TRUE(env.barcodeMode().barcodeImage->hasPicture());
}

TEST_F(SettingsWindow, ATwoDHeaderGetsTheWidthItIsDrawnWith)
{
    // The header is drawn with kerning, so the picture must be as wide as the kerned text.
    choose(QStringLiteral("QR Code"));
    BarcodeModeController &bm = env.barcodeMode();
    bm.HeaderText->setText(QStringLiteral("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG"));
    bm.barcodeTwoDCaptionRefresh();
    const double drawn = textMeasurer().textSize(bm.HeaderText->text(), bm.header_font, kHeaderFooterKerning).width();
    const double plain = textMeasurer().textSize(bm.HeaderText->text(), bm.header_font, 0).width();
    ASSERT_GT(drawn, plain + 10);
    EXPECT_NEAR(bm.headerWidth(), drawn, 0.01);
    EXPECT_GE(pictureSize().width(), drawn);
}
