#pragma once
// The Advanced QR mode on its page of a fresh main window, in its working mode, with dialogs
// answered from a script.

#include "advqr/AdvQrController.h"
#include "core/FileServices.h"
#include "core/Mode.h"
#include "core/SymbolGlobals.h"
#include "advqr/AdvQrGlobals.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "platform/PictureView.h"
#include "support/AppEnvironment.h"
#include "support/Decode.h"
#include "support/ScriptedResponder.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

class AdvQrFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        page = std::make_unique<QWidget>();
        env.advQr().buildAdvancedQrPanel(page.get());
        Barcode_Setting_Or_Designing_Mode = 2;
        form_is_loading = false;
        Type_draw_2d_flag = false;
        QR_Val_Edit = false;
        ADV_QR_Version_Val = ADV_QR_EC_Level_Val = 0;
        // Choosing the mode's tab shows the selected type and draws its symbol.
        qr().Show_Hide_QR_Type_Panel();
    }
    void TearDown() override
    {
        page.reset();
        Barcode_Setting_Or_Designing_Mode = 0;
        Set_OS_Version_For_Tests(0);
        QR_Val_Edit = false;
    }
    AdvQrController &qr() { return env.advQr(); }
    // The framed symbol the preview shows, rasterised at 600 DPI.
    QImage shown600() { return qr().QR_barcodeImage->picture().toImage(600); }
    // A plain logo picture of one colour.
    static QImage logo(const QColor &colour = QColor(220, 30, 30))
    {
        QImage image(200, 200, QImage::Format_ARGB32);
        image.fill(colour);
        return image;
    }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env;
    SKTWindowController *c = nullptr;
    std::unique_ptr<QWidget> page;
};
