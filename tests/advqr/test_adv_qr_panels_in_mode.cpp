// The input panels as the Advanced QR mode shows them: their Open URL buttons, radio pairs, coin
// cells, pickers and the message panel's keys, each rebuilding the payload as the user acts.

#include "AdvQrFixture.h"

#include "advqr/QrPayload.h"
#include "advqr/Qr_Bitcoin_Crypto_View_Panel.h"
#include "advqr/Qr_Event_View_Panel.h"
#include "advqr/Qr_Sms_View_Panel.h"
#include "advqr/Qr_Social_View_Panel.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "advqr/Qr_Zoom_View_Panel.h"
#include "core/Utilities.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>

namespace {

using AdvQrPanels = AdvQrFixture;

TEST_F(AdvQrPanels, OpenUrlOnABlankLinkIsRefusedAndOpensNothing)
{
    struct Case {
        const char *title;
        QLineEdit *(*field)(AdvQrController &);
        QPushButton *(*button)(AdvQrController &);
    };
    const Case cases[] = {
        {"URL", [](AdvQrController &q) { return q.Qr_Text->URL_Value_field; },
         [](AdvQrController &q) { return q.Qr_Text->Open_Url_Btn; }},
        {"YouTube", [](AdvQrController &q) { return q.Qr_Social->URL_label; },
         [](AdvQrController &q) { return q.Qr_Social->Open_Url_Btn; }},
    };
    for (const Case &k : cases) {
        qr().QR_Text_Clicked(QString::fromLatin1(k.title));
        QTest::keyClicks(k.field(qr()), QStringLiteral("   "));
        k.button(qr())->click();
        EXPECT_EQ(responder->alertMessages().last(), QStringLiteral("\nPlease enter the valid URL.")) << k.title;
        EXPECT_TRUE(responder->opened.isEmpty()) << k.title;
    }
}

TEST_F(AdvQrPanels, OpenUrlOnASocialTypeOpensTheBuiltLink)
{
    qr().QR_Text_Clicked(QStringLiteral("Instagram"));
    QTest::keyClicks(qr().Qr_Social->URL_label, QStringLiteral("someone"));
    qrpayload::QrFields f;
    f.social.URL_label = QStringLiteral("someone");
    const QString built = *qrpayload::Build_QR_Payload(QStringLiteral("Instagram"), f).payload;
    ASSERT_TRUE(built.startsWith(QStringLiteral("https://")));
    qr().Qr_Social->Open_Url_Btn->click();
    EXPECT_EQ(responder->opened, QStringList{built});
}

TEST_F(AdvQrPanels, TheMeetingNumberFormEnablesItsBoxAndRebuilds)
{
    qr().QR_Text_Clicked(QStringLiteral("Zoom"));
    QTest::keyClicks(qr().Qr_Zoom->URL_Path_Field, QStringLiteral("zoom.us/j/123"));
    const QString linkForm = qr().Get_Adv_QR_Final_Str_Value();
    QTest::mouseClick(qr().Qr_Zoom->Zoom_Crd_radio, Qt::LeftButton);
    EXPECT_TRUE(qr().Qr_Zoom->Cred_Box->isEnabled());
    EXPECT_TRUE(qr().Qr_Zoom->ID_Field->isEnabled());
    EXPECT_FALSE(qr().Qr_Zoom->URL_Box->isEnabled());
    qrpayload::QrFields f;
    f.zoom = {false, QStringLiteral("zoom.us/j/123"), QString(), QString()};
    EXPECT_EQ(qr().Get_Adv_QR_Final_Str_Value(), Trim_Str(*qrpayload::Build_QR_Payload(QStringLiteral("Zoom"), f).payload));
    EXPECT_NE(qr().Get_Adv_QR_Final_Str_Value(), linkForm);
}

TEST_F(AdvQrPanels, CoinCellsHideForBitcoinAndKeepTheirChoiceForCrypto)
{
    qr().QR_Text_Clicked(QStringLiteral("Crypto"));
    qr().Qr_Bitcoin->crypto_type_matrix->button(3)->click();
    const QString chosen = qr().Get_Adv_QR_Final_Str_Value();
    qr().QR_Text_Clicked(QStringLiteral("Bitcoin"));
    EXPECT_TRUE(qr().Qr_Bitcoin->crypto_type_matrix_view->isHidden());
    qr().QR_Text_Clicked(QStringLiteral("Crypto"));
    EXPECT_FALSE(qr().Qr_Bitcoin->crypto_type_matrix_view->isHidden());
    EXPECT_EQ(qr().Qr_Bitcoin->crypto_type_matrix->checkedId(), 3);
    EXPECT_EQ(qr().Get_Adv_QR_Final_Str_Value(), chosen);
}

TEST_F(AdvQrPanels, TheEndTimeAloneRebuildsTheEvent)
{
    qr().QR_Text_Clicked(QStringLiteral("Event"));
    const QString before = qr().Get_Adv_QR_Final_Str_Value();
    const QTime end = qr().Qr_Event->Time_To_Ctrl->time();
    qr().Qr_Event->Time_To_Ctrl->setTime(end.addSecs(end.hour() < 20 ? 3600 : -3600));
    EXPECT_NE(qr().Get_Adv_QR_Final_Str_Value(), before);
}

TEST_F(AdvQrPanels, TheMessagePanelSwallowsReturnAndEscapeAndTabLeavesIt)
{
    qr().QR_Text_Clicked(QStringLiteral("Send SMS"));
    page->show();
    QApplication::setActiveWindow(page.get());
    QPlainTextEdit *message = qr().Qr_SMS->Message_field;
    message->setFocus();
    QTest::keyClicks(message, QStringLiteral("hi"));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(message, key);
    EXPECT_EQ(message->toPlainText(), QStringLiteral("hi"));
    QTest::keyClick(message, Qt::Key_Tab);
    EXPECT_EQ(message->toPlainText(), QStringLiteral("hi"));   // no tab typed
    EXPECT_NE(QApplication::focusWidget(), message);
    // Other keys still type.
    QTest::keyClick(qr().Qr_SMS->Number_Field, Qt::Key_5);
    EXPECT_EQ(qr().Qr_SMS->Number_Field->text(), QStringLiteral("5"));
}

} // namespace
