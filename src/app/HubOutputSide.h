#pragma once
// The hub as output reads it (OutputHost), and the making of every source output reads: the hub's
// side and the output sides of the Barcode mode, the Advanced QR mode and the design.

#include "app/OutputHost.h"

struct OutputSources;
class SKTWindowController;

class HubOutputSide final : public OutputHost {
public:
    explicit HubOutputSide(SKTWindowController &hub) : hub(hub) {}

    QWidget *window() override;
    bool isWindowLoaded() const override;
    Send_Modeless *Progress_Sheet() const override;
    void Show_One_By_One_Modeless() override;
    void Hide_One_By_One_Modeless() override;
    void setPrintInfo(const platform::PrintInfo &info) override;
    platform::Picture Invalid_Barcode_Data_Image() const override;
    QString App_Name() const override;
    QString Design_Name() const override;
    bool Set_Front_Back_Value_To_Print_Export_Mail() override;
    bool Create_Card_Design_Again() override;
    void Set_Graphic_Array_According_Side() override;

private:
    SKTWindowController &hub;
};

// The sources of the hub's output controller; call once the subsystems' controllers exist.
OutputSources Make_Output_Sources(SKTWindowController &hub);
