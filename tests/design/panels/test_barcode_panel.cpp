// The barcode page alone: both buttons hand their work to the Designing mode; the QR payload
// editor is offered in the QR edition alone.

#include "core/Edition.h"
#include "design/panels/BarcodePanel.h"

#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(BarcodePanelAlone, EachButtonAsksForItsWindow)
{
    BarcodePanel p;
    QSignalSpy windows(&p, &BarcodePanel::barcodeWindowRequested);
    QSignalSpy editors(&p, &BarcodePanel::qrValueEditRequested);
    p.barcode_prop_btn->click();
    EXPECT_EQ(windows.count(), 1);
    EXPECT_EQ(editors.count(), 0);
    p.Edit_Qr_Code_Val_BTN->click();
    EXPECT_EQ(windows.count(), 1);
    EXPECT_EQ(editors.count(), 1);
}

TEST(BarcodePanelAlone, TheQrEditorIsTheQrEditionsAlone)
{
    BarcodePanel p;
    EXPECT_EQ(p.Edit_Qr_Code_Val_BTN->isHidden(), !ONLY_QR_MODE);
    EXPECT_FALSE(p.barcode_prop_btn->isHidden());
    EXPECT_EQ(p.objectName(), QStringLiteral("barcode_tab"));
}

} // namespace
