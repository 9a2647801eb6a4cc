#pragma once
// The picture of a picture object with its settings applied, as the sidebar's picture services
// build it. For now the settings applied are the two flips.

#include "platform/Picture.h"

class SKTGraphic;

// The object's loaded picture (_contents) mirrored by its flips; null without a loaded picture.
platform::Picture Apply_Image_Settings(const SKTGraphic &graphic);
