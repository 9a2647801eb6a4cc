// The value list's table, selection and binding into the value, header and footer fields.

#include "value_list_fixture.h"

#include <QHeaderView>
#include <QStyle>

#include "data/Generate_List_Barcode.h"
#include "data/View_All_Used_Data.h"
#include "design/DesignParts.h"
#include "design/RecordBinding.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Mode.h"

#include <QComboBox>
#include <QScrollBar>

using namespace value_list_test;
using namespace value_list;

TEST_F(ValueListWindow, FirstAddReloadsTheTableAndLaterOnesWaitForTheCaller)
{
    EXPECT_TRUE(bm->Create_Item_List(QStringLiteral("A"), {}, {}, QStringLiteral("2"), 5));
    EXPECT_EQ(values(), QStringList{QStringLiteral("A")});
    EXPECT_EQ(bm->List->model()->rowCount(), 1);
    EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 1"));
    EXPECT_TRUE(bm->Create_Item_List(QStringLiteral("B"), {}, {}, {}, 0));
    EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 2"));
    EXPECT_EQ(bm->List->model()->rowCount(), 1);   // not reloaded by the addition itself
    bm->Reload_List();
    EXPECT_EQ(shown(0), (QStringList{QStringLiteral("B"), QStringLiteral("A")}));
    EXPECT_EQ(shown(3), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    // The separator value and an index past the end add nothing and leave the count.
    EXPECT_FALSE(bm->Create_Item_List(Separator_Value(), {}, {}, {}, 0));
    EXPECT_FALSE(bm->Create_Item_List(QStringLiteral("C"), {}, {}, {}, 3));
    EXPECT_EQ(bm->ListData_barcode.size(), 2);
    EXPECT_EQ(bm->tot_row_count->text(), QStringLiteral("Total Rows : 2"));
}

TEST_F(ValueListWindow, ColumnsAreTheFourKeysAndCellsAreNotEditable)
{
    fill({{QStringLiteral("V"), QStringLiteral("H"), QStringLiteral("F"), QStringLiteral("4")}});
    const auto *model = qobject_cast<ValueListModel *>(bm->List->model());
    ASSERT_NE(model, nullptr);
    EXPECT_EQ((QStringList{shown(0).at(0), shown(1).at(0), shown(2).at(0), shown(3).at(0)}),
              (QStringList{"V", "H", "F", "4"}));
    EXPECT_FALSE(model->flags(model->index(0, 0)).testFlag(Qt::ItemIsEditable));
    // A double click on a cell opens the sheet, never an editor in the cell.
    doubleClickRow(0);
    EXPECT_EQ(responder->modalCount, 1);
    EXPECT_EQ(bm->ListData_barcode.at(0).value(kValue), QStringLiteral("V"));
}

TEST_F(ValueListWindow, MissingKeysAndRowsOutsideTheListShowEmptyCells)
{
    // A record from a reader that left keys out.
    bm->ListData_barcode.append(ValueRecord{{kValue, QStringLiteral("only value")}});
    bm->ListData_barcode.append(ValueRecord{{kValue, QStringLiteral("second")}});
    bm->Reload_List();
    EXPECT_EQ(shown(1), (QStringList{"", ""}));
    EXPECT_EQ(shown(3), (QStringList{"", ""}));
    // The list shrank without a reload: the table's extra row reads empty, nothing aborts.
    bm->ListData_barcode.removeLast();
    EXPECT_EQ(bm->List->model()->index(1, 0).data().toString(), QStringLiteral(""));
    bm->List->viewport()->repaint();
    bm->Reload_List();
    EXPECT_EQ(bm->List->model()->rowCount(), 1);
}

TEST_F(ValueListWindow, LongValueIsStoredWholeAndShownInItsColumn)
{
    const QString longValue(10000, QLatin1Char('8'));
    fill({{longValue, QStringLiteral("H"), QStringLiteral("F"), QStringLiteral("1")}});
    EXPECT_EQ(bm->ListData_barcode.at(0).value(kValue), longValue);
    EXPECT_EQ(shown(0).at(0), longValue);
    // The column keeps its width: the text is cut short on screen, the table does not widen.
    EXPECT_LT(bm->List->columnWidth(0), bm->List->viewport()->width());
    EXPECT_EQ(bm->List->horizontalScrollBar()->maximum(), 0);
}

TEST_F(ValueListWindow, SelectingARowPutsItsRecordIntoTheFieldsAndPreview)
{
    fill({{QStringLiteral("5901234123457"), QStringLiteral(" Head "), QStringLiteral("Foot"), QStringLiteral("1")},
          {QStringLiteral("ABC"), QStringLiteral("H2"), QStringLiteral("F2"), QStringLiteral("1")}});
    clickRow(0);
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("5901234123457"));
    EXPECT_EQ(bm->Get_Two_D_Value_From_Field(), QStringLiteral("5901234123457"));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("Head"));
    EXPECT_EQ(bm->FooterText->text(), QStringLiteral("Foot"));
    EXPECT_TRUE(bm->barcodeImage->hasPicture());
    // A record the symbology refuses blanks the preview with the error label.
    clickRow(1);
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("ABC"));
    EXPECT_TRUE(previewBlank());
}

