#pragma once
// What the image tools read and ask of the rest of the window, each through the narrow interface
// its owner declares: the hub's services, output's job runner and file writer, and the Barcode
// mode. The tools are made on first use from wherever they are opened, so the hub makes these
// (app/HubImageToolsSide.h) and installs them for its life instead of handing them to each tool.

#include "app/ImageToolsHost.h"
#include "barcodemode/BarcodeModeImageTools.h"
#include "output/OutputImageTools.h"

#include <functional>
#include <memory>

struct ImageToolsSources {
    std::unique_ptr<ImageToolsHost> host;
    std::unique_ptr<OutputImageTools> output;
    std::unique_ptr<BarcodeModeImageTools> barcode;

    // The main window's, from its making to its end; null without one.
    static ImageToolsSources *current();
    static void install(ImageToolsSources *sources);
    // Forgets sources if they are the current ones, and runs what was left to their end.
    static void uninstall(ImageToolsSources *sources);
    // Runs once when the current sources are uninstalled (the main window ends): a tool lets go of
    // its window then, well before the application object ends.
    static void atUninstall(std::function<void()> release);
};
