#include "data/Data_From_Excel.h"

#include "core/Utilities.h"
#include "data/LinkedSheetModel.h"
#include "platform/Dialogs.h"

#include "ui_Data_From_Excel.h"

#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

Data_From_Excel *Data_From_Excel::defaultInstance()
{
    static Data_From_Excel *instance = nullptr;
    if (!instance)
        instance = new Data_From_Excel;   // lives for the whole process
    return instance;
}

Data_From_Excel::Data_From_Excel()
{
    window = new QDialog;
    Ui::Data_From_Excel ui;
    ui.setupUi(window);
    ColList = ui.ColList;
    rows_count = ui.rows_count;
    column_count = ui.column_count;
    ok_button = ui.ok_button;
    m_model = new LinkedSheetModel(Linked_Sheet, this);
    ColList->setModel(m_model);
    ColList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ColList->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ColList->horizontalHeader()->setDefaultSectionSize(100);
    connect(ok_button, &QPushButton::clicked, this, &Data_From_Excel::OK_Click);
}

void Data_From_Excel::Create_List_By_Array(const QStringList &texts, int n)
{
    QStringList cells;
    cells.reserve(qMax(0, n));
    for (int k = 0; k < n; ++k)
        cells << Trim_Str(texts.value(k));
    Linked_Sheet.rows.append(LinkedSheetRow(std::move(cells)));
}

void Data_From_Excel::Remove_Linked_Columns()
{
    Linked_Sheet.columnTitles.clear();
}

void Data_From_Excel::Add_Linked_Column(const QString &title)
{
    Linked_Sheet.columnTitles.append(title);
}

void Data_From_Excel::Reload_Table()
{
    m_model->reload();
}

int Data_From_Excel::Open_Wnd()
{
    Reload_Table();
    rows_count->setText(QString::number(Linked_Sheet.rows.size()));
    column_count->setText(QString::number(m_model->columnCount() - 1));
    const int code = platform::runModal(*window);
    window->hide();
    return code;
}

void Data_From_Excel::OK_Click() { window->done(1); }
