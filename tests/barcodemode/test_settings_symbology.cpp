// Symbology choice, family radios, print-flag boxes and the batch check box of the Barcode mode.

#include "test_settings_fixture.h"

#include "support/Decode.h"

#include <QGroupBox>
#include <QRadioButton>

using namespace settings_test;

TEST_F(SettingsWindow, Ean13DisablesKerningAndCode128EnablesItAgain)
{
    choose(QStringLiteral("EAN-13"));
    EXPECT_FALSE(c->kerning_value_Checkbox->isEnabled());
    ASSERT_TRUE(c->testBarcode);
    EXPECT_EQ(c->testBarcode->className(), QStringLiteral("NKDEAN13Barcode"));
    EXPECT_TRUE(c->barcodeImage->hasPicture());
    choose(QStringLiteral("Code 128"));
    EXPECT_TRUE(c->kerning_value_Checkbox->isEnabled());
    ASSERT_TRUE(c->testBarcode);
    EXPECT_EQ(c->testBarcode->className(), QStringLiteral("NKDCode128Barcode"));
    for (const char *upc : {"UPCA", "UPCE", "EAN-8"}) {
        c->Set_Linear_Value_in_Field(QStringLiteral("0123456"));
        choose(QString::fromLatin1(upc));
        EXPECT_FALSE(c->kerning_value_Checkbox->isEnabled()) << upc;
        choose(QStringLiteral("Code 39"));
        EXPECT_TRUE(c->kerning_value_Checkbox->isEnabled()) << upc;
    }
}

TEST_F(SettingsWindow, EmptyValueBlanksAndLeavesKerningAsTheFamilyStepSetIt)
{
    c->Set_Linear_Value_in_Field(QString());
    choose(QStringLiteral("EAN-13"));
    EXPECT_FALSE(c->barcodeImage->hasPicture());
    EXPECT_FALSE(c->barcode_error_label->isHidden());
    EXPECT_TRUE(c->kerning_value_Checkbox->isEnabled());
}

TEST_F(SettingsWindow, SymbologyChangeKeepsTheSettingsAndReenablesLinearControls)
{
    typeInto(c->HeightText, QStringLiteral("2"));
    c->HeightText->setEnabled(false);
    c->showinTopCheckbox->setEnabled(false);
    choose(QStringLiteral("Code 39"));
    EXPECT_TRUE(c->HeightText->isEnabled());
    EXPECT_TRUE(c->showinTopCheckbox->isEnabled());
    EXPECT_EQ(c->HeightText->text(), QStringLiteral("2"));
    EXPECT_EQ(c->dataText->text(), QStringLiteral("123456789012"));
    // A value the new symbology refuses blanks the preview.
    c->Set_Linear_Value_in_Field(QStringLiteral("ABC"));
    choose(QStringLiteral("EAN-13"));
    EXPECT_FALSE(c->testBarcode);
    EXPECT_FALSE(c->barcodeImage->hasPicture());
}

TEST_F(SettingsWindow, Pdf417WithEmpty2DValueBlanksWithoutDrawing)
{
    c->Set_Two_D_Value_in_Field(QString());
    choose(QStringLiteral("PDF417"));
    EXPECT_EQ(c->liner_or_2D_font, 1);
    EXPECT_TRUE(c->pdf_2d_sett_box->isVisibleTo(c->window()));
    EXPECT_FALSE(c->barcodeImage->hasPicture());
    EXPECT_TRUE(c->image_2d.isNull());
    EXPECT_FALSE(c->barcode_error_label->isHidden());
}

TEST_F(SettingsWindow, QrCodeChoiceDrawsADecodableSymbol)
{
    c->Set_Two_D_Value_in_Field(QStringLiteral("Tagora settings"));
    choose(QStringLiteral("QR Code"));
    EXPECT_EQ(c->liner_or_2D_font, 1);
    EXPECT_TRUE(c->TwoD_Barcode_RD->isChecked());
    EXPECT_FALSE(c->testBarcode);
    ASSERT_TRUE(c->barcodeImage->hasPicture());
    QImage image = c->barcodeImage->picture().toImage(144);
    const testsupport::Decoded d = testsupport::decode(image, QStringLiteral("QRCode"));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QStringLiteral("Tagora settings"));
}

TEST_F(SettingsWindow, FamilyRadiosSwitchPanesAndRegenerate)
{
    clickBox(c->TwoD_Barcode_RD);
    EXPECT_EQ(c->liner_or_2D_font, 1);
    EXPECT_FALSE(c->dataText->isVisibleTo(c->window()));
    // "Code 128" is no 2D title: the 2D family draws nothing for it.
    EXPECT_FALSE(c->barcodeImage->hasPicture());
    clickBox(c->Linear_Barcode_RD);
    EXPECT_EQ(c->liner_or_2D_font, 0);
    EXPECT_TRUE(c->dataText->isVisibleTo(c->window()));
    EXPECT_TRUE(c->barcodeImage->hasPicture());
    ASSERT_TRUE(c->testBarcode);
}

