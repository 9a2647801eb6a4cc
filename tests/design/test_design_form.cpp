#include "DesignFixture.h"

#include "design/DoubleSlider.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>

namespace {

using DesignForm = DesignFixture;

TEST_F(DesignForm, SidebarHoldsTheFifteenPanelsInTheirOrder)
{
    ASSERT_NE(c->sett_tab, nullptr);
    const QStringList expected = {"card_setting_tab", "card_info_tab",  "card_size_tab",  "card_bkgd_tab",
                                  "card_brdr_tab",    "line_tab",       "shape_tab",      "text_edtng_tab",
                                  "text_prop_tab",    "image_tab",      "sign_tab",       "datasource_tab",
                                  "aligmnt_tab",      "barcode_tab",    "Lock_tab"};
    ASSERT_EQ(c->sett_tab->count(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(c->sett_tab->widget(i)->objectName(), expected.at(i)) << i;
    EXPECT_EQ(c->sett_tab->widget(11), c->datasource_tab);
    EXPECT_EQ(c->datasource_tab_label, QStringLiteral("Source"));
    EXPECT_EQ(c->shape_tab_label, QStringLiteral("General"));
    EXPECT_EQ(c->sett_tab->tabText(1), c->card_info_tab_label);
}

TEST_F(DesignForm, OutletsAreFoundUnderTheirOwnNames)
{
    const QList<QPair<QObject *, QString>> outlets = {
        {c->myTargetView, "myTargetView"},           {c->first_view, "first_view"},
        {c->Right_Prop_Box, "Right_Prop_Box"},       {c->_zoomingScrollView, "_zoomingScrollView"},
        {c->_factorPopUpButton, "_factorPopUpButton"}, {c->properties_title, "properties_title"},
        {c->print_object_chk, "print_object_chk"},   {c->card_name, "card_name"},
        {c->All_Text_clr_COPY, "All_Text_clr_COPY"}, {c->width_Stepper, "width_Stepper"},
        {c->Card_alpha_lbl, "Card_alpha_lbl"},       {c->Card_hatch_style, "Card_hatch_style"},
        {c->wm_transp_slider, "wm_transp_slider"},   {c->Line_cap_style, "Line_cap_style"},
        {c->polygon_Stepper, "polygon_Stepper"},     {c->shape_rotation_slidr_val, "shape_rotation_slidr_val"},
        {c->Text_Kern_Stepper, "Text_Kern_Stepper"}, {c->shadow_transp_Text, "shadow_transp_Text"},
        {c->Con_slidr, "Con_slidr"},                 {c->blr_slidr_val, "blr_slidr_val"},
        {c->Image_FIH_chk, "Image_FIH_chk"},         {c->Sign_border_style, "Sign_border_style"},
        {c->Batch_Series, "Batch_Series"},           {c->Text_value_Edit, "Text_value_Edit"},
        {c->frame_main_pic_X_pos_val, "frame_main_pic_X_pos_val"}, {c->Align_with_grid_btn, "Align_with_grid_btn"},
        {c->Edit_Qr_Code_Val_BTN, "Edit_Qr_Code_Val_BTN"}, {c->Cut_btn, "Cut_btn"},
        {c->Card_Image_Scrl_BACK, "Card_Image_Scrl_BACK"}, {c->Front_back_label, "Front_back_label"},
    };
    for (const auto &o : outlets) {
        ASSERT_NE(o.first, nullptr) << o.second.toStdString();
        EXPECT_EQ(o.first->objectName(), o.second);
        EXPECT_EQ(page->findChild<QObject *>(o.second), o.first) << o.second.toStdString();
    }
    // The record list box sits on the page beside the work area, for the frame's split view.
    ASSERT_NE(c->Fill_List_box, nullptr);
    EXPECT_EQ(c->Fill_List_box->parentWidget(), page.get());
    EXPECT_EQ(c->Design_Work_Area->parentWidget(), page.get());
    EXPECT_EQ(page->findChild<QTableWidget *>("Fill_List_RHS"), c->Fill_List_RHS);
}

TEST_F(DesignForm, OptionListsHoldTheirCodedItems)
{
    for (QComboBox *styles : {c->Card_border_style, c->Line_border_style, c->shape_border_style, c->Text_border_style,
                              c->Image_border_style, c->Sign_border_style})
        EXPECT_EQ(styles->count(), 5) << styles->objectName().toStdString();
    EXPECT_EQ(c->Shape_Type_Combo->count(), 8);
    EXPECT_EQ(c->Text_align_combo->count(), 5);
    EXPECT_EQ(c->Text_vert_align_combo->count(), 3);
    EXPECT_EQ(c->Text_case_combo->count(), 4);
    EXPECT_EQ(c->Line_cap_style->count(), 3);
    EXPECT_EQ(c->wm_alignment_combo->count(), 3);
    EXPECT_EQ(c->Card_image_layout->itemText(0), QStringLiteral("Tile"));
    EXPECT_EQ(c->Card_image_layout->currentIndex(), 1);
    EXPECT_EQ(c->Text_Date_style->itemText(6), QStringLiteral("dd-MMM-yy"));
    EXPECT_EQ(c->Text_Time_style->itemText(0), QStringLiteral("h:mm:ss a"));
    EXPECT_EQ(c->Data_source_type->count(), 2);
    const QStringList zoom = {"25%", "50%", "75%", "100%", "125%", "150%", "200%", "400%"};
    ASSERT_EQ(c->_factorPopUpButton->count(), zoom.size());
    for (int i = 0; i < zoom.size(); ++i)
        EXPECT_EQ(c->_factorPopUpButton->itemText(i), zoom.at(i));
    EXPECT_EQ(c->_factorPopUpButton->currentIndex(), 3);
    // Picture effects start at their neutral values.
    EXPECT_DOUBLE_EQ(c->Sat_slidr->doubleValue(), 1.0);
    EXPECT_DOUBLE_EQ(c->Con_slidr->doubleValue(), 1.0);
    EXPECT_DOUBLE_EQ(c->Trsp_slidr->doubleValue(), 100.0);
    EXPECT_DOUBLE_EQ(c->Hue_slidr->doubleValue(), 0.0);
}

TEST_F(DesignForm, CanvasStartsWhiteAt284Points)
{
    EXPECT_EQ(c->_graphicView->size(), QSize(284, 284));
    EXPECT_EQ(c->_zoomingScrollView->widget(), c->_graphicView);
    EXPECT_EQ(c->_graphicView->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(DesignForm, ZoomStepsStopAtBothEndsAndScaleTheCanvas)
{
    c->SetDocumentCanvasSize(QSizeF(100, 50));
    EXPECT_EQ(c->_graphicView->size(), QSize(100, 50));
    EXPECT_EQ(c->canvasFrameSize, QSizeF(100, 50));
    c->Zoom_In_Toolbar_btn();
    EXPECT_EQ(c->_factorPopUpButton->currentIndex(), 4);
    EXPECT_DOUBLE_EQ(c->_zoomFactor, 1.25);
    for (int i = 0; i < 6; ++i)
        c->Zoom_In_Toolbar_btn();
    EXPECT_EQ(c->_factorPopUpButton->currentIndex(), 7);
    EXPECT_DOUBLE_EQ(c->_zoomFactor, 4.0);
    EXPECT_EQ(c->_graphicView->size(), QSize(400, 200));
    // The card keeps its size in points while the view scales.
    EXPECT_EQ(c->canvasFrameSize, QSizeF(100, 50));
    for (int i = 0; i < 10; ++i)
        c->Zoom_Out_Toolbar_btn();
    EXPECT_EQ(c->_factorPopUpButton->currentIndex(), 0);
    EXPECT_DOUBLE_EQ(c->_zoomFactor, 0.25);
    EXPECT_EQ(c->_graphicView->size(), QSize(25, 13));
    c->Set_Canvas_to_100_percent();
    EXPECT_EQ(c->_factorPopUpButton->currentIndex(), 3);
    EXPECT_DOUBLE_EQ(c->_zoomFactor, 1.0);
    EXPECT_EQ(c->_graphicView->size(), QSize(100, 50));
}

TEST_F(DesignForm, ZoomFactorTable)
{
    const float expected[] = {0.25f, 0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 2.0f, 4.0f};
    for (int i = 0; i < 8; ++i)
        EXPECT_FLOAT_EQ(SKTWindowController::Get_Factor_According_Index(i), expected[i]);
}

TEST_F(DesignForm, RulerCommandTogglesBothRulers)
{
    EXPECT_TRUE(c->horizontal_ruler->isHidden());
    c->Show_Hide_Ruler_ChkBox();
    EXPECT_FALSE(c->horizontal_ruler->isHidden());
    EXPECT_FALSE(c->vertical_ruler->isHidden());
    c->Show_Hide_Ruler_ChkBox();
    EXPECT_TRUE(c->horizontal_ruler->isHidden());
    EXPECT_TRUE(c->vertical_ruler->isHidden());
}

TEST_F(DesignForm, FirstViewGoesBackIntoItsContainer)
{
    auto *other = new QWidget;
    c->myTargetView->layout()->removeWidget(c->first_view);
    c->first_view->setParent(nullptr);
    c->myTargetView->layout()->addWidget(other);
    c->changeViewController(1);   // other indices do nothing
    EXPECT_EQ(c->myTargetView->layout()->itemAt(0)->widget(), other);
    c->changeViewController(0);
    EXPECT_EQ(c->myTargetView->layout()->count(), 1);
    EXPECT_EQ(c->myTargetView->layout()->itemAt(0)->widget(), c->first_view);
    EXPECT_EQ(c->first_view->parentWidget(), c->myTargetView);
    delete other;
}

TEST_F(DesignForm, BuildingTwiceLeavesTheFirstWorkArea)
{
    QWidget *area = c->Design_Work_Area;
    QWidget second;
    c->buildDesigningPanel(&second);
    EXPECT_EQ(c->Design_Work_Area, area);
    EXPECT_TRUE(second.findChildren<QWidget *>().isEmpty());
}

} // namespace
