#pragma once
// What output reads of the Advanced QR mode: the symbol shown, its header and footer, the title of
// its QR type and its background choice. The mode implements it (advqr/AdvQrOutputSide.h).

#include "platform/Picture.h"

#include <QString>

class AdvQrOutput {
public:
    virtual ~AdvQrOutput() = default;

    virtual QString Shown_Header() const = 0;
    virtual QString Shown_Footer() const = 0;
    // The title of the chosen QR type ("" without one); it names exported files.
    virtual QString Category_Title() const = 0;
    // The transparent background is chosen.
    virtual bool Transparent_Background() const = 0;
    virtual platform::Picture Shown_Picture() const = 0;
};
