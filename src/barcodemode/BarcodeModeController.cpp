#include "barcodemode/BarcodeModeController.h"

#include "barcodemode/BarcodeModePanel.h"

BarcodeModeController::BarcodeModeController() : m_panel(new BarcodeModePanel(*this)) {}

BarcodeModeController::~BarcodeModeController() = default;

void BarcodeModeController::useSources(std::unique_ptr<BarcodeModeSources> sources) { m_sources = std::move(sources); }
