// Mended faults of the barcode-object window and its answers to bad stored settings: a check that
// fails by an exception keeps the dialog open, a "Custom" resolution is the object's own, the
// window's resolution never moves the Barcode mode's, and indexes outside their lists, refused
// values and odd numbers give the first item, no picture or the bounded value.

#include "barcode_gen_fixture.h"

#include "app/SKTWindowController.h"
#include "barcodemode/GenerationCore.h"
#include "platform/Stepper.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "model/DesignGlobals.h"
#include "core/Globals.h"
#include "core/SymbolGlobals.h"
#include "support/LogCapture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QtGlobal>

#include <stdexcept>

using namespace barcode_gen_test;
using testsupport::LogCapture;

namespace {

// Answers every alert as scripted, but the Yes/No question fails as a broken alert would.
class FailingQuestion : public testsupport::ScriptedResponder {
public:
    int alert(const platform::AlertRequest &request) override
    {
        if (request.buttons.contains(QStringLiteral("No")))
            throw std::runtime_error("The question could not be shown.");
        return ScriptedResponder::alert(request);
    }
};

std::shared_ptr<SKTGraphic> qrObject(const QString &dpiItem, const QString &custom)
{
    auto o = std::make_shared<SKTBarcode>();
    o->barcode_font_index = 16;
    o->linear_or_2d = 1;
    o->two_d_font_val = QStringLiteral("Tagora resolution");
    o->qr_size_val = 72;
    o->dpi_val_index = int(QStringList{QStringLiteral("Auto"), QStringLiteral("Custom"), QStringLiteral("72 DPI"),
                                       QStringLiteral("150 DPI"), QStringLiteral("300 DPI"), QStringLiteral("600 DPI"),
                                       QStringLiteral("1200 DPI")}
                                .indexOf(dpiItem));
    o->dpi_custom_val = custom;
    return o;
}

} // namespace

TEST_F(BarcodeGenWindow, AnExceptionInTheOkChecksShowsItsReasonAndKeepsTheDialogOpen)
{
    writeSeries(QStringLiteral("codes"), "A-1\n");
    auto failing = std::make_shared<FailingQuestion>();
    platform::setDialogResponder(failing);
    failing->onModal = [this, failing](QDialog &dialog) {
        pick(g->Data_source_type, QStringLiteral("Batch Processing Series"));
        for (QCheckBox *box : {g->use_value_series_chk, g->use_hdr_series_chk, g->use_ftr_series_chk})
            box->click();
        g->OK_Btn_Clicked();
        // Still open: the run has not ended and the picture of the edit went nowhere.
        EXPECT_EQ(dialog.result(), 0);
        EXPECT_EQ(Barcode_output_image, nullptr);
        EXPECT_EQ(failing->alertMessages(), QStringList{QStringLiteral("\nThe question could not be shown.")});
        return dialog.result();
    };
    EXPECT_EQ(g->Open_Wnd(barcodeObject()), nullptr);
    EXPECT_EQ(failing->modalCount, 1);
    EXPECT_EQ(Barcode_output_image, nullptr);
}

TEST_F(BarcodeGenWindow, ACustomResolutionIsTheObjectsOwn)
{
    const auto at300 = qrObject(QStringLiteral("Custom"), QStringLiteral("300"));
    const auto at150 = qrObject(QStringLiteral("Custom"), QStringLiteral("150"));
    const auto symbolPixels = [](const Barcode_Gen &w) { return w.image_2d.image().width(); };
    int pixels300 = 0, pixels150 = 0;
    open(at300, [&](Barcode_Gen &w) {
        EXPECT_EQ(w.windowResolution(), 300);
        EXPECT_EQ(w.dpi_Text->text(), QStringLiteral("300"));
        EXPECT_FALSE(w.dpi_Stepper->isHidden());
        pixels300 = symbolPixels(w);
        // The user leaves another custom resolution behind.
        w.dpi_Stepper->setIntValue(449);
        w.dpi_Stepper->stepUp();
        EXPECT_EQ(w.windowResolution(), 450);
    });
    open(at150, [&](Barcode_Gen &w) {
        EXPECT_EQ(w.windowResolution(), 150);
        pixels150 = symbolPixels(w);
    });
    open(at300, [&](Barcode_Gen &w) {
        EXPECT_EQ(w.windowResolution(), 300);
        EXPECT_EQ(symbolPixels(w), pixels300);
    });
    // 72 points of modules raised to each resolution.
    EXPECT_EQ(pixels300, 300);
    EXPECT_EQ(pixels150, 150);
    g->Set_Barcode_Prop_To_Control(*at150, true);
    EXPECT_EQ(g->renderSnapshot().dpi, 150);
    g->Set_Barcode_Prop_To_Control(*at300, false);
    EXPECT_EQ(g->renderSnapshot().dpi, 300);
    // A custom text outside the custom range takes the range's bound.
    g->Set_Barcode_Prop_To_Control(*qrObject(QStringLiteral("Custom"), QStringLiteral("0")), true);
    EXPECT_EQ(g->renderSnapshot().dpi, 72);
}