// Moving through the list from the keyboard selects the row landed on, as a click does, and the
// fields follow; Ctrl with a move key too.
TEST_F(ValueListWindow, KeyboardMovesSelectTheRowTheyLandOn)
{
    fillNumbered(5);
    clickRow(2);
    bm->List->setFocus();
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int row;
    };
    const Case cases[] = {
        {Qt::Key_End, Qt::ControlModifier, 4},  {Qt::Key_Home, Qt::ControlModifier, 0},
        {Qt::Key_Down, Qt::ControlModifier, 1}, {Qt::Key_Down, Qt::NoModifier, 2},
        {Qt::Key_Up, Qt::ControlModifier, 1},   {Qt::Key_End, Qt::ControlModifier, 4},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(int(k.key));
        QTest::keyClick(bm->List, k.key, k.modifiers);
        EXPECT_EQ(selection(), QList<int>{k.row});
        EXPECT_EQ(bm->List->currentIndex().row(), k.row);
        EXPECT_EQ(bm->dataText->text(), QStringLiteral("V%1").arg(k.row));
        EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("H%1").arg(k.row));
    }
}

// Every column shows a 13-digit value and its own title whole, also after the table reloads.
TEST_F(ValueListWindow, ColumnsFitAThirteenDigitValueAndTheirTitles)
{
    fill({{QStringLiteral("5901234123457"), QStringLiteral("4006381333931"), QStringLiteral("9780201379624"),
           QStringLiteral("1")}});
    bm->Reload_List();
    QHeaderView *header = bm->List->horizontalHeader();
    const int cellMargins = 2 * (bm->List->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, bm->List) + 1);
    const int headerMargins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const QAbstractItemModel *model = bm->List->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString title = model->headerData(column, Qt::Horizontal).toString();
        const QString value = model->index(0, column == 3 ? 0 : column).data().toString();
        SCOPED_TRACE(title.toStdString());
        ASSERT_EQ(value.size(), 13);
        EXPECT_GE(bm->List->columnWidth(column), bm->List->fontMetrics().horizontalAdvance(value) + cellMargins);
        EXPECT_GE(header->sectionSize(column), header->fontMetrics().horizontalAdvance(title) + headerMargins);
    }
}

TEST_F(ValueListWindow, AnUntickedFieldKeepsWhatWasTyped)
{
    fill({{QStringLiteral("5901234123457"), QStringLiteral("Row header"), QStringLiteral("Row footer"),
           QStringLiteral("1")}});
    bm->barcode_header_chk->setChecked(false);
    bm->HeaderText->setText(QStringLiteral("  typed header "));
    clickRow(0);
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("typed header"));
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("5901234123457"));
    EXPECT_EQ(bm->FooterText->text(), QStringLiteral("Row footer"));

    // For a 2D symbology an unticked value keeps the 2D view's text.
    QComboBox *popup = bm->barcodeTypePopup;
    popup->setCurrentIndex(popup->findText(QStringLiteral("QR Code")));
    emit popup->activated(popup->currentIndex());
    bm->barcode_value_chk->setChecked(false);
    bm->Set_Two_D_Value_in_Field(QStringLiteral("typed 2D text"));
    bm->Set_Linear_Value_in_Field(QStringLiteral("stale linear"));
    bm->set_list_value_to_text_box();
    EXPECT_EQ(bm->Get_Two_D_Value_From_Field(), QStringLiteral("typed 2D text"));
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("typed 2D text"));
}

