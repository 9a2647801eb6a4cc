// The canvas side of the Designing mode: redraw, the first view, rulers, zoom steps, tools, the
// selection that the transfers write into, the canvas size and clearing the side being edited.

#include "design/DesignController.h"

#include "core/Messages.h"
#include "design/CardLayers.h"
#include "design/DesignCanvasHost.h"
#include "design/DesignSources.h"
#include "design/PropertySidebar.h"
#include "model/Card_Property.h"
#include "model/DesignGlobals.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"
#include "model/SKTGraphicsController.h"
#include "model/SKTGrid.h"
#include "model/SKTZoomingScrollView.h"
#include "platform/Dialogs.h"
#include "platform/Ruler.h"

#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QFrame>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <exception>

void DesignController::Refresh_Canvas()
{
    // Batch output fills records one by one; the canvas must not show the intermediate ones.
    if (Card_Value_In_Process)
        return;
    if (_graphicView)
        _graphicView->update();
    if (_zoomingScrollView)
        _zoomingScrollView->viewport()->update();
}

void DesignController::changeViewController(int index)
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

void DesignController::Show_Hide_Ruler_ChkBox()
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

float DesignController::Get_Factor_According_Index(int index)
{
    static const float factors[] = {0.25f, 0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 2.0f, 4.0f};
    if (index < 0 || index > 7)
        return 1.0f;
    return factors[index];
}

void DesignController::Set_Zoom_Index(int index)
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

void DesignController::Set_Canvas_to_100_percent() { Set_Zoom_Index(3); }

void DesignController::Zoom_In_Toolbar_btn()
{
    const int current = _factorPopUpButton ? _factorPopUpButton->currentIndex() : 3;
    Set_Zoom_Index(std::min(current + 1, 7));
}

void DesignController::Zoom_Out_Toolbar_btn()
{
    const int current = _factorPopUpButton ? _factorPopUpButton->currentIndex() : 3;
    Set_Zoom_Index(std::max(current - 1, 0));
}

void DesignController::Actual_Size_Toolbar_btn() { Set_Canvas_to_100_percent(); }

std::shared_ptr<SKTGraphic> DesignController::Get_Selected_Graphic() const
{
    if (std::shared_ptr<SKTGraphic> current = _Selected_Graphic.lock())
        return current;
    const SKTGraphicList selection = Selected_Graphic_Objects();
    return selection.isEmpty() ? nullptr : selection.first();
}

SKTGraphicList DesignController::Get_Front_Controls_Array() const
{
    const SKTDocument *document = sources().host->document();
    return document ? document->graphics() : SKTGraphicList();
}

int DesignController::Get_Front_Control_Count() const { return int(Get_Front_Controls_Array().size()); }

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

// ---- The canvas view ----------------------------------------------------------------------------

SKTGraphicView *DesignController::Graphic_View() const { return qobject_cast<SKTGraphicView *>(_graphicView); }

SKTZoomingScrollView *DesignController::Zooming_Scroll_View() const
{
    return qobject_cast<SKTZoomingScrollView *>(_zoomingScrollView);
}

void DesignController::Bind_Canvas()
{
    SKTGraphicView *canvas = Graphic_View();
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
    canvas->setGrid(_grid);

    Canvas_Selection = [canvas = QPointer<SKTGraphicView>(canvas)] {
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
    CanvasCommands &k = Canvas_Commands;
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
    Canvas_Clear_Selection = on(&SKTGraphicView::Clear_Control_Selection);
}

void DesignController::Card_Base_Drawing(QPainter &painter, const QRectF &)
{
    const SKTGraphicView *canvas = Graphic_View();
    const QRectF card = canvas ? canvas->bounds() : QRectF();
    cardlayers::Card_Base(painter, Front_card_Prop ? *Front_card_Prop : Card_Property(), Card_Shape, card);
}

void DesignController::Card_Border_Drawing(QPainter &painter, const QRectF &)
{
    const SKTGraphicView *canvas = Graphic_View();
    const QRectF card = canvas ? canvas->bounds() : QRectF();
    cardlayers::Card_Border(painter, Front_card_Prop ? *Front_card_Prop : Card_Property(), Card_Shape, card);
}

// ---- Tools --------------------------------------------------------------------------------------

void DesignController::Select_tool_action()
{
    emit SKTSelectedToolDidChange();
    Refresh_Canvas();
    const SKTGraphicView *canvas = Graphic_View();
    sidebar().Show_RHS_Properties(canvas ? canvas->selectedGraphic().get() : nullptr);
}

void DesignController::selectArrowTool()
{
    Selected_Control_Tool = 0;
    emit SKTSelectedToolDidChange();
}

// ---- Canvas size ----

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

// Clearing the design for a project reset or load.
void DesignController::delete_all_control()
{
    if (SKTGraphicView *canvas = Graphic_View()) {
        canvas->delete_all_control();
    } else if (SKTDocument *document = sources().host->document()) {
        QList<int> indexes;
        for (qsizetype i = 0; i < document->graphics().size(); ++i)
            indexes.append(int(i));
        if (!indexes.isEmpty())
            document->removeGraphicsAtIndexes(indexes);
    }
    _Selected_Graphic.reset();
    Last_Selected_Graphic = nullptr;
}
