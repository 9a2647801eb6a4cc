#pragma once
// What projects reads and asks of the rest of the window, each through the narrow interface its
// owner declares: the hub's services, the design and the Barcode mode. The hub makes them
// (app/HubProjectsSide.h) and hands them to its projects controller, which owns them; the wizard,
// the template panel and the project-file readers and writers reach them through that controller.

#include "app/ProjectsHost.h"
#include "barcodemode/BarcodeModeProjects.h"
#include "design/DesignProjects.h"

#include <memory>

struct ProjectsSources {
    std::unique_ptr<ProjectsHost> host;
    std::unique_ptr<DesignProjects> design;
    std::unique_ptr<BarcodeModeProjects> barcode;
};
