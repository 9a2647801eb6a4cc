#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "core/Messages.h"

#include <QWidget>

#include <cmath>
#include <exception>

void DesignController::SetDocumentCanvasSize(const QSizeF &size)
{
    try {
        // The view goes through zero first so that a canvas of the same size is laid out again.
        auto apply = [this](const QSizeF &points) {
            canvasFrameSize = points;
            if (_graphicView) {
                const QSize px(int(std::lround(points.width() * _zoomFactor)),
                               int(std::lround(points.height() * _zoomFactor)));
                _graphicView->setFixedSize(px);
            }
            Refresh_Canvas();
        };
        apply(QSizeF(0, 0));
        apply(size);
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}
