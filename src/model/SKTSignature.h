#pragma once
// The signature or fingerprint object: never filled. Its picture and drawing come with the
// signature objects.

#include "model/SKTGraphic.h"

class SKTSignature : public SKTGraphic {
public:
    static constexpr SKTGraphicClass kClass = SKTGraphicClass::Signature;
    SKTSignature() : SKTGraphic(kClass) {}

    bool isDrawingFill() const override { return false; }
};
