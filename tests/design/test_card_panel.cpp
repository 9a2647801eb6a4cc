#include "DesignFixture.h"

#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "projects/Card_Property.h"

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
    c->Card_fill_chk->setChecked(true);
    c->card_prop_set(QStringLiteral("G"));
    EXPECT_TRUE(c->Card_gradient_fill_rd->isChecked());
    EXPECT_FALSE(c->Card_solid_fill_rd->isChecked());
    EXPECT_TRUE(c->Card_alpha_Stepper->isHidden());
    EXPECT_TRUE(c->Card_alpha_lbl->isHidden());
    EXPECT_FALSE(c->Card_fill_clr->isEnabled());
    EXPECT_TRUE(c->Card_fill_Grd_1_clr->isEnabled());
    EXPECT_TRUE(c->Card_grad_Stepper->isEnabled());
    EXPECT_FALSE(c->Card_hatch_style->isEnabled());
    EXPECT_FALSE(c->Card_image_box->isEnabled());

    c->card_prop_set(QStringLiteral("H"));
    EXPECT_TRUE(c->Card_Style_fill_rd->isChecked());
    EXPECT_FALSE(c->Card_gradient_fill_rd->isChecked());
    EXPECT_FALSE(c->Card_alpha_Stepper->isHidden());
    EXPECT_TRUE(c->Card_hatch_style->isEnabled());
    EXPECT_TRUE(c->Card_hatch_bk_clr->isEnabled());
    EXPECT_FALSE(c->Card_grad_Text->isEnabled());

    // An unknown code counts as solid.
    c->card_prop_set(QStringLiteral("X"));
    EXPECT_TRUE(c->Card_solid_fill_rd->isChecked());
    EXPECT_TRUE(c->Card_fill_clr->isEnabled());
    EXPECT_FALSE(c->Card_hatch_style->isEnabled());
}

TEST_F(CardPanel, ImageFillHidesOpacityOnlyForTiles)
{
    c->Card_image_layout->setCurrentIndex(0);   // "Tile"
    c->card_prop_set(QStringLiteral("I"));
    EXPECT_TRUE(c->Card_Image_fill_rd->isChecked());
    EXPECT_TRUE(c->Card_alpha_Text->isHidden());
    EXPECT_TRUE(c->Card_image_box->isEnabled());
    c->Card_image_layout->setCurrentIndex(1);
    c->card_prop_set(QStringLiteral("I"));
    EXPECT_FALSE(c->Card_alpha_Text->isHidden());
}

TEST_F(CardPanel, BoxesFollowTheirCheckBoxes)
{
    c->Card_border_chk->setChecked(true);
    c->Card_fill_chk->setChecked(false);
    c->card_prop_set(QStringLiteral("S"));
    EXPECT_TRUE(c->Card_Border_Box->isEnabled());
    EXPECT_FALSE(c->Card_Fill_Box->isEnabled());
    c->Card_border_chk->setChecked(false);
    c->Card_fill_chk->setChecked(true);
    c->card_prop_set(QStringLiteral("S"));
    EXPECT_FALSE(c->Card_Border_Box->isEnabled());
    EXPECT_TRUE(c->Card_Fill_Box->isEnabled());
}

TEST_F(CardPanel, TransferWritesThePanelIntoTheCard)
{
    c->Card_border_chk->setChecked(true);
    c->Card_bordr_clr->setColor(Qt::red);
    c->Card_bor_Stepper->setDoubleValue(4);
    c->Card_border_style->setCurrentIndex(3);
    c->Card_fill_chk->setChecked(true);
    c->Card_fill_clr->setColor(Qt::yellow);
    c->card_prop_set(QStringLiteral("G"));
    c->Card_grad_Stepper->setDoubleValue(45.7);
    c->Card_alpha_Stepper->setDoubleValue(37);
    c->card_name->setText(QStringLiteral("  Badge \n"));
    c->enable_watermark_chk->setChecked(true);
    c->wm_alignment_combo->setCurrentIndex(2);
    c->wm_transp_slider->setValue(50);
    c->watermark_text->setText(QStringLiteral("COPY"));
    Card_Shape = 1;
    c->SetDocumentCanvasSize(QSizeF(200, 100));

    c->Update_Card_Graphics();
    const Card_Property &card = *c->Front_card_Prop;
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
    c->Front_card_Prop->Card_bordr_clr = Qt::green;
    c->Front_card_Prop->Card_bor_Stepper = 7;
    c->Card_border_chk->setChecked(false);
    c->Card_bordr_clr->setColor(Qt::red);
    c->Card_bor_Stepper->setDoubleValue(2);
    c->Update_Card_Graphics();
    EXPECT_FALSE(c->Front_card_Prop->Card_border_chk);
    EXPECT_EQ(c->Front_card_Prop->Card_bordr_clr, QColor(Qt::green));
    EXPECT_EQ(c->Front_card_Prop->Card_bor_Stepper, 7);
}

