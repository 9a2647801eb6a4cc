#include "DesignFixture.h"

#include "app/SKTWindowController.h"
#include "design/DesignCard.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "design/PropertySidebar.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "outputjobs/LabelCatalogue.h"
#include "core/Globals.h"
#include "support/LocaleScope.h"
#include "model/Card_Property.h"
#include "design/PropFillGuard.h"
#include "imagetools/Image_Library.h"
#include "model/SKTText.h"
#include "support/NotPictures.h"
#include "support/PageSetupAnswer.h"
#include "support/PrivateCupsd.h"
#include "support/ScriptedResponder.h"
#include "design/DesignController.h"
#include "platform/TextNotifications.h"
#include "projects/ProjectsController.h"
#include "design/panels/CardBackgroundPanel.h"
#include "design/panels/CardBorderPanel.h"
#include "design/panels/CardInfoPanel.h"
#include "design/panels/CardSizePanel.h"
#include "model/DesignGlobals.h"
#include "core/Mode.h"
#include "core/Units.h"

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
#include <QTemporaryDir>

namespace {

using CardPanel = DesignFixture;

TEST_F(CardPanel, FillCodesSetTheRadiosAndTheirControls)
{
    sidebar().cardBackgroundPanel()->Card_fill_chk->setChecked(true);
    sidebar().card_prop_set(QStringLiteral("G"));
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_gradient_fill_rd->isChecked());
    EXPECT_FALSE(sidebar().cardBackgroundPanel()->Card_solid_fill_rd->isChecked());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_alpha_Stepper->isHidden());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_alpha_lbl->isHidden());
    EXPECT_FALSE(sidebar().cardBackgroundPanel()->Card_fill_clr->isEnabled());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_fill_Grd_1_clr->isEnabled());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_grad_Stepper->isEnabled());
    EXPECT_FALSE(sidebar().cardBackgroundPanel()->Card_hatch_style->isEnabled());
    EXPECT_FALSE(sidebar().cardBackgroundPanel()->Card_image_box->isEnabled());

    sidebar().card_prop_set(QStringLiteral("H"));
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_Style_fill_rd->isChecked());
    EXPECT_FALSE(sidebar().cardBackgroundPanel()->Card_gradient_fill_rd->isChecked());
    EXPECT_FALSE(sidebar().cardBackgroundPanel()->Card_alpha_Stepper->isHidden());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_hatch_style->isEnabled());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_hatch_bk_clr->isEnabled());
    EXPECT_FALSE(sidebar().cardBackgroundPanel()->Card_grad_Text->isEnabled());

    // An unknown code counts as solid.
    sidebar().card_prop_set(QStringLiteral("X"));
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_solid_fill_rd->isChecked());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_fill_clr->isEnabled());
    EXPECT_FALSE(sidebar().cardBackgroundPanel()->Card_hatch_style->isEnabled());
}

TEST_F(CardPanel, ImageFillHidesOpacityOnlyForTiles)
{
    sidebar().cardBackgroundPanel()->Card_image_layout->setCurrentIndex(0);   // "Tile"
    sidebar().card_prop_set(QStringLiteral("I"));
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_Image_fill_rd->isChecked());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_alpha_Text->isHidden());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_image_box->isEnabled());
    sidebar().cardBackgroundPanel()->Card_image_layout->setCurrentIndex(1);
    sidebar().card_prop_set(QStringLiteral("I"));
    EXPECT_FALSE(sidebar().cardBackgroundPanel()->Card_alpha_Text->isHidden());
}

TEST_F(CardPanel, BoxesFollowTheirCheckBoxes)
{
    sidebar().cardBorderPanel()->Card_border_chk->setChecked(true);
    sidebar().cardBackgroundPanel()->Card_fill_chk->setChecked(false);
    sidebar().card_prop_set(QStringLiteral("S"));
    EXPECT_TRUE(sidebar().cardBorderPanel()->Card_Border_Box->isEnabled());
    EXPECT_FALSE(sidebar().cardBackgroundPanel()->Card_Fill_Box->isEnabled());
    sidebar().cardBorderPanel()->Card_border_chk->setChecked(false);
    sidebar().cardBackgroundPanel()->Card_fill_chk->setChecked(true);
    sidebar().card_prop_set(QStringLiteral("S"));
    EXPECT_FALSE(sidebar().cardBorderPanel()->Card_Border_Box->isEnabled());
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_Fill_Box->isEnabled());
}

