#pragma once
// The print dialog's profile table as a model: one column "List", the dialog's rows, editable.
// Every question goes to the dialog's data-source methods.

#include <QAbstractTableModel>

class Print_Wnd;
class QTableView;

class ProfileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ProfileListModel(Print_Wnd &owner, QTableView *table);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The rows changed: the table reads them again.
    void reloadData();

    static const QString Column;

private:
    Print_Wnd &m_owner;
    QTableView *m_table;
};
