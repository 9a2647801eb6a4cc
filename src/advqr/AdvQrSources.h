#pragma once
// What the Advanced QR mode reads and asks of the rest of the window, each through the narrow
// interface its owner declares: the hub's services, the Barcode mode's editor and the design. The
// hub makes them (app/HubAdvQrSide.h) and hands them to the mode's controller once every controller
// exists.

#include "app/AdvQrHost.h"
#include "barcodemode/BarcodeModeAdvQr.h"
#include "design/DesignAdvQr.h"

#include <memory>

struct AdvQrSources {
    std::unique_ptr<AdvQrHost> host;
    std::unique_ptr<BarcodeModeAdvQr> barcode;
    std::unique_ptr<DesignAdvQr> design;
};
