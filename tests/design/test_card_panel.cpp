#include "DesignFixture.h"

#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "projects/Card_Property.h"
#include "design/PropFillGuard.h"
#include "model/SKTText.h"
#include "support/ScriptedResponder.h"
#include "design/DesignController.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialog>
#include <QPageLayout>
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

class CardPanelLoad : public DesignFixture {
protected:
    void SetUp() override
    {
        DesignFixture::SetUp();
        Barcode_Setting_Or_Designing_Mode = 1;
        form_is_loading = false;
        Measument_Unit_Is = last_unit_val = 2;
    }
    DesignController &d() { return c->design(); }
    Card_Property &card() { return *d().Front_card_Prop; }
    void load() { d().Load_Card_and_Label_Properties(nullptr); }
};

TEST_F(CardPanelLoad, FractionsLoadAsWholePercentCappedAt100)
{
    const struct {
        float stored;
        int shown;
    } cases[] = {{1.5f, 100}, {0.257f, 25}, {0.5f, 50}, {100.0f, 100}, {0.0f, 0}};
    for (const auto &k : cases) {
        card().Card_alpha_Stepper = k.stored;
        card().Watermark_Transp = k.stored;
        load();
        EXPECT_EQ(d().Card_alpha_Text->text(), QString::number(k.shown)) << k.stored;
        EXPECT_DOUBLE_EQ(d().Card_alpha_Stepper->doubleValue(), k.shown) << k.stored;
        EXPECT_EQ(d().wm_transp_slider->value(), k.shown) << k.stored;
        EXPECT_EQ(d().wm_transp_val->text(), QString::number(k.shown)) << k.stored;
    }
}

TEST_F(CardPanelLoad, HatchNameIsOnlyReadForTheHatchFill)
{
    d().Card_hatch_style->clear();
    d().Card_hatch_style->addItems({QStringLiteral("Bricks"), QStringLiteral("Dots")});
    d().Card_hatch_style->setCurrentIndex(1);
    card().Card_fill_style = QStringLiteral("S");
    card().Card_hatch_style = QString();
    load();
    EXPECT_EQ(d().Card_hatch_style->currentIndex(), 1);
    card().Card_fill_style = QStringLiteral("H");
    load();
    EXPECT_EQ(d().Card_hatch_style->currentIndex(), -1);
    EXPECT_TRUE(d().Card_Style_fill_rd->isChecked());
    card().Card_hatch_style = QStringLiteral("Bricks");
    load();
    EXPECT_EQ(d().Card_hatch_style->currentIndex(), 0);
}

TEST_F(CardPanelLoad, CustomStockShowsItsSizeInTheCurrentUnit)
{
    card().Card_Preset = QStringLiteral("Custom");
    d().SetDocumentCanvasSize(QSizeF(283.46, 141.73));   // the card's size is the canvas's
    load();
    EXPECT_EQ(card().Card_Size, QSizeF(283.46, 141.73));
    EXPECT_NEAR(d().width_Text->text().toDouble(), 100.0, 0.01);
    EXPECT_NEAR(d().height_Text->text().toDouble(), 50.0, 0.01);
    Measument_Unit_Is = 0;   // inches
    load();
    EXPECT_EQ(d().width_Text->text(), QStringLiteral("3.94"));
    EXPECT_EQ(d().height_Text->text(), QStringLiteral("1.97"));
    EXPECT_EQ(last_unit_val, 0);
}

TEST_F(CardPanelLoad, TheLoadShowsTheCardsSettings)
{
    card().Card_border_chk = true;
    card().Card_bor_Stepper = 6;
    card().Card_border_style = QStringLiteral("DO");
    card().Card_Shape = QStringLiteral("E");
    card().Card_Name = QStringLiteral("Badge");
    card().Watermark_Used = true;
    card().Watermark_Alignment = 2;
    card().Watermark_Text = QStringLiteral("COPY");
    card().Card_fill_style = QStringLiteral("G");
    d().Last_Selected_Graphic = reinterpret_cast<SKTGraphic *>(0x1);
    load();
    EXPECT_TRUE(d().Card_border_chk->isChecked());
    EXPECT_EQ(d().Card_bor_Text->text(), QStringLiteral("6"));
    EXPECT_EQ(d().Card_border_style->currentIndex(), 2);
    EXPECT_EQ(Card_Shape, 2);
    EXPECT_TRUE(d().matrix_card_shape->button(2)->isChecked());
    EXPECT_EQ(d().card_name->text(), QStringLiteral("Badge"));
    EXPECT_TRUE(d().watermark_box->isEnabled());
    EXPECT_EQ(d().wm_alignment_combo->currentIndex(), 2);
    EXPECT_EQ(d().watermark_text->text(), QStringLiteral("COPY"));
    EXPECT_TRUE(d().Card_gradient_fill_rd->isChecked());
    EXPECT_EQ(d().Last_Selected_Graphic, nullptr);
    // Loading wrote nothing back: the card keeps what it had.
    EXPECT_EQ(card().Card_Name, QStringLiteral("Badge"));
    EXPECT_FALSE(Not_Draw_Only_Prop_Change);
}

