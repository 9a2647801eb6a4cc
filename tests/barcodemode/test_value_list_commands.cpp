// The row commands of the value list: their questions and notices, what they leave in the list,
// which row they select, the list buttons' states, and the moves.

#include "value_list_fixture.h"

#include <QAction>
#include <QMenu>

using namespace value_list_test;
using namespace value_list;

namespace {
using Command = void (BarcodeModeController::*)(QObject *);
}

TEST_F(ValueListWindow, CommandsOnAnEmptyListSayItIsEmpty)
{
    const Command checking[] = {
        &BarcodeModeController::Del_Sel_Row_Menu,     &BarcodeModeController::Del_Empty_Row_Menu,
        &BarcodeModeController::Del_All_Row_Menu,     &BarcodeModeController::Clear_Bar_Value_Menu,
        &BarcodeModeController::Clear_Bar_Hdr_Menu,   &BarcodeModeController::Clear_Bar_Ftr_Menu,
        &BarcodeModeController::Clear_Print_Qnt_Menu, &BarcodeModeController::Clear_All_Record_Menu,
    };
    for (Command command : checking) {
        responder->alerts.clear();
        (bm->*command)(nullptr);
        EXPECT_EQ(messages(), QStringList{QStringLiteral("List is empty.")});
        EXPECT_EQ(bm->List->window()->focusWidget(), bm->List);
    }
    // Moves on an empty list or without a selection change nothing and say nothing.
    responder->alerts.clear();
    for (Command move : {&BarcodeModeController::Move_Top_List_Button, &BarcodeModeController::Move_Up_List_Button,
                         &BarcodeModeController::Move_Down_List_Button, &BarcodeModeController::Move_Last_List_Button})
        (bm->*move)(nullptr);
    fillNumbered(3);
    bm->List->clearSelection();
    for (Command move : {&BarcodeModeController::Move_Top_List_Button, &BarcodeModeController::Move_Up_List_Button,
                         &BarcodeModeController::Move_Down_List_Button, &BarcodeModeController::Move_Last_List_Button})
        (bm->*move)(nullptr);
    EXPECT_EQ(values(), (QStringList{"V0", "V1", "V2"}));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ValueListWindow, DeletingSelectedRowsSelectsTheRowAtTheLastRemovedPlace)
{
    fillNumbered(6);
    clickRow(2);
    clickRow(3, Qt::ControlModifier);
    bm->delete_list_btn->click();
    EXPECT_EQ(values(), (QStringList{"V0", "V1", "V4", "V5"}));
    EXPECT_EQ(shown(0), values());
    EXPECT_EQ(selection(), QList<int>{3});
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("H5"));
    EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 4"));
    // The last row deleted: row 0 is selected.
    clickRow(3);
    bm->Del_Sel_Row_Menu();
    EXPECT_EQ(values(), (QStringList{"V0", "V1", "V4"}));
    EXPECT_EQ(selection(), QList<int>{0});
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("H0"));
    // Nothing selected: asked to select.
    bm->List->clearSelection();
    bm->Del_Sel_Row_Menu();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Please select at least one record from the list to continue.")});
    EXPECT_EQ(values().size(), 3);
}

TEST_F(ValueListWindow, DeletingBlankRowsKeepsQuantitiesOtherThanOne)
{
    fill({{QStringLiteral("A"), {}, {}, QStringLiteral("1")}, {}, {}, {QStringLiteral("B"), {}, {}, QStringLiteral("1")}});
    bm->Replace_Item_List({}, {}, {}, QStringLiteral("2"), 0);   // value cleared, quantity emptied
    bm->clear_PQ_Flag = true;
    bm->Replace_Item_List({}, {}, {}, QStringLiteral("2"), 1);   // blank, but printed twice
    bm->clear_PQ_Flag = false;
    bm->Reload_List();
    bm->Del_Empty_Row_Menu();
    EXPECT_EQ(values(), (QStringList{"", "B"}));
    EXPECT_EQ(column(kPQ), (QStringList{"2", "1"}));
    EXPECT_EQ(selection(), QList<int>{0});
    EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 2"));
    EXPECT_EQ(pleaseWait.shows, 1);
    EXPECT_FALSE(pleaseWaitUp());
    bm->Del_Empty_Row_Menu();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("There is no blank record in list.")});
    EXPECT_EQ(values().size(), 2);
}

TEST_F(ValueListWindow, DeletingAllAsksFirst)
{
    fillNumbered(3);
    clickRow(1);
    responder->alertAnswers = {QStringLiteral("No")};
    bm->Del_All_Row_Menu();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Do you want to delete all records?")});
    EXPECT_EQ(values().size(), 3);
    EXPECT_EQ(pleaseWait.shows, 0);
    responder->alertAnswers = {QStringLiteral("Yes")};
    bm->Del_All_Row_Menu();
    EXPECT_TRUE(bm->ListData_barcode.isEmpty());
    EXPECT_EQ(bm->List->model()->rowCount(), 0);
    EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 0"));
    EXPECT_EQ(bm->dataText->text(), QStringLiteral(""));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral(""));
    EXPECT_TRUE(previewBlank());
    EXPECT_EQ(pleaseWait.shows, 1);
    EXPECT_FALSE(pleaseWaitUp());
    EXPECT_FALSE(bm->delete_list_btn->isEnabled());
}

