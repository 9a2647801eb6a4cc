#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "model/DesignSnapshot.h"
#include "model/SKTDocument.h"

void DesignController::Insert_In_Undo_Redo()
{
    Rcontrol.clear();
    if (auto *document = hub.document())
        Ucontrol.append(std::make_shared<DesignSnapshot>(document->graphics()));
}

void DesignController::Undo_Action_Perform() {}

void DesignController::Redo_Action_Perform() {}
