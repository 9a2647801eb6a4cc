// The Designing mode's editing and arrange commands against the window's real canvas: undo steps
// one click each, the clipboard, the order commands, locking, the alignment buttons and their
// messages, and the Edit menu's enabling.

#include "app/SKTWindowController.h"
#include "core/Mode.h"
#include "core/Units.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/ToolPalette.h"
#include "design/UndoStacks.h"
#include "design/panels/AlignmentPanel.h"
#include "design/panels/ShapePanel.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"
#include "model/SKTGrid.h"
#include "model/SKTZoomingScrollView.h"
#include "model/Shape_Control.h"
#include "platform/ColorWell.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

class CanvasEditing : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        d = &c->design();
        canvas = d->workArea().Graphic_View();
        ASSERT_NE(canvas, nullptr);
        Barcode_Setting_Or_Designing_Mode = 1;
        QGuiApplication::clipboard()->clear();
        d->undoStacks().Record_Design_As_Started();
    }
    void TearDown() override
    {
        QGuiApplication::clipboard()->clear();
        Barcode_Setting_Or_Designing_Mode = 0;
    }
    const SKTGraphicList &graphics() const { return c->document()->graphics(); }
    // A tool button's object, put on the card at the cascade point and selected.
    std::shared_ptr<SKTGraphic> draw(void (ToolPalette::*tool)())
    {
        (d->workArea().tool_palette->*tool)();
        return graphics().isEmpty() ? nullptr : graphics().first();
    }
    static void type(QLineEdit *field, const QString &text)
    {
        field->setText(text);
        emit field->editingFinished();
    }
    QStringList messages() { return responder->trimmedAlertMessages(); }

    testsupport::AppEnvironment env{QString(), true};
    testsupport::ResponderScope responder;
    SKTWindowController *c = nullptr;
    DesignController *d = nullptr;
    SKTGraphicView *canvas = nullptr;
};

TEST_F(CanvasEditing, AMoveAndARecolourAreUndoneOneClickEachAndRedoneBoth)
{
    const auto star = draw(&ToolPalette::Star_Tool_Clicked);
    ASSERT_NE(star, nullptr);
    ASSERT_EQ(canvas->selectedGraphics(), SKTGraphicList({star}));
    const QRectF drawn = star->bounds();
    const QColor fill = star->_fillColor;
    // The sidebar shows the new object's frame.
    EXPECT_EQ(d->sidebar().alignmentPanel()->frame_main_pic_X_pos->text(), QString::number(drawn.x(), 'f', 2));

    type(d->sidebar().alignmentPanel()->frame_main_pic_X_pos, QStringLiteral("120"));
    EXPECT_EQ(star->bounds().x(), 120);
    d->sidebar().shapePanel()->shape_fill_clr->chooseColor(QColor(Qt::red));
    auto current = [this] { return graphics().first(); };
    EXPECT_EQ(current()->_fillColor, QColor(Qt::red));

    d->undoStacks().Undo_Clicked();
    ASSERT_EQ(graphics().size(), 1);
    EXPECT_EQ(current()->bounds().x(), 120);
    EXPECT_NE(current()->_fillColor, QColor(Qt::red));
    d->undoStacks().Undo_Clicked();
    EXPECT_EQ(current()->bounds(), drawn);
    EXPECT_EQ(current()->_fillColor, fill);
    EXPECT_TRUE(d->editing().Redo_btn->isEnabled());

    d->undoStacks().Redo_Clicked();
    d->undoStacks().Redo_Clicked();
    EXPECT_EQ(current()->bounds().x(), 120);
    EXPECT_EQ(current()->_fillColor, QColor(Qt::red));
    EXPECT_FALSE(d->editing().Redo_btn->isEnabled());

    // A new edit after an Undo ends the redo history.
    d->undoStacks().Undo_Clicked();
    EXPECT_TRUE(d->editing().Redo_btn->isEnabled());
    canvas->changeSelectionIndexes({0});
    type(d->sidebar().alignmentPanel()->frame_main_pic_Y_pos, QStringLiteral("40"));
    EXPECT_FALSE(d->editing().Redo_btn->isEnabled());
}

