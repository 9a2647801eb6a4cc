// The start of a new design: the wizard's choice turned into the card, the undo history and the
// window.

#include "design/DesignCard.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "WizardFixture.h"
#include "app/SKTWindowController.h"

#include "design/DesignController.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/ToolPalette.h"
#include "design/UndoStacks.h"
#include "model/DesignSnapshot.h"
#include "model/SKTDocument.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "model/Card_Property.h"
#include "projects/ProjectsController.h"
#include "support/Editions.h"
#include "support/PageControl.h"
#include "model/DesignGlobals.h"
#include "core/Edition.h"
#include "core/Mode.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr double PointsPerMM = 2.834645669291;

class StartWindow : public WizardFixture {
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        if (ONLY_QR_MODE)
            other = nullptr;
        Barcode_Setting_Or_Designing_Mode = 1;
    }
    // A blank card: the size page as it opens, then the colour page set by act, then Finish.
    void startBlankCard(std::function<void(Card_Wizard &)> act)
    {
        whenWizardRuns([act](Card_Wizard &w) {
            if (ONLY_QR_MODE)
                w.blank_radio_btn->click();
            w.OK_Click();
            act(w);
            w.OK_Click();
        });
        c->projects().Open_Start_Window();
    }
    DesignController &dsg() { return c->design(); }
    // A control of one of the card's pages, by its name.
    template <class Control>
    Control *cardControl(QWidget *page, const char *name)
    {
        return testsupport::pageControl<Control>(page, name);
    }
    QComboBox *hatchStyle() { return cardControl<QComboBox>(sidebarOf(dsg()).card_bkgd_tab, "Card_hatch_style"); }
};

TEST_F(StartWindow, CancelLeavesAnEmptyVisibleDesign)
{
    cardOf(c->design()).Front_card_Prop->Card_Name = QStringLiteral("old");
    whenWizardRuns([](Card_Wizard &w) { w.CancelClick(); });
    c->projects().Open_Start_Window();
    EXPECT_EQ(wizardRuns, 1);
    EXPECT_EQ(c->projects().Start_Result, 0);
    EXPECT_EQ(Start_Card_Option, QStringLiteral("W"));
    EXPECT_FALSE(workAreaOf(dsg()).myTargetView->isHidden());
    EXPECT_FALSE(workAreaOf(dsg()).Right_Prop_Box->isHidden());
    EXPECT_NE(cardOf(dsg()).Front_card_Prop->Card_Name, QStringLiteral("old"));   // a new card
    EXPECT_EQ(cardControl<QComboBox>(sidebarOf(dsg()).card_size_tab, "Label_ComboBox")->currentIndex(), 0);
    // The empty design is the bottom of the history: the first object drawn can be undone.
    ASSERT_EQ(Ucontrol.size(), 1);
    EXPECT_EQ(Ucontrol.first()->count(), 0);
    EXPECT_FALSE(save_flag_des_mode);
    workAreaOf(dsg()).tool_palette->Rect_Tool_btn->click();
    ASSERT_EQ(c->document()->graphics().size(), 1);
    ASSERT_TRUE(editingOf(dsg()).Undo_btn->isEnabled());
    editingOf(dsg()).Undo_btn->click();
    EXPECT_TRUE(c->document()->graphics().isEmpty());
}