TEST_F(CardPanelLoad, TheWidthStepperChangesOnlyItsField)
{
    d().SetDocumentCanvasSize(QSizeF(200, 100));
    d().width_Stepper->setDoubleValue(70);
    d().width_Stepper->stepUp();
    EXPECT_EQ(d().width_Text->text(), QStringLiteral("71.00"));
    EXPECT_EQ(d().canvasFrameSize, QSizeF(200, 100));
}

TEST_F(CardPanelLoad, TileLayoutHidesTheOpacity)
{
    const int tile = d().Card_image_layout->findText(QStringLiteral("Tile"));
    const int other = tile == 0 ? 1 : 0;
    d().Card_image_layout->setCurrentIndex(tile);
    c->comboBoxSelectionDidChange(d().Card_image_layout);
    EXPECT_TRUE(d().Card_alpha_Stepper->isHidden());
    d().Card_image_layout->setCurrentIndex(other);
    c->comboBoxSelectionDidChange(d().Card_image_layout);
    EXPECT_FALSE(d().Card_alpha_Stepper->isHidden());
}

TEST_F(CardPanelLoad, ContentColourIsPushedAgainAtEachApplyUntilAReload)
{
    const auto first = make(SKTGraphicClass::Text), second = make(SKTGraphicClass::Text);
    const auto line = make(SKTGraphicClass::Line);
    const QColor lineColour = line->txt_clr;
    front({first, second, line});
    load();
    d().width_Text->setText(QStringLiteral("50"));
    d().height_Text->setText(QStringLiteral("30"));
    first->txt_clr = Qt::blue;
    d().Apply_Size_Clicked();   // unchanged content colour: no text is touched
    EXPECT_EQ(first->txt_clr, QColor(Qt::blue));

    d().All_Text_clr->chooseColor(Qt::red);
    EXPECT_EQ(first->txt_clr, QColor(Qt::red));
    EXPECT_EQ(second->txt_clr, QColor(Qt::red));
    EXPECT_EQ(card().Card_Content_clr, QColor(Qt::red));
    EXPECT_EQ(line->txt_clr, lineColour);   // only texts
    first->txt_clr = Qt::blue;
    d().Apply_Size_Clicked();
    EXPECT_EQ(first->txt_clr, QColor(Qt::red));

    load();   // the copies are refreshed: the colour counts as unchanged again
    first->txt_clr = Qt::blue;
    d().Apply_Size_Clicked();
    EXPECT_EQ(first->txt_clr, QColor(Qt::blue));
}

TEST_F(CardPanelLoad, AChosenContentFontGoesOntoEveryText)
{
    testsupport::ResponderScope responder;
    const auto text = make(SKTGraphicClass::Text);
    front({text});
    load();
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSizeF(21);
    responder->fontAnswers = {chosen};
    d().Content_Font_Clicked();
    EXPECT_EQ(text->text_ctrl_font, chosen);
    EXPECT_EQ(card().Card_Content_font, chosen);
    // Cancel changes nothing.
    text->text_ctrl_font = QFont(QStringLiteral("DejaVu Serif"));
    load();
    d().Content_Font_Clicked();
    EXPECT_EQ(text->text_ctrl_font.family(), QStringLiteral("DejaVu Serif"));
}

TEST_F(CardPanelLoad, AFillLeavesTheFlagAsItFoundItOnEveryWayOut)
{
    for (bool found : {false, true}) {
        Not_Draw_Only_Prop_Change = found;
        try {
            const PropFillGuard filling;
            EXPECT_TRUE(Not_Draw_Only_Prop_Change);
            throw std::runtime_error("failed part-way");
        } catch (const std::runtime_error &) {
        }
        EXPECT_EQ(Not_Draw_Only_Prop_Change, found);
        load();
        EXPECT_EQ(Not_Draw_Only_Prop_Change, found);
    }
    Not_Draw_Only_Prop_Change = false;
}

TEST_F(CardPanelLoad, PageSetupOkShowsThePaperSizeCancelChangesNothing)
{
    testsupport::ResponderScope responder;
    d().width_Text->setText(QStringLiteral("12.00"));
    responder->onModal = [](QDialog &) { return 0; };
    d().Page_From_Printer_Click();
    EXPECT_EQ(d().width_Text->text(), QStringLiteral("12.00"));
    platform::PrintInfo a5;
    a5.pageLayout = QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF());
    c->setPrintInfo(a5);
    responder->onModal = [](QDialog &) { return 1; };
    d().Page_From_Printer_Click();
    EXPECT_EQ(d().width_Text->text(), QStringLiteral("148.00"));
    EXPECT_EQ(d().height_Text->text(), QStringLiteral("210.00"));
    EXPECT_EQ(responder->modalCount, 2);
}

} // namespace
