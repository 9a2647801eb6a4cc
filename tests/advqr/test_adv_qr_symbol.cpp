// The Advanced QR mode's symbol: generation on both routes, the per-type memory, one encoding per
// type switch, the blank and transparent states.

#include "AdvQrFixture.h"
#include "QrPayloadSamples.h"

#include "advqr/QrPanelFields.h"
#include "advqr/QrPayload.h"
#include "advqr/Qr_Social_View_Panel.h"
#include "advqr/Qr_Sms_View_Panel.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "advqr/Qr_Wifi_View_Panel.h"
#include "app/SKTWindowController.h"
#include "core/Utilities.h"
#include "platform/ColorWell.h"
#include "advqr/AdvQrGlobals.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/SymbolGlobals.h"
#include "support/Wheel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

class AdvQrSymbol : public AdvQrFixture {
protected:
    // Level H with a logo in the centre, as a user sets them.
    void levelHWithLogo()
    {
        qr().ADV_QR_ec_lvl_ComboBox->setCurrentIndex(3);   // the window's handler keeps the level index
        ADV_QR_EC_Level_Val = 3;
        qr().ADV_QR_USE_QR_LOGO = true;
        qr().ADV_QR_USE_QR_LOGO_IMG = logo();
    }
};

struct Route {
    const char *name;
    double toolkitVersion;   // 0: this build's own (the generator)
};

class AdvQrEveryTitle : public AdvQrSymbol, public ::testing::WithParamInterface<Route> {};

TEST_P(AdvQrEveryTitle, FramedPreviewWithLogoAtLevelHDecodesToThePayload)
{
    Set_OS_Version_For_Tests(GetParam().toolkitVersion);
    levelHWithLogo();
    for (const qrsamples::Sample &sample : qrsamples::allTitles()) {
        // The type first (it brings back its remembered inputs), then the fields as typed.
        qr().QR_Text_Clicked(sample.title);
        Write_QR_Panel_Fields(sample.fields, qrpayload::QrPanel::None);
        Type_draw_2d_flag = false;
        c->Set_Qr_Type_Value_Main_Or_Barcode_Wnd();
        const QString expected = Trim_Str(*qrpayload::Build_QR_Payload(sample.title, sample.fields).payload);
        ASSERT_EQ(qr().Get_Adv_QR_Final_Str_Value(), expected) << qPrintable(sample.title);
        ASSERT_TRUE(qr().QR_barcodeImage->hasPicture()) << qPrintable(sample.title);
        EXPECT_TRUE(qr().ADV_QR_barcode_error_label->isHidden());
        const testsupport::Decoded d = testsupport::decode(shown600(), QStringLiteral("QRCode"));
        EXPECT_TRUE(d.ok) << qPrintable(sample.title);
        EXPECT_EQ(d.text, expected) << qPrintable(sample.title);
    }
}

