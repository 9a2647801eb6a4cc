// The services that the card objects and the off-screen renderer reach without knowing the window:
// installed by the window's controller at start-up, taken away with it. The picture services show
// on the picture page whether the picture could be shown.

#include "design/DesignController.h"

#include "design/DesignCard.h"
#include "design/DesignWorkArea.h"
#include "model/DesignGlobals.h"
#include "design/CardLayers.h"
#include "design/PictureSettings.h"
#include "design/PropertySidebar.h"
#include "design/panels/ImagePanel.h"
#include "imaging/ImageForPath.h"
#include "model/SKTImage.h"
#include "model/SKTRenderingView.h"
#include "platform/GuiThread.h"
#include "model/Card_Property.h"

#include <QFileInfo>
#include <QLabel>

namespace {
// The controller whose services the card objects use.
DesignController *hooksOwner = nullptr;
// The controller whose card the renderer paints.
DesignController *renderHostOwner = nullptr;
} // namespace

void DesignController::Install_Model_Hooks()
{
    hooksOwner = this;
    SKTPictureHooks hooks;
    hooks.Get_Image_For_Path = [](const QString &path) { return Get_Image_For_Path(path, false, false); };
    hooks.Get_Image_With_Update_Settings = [this](const SKTGraphic &graphic) {
        return Get_Image_With_Update_Settings(graphic);
    };
    hooks.Reset_Image_Editing_Controls = [this] { Reset_Image_Editing_Controls(); };
    SKTImage::setPictureHooks(std::move(hooks));
}

void DesignController::Remove_Model_Hooks()
{
    if (hooksOwner != this)
        return;
    hooksOwner = nullptr;
    SKTImage::setPictureHooks({});
}

platform::Picture DesignController::Get_Image_With_Update_Settings(const SKTGraphic &graphic)
{
    const platform::Picture result = Apply_Image_Settings(graphic);
    // The label is a widget: only the GUI thread shows or hides it.
    PropertySidebar &pages = sidebar();
    if (pages.image_tab && platform::isGuiThread()) {
        const QSizeF size = result.size();
        const bool fine = !result.isNull() && !(size.width() == 0 && size.height() == 0) &&
                          !graphic._file_path.isEmpty() && QFileInfo::exists(graphic._file_path);
        pages.imagePanel()->image_error_label->setHidden(fine);
    }
    return result;
}

void DesignController::Reset_Image_Editing_Controls()
{
    if (sidebar().image_tab)
        sidebar().imagePanel()->Reset_Image_Editing_Controls();
}

// ---- The off-screen renderer's host ----
// The canvas bounds and the card's own layers, taken on the GUI thread as painting functions that own
// a copy of the card's settings, so a render job paints the card as it was when the job was taken.

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
    return QRectF(QPointF(0, 0), workArea().canvasFrameSize);
}

void DesignController::Install_Render_Host()
{
    renderHostOwner = this;
    SKTRenderingHost host;
    host.canvasBounds = [this] { return Render_Canvas_Bounds(); };
    host.cardLayers = [this] {
        return Render_Card_Layers(card().Front_card_Prop ? *card().Front_card_Prop : Card_Property(), Card_Shape);
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
