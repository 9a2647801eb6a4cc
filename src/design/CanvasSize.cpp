#include "app/SKTWindowController.h"

void SKTWindowController::SetDocumentCanvasSize(const QSizeF &size)
{
    canvasFrameSize = size;
}
