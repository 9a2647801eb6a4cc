// The value list of the Barcode mode: record creation and replacement, the table's reload and
// selection, the first and n-th batch row, the edit-row sheet, and the delegate that both tables
// (the value list and the Designing mode's record list) report to.

#include "barcodemode/BarcodeModeController.h"

#include "io/ValueListModel.h"
#include "io/ValueListRules.h"
#include "core/Mode.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/GuiThread.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

#include <algorithm>
#include <exception>

namespace {

QString failureText(const std::exception &e) { return QString::fromUtf8(e.what()); }

bool ticked(const QCheckBox *box) { return box && box->isChecked(); }

// The selected rows of a table, ascending, read from the selection's ranges (a select-all of many
// rows is one range).
QList<int> selectedRowsOf(const QAbstractItemView *table)
{
    QList<int> rows;
    if (!table || !table->selectionModel())
        return rows;
    for (const QItemSelectionRange &range : table->selectionModel()->selection())
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows << r;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int selectedRowOf(const QAbstractItemView *table)
{
    if (!table || !table->selectionModel())
        return -1;
    const QItemSelectionModel *selection = table->selectionModel();
    const QModelIndex current = selection->currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row(), QModelIndex()))
        return current.row();
    const QList<int> rows = selectedRowsOf(table);
    return rows.isEmpty() ? -1 : rows.last();
}

} // namespace

// ---- Records ----

bool BarcodeModeController::Create_Item_List(const QString &value, const QString &Header_str,
                                             const QString &Footer_str, const QString &PQ_str, int at_index)
{
    try {
        const bool wasEmpty = ListData_barcode.isEmpty();
        switch (value_list::createRecord(ListData_barcode, value, Header_str, Footer_str, PQ_str, at_index)) {
        case value_list::CreateResult::Separator:
            return false;
        case value_list::CreateResult::IndexOutOfRange:
            Show_NSLog_Message(QStringLiteral("Create_Item_List: index %1 is outside the list of %2 records.")
                                   .arg(at_index)
                                   .arg(ListData_barcode.size()));
            return false;
        case value_list::CreateResult::Added:
            break;
        }
        Update_List_Count();
        if (wasEmpty)
            Reload_List();
        return true;
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
        return false;
    }
}

void BarcodeModeController::Replace_Item_List(const QString &value, const QString &Header_str,
                                              const QString &Footer_str, const QString &PQ_str, int at_index)
{
    value_list::replaceRecord(ListData_barcode, value, Header_str, Footer_str, PQ_str, at_index, clear_PQ_Flag);
}

// ---- Table ----

void BarcodeModeController::Reload_List()
{
    // The text import writes the list on a worker thread; the table is the GUI thread's.
    platform::runOnGuiThreadAndWait([this] {
        try {
            if (!List || !List_Source)
                return;
            const QList<int> rows = selectedListRows();
            const int current = List->selectionModel()->currentIndex().row();
            listReloading = true;
            List_Source->reload();
            const int count = List_Source->rowCount();
            const int lastColumn = List_Source->columnCount() - 1;
            QItemSelection kept;
            for (qsizetype i = 0; i < rows.size() && rows.at(i) < count;) {
                qsizetype j = i;   // one range per run of consecutive rows
                while (j + 1 < rows.size() && rows.at(j + 1) == rows.at(j) + 1 && rows.at(j + 1) < count)
                    ++j;
                kept.select(List_Source->index(rows.at(i), 0), List_Source->index(rows.at(j), lastColumn));
                i = j + 1;
            }
            List->selectionModel()->select(kept, QItemSelectionModel::ClearAndSelect);
            if (current >= 0 && current < count)
                List->selectionModel()->setCurrentIndex(List_Source->index(current, 0), QItemSelectionModel::NoUpdate);
            listReloading = false;
            List->viewport()->update();
            List_Operation_Button_State();
        } catch (const std::exception &e) {
            listReloading = false;
            Show_NSLog_Message(failureText(e));
        }
    });
}

void BarcodeModeController::Update_List_Count()
{
    const int count = int(ListData_barcode.size());
    platform::runOnGuiThreadAndWait([this, count] {
        if (tot_row_count)
            tot_row_count->setText(QStringLiteral("Total Rows : %1").arg(count));
    });
}

int BarcodeModeController::selectedListRow() const { return selectedRowOf(List); }

QList<int> BarcodeModeController::selectedListRows() const { return selectedRowsOf(List); }

