#include "imagetools/ImageToolsSources.h"

#include <utility>
#include <vector>

namespace {
ImageToolsSources *g_current = nullptr;   // GUI thread only, as the main window
std::vector<std::function<void()>> g_atUninstall;
} // namespace

ImageToolsSources *ImageToolsSources::current() { return g_current; }

void ImageToolsSources::install(ImageToolsSources *sources) { g_current = sources; }

void ImageToolsSources::uninstall(ImageToolsSources *sources)
{
    if (g_current != sources || !sources)
        return;
    g_current = nullptr;
    for (const std::function<void()> &release : std::exchange(g_atUninstall, {}))
        release();
}

void ImageToolsSources::atUninstall(std::function<void()> release) { g_atUninstall.push_back(std::move(release)); }
