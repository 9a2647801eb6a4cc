#include "data/View_All_Used_Data.h"

#include "platform/Dialogs.h"

#include "ui_View_All_Used_Data.h"

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

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
    List = ui.List;
    list_count = ui.list_count;
    ok_button = ui.ok_button;
    m_model = new QStandardItemModel(this);
    List->setModel(m_model);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->horizontalHeader()->setStretchLastSection(true);
    connect(ok_button, &QPushButton::clicked, this, &View_All_Used_Data::OK_Btn_Clicked);
}

int View_All_Used_Data::Open_Wnd(const QList<UsedData> &rows)
{
    m_model->clear();
    m_model->setHorizontalHeaderLabels({QStringLiteral("Object"), QStringLiteral("Source"), QStringLiteral("Name")});
    for (const UsedData &row : rows)
        m_model->appendRow({new QStandardItem(row.object), new QStandardItem(row.source), new QStandardItem(row.name)});
    list_count->setText(QStringLiteral("Total Rows : %1").arg(rows.size()));
    const int code = platform::runModal(*window);
    window->hide();
    return code;
}

void View_All_Used_Data::OK_Btn_Clicked() { window->done(1); }
