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
    // The picture as the output at printDpi makes it, reduced smoothly to the painter's pixels: a
    // thumbnail's symbol then has the size it prints at, where whole pixels at the thumbnail's own
    // scale would shrink its modules by up to a third. A picture that is a plain bitmap, or one
    // that cannot be made at printDpi, is drawn as drawContentsInView draws it.
    void drawAsPrinted(QPainter &painter, double printDpi) const;
    bool isDrawingFill() const override { return false; }
    bool isDrawingStroke() const override { return false; }
};
