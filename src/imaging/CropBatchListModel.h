#pragma once
// The crop wizard's file list: one record per picture ("SNO" its position from 1, "Image_Path" its
// trimmed path, "IMG_NAME" the path's last component), shown by the table whose columns are keyed
// by those names. An edited cell stores its text into the record under its column's key.

#include <QAbstractTableModel>
#include <QMap>
#include <QString>
#include <QStringList>

class CropBatchListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Record = QMap<QString, QString>;

    explicit CropBatchListModel(QObject *parent = nullptr);

    // Create_List: appends a record for the trimmed path; an empty path adds nothing.
    void Create_List(const QString &path);
    // The record's "Image_Path"; "" for a row outside the list (logged).
    QString Get_Item_Text(int index) const;
    void clear();
    int count() const { return int(m_records.size()); }
    bool isEmpty() const { return m_records.isEmpty(); }
    QStringList paths() const;
    const Record &record(int row) const { return m_records.at(row); }
    // The column keys, in column order.
    static const QStringList &columnKeys();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<Record> m_records;
};
