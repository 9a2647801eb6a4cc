#include "advqr/Qr_Bitcoin_Crypto_View_Panel.h"
#include "advqr/Qr_Email_View_Panel.h"
#include "advqr/Qr_Event_View_Panel.h"
#include "advqr/Qr_Location_View_Panel.h"
#include "advqr/Qr_Sms_View_Panel.h"
#include "advqr/Qr_Social_View_Panel.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "advqr/Qr_UPI_View_Panel.h"
#include "advqr/Qr_Wifi_View_Panel.h"
#include "advqr/Qr_Zoom_View_Panel.h"
#include "advqr/Qr_vCard_View_Panel.h"
#include "advqr/QrPayload.h"
#include "core/Mode.h"
#include "platform/PictureView.h"
#include "support/AppEnvironment.h"
#include "advqr/AdvQrController.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class AdvQrMode : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        page = std::make_unique<QWidget>();
        env.advQr().buildAdvancedQrPanel(page.get());
    }
    void TearDown() override
    {
        page.reset();
        Barcode_Setting_Or_Designing_Mode = 0;
    }
    testsupport::AppEnvironment env;
    SKTWindowController *c = nullptr;
    std::unique_ptr<QWidget> page;
};

TEST_F(AdvQrMode, ControlsAndTheirStartValues)
{
    ASSERT_EQ(env.advQr().QR_Type_Buttons.size(), 31);
    EXPECT_EQ(env.advQr().QR_Type_Buttons.first()->text(), QStringLiteral("Text"));
    EXPECT_EQ(env.advQr().QR_Type_Buttons.at(18)->text(), QStringLiteral("X(Twitter)"));
    EXPECT_EQ(env.advQr().QR_Type_Buttons.last()->text(), QStringLiteral("Crypto"));
    EXPECT_EQ(env.advQr().ADV_QR_version_ComboBox->count(), 41);
    EXPECT_EQ(env.advQr().ADV_QR_version_ComboBox->itemText(0), QStringLiteral("Auto"));
    EXPECT_EQ(env.advQr().ADV_QR_version_ComboBox->itemText(40), QStringLiteral("40"));
    EXPECT_EQ(env.advQr().ADV_QR_ec_lvl_ComboBox->itemText(3), QStringLiteral("H"));
    EXPECT_EQ(env.advQr().ADV_QR_align_hdr_combo->currentIndex(), 1);
    EXPECT_EQ(env.advQr().ADV_QR_align_ftr_combo->itemText(1), QStringLiteral("Center"));   // the default, item 1
    EXPECT_EQ(env.advQr().ADV_QR_HeaderText->text(), QStringLiteral("My QR Code"));
    EXPECT_EQ(env.advQr().ADV_QR_HeightText_2D->text(), QStringLiteral("120"));
    EXPECT_FALSE(env.advQr().ADV_QR_Use_logo_box->isEnabled());
    EXPECT_EQ(env.advQr().ADV_QR_TB_mar_lbl->text(), QStringLiteral("Top and Bottom Margin (cm):"));
    EXPECT_EQ(env.advQr().QR_Input_sclview->widget(), env.advQr().Qr_Text);
    EXPECT_EQ(env.advQr().QR_image_scroll->widget(), env.advQr().QR_barcodeImage);
    EXPECT_EQ(page->findChild<QWidget *>(QStringLiteral("QR_barcodeImage")), env.advQr().QR_barcodeImage);
    EXPECT_EQ(Qr_Text_OBJ, env.advQr().Qr_Text);
}

TEST_F(AdvQrMode, TypeButtonsShowTheirPanelsAndKeepTheOthers)
{
    env.advQr().QR_Text_Clicked(QStringLiteral("WhatsApp"));
    EXPECT_EQ(env.advQr().Selected_Qr_Category->text(), QStringLiteral("WhatsApp"));
    EXPECT_EQ(env.advQr().Sel_Qr_Type_Label->text(), QStringLiteral("Generate QR Code for WhatsApp"));
    EXPECT_EQ(env.advQr().QR_Input_sclview->widget(), env.advQr().Qr_SMS);
    EXPECT_EQ(env.advQr().Qr_SMS->num_label->text(), QStringLiteral("WhatsApp Number :"));
    env.advQr().QR_Text_Clicked(QStringLiteral("Bitcoin"));
    EXPECT_TRUE(env.advQr().Qr_Bitcoin->crypto_type_matrix_view->isHidden());
    env.advQr().QR_Text_Clicked(QStringLiteral("Crypto"));
    EXPECT_FALSE(env.advQr().Qr_Bitcoin->crypto_type_matrix_view->isHidden());
    // The panel given back by the scroll view lives on.
    EXPECT_EQ(Qr_Sms_OBJ, env.advQr().Qr_SMS);
    env.advQr().QR_Text_Clicked(QStringLiteral("Contact"));
    EXPECT_EQ(env.advQr().QR_Input_sclview->widget(), env.advQr().Qr_vCard);
    env.advQr().QR_Text_Clicked(QStringLiteral("Nothing"));   // an unknown title leaves the panel
    EXPECT_EQ(env.advQr().QR_Input_sclview->widget(), env.advQr().Qr_vCard);
    EXPECT_FALSE(env.advQr().ADV_QR_Var_loading);
}

