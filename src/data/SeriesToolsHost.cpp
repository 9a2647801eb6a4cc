#include "data/SeriesToolsHost.h"

namespace {
SeriesToolsHost *g_current = nullptr;   // GUI thread only, as the main window
}

SeriesToolsHost *SeriesToolsHost::current() { return g_current; }

void SeriesToolsHost::install(SeriesToolsHost *host) { g_current = host; }

void SeriesToolsHost::uninstall(SeriesToolsHost *host)
{
    if (g_current == host)
        g_current = nullptr;
}
