#include "model/SKTDocument.h"

#include "app/SKTWindowController.h"

namespace {
int windowControllerCount = 0;
}

SKTDocument::SKTDocument() = default;

SKTDocument::~SKTDocument()
{
    for (SKTWindowController *c : m_windowControllers)
        if (c->document() == this)
            c->setDocument(nullptr);
}

void SKTDocument::makeWindowControllers()
{
    if (windowControllerCount != 0)
        return;
    auto *controller = new SKTWindowController;   // lives for the whole process
    m_windowControllers.append(controller);
    controller->setDocument(this);
    ++windowControllerCount;
}

QSizeF SKTDocument::canvasSize_size_val(bool useDefault, const QSizeF &size)
{
    return useDefault ? QSizeF(284, 284) : size;
}

void SKTDocument::setCanvasSize(const QSizeF &size)
{
    m_canvasSize = size;
    emit canvasSizeChanged(size);
}

int SKTDocument::controllersMade() { return windowControllerCount; }

void SKTDocument::resetForTests() { windowControllerCount = 0; }
