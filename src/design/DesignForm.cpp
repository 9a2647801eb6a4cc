// The Designing mode's part of the window description "DrawWindow": tool palette, canvas with its
// zoom and rulers, side buttons, standard editing buttons, the property sidebar and the record list.
// Each part is a form; its widgets are taken into the outlets of the same names.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/ValueListModel.h"
#include "design/EditingCommands.h"
#include "design/FormBinding.h"
#include "design/GridOptions.h"
#include "design/ToolPalette.h"
#include "design/panels/LinePanel.h"
#include "design/panels/ShapePanel.h"
#include "design/panels/TextEditingPanel.h"
#include "design/panels/TextPropertiesPanel.h"
#include "model/SKTGraphicView.h"
#include "model/SKTZoomingScrollView.h"
#include "platform/Ruler.h"

#include "ui_DesignCanvasArea.h"
#include "ui_DesignPropertySidebar.h"
#include "ui_DesignRecordList.h"
#include "ui_DesignWorkArea.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>

#include <utility>

namespace {

void bind(DesignController &c, const Ui::DesignWorkArea &ui)
{
    // Not outlets: the row, the centre column with its layout and the placeholder of the button bar.
    designform::bindForm<4>(ui, FORM_OUTLET(tool_palette), FORM_OUTLET(drawing_canvas_box), FORM_OUTLET(Right_Prop_Box));
}

void bind(DesignController &c, const Ui::DesignCanvasArea &ui)
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

void bind(DesignController &c, const Ui::DesignRecordList &ui)
{
    // Not outlets: the box's layout.
    designform::bindForm<1>(ui, FORM_OUTLET(Fill_List_sclview_RHS), FORM_OUTLET(Fill_List_RHS));
}

void bind(DesignController &c, const Ui::DesignPropertySidebar &ui)
{
    // Not outlets: the box's layout.
    designform::bindForm<1>(
        ui, FORM_OUTLET(sel_control_name), FORM_OUTLET(properties_title), FORM_OUTLET(sett_tab),
        FORM_OUTLET(card_setting_tab), FORM_OUTLET(card_info_tab), FORM_OUTLET(card_size_tab), FORM_OUTLET(card_bkgd_tab),
        FORM_OUTLET(card_brdr_tab), FORM_OUTLET(line_tab), FORM_OUTLET(shape_tab), FORM_OUTLET(text_edtng_tab),
        FORM_OUTLET(text_prop_tab), FORM_OUTLET(image_tab), FORM_OUTLET(sign_tab), FORM_OUTLET(datasource_tab),
        FORM_OUTLET(aligmnt_tab), FORM_OUTLET(barcode_tab), FORM_OUTLET(Lock_tab), FORM_OUTLET(print_object_chk));
}

// The chosen tool becomes the current tool and is announced; the watermark button shows the card's
// border tab, where the watermark is, and leaves the tool as it is.
void wireToolPalette(DesignController &c)
{
    QObject::connect(c.tool_palette, &ToolPalette::toolChosen, &c, [&c](int tool) {
        c.Selected_Control_Tool = tool;
        c.Select_tool_action();
    });
    QObject::connect(c.tool_palette, &ToolPalette::watermarkRequested, &c, [&c] {
        c.Show_RHS_Properties(nullptr);
        if (c.sett_tab && c.card_brdr_tab) {
            const int index = c.sett_tab->indexOf(c.card_brdr_tab);
            if (index >= 0)
                c.sett_tab->setCurrentIndex(index);
        }
    });
    // The tool announcement creates the tool's object, once per announcement.
    QObject::connect(&c, &DesignController::SKTSelectedToolDidChange, &c, &DesignController::selectedToolDidChange,
                     Qt::UniqueConnection);
}

} // namespace

void DesignController::buildDesigningPanel(QWidget *page)
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
    wireToolPalette(*this);
    editing().Build_Standard_Buttons(ui.standard_button_bar);
    Build_Design_Canvas_Area(ui.drawing_canvas_box);
    Build_Property_Sidebar(ui.Right_Prop_Box);

    Fill_List_box = new QGroupBox(page);
    Build_Record_List_Box(Fill_List_box);
    if (pageLayout) {
        pageLayout->addWidget(Design_Work_Area, 1);
        pageLayout->addWidget(Fill_List_box);
    }
}

