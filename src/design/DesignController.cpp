#include "design/DesignController.h"

#include "model/SKTGrid.h"
#include "projects/Card_Property.h"

DesignController::DesignController(SKTWindowController &hub) : hub(hub) {}

DesignController::~DesignController()
{
    delete _grid;
    delete Front_card_Prop;
}
