// The barcode-object window of the QR edition, which opens every object as a QR Code with its
// payload type and summary, and the QR payload editor it hands the payload to.

#include "advqr/AdvQrController.h"
#include "advqr/Edit_ADV_QR_Type.h"
#include "advqr/QrPayload.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "advqr/Qr_Wifi_View_Panel.h"
#include "barcodemode/Barcode_Gen.h"
#include "core/Edition.h"
#include "core/SymbolGlobals.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "model/SKTBarcode.h"
#include "platform/PictureView.h"
#include "support/AppEnvironment.h"
#include "support/Decode.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <memory>

namespace {

// The Wi-Fi payload and summary of a network named "Office" and nothing else.
qrpayload::Result office()
{
    qrpayload::QrFields f;
    f.wifi.Wifi_Name = QStringLiteral("Office");
    f.wifi.encryption_text = qrpayload::Wifi_Encryption_Items().value(0);
    return qrpayload::Build_QR_Payload(QStringLiteral("WIFI"), f);
}
QString officePayload() { return *office().payload; }

class QrEditionWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        qrPage = std::make_unique<QWidget>();
        env.advQr().buildAdvancedQrPanel(qrPage.get());   // the input panels the editor shows
        g = &env.barcodeGen();
        object = std::make_shared<SKTBarcode>();
        object->value_font_val = object->header_font_val = object->footer_font_val = QFont(QStringLiteral("DejaVu Sans"), 10);
        object->two_d_font_val = QStringLiteral("Tagora payload");
        object->control_ID = QStringLiteral("BAR_1");
    }
    std::shared_ptr<SKTGraphic> open(std::function<void(Barcode_Gen &)> user)
    {
        responder->onModal = [this, user](QDialog &dialog) {
            if (&dialog == g->window && user)
                user(*g);
            return dialog.result();
        };
        return g->Open_Wnd(object);
    }
    static QImage onWhite(const platform::Picture &picture)
    {
        const QImage image = picture.toImage(600);
        QImage out(image.size(), QImage::Format_RGB32);
        out.fill(Qt::white);
        QPainter p(&out);
        p.drawImage(0, 0, image);
        return out;
    }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env;
    SKTWindowController *c = nullptr;
    std::unique_ptr<QWidget> qrPage;
    Barcode_Gen *g = nullptr;
    std::shared_ptr<SKTGraphic> object;
};

} // namespace

TEST_F(QrEditionWindow, EveryObjectOpensAsAQrCodeWithItsTypeAndSummary)
{
    if (!ONLY_QR_MODE)
        GTEST_SKIP() << "the QR edition's window";
    const auto copy = open([](Barcode_Gen &w) {
        EXPECT_EQ(w.barcodeTypePopup->currentText(), QStringLiteral("QR Code"));
        EXPECT_EQ(w.liner_or_2D_font, 1);
        EXPECT_EQ(w.sel_barcode_label->text(), QStringLiteral("Selected QR Code Type :"));
        for (QWidget *hidden : std::initializer_list<QWidget *>{w.bar_val_label, w.batch_help_btn, w.data_source_label,
                                                                w.barcodeTypePopup, w.Data_source_type, w.dataText_2D})
            EXPECT_TRUE(hidden->isHidden()) << qPrintable(hidden->objectName());
        for (QWidget *shown : std::initializer_list<QWidget *>{w.Sel_Qr_type_IMG, w.Sel_Qr_type_TEXT,
                                                               w.Edit_Qr_Code_Val_BTN, w.AQR_Display_Text_View})
            EXPECT_FALSE(shown->isHidden()) << qPrintable(shown->objectName());
        EXPECT_TRUE(w.AQR_Display_Text_View->isReadOnly());
        // A type and summary missing from the object: "Text" and the payload.
        EXPECT_EQ(w.Sel_Qr_type_TEXT->text(), QStringLiteral("Text"));
        EXPECT_EQ(w.AQR_Display_Text_View->toPlainText(), QStringLiteral("Tagora payload"));
        EXPECT_TRUE(w.Sel_Qr_type_IMG->picture().image() == w.Get_Qr_Cat_Image_Acc_to_Category(QStringLiteral("Text")));
        EXPECT_EQ(testsupport::decode(onWhite(w.barcodeImage->picture()), QStringLiteral("QRCode")).text,
                  QStringLiteral("Tagora payload"));
        w.OK_Btn_Clicked();
    });
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->barcode_font_index, 16);
    EXPECT_EQ(copy->linear_or_2d, 1);
    EXPECT_EQ(copy->AQR_Category, QStringLiteral("Text"));
    EXPECT_EQ(copy->AQR_Display_value, QStringLiteral("Tagora payload"));
    EXPECT_EQ(copy->AQR_Final_Value, QStringLiteral("Tagora payload"));
    // The object passed in keeps what it had.
    EXPECT_TRUE(object->AQR_Category.isEmpty());
    EXPECT_EQ(object->barcode_font_index, 0);
}

