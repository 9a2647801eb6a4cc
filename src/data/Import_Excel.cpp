#include "data/Import_Excel.h"

#include "app/PleaseWaitGuard.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "data/BatchWizard.h"
#include "data/ColumnTableModel.h"
#include "data/Data_From_Excel.h"
#include "io/ExcelRowLimit.h"

#include "ui_Import_Excel.h"

#include <QCheckBox>

#include <exception>

Import_Excel *Import_Excel::defaultInstance()
{
    static Import_Excel *instance = nullptr;
    if (!instance)
        instance = new Import_Excel;   // lives for the whole process
    return instance;
}

Import_Excel::Import_Excel() : SheetColumnPicker(false)
{
    Ui::Import_Excel ui;
    ui.setupUi(this);
    bindPicker(ui.file_path, ui.Sheet_ComboBox, ui.contains_header, ui.ColList, ui.Select_ALL, ui.Clear_All,
               ui.OKPressed, ui.CancelPressed);
    // A sheet without a readable first row leaves the table empty.
    m_clearTableBeforeRead = true;
}

int Import_Excel::Open_excel_Wnd(const QString &path)
{
    if (runner)
        return runner(open_mode, path);
    try {
        resetPicker(path);
        if (!Load_file_Func(path)) {
            Show_MessageBox(Workbook_Refusal(path));
            return 0;
        }
        return runPicker();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        hide();
        return 0;
    }
}

void Import_Excel::OKPressed()
{
    try {
        if (ListData_xl->size() == 0) {
            Show_MessageBox(QStringLiteral("There is no column."));
            return;
        }
        if (!Check_For_One_Extension_Selection()) {
            Show_MessageBox(QStringLiteral("No column is selected."));
            return;
        }
        if (open_mode == QLatin1String("D"))
            Insert_file_Func(file_path->text());
        else
            Create_Excel_List_Func(file_path->text());
        excel_content.clear();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

namespace {

// The row cap of the Barcode mode: its message once, when the sheet has more rows than it takes.
int cappedRows(int read, bool more)
{
    return more ? checkMaxExcelRowCount(MAX_EXCEL_ROWS + 1) : read;
}

} // namespace

void Import_Excel::Insert_file_Func(const QString &)
{
    PleaseWaitGuard wait(plz_wait_Window, this);
    const bool header = contains_header->isChecked();
    QList<bool> ticked;
    for (int i = 0; i < ListData_xl->size(); ++i)
        ticked << Get_Selection_State(i);
    QStringList values;
    int read = 0;
    bool more = false;
    const bool ok = readChosenSheet(MAX_EXCEL_ROWS, [&](int r, const QStringList &cells) {
        ++read;
        if (header && r == 0)
            return;
        for (int i = 0; i < cells.size() && i < ticked.size(); ++i)
            if (ticked.at(i))
                values << seriesValueOfCell(cells.at(i));
    }, &more);
    wait.hide();
    if (!ok) {
        Show_MessageBox(SpreadsheetWriter::unreadableMessage());
        finish(0);   // nothing was added
        return;
    }
    cappedRows(read, more);
    {
        BatchWizard *manager = BatchWizard::defaultInstance();
        BatchWizard::Delivery delivery(*manager);   // one redisplay of the value table
        for (const QString &v : std::as_const(values))
            manager->Create_Value_List(v);
    }
    if (read == 0)
        Show_MessageBox(SpreadsheetWriter::unreadableMessage());
    finish(1);
}

void Import_Excel::Create_Excel_List_Func(const QString &)
{
    PleaseWaitGuard wait(plz_wait_Window, this);
    const bool header = contains_header->isChecked();
    QList<int> columns;   // the ticked sheet columns, in order
    for (int i = 0; i < ListData_xl->size(); ++i)
        if (Get_Selection_State(i))
            columns << i;
    QStringList titles;
    QList<QStringList> rows;
    int read = 0;
    bool more = false;
    const bool ok = readChosenSheet(MAX_EXCEL_ROWS, [&](int r, const QStringList &cells) {
        ++read;
        if (r == 0) {
            // Titles come from the first row whether or not it also is a data row.
            for (int k = 0; k < columns.size(); ++k) {
                const QString title = Trim_Str(cells.value(columns.at(k)));
                titles << (title.isEmpty() ? QStringLiteral("Untitled Column %1").arg(k + 1) : title);
            }
            if (header)
                return;
        }
        if (cells.isEmpty())
            return;
        QStringList kept;
        kept.reserve(columns.size());
        for (int c : std::as_const(columns))
            kept << cells.value(c);
        rows.append(kept);
    }, &more);
    wait.hide();
    // A sheet that cannot be read or yields no data row leaves the link as it was.
    if (!ok || rows.isEmpty()) {
        Show_MessageBox(SpreadsheetWriter::unreadableMessage());
        finish(0);
        return;
    }
    cappedRows(read, more);
    Data_From_Excel *store = Data_From_Excel::defaultInstance();
    store->Remove_Linked_Columns();
    for (const QString &title : std::as_const(titles))
        store->Add_Linked_Column(title);
    store->Reload_Table();
    store->Linked_Sheet.rows.clear();
    store->Linked_Sheet.rows.reserve(rows.size());
    for (const QStringList &row : std::as_const(rows))
        store->Create_List_By_Array(row, int(titles.size()));
    store->Reload_Table();
    finish(1);
}
