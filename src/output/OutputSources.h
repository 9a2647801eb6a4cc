#pragma once
// What output reads and asks of the rest of the window, each through the narrow interface its owner
// declares: the hub's services, the Barcode mode, the Advanced QR mode and the design. The hub makes
// them (app/HubOutputSide.h) and hands them to its output controller, which owns them; output's
// windows and jobs reach them through that controller.

#include "advqr/AdvQrOutput.h"
#include "app/OutputHost.h"
#include "barcodemode/BarcodeModeOutput.h"
#include "design/DesignOutput.h"

#include <memory>

struct OutputSources {
    std::unique_ptr<OutputHost> host;
    std::unique_ptr<BarcodeModeOutput> barcode;
    std::unique_ptr<AdvQrOutput> advQr;
    std::unique_ptr<DesignOutput> design;
};
