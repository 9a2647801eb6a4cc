#pragma once
// A barcode model or a finished 2D symbol turned into its complete picture in one call. The
// picture is a vector recording of the renderer's drawing, the same one its PDF and EPS hold.

#include "engines/BarcodeSettings.h"
#include "platform/Picture.h"

#include <memory>

class NKDBarcode;

// The complete linear picture; the model stays the caller's. Without settings the model's own are
// used. outputDpi: the resolution it will be output at (0: not known), which a screen shows its
// bars at. A null picture for no model or when drawing fails (logged).
platform::Picture imageFromBarcode(const NKDBarcode *barcode, std::shared_ptr<const BarcodeSettings> settings = {},
                                   double outputDpi = 0);
// The complete 2D picture around the symbol; a null picture for a null symbol.
platform::Picture imageFromBarcodeImage(const platform::Picture &image, std::shared_ptr<const BarcodeSettings> settings);
