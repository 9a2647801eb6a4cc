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
    EXPECT_FALSE(c->barcodeMode().kerning_value_Checkbox->isEnabled());
    ASSERT_TRUE(c->barcodeMode().testBarcode);
    EXPECT_EQ(c->barcodeMode().testBarcode->className(), QStringLiteral("NKDEAN13Barcode"));
    EXPECT_TRUE(c->barcodeMode().barcodeImage->hasPicture());
    choose(QStringLiteral("Code 128"));
    EXPECT_TRUE(c->barcodeMode().kerning_value_Checkbox->isEnabled());
    ASSERT_TRUE(c->barcodeMode().testBarcode);
    EXPECT_EQ(c->barcodeMode().testBarcode->className(), QStringLiteral("NKDCode128Barcode"));
    for (const char *upc : {"UPCA", "UPCE", "EAN-8"}) {
        c->barcodeMode().Set_Linear_Value_in_Field(QStringLiteral("0123456"));
        choose(QString::fromLatin1(upc));
        EXPECT_FALSE(c->barcodeMode().kerning_value_Checkbox->isEnabled()) << upc;
        choose(QStringLiteral("Code 39"));
        EXPECT_TRUE(c->barcodeMode().kerning_value_Checkbox->isEnabled()) << upc;
    }
}

TEST_F(SettingsWindow, EmptyValueBlanksAndLeavesKerningAsTheFamilyStepSetIt)
{
    c->barcodeMode().Set_Linear_Value_in_Field(QString());
    choose(QStringLiteral("EAN-13"));
    EXPECT_FALSE(c->barcodeMode().barcodeImage->hasPicture());
    EXPECT_FALSE(c->barcodeMode().barcode_error_label->isHidden());
    EXPECT_TRUE(c->barcodeMode().kerning_value_Checkbox->isEnabled());
}

TEST_F(SettingsWindow, SymbologyChangeKeepsTheSettingsAndReenablesLinearControls)
{
    typeInto(c->barcodeMode().HeightText, QStringLiteral("2"));
    c->barcodeMode().HeightText->setEnabled(false);
    c->barcodeMode().showinTopCheckbox->setEnabled(false);
    choose(QStringLiteral("Code 39"));
    EXPECT_TRUE(c->barcodeMode().HeightText->isEnabled());
    EXPECT_TRUE(c->barcodeMode().showinTopCheckbox->isEnabled());
    EXPECT_EQ(c->barcodeMode().HeightText->text(), QStringLiteral("2"));
    EXPECT_EQ(c->barcodeMode().dataText->text(), QStringLiteral("123456789012"));
    // A value the new symbology refuses blanks the preview.
    c->barcodeMode().Set_Linear_Value_in_Field(QStringLiteral("ABC"));
    choose(QStringLiteral("EAN-13"));
    EXPECT_FALSE(c->barcodeMode().testBarcode);
    EXPECT_FALSE(c->barcodeMode().barcodeImage->hasPicture());
}

TEST_F(SettingsWindow, Pdf417WithEmpty2DValueBlanksWithoutDrawing)
{
    c->barcodeMode().Set_Two_D_Value_in_Field(QString());
    choose(QStringLiteral("PDF417"));
    EXPECT_EQ(c->barcodeMode().liner_or_2D_font, 1);
    EXPECT_TRUE(c->barcodeMode().pdf_2d_sett_box->isVisibleTo(c->window()));
    EXPECT_FALSE(c->barcodeMode().barcodeImage->hasPicture());
    EXPECT_TRUE(c->barcodeMode().image_2d.isNull());
    EXPECT_FALSE(c->barcodeMode().barcode_error_label->isHidden());
}