TEST_F(CardPanel, TransferWritesThePanelIntoTheCard)
{
    sidebar().cardBorderPanel()->Card_border_chk->setChecked(true);
    sidebar().cardBorderPanel()->Card_bordr_clr->setColor(Qt::red);
    sidebar().cardBorderPanel()->Card_bor_Stepper->setDoubleValue(4);
    sidebar().cardBorderPanel()->Card_border_style->setCurrentIndex(3);
    sidebar().cardBackgroundPanel()->Card_fill_chk->setChecked(true);
    sidebar().cardBackgroundPanel()->Card_fill_clr->setColor(Qt::yellow);
    sidebar().card_prop_set(QStringLiteral("G"));
    sidebar().cardBackgroundPanel()->Card_grad_Stepper->setDoubleValue(45.7);
    sidebar().cardBackgroundPanel()->Card_alpha_Stepper->setDoubleValue(37);
    sidebar().cardInfoPanel()->card_name->setText(QStringLiteral("  Badge \n"));
    sidebar().cardBorderPanel()->enable_watermark_chk->setChecked(true);
    sidebar().cardBorderPanel()->wm_alignment_combo->setCurrentIndex(2);
    sidebar().cardBorderPanel()->wm_transp_slider->setValue(50);
    sidebar().cardBorderPanel()->watermark_text->setText(QStringLiteral("COPY"));
    Card_Shape = 1;
    c->design().workArea().SetDocumentCanvasSize(QSizeF(200, 100));

    c->design().Update_Card_Graphics();
    const Card_Property &card = *c->design().card().Front_card_Prop;
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
    c->design().card().Front_card_Prop->Card_bordr_clr = Qt::green;
    c->design().card().Front_card_Prop->Card_bor_Stepper = 7;
    sidebar().cardBorderPanel()->Card_border_chk->setChecked(false);
    sidebar().cardBorderPanel()->Card_bordr_clr->setColor(Qt::red);
    sidebar().cardBorderPanel()->Card_bor_Stepper->setDoubleValue(2);
    c->design().Update_Card_Graphics();
    EXPECT_FALSE(c->design().card().Front_card_Prop->Card_border_chk);
    EXPECT_EQ(c->design().card().Front_card_Prop->Card_bordr_clr, QColor(Qt::green));
    EXPECT_EQ(c->design().card().Front_card_Prop->Card_bor_Stepper, 7);
}

TEST_F(CardPanel, EmptyNameIsStoredEmptyAndShapesAboveOneAreEllipses)
{
    sidebar().cardInfoPanel()->card_name->setText(QStringLiteral("   "));
    Card_Shape = 5;
    c->design().Update_Card_Graphics();
    EXPECT_TRUE(c->design().card().Front_card_Prop->Card_Name.isEmpty());
    EXPECT_FALSE(c->design().card().Front_card_Prop->Card_Name.isNull());
    EXPECT_EQ(c->design().card().Front_card_Prop->Card_Shape, QStringLiteral("E"));
}

TEST_F(CardPanel, NothingIsWrittenWhileControlsAreFilled)
{
    sidebar().cardInfoPanel()->card_name->setText(QStringLiteral("Changed"));
    Not_Draw_Only_Prop_Change = true;
    c->design().Update_Card_Graphics();
    Not_Draw_Only_Prop_Change = false;
    EXPECT_EQ(c->design().card().Front_card_Prop->Card_Name, QStringLiteral("Untitled"));
}

TEST_F(CardPanel, SizeFieldsFollowTheLabelStockChoice)
{
    sidebar().cardSizePanel()->Enable_Disable_Size_Param_Acc_To_Label_Selection(false);
    EXPECT_TRUE(sidebar().cardSizePanel()->width_Text->isReadOnly());
    EXPECT_FALSE(sidebar().cardSizePanel()->height_Text->isEnabled());
    EXPECT_FALSE(sidebar().cardSizePanel()->width_Stepper->isEnabled());
    EXPECT_FALSE(sidebar().cardSizePanel()->page_frm_printer_btn->isEnabled());
    sidebar().cardSizePanel()->Enable_Disable_Size_Param_Acc_To_Label_Selection(true);
    EXPECT_FALSE(sidebar().cardSizePanel()->width_Text->isReadOnly());
    EXPECT_TRUE(sidebar().cardSizePanel()->height_Stepper->isEnabled());
    EXPECT_TRUE(sidebar().cardSizePanel()->page_frm_printer_btn->isEnabled());
}

