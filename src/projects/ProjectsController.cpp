#include "projects/ProjectsController.h"

ProjectsController::ProjectsController(SKTWindowController &hub) : hub(hub) {}

ProjectsController::~ProjectsController() = default;