TEST_F(SettingsWindow, QrCodeChoiceDrawsADecodableSymbol)
{
    c->barcodeMode().Set_Two_D_Value_in_Field(QStringLiteral("Tagora settings"));
    choose(QStringLiteral("QR Code"));
    EXPECT_EQ(c->barcodeMode().liner_or_2D_font, 1);
    EXPECT_TRUE(c->barcodeMode().TwoD_Barcode_RD->isChecked());
    EXPECT_FALSE(c->barcodeMode().testBarcode);
    ASSERT_TRUE(c->barcodeMode().barcodeImage->hasPicture());
    QImage image = c->barcodeMode().barcodeImage->picture().toImage(144);
    const testsupport::Decoded d = testsupport::decode(image, QStringLiteral("QRCode"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("Tagora settings"));
}

TEST_F(SettingsWindow, FamilyRadiosSwitchPanesAndRegenerate)
{
    clickBox(c->barcodeMode().TwoD_Barcode_RD);
    EXPECT_EQ(c->barcodeMode().liner_or_2D_font, 1);
    EXPECT_FALSE(c->barcodeMode().dataText->isVisibleTo(c->window()));
    // "Code 128" is no 2D title: the 2D family draws nothing for it.
    EXPECT_FALSE(c->barcodeMode().barcodeImage->hasPicture());
    clickBox(c->barcodeMode().Linear_Barcode_RD);
    EXPECT_EQ(c->barcodeMode().liner_or_2D_font, 0);
    EXPECT_TRUE(c->barcodeMode().dataText->isVisibleTo(c->window()));
    EXPECT_TRUE(c->barcodeMode().barcodeImage->hasPicture());
    ASSERT_TRUE(c->barcodeMode().testBarcode);
}

TEST_F(SettingsWindow, HideValueDisablesValueOnTopAndDropsTheValueBand)
{
    const QSizeF shown = pictureSize();
    clickBox(c->barcodeMode().captionCheckbox);
    EXPECT_FALSE(c->barcodeMode().showinTopCheckbox->isEnabled());
    EXPECT_FALSE(c->barcodeMode().testBarcode->printsCaption());
    const double band = bandPoints(c->barcodeMode().value_font) + 0.1 * kPointsPerCm;
    EXPECT_NEAR(shown.height() - pictureSize().height(), band, 0.05);
    EXPECT_DOUBLE_EQ(pictureSize().width(), shown.width());
    clickBox(c->barcodeMode().captionCheckbox);
    EXPECT_TRUE(c->barcodeMode().showinTopCheckbox->isEnabled());
    EXPECT_TRUE(c->barcodeMode().testBarcode->printsCaption());
    EXPECT_NEAR(pictureSize().height(), shown.height(), 1e-3);
}

TEST_F(SettingsWindow, HideHeaderAndFooterDropTheirBandsInBothFamilies)
{
    const QSizeF before = pictureSize();
    clickBox(c->barcodeMode().hideHeaderCheckbox);
    EXPECT_FALSE(c->barcodeMode().testBarcode->printsHeader());
    EXPECT_NEAR(before.height() - pictureSize().height(), bandPoints(c->barcodeMode().header_font) + 0.1 * kPointsPerCm, 0.05);
    clickBox(c->barcodeMode().hideFooterCheckbox);
    EXPECT_FALSE(c->barcodeMode().testBarcode->printsFooter());
    clickBox(c->barcodeMode().hideHeaderCheckbox);
    clickBox(c->barcodeMode().hideFooterCheckbox);
    EXPECT_NEAR(pictureSize().height(), before.height(), 1e-3);

    choose(QStringLiteral("QR Code"));
    const QSizeF qr = pictureSize();
    ASSERT_TRUE(c->barcodeMode().printsFooter());
    clickBox(c->barcodeMode().hideFooterCheckbox);
    EXPECT_FALSE(c->barcodeMode().printsFooter());
    EXPECT_NEAR(qr.height() - pictureSize().height(), bandPoints(c->barcodeMode().footer_font) + 0.1 * kPointsPerCm, 0.05);
}

TEST_F(SettingsWindow, AWiderHeaderShownAgainWidensThePicture)
{
    c->barcodeMode().HeaderText->setText(QStringLiteral("A HEADER MUCH WIDER THAN THE BARS OF THIS SYMBOL"));
    clickBox(c->barcodeMode().hideHeaderCheckbox);
    c->barcodeMode().Generate_Barcode_Thread_Function();
    const double narrow = pictureSize().width();
    clickBox(c->barcodeMode().hideHeaderCheckbox);
    const double headerWidth = textMeasurer().textSize(c->barcodeMode().HeaderText->text(), c->barcodeMode().header_font).width();
    EXPECT_GT(pictureSize().width(), narrow);
    EXPECT_GE(pictureSize().width(), headerWidth);
}

TEST_F(SettingsWindow, AdvancedQrHideBoxesDriveTheRoleAndTheirSettingBoxes)
{
    ModeScope advanced(2);
    c->advQr().ADV_QR_hideHeaderCheckbox->setChecked(true);
    c->barcodeMode().hideHeaderChanged(c->advQr().ADV_QR_hideHeaderCheckbox);
    EXPECT_FALSE(c->barcodeMode().printsHeader());
    EXPECT_FALSE(c->advQr().ADV_QR_hdr_box->isEnabled());
    EXPECT_TRUE(c->barcodeMode().testBarcode->printsHeader());   // the Barcode mode's symbol is not touched
    c->advQr().ADV_QR_hideHeaderCheckbox->setChecked(false);
    c->barcodeMode().hideHeaderChanged(c->advQr().ADV_QR_hideHeaderCheckbox);
    EXPECT_TRUE(c->barcodeMode().printsHeader());
    EXPECT_TRUE(c->advQr().ADV_QR_hdr_box->isEnabled());
    c->advQr().ADV_QR_hideFooterCheckbox->setChecked(true);
    c->barcodeMode().hideFooterChanged(c->advQr().ADV_QR_hideFooterCheckbox);
    EXPECT_FALSE(c->barcodeMode().printsFooter());
    EXPECT_FALSE(c->advQr().ADV_QR_ftr_box->isEnabled());
}

TEST_F(SettingsWindow, BatchCheckBoxSwitchesBetweenManualAndBatch)
{
    clickBox(c->barcodeMode().data_source_chkbox);
    EXPECT_EQ(c->barcodeMode().data_source_txt_box->text(), QStringLiteral("Batch Processing"));
    EXPECT_TRUE(Use_Data_Sheet_Values);
    EXPECT_TRUE(c->barcodeMode().barcode_value_chk->isChecked());
    EXPECT_TRUE(c->barcodeMode().barcode_header_chk->isChecked());
    EXPECT_TRUE(c->barcodeMode().barcode_footer_chk->isChecked());
    EXPECT_TRUE(c->barcodeMode().Custom_Sheet_RD->isEnabled());
    EXPECT_TRUE(c->barcodeMode().batch_chk_Gp_Bx->isEnabled());
    EXPECT_TRUE(c->barcodeMode().dataText->isReadOnly());

    c->barcodeMode().Set_Linear_Value_in_Field(QString());
    c->barcodeMode().HeaderText->clear();
    c->barcodeMode().FooterText->clear();
    clickBox(c->barcodeMode().data_source_chkbox);
    EXPECT_EQ(c->barcodeMode().data_source_txt_box->text(), QStringLiteral("Manual"));
    EXPECT_FALSE(Use_Data_Sheet_Values);
    EXPECT_FALSE(c->barcodeMode().barcode_value_chk->isChecked());
    EXPECT_FALSE(c->barcodeMode().Custom_Sheet_RD->isEnabled());
    EXPECT_FALSE(c->barcodeMode().dataText->isReadOnly());
    EXPECT_EQ(c->barcodeMode().dataText->text(), QStringLiteral("123456789012"));
    EXPECT_EQ(c->barcodeMode().HeaderText->text(), QStringLiteral("HEADER"));
    EXPECT_EQ(c->barcodeMode().FooterText->text(), QStringLiteral("FOOTER"));
    // The typed value is generated again.
    EXPECT_TRUE(c->barcodeMode().barcodeImage->hasPicture());
}

TEST_F(SettingsWindow, ATwoDHeaderGetsTheWidthItIsDrawnWith)
{
    // The header is drawn with kerning, so the picture must be as wide as the kerned text.
    choose(QStringLiteral("QR Code"));
    BarcodeModeController &bm = c->barcodeMode();
    bm.HeaderText->setText(QStringLiteral("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG"));
    bm.barcodeTwoDCaptionRefresh();
    const double drawn = textMeasurer().textSize(bm.HeaderText->text(), bm.header_font, kHeaderFooterKerning).width();
    const double plain = textMeasurer().textSize(bm.HeaderText->text(), bm.header_font, 0).width();
    ASSERT_GT(drawn, plain + 10);
    EXPECT_NEAR(bm.headerWidth(), drawn, 0.01);
    EXPECT_GE(pictureSize().width(), drawn);
}
