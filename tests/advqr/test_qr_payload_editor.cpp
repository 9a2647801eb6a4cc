// The QR payload editor as the Designing mode opens it on the selected QR object: opening filled
// in, the type buttons and memory, OK, Cancel, the refusal of a blank text, and the Advanced QR
// mode's own fields and panel given back when the editor closes.

#include "AdvQrFixture.h"
#include "design/DesignParts.h"
#include "design/DesignSelection.h"
#include "QrPayloadSamples.h"

#include "advqr/Edit_ADV_QR_Type.h"
#include "advqr/QrPanelFields.h"
#include "advqr/QrPayload.h"
#include "advqr/Qr_Sms_View_Panel.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "advqr/Qr_Wifi_View_Panel.h"
#include "advqr/Qr_vCard_View_Panel.h"
#include "design/DesignWorkArea.h"
#include "design/PropertySidebar.h"
#include "design/panels/BarcodePanel.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Files.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/Mode.h"
#include "core/SymbolGlobals.h"
#include "core/UserFolders.h"
#include "core/Utilities.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>

namespace {

class QrPayloadEditor : public AdvQrFixture {
protected:
    void SetUp() override
    {
        AdvQrFixture::SetUp();
        designPage = std::make_unique<QWidget>();
        workAreaOf(env.design()).buildDesigningPanel(designPage.get());
        Resource_Path = platform::resourceFolder();
        Barcode_Setting_Or_Designing_Mode = 1;
    }
    void TearDown() override
    {
        selectionOf(env.design()).Canvas_Selection = nullptr;
        designPage.reset();
        AdvQrFixture::TearDown();
    }
    Edit_ADV_QR_Type &editor() { return *Edit_ADV_QR_Type::defaultInstance(); }
    // A QR object of the card with a stored type, payload and summary, selected.
    std::shared_ptr<SKTGraphic> qrObject(const QString &type, const QString &payload, const QString &summary)
    {
        auto o = SKTGraphic::graphicOfClass(SKTGraphicClass::Barcode);
        o->linear_or_2d = 1;
        o->barcode_font_index = 16;
        o->qr_size_val = 120;
        o->AQR_Category = type;
        o->two_d_font_val = o->AQR_Final_Value = payload;
        o->AQR_Display_value = summary;
        selectionOf(env.design()).Canvas_Selection = [o] { return SKTGraphicList{o}; };
        selectionOf(env.design()).Set_Selected_Graphic(o);
        return o;
    }
    // The object's "Edit QR value" button, with the user's work inside the editor.
    void editWith(const std::function<void()> &work)
    {
        responder->onModal = [work](QDialog &dialog) {
            work();
            return dialog.result();
        };
        sidebarOf(env.design()).barcodePanel()->Edit_Adv_QR_Value_Clicked();
    }
    QPushButton *typeButton(const QString &title)
    {
        for (QPushButton *b : editor().QR_Type_Buttons)
            if (b->text() == title)
                return b;
        return nullptr;
    }
    std::unique_ptr<QWidget> designPage;
};

TEST_F(QrPayloadEditor, HasTheThirtyOneTypeButtonsTitledAsTheTypes)
{
    ASSERT_EQ(editor().QR_Type_Buttons.size(), 31);
    EXPECT_EQ(editor().QR_Type_Buttons.at(18)->text(), QStringLiteral("X(Twitter)"));
    EXPECT_EQ(editor().QR_Type_Buttons.last()->text(), QStringLiteral("Crypto"));
}

TEST_F(QrPayloadEditor, ATypelessObjectOpensAsTextAndCancelKeepsIt)
{
    const auto o = qrObject(QString(), QStringLiteral("stored text"), QString());
    QString shownText, shownPayload;
    editWith([&] {
        shownText = Qr_Text_OBJ->Text_Field->toPlainText();
        shownPayload = editor().adv_qr_final_value->toPlainText();
        EXPECT_EQ(editor().QR_Input_sclview->widget(), Qr_Text_OBJ);
        QTest::keyClicks(Qr_Text_OBJ->Text_Field, QStringLiteral(" more"));
        editor().cancel_button->click();
    });
    EXPECT_EQ(shownText, QStringLiteral("stored text"));
    EXPECT_EQ(shownPayload, QStringLiteral("stored text"));
    EXPECT_EQ(o->two_d_font_val, QStringLiteral("stored text"));
    EXPECT_EQ(o->AQR_Final_Value, QStringLiteral("stored text"));
    // Both defaults written before opening stay.
    EXPECT_EQ(o->AQR_Category, QStringLiteral("Text"));
    EXPECT_EQ(o->AQR_Display_value, QStringLiteral("stored text"));
    EXPECT_FALSE(QR_Val_Edit);
}

TEST_F(QrPayloadEditor, OkStoresTheNewPayloadAndRendersTheObjectAgain)
{
    qrpayload::QrFields f;
    f.wifi = {QStringLiteral("Home;Net"), QStringLiteral("old"), 2, QStringLiteral("WPA/WPA2"), false};
    const qrpayload::Result built = qrpayload::Build_QR_Payload(QStringLiteral("WIFI"), f);
    const auto o = qrObject(QStringLiteral("WIFI"), *built.payload, built.summary);
    editWith([&] {
        EXPECT_EQ(Qr_wifi_OBJ->Wifi_Name->text(), QStringLiteral("Home;Net"));
        Qr_wifi_OBJ->wifi_Password->selectAll();
        QTest::keyClicks(Qr_wifi_OBJ->wifi_Password, QStringLiteral("n3w"));
        editor().ok_button->click();
    });
    f.wifi.wifi_Password = QStringLiteral("n3w");
    const qrpayload::Result again = qrpayload::Build_QR_Payload(QStringLiteral("WIFI"), f);
    EXPECT_EQ(o->AQR_Final_Value, *again.payload);
    EXPECT_EQ(o->two_d_font_val, *again.payload);
    EXPECT_EQ(o->AQR_Category, QStringLiteral("WIFI"));
    EXPECT_EQ(o->AQR_Display_value, again.summary);
    ASSERT_FALSE(o->_barcode_image.isNull());
    EXPECT_EQ(testsupport::decode(o->_barcode_image.toImage(600), QStringLiteral("QRCode")).text, *again.payload);
}

// Byte for byte: blanks at a password's ends and at a message's start are the user's.
TEST_F(QrPayloadEditor, OkWithoutATouchKeepsThePayload)
{
    qrpayload::QrFields wifi, sms;
    wifi.wifi = {QStringLiteral("Home"), QStringLiteral(" pa;ss "), 2, QStringLiteral("WPA/WPA2"), false};
    sms.sms = {QStringLiteral("555"), QStringLiteral("  hi")};
    const std::pair<QString, qrpayload::QrFields> cases[] = {{"WIFI", wifi}, {"Send SMS", sms}, {"Coupon", sms}};
    for (const auto &[title, fields] : cases) {
        const qrpayload::Result built = qrpayload::Build_QR_Payload(title, fields);
        const auto o = qrObject(title, Trim_Str(*built.payload), built.summary);
        editWith([&] { editor().ok_button->click(); });
        EXPECT_EQ(o->AQR_Final_Value.toStdString(), Trim_Str(*built.payload).toStdString()) << title.toStdString();
    }
}

TEST_F(QrPayloadEditor, ABlankTextShowsASpaceAndIsRefused)
{
    const auto o = qrObject(QStringLiteral("Text"), QStringLiteral("keep"), QStringLiteral("keep"));
    QString shown;
    bool stayedOpen = false;
    editWith([&] {
        Qr_Text_OBJ->Text_Field->selectAll();
        QTest::keyClick(Qr_Text_OBJ->Text_Field, Qt::Key_Delete);
        QTest::keyClicks(Qr_Text_OBJ->Text_Field, QStringLiteral("   "));
        shown = editor().adv_qr_final_value->toPlainText();
        editor().ok_button->click();
        stayedOpen = editor().window->result() == 0;
        editor().cancel_button->click();
    });
    EXPECT_EQ(shown, QStringLiteral(" "));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("\nPlease enter text.")});
    EXPECT_EQ(o->AQR_Final_Value, QStringLiteral("keep"));
}