TEST_F(CanvasEditing, CutPasteAndDeleteAreOneStepEach)
{
    const auto first = draw(&ToolPalette::Rect_Tool_Clicked);
    const auto second = draw(&ToolPalette::Circle_Tool_Clicked);
    ASSERT_EQ(graphics().size(), 2);
    const int base = d->undoStacks().Get_Undo_Count();
    canvas->changeSelectionIndexes({int(graphics().indexOf(first))});
    EXPECT_TRUE(d->editing().Cut_btn->isEnabled());
    d->editing().Cut_btn->click();
    EXPECT_EQ(graphics(), SKTGraphicList({second}));
    EXPECT_EQ(d->undoStacks().Get_Undo_Count(), base + 1);
    EXPECT_TRUE(d->editing().Paste_btn->isEnabled());

    d->editing().Paste_btn->click();
    ASSERT_EQ(graphics().size(), 2);
    EXPECT_EQ(graphics().first()->bounds().size(), first->bounds().size());
    EXPECT_EQ(d->undoStacks().Get_Undo_Count(), base + 2);
    // The pasted object is selected and shown.
    EXPECT_EQ(canvas->selectionIndexes(), QList<int>({0}));
    EXPECT_EQ(d->selection().Get_Selected_Graphic(), graphics().first());

    d->editing().Delete_btn->click();
    EXPECT_EQ(graphics(), SKTGraphicList({second}));
    EXPECT_EQ(d->undoStacks().Get_Undo_Count(), base + 3);

    d->undoStacks().Undo_Clicked();
    EXPECT_EQ(graphics().size(), 2);
    d->undoStacks().Undo_Clicked();
    EXPECT_EQ(graphics().size(), 1);
    d->undoStacks().Undo_Clicked();
    EXPECT_EQ(graphics().size(), 2);
}

TEST_F(CanvasEditing, FrontAndBackEachReorderIsOneStep)
{
    const auto a = draw(&ToolPalette::Rect_Tool_Clicked);
    const auto b = draw(&ToolPalette::Circle_Tool_Clicked);
    ASSERT_EQ(graphics(), SKTGraphicList({b, a}));
    const int steps = d->undoStacks().Get_Undo_Count();
    canvas->changeSelectionIndexes({1});
    d->editing().Begin_Front_btn->click();
    EXPECT_EQ(graphics(), SKTGraphicList({a, b}));
    EXPECT_EQ(canvas->selectionIndexes(), QList<int>({0}));
    EXPECT_EQ(d->undoStacks().Get_Undo_Count(), steps + 1);
    d->editing().Send_Back_btn->click();
    EXPECT_EQ(graphics(), SKTGraphicList({b, a}));
    EXPECT_EQ(d->undoStacks().Get_Undo_Count(), steps + 2);
    d->editing().Send_Back_btn->click();   // already at the back: no step
    EXPECT_EQ(d->undoStacks().Get_Undo_Count(), steps + 2);
    // Undo brings the rectangle back to the front.
    d->editing().Undo_btn->click();
    ASSERT_EQ(graphics().size(), 2);
    EXPECT_EQ(graphics().first()->className(), a->className());
    EXPECT_EQ(graphics().first()->bounds(), a->bounds());
}

TEST_F(CanvasEditing, LockLeavesOneTabAndDisablesCutAndDelete)
{
    const auto shape = draw(&ToolPalette::Rect_Tool_Clicked);
    ASSERT_NE(shape, nullptr);
    EXPECT_TRUE(d->editing().Cut_btn->isEnabled());
    EXPECT_TRUE(d->editing().Delete_btn->isEnabled());
    d->editing().Lock_btn->click();
    EXPECT_TRUE(shape->ctrl_is_locked);
    EXPECT_EQ(d->sidebar().sett_tab->count(), 1);
    EXPECT_EQ(d->sidebar().sett_tab->widget(0), d->sidebar().Lock_tab);
    EXPECT_FALSE(d->editing().Cut_btn->isEnabled());
    EXPECT_FALSE(d->editing().Delete_btn->isEnabled());
    EXPECT_TRUE(d->editing().Unlock_btn->isEnabled());
    EXPECT_EQ(canvas->selectedGraphics(), SKTGraphicList({shape}));
    // The canvas refuses too.
    canvas->delete_selection();
    EXPECT_EQ(graphics().size(), 1);
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Selected control is locked.")}));

    d->editing().Unlock_btn->click();
    EXPECT_FALSE(shape->ctrl_is_locked);
    EXPECT_TRUE(d->editing().Cut_btn->isEnabled());
    EXPECT_GT(d->sidebar().sett_tab->count(), 1);
}

