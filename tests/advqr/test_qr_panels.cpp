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
#include "barcodemode/BarcodeModeGlobals.h"
#include "support/ScriptedResponder.h"
#include "core/SymbolGlobals.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(QrTextPanel, EachCategoryShowsItsOwnField)
{
    Qr_Text_View_Panel panel;
    panel.Show_Hide_Open_URL_Button(true, QStringLiteral("Text"));
    EXPECT_TRUE(panel.Open_Url_Btn->isHidden());
    EXPECT_FALSE(panel.Text_Field->isHidden());
    EXPECT_FALSE(panel.Text_Scroll_View->isHidden());
    EXPECT_TRUE(panel.Call_Value_field->isHidden());
    EXPECT_TRUE(panel.URL_Value_field->isHidden());

    panel.Show_Hide_Open_URL_Button(true, QStringLiteral("Call"));
    EXPECT_FALSE(panel.Call_Value_field->isHidden());
    EXPECT_TRUE(panel.URL_Value_field->isHidden());
    EXPECT_TRUE(panel.Text_Field->isHidden());
    EXPECT_TRUE(panel.Text_Scroll_View->isHidden());

    for (const char *link : {"URL", "Spotify", "Meeting"}) {
        panel.Show_Hide_Open_URL_Button(false, QString::fromLatin1(link));
        EXPECT_FALSE(panel.Open_Url_Btn->isHidden()) << link;
        EXPECT_FALSE(panel.URL_Value_field->isHidden()) << link;
        EXPECT_TRUE(panel.Call_Value_field->isHidden()) << link;
        EXPECT_TRUE(panel.Text_Scroll_View->isHidden()) << link;
    }
    // The flag alone decides the button.
    panel.Show_Hide_Open_URL_Button(true, QStringLiteral("URL"));
    EXPECT_TRUE(panel.Open_Url_Btn->isHidden());
}

TEST(QrTextPanel, StartsWithSampleTextAndPublishesItself)
{
    {
        Qr_Text_View_Panel panel;
        EXPECT_EQ(panel.Text_Field->toPlainText(), QStringLiteral("Sample Text"));
        // It starts on the "Text" type: only the text view is shown.
        EXPECT_FALSE(panel.Text_Scroll_View->isHidden());
        EXPECT_TRUE(panel.Call_Value_field->isHidden());
        EXPECT_TRUE(panel.URL_Value_field->isHidden());
        EXPECT_TRUE(panel.Open_Url_Btn->isHidden());
        EXPECT_EQ(Qr_Text_OBJ, &panel);
        EXPECT_EQ(Qr_Text_View_Panel::defaultInstance(), &panel);
        EXPECT_EQ(panel.objectName(), QStringLiteral("Qr_Text"));
    }
    EXPECT_EQ(Qr_Text_OBJ, nullptr);
}

TEST(QrTextPanel, UserEditsAreAnnouncedAndCodeEditsAreNot)
{
    Qr_Text_View_Panel panel;
    QSignalSpy edited(&panel, &QrPanelBase::edited);
    panel.URL_Value_field->setText(QStringLiteral("set by code"));
    EXPECT_EQ(edited.count(), 0);
    QTest::keyClicks(panel.URL_Value_field, QStringLiteral("ab"));
    EXPECT_EQ(edited.count(), 2);
    Type_draw_2d_flag = false;
    panel.Text_Field->insertPlainText(QStringLiteral("x"));
    EXPECT_EQ(edited.count(), 3);
    EXPECT_TRUE(Type_draw_2d_flag);   // text view edits draw quickly
    Type_draw_2d_flag = false;
}

TEST(QrTextPanel, EmptyLinkIsRefusedBeforeOpening)
{
    testsupport::ResponderScope responder;
    Qr_Text_View_Panel panel;
    panel.URL_Value_field->setText(QStringLiteral("   "));
    panel.Open_URL_Clicked();
    EXPECT_TRUE(responder->opened.isEmpty());
}