TEST_F(QrPayloadEditor, WhatsAppFieldsComeBackAfterSendSms)
{
    qrpayload::QrFields f;
    f.sms = {QStringLiteral("+4915123"), QStringLiteral("Hi & bye #1")};
    const qrpayload::Result built = qrpayload::Build_QR_Payload(QStringLiteral("WhatsApp"), f);
    qrObject(QStringLiteral("WhatsApp"), *built.payload, built.summary);
    QString numberOnSms, numberBack, messageBack;
    editWith([&] {
        typeButton(QStringLiteral("Send SMS"))->click();
        numberOnSms = Qr_Sms_OBJ->Number_Field->text();
        typeButton(QStringLiteral("WhatsApp"))->click();
        numberBack = Qr_Sms_OBJ->Number_Field->text();
        messageBack = Qr_Sms_OBJ->Message_field->toPlainText();
        editor().cancel_button->click();
    });
    EXPECT_TRUE(numberOnSms.isEmpty());
    EXPECT_EQ(numberBack, QStringLiteral("+4915123"));
    EXPECT_EQ(messageBack, QStringLiteral("Hi & bye #1"));
}

TEST_F(QrPayloadEditor, EditsReachOnlyTheEditorWhileItIsOpen)
{
    Barcode_Setting_Or_Designing_Mode = 2;
    qr().QR_Text_Clicked(QStringLiteral("Text"));
    const QString modePayload = qr().Get_Adv_QR_Final_Str_Value();
    const QImage modePreview = qr().QR_barcodeImage->picture().toImage(72);
    Barcode_Setting_Or_Designing_Mode = 1;
    qrObject(QStringLiteral("Text"), QStringLiteral("abc"), QStringLiteral("abc"));
    QSignalSpy encoded(&qr(), &AdvQrController::symbolEncoded);
    QString editorPayload;
    editWith([&] {
        Qr_Text_OBJ->Text_Field->moveCursor(QTextCursor::End);
        QTest::keyClicks(Qr_Text_OBJ->Text_Field, QStringLiteral("d"));
        editorPayload = editor().Get_Adv_QR_Final_Str_Value();
        editor().cancel_button->click();
    });
    EXPECT_EQ(editorPayload, QStringLiteral("abcd"));
    EXPECT_EQ(qr().Get_Adv_QR_Final_Str_Value(), modePayload);
    EXPECT_EQ(qr().QR_barcodeImage->picture().toImage(72), modePreview);
    EXPECT_EQ(encoded.count(), 0);
}