TEST_F(ValueListWindow, WithoutBatchValuesASelectionChangesNoField)
{
    fill({{QStringLiteral("5901234123457"), QStringLiteral("H"), QStringLiteral("F"), QStringLiteral("1")},
          {QStringLiteral("4006381333931"), QStringLiteral("H2"), QStringLiteral("F2"), QStringLiteral("1")}});
    Use_Data_Sheet_Values = false;
    bm->dataText->setText(QStringLiteral("typed"));
    bm->HeaderText->setText(QStringLiteral("typed header"));
    bm->Mark_List_New_Selection_barcode(1);
    EXPECT_EQ(selection(), QList<int>{1});
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("typed"));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("typed header"));
}

TEST_F(ValueListWindow, EmptyListEmptiesTheFields)
{
    fill({{QStringLiteral("5901234123457"), QStringLiteral("H"), QStringLiteral("F"), QStringLiteral("1")}});
    clickRow(0);
    // With records but no selection, nothing changes.
    bm->List->clearSelection();
    bm->set_list_value_to_text_box();
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("5901234123457"));
    bm->ListData_barcode.clear();
    bm->Reload_List();
    bm->set_list_value_to_text_box();
    EXPECT_EQ(bm->dataText->text(), QStringLiteral(""));
    EXPECT_EQ(bm->Get_Two_D_Value_From_Field(), QStringLiteral(""));
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral(""));
    EXPECT_EQ(bm->FooterText->text(), QStringLiteral(""));
    EXPECT_TRUE(previewBlank());
}

TEST_F(ValueListWindow, MarkingARowSelectsItAloneAndReloadKeepsTheSelection)
{
    fillNumbered(40);
    clickRow(2);
    clickRow(4, Qt::ControlModifier);
    EXPECT_EQ(selection(), (QList<int>{2, 4}));
    bm->Reload_List();
    EXPECT_EQ(selection(), (QList<int>{2, 4}));
    bm->Mark_List_New_Selection_barcode(35);
    EXPECT_EQ(selection(), QList<int>{35});
    EXPECT_TRUE(bm->List->visualRect(bm->List->model()->index(35, 0)).intersects(bm->List->viewport()->rect()));
    EXPECT_EQ(bm->List->window()->focusWidget(), bm->List);
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("H35"));
    // Rows that are gone leave the selection on a reload.
    bm->ListData_barcode.resize(30);
    bm->Reload_List();
    EXPECT_TRUE(selection().isEmpty());
    bm->Mark_List_New_Selection_barcode(30);   // outside: nothing
    EXPECT_TRUE(selection().isEmpty());
}

TEST_F(ValueListWindow, BatchUseNeedsTheBatchBoxAndOneListBox)
{
    const struct {
        bool batch, value, header, footer, used;
    } cases[] = {
        {true, true, false, false, true},   {true, false, false, true, true},  {true, false, false, false, false},
        {false, true, true, true, false},
    };
    for (const auto &k : cases) {
        const QSignalBlocker block(bm->data_source_chkbox);
        bm->data_source_chkbox->setChecked(k.batch);
        bm->barcode_value_chk->setChecked(k.value);
        bm->barcode_header_chk->setChecked(k.header);
        bm->barcode_footer_chk->setChecked(k.footer);
        Use_Data_Sheet_Values = !k.used;
        bm->Check_Data_Sheet_Value_Use_or_Not_Barcode();
        EXPECT_EQ(Use_Data_Sheet_Values, k.used);
    }
}

TEST_F(ValueListWindow, FirstAndNthBatchRowAreSelectedAndBound)
{
    fillNumbered(5);
    bm->Select_First_Value_For_Barcode_Setting_Mode();
    EXPECT_EQ(selection(), QList<int>{0});
    EXPECT_EQ(bm->FooterText->text(), QStringLiteral("F0"));
    bm->Select_Valid_Value_For_Barcode_Setting_Mode(3);
    EXPECT_EQ(selection(), QList<int>{3});
    EXPECT_EQ(bm->FooterText->text(), QStringLiteral("F3"));
    // The first row is not chosen from the Designing mode; the n-th is, in any mode.
    Barcode_Setting_Or_Designing_Mode = 1;
    bm->Select_First_Value_For_Barcode_Setting_Mode();
    EXPECT_EQ(selection(), QList<int>{3});
    bm->Select_Valid_Value_For_Barcode_Setting_Mode(2);
    EXPECT_EQ(selection(), QList<int>{2});
    Barcode_Setting_Or_Designing_Mode = 0;
}

