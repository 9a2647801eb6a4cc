// The please-wait guard the Barcode mode shows the hub's sheet with: shown once, hidden once,
// whether the job hides it early or the guard goes.

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
    const struct {
        const char *name;
        int earlyHides;
    } cases[] = {{"the guard goes", 0}, {"hidden early", 1}, {"hidden early twice", 2}};
    for (const auto &c : cases) {
        CountingHost host;
        {
            BarcodeModeHost::WaitSheet sheet(host);
            EXPECT_EQ(host.shown, 1) << c.name;
            for (int i = 0; i < c.earlyHides; ++i)
                sheet.hide();
            EXPECT_EQ(host.hidden, c.earlyHides > 0 ? 1 : 0) << c.name;
        }
        EXPECT_EQ(host.shown, 1) << c.name;
        EXPECT_EQ(host.hidden, 1) << c.name;
    }
}

} // namespace