INSTANTIATE_TEST_SUITE_P(BothRoutes, AdvQrEveryTitle,
                         ::testing::Values(Route{"generator", 0}, Route{"encoder", 1000}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(AdvQrSymbol, HeaderAndFooterFrameTheSymbolAndTheLogoSitsInItsCentre)
{
    levelHWithLogo();
    qr().QR_Text_Clicked(QStringLiteral("Text"));
    const platform::Picture bare = qr().image_adv_QR;
    const platform::Picture framed = qr().QR_barcodeImage->picture();
    ASSERT_FALSE(bare.isNull());
    // Header and footer bands make the framed picture taller than the 120-point symbol.
    EXPECT_NEAR(bare.size().width(), 120, 0.01);
    EXPECT_GT(framed.size().height(), bare.size().height() + 20);
    const QImage image = framed.toImage(72);
    const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
    EXPECT_GT(centre.red(), 180);
    EXPECT_LT(centre.green(), 80);   // the red logo

    // The logo box off: no logo.
    qr().ADV_QR_USE_QR_LOGO = false;
    const QImage plain = qr().Get_ADV_QR_barcode_from_image(false).toImage(72);
    const QColor plainCentre = plain.pixelColor(plain.width() / 2, plain.height() / 2);
    EXPECT_EQ(plainCentre.red(), plainCentre.green());
}

TEST_F(AdvQrSymbol, LinkTypesKeepTheirOwnLinks)
{
    qr().QR_Text_Clicked(QStringLiteral("URL"));
    QTest::keyClicks(qr().Qr_Text->URL_Value_field, QStringLiteral("site.one"));
    qr().QR_Text_Clicked(QStringLiteral("Review"));
    EXPECT_EQ(qr().Qr_Text->URL_Value_field->text(), QString());   // not the URL's link
    QTest::keyClicks(qr().Qr_Text->URL_Value_field, QStringLiteral("reviews.two"));
    qr().QR_Text_Clicked(QStringLiteral("URL"));
    EXPECT_EQ(qr().Qr_Text->URL_Value_field->text(), QStringLiteral("site.one"));
    EXPECT_EQ(qr().Get_Adv_QR_Final_Str_Value(), QStringLiteral("https://site.one"));
    qr().QR_Text_Clicked(QStringLiteral("Review"));
    EXPECT_EQ(qr().Qr_Text->URL_Value_field->text(), QStringLiteral("reviews.two"));
    EXPECT_EQ(qr().AQR_Memory.AQR_URL_STR, QStringLiteral("site.one"));
    EXPECT_EQ(qr().AQR_Memory.AQR_REVIEW_STR, QStringLiteral("reviews.two"));
}

TEST_F(AdvQrSymbol, BothTwitterTitlesShareOneLinkAndOtherSitesKeepTheirs)
{
    qr().QR_Text_Clicked(QStringLiteral("X(Twitter)"));
    QTest::keyClicks(qr().Qr_Social->URL_label, QStringLiteral("someone"));
    qr().QR_Text_Clicked(QStringLiteral("Facebook"));
    EXPECT_EQ(qr().Qr_Social->URL_label->text(), QString());
    qr().QR_Text_Clicked(QStringLiteral("Twitter"));
    EXPECT_EQ(qr().Qr_Social->URL_label->text(), QStringLiteral("someone"));
    EXPECT_EQ(qr().AQR_Memory.AQR_TWITTER_STR, QStringLiteral("someone"));
    EXPECT_TRUE(qr().AQR_Memory.AQR_FACEBOOK_STR.isEmpty());
}

TEST_F(AdvQrSymbol, SmsTypesRememberNumberTrimmedAndMessage)
{
    qr().QR_Text_Clicked(QStringLiteral("WhatsApp"));
    QTest::keyClicks(qr().Qr_SMS->Number_Field, QStringLiteral(" 4915 "));
    qr().Qr_SMS->Message_field->setPlainText(QStringLiteral("hello"));
    qr().QR_Text_Clicked(QStringLiteral("Send SMS"));
    EXPECT_EQ(qr().Qr_SMS->Number_Field->text(), QString());
    qr().QR_Text_Clicked(QStringLiteral("WhatsApp"));
    EXPECT_EQ(qr().Qr_SMS->Number_Field->text(), QStringLiteral("4915"));
    EXPECT_EQ(qr().Qr_SMS->Message_field->toPlainText(), QStringLiteral("hello"));
}

TEST_F(AdvQrSymbol, ATypeSwitchEncodesOnceAndAKeystrokeOnce)
{
    QSignalSpy encoded(&qr(), &AdvQrController::symbolEncoded);
    qr().QR_Text_Clicked(QStringLiteral("Email"));
    EXPECT_EQ(encoded.count(), 1);
    qr().QR_Text_Clicked(QStringLiteral("Text"));   // the text view is filled by code
    EXPECT_EQ(encoded.count(), 2);
    QTest::keyClicks(qr().Qr_Text->Text_Field, QStringLiteral("x"));
    EXPECT_EQ(encoded.count(), 3);
}

TEST_F(AdvQrSymbol, BlankPayloadShowsTheErrorLabelAndOutputIsRefused)
{
    qr().Qr_Text->Text_Field->setPlainText(QStringLiteral("  \n\t "));
    EXPECT_EQ(qr().Get_Adv_QR_Final_Str_Value(), QString());
    EXPECT_FALSE(qr().ADV_QR_barcode_error_label->isHidden());
    EXPECT_FALSE(qr().QR_barcodeImage->hasPicture());
    EXPECT_TRUE(qr().image_adv_QR.isNull());
    EXPECT_FALSE(qr().Check_Valid_ADV_QR_Code());
    EXPECT_EQ(responder->alertMessages().last(), QStringLiteral("\nPlease generate QR Code."));
}

// The label says what the symbol holds at the level, for the kind of text.
TEST_F(AdvQrSymbol, PayloadTooLongForTheLevelShowsTheErrorLabel)
{
    const struct { int level; QString text; const char *says; } cases[] = {
        {3, QString(4000, QLatin1Char('x')), "at error correction level H it holds at most 1273 characters."},
        {0, QString(7100, QLatin1Char('7')), "at error correction level L it holds at most 7089 digits."},
        {1, QString(3400, QLatin1Char('A')), "at error correction level M it holds at most 3391 characters."},
        // Counted in this text's characters: three bytes each here.
        {0, QString(1000, QChar(0x4E2D)), "at error correction level L it holds at most 984 characters."},
    };
    for (const auto &k : cases) {
        levelHWithLogo();
        qr().ADV_QR_ec_lvl_ComboBox->setCurrentIndex(k.level);
        ADV_QR_EC_Level_Val = k.level;
        qr().Qr_Text->Text_Field->setPlainText(k.text);
        EXPECT_FALSE(qr().ADV_QR_barcode_error_label->isHidden());
        EXPECT_EQ(qr().ADV_QR_barcode_error_label->text().toStdString(), "The text is too long for a QR Code: " + std::string(k.says));
        EXPECT_FALSE(qr().QR_barcodeImage->hasPicture());
        EXPECT_FALSE(qr().Check_Valid_ADV_QR_Code());
    }
    qr().Qr_Text->Text_Field->setPlainText(QString());
    EXPECT_EQ(qr().ADV_QR_barcode_error_label->text(), QStringLiteral("Please enter a value to generate the QR Code."));
}

TEST_F(AdvQrSymbol, TransparentBackgroundLeavesTheCornersClearAndDisablesTheWell)
{
    struct Case {
        bool transparent;
        int cornerAlpha;
    };
    for (const Case &k : {Case{true, 0}, Case{false, 255}}) {
        if (qr().ADV_QR_transp_bg_chk->isChecked() != k.transparent)
            qr().ADV_QR_transp_bg_chk->click();
        EXPECT_EQ(qr().ADV_QR_back_bg_clr->isEnabled(), !k.transparent);
        const QImage image = shown600();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), k.cornerAlpha);
        EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1).alpha(), k.cornerAlpha);
    }
}