// The whole road of a label from the A4 catalogue.
TEST_F(StartWindow, AnA4LabelWithAnEllipseGradientAndDottedBorder)
{
    c->Set_Des_Mode_Save_Flag_TRUE();
    whenWizardRuns([](Card_Wizard &w) {
        if (ONLY_QR_MODE)
            w.blank_radio_btn->click();
        EXPECT_EQ(w.width_Text->text(), QStringLiteral("100.00"));
        w.Label_ComboBox->setCurrentIndex(w.Label_ComboBox->findText(QStringLiteral("A4 Sheets")));
        EXPECT_TRUE(w.width_Text->isReadOnly());
        w.Product_num_ComboBox->setCurrentIndex(w.Product_num_ComboBox->findText(QStringLiteral("A4-21")));
        w.Next_btn->click();
        w.matrix_card_shape->button(2)->click();
        w.Card_gradient_fill_rd->click();
        w.Card_fill_Grd_2_clr->setColor(Qt::blue);
        w.Card_bor_Stepper->setDoubleValue(3);
        w.Card_border_style->setCurrentIndex(3);
        w.Next_btn->click();
    });
    c->projects().Open_Start_Window();
    ASSERT_EQ(c->projects().Start_Result, 1);
    // The canvas shows the card at the label size.
    EXPECT_NEAR(workAreaOf(dsg()).canvasFrameSize.width(), 70.0 * PointsPerMM, 0.01);
    EXPECT_NEAR(workAreaOf(dsg()).canvasFrameSize.height(), 42.3 * PointsPerMM, 0.01);
    const Card_Property &card = *cardOf(dsg()).Front_card_Prop;
    EXPECT_EQ(card.Card_Shape, QStringLiteral("E"));
    EXPECT_EQ(card.Card_fill_style, QStringLiteral("G"));
    EXPECT_EQ(card.Card_fill_Grd_2_clr, QColor(Qt::blue));
    EXPECT_EQ(card.Card_border_style, QStringLiteral("DD"));
    EXPECT_EQ(card.Card_bor_Stepper, 3);
    EXPECT_TRUE(card.Card_border_chk);
    EXPECT_EQ(card.Card_Preset, QStringLiteral("A4 Sheets"));
    EXPECT_EQ(card.Card_Category, QStringLiteral("A4-21"));
    EXPECT_EQ(card.Card_Name, QStringLiteral("Untitled"));
    // One step of history, nothing to undo or redo, nothing unsaved, untitled.
    EXPECT_EQ(Ucontrol.size(), 1);
    EXPECT_TRUE(Rcontrol.isEmpty());
    EXPECT_FALSE(editingOf(dsg()).Undo_btn->isEnabled());
    EXPECT_FALSE(editingOf(dsg()).Redo_btn->isEnabled());
    EXPECT_FALSE(save_flag_des_mode);
    EXPECT_EQ(c->window_->windowTitle(), c->App_Name + QStringLiteral(" ( Untitled )"));
    EXPECT_FALSE(workAreaOf(dsg()).myTargetView->isHidden());
    EXPECT_EQ(dsg().Selected_Control_Tool, 0);
    EXPECT_EQ(Start_Card_Option, QStringLiteral("W"));
}

TEST_F(StartWindow, OpacityArrivesAsThePercentageChosen)
{
    for (const int percent : {50, 5, 1, 10, 100}) {
        SCOPED_TRACE(percent);
        startBlankCard([percent](Card_Wizard &w) {
            w.Card_alpha_Stepper->setDoubleValue(percent);
            w.Card_Alpha_Changed(true);
        });
        EXPECT_EQ(cardControl<platform::Stepper>(sidebarOf(dsg()).card_bkgd_tab, "Card_alpha_Stepper")->intValue(), percent);
        EXPECT_EQ(cardControl<QLineEdit>(sidebarOf(dsg()).card_bkgd_tab, "Card_alpha_Text")->text(), QString::number(percent));
        EXPECT_FLOAT_EQ(cardOf(dsg()).Front_card_Prop->Card_alpha_Stepper, percent / 100.0f);
    }
}

TEST_F(StartWindow, TheCardIsFilledEvenWhenTheWizardsFillWasOff)
{
    startBlankCard([](Card_Wizard &w) {
        w.Card_fill_chk->click();
        EXPECT_FALSE(w.Card_fill_chk->isChecked());
        EXPECT_FALSE(w.Card_Fill_Box->isEnabled());
        w.Card_fill_clr->setColor(Qt::yellow);   // set before the box was switched off
    });
    EXPECT_TRUE(cardControl<QCheckBox>(sidebarOf(dsg()).card_bkgd_tab, "Card_fill_chk")->isChecked());
    EXPECT_TRUE(cardOf(dsg()).Front_card_Prop->Card_fill_chk);
    EXPECT_EQ(cardOf(dsg()).Front_card_Prop->Card_fill_style, QStringLiteral("S"));
    EXPECT_EQ(cardOf(dsg()).Front_card_Prop->Card_fill_clr, QColor(Qt::yellow));
}