TEST_F(ValueListWindow, BindingAFieldFromTheList)
{
    fillNumbered(3);
    clickRow(1);
    bm->HeaderText->setText(QStringLiteral("changed"));
    bm->Bind_Data_with_Barcode_HEADER();
    EXPECT_EQ(bm->HeaderText->text(), QStringLiteral("H1"));
    // Unticked: the field becomes the user's again.
    bm->barcode_footer_chk->setChecked(false);
    bm->FooterText->setReadOnly(true);
    bm->Bind_Data_with_Barcode_FOOTER();
    EXPECT_FALSE(bm->FooterText->isReadOnly());
    // Ticked with an empty list: read-only, text untouched.
    bm->ListData_barcode.clear();
    bm->Reload_List();
    bm->dataText->setReadOnly(false);
    bm->dataText->setText(QStringLiteral("kept"));
    bm->Bind_Data_with_Barcode_VALUE();
    EXPECT_TRUE(bm->dataText->isReadOnly());
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("kept"));
}

TEST_F(ValueListWindow, DoubleClickNeedsExactlyOneRow)
{
    fillNumbered(3);
    bm->doubleClickInTable();
    EXPECT_EQ(responder->modalCount, 0);
    EXPECT_TRUE(messages().isEmpty());
    clickRow(0);
    clickRow(2, Qt::ControlModifier);
    bm->doubleClickInTable();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Please select only one record.")});
    EXPECT_EQ(responder->modalCount, 0);
}

TEST_F(ValueListWindow, RecordListOfTheDesigningModeSharesTheDataSource)
{
    RecordBinding &records = recordsOf(env.design());
    records.Fill_List_Data_RHS.clear();
    records.Reload_Fill_List();
    records.Create_Fill_List(QStringLiteral("Label 1"));
    records.Create_Fill_List(QStringLiteral("Label 2"));
    EXPECT_EQ(records.Fill_List_RHS->model()->rowCount(), 0);   // shown at the next reload
    records.Reload_Fill_List();
    ASSERT_EQ(records.Fill_List_RHS->model()->rowCount(), 2);
    EXPECT_EQ(records.Fill_List_RHS->model()->index(1, 0).data().toString(), QStringLiteral("Label 2"));
    // Refilled only when the count changes.
    records.Fill_Record_List(2);
    EXPECT_EQ(records.Fill_List_RHS->model()->rowCount(), 2);
    records.Fill_Record_List(4);
    EXPECT_EQ(records.Fill_List_RHS->model()->index(3, 0).data().toString(), QStringLiteral("Label 4"));

    // Its double click without batch data says so.
    Use_Data_Sheet_Values = false;
    Use_Excel_Binding_Values = false;
    bm->doubleClick_Fil_List_RHS();
    EXPECT_TRUE(messages().isEmpty());   // no row selected: nothing
    records.Fill_List_RHS->selectRow(1);
    bm->doubleClick_Fil_List_RHS();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("No series or excel data used.")});
    // With series values in use it shows what the design takes from where.
    Use_Data_Sheet_Values = true;
    const QDialog *shown = nullptr;
    responder->onModal = [&shown](QDialog &dialog) {
        shown = &dialog;
        return 1;
    };
    bm->doubleClick_Fil_List_RHS();
    Use_Data_Sheet_Values = false;
    EXPECT_EQ(shown, View_All_Used_Data::defaultInstance()->window);
}

TEST_F(ValueListWindow, GenerateRunsTheListGeneratorThenBindsTheFirstRecord)
{
    fill({{QStringLiteral("5901234123457"), QStringLiteral("Head"), QStringLiteral("Foot"), QStringLiteral("1")},
          {QStringLiteral("4006381333931"), QStringLiteral("H2"), QStringLiteral("F2"), QStringLiteral("1")}});
    clickRow(1);
    int runs = 0;
    responder->onModal = [&runs](QDialog &dialog) {
        if (&dialog == Generate_List_Barcode::defaultInstance())
            ++runs;
        return 0;   // the user cancels the generator
    };
    bm->create_list_btn->setEnabled(true);
    bm->create_list_btn->click();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(selection(), QList<int>{0});
    EXPECT_EQ(bm->dataText->text(), QStringLiteral("5901234123457")) << "the first record is in the fields";
    EXPECT_TRUE(messages().isEmpty());
}
