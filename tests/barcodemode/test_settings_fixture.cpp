#include "test_settings_fixture.h"

#include "app/SKTWindowController.h"

namespace settings_test {

void SettingsWindow::SetUp()
{
    SKIP_WITHOUT_BARCODE_MODE();
    c = env.controller();
    ASSERT_NE(c, nullptr);
    ASSERT_TRUE(c->isWindowLoaded());
    // Shown, so the controls have their real places and a click lands where a user's would.
    env.window()->show();
    ASSERT_EQ(Barcode_Setting_Or_Designing_Mode, 0);
    ASSERT_EQ(Measument_Unit_Is_Barcode, 1);   // the margins below are in centimetres
    choose(QStringLiteral("Code 128"));
    ASSERT_TRUE(env.barcodeMode().barcodeImage->hasPicture());
    ASSERT_TRUE(env.barcodeMode().testBarcode);
}

} // namespace settings_test