TEST_F(CardPanel, EmptyNameIsStoredEmptyAndShapesAboveOneAreEllipses)
{
    c->card_name->setText(QStringLiteral("   "));
    Card_Shape = 5;
    c->Update_Card_Graphics();
    EXPECT_TRUE(c->Front_card_Prop->Card_Name.isEmpty());
    EXPECT_FALSE(c->Front_card_Prop->Card_Name.isNull());
    EXPECT_EQ(c->Front_card_Prop->Card_Shape, QStringLiteral("E"));
}

TEST_F(CardPanel, NothingIsWrittenWhileControlsAreFilled)
{
    c->card_name->setText(QStringLiteral("Changed"));
    Not_Draw_Only_Prop_Change = true;
    c->Update_Card_Graphics();
    Not_Draw_Only_Prop_Change = false;
    EXPECT_EQ(c->Front_card_Prop->Card_Name, QStringLiteral("Untitled"));
}

TEST_F(CardPanel, SizeFieldsFollowTheLabelStockChoice)
{
    c->Enable_Disable_Size_Param_Acc_To_Label_Selection(false);
    EXPECT_TRUE(c->width_Text->isReadOnly());
    EXPECT_FALSE(c->height_Text->isEnabled());
    EXPECT_FALSE(c->width_Stepper->isEnabled());
    EXPECT_FALSE(c->page_frm_printer_btn->isEnabled());
    c->Enable_Disable_Size_Param_Acc_To_Label_Selection(true);
    EXPECT_FALSE(c->width_Text->isReadOnly());
    EXPECT_TRUE(c->height_Stepper->isEnabled());
    EXPECT_TRUE(c->page_frm_printer_btn->isEnabled());
}

TEST_F(CardPanel, CardTabsReplaceEveryOtherTab)
{
    c->properties_title->setText(QStringLiteral("Text Properties"));
    c->Fill_Card_Prop_Tab();
    EXPECT_EQ(c->properties_title->text(), QStringLiteral("Label Properties"));
    ASSERT_EQ(c->sett_tab->count(), 4);
    EXPECT_EQ(c->sett_tab->widget(0), c->card_info_tab);
    EXPECT_EQ(c->sett_tab->widget(1), c->card_size_tab);
    EXPECT_EQ(c->sett_tab->widget(2), c->card_bkgd_tab);
    EXPECT_EQ(c->sett_tab->widget(3), c->card_brdr_tab);
    c->Remove_All_Tab_Items();
    EXPECT_EQ(c->sett_tab->count(), 0);
}

TEST_F(CardPanel, ApplyingTheSizeSetsTheCanvasInPoints)
{
    Measument_Unit_Is = last_unit_val = 2;
    c->Zoom_In_Toolbar_btn();
    c->width_Text->setText(QStringLiteral("100"));
    c->height_Text->setText(QStringLiteral("50"));
    c->Apply_Size_Clicked();
    EXPECT_EQ(c->_factorPopUpButton->currentIndex(), 3);
    EXPECT_NEAR(c->canvasFrameSize.width(), 283.4646, 1e-3);
    EXPECT_NEAR(c->canvasFrameSize.height(), 141.7323, 1e-3);
    EXPECT_NEAR(c->Front_card_Prop->Card_Size.width(), 283.4646, 1e-3);
    Measument_Unit_Is = last_unit_val = 0;   // inches
    c->width_Text->setText(QStringLiteral("1"));
    c->height_Text->setText(QStringLiteral("2"));
    c->Apply_Size_Clicked();
    EXPECT_NEAR(c->canvasFrameSize.width(), 72.0, 1e-3);
    EXPECT_NEAR(c->canvasFrameSize.height(), 144.0, 1e-3);
}

} // namespace