TEST_F(CardPanel, CardTabsReplaceEveryOtherTab)
{
    sidebar().properties_title->setText(QStringLiteral("Text Properties"));
    sidebar().Fill_Card_Prop_Tab();
    EXPECT_EQ(sidebar().properties_title->text(), QStringLiteral("Label Properties"));
    ASSERT_EQ(sidebar().sett_tab->count(), 4);
    EXPECT_EQ(sidebar().sett_tab->widget(0), sidebar().card_info_tab);
    EXPECT_EQ(sidebar().sett_tab->widget(1), sidebar().card_size_tab);
    EXPECT_EQ(sidebar().sett_tab->widget(2), sidebar().card_bkgd_tab);
    EXPECT_EQ(sidebar().sett_tab->widget(3), sidebar().card_brdr_tab);
    sidebar().Remove_All_Tab_Items();
    EXPECT_EQ(sidebar().sett_tab->count(), 0);
}

TEST_F(CardPanel, ApplyingTheSizeSetsTheCanvasInPoints)
{
    Measument_Unit_Is = last_unit_val = 2;
    c->design().workArea().Zoom_In_Toolbar_btn();
    sidebar().cardSizePanel()->width_Text->setText(QStringLiteral("100"));
    sidebar().cardSizePanel()->height_Text->setText(QStringLiteral("50"));
    sidebar().Apply_Size_Clicked();
    EXPECT_EQ(c->design().workArea()._factorPopUpButton->currentIndex(), 3);
    EXPECT_NEAR(c->design().workArea().canvasFrameSize.width(), 283.4646, 1e-3);
    EXPECT_NEAR(c->design().workArea().canvasFrameSize.height(), 141.7323, 1e-3);
    EXPECT_NEAR(c->design().card().Front_card_Prop->Card_Size.width(), 283.4646, 1e-3);
    Measument_Unit_Is = last_unit_val = 0;   // inches
    sidebar().cardSizePanel()->width_Text->setText(QStringLiteral("1"));
    sidebar().cardSizePanel()->height_Text->setText(QStringLiteral("2"));
    sidebar().Apply_Size_Clicked();
    EXPECT_NEAR(c->design().workArea().canvasFrameSize.width(), 72.0, 1e-3);
    EXPECT_NEAR(c->design().workArea().canvasFrameSize.height(), 144.0, 1e-3);
}

// Every shipped product's size set in the panel, in every locale, in millimetres and inches: the fields read back
// its size (to the hundredth they show) and Apply makes the canvas of that size.
TEST_F(CardPanel, EveryStockProductsSizeAppliesInEveryLocale)
{
    testsupport::ResponderScope responder;   // a refusal is said, not waited on
    QStringList wrong;
    CardSizePanel &panel = *sidebar().cardSizePanel();
    for (const char *locale : {"C", "en_US", "de_DE", "ar_EG", "fa_IR"})
        for (const int unit : {2, 0}) {
            LocaleScope scope(locale);
            Measument_Unit_Is = last_unit_val = unit;
            const double perUnit = unit == 2 ? 1 : 25.4;
            for (const QString &vendor : labelstock::Vendor_Names(Resource_Path))
                for (const Product_Details &p : labelstock::Read_Catalogue(labelstock::Catalogue_Path(Resource_Path, vendor), QString()).products) {
                    const auto l = labelstock::Predefined_Layout(p, nullptr);
                    panel.Set_Card_Size_In_Control(l.labelWidth, l.labelHeight);
                    const QSizeF read(platform::fieldValue(panel.width_Text), platform::fieldValue(panel.height_Text));
                    sidebar().Apply_Size_Clicked();
                    const QSizeF canvas = c->design().workArea().canvasFrameSize / 72 * 25.4 / perUnit, off = read - QSizeF(l.labelWidth, l.labelHeight) / perUnit;
                    if (std::max(std::abs(off.width()), std::abs(off.height())) > 0.0051 || (canvas - read).width() > 1e-3 || (canvas - read).height() > 1e-3)
                        wrong << QStringLiteral("%1 %2 %3: fields %4 x %5, canvas %6 x %7").arg(locale, vendor, p.productID).arg(read.width())
                                     .arg(read.height()).arg(canvas.width()).arg(canvas.height());
                }
        }
    Measument_Unit_Is = last_unit_val = 2;
    EXPECT_EQ((wrong + responder->trimmedAlertMessages()).join('\n').toStdString(), "");
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
    Card_Property &card() { return *d().card().Front_card_Prop; }
    void load() { sidebar().Load_Card_and_Label_Properties(nullptr); }
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
        EXPECT_EQ(sidebar().cardBackgroundPanel()->Card_alpha_Text->text(), QString::number(k.shown)) << k.stored;
        EXPECT_DOUBLE_EQ(sidebar().cardBackgroundPanel()->Card_alpha_Stepper->doubleValue(), k.shown) << k.stored;
        EXPECT_EQ(sidebar().cardBorderPanel()->wm_transp_slider->value(), k.shown) << k.stored;
        EXPECT_EQ(sidebar().cardBorderPanel()->wm_transp_val->text(), QString::number(k.shown)) << k.stored;
    }
}