TEST_F(QrEditionWindow, ARenderOfAnyStoredSymbologyIsTheQrCodeOfThe2DValue)
{
    if (!ONLY_QR_MODE)
        GTEST_SKIP() << "the QR edition's window";
    object->barcode_font_index = 3;   // a linear symbology stored by another edition
    g->Set_Barcode_Prop_To_Control(*object, true);
    const platform::Picture picture = g->Get_Image_From_Val(object->two_d_font_val, object->header_val, object->footer_val);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(testsupport::decode(onWhite(picture), QStringLiteral("QRCode")).text, QStringLiteral("Tagora payload"));
}

TEST_F(QrEditionWindow, TheEditButtonHandsThePayloadToTheEditorAndTakesItsAnswer)
{
    if (!ONLY_QR_MODE)
        GTEST_SKIP() << "the QR edition's window";
    object->AQR_Category = QStringLiteral("WIFI");
    object->AQR_Display_value = QStringLiteral("Network : Home");
    const auto copy = open([this](Barcode_Gen &w) {
        responder->onModal = [](QDialog &dialog) {
            Edit_ADV_QR_Type *editor = Edit_ADV_QR_Type::defaultInstance();
            EXPECT_TRUE(QR_Val_Edit);
            EXPECT_EQ(editor->Selected_Qr_Category->text(), QStringLiteral("WIFI"));
            EXPECT_EQ(editor->DisP_adv_qr_val, QStringLiteral("Network : Home"));
            EXPECT_EQ(editor->Sel_Qr_Type_Label->text(), QStringLiteral("Generate QR Code for WIFI"));
            QTest::keyClicks(Qr_wifi_OBJ->Wifi_Name, QStringLiteral("Office"));
            Qr_wifi_OBJ->Visible_radio->click();   // the summary named no visibility
            editor->OK_Clicked();
            return dialog.result();
        };
        w.Edit_Qr_Code_Val_BTN->click();
        EXPECT_FALSE(QR_Val_Edit);
        EXPECT_EQ(w.Get_Two_D_Value_From_Field(), officePayload());
        EXPECT_EQ(testsupport::decode(onWhite(w.barcodeImage->picture()), QStringLiteral("QRCode")).text,
                  officePayload());
        w.OK_Btn_Clicked();
    });
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->AQR_Category, QStringLiteral("WIFI"));
    EXPECT_EQ(copy->AQR_Final_Value, officePayload());
    EXPECT_EQ(copy->AQR_Display_value, office().summary);
}

TEST_F(QrEditionWindow, AnEditorWithoutATypeHandsTheStoredPayloadBack)
{
    Edit_ADV_QR_Type *editor = Edit_ADV_QR_Type::defaultInstance();
    editor->Final_adv_qr_val = QStringLiteral("  stored  ");
    editor->DisP_adv_qr_val = QStringLiteral("the summary");
    editor->Selected_Qr_Category->setText(QString());
    responder->onModal = [&](QDialog &dialog) {
        EXPECT_EQ(editor->Get_Adv_QR_Final_Str_Value(), QStringLiteral("stored"));
        EXPECT_EQ(editor->QR_Input_sclview->widget(), Qr_Text_OBJ);
        editor->Cancel_Clicked();
        return dialog.result();
    };
    EXPECT_EQ(editor->Open_ADV_QR_EDIT_Window(), 0);

    responder->onModal = [&](QDialog &dialog) {
        editor->OK_Clicked();   // nothing to check for a type outside the table
        return dialog.result();
    };
    EXPECT_EQ(editor->Open_ADV_QR_EDIT_Window(), 1);
    EXPECT_EQ(editor->Get_Adv_QR_Final_Str_Value(), QStringLiteral("stored"));
    EXPECT_EQ(editor->SEL_QR_DISPLAY_VALUE, QStringLiteral("the summary"));
}