TEST_F(SettingsWindow, HideValueDisablesValueOnTopAndDropsTheValueBand)
{
    const QSizeF shown = pictureSize();
    clickBox(c->captionCheckbox);
    EXPECT_FALSE(c->showinTopCheckbox->isEnabled());
    EXPECT_FALSE(c->testBarcode->printsCaption());
    const double band = bandPoints(c->value_font) + 0.1 * kPointsPerCm;
    EXPECT_NEAR(shown.height() - pictureSize().height(), band, 0.05);
    EXPECT_DOUBLE_EQ(pictureSize().width(), shown.width());
    clickBox(c->captionCheckbox);
    EXPECT_TRUE(c->showinTopCheckbox->isEnabled());
    EXPECT_TRUE(c->testBarcode->printsCaption());
    EXPECT_NEAR(pictureSize().height(), shown.height(), 1e-3);
}

TEST_F(SettingsWindow, HideHeaderAndFooterDropTheirBandsInBothFamilies)
{
    const QSizeF before = pictureSize();
    clickBox(c->hideHeaderCheckbox);
    EXPECT_FALSE(c->testBarcode->printsHeader());
    EXPECT_NEAR(before.height() - pictureSize().height(), bandPoints(c->header_font) + 0.1 * kPointsPerCm, 0.05);
    clickBox(c->hideFooterCheckbox);
    EXPECT_FALSE(c->testBarcode->printsFooter());
    clickBox(c->hideHeaderCheckbox);
    clickBox(c->hideFooterCheckbox);
    EXPECT_NEAR(pictureSize().height(), before.height(), 1e-3);

    choose(QStringLiteral("QR Code"));
    const QSizeF qr = pictureSize();
    ASSERT_TRUE(c->printsFooter());
    clickBox(c->hideFooterCheckbox);
    EXPECT_FALSE(c->printsFooter());
    EXPECT_NEAR(qr.height() - pictureSize().height(), bandPoints(c->footer_font) + 0.1 * kPointsPerCm, 0.05);
}

TEST_F(SettingsWindow, AWiderHeaderShownAgainWidensThePicture)
{
    c->HeaderText->setText(QStringLiteral("A HEADER MUCH WIDER THAN THE BARS OF THIS SYMBOL"));
    clickBox(c->hideHeaderCheckbox);
    c->Generate_Barcode_Thread_Function();
    const double narrow = pictureSize().width();
    clickBox(c->hideHeaderCheckbox);
    const double headerWidth = textMeasurer().textSize(c->HeaderText->text(), c->header_font).width();
    EXPECT_GT(pictureSize().width(), narrow);
    EXPECT_GE(pictureSize().width(), headerWidth);
}

TEST_F(SettingsWindow, AdvancedQrHideBoxesDriveTheRoleAndTheirSettingBoxes)
{
    ModeScope advanced(2);
    c->ADV_QR_hideHeaderCheckbox->setChecked(true);
    c->hideHeaderChanged(c->ADV_QR_hideHeaderCheckbox);
    EXPECT_FALSE(c->printsHeader());
    EXPECT_FALSE(c->ADV_QR_hdr_box->isEnabled());
    EXPECT_TRUE(c->testBarcode->printsHeader());   // the Barcode mode's symbol is not touched
    c->ADV_QR_hideHeaderCheckbox->setChecked(false);
    c->hideHeaderChanged(c->ADV_QR_hideHeaderCheckbox);
    EXPECT_TRUE(c->printsHeader());
    EXPECT_TRUE(c->ADV_QR_hdr_box->isEnabled());
    c->ADV_QR_hideFooterCheckbox->setChecked(true);
    c->hideFooterChanged(c->ADV_QR_hideFooterCheckbox);
    EXPECT_FALSE(c->printsFooter());
    EXPECT_FALSE(c->ADV_QR_ftr_box->isEnabled());
}

TEST_F(SettingsWindow, BatchCheckBoxSwitchesBetweenManualAndBatch)
{
    clickBox(c->data_source_chkbox);
    EXPECT_EQ(c->data_source_txt_box->text(), QStringLiteral("Batch Processing"));
    EXPECT_TRUE(Use_Data_Sheet_Values);
    EXPECT_TRUE(c->barcode_value_chk->isChecked());
    EXPECT_TRUE(c->barcode_header_chk->isChecked());
    EXPECT_TRUE(c->barcode_footer_chk->isChecked());
    EXPECT_TRUE(c->Custom_Sheet_RD->isEnabled());
    EXPECT_TRUE(c->batch_chk_Gp_Bx->isEnabled());
    EXPECT_TRUE(c->dataText->isReadOnly());

    c->Set_Linear_Value_in_Field(QString());
    c->HeaderText->clear();
    c->FooterText->clear();
    clickBox(c->data_source_chkbox);
    EXPECT_EQ(c->data_source_txt_box->text(), QStringLiteral("Manual"));
    EXPECT_FALSE(Use_Data_Sheet_Values);
    EXPECT_FALSE(c->barcode_value_chk->isChecked());
    EXPECT_FALSE(c->Custom_Sheet_RD->isEnabled());
    EXPECT_FALSE(c->dataText->isReadOnly());
    EXPECT_EQ(c->dataText->text(), QStringLiteral("123456789012"));
    EXPECT_EQ(c->HeaderText->text(), QStringLiteral("HEADER"));
    EXPECT_EQ(c->FooterText->text(), QStringLiteral("FOOTER"));
    // The typed value is generated again.
    EXPECT_TRUE(c->barcodeImage->hasPicture());
}