TEST_F(BarcodeGenWindow, TheWindowsResolutionLeavesTheBarcodeModesAlone)
{
    USED_DPI_VALUE = 600;
    open(qrObject(QStringLiteral("300 DPI"), QStringLiteral("0")), [](Barcode_Gen &w) {
        EXPECT_EQ(w.windowResolution(), 300);
        pick(w.DPI_ComboBox, QStringLiteral("Custom"));
        w.dpi_Stepper->stepUp();
        EXPECT_NE(w.windowResolution(), 300);
        pick(w.DPI_ComboBox, QStringLiteral("72 DPI"));
        EXPECT_EQ(w.windowResolution(), 72);
    });
    EXPECT_EQ(USED_DPI_VALUE, 600);
    g->Set_Barcode_Prop_To_Control(*qrObject(QStringLiteral("1200 DPI"), QStringLiteral("0")), true);
    EXPECT_FALSE(g->Get_Image_From_Val(QStringLiteral("x"), QString(), QString()).isNull());
    EXPECT_EQ(USED_DPI_VALUE, 600);
}

TEST_F(BarcodeGenWindow, AnUnknownSymbologyGivesNoPictureAndSaysSo)
{
    auto object = barcodeObject();
    object->barcode_font_index = 99;
    {
        LogCapture log;
        g->Set_Barcode_Prop_To_Control(*object, true);
        EXPECT_TRUE(g->Get_Image_From_Val(QStringLiteral("0123"), QString(), QString()).isNull());
        EXPECT_TRUE(LogCapture::lines().contains(QStringLiteral("No symbology at index 99: no barcode is drawn.")));
    }
    const auto copy = open(object, [this](Barcode_Gen &w) {
        EXPECT_EQ(w.barcodeTypePopup->currentIndex(), -1);
        EXPECT_FALSE(w.barcodeImage->hasPicture());
        w.OK_Btn_Clicked();
        EXPECT_EQ(messages(), QStringList{QStringLiteral("\n") + invalid_barcode_msg});
        w.Cancel_Btn_Clicked();
    });
    EXPECT_EQ(copy, nullptr);
}

TEST_F(BarcodeGenWindow, IndexesOutsideTheirListsTakeTheFirstItem)
{
    const auto picture = [this](const SKTGraphic &o) {
        g->Set_Barcode_Prop_To_Control(o, true);
        return at600(g->Get_Image_From_Val(o.two_d_font_val, o.header_val, o.footer_val));
    };
    auto dm = barcodeObject();
    dm->barcode_font_index = 18;
    dm->linear_or_2d = 1;
    dm->two_d_font_val = QStringLiteral("Tagora DataMatrix");
    auto odd = barcodeObject();
    odd->barcode_font_index = 18;
    odd->linear_or_2d = 1;
    odd->two_d_font_val = dm->two_d_font_val;
    dm->dm_format_index = dm->dm_encoding_index = dm->align_hdr_index = dm->align_ftr_index = dm->dpi_val_index = 0;
    odd->dm_format_index = 500;
    odd->dm_encoding_index = -3;
    odd->align_hdr_index = 7;
    odd->align_ftr_index = -1;
    odd->dpi_val_index = 99;
    const QImage expected = picture(*dm);
    ASSERT_FALSE(expected.isNull());
    EXPECT_TRUE(picture(*odd) == expected);
    EXPECT_EQ(g->renderSnapshot().dmFormat, QStringLiteral("Auto"));
    EXPECT_EQ(g->renderSnapshot().dpi, 600);
    open(odd, [](Barcode_Gen &w) {
        EXPECT_EQ(w.dm_format_ComboBox->currentIndex(), 0);
        EXPECT_EQ(w.dm_encoding_ComboBox->currentIndex(), 0);
        EXPECT_EQ(w.align_hdr_combo->currentIndex(), 0);
        EXPECT_EQ(w.align_ftr_combo->currentIndex(), 0);
        EXPECT_EQ(w.DPI_ComboBox->currentIndex(), 0);
    });

    // A QR version outside the list is the automatic version: the size is not raised.
    auto qr = qrObject(QStringLiteral("Auto"), QStringLiteral("0"));
    qr->qr_size_val = 30;
    qr->qr_version_index = 77;
    g->Set_Barcode_Prop_To_Control(*qr, true);
    EXPECT_EQ(g->renderSnapshot().qrSide, 30);
    EXPECT_EQ(g->renderSnapshot().qrVersion, -1);
    qr->qr_version_index = 5;   // 37 modules: raised
    g->Set_Barcode_Prop_To_Control(*qr, true);
    EXPECT_EQ(g->renderSnapshot().qrSide, 37);
    open(qr, [](Barcode_Gen &w) {
        EXPECT_EQ(w.HeightText_2D->text(), QStringLiteral("37"));
        EXPECT_EQ(w.DES_QR_Version_Val, 5);
    });
    qr->qr_version_index = 0;
    open(qr, [](Barcode_Gen &w) {
        EXPECT_EQ(w.HeightText_2D->text(), QStringLiteral("30"));
        EXPECT_EQ(w.DES_QR_Version_Val, -1);   // the automatic item
    });
}

