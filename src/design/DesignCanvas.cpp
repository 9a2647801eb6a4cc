// The canvas's card objects in the Designing mode: the selection that the transfers write into, the
// tools, the canvas bound to the document, the card's layers and clearing the side being edited.

#include "design/DesignController.h"

#include "core/Messages.h"
#include "design/CardLayers.h"
#include "design/DesignCanvasHost.h"
#include "design/DesignCard.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/DesignWorkArea.h"
#include "design/PropertySidebar.h"
#include "model/Card_Property.h"
#include "model/DesignGlobals.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"
#include "model/SKTGraphicsController.h"
#include "platform/Dialogs.h"

#include <QPainter>

#include <exception>

QString DesignController::currentGraphicClass() const
{
    switch (Selected_Control_Tool) {
    case 1:
        return QStringLiteral("SKTLine");
    case 2:
        return QStringLiteral("SKTText");
    case 3: case 4: case 5: case 6: case 7: case 13: case 14: case 15:
        return QStringLiteral("Shape_Control");
    case 8: case 9:
        return QStringLiteral("SKTImage");
    case 10:
        return QStringLiteral("SKTBarcode");
    case 11: case 12:
        return QStringLiteral("SKTSignature");
    default:
        return QString();
    }
}

bool DesignController::Browse_User_Image_Manually()
{
    platform::OpenPanelRequest request;
    request.extensions = sources().host->Allowd_Image_fileTypes();
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = false;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (chosen.isEmpty()) {
        Library_Selected_Image = QString();
        return false;
    }
    if (!Accept_Picture_File(chosen.first()))
        return false;
    Library_Selected_Image = chosen.first();
    sidebar().Show_Picture_Source_Path(Library_Selected_Image);
    return true;
}