TEST_F(CardPanelLoad, HatchNameIsOnlyReadForTheHatchFill)
{
    sidebar().cardBackgroundPanel()->Card_hatch_style->clear();
    sidebar().cardBackgroundPanel()->Card_hatch_style->addItems({QStringLiteral("Bricks"), QStringLiteral("Dots")});
    sidebar().cardBackgroundPanel()->Card_hatch_style->setCurrentIndex(1);
    card().Card_fill_style = QStringLiteral("S");
    card().Card_hatch_style = QString();
    load();
    EXPECT_EQ(sidebar().cardBackgroundPanel()->Card_hatch_style->currentIndex(), 1);
    card().Card_fill_style = QStringLiteral("H");
    load();
    EXPECT_EQ(sidebar().cardBackgroundPanel()->Card_hatch_style->currentIndex(), -1);
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_Style_fill_rd->isChecked());
    card().Card_hatch_style = QStringLiteral("Bricks");
    load();
    EXPECT_EQ(sidebar().cardBackgroundPanel()->Card_hatch_style->currentIndex(), 0);
}

TEST_F(CardPanelLoad, CustomStockShowsItsSizeInTheCurrentUnit)
{
    card().Card_Preset = QStringLiteral("Custom");
    d().workArea().SetDocumentCanvasSize(QSizeF(283.46, 141.73));   // the card's size is the canvas's
    load();
    EXPECT_EQ(card().Card_Size, QSizeF(283.46, 141.73));
    EXPECT_NEAR(sidebar().cardSizePanel()->width_Text->text().toDouble(), 100.0, 0.01);
    EXPECT_NEAR(sidebar().cardSizePanel()->height_Text->text().toDouble(), 50.0, 0.01);
    Measument_Unit_Is = 0;   // inches
    load();
    EXPECT_EQ(sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("3.94"));
    EXPECT_EQ(sidebar().cardSizePanel()->height_Text->text(), QStringLiteral("1.97"));
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
    d().selection().Last_Selected_Graphic = reinterpret_cast<SKTGraphic *>(0x1);
    load();
    EXPECT_TRUE(sidebar().cardBorderPanel()->Card_border_chk->isChecked());
    EXPECT_EQ(sidebar().cardBorderPanel()->Card_bor_Text->text(), QStringLiteral("6"));
    EXPECT_EQ(sidebar().cardBorderPanel()->Card_border_style->currentIndex(), 2);
    EXPECT_EQ(Card_Shape, 2);
    EXPECT_TRUE(sidebar().cardInfoPanel()->matrix_card_shape->button(2)->isChecked());
    EXPECT_EQ(sidebar().cardInfoPanel()->card_name->text(), QStringLiteral("Badge"));
    EXPECT_TRUE(sidebar().cardBorderPanel()->watermark_box->isEnabled());
    EXPECT_EQ(sidebar().cardBorderPanel()->wm_alignment_combo->currentIndex(), 2);
    EXPECT_EQ(sidebar().cardBorderPanel()->watermark_text->text(), QStringLiteral("COPY"));
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_gradient_fill_rd->isChecked());
    EXPECT_EQ(d().selection().Last_Selected_Graphic, nullptr);
    // Loading wrote nothing back: the card keeps what it had.
    EXPECT_EQ(card().Card_Name, QStringLiteral("Badge"));
    EXPECT_FALSE(Not_Draw_Only_Prop_Change);
}

