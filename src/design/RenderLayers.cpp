// The off-screen renderer's host: the canvas bounds and the card's own layers, taken on the GUI
// thread as painting functions that own a copy of the card's settings, so a render job paints the
// card as it was when the job was taken.

#include "design/DesignController.h"

#include "core/Globals.h"
#include "design/CardLayers.h"
#include "model/SKTRenderingView.h"
#include "projects/Card_Property.h"

namespace {
// The controller whose card the renderer paints.
DesignController *renderHostOwner = nullptr;
} // namespace

SKTCardLayers DesignController::Render_Card_Layers(const Card_Property &card, int cardShape)
{
    auto copy = std::make_shared<const Card_Property>(card);
    SKTCardLayers layers;
    layers.base = [copy, cardShape](QPainter &painter, const QRectF &cardRect) {
        cardlayers::Card_Base(painter, *copy, cardShape, cardRect);
    };
    layers.border = [copy, cardShape](QPainter &painter, const QRectF &cardRect) {
        cardlayers::Card_Border(painter, *copy, cardShape, cardRect);
    };
    return layers;
}

QRectF DesignController::Render_Canvas_Bounds() const
{
    if (const auto &bounds = SKTGraphic::canvasHooks().canvasBounds)
        return bounds();
    return QRectF(QPointF(0, 0), canvasFrameSize);
}

void DesignController::Install_Render_Host()
{
    renderHostOwner = this;
    SKTRenderingHost host;
    host.canvasBounds = [this] { return Render_Canvas_Bounds(); };
    host.cardLayers = [this] {
        return Render_Card_Layers(Front_card_Prop ? *Front_card_Prop : Card_Property(), Card_Shape);
    };
    SKTRenderingView::setHost(std::move(host));
}

void DesignController::Remove_Render_Host()
{
    if (renderHostOwner != this)
        return;
    renderHostOwner = nullptr;
    SKTRenderingView::setHost({});
}
