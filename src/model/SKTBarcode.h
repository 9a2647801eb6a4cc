#pragma once
// The barcode object: it holds no barcode logic; the barcode-object window renders its picture
// from the settings every card object carries and hands it over with Set_Barcode_image, and the
// object only draws that picture, whole and at its natural size, from its frame's origin. It never
// paints a fill or a stroke and is never resized by a handle.

#include "model/SKTGraphic.h"

class SKTBarcode : public SKTGraphic {
public:
    static constexpr SKTGraphicClass kClass = SKTGraphicClass::Barcode;

    SKTBarcode() : SKTGraphic(kClass) {}
    // The defaults, and a frame of the drawn picture's size centred on the position; there is no
    // picture yet, so that is a zero-size frame at the position (the contents argument is not used:
    // creation sets the frame and the picture right afterwards).
    SKTBarcode(const QPointF &position, const platform::Picture &contents);

    void barcode_image_var_assign() { _contents = _barcode_image; }
    void drawContentsInView(QPainter &painter, bool isBeingCreateOrEdited) const override;
    bool isDrawingFill() const override { return false; }
    bool isDrawingStroke() const override { return false; }
};
