#pragma once
// The text object: fill and stroke start off. Its layout and drawing come with the text objects.

#include "model/SKTGraphic.h"

class SKTText : public SKTGraphic {
public:
    static constexpr SKTGraphicClass kClass = SKTGraphicClass::Text;
    SKTText() : SKTGraphic(kClass) {}
};