TEST_F(CardPanelLoad, TheWidthStepperChangesOnlyItsField)
{
    d().workArea().SetDocumentCanvasSize(QSizeF(200, 100));
    sidebar().cardSizePanel()->width_Stepper->setDoubleValue(70);
    sidebar().cardSizePanel()->width_Stepper->stepUp();
    EXPECT_EQ(sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("71.00"));
    EXPECT_EQ(d().workArea().canvasFrameSize, QSizeF(200, 100));
}

TEST_F(CardPanelLoad, TileLayoutHidesTheOpacity)
{
    const int tile = sidebar().cardBackgroundPanel()->Card_image_layout->findText(QStringLiteral("Tile"));
    const int other = tile == 0 ? 1 : 0;
    card().Card_BG_Image_Layout = QString();
    sidebar().cardBackgroundPanel()->Card_image_layout->setCurrentIndex(tile);
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_alpha_Stepper->isHidden());
    EXPECT_EQ(card().Card_BG_Image_Layout, QStringLiteral("Tile"));   // and the card is stored
    sidebar().cardBackgroundPanel()->Card_image_layout->setCurrentIndex(other);
    EXPECT_FALSE(sidebar().cardBackgroundPanel()->Card_alpha_Stepper->isHidden());
}

TEST_F(CardPanelLoad, ContentColourIsPushedAgainAtEachApplyUntilAReload)
{
    const auto first = make(SKTGraphicClass::Text), second = make(SKTGraphicClass::Text);
    const auto line = make(SKTGraphicClass::Line);
    const QColor lineColour = line->txt_clr;
    front({first, second, line});
    load();
    sidebar().cardSizePanel()->width_Text->setText(QStringLiteral("50"));
    sidebar().cardSizePanel()->height_Text->setText(QStringLiteral("30"));
    first->txt_clr = Qt::blue;
    sidebar().Apply_Size_Clicked();   // unchanged content colour: no text is touched
    EXPECT_EQ(first->txt_clr, QColor(Qt::blue));

    sidebar().cardInfoPanel()->All_Text_clr->chooseColor(Qt::red);
    EXPECT_EQ(first->txt_clr, QColor(Qt::red));
    EXPECT_EQ(second->txt_clr, QColor(Qt::red));
    EXPECT_EQ(card().Card_Content_clr, QColor(Qt::red));
    EXPECT_EQ(line->txt_clr, lineColour);   // only texts
    first->txt_clr = Qt::blue;
    sidebar().Apply_Size_Clicked();
    EXPECT_EQ(first->txt_clr, QColor(Qt::red));

    load();   // the copies are refreshed: the colour counts as unchanged again
    first->txt_clr = Qt::blue;
    sidebar().Apply_Size_Clicked();
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
    sidebar().cardInfoPanel()->content_font_btn->click();
    EXPECT_EQ(text->text_ctrl_font, chosen);
    EXPECT_EQ(card().Card_Content_font, chosen);
    // Cancel changes nothing.
    text->text_ctrl_font = QFont(QStringLiteral("DejaVu Serif"));
    load();
    sidebar().cardInfoPanel()->content_font_btn->click();
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
    sidebar().cardSizePanel()->width_Text->setText(QStringLiteral("12.00"));
    responder->onModal = [](QDialog &) { return 0; };
    sidebar().cardSizePanel()->page_frm_printer_btn->click();
    EXPECT_EQ(sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("12.00"));
    platform::PrintInfo a5;
    a5.pageLayout = QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF());
    c->setPrintInfo(a5);
    responder->onModal = [](QDialog &) { return 1; };
    sidebar().cardSizePanel()->page_frm_printer_btn->click();
    EXPECT_EQ(sidebar().cardSizePanel()->width_Text->text(), QStringLiteral("148.00"));
    EXPECT_EQ(sidebar().cardSizePanel()->height_Text->text(), QStringLiteral("210.00"));
    EXPECT_EQ(responder->modalCount, 2);
    // On desk printers: B5, which they lack, opens as the Letter in the tray; Landscape there turns the margins (points).
    printtest::PrivateCupsd cupsd;
    if (!cupsd.addQueues({{"Desk_36", "36"}, {"Desk_4m", "10", "20", "30", "40", "Minus90"}}, "Desk_36"))
        GTEST_SKIP() << cupsd.failure().toStdString();
    const CardSizePanel *panel = sidebar().cardSizePanel();
    for (const auto &[printer, paper, shown] : {std::tuple{"", QPageSize::B5, "215.90 279.40 36 40 36 36"},
                                                {"Desk_4m", QPageSize::Letter, "279.40 215.90 40 30 20 10"}}) {
        c->setPrintInfo({printer, QPageLayout(QPageSize(paper), {}, QMarginsF(10, 40, 30, 20), QPageLayout::Point)});   // portrait
        responder->onModal = testsupport::PageSetupAnswer{std::nullopt, *printer ? QPageLayout::Landscape : QPageLayout::Portrait};
        panel->page_frm_printer_btn->click();
        const QMarginsF m = c->getPrintInfo()->pageLayout.margins(QPageLayout::Point);
        EXPECT_EQ((panel->width_Text->text() + " " + panel->height_Text->text()).toStdString()
                      + QString::asprintf(" %.0f %.0f %.0f %.0f", m.left(), m.top(), m.right(), m.bottom()).toStdString(), shown);
    }
}