void DesignController::Build_Design_Canvas_Area(QGroupBox *box)
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
    Bind_Canvas();

    QObject::connect(Ruler_btn, &QPushButton::clicked, this, [this] { Show_Hide_Ruler_ChkBox(); });
    gridOptions().Build_Grid_Buttons(Ruler_btn);
    QObject::connect(Zoom_In_btn, &QPushButton::clicked, this, [this] { Zoom_In_Toolbar_btn(); });
    QObject::connect(Zoom_Out_btn, &QPushButton::clicked, this, [this] { Zoom_Out_Toolbar_btn(); });
    QObject::connect(Actual_Size_btn, &QPushButton::clicked, this, [this] { Actual_Size_Toolbar_btn(); });
    QObject::connect(_factorPopUpButton, &QComboBox::activated, this, [this](int index) { Set_Zoom_Index(index); });
}

void DesignController::Build_Record_List_Box(QGroupBox *box)
{
    Ui::DesignRecordList ui;
    ui.setupUi(box);
    bind(*this, ui);
    // The value list's data source and delegate serve this table too.
    Fill_List_RHS_Source = new ValueListModel(&Fill_List_Data_RHS, {QStringLiteral("Value")}, {QStringLiteral("Value")},
                                              Fill_List_RHS);
    Fill_List_RHS->setModel(Fill_List_RHS_Source);
    QObject::connect(Fill_List_RHS->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                     [this] { hub.barcodeMode().tableViewSelectionDidChange(Fill_List_RHS); });
}

void DesignController::Build_Property_Sidebar(QGroupBox *box)
{
    Ui::DesignPropertySidebar ui;
    ui.setupUi(box);
    bind(*this, ui);

    // The fifteen panels in the order of the description; the set-up keeps and removes them, and
    // puts them back under the titles kept here.
    const std::pair<QWidget *, QString *> pages[] = {
        {card_setting_tab, &card_setting_tab_label}, {card_info_tab, &card_info_tab_label},
        {card_size_tab, &card_size_tab_label},       {card_bkgd_tab, &card_bkgd_tab_label},
        {card_brdr_tab, &card_brdr_tab_label},       {line_tab, &line_tab_label},
        {shape_tab, &shape_tab_label},               {text_edtng_tab, &text_edtng_tab_label},
        {text_prop_tab, &text_prop_tab_label},       {image_tab, &image_tab_label},
        {sign_tab, &sign_tab_label},                 {datasource_tab, &datasource_tab_label},
        {aligmnt_tab, &aligmnt_tab_label},           {barcode_tab, &barcode_tab_label},
        {Lock_tab, &Lock_tab_label},
    };
    for (const auto &[tab, label] : pages)
        *label = sett_tab->tabText(sett_tab->indexOf(tab));

    Connect_Card_Panels();
    // The line, shape and text pages: a colour chosen goes to every selected object first, then
    // the page's values into the selected objects of its kind.
    connect(linePanel(), &LinePanel::colorChosen, this, &DesignController::Fill_And_Set_Color_Event_Generator);
    connect(linePanel(), &LinePanel::transferRequested, this, &DesignController::Update_Line_Graphics);
    connect(shapePanel(), &ShapePanel::colorChosen, this, &DesignController::Fill_And_Set_Color_Event_Generator);
    connect(shapePanel(), &ShapePanel::transferRequested, this, &DesignController::Update_Shape_Graphics);
    textEditingPanel()->Share_Text_Font(&Text_font);
    connect(textEditingPanel(), &TextEditingPanel::colorChosen, this,
            &DesignController::Fill_And_Set_Color_Event_Generator);
    connect(textEditingPanel(), &TextEditingPanel::transferRequested, this, &DesignController::Update_Text_Graphics);
    connect(textPropertiesPanel(), &TextPropertiesPanel::colorChosen, this,
            &DesignController::Fill_And_Set_Color_Event_Generator);
    connect(textPropertiesPanel(), &TextPropertiesPanel::transferRequested, this,
            &DesignController::Update_Text_Graphics);
    Connect_Picture_Panels();
    Connect_Data_Source_Panel();
    Connect_Alignment_Panel();
}
