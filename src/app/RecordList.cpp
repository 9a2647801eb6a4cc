// The Designing mode's record list beside the canvas: one row per batch record, "Label 1" onward,
// filled on the GUI thread whichever thread asks, and the selection of one record.

#include "app/SKTWindowController.h"

#include "core/Edition.h"
#include "design/DesignParts.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "design/RecordBinding.h"
#include "platform/GuiThread.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QTableView>

#include <exception>

void SKTWindowController::Fill_List_Thread_Call()
{
    try {
        platform::runOnGuiThreadAndWait([this] { Fill_List_Function(); });
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::Fill_List_Function()
{
    if (ONLY_QR_MODE)
        return;
    try {
        recordsOf(design()).Fill_Record_List(Total_Batch_Excel_Card);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::Mark_Fill_List_New_Selection_Design(int row)
{
    RecordBinding &records = recordsOf(design());
    QTableView *table = records.Fill_List_RHS;
    if (records.Fill_List_Data_RHS.isEmpty() || !table || !table->model() || !table->selectionModel())
        return;
    QItemSelectionModel *selection = table->selectionModel();
    if (row < 0 || row >= table->model()->rowCount()) {
        // No such record: nothing stays selected, so the list never shows a record the card is not.
        selection->clearSelection();
        return;
    }
    const QModelIndex index = table->model()->index(row, 0);
    selection->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    table->scrollTo(index);
    table->setFocus(Qt::OtherFocusReason);
}