TEST_F(StartWindow, AHatchPatternIsTakenOnlyWithTheHatchButton)
{
    ASSERT_GT(hatchStyle()->count(), 2);
    const int last = hatchStyle()->count() - 1;
    // Chosen, then another fill kind: Finish puts the pattern back and the card keeps its own.
    hatchStyle()->setCurrentIndex(1);
    startBlankCard([last](Card_Wizard &w) {
        w.Card_Style_fill_rd->click();
        w.Card_hatch_style->setCurrentIndex(last);
        w.Card_solid_fill_rd->click();
    });
    EXPECT_EQ(cardOf(dsg()).Front_card_Prop->Card_fill_style, QStringLiteral("S"));
    EXPECT_NE(hatchStyle()->currentIndex(), last);
    // With the hatch button on, pattern and back colour arrive.
    startBlankCard([last](Card_Wizard &w) {
        w.Card_Style_fill_rd->click();
        w.Card_hatch_style->setCurrentIndex(last);
        w.Card_hatch_bk_clr->setColor(Qt::cyan);
    });
    EXPECT_EQ(hatchStyle()->currentIndex(), last);
    EXPECT_EQ(cardOf(dsg()).Front_card_Prop->Card_fill_style, QStringLiteral("H"));
    EXPECT_EQ(cardOf(dsg()).Front_card_Prop->Card_hatch_style, hatchStyle()->itemText(last));
    EXPECT_EQ(cardOf(dsg()).Front_card_Prop->Card_hatch_bk_clr, QColor(Qt::cyan));
    EXPECT_TRUE(cardControl<QRadioButton>(sidebarOf(dsg()).card_bkgd_tab, "Card_Style_fill_rd")->isChecked());
}

TEST_F(StartWindow, AStartedDesignIsTheWholeHistoryWithNothingUnsaved)
{
    Ucontrol.clear();
    for (int i = 0; i < 3; ++i)
        undoStacksOf(dsg()).Insert_In_Undo_Redo();
    Rcontrol = Ucontrol;
    c->Set_Des_Mode_Save_Flag_TRUE();
    editingOf(dsg()).Undo_btn->setEnabled(true);
    editingOf(dsg()).Redo_btn->setEnabled(true);
    startBlankCard([](Card_Wizard &) {});
    EXPECT_EQ(Ucontrol.size(), 1);
    EXPECT_TRUE(Rcontrol.isEmpty());
    EXPECT_FALSE(editingOf(dsg()).Undo_btn->isEnabled());
    EXPECT_FALSE(editingOf(dsg()).Redo_btn->isEnabled());
    EXPECT_FALSE(save_flag_des_mode);
    EXPECT_EQ(c->projects().Start_Result, 1);
}

TEST_F(StartWindow, ATemplateThatCannotBeReadStillGetsTitleUndoBaseAndSize)
{
    c->Set_Des_Mode_Save_Flag_TRUE();
    dsg().Selected_Control_Tool = 3;
    whenWizardRuns([](Card_Wizard &w) {
        Selected_Template_Path = QStringLiteral("/nowhere/Missing.qlf");
        w.Select_Template_OK_Btn_Click();
    });
    c->projects().Open_Start_Window();
    EXPECT_EQ(c->projects().Start_Result, 0);
    EXPECT_TRUE(messages().contains(QStringLiteral("File cannot be opened. Selected File is corrupt or invalid.")));
    EXPECT_EQ(Ucontrol.size(), 1);
    EXPECT_FALSE(save_flag_des_mode);
    EXPECT_FALSE(editingOf(dsg()).Undo_btn->isEnabled());
    EXPECT_EQ(dsg().Selected_Control_Tool, 3);   // no arrow tool for a failed template
    EXPECT_FALSE(workAreaOf(dsg()).myTargetView->isHidden());
}

TEST_F(StartWindow, NewOpensTheWizard)
{
    whenWizardRuns([](Card_Wizard &w) { w.CancelClick(); });
    c->newDocumentWindow();
    EXPECT_EQ(wizardRuns, 1);
}

} // namespace
