#include "UndoSupport.h"

#include "app/SKTWindowController.h"
#include "design/DesignCard.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/UndoStacks.h"
#include "model/SKTText.h"
#include "projects/ProjectsController.h"
#include "model/Shape_Control.h"
#include "support/ScriptedResponder.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Mode.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QAction>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>

#include <numeric>

namespace {

using undotest::describe;

class EditCommands : public undotest::DesignWithObjects {
protected:
    void SetUp() override
    {
        DesignWithObjects::SetUp();
        first = object<SKTText>(QRectF(10, 10, 50, 20));
        second = object<Shape_Control>(QRectF(40, 40, 30, 30));
        third = object<Shape_Control>(QRectF(80, 80, 30, 30));
        insert({first, second, third});
        d().editing().Wire_Editing_Commands();
        d().undoStacks().Record_Design_As_Started();
        QGuiApplication::clipboard()->clear();
        // As for an unlocked object shown in the sidebar.
        d().editing().Enable_Standard_Button_For_Control();
    }
    void TearDown() override
    {
        QGuiApplication::clipboard()->clear();
        DesignWithObjects::TearDown();
    }
    // The canvas's refusal of a locked selection, as its cut and delete make it.
    bool selectionLocked() const
    {
        return std::any_of(selection.cbegin(), selection.cend(), [](const auto &g) { return g->ctrl_is_locked; });
    }
    void removeSelection()
    {
        QList<int> indexes;
        for (const auto &g : selection)
            indexes << int(doc().graphics().indexOf(g));
        std::sort(indexes.begin(), indexes.end());
        doc().removeGraphicsAtIndexes(indexes);
        selection.clear();
    }
    static void offerCardObjects()
    {
        auto *data = new QMimeData;
        data->setData(EditingCommands::Card_Objects_Mime_Type(), QByteArray("objects"));
        QGuiApplication::clipboard()->setMimeData(data);
    }

    std::shared_ptr<SKTText> first;
    std::shared_ptr<Shape_Control> second, third;
};

TEST_F(EditCommands, CutAddsNoStepToTheOneTheCanvasRecords)
{
    // The canvas's cut deletes through its delete, which records the step after the change.
    d().selection().Canvas_Commands.cut = [this] {
        if (!selectionLocked()) {
            removeSelection();
            d().undoStacks().Insert_In_Undo_Redo();
        }
    };
    const QStringList before = design();
    selection = {second};
    d().editing().Cut_btn->click();
    EXPECT_EQ(doc().graphics().size(), 2);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 2);
    d().undoStacks().Undo_Clicked();
    EXPECT_EQ(design(), before);

    // A refused cut changes nothing and records nothing.
    selection = {doc().graphics().at(0)};
    selection.first()->ctrl_is_locked = true;
    d().editing().Cut_Clicked();
    EXPECT_EQ(doc().graphics().size(), 3);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 1);
}

TEST_F(EditCommands, PasteAddsNoStepToTheOneTheCanvasRecords)
{
    int pastes = 0;
    // The canvas records its step once the objects are in.
    d().selection().Canvas_Commands.paste = [&] {
        ++pastes;
        const QMimeData *offered = QGuiApplication::clipboard()->mimeData();
        if (offered && offered->hasFormat(EditingCommands::Card_Objects_Mime_Type())) {
            doc().insertGraphics({object<SKTText>(QRectF(30, 30, 10, 10))}, {0});
            d().undoStacks().Insert_In_Undo_Redo();
        }
    };
    const QStringList before = design();
    d().editing().Paste_Clicked();   // nothing to paste
    EXPECT_EQ(pastes, 1);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 1);
    offerCardObjects();
    Total_Batch_Excel_Card = 5;
    d().editing().Paste_Clicked();
    EXPECT_EQ(Total_Batch_Excel_Card, 1);   // the batch state is refreshed
    EXPECT_EQ(doc().graphics().size(), 4);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 2);
    d().undoStacks().Undo_Clicked();
    EXPECT_EQ(design(), before);
}

TEST_F(EditCommands, CopyChangesNeitherDesignNorHistoryAndOffersPaste)
{
    d().selection().Canvas_Commands.copy = [] { offerCardObjects(); };
    selection = {first};
    const QStringList before = design();
    save_flag_des_mode = false;
    EXPECT_FALSE(d().editing().Paste_btn->isEnabled());
    d().editing().Copy_btn->click();
    EXPECT_EQ(design(), before);
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 1);
    EXPECT_EQ(d().undoStacks().Get_Redo_Count(), 0);
    EXPECT_FALSE(save_flag_des_mode);
    EXPECT_TRUE(d().editing().Paste_btn->isEnabled());
}

