// The Advanced QR mode builds every type's payload from its panel: the panels are read field by
// field, each type's payload and summary follow its panel, and typing updates the payload view at
// every keystroke.

#include "advqr/AdvQrController.h"
#include "advqr/QrFieldsPrint.h"
#include "advqr/QrPanelFields.h"
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
#include "advqr/QrPayloadSamples.h"
#include "app/SKTWindowController.h"
#include "core/Utilities.h"
#include "support/AppEnvironment.h"
#include "tools/QrFieldsJson.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

namespace {

using qrpayload::QrFields;

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

QWidget *panelWidget(const QString &key)
{
    const QHash<QString, QWidget *> panels = {
        {S("text"), Qr_Text_OBJ},   {S("sms"), Qr_Sms_OBJ},        {S("social"), Qr_Social_OBJ},
        {S("email"), Qr_email_OBJ}, {S("vcard"), Qr_vcard_OBJ},    {S("zoom"), Qr_Zoom_OBJ},
        {S("wifi"), Qr_wifi_OBJ},   {S("location"), Qr_Location_OBJ}, {S("event"), Qr_event_OBJ},
        {S("upi"), Qr_upi_OBJ},     {S("crypto"), Qr_bitcoin_OBJ}};
    return panels.value(key);
}

// Puts the fields into the panels' controls, found by their outlet names, as a user would set them.
void writePanels(const QrFields &f)
{
    qrfieldsjson::visitFields(f, [](const char *p, const char *name, const auto &value) {
        QWidget *panel = panelWidget(QString::fromLatin1(p));
        ASSERT_NE(panel, nullptr) << p;
        const QString field = QString::fromLatin1(name);
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, QString>) {
            if (field == QLatin1String("encryption_text"))
                return;   // the list's own item text
            if (auto *line = panel->findChild<QLineEdit *>(field))
                line->setText(value);
            else if (auto *view = panel->findChild<QPlainTextEdit *>(field))
                view->setPlainText(value);
            else
                ADD_FAILURE() << "no field " << name << " in " << p;
        } else if constexpr (std::is_same_v<T, bool>) {
            if (field == QLatin1String("Zoom_URL_radio"))
                value ? Qr_Zoom_OBJ->URL_radio_Clicked() : Qr_Zoom_OBJ->Cred_radio_Clicked();
            else if (field == QLatin1String("Loc_URL_radio"))
                value ? Qr_Location_OBJ->URL_radio_Clicked() : Qr_Location_OBJ->Cord_radio_Clicked();
            else
                value ? Qr_wifi_OBJ->hidden_radio_Clicked() : Qr_wifi_OBJ->Visible_radio_Clicked();
        } else if constexpr (std::is_same_v<T, int>) {
            if (field == QLatin1String("encryption"))
                Qr_wifi_OBJ->encryption->setCurrentIndex(value);
            else if (QAbstractButton *cell = Qr_bitcoin_OBJ->crypto_type_matrix->button(value))
                cell->setChecked(true);
        } else if constexpr (std::is_same_v<T, QDate>) {
            panel->findChild<QDateEdit *>(field)->setDate(value);
        } else {
            panel->findChild<QTimeEdit *>(field)->setTime(value);
        }
    });
}

class AdvQrModePayloads : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        page = std::make_unique<QWidget>();
        c->advQr().buildAdvancedQrPanel(page.get());
    }
    void TearDown() override { page.reset(); }
    // The payload the symbol encodes, as every reader gets it.
    QString payloadView() const { return c->advQr().Get_Adv_QR_Final_Str_Value(); }

    testsupport::AppEnvironment env;
    SKTWindowController *c = nullptr;
    std::unique_ptr<QWidget> page;
};

// Every field of every panel lands in its own member: each holds its panel and name as text.
TEST_F(AdvQrModePayloads, PanelsAreReadFieldByField)
{
    QrFields want;
    qrfieldsjson::visitFields(want, [](const char *p, const char *name, auto &value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>)
            value = QString::fromLatin1(p) + u'.' + QString::fromLatin1(name);
    });
    want.zoom.Zoom_URL_radio = false;
    want.location.Loc_URL_radio = false;
    want.wifi = {S("wifi.Wifi_Name"), S("wifi.wifi_Password"), 1, S("WEP"), true};
    want.event.Date_From_Ctrl = QDate(2025, 3, 5);
    want.event.Date_To_Ctrl = QDate(2026, 4, 7);
    want.event.Time_From_Ctrl = QTime(9, 30);
    want.event.Time_To_Ctrl = QTime(22, 15);
    want.crypto.crypto_type_matrix = 6;
    writePanels(want);
    EXPECT_QR_FIELDS_EQ(Read_QR_Panel_Fields(), want, "read");
}