TEST_F(CanvasEditing, AlignLeftMovesALoneObjectToZeroAndKeepsTheFirstOfThree)
{
    const auto a = draw(&ToolPalette::Rect_Tool_Clicked);
    ASSERT_GT(a->bounds().x(), 0);
    const int steps = d->undoStacks().Get_Undo_Count();
    d->sidebar().alignmentPanel()->align_left_btn->click();
    EXPECT_EQ(a->bounds().x(), 0);
    EXPECT_EQ(d->undoStacks().Get_Undo_Count(), steps + 1);

    const auto b = draw(&ToolPalette::Circle_Tool_Clicked);
    const auto e = draw(&ToolPalette::Diamond_Tool_Clicked);
    // The selection in list order: e (front-most) is the first selected object.
    canvas->selectAll();
    const double x = e->bounds().x();
    ASSERT_NE(x, 0);
    d->sidebar().alignmentPanel()->align_left_btn->click();
    EXPECT_EQ(e->bounds().x(), x);
    EXPECT_EQ(a->bounds().x(), x);
    EXPECT_EQ(b->bounds().x(), x);
    d->undoStacks().Undo_Clicked();
    EXPECT_EQ(graphics().last()->bounds().x(), 0);
}

TEST_F(CanvasEditing, SameWidthWithOneAndGridAlignmentWithAHiddenGridSayWhy)
{
    const auto a = draw(&ToolPalette::Rect_Tool_Clicked);
    const int steps = d->undoStacks().Get_Undo_Count();
    const QRectF frame = a->bounds();
    d->sidebar().alignmentPanel()->Make_Same_Width_Clicked();
    d->sidebar().alignmentPanel()->Make_Same_Height_Clicked();
    ASSERT_NE(d->workArea()._grid, nullptr);
    d->workArea()._grid->setAlwaysShown(false);
    d->sidebar().alignmentPanel()->Align_To_Grid_Clicked();
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Please select more than one control."),
                                       QStringLiteral("Please select more than one control."),
                                       QStringLiteral("Please use grid option first.")}));
    EXPECT_EQ(a->bounds(), frame);
    EXPECT_EQ(d->undoStacks().Get_Undo_Count(), steps);

    // With the grid shown it snaps and records the step.
    d->workArea()._grid->setSpacing(25);
    d->workArea()._grid->setAlwaysShown(true);
    d->sidebar().alignmentPanel()->Align_To_Grid_Clicked();
    EXPECT_EQ(a->bounds(), d->workArea()._grid->alignedRect(frame));
    EXPECT_EQ(d->undoStacks().Get_Undo_Count(), steps + 1);
    d->workArea()._grid->setAlwaysShown(false);
}

TEST_F(CanvasEditing, SameWidthThroughTheButtonReachesTheCanvas)
{
    const auto a = draw(&ToolPalette::Rect_Tool_Clicked);
    const auto b = draw(&ToolPalette::Circle_Tool_Clicked);
    a->setBounds(QRectF(a->bounds().topLeft(), QSizeF(33, 44)));
    canvas->selectAll();   // b is first (front-most)
    EXPECT_TRUE(d->sidebar().alignmentPanel()->Make_same_width_btn->isEnabled());
    d->sidebar().alignmentPanel()->Make_same_width_btn->click();
    EXPECT_EQ(a->bounds().width(), b->bounds().width());
    EXPECT_EQ(a->bounds().height(), 44);
}