TEST_F(ValueListWindow, AddCommandsInsertTheSampleAndSelectIt)
{
    const ValueRecord sample{{kValue, "123456789012"}, {kHeader, "Header"}, {kFooter, "Footer"}, {kPQ, "1"}};
    // The list button on an empty list: the sample at row 0, selected and in the fields.
    bm->add_list_btn->click();
    ASSERT_EQ(bm->ListData_barcode.size(), 1);
    EXPECT_EQ(bm->ListData_barcode.at(0), sample);
    EXPECT_EQ(selection(), QList<int>{0});
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("123456789012"));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("Header"));
    EXPECT_TRUE(bm->barcodeImage->hasPicture());

    bm->ListData_barcode.clear();
    fillNumbered(5);
    clickRow(3);
    bm->Add_Row_Selection_Menu();
    EXPECT_EQ(values(), (QStringList{"V0", "V1", "V2", "123456789012", "V3", "V4"}));
    EXPECT_EQ(selection(), QList<int>{3});
    bm->List->clearSelection();
    bm->Add_Row_Selection_Menu();
    EXPECT_EQ(values().first(), QStringLiteral("123456789012"));
    EXPECT_EQ(selection(), QList<int>{0});
    clickRow(4);
    bm->Add_Row_Bottom_Menu();
    EXPECT_EQ(values().size(), 8);
    EXPECT_EQ(bm->ListData_barcode.last(), sample);
    EXPECT_EQ(selection(), QList<int>{7});
    EXPECT_FALSE(bm->move_down_list_btn->isEnabled());
    bm->Add_Row_Top_Menu();
    EXPECT_EQ(bm->ListData_barcode.first(), sample);
    EXPECT_EQ(selection(), QList<int>{0});
    EXPECT_FALSE(bm->move_up_list_btn->isEnabled());
    EXPECT_EQ(shown(0).size(), 9);
    EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 9"));
}

TEST_F(ValueListWindow, ClearingAFieldGoesThroughTheReplacementRule)
{
    fill({{QStringLiteral("5901234123457"), {}, {}, QStringLiteral("3")},
          {QStringLiteral("B"), QStringLiteral("H"), QStringLiteral("F"), QStringLiteral("7")}});
    clickRow(0);
    responder->alertAnswers = {QStringLiteral("No")};
    bm->Clear_Bar_Value_Menu();
    EXPECT_EQ(values(), (QStringList{"5901234123457", "B"}));
    responder->alertAnswers = {QStringLiteral("Yes")};
    bm->Clear_Bar_Value_Menu();
    EXPECT_EQ(messages().last(), QStringLiteral("Do you want to clear all Barcode Value?"));
    EXPECT_EQ(values(), (QStringList{"", ""}));
    // Nothing left in the first record: its quantity goes too; the second keeps its own.
    EXPECT_EQ(column(kPQ), (QStringList{"", "7"}));
    EXPECT_EQ(shown(0), (QStringList{"", ""}));
    // The selected record, now without a value, blanks the preview.
    EXPECT_EQ(selection(), QList<int>{0});
    EXPECT_EQ(bm->dataText->text(), QStringLiteral(""));
    EXPECT_TRUE(previewBlank());
    EXPECT_FALSE(pleaseWaitUp());

    responder->alertAnswers = {QStringLiteral("Yes"), QStringLiteral("Yes")};
    bm->Clear_Bar_Hdr_Menu();
    bm->Clear_Bar_Ftr_Menu();
    EXPECT_EQ(column(kHeader), (QStringList{"", ""}));
    EXPECT_EQ(column(kFooter), (QStringList{"", ""}));
    EXPECT_EQ(column(kPQ), (QStringList{"", ""}));
    EXPECT_EQ(pleaseWait.shows, 3);
}

TEST_F(ValueListWindow, ClearingQuantitiesAndRecordsKeepsEveryRow)
{
    fill({{QStringLiteral("A"), {}, {}, QStringLiteral("3")}, {QStringLiteral("B"), {}, {}, QStringLiteral("9")}});
    bm->Replace_Item_List({}, {}, {}, {}, 1);   // a blank row with an empty quantity
    responder->alertAnswers = {QStringLiteral("Yes"), QStringLiteral("Yes")};
    bm->Clear_Print_Qnt_Menu();
    EXPECT_EQ(column(kPQ), (QStringList{"1", "1"}));
    EXPECT_FALSE(bm->clear_PQ_Flag);
    bm->Clear_All_Record_Menu();
    EXPECT_EQ(messages(), (QStringList{QStringLiteral("Do you want to clear all Barcode Print Quantity?"),
                                       QStringLiteral("Do you want to clear all records?")}));
    ASSERT_EQ(bm->ListData_barcode.size(), 2);
    for (const ValueRecord &r : bm->ListData_barcode)
        EXPECT_EQ(r, (ValueRecord{{kValue, ""}, {kHeader, ""}, {kFooter, ""}, {kPQ, ""}}));
    EXPECT_FALSE(bm->clear_PQ_Flag);
    EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 2"));
}