TEST_F(AdvQrMode, TypeButtonsSitThreeToARowAndSendTheirTitles)
{
    QPushButton *contact = env.advQr().QR_Type_Buttons.at(11);
    ASSERT_EQ(contact->text(), QStringLiteral("Contact"));
    auto *grid = qobject_cast<QGridLayout *>(contact->parentWidget()->layout());
    ASSERT_NE(grid, nullptr);
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(contact), &row, &column, &rowSpan, &columnSpan);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(column, 2);

    env.advQr().QR_Type_Buttons.at(25)->click();   // "WIFI"
    EXPECT_EQ(env.advQr().Selected_Qr_Category->text(), QStringLiteral("WIFI"));
    EXPECT_EQ(env.advQr().QR_Input_sclview->widget(), env.advQr().Qr_Wifi);
    contact->click();
    EXPECT_EQ(env.advQr().QR_Input_sclview->widget(), env.advQr().Qr_vCard);
    EXPECT_TRUE(env.advQr().Qr_Wifi->isHidden());   // back in the holder
}

TEST_F(AdvQrMode, TextPanelTypesBuildThePayload)
{
    env.advQr().Qr_Text->Call_Value_field->setText(QStringLiteral(" 555 0100 "));
    env.advQr().QR_Text_Clicked(QStringLiteral("Call"));
    EXPECT_EQ(env.advQr().Qr_Text->heading_label->text(), QStringLiteral("Enter the Phone number to generate QR code:"));
    EXPECT_FALSE(env.advQr().Qr_Text->Call_Value_field->isHidden());
    EXPECT_TRUE(env.advQr().Qr_Text->Open_Url_Btn->isHidden());
    EXPECT_EQ(env.advQr().Get_Adv_QR_Final_Str_Value(), QStringLiteral("tel:5550100"));
    EXPECT_EQ(SEL_QR_DISPLAY_VALUE, QStringLiteral("Phone Number : \n\n 555 0100 "));

    env.advQr().QR_Text_Clicked(QStringLiteral("URL"));
    EXPECT_FALSE(env.advQr().Qr_Text->Open_Url_Btn->isHidden());
    QTest::keyClicks(env.advQr().Qr_Text->URL_Value_field, QStringLiteral("example.org"));
    EXPECT_EQ(env.advQr().adv_qr_final_value->toPlainText(), QStringLiteral("https://example.org"));

    env.advQr().QR_Text_Clicked(QStringLiteral("Text"));
    EXPECT_EQ(env.advQr().Get_Adv_QR_Final_Str_Value(), QStringLiteral("Sample Text"));
    // A title outside the table leaves the payload and clears the summary.
    env.advQr().QR_Text_Clicked(QStringLiteral("Nothing"));
    EXPECT_EQ(env.advQr().Get_Adv_QR_Final_Str_Value(), QStringLiteral("Sample Text"));
    EXPECT_TRUE(SEL_QR_DISPLAY_VALUE.isEmpty());
}

TEST_F(AdvQrMode, EmptyPayloadShowsTheErrorOnlyInThisMode)
{
    env.advQr().Qr_Text->Text_Field->setPlainText(QStringLiteral(" \n "));
    Barcode_Setting_Or_Designing_Mode = 0;
    env.advQr().QR_Text_Clicked(QStringLiteral("Text"));
    EXPECT_EQ(env.advQr().Get_Adv_QR_Final_Str_Value(), QStringLiteral(""));
    EXPECT_TRUE(env.advQr().ADV_QR_barcode_error_label->isHidden());   // other modes draw nothing

    Barcode_Setting_Or_Designing_Mode = 2;
    form_is_loading = true;
    env.advQr().DRAW_ADV_QR_With_All_Init();
    EXPECT_TRUE(env.advQr().ADV_QR_barcode_error_label->isHidden());
    form_is_loading = false;
    env.advQr().DRAW_ADV_QR_With_All_Init();
    EXPECT_FALSE(env.advQr().ADV_QR_barcode_error_label->isHidden());
    EXPECT_FALSE(env.advQr().QR_barcodeImage->hasPicture());

    env.advQr().Qr_Text->Text_Field->setPlainText(QStringLiteral("hello"));   // the panel rebuilds at once
    EXPECT_EQ(env.advQr().Get_Adv_QR_Final_Str_Value(), QStringLiteral("hello"));
    EXPECT_TRUE(env.advQr().ADV_QR_barcode_error_label->isHidden());
}

// A number field that holds no number makes no symbol nor payload: the label says why, until it is mended.
TEST_F(AdvQrMode, NumbersThatAreNoneAreRefusedWithAMessage)
{
    Barcode_Setting_Or_Designing_Mode = 2;
    AdvQrController &q = env.advQr();
    const struct { const char *title; QLineEdit *field; const char *typed, *says; } cases[] = {
        {"Location", q.Qr_Location->Latitude_Field, "abc", "Please enter a latitude from -90 to 90."},
        {"Location", q.Qr_Location->Latitude_Field, "-33,86", ""},
        {"UPI", q.Qr_UPI->amount_field, "abc12.5", "Please enter a valid Amount."},
        {"UPI", q.Qr_UPI->amount_field, "12,5", ""},
        {"WhatsApp", q.Qr_SMS->Number_Field, "call me", "Please enter valid details."},
        {"WhatsApp", q.Qr_SMS->Number_Field, "+1 555", ""},
    };
    for (const auto &k : cases) {
        q.QR_Text_Clicked(QString::fromLatin1(k.title));
        q.Qr_Location->Loc_Cord_radio->click();
        q.Qr_Location->Longitude_Field->setText(QStringLiteral("151.2"));
        q.Qr_UPI->upi_id_field->setText(QStringLiteral("a@upi"));
        k.field->clear();
        QTest::keyClicks(k.field, QString::fromLatin1(k.typed));
        EXPECT_EQ(q.QR_barcodeImage->hasPicture(), !*k.says) << k.typed;
        const QLabel *said = q.ADV_QR_barcode_error_label;
        EXPECT_EQ((said->isHidden() ? QString() : said->text()).toStdString(), k.says);
        EXPECT_EQ(q.adv_qr_final_value->toPlainText().isEmpty(), *k.says != 0) << "a refused value is no payload";
    }
}

} // namespace
