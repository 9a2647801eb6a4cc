#pragma once
// The column table of the spreadsheet pickers: one row per sheet column, in column order, with the
// keys "State" (ticked or not), "Extension" (the column's title) and, where the picker names the
// series each column becomes, "Header" (editable).

#include <QAbstractTableModel>
#include <QList>
#include <QString>

class ColumnTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
        bool State = false;
        QString Extension;
        QString Header;
    };

    // withHeader: the third table column "Header" is shown and editable.
    explicit ColumnTableModel(bool withHeader, QObject *parent = nullptr);

    const QList<Row> &rows() const { return m_rows; }
    qsizetype size() const { return m_rows.size(); }
    void clear();
    void append(const Row &row);
    // Every row ticked or unticked (the titles and names kept).
    void setAllStates(bool state);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    bool m_withHeader;
    QList<Row> m_rows;
};