TEST_F(EditCommands, DeleteFrontAndBackReachTheCanvasAndOnlyANewOrderIsAStep)
{
    QStringList calls;
    d().selection().Canvas_Commands.deleteSelection = [&] { calls << QStringLiteral("delete"); };
    d().selection().Canvas_Commands.bringToFront = [&] {
        calls << QStringLiteral("front");
        doc().removeGraphicsAtIndexes({2});
        doc().insertGraphics({third}, {0});
    };
    d().selection().Canvas_Commands.sendToBack = [&] { calls << QStringLiteral("back"); };
    selection = {third};
    save_flag_des_mode = false;
    d().editing().Delete_btn->click();
    d().editing().Begin_Front_btn->click();
    d().editing().Send_Back_btn->click();
    EXPECT_EQ(calls, QStringList({QStringLiteral("delete"), QStringLiteral("front"), QStringLiteral("back")}));
    EXPECT_EQ(doc().graphics().first(), third);
    // The delete (here the canvas's, which records its own) and an order that stays add nothing;
    // the new order is one step, which Undo takes back.
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 2);
    EXPECT_TRUE(save_flag_des_mode);
    d().editing().Undo_btn->click();
    ASSERT_EQ(doc().graphics().size(), 3);
    EXPECT_EQ(doc().graphics().last()->className(), third->className());
    EXPECT_EQ(doc().graphics().last()->bounds(), third->bounds());
}

TEST_F(EditCommands, LockingTwoKeepsBothSelectedAndShowsTheLaterOne)
{
    QList<QList<int>> reselected;
    d().selection().Canvas_Commands.changeSelectionIndexes = [&](const QList<int> &indexes) { reselected << indexes; };
    selection = {third, first};   // selection order; indexes come back in document order
    save_flag_des_mode = false;
    d().editing().Lock_btn->click();
    EXPECT_TRUE(first->ctrl_is_locked && third->ctrl_is_locked);
    EXPECT_FALSE(second->ctrl_is_locked);
    ASSERT_EQ(reselected.size(), 1);
    EXPECT_EQ(reselected.first(), QList<int>({0, 2}));
    EXPECT_EQ(d().selection().Last_Selected_Graphic, first.get());
    EXPECT_FALSE(d().editing().Cut_btn->isEnabled());
    EXPECT_FALSE(d().editing().Delete_btn->isEnabled());
    EXPECT_FALSE(d().editing().Lock_btn->isEnabled());
    EXPECT_TRUE(d().editing().Unlock_btn->isEnabled());
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 2);   // the lock is one step
    EXPECT_TRUE(save_flag_des_mode);

    d().editing().Unlock_btn->click();
    EXPECT_FALSE(first->ctrl_is_locked || third->ctrl_is_locked);
    EXPECT_EQ(reselected.size(), 2);
    EXPECT_TRUE(d().editing().Cut_btn->isEnabled());
    EXPECT_FALSE(d().editing().Unlock_btn->isEnabled());
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 3);
    // Undo takes back the unlock: both are locked again.
    d().editing().Undo_btn->click();
    EXPECT_TRUE(doc().graphics().at(0)->ctrl_is_locked && doc().graphics().at(2)->ctrl_is_locked);
    EXPECT_FALSE(doc().graphics().at(1)->ctrl_is_locked);
}

TEST_F(EditCommands, LockOrUnlockWithNothingSelectedSetsTheButtonsThenSaysSo)
{
    testsupport::ResponderScope responder;
    d().editing().Enable_Standard_Button_For_Control();
    d().editing().Lock_Clicked();
    EXPECT_FALSE(d().editing().Cut_btn->isEnabled());
    EXPECT_TRUE(d().editing().Unlock_btn->isEnabled());
    d().editing().Unlock_Clicked();
    EXPECT_TRUE(d().editing().Cut_btn->isEnabled());
    EXPECT_EQ(responder->alertMessages(), QStringList({QStringLiteral("\nPlease select a control to Lock."),
                                                       QStringLiteral("\nPlease select a control to Unlock.")}));
}

TEST_F(EditCommands, FrontSideKeepsACardTabElseShowsTheInformationTab)
{
    d().sidebar().Fill_Card_Prop_Tab();
    d().sidebar().sett_tab->setCurrentWidget(d().sidebar().card_brdr_tab);
    d().workArea().Card_Image_Scrl->hide();
    d().workArea().Card_Image_Scrl_BACK->show();
    d().workArea().Front_Side_btn->click();
    EXPECT_EQ(d().sidebar().sett_tab->currentWidget(), d().sidebar().card_brdr_tab);
    EXPECT_EQ(d().workArea().Front_back_label->text(), QStringLiteral("Front"));
    EXPECT_FALSE(d().workArea().Card_Image_Scrl->isHidden());
    EXPECT_TRUE(d().workArea().Card_Image_Scrl_BACK->isHidden());
    EXPECT_EQ(d().card().Graphics_array_Batch.size(), 3);

    // The sidebar shows an object's tab.
    d().sidebar().Remove_All_Tab_Items();
    d().sidebar().sett_tab->addTab(d().sidebar().shape_tab, d().sidebar().shape_tab_label);
    d().sidebar().sett_tab->setCurrentWidget(d().sidebar().shape_tab);
    d().editing().Select_front_side();
    EXPECT_EQ(d().sidebar().Last_Card_Sel_Tab, d().sidebar().shape_tab);
    EXPECT_EQ(d().sidebar().sett_tab->currentWidget(), d().sidebar().card_info_tab);

    // No tab at all.
    d().sidebar().Remove_All_Tab_Items();
    d().editing().Select_front_side();
    EXPECT_EQ(d().sidebar().sett_tab->currentWidget(), d().sidebar().card_info_tab);
    EXPECT_EQ(d().sidebar().sett_tab->count(), 4);
}

