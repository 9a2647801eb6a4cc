#include "advqr/AdvQrController.h"

AdvQrController::AdvQrController(SKTWindowController &hub) : hub(hub) {}

AdvQrController::~AdvQrController() = default;
