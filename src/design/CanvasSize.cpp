#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "core/Messages.h"
#include "model/SKTGraphicView.h"

#include <QWidget>

#include <cmath>
#include <exception>

QString DesignController::Canvas_Size_Refusal(const QSizeF &size)
{
    const double w = size.width(), h = size.height();
    if (!std::isfinite(w) || !std::isfinite(h))
        return tr("The card size is not a number.");
    if (w <= 0 || h <= 0)
        return tr("The card must be wider and taller than zero.");
    // At the largest zoom (400 %) the canvas may not pass the largest size a widget can take.
    constexpr double largest = double(QWIDGETSIZE_MAX) / 4.0;
    if (w > largest || h > largest)
        return tr("The card is too large to show: width and height must stay under %1 points.")
            .arg(QString::number(largest, 'f', 0));
    return QString();
}

void DesignController::SetDocumentCanvasSize(const QSizeF &size)
{
    try {
        const QString refusal = Canvas_Size_Refusal(size);
        if (!refusal.isEmpty()) {
            Show_MessageBox(refusal);
            return;
        }
        // The view goes through zero first so that a canvas of the same size is laid out again.
        auto apply = [this](const QSizeF &points) {
            canvasFrameSize = points;
            if (SKTGraphicView *canvas = Graphic_View()) {
                canvas->setCardSize(points);
            } else if (_graphicView) {
                _graphicView->setFixedSize(int(std::lround(points.width() * _zoomFactor)),
                                           int(std::lround(points.height() * _zoomFactor)));
            }
            Refresh_Canvas();
        };
        apply(QSizeF(0, 0));
        apply(size);
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void DesignController::Observe_Canvas_Size(const QSizeF &size)
{
    try {
        if (size == QSizeF())
            return;   // no new value: nothing to apply
        observedCanvasSize = size;
        SetDocumentCanvasSize(size);
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void DesignController::Set_Canvas_Box_Size(bool) {}