TEST_F(CardPanelLoad, AUsersChangeOnACardPageIsStoredInTheCard)
{
    load();
    sidebar().cardBorderPanel()->Card_border_chk->setChecked(false);
    sidebar().cardBorderPanel()->Card_border_chk->click();
    EXPECT_TRUE(card().Card_border_chk);
    sidebar().cardInfoPanel()->matrix_card_shape->button(1)->click();
    EXPECT_EQ(card().Card_Shape, QStringLiteral("RR"));
    sidebar().cardBackgroundPanel()->Card_gradient_fill_rd->click();
    EXPECT_EQ(card().Card_fill_style, QStringLiteral("G"));
    sidebar().cardBorderPanel()->wm_alignment_combo->setCurrentIndex(2);
    EXPECT_EQ(card().Watermark_Alignment, 2);
    sidebar().cardBackgroundPanel()->Card_alpha_Stepper->setDoubleValue(50);
    sidebar().cardBackgroundPanel()->Card_alpha_Stepper->stepUp();
    EXPECT_FLOAT_EQ(card().Card_alpha_Stepper, 0.51f);
}

TEST_F(CardPanelLoad, ABorderColourGoesOntoTheSelectedObjectsThenIntoTheCard)
{
    const auto rect = make(SKTGraphicClass::Shape);
    front({rect});
    select({rect});
    load();
    sidebar().cardBorderPanel()->Card_border_chk->setChecked(true);
    sidebar().cardBorderPanel()->Card_bordr_clr->chooseColor(Qt::darkRed);
    EXPECT_EQ(card().Card_bordr_clr, QColor(Qt::darkRed));
    EXPECT_EQ(rect->_fillColor, QColor(Qt::darkRed));   // what the objects' colour step does
}

TEST_F(CardPanelLoad, TurningTheFillBackOnShowsTheCardsOwnFillType)
{
    card().Card_fill_style = QStringLiteral("H");
    load();
    sidebar().cardBackgroundPanel()->card_prop_set(QStringLiteral("S"));   // the page shows another type
    sidebar().cardBackgroundPanel()->Card_fill_chk->setChecked(false);
    sidebar().cardBackgroundPanel()->Card_fill_chk->click();
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_Style_fill_rd->isChecked());
    EXPECT_EQ(card().Card_fill_style, QStringLiteral("H"));
    EXPECT_TRUE(card().Card_fill_chk);
}

TEST_F(CardPanelLoad, TypedNameAndWatermarkTextAreStored)
{
    load();
    auto &center = platform::TextNotifications::instance();
    sidebar().cardInfoPanel()->card_name->setText(QStringLiteral(" Badge "));
    emit center.controlTextDidChange(sidebar().cardInfoPanel()->card_name);
    EXPECT_EQ(card().Card_Name, QStringLiteral("Badge"));
    sidebar().cardBorderPanel()->watermark_text->setText(QStringLiteral("DRAFT"));
    emit center.controlTextDidChange(sidebar().cardBorderPanel()->watermark_text);
    EXPECT_EQ(card().Watermark_Text, QStringLiteral("DRAFT"));
}

