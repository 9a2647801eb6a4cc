#include "design/DesignController.h"

#include "model/SKTGraphic.h"

void DesignController::Show_RHS_Properties(SKTGraphic *graphic)
{
    Last_Selected_Graphic = graphic;
}