TEST_F(QrPayloadEditor, AContactOpensFilledIn)
{
    const qrsamples::Sample contact = [] {
        for (const qrsamples::Sample &s : qrsamples::allTitles())
            if (s.title == QLatin1String("Contact"))
                return s;
        return qrsamples::Sample{};
    }();
    const qrpayload::Result built = qrpayload::Build_QR_Payload(contact.title, contact.fields);
    qrObject(contact.title, *built.payload, built.summary);
    qrpayload::QrFields shown;
    QWidget *panel = nullptr;
    editWith([&] {
        shown = Read_QR_Panel_Fields();
        panel = editor().QR_Input_sclview->widget();
        editor().cancel_button->click();
    });
    EXPECT_EQ(panel, Qr_vcard_OBJ);
    EXPECT_EQ(shown.vcard, contact.fields.vcard);
}

TEST_F(QrPayloadEditor, TheModeKeepsWhatTheUserTypedAndGetsItsPanelBack)
{
    Barcode_Setting_Or_Designing_Mode = 2;
    qr().QR_Text_Clicked(QStringLiteral("Text"));
    qr().Qr_Text->Text_Field->setPlainText(QStringLiteral("typed in the tab"));
    qr().ADV_QR_transp_bg_chk->click();
    ASSERT_FALSE(qr().ADV_QR_back_bg_clr->isEnabled());
    Barcode_Setting_Or_Designing_Mode = 1;
    qrObject(QStringLiteral("WIFI"), QStringLiteral("WIFI:S:x;T:;P:;H:false;;"), QString());
    QWidget *shownInEditor = nullptr;
    editWith([&] {
        shownInEditor = editor().QR_Input_sclview->widget();
        editor().cancel_button->click();
    });
    EXPECT_EQ(shownInEditor, qr().Qr_Wifi);
    EXPECT_EQ(qr().Qr_Text->Text_Field->toPlainText(), QStringLiteral("typed in the tab"));
    EXPECT_EQ(qr().QR_Input_sclview->widget(), qr().Qr_Text);
    EXPECT_EQ(editor().QR_Input_sclview->widget(), nullptr);
    EXPECT_FALSE(qr().ADV_QR_back_bg_clr->isEnabled());   // follows its transparent box
    EXPECT_EQ(qr().Get_Adv_QR_Final_Str_Value(), QStringLiteral("typed in the tab"));
}

