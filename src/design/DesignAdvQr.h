#pragma once
// What the Advanced QR mode asks of the design: the canvas's barcode tool and selection for "Use in
// Design", the unit chosen, the image library for the logo, and the paste button after a copy. The
// design implements it (design/DesignAdvQrSide.h).

#include <QString>

#include <memory>

class SKTGraphic;
class SKTGraphicView;

class DesignAdvQr {
public:
    virtual ~DesignAdvQr() = default;

    virtual void Set_Selected_Control_Tool(int tool) = 0;
    virtual SKTGraphicView *Graphic_View() const = 0;
    virtual std::shared_ptr<SKTGraphic> Get_Selected_Graphic() const = 0;
    virtual void Show_RHS_Properties(SKTGraphic *graphic) = 0;
    virtual int Selected_Unit_Row() const = 0;
    // The factor from one unit to another (the units window's rows).
    virtual float Get_Unit_Convertor(int from, int to) const = 0;
    virtual int Open_Image_Library_Window(const QString &purpose) = 0;
    virtual void Set_Paste_Button_Status() = 0;
};
