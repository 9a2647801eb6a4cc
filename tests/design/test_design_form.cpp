#include "DesignFixture.h"
#include "support/ScriptedResponder.h"

#include "design/DesignWorkArea.h"
#include "design/DoubleSlider.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "design/panels/LinePanel.h"
#include "design/panels/ShapePanel.h"
#include "design/panels/TextEditingPanel.h"
#include "design/panels/TextPropertiesPanel.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "design/DesignController.h"
#include "design/EditingCommands.h"
#include "design/panels/AlignmentPanel.h"
#include "design/panels/BarcodePanel.h"
#include "design/panels/DataSourcePanel.h"
#include "design/panels/ImagePanel.h"
#include "design/panels/SignPanel.h"
#include "design/panels/CardBorderPanel.h"
#include "design/DesignCard.h"
#include "design/UndoStacks.h"
#include "model/Card_Property.h"
#include "model/DesignGlobals.h"
#include "core/Mode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

using DesignForm = DesignFixture;

TEST_F(DesignForm, SidebarHoldsTheFifteenPanelsInTheirOrder)
{
    ASSERT_NE(sidebar().sett_tab, nullptr);
    const QStringList expected = {"card_setting_tab", "card_info_tab",  "card_size_tab",  "card_bkgd_tab",
                                  "card_brdr_tab",    "line_tab",       "shape_tab",      "text_edtng_tab",
                                  "text_prop_tab",    "image_tab",      "sign_tab",       "datasource_tab",
                                  "aligmnt_tab",      "barcode_tab",    "Lock_tab"};
    ASSERT_EQ(sidebar().sett_tab->count(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(sidebar().sett_tab->widget(i)->objectName(), expected.at(i)) << i;
    EXPECT_EQ(sidebar().sett_tab->widget(11), sidebar().datasource_tab);
    EXPECT_EQ(sidebar().datasource_tab_label, QStringLiteral("Source"));
    EXPECT_EQ(sidebar().shape_tab_label, QStringLiteral("General"));
    EXPECT_EQ(sidebar().sett_tab->tabText(1), sidebar().card_info_tab_label);
}

TEST_F(DesignForm, OutletsAreFoundUnderTheirOwnNames)
{
    const QList<QPair<QObject *, QString>> outlets = {
        {env.design().workArea().myTargetView, "myTargetView"},           {env.design().workArea().first_view, "first_view"},
        {env.design().workArea().Right_Prop_Box, "Right_Prop_Box"},       {env.design().workArea()._zoomingScrollView, "_zoomingScrollView"},
        {env.design().workArea()._factorPopUpButton, "_factorPopUpButton"}, {sidebar().properties_title, "properties_title"},
        {sidebar().print_object_chk, "print_object_chk"},   {sidebar().card_info_tab, "card_info_tab"},
        {sidebar().card_size_tab, "card_size_tab"},         {sidebar().card_bkgd_tab, "card_bkgd_tab"},
        {sidebar().card_brdr_tab, "card_brdr_tab"},
        {sidebar().linePanel()->Line_cap_style, "Line_cap_style"},
        {sidebar().shapePanel()->polygon_Stepper, "polygon_Stepper"},
        {sidebar().shapePanel()->shape_rotation_slidr_val, "shape_rotation_slidr_val"},
        {sidebar().textEditingPanel()->Text_Kern_Stepper, "Text_Kern_Stepper"},
        {sidebar().textPropertiesPanel()->shadow_transp_Text, "shadow_transp_Text"},
        {sidebar().imagePanel()->Con_slidr, "Con_slidr"},
        {sidebar().imagePanel()->blr_slidr_val, "blr_slidr_val"},
        {sidebar().imagePanel()->Image_FIH_chk, "Image_FIH_chk"},
        {sidebar().signPanel()->Sign_border_style, "Sign_border_style"},
        {sidebar().dataSourcePanel()->Batch_Series, "Batch_Series"},
        {sidebar().dataSourcePanel()->Text_value_Edit, "Text_value_Edit"},
        {sidebar().alignmentPanel()->frame_main_pic_X_pos_val, "frame_main_pic_X_pos_val"},
        {sidebar().alignmentPanel()->Align_with_grid_btn, "Align_with_grid_btn"},
        {sidebar().barcodePanel()->Edit_Qr_Code_Val_BTN, "Edit_Qr_Code_Val_BTN"},
        {env.design().editing().Cut_btn, "Cut_btn"},
        {env.design().workArea().Card_Image_Scrl_BACK, "Card_Image_Scrl_BACK"}, {env.design().workArea().Front_back_label, "Front_back_label"},
    };
    for (const auto &o : outlets) {
        ASSERT_NE(o.first, nullptr) << o.second.toStdString();
        EXPECT_EQ(o.first->objectName(), o.second);
        EXPECT_EQ(page->findChild<QObject *>(o.second), o.first) << o.second.toStdString();
    }
    // The record list box sits on the page beside the work area, for the frame's split view.
    ASSERT_NE(records().Fill_List_box, nullptr);
    EXPECT_EQ(records().Fill_List_box->parentWidget(), page.get());
    EXPECT_EQ(env.design().workArea().Design_Work_Area->parentWidget(), page.get());
    EXPECT_EQ(page->findChild<QTableView *>("Fill_List_RHS"), records().Fill_List_RHS);
}

TEST_F(DesignForm, DisabledBoxesCarryTheirContentAlong)
{
    // Only the box is switched off: what it holds follows it when the box is switched on.
    int boxes = 0;
    for (QGroupBox *box : page->findChildren<QGroupBox *>()) {
        if (box->isEnabled())
            continue;
        ++boxes;
        box->setEnabled(true);
        for (QWidget *w : box->findChildren<QWidget *>())
            EXPECT_TRUE(w->isEnabled()) << box->objectName().toStdString() << " " << w->objectName().toStdString();
    }
    EXPECT_EQ(boxes, 8);
}

TEST_F(DesignForm, SidebarPagesScrollDownButNeverSideways)
{
    QWidget *tab = sidebar().image_tab;
    auto *scroll = tab->findChild<QScrollArea *>("image_tab_scroll");
    ASSERT_NE(scroll, nullptr);
    tab->setParent(nullptr);   // on its own, at a height far under its content's
    tab->resize(340, 200);
    tab->show();
    QCoreApplication::processEvents();
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroll->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(scroll->widget()->width(), scroll->viewport()->width());
    delete tab;
    sidebar().image_tab = nullptr;
}

TEST_F(DesignForm, OptionListsHoldTheirCodedItems)
{
    for (QComboBox *styles : {sidebar().linePanel()->Line_border_style, sidebar().shapePanel()->shape_border_style,
                              sidebar().textPropertiesPanel()->Text_border_style,
                              sidebar().imagePanel()->Image_border_style, sidebar().signPanel()->Sign_border_style})
        EXPECT_EQ(styles->count(), 5) << styles->objectName().toStdString();
    EXPECT_EQ(sidebar().shapePanel()->Shape_Type_Combo->count(), 8);
    EXPECT_EQ(sidebar().textEditingPanel()->Text_align_combo->count(), 5);
    EXPECT_EQ(sidebar().textEditingPanel()->Text_vert_align_combo->count(), 3);
    EXPECT_EQ(sidebar().textEditingPanel()->Text_case_combo->count(), 4);
    EXPECT_EQ(sidebar().linePanel()->Line_cap_style->count(), 3);
    EXPECT_EQ(sidebar().dataSourcePanel()->Text_Date_style->itemText(6), QStringLiteral("dd-MMM-yy"));
    EXPECT_EQ(sidebar().dataSourcePanel()->Text_Time_style->itemText(0), QStringLiteral("h:mm:ss a"));
    EXPECT_EQ(sidebar().dataSourcePanel()->Data_source_type->count(), 2);
    const QStringList zoom = {"25%", "50%", "75%", "100%", "125%", "150%", "200%", "400%"};
    ASSERT_EQ(env.design().workArea()._factorPopUpButton->count(), zoom.size());
    for (int i = 0; i < zoom.size(); ++i)
        EXPECT_EQ(env.design().workArea()._factorPopUpButton->itemText(i), zoom.at(i));
    EXPECT_EQ(env.design().workArea()._factorPopUpButton->currentIndex(), 3);
    // Picture effects start at their neutral values.
    EXPECT_DOUBLE_EQ(sidebar().imagePanel()->Sat_slidr->doubleValue(), 1.0);
    EXPECT_DOUBLE_EQ(sidebar().imagePanel()->Con_slidr->doubleValue(), 1.0);
    EXPECT_DOUBLE_EQ(sidebar().imagePanel()->Trsp_slidr->doubleValue(), 100.0);
    EXPECT_DOUBLE_EQ(sidebar().imagePanel()->Hue_slidr->doubleValue(), 0.0);
}

TEST_F(DesignForm, EachSliderNumberTakesATypedValueToItsSliderAndItsObject)
{
    // Return ends the typing: a number within the slider's range moves it (the field shows it) and the
    // object follows in one undo step; other text gets the field's message and shows the slider's value
    // again (no shown value below). The card records no undo step.
    testsupport::ResponderScope responder;
    Barcode_Setting_Or_Designing_Mode = 1;
    form_is_loading = false;
    Card_Property &card = *env.design().card().Front_card_Prop;
    const ImagePanel &p = *sidebar().imagePanel();
    const CardBorderPanel &b = *sidebar().cardBorderPanel();
    card.Watermark_Used = true;
    card.Watermark_Transp = 0.4f;
    // A picture's effect; none: a text's rotation, or the card's watermark transparency (%).
    const struct { QLineEdit *field; float SKTGraphic::*effect; const char *typed, *shown; double value; } rows[] = {
        {sidebar().textEditingPanel()->txt_rotation_slidr_val, nullptr, "400", nullptr, 0}, {b.wm_transp_val, nullptr, "90", "90", 90},
        {p.Rotate_slidr_val, &SKTGraphic::rotate_image, "45,5", "45.5", 45.5}, {p.Trsp_slidr_val, &SKTGraphic::img_trnsp_val, "-5", nullptr, 100},
        {p.Hue_slidr_val, &SKTGraphic::hue_val, "9", nullptr, 0}, {p.Sat_slidr_val, &SKTGraphic::sat_val, " 1,5 ", "1.5", 1.5},
        {p.Brt_slidr_val, &SKTGraphic::brt_val, "-0,25", "-0.25", -0.25}, {p.Con_slidr_val, &SKTGraphic::con_val, "1e2", nullptr, 1},
        {p.shrp_slidr_val, &SKTGraphic::srp_val, "1.000,5", nullptr, 0}, {p.ev_slidr_val, &SKTGraphic::ev_val, "-4294967296", nullptr, 0},
        {p.blr_slidr_val, &SKTGraphic::blr_val, "12,3456", "12.35", 12.35}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.field->objectName().toStdString() + " " + row.typed);
        const bool onCard = row.field == b.wm_transp_val;
        const std::shared_ptr<SKTGraphic> object = make(row.effect ? SKTGraphicClass::Image : SKTGraphicClass::Text);
        front({object});
        select(onCard ? SKTGraphicList{} : SKTGraphicList{object});
        sidebar().Show_RHS_Properties(onCard ? nullptr : object.get());
        env.design().undoStacks().Record_Design_As_Started();
        const auto held = [&, &g = env.document()->graphics()] {
            return onCard ? card.Watermark_Transp * 100.0 : row.effect ? double((*g.at(0)).*row.effect) : g.at(0)->text_rotation;
        };
        const double before = held();
        const qsizetype steps = Ucontrol.size();
        const QString shown = row.shown ? QLatin1String(row.shown) : row.field->text();
        responder->alerts.clear();
        row.field->selectAll();
        QTest::keyClicks(row.field, QString::fromLatin1(row.typed) + QLatin1Char('\r'));
        EXPECT_EQ(row.field->text(), shown);
        EXPECT_NEAR(held(), row.value, 1e-4);
        EXPECT_EQ(Ucontrol.size(), steps + (!onCard && row.value != before ? 1 : 0));
        EXPECT_EQ(responder->alerts.size(), row.shown ? 0 : 1);
    }
}

TEST_F(DesignForm, CanvasStartsWhiteAt284Points)
{
    EXPECT_EQ(env.design().workArea()._graphicView->size(), QSize(284, 284));
    EXPECT_EQ(env.design().workArea()._zoomingScrollView->widget(), env.design().workArea()._graphicView);
    EXPECT_EQ(env.design().workArea()._graphicView->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(DesignForm, ZoomStepsStopAtBothEndsAndScaleTheCanvas)
{
    env.design().workArea().SetDocumentCanvasSize(QSizeF(100, 50));
    EXPECT_EQ(env.design().workArea()._graphicView->size(), QSize(100, 50));
    EXPECT_EQ(env.design().workArea().canvasFrameSize, QSizeF(100, 50));
    env.design().workArea().Zoom_In_Toolbar_btn();
    EXPECT_EQ(env.design().workArea()._factorPopUpButton->currentIndex(), 4);
    EXPECT_DOUBLE_EQ(env.design().workArea()._zoomFactor, 1.25);
    for (int i = 0; i < 6; ++i)
        env.design().workArea().Zoom_In_Toolbar_btn();
    EXPECT_EQ(env.design().workArea()._factorPopUpButton->currentIndex(), 7);
    EXPECT_DOUBLE_EQ(env.design().workArea()._zoomFactor, 4.0);
    EXPECT_EQ(env.design().workArea()._graphicView->size(), QSize(400, 200));
    // The card keeps its size in points while the view scales.
    EXPECT_EQ(env.design().workArea().canvasFrameSize, QSizeF(100, 50));
    for (int i = 0; i < 10; ++i)
        env.design().workArea().Zoom_Out_Toolbar_btn();
    EXPECT_EQ(env.design().workArea()._factorPopUpButton->currentIndex(), 0);
    EXPECT_DOUBLE_EQ(env.design().workArea()._zoomFactor, 0.25);
    EXPECT_EQ(env.design().workArea()._graphicView->size(), QSize(25, 13));
    env.design().workArea().Set_Canvas_to_100_percent();
    EXPECT_EQ(env.design().workArea()._factorPopUpButton->currentIndex(), 3);
    EXPECT_DOUBLE_EQ(env.design().workArea()._zoomFactor, 1.0);
    EXPECT_EQ(env.design().workArea()._graphicView->size(), QSize(100, 50));
}

TEST(DesignZoomFactors, ZoomFactorTable)
{
    const float expected[] = {0.25f, 0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 2.0f, 4.0f};
    for (int i = 0; i < 8; ++i)
        EXPECT_FLOAT_EQ(DesignWorkArea::Get_Factor_According_Index(i), expected[i]);
}

TEST_F(DesignForm, RulerCommandTogglesBothRulers)
{
    EXPECT_TRUE(env.design().workArea().horizontal_ruler->isHidden());
    env.design().workArea().Show_Hide_Ruler_ChkBox();
    EXPECT_FALSE(env.design().workArea().horizontal_ruler->isHidden());
    EXPECT_FALSE(env.design().workArea().vertical_ruler->isHidden());
    env.design().workArea().Show_Hide_Ruler_ChkBox();
    EXPECT_TRUE(env.design().workArea().horizontal_ruler->isHidden());
    EXPECT_TRUE(env.design().workArea().vertical_ruler->isHidden());
}

TEST_F(DesignForm, FirstViewGoesBackIntoItsContainer)
{
    auto *other = new QWidget;
    env.design().workArea().myTargetView->layout()->removeWidget(env.design().workArea().first_view);
    env.design().workArea().first_view->setParent(nullptr);
    env.design().workArea().myTargetView->layout()->addWidget(other);
    env.design().workArea().changeViewController(1);   // other indices do nothing
    EXPECT_EQ(env.design().workArea().myTargetView->layout()->itemAt(0)->widget(), other);
    env.design().workArea().changeViewController(0);
    EXPECT_EQ(env.design().workArea().myTargetView->layout()->count(), 1);
    EXPECT_EQ(env.design().workArea().myTargetView->layout()->itemAt(0)->widget(), env.design().workArea().first_view);
    EXPECT_EQ(env.design().workArea().first_view->parentWidget(), env.design().workArea().myTargetView);
    delete other;
}

TEST_F(DesignForm, BuildingTwiceLeavesTheFirstWorkArea)
{
    QWidget *area = env.design().workArea().Design_Work_Area;
    QWidget second;
    env.design().workArea().buildDesigningPanel(&second);
    EXPECT_EQ(env.design().workArea().Design_Work_Area, area);
    EXPECT_TRUE(second.findChildren<QWidget *>().isEmpty());
}

} // namespace
