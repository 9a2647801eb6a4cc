#pragma once
// What the design reads and asks of the rest of the window, each through the narrow interface its
// owner declares: the hub's services, the Barcode mode, the Advanced QR mode, projects, data, the
// image tools and output. The hub makes them (app/HubDesignSide.h) and hands them to its design
// controller, which owns them; the design's parts and panels reach them through that controller.

#include "advqr/AdvQrDesign.h"
#include "app/DesignHost.h"
#include "barcodemode/BarcodeModeDesign.h"
#include "data/DataDesign.h"
#include "imagetools/ImageToolsDesign.h"
#include "output/OutputDesign.h"
#include "projects/ProjectsDesign.h"

#include <memory>

struct DesignSources {
    std::unique_ptr<DesignHost> host;
    std::unique_ptr<BarcodeModeDesign> barcode;
    std::unique_ptr<AdvQrDesign> advQr;
    std::unique_ptr<ProjectsDesign> projects;
    std::unique_ptr<DataDesign> data;
    std::unique_ptr<ImageToolsDesign> imageTools;
    // Output reads the design, so it comes last: null until the hub hands it over.
    std::unique_ptr<OutputDesign> output;
};
