#include "advqr/AdvQrController.h"

#include "advqr/AdvQrPanel.h"

AdvQrController::AdvQrController(SKTWindowController &hub) : hub(hub), m_panel(new AdvQrPanel(*this)) {}

AdvQrController::~AdvQrController() = default;
