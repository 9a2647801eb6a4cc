#include "data/View_Data_Series.h"

#include "core/Messages.h"
#include "core/Utilities.h"
#include "app/PleaseWaitGuard.h"
#include "data/SeriesListModel.h"
#include "io/SeriesStore.h"
#include "platform/Dialogs.h"

#include "ui_View_Data_Series.h"

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <exception>

View_Data_Series *View_Data_Series::defaultInstance()
{
    static View_Data_Series *instance = nullptr;
    if (!instance)
        instance = new View_Data_Series;   // lives for the whole process
    return instance;
}

View_Data_Series::View_Data_Series()
{
    window = new QDialog;
    Ui::View_Data_Series ui;
    ui.setupUi(window);
    series_name = ui.series_name;
    List = ui.List;
    list_count = ui.list_count;
    ok_button = ui.ok_button;
    ListData = new SeriesListModel(QStringLiteral("Extension"), this);
    setUpSeriesTable(List, ListData);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    plz_wait_Window = PleaseWaitGuard::makeSheet(window);
    connect(ok_button, &QPushButton::clicked, this, &View_Data_Series::OK_Btn_Clicked);
}

int View_Data_Series::Open_Wnd()
{
    series_name->setText(file_name);
    ListData->clear();
    Load_file_Func();
    const int code = platform::runModal(*window);
    window->hide();
    return code;
}

void View_Data_Series::Load_file_Func()
{
    PleaseWaitGuard wait(plz_wait_Window, window);
    m_loading.clear();
    try {
        // A missing or unreadable series (or a name that leads outside the series folder) shows no rows.
        for (const QString &value : series_store::read(file_name).value_or(QStringList()))
            Create_Avail_List(value);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    ListData->append(m_loading);
    m_loading.clear();
    list_count->setText(QStringLiteral("Total Rows : %1").arg(ListData->size()));
}

void View_Data_Series::Create_Avail_List(const QString &value)
{
    const QString trimmed = Trim_Str(value);
    if (!trimmed.isEmpty())
        m_loading << trimmed;
}

void View_Data_Series::OK_Btn_Clicked() { window->done(1); }