TEST_F(AdvQrModePayloads, EveryTypeBuildsFromItsPanel)
{
    for (const qrsamples::Sample &s : qrsamples::allTitles()) {
        // The type first: it brings back its remembered inputs, which the user then types over.
        c->advQr().QR_Text_Clicked(s.title);
        writePanels(s.fields);
        c->Set_Qr_Type_Value_Main_Or_Barcode_Wnd();
        const qrpayload::Result built = qrpayload::Build_QR_Payload(s.title, s.fields);
        const QString payload = Trim_Str(*built.payload);
        EXPECT_EQ(payloadView(), payload) << s.title.toStdString();   // a coupon's "\r\n" included
        EXPECT_EQ(c->advQr().adv_qr_final_value->toPlainText(), QString(payload).replace(S("\r\n"), S("\n")))
            << s.title.toStdString();
        EXPECT_EQ(SEL_QR_DISPLAY_VALUE, built.summary) << s.title.toStdString();
    }
    // The coin chosen in the panel picks the payment scheme.
    c->advQr().QR_Text_Clicked(S("Crypto"));
    Qr_bitcoin_OBJ->crypto_type_matrix->button(3)->click();
    EXPECT_TRUE(payloadView().startsWith(S("litecoin:"))) << payloadView().toStdString();
}

// What a phone reads as a network: each keystroke rebuilds the payload, escapes included.
TEST_F(AdvQrModePayloads, WifiPayloadFollowsEachKeystroke)
{
    const auto escaped = [](const QString &typed) {
        QString out;
        for (const QChar ch : typed)
            out += (QStringLiteral("\\;,:\"").contains(ch) ? S("\\") : QString()) + ch;
        return out;
    };
    c->advQr().QR_Text_Clicked(S("WIFI"));
    QComboBox *list = c->advQr().Qr_Wifi->encryption;
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(payloadView(), S("WIFI:S:;T:WPA;P:;H:false;;"));

    const QString name = S("Home;Net"), password = S("pa;ss:\"w");
    for (qsizetype i = 1; i <= name.size(); ++i) {
        QTest::keyClick(c->advQr().Qr_Wifi->Wifi_Name, name.at(i - 1).toLatin1());
        EXPECT_EQ(payloadView(), S("WIFI:S:") + escaped(name.left(i)) + S(";T:WPA;P:;H:false;;"));
    }
    for (qsizetype i = 1; i <= password.size(); ++i) {
        QTest::keyClick(c->advQr().Qr_Wifi->wifi_Password, password.at(i - 1).toLatin1());
        EXPECT_EQ(payloadView(), S("WIFI:S:Home\\;Net;T:WPA;P:") + escaped(password.left(i)) + S(";H:false;;"));
    }
    EXPECT_EQ(payloadView(), S("WIFI:S:Home\\;Net;T:WPA;P:pa\\;ss\\:\\\"w;H:false;;"));
    EXPECT_EQ(SEL_QR_DISPLAY_VALUE, S("Network Name : Home;Net\nNetwork Password : pa;ss:\"w\nEncryption Mode : "
                                      "WPA/WPA2\nNetwork Visibility : Yes"));
}

TEST_F(AdvQrModePayloads, EmailSubjectShowsPercentEncoded)
{
    c->advQr().QR_Text_Clicked(S("Email"));
    QTest::keyClicks(c->advQr().Qr_Email->Email_ID_field, S("desk@acme.example"));
    QTest::keyClicks(c->advQr().Qr_Email->Subject_field, S("Q&A #3"));
    EXPECT_EQ(payloadView(), S("mailto:desk@acme.example?&subject=Q%26A%20%233&body="));
    QTest::keyClicks(c->advQr().Qr_Email->Message_Field, S("a b"));
    EXPECT_EQ(payloadView(), S("mailto:desk@acme.example?&subject=Q%26A%20%233&body=a%20b"));
}

TEST_F(AdvQrModePayloads, WifiListItemsAreTheParsersItems)
{
    QStringList items;
    for (int i = 0; i < c->advQr().Qr_Wifi->encryption->count(); ++i)
        items << c->advQr().Qr_Wifi->encryption->itemText(i);
    EXPECT_EQ(items, qrpayload::Wifi_Encryption_Items());
}

} // namespace
