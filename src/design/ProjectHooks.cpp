// Clearing the design for a project reset or load.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"

void DesignController::delete_all_control()
{
    if (SKTGraphicView *canvas = Graphic_View()) {
        canvas->delete_all_control();
    } else if (SKTDocument *document = hub.document()) {
        QList<int> indexes;
        for (qsizetype i = 0; i < document->graphics().size(); ++i)
            indexes.append(int(i));
        if (!indexes.isEmpty())
            document->removeGraphicsAtIndexes(indexes);
    }
    _Selected_Graphic.reset();
    Last_Selected_Graphic = nullptr;
}
