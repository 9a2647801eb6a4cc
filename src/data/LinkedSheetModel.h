#pragma once
// The table model of the linked spreadsheet: column 0 the row number, then one column per linked
// column, read from the store as the view asks (no item per cell).

#include <QAbstractTableModel>

struct LinkedSheetTable;

class LinkedSheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LinkedSheetModel(const LinkedSheetTable &table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The store changed: the view fetches everything anew.
    void reload();

private:
    const LinkedSheetTable &m_table;
};
