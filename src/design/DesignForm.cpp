// The Designing mode's part of the window description "DrawWindow": tool palette, canvas with its
// zoom and rulers, side buttons, standard editing buttons, the property sidebar and the record list.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "design/FormLayout.h"
#include "platform/FormBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace platform::ui;

namespace {

QPushButton *toolButton(QWidget *parent, const char *name, const QString &text, const QString &tip)
{
    QPushButton *b = button(parent, name, text);
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedWidth(74);
    return b;
}

QFrame *ruler(QWidget *parent, const char *name, Qt::Orientation orientation)
{
    auto *r = make<QFrame>(parent, name);
    r->setFrameShape(QFrame::StyledPanel);
    if (orientation == Qt::Horizontal)
        r->setFixedHeight(16);
    else
        r->setFixedWidth(16);
    r->setVisible(false);   // the set-up shows the rulers by toggling them once
    return r;
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
    Design_Work_Area->setObjectName(QStringLiteral("design_work_area"));
    auto *row = new QHBoxLayout(Design_Work_Area);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(6);

    row->addWidget(Build_Tool_Palette(Design_Work_Area));

    auto *centre = new QWidget(Design_Work_Area);
    centre->setObjectName(QStringLiteral("design_centre"));
    auto *centreColumn = new QVBoxLayout(centre);
    centreColumn->setContentsMargins(0, 0, 0, 0);
    centreColumn->addWidget(Build_Side_And_Standard_Buttons(centre));
    centreColumn->addWidget(Build_Design_Canvas_Area(centre), 1);
    row->addWidget(centre, 1);

    row->addWidget(Build_Property_Sidebar(Design_Work_Area));

    Fill_List_box = Build_Record_List_Box(page);
    if (pageLayout) {
        pageLayout->addWidget(Design_Work_Area, 1);
        pageLayout->addWidget(Fill_List_box);
    }
}

QWidget *DesignController::Build_Tool_Palette(QWidget *parent)
{
    tool_palette = make<QWidget>(parent, "tool_palette");
    auto *column = new QVBoxLayout(tool_palette);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    struct Tool {
        QPushButton *DesignController::*field;
        const char *name;
        const char *text;
        const char *tip;
    };
    static const Tool tools[] = {
        {&DesignController::Arrow_Tool_btn, "Arrow_Tool_btn", "Select", "Selection"},
        {&DesignController::Line_Tool_btn, "Line_Tool_btn", "Line", "Line"},
        {&DesignController::Text_Tool_btn, "Text_Tool_btn", "Text", "Text"},
        {&DesignController::Rect_Tool_btn, "Rect_Tool_btn", "Rect", "Rectangle"},
        {&DesignController::Circle_Tool_btn, "Circle_Tool_btn", "Ellipse", "Ellipse"},
        {&DesignController::Round_Rect_Tool_btn, "Round_Rect_Tool_btn", "R.Rect", "Rounded rectangle"},
        {&DesignController::Triangle_Tool_btn, "Triangle_Tool_btn", "Triangle", "Triangle"},
        {&DesignController::Diamond_Tool_btn, "Diamond_Tool_btn", "Diamond", "Diamond"},
        {&DesignController::Star_Tool_btn, "Star_Tool_btn", "Star", "Star"},
        {&DesignController::Double_Star_Tool_btn, "Double_Star_Tool_btn", "D.Star", "Double star"},
        {&DesignController::Polygon_Tool_btn, "Polygon_Tool_btn", "Polygon", "Polygon"},
        {&DesignController::Image_Tool_btn, "Image_Tool_btn", "Image", "Picture from a file"},
        {&DesignController::Image_Library_Tool_btn, "Image_Library_Tool_btn", "Library", "Picture from the image library"},
        {&DesignController::Barcode_Tool_btn, "Barcode_Tool_btn", "Barcode", "Barcode"},
        {&DesignController::Signature_Tool_btn, "Signature_Tool_btn", "Sign", "Signature"},
        {&DesignController::Fingure_Print_Tool_btn, "Fingure_Print_Tool_btn", "Finger", "Fingerprint"},
        {&DesignController::Watermark_Tool_btn, "Watermark_Tool_btn", "W.Mark", "Watermark"},
    };
    for (const Tool &t : tools) {
        QPushButton *b = toolButton(tool_palette, t.name, QString::fromLatin1(t.text), QString::fromLatin1(t.tip));
        this->*(t.field) = b;
        column->addWidget(b);
    }
    column->addStretch(1);
    return tool_palette;
}

QWidget *DesignController::Build_Side_And_Standard_Buttons(QWidget *parent)
{
    auto *bar = make<QWidget>(parent, "standard_button_bar");
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    auto add = [&](QPushButton *&field, const char *name, const QString &text) {
        field = button(bar, name, text);
        field->setFocusPolicy(Qt::NoFocus);
        field->setMinimumWidth(44);   // the bar may narrow with the window
        row->addWidget(field);
    };
    add(Undo_btn, "Undo_btn", QStringLiteral("Undo"));
    add(Redo_btn, "Redo_btn", QStringLiteral("Redo"));
    row->addSpacing(8);
    add(Cut_btn, "Cut_btn", QStringLiteral("Cut"));
    add(Copy_btn, "Copy_btn", QStringLiteral("Copy"));
    add(Paste_btn, "Paste_btn", QStringLiteral("Paste"));
    add(Delete_btn, "Delete_btn", QStringLiteral("Delete"));
    row->addSpacing(8);
    add(Begin_Front_btn, "Begin_Front_btn", QStringLiteral("To Front"));
    add(Send_Back_btn, "Send_Back_btn", QStringLiteral("To Back"));
    add(Lock_btn, "Lock_btn", QStringLiteral("Lock"));
    add(Unlock_btn, "Unlock_btn", QStringLiteral("Unlock"));
    row->addSpacing(8);
    row->addStretch(1);
    return bar;
}

QWidget *DesignController::Build_Design_Canvas_Area(QWidget *parent)
{
    drawing_canvas_box = box(parent, "drawing_canvas_box", QString());
    auto *boxLayout = new QVBoxLayout(drawing_canvas_box);
    boxLayout->setContentsMargins(2, 2, 2, 2);

    myTargetView = make<QWidget>(drawing_canvas_box, "myTargetView");
    auto *targetLayout = new QVBoxLayout(myTargetView);
    targetLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->addWidget(myTargetView);

    // The first view: rulers around the zooming scroll view, the zoom pop-up under it.
    first_view = make<QWidget>(myTargetView, "first_view");
    auto *grid = new QGridLayout(first_view);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    horizontal_ruler = ruler(first_view, "horizontal_ruler", Qt::Horizontal);
    vertical_ruler = ruler(first_view, "vertical_ruler", Qt::Vertical);
    _zoomingScrollView = make<QScrollArea>(first_view, "_zoomingScrollView");
    _zoomingScrollView->setAlignment(Qt::AlignCenter);
    _zoomingScrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    _zoomingScrollView->setBackgroundRole(QPalette::Mid);
    _graphicView = new QWidget;
    _graphicView->setObjectName(QStringLiteral("_graphicView"));
    _graphicView->setAutoFillBackground(true);
    _graphicView->setBackgroundRole(QPalette::Window);   // not the scroll view's grey
    QPalette white = _graphicView->palette();
    white.setColor(QPalette::Window, Qt::white);
    _graphicView->setPalette(white);
    _graphicView->setFixedSize(284, 284);
    canvasFrameSize = QSizeF(284, 284);
    _zoomingScrollView->setWidget(_graphicView);
    grid->addWidget(horizontal_ruler, 0, 1);
    grid->addWidget(vertical_ruler, 1, 0);
    grid->addWidget(_zoomingScrollView, 1, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);

    auto *zoomBar = make<QWidget>(first_view, "zoom_bar");
    auto *zoomRow = new QHBoxLayout(zoomBar);
    zoomRow->setContentsMargins(0, 2, 0, 0);
    Ruler_btn = button(zoomBar, "Ruler_btn", QStringLiteral("Rulers"));
    auto addButton = [zoomBar](QPushButton *&field, const char *name, const QString &text) {
        field = button(zoomBar, name, text);
        field->setFocusPolicy(Qt::NoFocus);
        field->setMinimumWidth(44);
    };
    addButton(Card_Prop_btn, "Card_Prop_btn", QStringLiteral("Label"));
    addButton(Card_Bckgrnd_btn, "Card_Bckgrnd_btn", QStringLiteral("Background"));
    // Card side: one side only, the back button stays without effect.
    Front_back_label = label(zoomBar, "Front_back_label", QStringLiteral("Front"));
    addButton(Front_Side_btn, "Front_Side_btn", QStringLiteral("Front"));
    addButton(Back_Side_btn, "Back_Side_btn", QStringLiteral("Back"));
    Back_Side_btn->setEnabled(false);
    addButton(Copy_Card_Design_btn, "Copy_Card_Design_btn", QStringLiteral("Copy Design"));
    Copy_Card_Design_btn->setEnabled(false);
    Card_Image_Scrl = make<QScrollArea>(zoomBar, "Card_Image_Scrl");
    Card_Image_Scrl->setFixedSize(40, 26);
    Card_Image_Scrl->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Card_Image_Scrl->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Card_Image_Scrl_BACK = make<QScrollArea>(zoomBar, "Card_Image_Scrl_BACK");
    Card_Image_Scrl_BACK->setFixedSize(40, 26);
    Card_Image_Scrl_BACK->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Card_Image_Scrl_BACK->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Card_Image_Scrl_BACK->setVisible(false);
    Zoom_Out_btn = button(zoomBar, "Zoom_Out_btn", QStringLiteral("-"));
    _factorPopUpButton = combo(zoomBar, "_factorPopUpButton",
                               {QStringLiteral("25%"), QStringLiteral("50%"), QStringLiteral("75%"),
                                QStringLiteral("100%"), QStringLiteral("125%"), QStringLiteral("150%"),
                                QStringLiteral("200%"), QStringLiteral("400%")});
    _factorPopUpButton->setCurrentIndex(3);
    Zoom_In_btn = button(zoomBar, "Zoom_In_btn", QStringLiteral("+"));
    Actual_Size_btn = button(zoomBar, "Actual_Size_btn", QStringLiteral("100%"));
    for (QPushButton *b : {Zoom_Out_btn, Zoom_In_btn, Actual_Size_btn}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedWidth(b == Actual_Size_btn ? 48 : 28);
    }
    zoomRow->addWidget(Ruler_btn);
    zoomRow->addWidget(Card_Prop_btn);
    zoomRow->addWidget(Card_Bckgrnd_btn);
    zoomRow->addSpacing(8);
    zoomRow->addWidget(Front_back_label);
    zoomRow->addWidget(Card_Image_Scrl);
    zoomRow->addWidget(Card_Image_Scrl_BACK);
    zoomRow->addWidget(Front_Side_btn);
    zoomRow->addWidget(Back_Side_btn);
    zoomRow->addWidget(Copy_Card_Design_btn);
    zoomRow->addStretch(1);
    zoomRow->addWidget(Zoom_Out_btn);
    zoomRow->addWidget(_factorPopUpButton);
    zoomRow->addWidget(Zoom_In_btn);
    zoomRow->addWidget(Actual_Size_btn);
    grid->addWidget(zoomBar, 2, 0, 1, 2);
    targetLayout->addWidget(first_view);

    QObject::connect(Ruler_btn, &QPushButton::clicked, this, [this] { Show_Hide_Ruler_ChkBox(); });
    QObject::connect(Zoom_In_btn, &QPushButton::clicked, this, [this] { Zoom_In_Toolbar_btn(); });
    QObject::connect(Zoom_Out_btn, &QPushButton::clicked, this, [this] { Zoom_Out_Toolbar_btn(); });
    QObject::connect(Actual_Size_btn, &QPushButton::clicked, this, [this] { Actual_Size_Toolbar_btn(); });
    QObject::connect(_factorPopUpButton, &QComboBox::activated, this, [this](int index) { Set_Zoom_Index(index); });
    return drawing_canvas_box;
}

QGroupBox *DesignController::Build_Record_List_Box(QWidget *parent)
{
    QGroupBox *listBox = box(parent, "Fill_List_box", QStringLiteral("Labels"));
    auto *layout = new QVBoxLayout(listBox);
    layout->setContentsMargins(4, 4, 4, 4);
    Fill_List_sclview_RHS = make<QScrollArea>(listBox, "Fill_List_sclview_RHS");
    Fill_List_sclview_RHS->setWidgetResizable(true);
    Fill_List_sclview_RHS->setFrameShape(QFrame::NoFrame);
    Fill_List_RHS = make<QTableWidget>(nullptr, "Fill_List_RHS");
    Fill_List_RHS->setColumnCount(1);
    Fill_List_RHS->setHorizontalHeaderLabels({QStringLiteral("Value")});
    Fill_List_RHS->horizontalHeader()->setStretchLastSection(true);
    Fill_List_RHS->verticalHeader()->setVisible(false);
    Fill_List_RHS->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Fill_List_RHS->setSelectionBehavior(QAbstractItemView::SelectRows);
    Fill_List_RHS->setSelectionMode(QAbstractItemView::SingleSelection);
    Fill_List_sclview_RHS->setWidget(Fill_List_RHS);
    layout->addWidget(Fill_List_sclview_RHS);
    listBox->setMinimumWidth(150);
    return listBox;
}

void DesignController::Add_Sidebar_Page(QWidget *page, QWidget *&field, QString &labelField, const QString &label)
{
    field = page;
    labelField = label;
    sett_tab->addTab(page, label);
}

QGroupBox *DesignController::Build_Property_Sidebar(QWidget *parent)
{
    Right_Prop_Box = box(parent, "Right_Prop_Box", QString());
    Right_Prop_Box->setFixedWidth(350);
    auto *column = new QVBoxLayout(Right_Prop_Box);
    column->setContentsMargins(4, 4, 4, 4);

    properties_title = label(Right_Prop_Box, "properties_title", QStringLiteral("Label Properties"));
    QFont titleFont = properties_title->font();
    titleFont.setBold(true);
    properties_title->setFont(titleFont);
    column->addWidget(properties_title);
    sel_control_name = field(Right_Prop_Box, "sel_control_name", QStringLiteral("NONE"));
    sel_control_name->setVisible(false);

    sett_tab = make<QTabWidget>(Right_Prop_Box, "sett_tab");
    sett_tab->setUsesScrollButtons(true);
    sett_tab->setElideMode(Qt::ElideNone);
    column->addWidget(sett_tab, 1);

    // The fifteen panels in the order of the description; the set-up keeps and removes them.
    auto *settingPage = new QWidget;
    settingPage->setObjectName(QStringLiteral("card_setting_tab"));
    Add_Sidebar_Page(settingPage, card_setting_tab, card_setting_tab_label, QStringLiteral("Settings"));
    Add_Sidebar_Page(Build_Card_Info_Tab(), card_info_tab, card_info_tab_label, QStringLiteral("Info"));
    Add_Sidebar_Page(Build_Card_Size_Tab(), card_size_tab, card_size_tab_label, QStringLiteral("Size"));
    Add_Sidebar_Page(Build_Card_Background_Tab(), card_bkgd_tab, card_bkgd_tab_label, QStringLiteral("Background"));
    Add_Sidebar_Page(Build_Card_Border_Tab(), card_brdr_tab, card_brdr_tab_label, QStringLiteral("Border"));
    Add_Sidebar_Page(Build_Line_Tab(), line_tab, line_tab_label, QStringLiteral("Line"));
    Add_Sidebar_Page(Build_Shape_Tab(), shape_tab, shape_tab_label, QStringLiteral("General"));
    Add_Sidebar_Page(Build_Text_Editing_Tab(), text_edtng_tab, text_edtng_tab_label, QStringLiteral("Text"));
    Add_Sidebar_Page(Build_Text_Properties_Tab(), text_prop_tab, text_prop_tab_label, QStringLiteral("Style"));
    Add_Sidebar_Page(Build_Image_Tab(), image_tab, image_tab_label, QStringLiteral("Image"));
    Add_Sidebar_Page(Build_Sign_Tab(), sign_tab, sign_tab_label, QStringLiteral("Signature"));
    Add_Sidebar_Page(Build_Data_Source_Tab(), datasource_tab, datasource_tab_label, QStringLiteral("Source"));
    Add_Sidebar_Page(Build_Alignment_Tab(), aligmnt_tab, aligmnt_tab_label, QStringLiteral("Arrange"));
    Add_Sidebar_Page(Build_Barcode_Tab(), barcode_tab, barcode_tab_label, QStringLiteral("Barcode"));
    Add_Sidebar_Page(Build_Lock_Tab(), Lock_tab, Lock_tab_label, QStringLiteral("Properties"));

    // Whether the object is left out of printed and exported output; read by every transfer.
    print_object_chk = check(Right_Prop_Box, "print_object_chk", QStringLiteral("Do not print this object"));
    column->addWidget(print_object_chk);
    return Right_Prop_Box;
}
