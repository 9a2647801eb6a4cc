// The work area's canvas view: redraw, the first view, rulers, zoom steps and the card size.

#include "design/DesignWorkArea.h"

#include "core/Messages.h"
#include "model/DesignGlobals.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"
#include "model/SKTGrid.h"
#include "model/SKTZoomingScrollView.h"

#include <QComboBox>
#include <QFrame>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <exception>

DesignWorkArea::DesignWorkArea(DesignController &design) : design(design) {}

DesignWorkArea::~DesignWorkArea() { delete _grid; }

void DesignWorkArea::Refresh_Canvas()
{
    // Batch output fills records one by one; the canvas must not show the intermediate ones.
    if (Card_Value_In_Process)
        return;
    if (_graphicView)
        _graphicView->update();
    if (_zoomingScrollView)
        _zoomingScrollView->viewport()->update();
}

void DesignWorkArea::changeViewController(int index)
{
    if (index != 0 || !myTargetView || !first_view)
        return;
    QLayout *layout = myTargetView->layout();
    QWidget *current = nullptr;
    if (layout && layout->count() > 0)
        current = layout->itemAt(0)->widget();
    if (current != first_view) {
        if (current && layout) {
            layout->removeWidget(current);
            current->hide();
        }
        if (layout)
            layout->addWidget(first_view);
        else
            first_view->setParent(myTargetView);
    }
    first_view->resize(myTargetView->width(), myTargetView->height() + 15);
    first_view->show();
}

void DesignWorkArea::Show_Hide_Ruler_ChkBox()
{
    // The canvas's own ruler command; the flag follows what its scroll view shows.
    SKTGraphicView *canvas = Graphic_View();
    SKTZoomingScrollView *scroll = Zooming_Scroll_View();
    if (canvas && scroll && canvas->enclosingScrollView() == scroll) {
        canvas->showOrHideRulers();
        rulersShown = scroll->rulersVisible();
        return;
    }
    rulersShown = !rulersShown;
    if (scroll) {
        scroll->setRulersVisible(rulersShown);
    } else {
        if (horizontal_ruler)
            horizontal_ruler->setVisible(rulersShown);
        if (vertical_ruler)
            vertical_ruler->setVisible(rulersShown);
    }
}

float DesignWorkArea::Get_Factor_According_Index(int index)
{
    static const float factors[] = {0.25f, 0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 2.0f, 4.0f};
    if (index < 0 || index > 7)
        return 1.0f;
    return factors[index];
}

void DesignWorkArea::Set_Zoom_Index(int index)
{
    index = std::clamp(index, 0, 7);
    if (_factorPopUpButton) {
        const QSignalBlocker block(_factorPopUpButton);
        _factorPopUpButton->setCurrentIndex(index);
    }
    _zoomFactor = Get_Factor_According_Index(index);
    // Zooming scales the view around the card, never the card's own size in points.
    if (SKTZoomingScrollView *scroll = Zooming_Scroll_View())
        scroll->setFactor(_zoomFactor);
    // The actual-size button shows the zoom the canvas is at; a click brings it back to 100 %.
    if (Actual_Size_btn)
        Actual_Size_btn->setText(QStringLiteral("%1%").arg(qRound(_zoomFactor * 100.0f)));
    Refresh_Canvas();
}

void DesignWorkArea::Set_Canvas_to_100_percent() { Set_Zoom_Index(3); }

void DesignWorkArea::Zoom_In_Toolbar_btn()
{
    const int current = _factorPopUpButton ? _factorPopUpButton->currentIndex() : 3;
    Set_Zoom_Index(std::min(current + 1, 7));
}

void DesignWorkArea::Zoom_Out_Toolbar_btn()
{
    const int current = _factorPopUpButton ? _factorPopUpButton->currentIndex() : 3;
    Set_Zoom_Index(std::max(current - 1, 0));
}

void DesignWorkArea::Actual_Size_Toolbar_btn() { Set_Canvas_to_100_percent(); }

SKTGraphicView *DesignWorkArea::Graphic_View() const { return qobject_cast<SKTGraphicView *>(_graphicView); }

SKTZoomingScrollView *DesignWorkArea::Zooming_Scroll_View() const
{
    return qobject_cast<SKTZoomingScrollView *>(_zoomingScrollView);
}

QString DesignWorkArea::Canvas_Size_Refusal(const QSizeF &size)
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

void DesignWorkArea::SetDocumentCanvasSize(const QSizeF &size)
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

void DesignWorkArea::Observe_Canvas_Size(const QSizeF &size)
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

void DesignWorkArea::Set_Document_Size(double width, double height)
{
    // The document answers the size it is offered and keeps nothing; the canvas keeps the size.
    SKTDocument::canvasSize_size_val(false, QSizeF(width, height));
}
