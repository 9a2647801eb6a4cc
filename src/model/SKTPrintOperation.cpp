#include "model/SKTPrintOperation.h"

#include "model/SKTRenderingView.h"
#include "platform/Log.h"

#include <QPainter>
#include <QPrinter>

SKTPrintOperation::SKTPrintOperation(std::unique_ptr<QPrinter> printer, std::shared_ptr<const SKTRenderingView> view)
    : m_printer(std::move(printer)), m_view(std::move(view))
{
}

SKTPrintOperation::~SKTPrintOperation() = default;

bool SKTPrintOperation::runOperation()
{
    QPainter painter;
    if (!painter.begin(m_printer.get())) {
        platform::logLine(QStringLiteral("SKTDocument: the printer could not be started."));
        return false;
    }
    // One painter unit is one card point, whatever the printer's resolution.
    const double scale = m_printer->resolution() / 72.0;
    painter.scale(scale, scale);
    painter.translate(-m_view->frame().topLeft());
    m_view->drawRect(painter, m_view->frame());
    return painter.end();
}
