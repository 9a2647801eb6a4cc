#include "barcodemode/BarcodeModeController.h"

BarcodeModeController::BarcodeModeController(SKTWindowController &hub) : hub(hub) {}

BarcodeModeController::~BarcodeModeController() = default;
