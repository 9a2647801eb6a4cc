// The Designing mode's part of the window description "DrawWindow": tool palette, canvas with its
// zoom and rulers, side buttons and standard editing buttons, with the boxes of the property sidebar
// and the record list, which their parts set up. Each part is a form; its widgets are taken into
// the outlets of the same names.


#include "design/DesignController.h"

#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/GridOptions.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "design/ToolPalette.h"
#include "model/SKTGraphicView.h"
#include "model/SKTZoomingScrollView.h"
#include "platform/FormBinding.h"
#include "platform/Ruler.h"

#include "ui_DesignCanvasArea.h"
#include "ui_DesignWorkArea.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>

namespace {

void bind(DesignWorkArea &c, const Ui::DesignWorkArea &ui)
{
    // Not outlets: the row, the centre column with its layout and the placeholder of the button bar.
    designform::bindForm<4>(ui, FORM_OUTLET(tool_palette), FORM_OUTLET(drawing_canvas_box), FORM_OUTLET(Right_Prop_Box));
}

void bind(DesignWorkArea &c, const Ui::DesignCanvasArea &ui)
{
    // Not outlets: the box's, the target view's and the first view's layouts, the zoom bar with its
    // layout, its gap and its stretch.
    designform::bindForm<7>(
        ui, FORM_OUTLET(myTargetView), FORM_OUTLET(first_view), FORM_OUTLET(horizontal_ruler), FORM_OUTLET(vertical_ruler),
        FORM_OUTLET(_zoomingScrollView), FORM_OUTLET(_graphicView), FORM_OUTLET(Ruler_btn), FORM_OUTLET(Card_Prop_btn),
        FORM_OUTLET(Card_Bckgrnd_btn), FORM_OUTLET(Front_back_label), FORM_OUTLET(Card_Image_Scrl),
        FORM_OUTLET(Card_Image_Scrl_BACK), FORM_OUTLET(Front_Side_btn), FORM_OUTLET(Back_Side_btn),
        FORM_OUTLET(Copy_Card_Design_btn), FORM_OUTLET(Zoom_Out_btn), FORM_OUTLET(Zoom_In_btn),
        FORM_OUTLET(Actual_Size_btn));
}

// The chosen tool becomes the current tool and is announced; the watermark button shows the card's
// border tab, where the watermark is, and leaves the tool as it is.
void wireToolPalette(ToolPalette *tool_palette, DesignController &c)
{
    QObject::connect(tool_palette, &ToolPalette::toolChosen, &c, [&c](int tool) {
        c.Selected_Control_Tool = tool;
        c.Select_tool_action();
    });
    QObject::connect(tool_palette, &ToolPalette::watermarkRequested, &c, [&c] {
        PropertySidebar &sidebar = c.sidebar();
        sidebar.Show_RHS_Properties(nullptr);
        if (sidebar.sett_tab && sidebar.card_brdr_tab) {
            const int index = sidebar.sett_tab->indexOf(sidebar.card_brdr_tab);
            if (index >= 0)
                sidebar.sett_tab->setCurrentIndex(index);
        }
    });
    // The tool announcement creates the tool's object, once per announcement.
    QObject::connect(&c, &DesignController::SKTSelectedToolDidChange, &c, &DesignController::selectedToolDidChange,
                     Qt::UniqueConnection);
}

} // namespace

void DesignWorkArea::buildDesigningPanel(QWidget *page)
{
    if (!page || Design_Work_Area)
        return;
    auto *pageLayout = qobject_cast<QBoxLayout *>(page->layout());
    if (!pageLayout && !page->layout())
        pageLayout = new QVBoxLayout(page);

    Design_Work_Area = new QWidget(page);
    Ui::DesignWorkArea ui;
    ui.setupUi(Design_Work_Area);
    bind(*this, ui);
    wireToolPalette(tool_palette, design);
    design.editing().Build_Standard_Buttons(ui.standard_button_bar);
    Build_Design_Canvas_Area(ui.drawing_canvas_box);
    design.sidebar().Build_Property_Sidebar(ui.Right_Prop_Box);

    auto *recordListBox = new QGroupBox(page);
    design.records().Build_Record_List_Box(recordListBox);
    if (pageLayout) {
        pageLayout->addWidget(Design_Work_Area, 1);
        pageLayout->addWidget(recordListBox);
    }
}

void DesignWorkArea::Build_Design_Canvas_Area(QGroupBox *box)
{
    Ui::DesignCanvasArea ui;
    ui.setupUi(box);
    bind(*this, ui);
    // The rulers start hidden: the set-up shows them by toggling them once.
    _zoomingScrollView->setBackgroundRole(QPalette::Mid);
    _graphicView->setBackgroundRole(QPalette::Window);   // not the scroll view's grey
    QPalette white = _graphicView->palette();
    white.setColor(QPalette::Window, Qt::white);
    _graphicView->setPalette(white);
    canvasFrameSize = QSizeF(_graphicView->size());
    if (SKTZoomingScrollView *scroll = Zooming_Scroll_View()) {
        // The zoom steps' pop-up is the scroll view's own, hidden; the zoom buttons drive it.
        _factorPopUpButton = scroll->validateFactorPopUpButton();
        scroll->setRulers(qobject_cast<platform::Ruler *>(horizontal_ruler), qobject_cast<platform::Ruler *>(vertical_ruler));
        scroll->setRulersVisible(rulersShown);
    }
    if (SKTGraphicView *canvas = Graphic_View())
        canvas->setCardSize(canvasFrameSize);
    design.Bind_Canvas();

    QObject::connect(Ruler_btn, &QPushButton::clicked, this, [this] { Show_Hide_Ruler_ChkBox(); });
    design.gridOptions().Build_Grid_Buttons(Ruler_btn);
    QObject::connect(Zoom_In_btn, &QPushButton::clicked, this, [this] { Zoom_In_Toolbar_btn(); });
    QObject::connect(Zoom_Out_btn, &QPushButton::clicked, this, [this] { Zoom_Out_Toolbar_btn(); });
    QObject::connect(Actual_Size_btn, &QPushButton::clicked, this, [this] { Actual_Size_Toolbar_btn(); });
    QObject::connect(_factorPopUpButton, &QComboBox::activated, this, [this](int index) { Set_Zoom_Index(index); });
}