TEST_F(EditCommands, TheBackSideButtonDoesNothing)
{
    d().workArea().Front_back_label->setText(QStringLiteral("unchanged"));
    d().workArea().Back_Side_btn->setEnabled(true);
    d().workArea().Back_Side_btn->click();
    EXPECT_EQ(d().workArea().Front_back_label->text(), QStringLiteral("unchanged"));
}

TEST_F(EditCommands, FrontControlCountIsTheDocumentsObjects)
{
    EXPECT_EQ(d().selection().Get_Front_Control_Count(), 3);
    removeAll();
    EXPECT_EQ(d().selection().Get_Front_Control_Count(), 0);
}

TEST_F(EditCommands, ZoomStepsStopAtTheEnds)
{
    struct Case {
        int start;
        bool in;
        int index;
        float factor;
    };
    for (const Case k : {Case{7, true, 7, 4.0f}, Case{0, false, 0, 0.25f}, Case{6, true, 7, 4.0f}, Case{1, false, 0, 0.25f},
                         Case{3, true, 4, 1.25f}}) {
        d().workArea()._factorPopUpButton->setCurrentIndex(k.start);
        k.in ? d().workArea().Zoom_In_Toolbar_btn() : d().workArea().Zoom_Out_Toolbar_btn();
        EXPECT_EQ(d().workArea()._factorPopUpButton->currentIndex(), k.index);
        EXPECT_FLOAT_EQ(float(d().workArea()._zoomFactor), k.factor);
    }
}

TEST_F(EditCommands, EditMenuGoesToAFocusedTextFieldElseToTheDesign)
{
    int copies = 0;
    d().selection().Canvas_Commands.copy = [&] { ++copies; };
    // A text field with focus copies its own selection.
    QLineEdit field;
    field.setText(QStringLiteral("typed"));
    field.selectAll();
    field.show();
    QApplication::setActiveWindow(&field);
    field.setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), &field);
    d().editing().Edit_Menu_Command(EditingCommands::EditMenuCommand::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("typed"));
    EXPECT_EQ(copies, 0);
    d().editing().Edit_Menu_Command(EditingCommands::EditMenuCommand::Delete);
    EXPECT_TRUE(field.text().isEmpty());
    d().editing().Edit_Menu_Command(EditingCommands::EditMenuCommand::Undo);
    EXPECT_EQ(field.text(), QStringLiteral("typed"));
    EXPECT_EQ(d().undoStacks().Get_Undo_Count(), 1);
    field.hide();
    field.clearFocus();
    QApplication::processEvents();

    // No text field: the design's command in the Designing mode only.
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    d().editing().Edit_Menu_Command(EditingCommands::EditMenuCommand::Copy);
    EXPECT_EQ(copies, 1);
    Barcode_Setting_Or_Designing_Mode = 0;
    d().editing().Edit_Menu_Command(EditingCommands::EditMenuCommand::Copy);
    EXPECT_EQ(copies, 1);
}

// The window's own Edit menu reaches the same commands.
TEST(EditMenu, ItemsReachTheDesignCommands)
{
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = env.controller();
    ASSERT_NE(c, nullptr);
    Barcode_Setting_Or_Designing_Mode = 1;
    DesignController &d = c->design();
    QStringList calls;
    d.selection().Canvas_Commands.cut = [&] { calls << QStringLiteral("cut"); };
    d.selection().Canvas_Commands.copy = [&] { calls << QStringLiteral("copy"); };
    d.selection().Canvas_Commands.paste = [&] { calls << QStringLiteral("paste"); };
    d.selection().Canvas_Commands.deleteSelection = [&] { calls << QStringLiteral("delete"); };
    for (QAction *a : {c->Cut_menu_item, c->Copy_menu_item, c->Paste_menu_item, c->Delete_menu_item})
        a->trigger();
    EXPECT_EQ(calls, QStringList({QStringLiteral("cut"), QStringLiteral("copy"), QStringLiteral("paste"),
                                  QStringLiteral("delete")}));

    // Undo and Redo are offered together with the buttons, one step above the design as started.
    d.undoStacks().Record_Design_As_Started();
    EXPECT_FALSE(c->undo_menu->isEnabled());
    QList<int> at(1, 0);
    env.document()->insertGraphics({std::make_shared<SKTText>()}, at);
    d.undoStacks().Insert_In_Undo_Redo();
    EXPECT_TRUE(c->undo_menu->isEnabled());
    EXPECT_TRUE(d.editing().Undo_btn->isEnabled());
    c->undo_menu->trigger();
    EXPECT_TRUE(env.document()->graphics().isEmpty());
    EXPECT_FALSE(c->undo_menu->isEnabled());
    EXPECT_TRUE(c->redo_menu->isEnabled() && d.editing().Redo_btn->isEnabled());
    c->redo_menu->trigger();
    EXPECT_EQ(env.document()->graphics().size(), 1);
}

} // namespace
