#pragma once
// The design as the Advanced QR mode sees it: its controller behind DesignAdvQr.

#include "design/DesignAdvQr.h"

class DesignController;

class DesignAdvQrSide final : public DesignAdvQr {
public:
    explicit DesignAdvQrSide(DesignController &design) : design(design) {}

    void Set_Selected_Control_Tool(int tool) override;
    SKTGraphicView *Graphic_View() const override;
    std::shared_ptr<SKTGraphic> Get_Selected_Graphic() const override;
    void Show_RHS_Properties(SKTGraphic *graphic) override;
    int Selected_Unit_Row() const override;
    float Get_Unit_Convertor(int from, int to) const override;
    int Open_Image_Library_Window(const QString &purpose) override;
    void Set_Paste_Button_Status() override;

private:
    DesignController &design;
};