void DesignController::selectedToolDidChange()
{
    try {
        const int tool = Selected_Control_Tool;
        const QString graphicClass = currentGraphicClass();
        if (graphicClass.isEmpty())
            return;
        QRectF frame(0, 0, 50, 50);
        if (graphicClass == QLatin1String("SKTImage")) {
            if (tool == 8 && !Browse_User_Image_Manually())
                return;
            if (tool == 9) {
                if (Open_Image_Library_Window(QStringLiteral("C")) != 1)
                    return;
                Library_Selected_Image = lib_window_sel_file;
                Show_NSLog_Message(Library_Selected_Image);
            }
        } else if (graphicClass == QLatin1String("SKTBarcode") && tool == 10) {
            frame = QRectF(0, 0, 120, 60);
        } else if (graphicClass == QLatin1String("SKTSignature") && tool == 11) {
            frame = QRectF(0, 0, 100, 50);
        }
        if (Canvas_Create_Graphic)
            Canvas_Create_Graphic(graphicClass, frame, tool);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

// ---- The canvas's binding ------------------------------------------------------------------------

void DesignController::Bind_Canvas()
{
    SKTGraphicView *canvas = workArea().Graphic_View();
    if (!canvas)
        return;
    if (!_graphicsController)
        _graphicsController = new SKTGraphicsController(this);
    _graphicsController->setDocument(sources().host->document());
    if (!Canvas_Host)
        Canvas_Host = std::make_shared<DesignCanvasHost>(*this);
    canvas->setHost(Canvas_Host.get());
    canvas->bindGraphics(sources().host->document());
    canvas->bindSelectionIndexes(_graphicsController);
    canvas->setGrid(workArea()._grid);

    selection().Canvas_Selection = [canvas = QPointer<SKTGraphicView>(canvas)] {
        return canvas ? canvas->selectedGraphics() : SKTGraphicList();
    };
    Canvas_Create_Graphic = [canvas = QPointer<SKTGraphicView>(canvas)](const QString &graphicClass,
                                                                         const QRectF &frame, int) {
        if (canvas)
            canvas->createGraphicOfClass(graphicClass, std::nullopt, true, frame, QStringLiteral("F"), QString(),
                                         QString());
    };
    // The card objects ask the canvas for its bounds and the workspace for the cascade point, and
    // show their frames in the sidebar's fields.
    SKTCanvasHooks hooks = SKTGraphic::canvasHooks();
    hooks.canvasBounds = [canvas = QPointer<SKTGraphicView>(canvas)] { return canvas ? canvas->bounds() : QRectF(); };
    hooks.controlNewPoint = [this](const QString &side) { return Control_New_Point(side); };
    hooks.setControlPosAndSize = [this](SKTGraphic &graphic) { sidebar().Set_Control_Pos_And_Size(graphic); };
    SKTGraphic::setCanvasHooks(std::move(hooks));

    // The editing, arrange and field handlers hand their work to the canvas.
    const QPointer<SKTGraphicView> view(canvas);
    auto on = [view](void (SKTGraphicView::*command)()) {
        return [view, command] {
            if (view)
                (view.data()->*command)();
        };
    };
    auto onValue = [view](auto command) {
        return [view, command](auto value) {
            if (view)
                (view.data()->*command)(value);
        };
    };
    CanvasCommands &k = selection().Canvas_Commands;
    k.copy = on(&SKTGraphicView::copy);
    k.cut = on(&SKTGraphicView::cut);
    k.paste = on(&SKTGraphicView::paste);
    k.deleteSelection = on(&SKTGraphicView::delete_selection);
    k.bringToFront = on(&SKTGraphicView::bringToFront);
    k.sendToBack = on(&SKTGraphicView::sendToBack);
    k.alignLeftEdges = on(&SKTGraphicView::alignLeftEdges);
    k.alignRightEdges = on(&SKTGraphicView::alignRightEdges);
    k.alignTopEdges = on(&SKTGraphicView::alignTopEdges);
    k.alignBottomEdges = on(&SKTGraphicView::alignBottomEdges);
    k.alignHorizontalCenters = on(&SKTGraphicView::alignHorizontalCenters);
    k.alignVerticalCenters = on(&SKTGraphicView::alignVerticalCenters);
    k.alignformCenter = on(&SKTGraphicView::alignformCenter);
    k.alignWithGrid = on(&SKTGraphicView::alignWithGrid);
    k.makeSameWidth = on(&SKTGraphicView::makeSameWidth);
    k.makeSameHeight = on(&SKTGraphicView::makeSameHeight);
    k.makeSameAsLabelSize = on(&SKTGraphicView::makeSameAsLabelSize);
    k.makeNaturalSize = on(&SKTGraphicView::makeNaturalSize);
    k.applyX = onValue(&SKTGraphicView::Frame_main_Pic_X_Pos_Changed);
    k.applyY = onValue(&SKTGraphicView::Frame_main_Pic_Y_Pos_Changed);
    k.applyWidth = onValue(&SKTGraphicView::Frame_main_Pic_Wdith_Changed);
    k.applyHeight = onValue(&SKTGraphicView::Frame_main_Pic_Height_Changed);
    k.printControlOrNot = onValue(&SKTGraphicView::print_contol_or_not);
    k.changeSelectionIndexes = [view](const QList<int> &indexes) {
        if (view)
            view->changeSelectionIndexes(indexes);
    };
    k.clearSelection = on(&SKTGraphicView::Clear_Control_Selection);
    selection().Canvas_Clear_Selection = on(&SKTGraphicView::Clear_Control_Selection);
}

void DesignController::Card_Base_Drawing(QPainter &painter, const QRectF &)
{
    const SKTGraphicView *canvas = workArea().Graphic_View();
    const QRectF card = canvas ? canvas->bounds() : QRectF();
    const Card_Property *properties = this->card().Front_card_Prop;
    cardlayers::Card_Base(painter, properties ? *properties : Card_Property(), Card_Shape, card);
}

void DesignController::Card_Border_Drawing(QPainter &painter, const QRectF &)
{
    const SKTGraphicView *canvas = workArea().Graphic_View();
    const QRectF card = canvas ? canvas->bounds() : QRectF();
    const Card_Property *properties = this->card().Front_card_Prop;
    cardlayers::Card_Border(painter, properties ? *properties : Card_Property(), Card_Shape, card);
}

// ---- Tools --------------------------------------------------------------------------------------

void DesignController::Select_tool_action()
{
    emit SKTSelectedToolDidChange();
    workArea().Refresh_Canvas();
    const SKTGraphicView *canvas = workArea().Graphic_View();
    sidebar().Show_RHS_Properties(canvas ? canvas->selectedGraphic().get() : nullptr);
}

void DesignController::selectArrowTool()
{
    Selected_Control_Tool = 0;
    emit SKTSelectedToolDidChange();
}

// Clearing the design for a project reset or load.
void DesignController::delete_all_control()
{
    if (SKTGraphicView *canvas = workArea().Graphic_View()) {
        canvas->delete_all_control();
    } else if (SKTDocument *document = sources().host->document()) {
        QList<int> indexes;
        for (qsizetype i = 0; i < document->graphics().size(); ++i)
            indexes.append(int(i));
        if (!indexes.isEmpty())
            document->removeGraphicsAtIndexes(indexes);
    }
    selection()._Selected_Graphic.reset();
    selection().Last_Selected_Graphic = nullptr;
}
