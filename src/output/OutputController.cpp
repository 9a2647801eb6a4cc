#include "output/OutputController.h"

OutputController::OutputController(SKTWindowController &hub) : hub(hub) {}

OutputController::~OutputController() = default;
