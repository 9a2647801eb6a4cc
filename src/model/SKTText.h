#pragma once
// The text object: one block of text inside its frame, optionally on a filled box with a border,
// with a blurred character shadow. Its text and attributes are written by the sidebar and the
// record fill; it draws itself and measures its natural size, the way it is drawn. Fill and stroke
// start off. text_rotation is kept and saved, not drawn.

#include "model/SKTGraphic.h"

class SKTText : public SKTGraphic {
public:
    static constexpr SKTGraphicClass kClass = SKTGraphicClass::Text;
    SKTText() : SKTGraphic(kClass) {}

    // Nothing when hidden. Being created: only a one-point frame around the frame enlarged by one
    // point. Otherwise the box fill (a gradient for "G", solid for any other code), then, unless
    // the text is only blanks and control characters, the characters (with their shadow) and the
    // border.
    void drawContentsInView(QPainter &painter, bool isBeingCreateOrEdited) const override;

    // The size the text takes as drawn (trimmed, in its case, font and letter spacing), wrapped at
    // the current width; the width never grows.
    QSizeF naturalSize() const;
    // Unlocked: the natural size from the same origin.
    void makeNaturalSize() override;

    // The characters drawn: the storage's (or, before it is made, Text_Value) trimmed of blanks and
    // control characters at both ends, in the case of text_transfrom_case.
    QString drawnText() const;
};