TEST_F(ValueListWindow, MoveButtonsFollowTheSelectedRow)
{
    const auto states = [this] {
        return QList<bool>{bm->delete_list_btn->isEnabled(), bm->move_top_list_btn->isEnabled(),
                           bm->move_up_list_btn->isEnabled(), bm->move_down_list_btn->isEnabled(),
                           bm->move_last_list_btn->isEnabled()};
    };
    EXPECT_EQ(states(), (QList<bool>{false, false, false, false, false}));
    fillNumbered(4);
    EXPECT_EQ(states(), (QList<bool>{true, true, true, true, true}));   // nothing selected
    clickRow(0);
    EXPECT_EQ(states(), (QList<bool>{true, false, false, true, true}));
    clickRow(2);
    EXPECT_EQ(states(), (QList<bool>{true, true, true, true, true}));
    clickRow(3);
    EXPECT_EQ(states(), (QList<bool>{true, true, true, false, false}));
}

TEST_F(ValueListWindow, MovesCarryTheRecordAndItsSelection)
{
    fillNumbered(4);
    clickRow(1);
    bm->move_up_list_btn->click();
    EXPECT_EQ(values(), (QStringList{"V1", "V0", "V2", "V3"}));
    EXPECT_EQ(selection(), QList<int>{0});
    bm->move_down_list_btn->click();
    bm->move_down_list_btn->click();
    EXPECT_EQ(values(), (QStringList{"V0", "V2", "V1", "V3"}));
    EXPECT_EQ(selection(), QList<int>{2});
    bm->move_last_list_btn->click();
    EXPECT_EQ(values(), (QStringList{"V0", "V2", "V3", "V1"}));
    EXPECT_EQ(selection(), QList<int>{3});
    EXPECT_FALSE(bm->move_last_list_btn->isEnabled());
    bm->move_top_list_btn->click();
    EXPECT_EQ(values(), (QStringList{"V1", "V0", "V2", "V3"}));
    EXPECT_EQ(selection(), QList<int>{0});
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("H1"));
    EXPECT_EQ(shown(0), values());
    EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 4"));
    // Moving re-writes the records by the rules: an out-of-range quantity is capped.
    bm->clear_PQ_Flag = true;
    bm->Replace_Item_List(QStringLiteral("V1"), {}, {}, QStringLiteral("5000"), 0);
    bm->clear_PQ_Flag = false;
    bm->move_down_list_btn->click();
    EXPECT_EQ(bm->ListData_barcode.at(1).value(kPQ), QStringLiteral("1000"));
}

TEST_F(ValueListWindow, MovingASeparatorValuedRecordLeavesTheList)
{
    fillNumbered(3);
    bm->Replace_Item_List(Separator_Value(), {}, {}, QStringLiteral("1"), 1);
    bm->Reload_List();
    const QList<ValueRecord> before = bm->ListData_barcode;
    // To the top the old code removed the neighbour above; to the bottom the record itself.
    clickRow(1);
    bm->Move_Top_List_Button();
    EXPECT_EQ(bm->ListData_barcode, before);
    EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 3"));
    clickRow(1);
    bm->Move_Last_List_Button();
    EXPECT_EQ(bm->ListData_barcode, before);
    EXPECT_EQ(bm->List->model()->rowCount(), 3);
    // A swap re-writes through the replacement rule, which stores it.
    bm->Move_Up_List_Button();
    EXPECT_EQ(values(), (QStringList{Separator_Value(), "V0", "V2"}));
}

TEST_F(ValueListWindow, ContextMenuHoldsTheElevenMenuCommands)
{
    ASSERT_NE(bm->List_Menu, nullptr);
    QStringList names;
    for (QAction *a : bm->List_Menu->actions())
        if (!a->isSeparator())
            names << a->objectName();
    EXPECT_EQ(names, (QStringList{"Add_Row_Top_Menu", "Add_Row_Selection_Menu", "Add_Row_Bottom_Menu",
                                  "Del_Sel_Row_Menu", "Del_Empty_Row_Menu", "Del_All_Row_Menu",
                                  "Clear_Bar_Value_Menu", "Clear_Bar_Hdr_Menu", "Clear_Bar_Ftr_Menu",
                                  "Clear_Print_Qnt_Menu", "Clear_All_Record_Menu"}));
    fillNumbered(2);
    clickRow(1);
    responder->alertAnswers = {QStringLiteral("Yes")};
    for (QAction *a : bm->List_Menu->actions())
        if (a->objectName() == QStringLiteral("Clear_Bar_Hdr_Menu"))
            a->trigger();
    EXPECT_EQ(column(kHeader), (QStringList{"", ""}));
}
