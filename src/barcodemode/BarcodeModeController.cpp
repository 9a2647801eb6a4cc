#include "barcodemode/BarcodeModeController.h"

#include "barcodemode/BarcodeModePanel.h"

BarcodeModeController::BarcodeModeController(SKTWindowController &hub)
    : hub(hub), m_panel(new BarcodeModePanel(*this))
{
}

BarcodeModeController::~BarcodeModeController() = default;
