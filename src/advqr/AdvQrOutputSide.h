#pragma once
// The Advanced QR mode as output reads it: its controller behind AdvQrOutput.

#include "advqr/AdvQrOutput.h"

class AdvQrController;

class AdvQrOutputSide final : public AdvQrOutput {
public:
    explicit AdvQrOutputSide(AdvQrController &mode) : mode(mode) {}

    QString Shown_Header() const override;
    QString Shown_Footer() const override;
    QString Category_Title() const override;
    bool Transparent_Background() const override;
    platform::Picture Shown_Picture() const override;

private:
    AdvQrController &mode;
};
