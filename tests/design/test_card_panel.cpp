#include "DesignFixture.h"

#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "projects/Card_Property.h"
#include "design/DesignController.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

namespace {

using CardPanel = DesignFixture;

TEST_F(CardPanel, FillCodesSetTheRadiosAndTheirControls)
{
    c->design().Card_fill_chk->setChecked(true);
    c->design().card_prop_set(QStringLiteral("G"));
    EXPECT_TRUE(c->design().Card_gradient_fill_rd->isChecked());
    EXPECT_FALSE(c->design().Card_solid_fill_rd->isChecked());
    EXPECT_TRUE(c->design().Card_alpha_Stepper->isHidden());
    EXPECT_TRUE(c->design().Card_alpha_lbl->isHidden());
    EXPECT_FALSE(c->design().Card_fill_clr->isEnabled());
    EXPECT_TRUE(c->design().Card_fill_Grd_1_clr->isEnabled());
    EXPECT_TRUE(c->design().Card_grad_Stepper->isEnabled());
    EXPECT_FALSE(c->design().Card_hatch_style->isEnabled());
    EXPECT_FALSE(c->design().Card_image_box->isEnabled());

    c->design().card_prop_set(QStringLiteral("H"));
    EXPECT_TRUE(c->design().Card_Style_fill_rd->isChecked());
    EXPECT_FALSE(c->design().Card_gradient_fill_rd->isChecked());
    EXPECT_FALSE(c->design().Card_alpha_Stepper->isHidden());
    EXPECT_TRUE(c->design().Card_hatch_style->isEnabled());
    EXPECT_TRUE(c->design().Card_hatch_bk_clr->isEnabled());
    EXPECT_FALSE(c->design().Card_grad_Text->isEnabled());

    // An unknown code counts as solid.
    c->design().card_prop_set(QStringLiteral("X"));
    EXPECT_TRUE(c->design().Card_solid_fill_rd->isChecked());
    EXPECT_TRUE(c->design().Card_fill_clr->isEnabled());
    EXPECT_FALSE(c->design().Card_hatch_style->isEnabled());
}

TEST_F(CardPanel, ImageFillHidesOpacityOnlyForTiles)
{
    c->design().Card_image_layout->setCurrentIndex(0);   // "Tile"
    c->design().card_prop_set(QStringLiteral("I"));
    EXPECT_TRUE(c->design().Card_Image_fill_rd->isChecked());
    EXPECT_TRUE(c->design().Card_alpha_Text->isHidden());
    EXPECT_TRUE(c->design().Card_image_box->isEnabled());
    c->design().Card_image_layout->setCurrentIndex(1);
    c->design().card_prop_set(QStringLiteral("I"));
    EXPECT_FALSE(c->design().Card_alpha_Text->isHidden());
}

TEST_F(CardPanel, BoxesFollowTheirCheckBoxes)
{
    c->design().Card_border_chk->setChecked(true);
    c->design().Card_fill_chk->setChecked(false);
    c->design().card_prop_set(QStringLiteral("S"));
    EXPECT_TRUE(c->design().Card_Border_Box->isEnabled());
    EXPECT_FALSE(c->design().Card_Fill_Box->isEnabled());
    c->design().Card_border_chk->setChecked(false);
    c->design().Card_fill_chk->setChecked(true);
    c->design().card_prop_set(QStringLiteral("S"));
    EXPECT_FALSE(c->design().Card_Border_Box->isEnabled());
    EXPECT_TRUE(c->design().Card_Fill_Box->isEnabled());
}

TEST_F(CardPanel, TransferWritesThePanelIntoTheCard)
{
    c->design().Card_border_chk->setChecked(true);
    c->design().Card_bordr_clr->setColor(Qt::red);
    c->design().Card_bor_Stepper->setDoubleValue(4);
    c->design().Card_border_style->setCurrentIndex(3);
    c->design().Card_fill_chk->setChecked(true);
    c->design().Card_fill_clr->setColor(Qt::yellow);
    c->design().card_prop_set(QStringLiteral("G"));
    c->design().Card_grad_Stepper->setDoubleValue(45.7);
    c->design().Card_alpha_Stepper->setDoubleValue(37);
    c->design().card_name->setText(QStringLiteral("  Badge \n"));
    c->design().enable_watermark_chk->setChecked(true);
    c->design().wm_alignment_combo->setCurrentIndex(2);
    c->design().wm_transp_slider->setValue(50);
    c->design().watermark_text->setText(QStringLiteral("COPY"));
    Card_Shape = 1;
    c->design().SetDocumentCanvasSize(QSizeF(200, 100));

    c->design().Update_Card_Graphics();
    const Card_Property &card = *c->design().Front_card_Prop;
    EXPECT_TRUE(card.Card_border_chk);
    EXPECT_EQ(card.Card_bordr_clr, QColor(Qt::red));
    EXPECT_EQ(card.Card_bor_Stepper, 4);
    EXPECT_EQ(card.Card_border_style, QStringLiteral("DD"));
    EXPECT_EQ(card.Card_fill_clr, QColor(Qt::yellow));
    EXPECT_EQ(card.Card_fill_style, QStringLiteral("G"));
    EXPECT_EQ(card.Card_grad_Stepper, 45);
    EXPECT_FLOAT_EQ(card.Card_alpha_Stepper, 0.37f);
    EXPECT_EQ(card.Card_Name, QStringLiteral("Badge"));
    EXPECT_EQ(card.Card_Sub_Category, QStringLiteral("Badge"));
    EXPECT_EQ(card.Card_Shape, QStringLiteral("RR"));
    EXPECT_EQ(card.Card_Side, QStringLiteral("1"));
    EXPECT_EQ(card.Card_Size, QSizeF(200, 100));
    EXPECT_EQ(card.Card_Preset, QStringLiteral("Custom"));
    EXPECT_EQ(card.Card_Category, QStringLiteral(""));   // no product chosen
    EXPECT_TRUE(card.Watermark_Used);
    EXPECT_EQ(card.Watermark_Alignment, 2);
    EXPECT_FLOAT_EQ(card.Watermark_Transp, 0.5f);
    EXPECT_EQ(card.Watermark_Text, QStringLiteral("COPY"));
}

TEST_F(CardPanel, BorderOffKeepsTheStoredColourAndWidth)
{
    c->design().Front_card_Prop->Card_bordr_clr = Qt::green;
    c->design().Front_card_Prop->Card_bor_Stepper = 7;
    c->design().Card_border_chk->setChecked(false);
    c->design().Card_bordr_clr->setColor(Qt::red);
    c->design().Card_bor_Stepper->setDoubleValue(2);
    c->design().Update_Card_Graphics();
    EXPECT_FALSE(c->design().Front_card_Prop->Card_border_chk);
    EXPECT_EQ(c->design().Front_card_Prop->Card_bordr_clr, QColor(Qt::green));
    EXPECT_EQ(c->design().Front_card_Prop->Card_bor_Stepper, 7);
}

TEST_F(CardPanel, EmptyNameIsStoredEmptyAndShapesAboveOneAreEllipses)
{
    c->design().card_name->setText(QStringLiteral("   "));
    Card_Shape = 5;
    c->design().Update_Card_Graphics();
    EXPECT_TRUE(c->design().Front_card_Prop->Card_Name.isEmpty());
    EXPECT_FALSE(c->design().Front_card_Prop->Card_Name.isNull());
    EXPECT_EQ(c->design().Front_card_Prop->Card_Shape, QStringLiteral("E"));
}

TEST_F(CardPanel, NothingIsWrittenWhileControlsAreFilled)
{
    c->design().card_name->setText(QStringLiteral("Changed"));
    Not_Draw_Only_Prop_Change = true;
    c->design().Update_Card_Graphics();
    Not_Draw_Only_Prop_Change = false;
    EXPECT_EQ(c->design().Front_card_Prop->Card_Name, QStringLiteral("Untitled"));
}

TEST_F(CardPanel, SizeFieldsFollowTheLabelStockChoice)
{
    c->design().Enable_Disable_Size_Param_Acc_To_Label_Selection(false);
    EXPECT_TRUE(c->design().width_Text->isReadOnly());
    EXPECT_FALSE(c->design().height_Text->isEnabled());
    EXPECT_FALSE(c->design().width_Stepper->isEnabled());
    EXPECT_FALSE(c->design().page_frm_printer_btn->isEnabled());
    c->design().Enable_Disable_Size_Param_Acc_To_Label_Selection(true);
    EXPECT_FALSE(c->design().width_Text->isReadOnly());
    EXPECT_TRUE(c->design().height_Stepper->isEnabled());
    EXPECT_TRUE(c->design().page_frm_printer_btn->isEnabled());
}

TEST_F(CardPanel, CardTabsReplaceEveryOtherTab)
{
    c->design().properties_title->setText(QStringLiteral("Text Properties"));
    c->design().Fill_Card_Prop_Tab();
    EXPECT_EQ(c->design().properties_title->text(), QStringLiteral("Label Properties"));
    ASSERT_EQ(c->design().sett_tab->count(), 4);
    EXPECT_EQ(c->design().sett_tab->widget(0), c->design().card_info_tab);
    EXPECT_EQ(c->design().sett_tab->widget(1), c->design().card_size_tab);
    EXPECT_EQ(c->design().sett_tab->widget(2), c->design().card_bkgd_tab);
    EXPECT_EQ(c->design().sett_tab->widget(3), c->design().card_brdr_tab);
    c->design().Remove_All_Tab_Items();
    EXPECT_EQ(c->design().sett_tab->count(), 0);
}

TEST_F(CardPanel, ApplyingTheSizeSetsTheCanvasInPoints)
{
    Measument_Unit_Is = last_unit_val = 2;
    c->design().Zoom_In_Toolbar_btn();
    c->design().width_Text->setText(QStringLiteral("100"));
    c->design().height_Text->setText(QStringLiteral("50"));
    c->design().Apply_Size_Clicked();
    EXPECT_EQ(c->design()._factorPopUpButton->currentIndex(), 3);
    EXPECT_NEAR(c->design().canvasFrameSize.width(), 283.4646, 1e-3);
    EXPECT_NEAR(c->design().canvasFrameSize.height(), 141.7323, 1e-3);
    EXPECT_NEAR(c->design().Front_card_Prop->Card_Size.width(), 283.4646, 1e-3);
    Measument_Unit_Is = last_unit_val = 0;   // inches
    c->design().width_Text->setText(QStringLiteral("1"));
    c->design().height_Text->setText(QStringLiteral("2"));
    c->design().Apply_Size_Clicked();
    EXPECT_NEAR(c->design().canvasFrameSize.width(), 72.0, 1e-3);
    EXPECT_NEAR(c->design().canvasFrameSize.height(), 144.0, 1e-3);
}

} // namespace
