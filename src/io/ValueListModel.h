#pragma once
// The data source of the value list's table and of the Designing mode's record list: a view of a
// controller's array of records, one column per record key. The array stays the controller's; the
// model takes its row count only when reloaded, as a table asks for its rows only then, so code
// that changes the array decides when the table shows it.

#include "io/ValueRecord.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class ValueListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // records outlives the model; keys name the columns' record entries, titles head them.
    ValueListModel(const QList<ValueRecord> *records, QStringList keys, QStringList titles, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Selectable, never editable in place: every change of a record goes through the list's rules.
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Takes the array's row count anew; the views fetch every row again.
    void reload();

private:
    const QList<ValueRecord> *m_records;
    QStringList m_keys;
    QStringList m_titles;
    int m_rows = 0;
};
