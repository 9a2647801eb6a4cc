#include "data/Data_From_Excel.h"

#include "platform/Dialogs.h"

#include "ui_Data_From_Excel.h"

#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
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
    m_model = new QStandardItemModel(this);
    ColList->setModel(m_model);
    ColList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ColList->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(ok_button, &QPushButton::clicked, this, &Data_From_Excel::OK_Click);
}

int Data_From_Excel::Open_Wnd(const QStringList &columnTitles, const QList<QMap<QString, QString>> &rows)
{
    m_model->clear();
    QStringList headers{QStringLiteral("Row")};
    headers << columnTitles;
    m_model->setHorizontalHeaderLabels(headers);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QMap<QString, QString> &row = rows.at(r);
        QList<QStandardItem *> cells;
        cells << new QStandardItem(row.value(QStringLiteral("Extension"), QString::number(r + 1)));
        for (qsizetype k = 1; k <= columnTitles.size(); ++k)
            cells << new QStandardItem(row.value(QStringLiteral("Column%1").arg(k)));
        m_model->appendRow(cells);
    }
    for (int c = 1; c < m_model->columnCount(); ++c)
        ColList->setColumnWidth(c, 100);
    rows_count->setText(QString::number(rows.size()));
    column_count->setText(QString::number(m_model->columnCount() - 1));
    const int code = platform::runModal(*window);
    window->hide();
    return code;
}

void Data_From_Excel::OK_Click() { window->done(1); }