TEST_F(CardPanelLoad, ABrowsedPictureBecomesTheBackgroundAndItsTabIsShown)
{
    testsupport::ResponderScope responder;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bg.png"));
    QImage red(20, 10, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(path));
    load();
    sidebar().Fill_Card_Prop_Tab();
    sidebar().sett_tab->setCurrentIndex(0);
    EXPECT_EQ(sidebar().cardBackgroundPanel()->Image_File_Types, c->Allowd_Image_fileTypes);
    responder->openAnswers = {{path}};
    sidebar().cardBackgroundPanel()->Card_fill_chk->setChecked(true);
    sidebar().cardBackgroundPanel()->Card_Image_fill_rd->click();
    sidebar().cardBackgroundPanel()->card_image_browse_btn->click();
    EXPECT_EQ(card().Card_fill_style, QStringLiteral("I"));
    EXPECT_EQ(card().Card_BG_Image_Path, path);
    EXPECT_EQ(card().Card_BG_Image.size(), QSize(20, 10));
    EXPECT_EQ(sidebar().cardBackgroundPanel()->Card_Image_path->toPlainText(), path);
    EXPECT_TRUE(sidebar().cardBackgroundPanel()->Card_Image_fill_rd->isChecked());
    EXPECT_EQ(sidebar().sett_tab->currentWidget(), sidebar().card_bkgd_tab);
}

TEST_F(CardPanelLoad, AFileThatIsNoPictureLeavesTheBackgroundAsItWas)
{
    testsupport::ResponderScope responder;
    QTemporaryDir dir;
    load();
    sidebar().Fill_Card_Prop_Tab();
    const QString before = card().Card_BG_Image_Path;
    const QSize beforeSize = card().Card_BG_Image.size();
    CardBackgroundPanel *panel = sidebar().cardBackgroundPanel();
    panel->Card_fill_chk->setChecked(true);
    panel->Card_Image_fill_rd->click();
    for (QPushButton *button : {panel->card_image_browse_btn, panel->card_image_library_btn})
        for (const QString &bad : testsupport::writeNotPictures(dir.filePath(QStringLiteral("bad")))) {
            SCOPED_TRACE((button->objectName() + QLatin1Char(' ') + bad).toStdString());
            responder->alerts.clear();
            responder->openAnswers = {{bad}};
            // The library picker answers a file of its folder that is no picture.
            responder->onModal = [&](QDialog &) {
                Image_Library::defaultInstance()->selected_image = bad;
                return 1;
            };
            button->click();
            EXPECT_EQ(responder->trimmedAlertMessages(), QStringList{testsupport::kNotAPicture});
            EXPECT_EQ(card().Card_BG_Image_Path, before);
            EXPECT_EQ(card().Card_BG_Image.size(), beforeSize);
            EXPECT_NE(panel->Card_Image_path->toPlainText(), bad);
        }
}

// The label stock through the window: the vendor's catalogue fills the product list, whose first
// product's size arrives in the size fields.
TEST(CardPanelWindow, VendorThenFirstProduct)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    CardSizePanel *size = c->design().sidebar().cardSizePanel();
    ASSERT_GE(size->Label_ComboBox->findText(QStringLiteral("Avery")), 0);
    size->Label_ComboBox->setCurrentText(QStringLiteral("Avery"));
    EXPECT_TRUE(size->Product_num_ComboBox->isEnabled());
    ASSERT_GT(size->Product_num_ComboBox->count(), 0);
    EXPECT_EQ(size->Product_num_ComboBox->currentIndex(), 0);
    EXPECT_EQ(int(c->projects().prod_list.size()), size->Product_num_ComboBox->count());
    EXPECT_EQ(size->width_Text->text(), QStringLiteral("66.68"));   // 2.625 in in millimetres
    size->Label_ComboBox->setCurrentText(QStringLiteral("Custom"));
    EXPECT_FALSE(size->Product_num_ComboBox->isEnabled());
    EXPECT_EQ(size->Product_num_ComboBox->currentIndex(), -1);
}

} // namespace