TEST_F(QrPayloadEditor, AnUnknownTypeHandsTheStoredPayloadBackWithItsSummary)
{
    const auto o = qrObject(QStringLiteral("Mystery"), QStringLiteral("raw payload"), QStringLiteral("   "));
    QString shown;
    editWith([&] {
        shown = editor().adv_qr_final_value->toPlainText();
        editor().ok_button->click();
    });
    EXPECT_EQ(shown, QStringLiteral("raw payload"));
    EXPECT_EQ(o->AQR_Final_Value, QStringLiteral("raw payload"));
    EXPECT_EQ(o->AQR_Category, QStringLiteral("Mystery"));
    // A blank summary gives way to the payload.
    EXPECT_EQ(o->AQR_Display_value, QStringLiteral("raw payload"));
}

TEST_F(QrPayloadEditor, ItsResetAsksThenGoesBackToSampleTextWithEmptyMemory)
{
    qrpayload::QrFields f;
    f.text.URL_Value_field = QStringLiteral("example.org");
    const qrpayload::Result built = qrpayload::Build_QR_Payload(QStringLiteral("URL"), f);
    qrObject(QStringLiteral("URL"), *built.payload, built.summary);
    QString afterNo, afterYes, typeAfterYes, textAfterYes;
    QWidget *panelAfterYes = nullptr;
    QrTypeMemory memoryAfterNo, memoryAfterYes;
    editWith([&] {
        responder->alertAnswers = {QStringLiteral("No")};
        editor().reset_button->click();
        afterNo = editor().Get_Adv_QR_Final_Str_Value();
        memoryAfterNo = editor().AQR_Memory;
        responder->alertAnswers = {QStringLiteral("Yes")};
        editor().reset_button->click();
        afterYes = editor().Get_Adv_QR_Final_Str_Value();
        typeAfterYes = editor().Selected_Qr_Category->text();
        textAfterYes = Qr_Text_OBJ->Text_Field->toPlainText();
        panelAfterYes = editor().QR_Input_sclview->widget();
        memoryAfterYes = editor().AQR_Memory;
        editor().cancel_button->click();
    });
    EXPECT_EQ(afterNo, *built.payload);
    EXPECT_EQ(memoryAfterNo.AQR_URL_STR, QStringLiteral("example.org"));
    EXPECT_EQ(afterYes, QStringLiteral("Sample Text"));
    EXPECT_EQ(typeAfterYes, QStringLiteral("Text"));
    EXPECT_EQ(textAfterYes, QStringLiteral("Sample Text"));
    EXPECT_EQ(panelAfterYes, Qr_Text_OBJ);
    EXPECT_EQ(memoryAfterYes, QrTypeMemory());
}

TEST_F(QrPayloadEditor, OpenUrlOpensTheEditorsPayload)
{
    qrObject(QStringLiteral("URL"), QStringLiteral("https://example.org/editor"),
             QStringLiteral("URL : \n\nexample.org/editor"));
    editWith([&] {
        Qr_Text_OBJ->URL_Value_field->setText(QStringLiteral("example.org/editor"));
        Qr_Text_OBJ->Open_URL_Clicked();
        editor().cancel_button->click();
    });
    EXPECT_EQ(responder->opened, QStringList{QStringLiteral("https://example.org/editor")});
}

} // namespace
