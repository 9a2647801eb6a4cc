#pragma once
// The Advanced QR mode as the design reads it: its controller and the payload editor behind
// AdvQrDesign.

#include "advqr/AdvQrDesign.h"

class AdvQrController;

class AdvQrDesignSide final : public AdvQrDesign {
public:
    explicit AdvQrDesignSide(AdvQrController &mode) : mode(mode) {}

    AdvQrSettings settings() const override;
    QString Get_Adv_QR_Final_Str_Value() const override;
    QString SEL_QR_DISPLAY_VALUE() const override;
    bool ADV_QR_USE_QR_LOGO() const override;
    QString ADV_QR_USE_QR_LOGO_PATH() override;
    bool Check_Valid_ADV_QR_Code() override;
    void Generate_Adv_QR_Thread_Function() override;
    void OK_Unit_Change_For_ADV_QR() override;
    std::optional<Payload> Open_ADV_QR_EDIT_Window(const Payload &start) override;

private:
    AdvQrController &mode;
};
