#include "imagetools/ImageToolsSources.h"

namespace {
ImageToolsSources *g_current = nullptr;   // GUI thread only, as the main window
} // namespace

ImageToolsSources *ImageToolsSources::current() { return g_current; }

void ImageToolsSources::install(ImageToolsSources *sources) { g_current = sources; }

void ImageToolsSources::uninstall(ImageToolsSources *sources)
{
    if (g_current == sources)
        g_current = nullptr;
}
