#include "data/View_All_Used_Data.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "data/Data_From_Excel.h"
#include "data/LinkedSheetModel.h"
#include "io/SeriesStore.h"
#include "model/SKTGraphic.h"
#include "outputjobs/OutputGlobals.h"
#include "platform/Dialogs.h"

#include "ui_View_All_Used_Data.h"

#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <exception>

int Table_Column = 0;

View_All_Used_Data *View_All_Used_Data::defaultInstance()
{
    static View_All_Used_Data *instance = nullptr;
    if (!instance)
        instance = new View_All_Used_Data;   // lives for the whole process
    return instance;
}

View_All_Used_Data::View_All_Used_Data()
{
    window = new QDialog;
    Ui::View_All_Used_Data ui;
    ui.setupUi(window);
    ColList = ui.ColList;
    rows_count = ui.rows_count;
    column_count = ui.column_count;
    ok_button = ui.ok_button;
    m_model = new LinkedSheetModel(ListData, this);
    ColList->setModel(m_model);
    ColList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ColList->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ColList->horizontalHeader()->setDefaultSectionSize(120);
    connect(ok_button, &QPushButton::clicked, this, &View_All_Used_Data::OK_Click);
}

int View_All_Used_Data::Open_Wnd(const SKTGraphicList &front, int records)
{
    try {
        Remove_All_Columns();
        Get_Used_Series_Excel_Column_In_Design(front);
        Insert_Columns();
        fillRows(records);
        m_model->reload();
        rows_count->setText(QString::number(ListData.rows.size()));
        column_count->setText(QString::number(m_model->columnCount() - 1));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return 0;
    }
    const int code = platform::runModal(*window);
    window->hide();
    return code;
}

void View_All_Used_Data::OK_Click() { window->done(1); }

void View_All_Used_Data::Remove_All_Columns()
{
    ListData.rows.clear();
    ListData.columnTitles.clear();
    m_model->reload();
}

bool View_All_Used_Data::Check_List_Name_Exist_In_Used_Ser(const QString &name) const
{
    const QString trimmed = Trim_Str(name);
    return trimmed.isEmpty() || trimmed == combo_first_Select || Use_SER_Array.contains(trimmed);
}

void View_All_Used_Data::Get_Used_Series_Excel_Column_In_Design(const SKTGraphicList &front)
{
    Use_SER_Array.clear();
    Use_EXL_Array.clear();
    Use_EXL_INDX_Array.clear();
    try {
        const QStringList &titles = Data_From_Excel::defaultInstance()->Linked_Sheet.columnTitles;
        const auto addSeries = [this](const QString &name) {
            if (series_store::exists(name) && !Check_List_Name_Exist_In_Used_Ser(name))
                Use_SER_Array.append(name);
        };
        // A column index the linked table does not have (a stale binding) adds nothing.
        const auto addColumn = [&](int index) {
            if (index <= 0 || index > titles.size())
                return;
            // Two linked columns may share a title: each column is listed once, by its index.
            const QString title = titles.at(index - 1);
            const QString trimmed = Trim_Str(title);
            if (trimmed.isEmpty() || trimmed == combo_first_Select || Use_EXL_INDX_Array.contains(QString::number(index)))
                return;
            Use_EXL_Array.append(title);
            Use_EXL_INDX_Array.append(QString::number(index));
        };
        for (const std::shared_ptr<SKTGraphic> &g : front) {
            if (!g)
                continue;
            const SKTGraphicClass kind = g->graphicClass();
            if (kind != SKTGraphicClass::Image && kind != SKTGraphicClass::Text && kind != SKTGraphicClass::Barcode)
                continue;
            const bool barcode = kind == SKTGraphicClass::Barcode;
            if (Use_Data_Sheet_Values && g->data_source_type == 1 && g->print_object == 0) {
                addSeries(g->batch_list_name);
                if (barcode) {
                    addSeries(g->batch_hdr_list_name);
                    addSeries(g->batch_ftr_list_name);
                }
            }
            if (Use_Excel_Binding_Values && g->data_source_type == 2 && g->print_object == 0) {
                addColumn(g->excel_col_indx);
                if (barcode) {
                    addColumn(g->batch_hdr_list_index);
                    addColumn(g->batch_ftr_list_index);
                }
            }
        }
    } catch (const std::exception &e) {
        // What was found so far stays.
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void View_All_Used_Data::Insert_Columns()
{
    Table_Column = 0;
    ListData.columnTitles.clear();
    // A series whose file has gone meanwhile gets no column.
    QStringList present;
    for (const QString &name : std::as_const(Use_SER_Array))
        if (series_store::exists(name))
            present << name;
    Use_SER_Array = present;
    for (const QString &name : std::as_const(Use_SER_Array)) {
        ListData.columnTitles << name + QStringLiteral("(Series)");
        ++Table_Column;
    }
    for (const QString &title : std::as_const(Use_EXL_Array)) {
        ListData.columnTitles << title + QStringLiteral("(Excel)");
        ++Table_Column;
    }
    m_model->reload();
}

void View_All_Used_Data::Create_ALL_DATA_List_By_Array(const QStringList &values, int count)
{
    QStringList cells;
    cells.reserve(qMax(0, count));
    for (int k = 0; k < count; ++k)
        cells << Trim_Str(values.value(k));
    ListData.rows.append(LinkedSheetRow(std::move(cells)));
}

void View_All_Used_Data::fillRows(int records)
{
    // Each series is read once for the whole table, not once per record.
    QList<QStringList> series;
    for (const QString &name : std::as_const(Use_SER_Array))
        series << series_store::read(name).value_or(QStringList());
    const LinkedSheetTable &linked = Data_From_Excel::defaultInstance()->Linked_Sheet;
    QList<int> columns;
    for (const QString &index : std::as_const(Use_EXL_INDX_Array))
        columns << index.toInt();
    ListData.rows.reserve(qMax(0, records));
    for (int r = 0; r < records; ++r) {
        QStringList values;
        values.reserve(Table_Column);
        for (const QStringList &s : std::as_const(series))
            values << s.value(r);
        for (int c : std::as_const(columns))
            values << linked.value(r, QStringLiteral("Column%1").arg(c));
        Create_ALL_DATA_List_By_Array(values, Table_Column);
    }
}