// A list with the focus takes the wheel.
TEST_F(AdvQrSymbol, TheWheelScrollsThePanelsNotTheirLists)
{
    page->resize(1000, 320);
    page->show();
    QApplication::setActiveWindow(page.get());
    qr().QR_Text_Clicked(QStringLiteral("WIFI"));
    ASSERT_GT(page->findChild<QScrollArea *>(QStringLiteral("adv_qr_settings_scroll"))->verticalScrollBar()->maximum(), 0);
    for (QComboBox *list : {qr().ADV_QR_align_ftr_combo, qr().ADV_QR_version_ComboBox, qr().Qr_Wifi->encryption}) {
        QScrollArea *area = testsupport::enclosingScrollArea(list);
        ASSERT_NE(area, nullptr);
        area->verticalScrollBar()->setValue(0);
        const int index = list->currentIndex();
        testsupport::wheelDown(list);
        EXPECT_EQ(list->currentIndex(), index) << list->objectName().toStdString();
        EXPECT_EQ(area->verticalScrollBar()->value() > 0, area->verticalScrollBar()->maximum() > 0);
        list->setFocus();
        testsupport::wheelDown(list);
        EXPECT_NE(list->currentIndex(), index) << list->objectName().toStdString() << " with the focus";
    }
}

} // namespace
