#pragma once
// What the Barcode mode and the barcode-object window read and ask of the rest of the window, each
// through the narrow interface its owner declares: the hub's services, the Advanced QR mode, the
// design and the value-list windows. The hub makes them (app/HubBarcodeModeSide.h) and hands them
// to the mode's controller once every controller exists; the barcode-object window shares them.

#include "advqr/AdvQrBarcodeMode.h"
#include "app/BarcodeModeHost.h"
#include "data/DataBarcodeMode.h"
#include "design/DesignBarcodeMode.h"

#include <memory>

struct BarcodeModeSources {
    std::unique_ptr<BarcodeModeHost> host;
    std::unique_ptr<AdvQrBarcodeMode> advQr;
    std::unique_ptr<DesignBarcodeMode> design;
    std::unique_ptr<DataBarcodeMode> valueListWindows;
};
