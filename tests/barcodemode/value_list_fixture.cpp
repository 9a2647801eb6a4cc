#include "value_list_fixture.h"

#include "app/SKTWindowController.h"

namespace value_list_test {

void ValueListWindow::SetUp()
{
    SKIP_WITHOUT_BARCODE_MODE();
    c = env.controller();
    ASSERT_NE(c, nullptr);
    c->window()->resize(1400, 950);
    c->window()->show();
    bm = &c->barcodeMode();
    ASSERT_EQ(Barcode_Setting_Or_Designing_Mode, 0);
    ASSERT_TRUE(bm->Custom_Sheet_RD->isChecked());
    bm->data_source_chkbox->click();   // the user ticks batch processing
    ASSERT_TRUE(Use_Data_Sheet_Values);
    ASSERT_TRUE(bm->List->isEnabled());
    // Ticking it put the sample record into the empty list and selected it; the tests start
    // from an empty list, as a user has it after deleting that record.
    ASSERT_EQ(bm->ListData_barcode.size(), 1);
    ASSERT_EQ(bm->selectedListRows(), QList<int>{0});
    bm->ListData_barcode.clear();
    bm->Reload_List();
    bm->Update_List_Count();
    pleaseWaitSheet = c->plz_wait_Window;
    ASSERT_NE(pleaseWaitSheet, nullptr);
    pleaseWaitSheet->installEventFilter(&pleaseWait);
}

} // namespace value_list_test