void BarcodeModeController::Mark_List_New_Selection_barcode(int row)
{
    try {
        if (!List || !List_Source || ListData_barcode.isEmpty())
            return;
        if (row < 0 || row >= List_Source->rowCount()) {
            Show_NSLog_Message(QStringLiteral("Mark_List_New_Selection_barcode: no row %1.").arg(row));
            return;
        }
        const QModelIndex index = List_Source->index(row, 0);
        List->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        List->scrollTo(index);
        List->setFocus();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- Batch rows ----

void BarcodeModeController::Check_Data_Sheet_Value_Use_or_Not_Barcode()
{
    Use_Data_Sheet_Values = ticked(data_source_chkbox)
                            && (ticked(barcode_value_chk) || ticked(barcode_header_chk) || ticked(barcode_footer_chk));
}

void BarcodeModeController::Select_First_Value_For_Barcode_Setting_Mode()
{
    try {
        if (Barcode_Setting_Or_Designing_Mode == 1 || !Use_Data_Sheet_Values)
            return;
        if (Custom_Sheet_RD && Custom_Sheet_RD->isChecked()) {
            Mark_List_New_Selection_barcode(0);
            bind_all();
            return;
        }
        Last_Selected_Index = 0;
        for (QComboBox *items : {val_combo_value, hdr_combo_value, ftr_combo_value})
            if (items && items->count() > 0)
                items->setCurrentIndex(0);
        Combo_Selection_Change(0);
        bind_all();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::Select_Valid_Value_For_Barcode_Setting_Mode(int n)
{
    try {
        if (!Use_Data_Sheet_Values)
            return;
        if (Custom_Sheet_RD && Custom_Sheet_RD->isChecked()) {
            Mark_List_New_Selection_barcode(n);
            bind_all();
            return;
        }
        if (n == 0)
            Last_Selected_Index = 0;
        for (QComboBox *items : {val_combo_value, hdr_combo_value, ftr_combo_value})
            if (items && items->count() > n)
                items->setCurrentIndex(n);
        Combo_Selection_Change(0);
        bind_all();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- Edit-row sheet ----

void BarcodeModeController::OnGetSelected()
{
    try {
        if (ListData_barcode.isEmpty() || !Update_List_Item_Window)
            return;
        const int row = selectedListRow();
        if (row < 0 || row >= ListData_barcode.size()) {
            Show_NSLog_Message(QStringLiteral("OnGetSelected: no record at row %1.").arg(row));
            return;
        }
        const ValueRecord &record = ListData_barcode.at(row);
        Update_bar_value_str->setText(Trim_Str(record.value(value_list::kValue)));
        Update_bar_hdr_str->setText(Trim_Str(record.value(value_list::kHeader)));
        Update_bar_ftr_str->setText(Trim_Str(record.value(value_list::kFooter)));
        Update_bar_pq_str->setText(Trim_Str(record.value(value_list::kPQ)));
        Update_s_indx_str->setText(QString::number(row));
        const int result = valueListWindows().runSheet(*Update_List_Item_Window);
        if (result == 1) {
            for (QLineEdit *field : {Update_bar_value_str, Update_bar_hdr_str, Update_bar_ftr_str, Update_bar_pq_str,
                                     Update_s_indx_str})
                field->setText(QString());
            bind_all();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- The tables' delegate ----

void BarcodeModeController::tableViewSelectionDidChange(QAbstractItemView *table)
{
    try {
        if (table && table == List) {
            List_Operation_Button_State();
            set_list_value_to_text_box();
            return;
        }
        DesignBarcodeMode &dsg = design();
        if (!table || table != dsg.Fill_List_RHS())
            return;
        if (call_rhs_prop_on_fill_list)
            dsg.Show_RHS_Properties(nullptr);
        // The selected record (-1 for none) into the card, then the list marks it.
        const QList<int> rows = selectedRowsOf(dsg.Fill_List_RHS());
        const int row = rows.isEmpty() ? -1 : rows.first();
        dsg.Set_data_table_value_to_card(row, export_card_side, false);
        dsg.Refresh_Canvas();
        host().Mark_Fill_List_New_Selection_Design(row);
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::doubleClickInTable(QObject *)
{
    try {
        const QList<int> rows = selectedListRows();
        if (rows.isEmpty())
            return;
        if (rows.size() > 1) {
            Show_MessageBox(QStringLiteral("Please select only one record."));
            return;
        }
        OnGetSelected();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::doubleClick_Fil_List_RHS(QObject *)
{
    try {
        const QList<int> rows = selectedRowsOf(design().Fill_List_RHS());
        if (rows.isEmpty())
            return;
        if (rows.size() > 1) {
            Show_MessageBox(QStringLiteral("Please select only one record."));
            return;
        }
        if (!Use_Data_Sheet_Values && !Use_Excel_Binding_Values) {
            Show_MessageBox(QStringLiteral("No series or excel data used."));
            return;
        }
        design().Open_All_Used_Data_Box();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}