TEST_F(CanvasEditing, TypedSizesGoThroughTheDesignUnit)
{
    const auto a = draw(&ToolPalette::Rect_Tool_Clicked);
    Measument_Unit_Is = 0;   // inches
    d->sidebar().Show_RHS_Properties(a.get());
    type(d->sidebar().alignmentPanel()->frame_main_pic_width, QStringLiteral("1"));
    EXPECT_NEAR(a->bounds().width(), 72.0, 1e-3);
    Measument_Unit_Is = 2;
}

TEST_F(CanvasEditing, PrintCheckBoxWritesTheSelectedObjects)
{
    const auto a = draw(&ToolPalette::Rect_Tool_Clicked);
    const int steps = d->undoStacks().Get_Undo_Count();
    d->sidebar().print_object_chk->click();
    EXPECT_EQ(a->print_object, d->sidebar().print_object_chk->isChecked() ? 1 : 0);
    EXPECT_EQ(d->undoStacks().Get_Undo_Count(), steps + 1);
}

TEST_F(CanvasEditing, TheSidebarShowsTheCardAndClearsTheCanvasSelection)
{
    draw(&ToolPalette::Rect_Tool_Clicked);
    ASSERT_FALSE(canvas->selectionIndexes().isEmpty());
    d->sidebar().Show_RHS_Properties(nullptr);
    EXPECT_TRUE(canvas->selectionIndexes().isEmpty());
    EXPECT_EQ(d->selection().Get_Selected_Graphic(), nullptr);
    EXPECT_FALSE(d->editing().Cut_btn->isEnabled());
    EXPECT_FALSE(d->editing().Delete_btn->isEnabled());
}

TEST_F(CanvasEditing, EditMenuFollowsTheCanvasUnlessATextFieldHasTheKeyboard)
{
    QMenu *edit = c->EDIT_MAIN_menu_item ? c->EDIT_MAIN_menu_item->menu() : nullptr;
    ASSERT_NE(edit, nullptr);
    emit edit->aboutToShow();
    EXPECT_FALSE(c->Cut_menu_item->isEnabled());
    EXPECT_FALSE(c->Paste_menu_item->isEnabled());
    draw(&ToolPalette::Rect_Tool_Clicked);
    emit edit->aboutToShow();
    EXPECT_TRUE(c->Cut_menu_item->isEnabled());
    EXPECT_TRUE(c->Delete_menu_item->isEnabled());
    EXPECT_TRUE(c->undo_menu->isEnabled());
    EXPECT_FALSE(c->redo_menu->isEnabled());
    c->Copy_menu_item->trigger();
    emit edit->aboutToShow();
    EXPECT_TRUE(c->Paste_menu_item->isEnabled());
    // Another mode leaves every item to the text fields.
    Barcode_Setting_Or_Designing_Mode = 0;
    canvas->Clear_Control_Selection();
    emit edit->aboutToShow();
    EXPECT_TRUE(c->Cut_menu_item->isEnabled());
    EXPECT_TRUE(c->redo_menu->isEnabled());
}

} // namespace

namespace {

TEST_F(CanvasEditing, TheRulerCommandTogglesTheScrollViewsRulersAndItsTitle)
{
    QAction item;
    SKTGraphicView::setItemCommand(&item, SKTGraphicView::Command::ShowOrHideRulers);
    const bool shown = d->workArea().rulersShown;
    d->workArea().Show_Hide_Ruler_ChkBox();
    EXPECT_EQ(d->workArea().rulersShown, !shown);
    ASSERT_NE(d->workArea().Zooming_Scroll_View(), nullptr);
    EXPECT_EQ(d->workArea().Zooming_Scroll_View()->rulersVisible(), !shown);
    EXPECT_TRUE(canvas->validateMenuItem(&item));
    EXPECT_EQ(item.text(), d->workArea().rulersShown ? QStringLiteral("Hide Ruler") : QStringLiteral("Show Ruler"));
    d->workArea().Show_Hide_Ruler_ChkBox();
    EXPECT_EQ(d->workArea().rulersShown, shown);
    canvas->validateMenuItem(&item);
    EXPECT_EQ(item.text(), shown ? QStringLiteral("Hide Ruler") : QStringLiteral("Show Ruler"));
}

} // namespace