TEST_F(BarcodeGenWindow, AValueTheSymbologyRefusesGivesNoPictureAndOkSaysSo)
{
    auto ean = barcodeObject();
    ean->barcode_font_index = 8;   // EAN-13
    ean->linear_font_val = QStringLiteral("ABC");
    g->Set_Barcode_Prop_To_Control(*ean, true);
    EXPECT_TRUE(g->Get_Image_From_Val(ean->linear_font_val, ean->header_val, ean->footer_val).isNull());
    EXPECT_FALSE(g->Get_Image_From_Val(QStringLiteral("590123412345"), ean->header_val, ean->footer_val).isNull());
    const auto copy = open(ean, [this](Barcode_Gen &w) {
        w.OK_Btn_Clicked();
        EXPECT_EQ(messages(), QStringList{QStringLiteral("\n") + invalid_barcode_msg});
        EXPECT_EQ(w.window->result(), 0);
    });
    EXPECT_EQ(copy, nullptr);
}

TEST_F(BarcodeGenWindow, NumbersThatAreNoNumbersOrTooLargeDrawNothingAndNeverCrash)
{
    auto o = barcodeObject();
    o->linear_height_val = std::numeric_limits<float>::quiet_NaN();
    o->linear_width_val = std::numeric_limits<float>::infinity();
    o->LR_margin_val = -5;
    g->Set_Barcode_Prop_To_Control(*o, true);
    g->Get_Image_From_Val(o->linear_font_val, o->header_val, o->footer_val);
    // A QR symbol of a million points would exceed the raster limits: no picture, nothing allocated.
    auto huge = qrObject(QStringLiteral("Auto"), QStringLiteral("0"));
    huge->qr_size_val = 1000000;
    g->Set_Barcode_Prop_To_Control(*huge, true);
    EXPECT_TRUE(g->Get_Image_From_Val(huge->two_d_font_val, QString(), QString()).isNull());
    huge->pdf_hgt_val = 1 << 30;   // the module stepper bounds it
    huge->barcode_font_index = 17;
    g->Set_Barcode_Prop_To_Control(*huge, true);
    EXPECT_EQ(g->renderSnapshot().pdfModule, 5000);
    open(o, [](Barcode_Gen &w) { w.Cancel_Btn_Clicked(); });
}

// A bar height at the field's own maximum is too large for the output: OK says the size is too
// large, not that the value is invalid, and the dialog stays open until Cancel.
TEST_F(BarcodeGenWindow, OkOnASymbolTooLargeSaysTheSizeIsTooLarge)
{
    c->applicationDidFinishLaunching();   // hears typing, as at start-up
    USED_DPI_VALUE = 600;
    bool stayedOpen = false;
    const auto copy = open(barcodeObject(), [&](Barcode_Gen &w) {
        ASSERT_TRUE(w.barcodeImage->hasPicture());
        w.HeightText->setFocus();
        w.HeightText->selectAll();
        QTest::keyClicks(w.HeightText, QStringLiteral("1000"));
        QTest::keyClick(w.HeightText, Qt::Key_Return);
        EXPECT_FALSE(w.barcodeImage->hasPicture());
        QTest::mouseClick(w.OK_Btn, Qt::LeftButton);
        ASSERT_FALSE(messages().isEmpty());
        EXPECT_EQ(messages().last().trimmed(), barcode_generation::kSymbolTooLargeMessage);
        stayedOpen = w.window->result() == 0;
        QTest::mouseClick(w.Cancel_Btn, Qt::LeftButton);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(copy, nullptr);
    EXPECT_EQ(messages().size(), 1);
}
