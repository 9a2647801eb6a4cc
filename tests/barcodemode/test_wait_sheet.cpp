#include "app/BarcodeModeHost.h"

#include <gtest/gtest.h>

namespace {

class CountingHost final : public BarcodeModeHost {
public:
    int shown = 0, hidden = 0;
    void Set_Barcode_Mode_Save_Flag_TRUE() override {}
    void Designing_Mode_Select() override {}
    void Show_Create_Modeless() override { ++shown; }
    void Hide_Destroy_Modeless() override { ++hidden; }
    void seriesListChosen(QComboBox *, QComboBox *, QLineEdit *) override {}
    void Mark_Fill_List_New_Selection_Design(int) override {}
    LogoItemList &logoList() override { return logos; }
    LogoItemList logos;
};

TEST(BarcodeModeWaitSheet, TheSheetIsHiddenExactlyOnce)
{
    for (const int earlyHides : {0, 1, 2}) {   // the guard goes; the job hides it early, once or twice
        CountingHost host;
        {
            BarcodeModeHost::WaitSheet sheet(host);
            EXPECT_EQ(host.shown, 1) << earlyHides;
            for (int i = 0; i < earlyHides; ++i)
                sheet.hide();
            EXPECT_EQ(host.hidden, earlyHides > 0 ? 1 : 0) << earlyHides;
        }
        EXPECT_EQ(std::pair(host.shown, host.hidden), std::pair(1, 1)) << earlyHides;
    }
}

} // namespace