TEST(QrPanels, MessageAndSocialLabelsFollowTheType)
{
    Qr_Sms_View_Panel sms;
    sms.Set_Label_According_Category(QStringLiteral("WhatsApp"));
    EXPECT_EQ(sms.num_label->text(), QStringLiteral("WhatsApp Number :"));
    EXPECT_EQ(sms.msg_label->text(), QStringLiteral("WhatsApp Message :"));
    EXPECT_EQ(sms.info_message_lbl->text(), QStringLiteral("(Note: Add country code before number)"));
    sms.Set_Label_According_Category(QStringLiteral("Email"));   // not a message type: unchanged
    EXPECT_EQ(sms.num_label->text(), QStringLiteral("WhatsApp Number :"));
    sms.Set_Label_According_Category(QStringLiteral("Coupon"));
    EXPECT_EQ(sms.num_label->text(), QStringLiteral("Coupon Code :"));
    EXPECT_EQ(sms.msg_label->text(), QStringLiteral("Offer Details :"));
    sms.Set_Label_According_Category(QStringLiteral("Send SMS"));
    EXPECT_TRUE(sms.info_message_lbl->text().isEmpty());

    Qr_Social_View_Panel social;
    social.Set_Label_According_Category(QStringLiteral("Twitter"));
    EXPECT_EQ(social.info_message_lbl->text(), QStringLiteral("Enter the link of X(Twitter) Profile Page or Tweet:"));
    social.Set_Label_According_Category(QStringLiteral("YouTube"));
    EXPECT_EQ(social.info_message_lbl->text(), QStringLiteral("Enter the link of YouTube Video / Channel:"));
}

TEST(QrPanels, RadioPairsSwitchTheirBoxes)
{
    Qr_Zoom_View_Panel zoom;
    EXPECT_FALSE(zoom.ID_Field->isEnabled());
    EXPECT_TRUE(zoom.URL_Path_Field->isEnabled());
    QSignalSpy edited(&zoom, &QrPanelBase::edited);
    zoom.Cred_radio_Clicked();
    EXPECT_TRUE(zoom.Zoom_Crd_radio->isChecked());
    EXPECT_FALSE(zoom.Zoom_URL_radio->isChecked());
    EXPECT_TRUE(zoom.Pwd_Field->isEnabled());
    EXPECT_FALSE(zoom.URL_Path_Field->isEnabled());
    EXPECT_EQ(edited.count(), 1);

    Qr_Location_View_Panel location;
    EXPECT_FALSE(location.Latitude_Field->isEnabled());
    location.Cord_radio_Clicked();
    EXPECT_TRUE(location.Longitude_Field->isEnabled());
    location.URL_radio_Clicked();
    EXPECT_FALSE(location.Longitude_Field->isEnabled());
    EXPECT_TRUE(location.Loc_URL_radio->isChecked());

    Qr_Wifi_View_Panel wifi;
    EXPECT_EQ(wifi.encryption->count(), 3);
    EXPECT_EQ(wifi.encryption->currentIndex(), 0);
    wifi.hidden_radio_Clicked();
    EXPECT_TRUE(wifi.hidden_radio->isChecked());
    EXPECT_FALSE(wifi.Visible_radio->isChecked());
}

TEST(QrPanels, ContactDetailsStayShownAndCoinsReadByColumn)
{
    Qr_vCard_View_Panel card;
    EXPECT_TRUE(card.collapse_btn->isHidden());
    EXPECT_TRUE(card.expand_btn->isHidden());
    card.Show_Hide_DET_BOX(false);
    EXPECT_TRUE(card.collapse_btn->isHidden());
    EXPECT_TRUE(card.expand_btn->isHidden());
    EXPECT_NE(card.Country, nullptr);
    EXPECT_EQ(Qr_vcard_OBJ, &card);

    Qr_Bitcoin_Crypto_View_Panel coins;
    EXPECT_EQ(coins.crypto_type_matrix->buttons().size(), 8);
    EXPECT_EQ(coins.crypto_type_matrix->checkedId(), 0);
    ASSERT_NE(coins.crypto_type_matrix->button(7), nullptr);
    EXPECT_EQ(coins.crypto_type_matrix->button(7)->text(), QStringLiteral("XRP"));
    EXPECT_EQ(coins.crypto_type_matrix->button(2)->text(), QStringLiteral("BCH"));
}

} // namespace
