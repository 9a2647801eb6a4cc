#include "model/SKTDocument.h"

namespace {
int windowControllerCount = 0;
SKTDocument::WindowControllerFactory &factory()
{
    static SKTDocument::WindowControllerFactory f;
    return f;
}
} // namespace

SKTDocument::SKTDocument() = default;

// The controllers watch the document through a guarded pointer, so they let go of it by themselves.
SKTDocument::~SKTDocument() = default;

void SKTDocument::setWindowControllerFactory(WindowControllerFactory f) { factory() = std::move(f); }

void SKTDocument::makeWindowControllers()
{
    if (windowControllerCount != 0 || !factory())
        return;
    SKTWindowController *controller = factory()(*this);   // lives for the whole process
    if (!controller)
        return;
    m_windowControllers.append(controller);
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

void SKTDocument::graphicDidChange(SKTGraphic &graphic, const QString &key, const QVariant &oldValue,
                                   const QVariant &newValue)
{
    emit graphicChanged(&graphic, key, oldValue, newValue);
}

int SKTDocument::controllersMade() { return windowControllerCount; }

void SKTDocument::resetForTests() { windowControllerCount = 0; }
