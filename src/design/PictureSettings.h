#pragma once
// The picture of a picture object with its settings applied, as the sidebar's picture services
// build it.

#include "platform/Picture.h"

class SKTGraphic;

// The object's loaded picture (_contents) through the effect chain with the object's settings:
// effects, flips, then the rotation (truncated toward zero) inside the picture's box. Null
// without a loaded picture.
platform::Picture Apply_Image_Settings(const SKTGraphic &graphic);
