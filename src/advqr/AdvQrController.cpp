#include "advqr/AdvQrController.h"

#include "advqr/AdvQrPanel.h"
#include "core/Globals.h"

namespace {
AdvQrController *g_latest = nullptr;   // the latest made; GUI thread only
} // namespace

AdvQrController::AdvQrController() : m_panel(new AdvQrPanel(*this)) { g_latest = this; }

AdvQrController::~AdvQrController()
{
    if (g_latest == this)
        g_latest = nullptr;
}

void AdvQrController::useSources(std::unique_ptr<AdvQrSources> sources) { m_sources = std::move(sources); }

// Only while a main window is there (Main_App_wnd), as its mode was reached before.
AdvQrController *AdvQrController::current() { return Main_App_wnd ? g_latest : nullptr; }
