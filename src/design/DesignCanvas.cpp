// The canvas side of the Designing mode: redraw, the first view, rulers, zoom steps, tools and the
// selection that the transfers write into.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "model/SKTDocument.h"
#include "platform/Dialogs.h"

#include <QComboBox>
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
    rulersShown = !rulersShown;
    if (horizontal_ruler)
        horizontal_ruler->setVisible(rulersShown);
    if (vertical_ruler)
        vertical_ruler->setVisible(rulersShown);
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
    if (_graphicView)
        _graphicView->setFixedSize(int(std::lround(canvasFrameSize.width() * _zoomFactor)),
                                   int(std::lround(canvasFrameSize.height() * _zoomFactor)));
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
    const SKTDocument *document = hub.document();
    return document ? document->graphics() : SKTGraphicList();
}

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
    request.extensions = hub.Allowd_Image_fileTypes;
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = false;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (chosen.isEmpty()) {
        Library_Selected_Image = QString();
        return false;
    }
    Library_Selected_Image = chosen.first();
    if (Manual_image_path)
        Manual_image_path->setPlainText(Library_Selected_Image);
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
            if (tool == 9)
                return;   // the image library picker is not available: nothing is chosen
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
