#pragma once
// A read-only one-column list of texts for a table view: the series names of the series manager,
// the values of a series. Rows are added and removed in blocks, so that loading a large series
// redisplays the table once.

#include <QAbstractTableModel>
#include <QStringList>

#include <QList>

class SeriesListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // title: the column's header (the records' key).
    explicit SeriesListModel(const QString &title, QObject *parent = nullptr);

    const QStringList &values() const { return m_values; }
    qsizetype size() const { return m_values.size(); }
    bool isEmpty() const { return m_values.isEmpty(); }
    const QString &at(qsizetype row) const { return m_values.at(row); }

    void clear();
    void append(const QStringList &values);
    void replace(qsizetype row, const QString &value);
    // Removes the rows, given in any order.
    void removeRowsAt(QList<int> rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QString m_title;
    QStringList m_values;
};

class QTableView;
// The table's look for a list of any length: one stretched column, rows of one fixed height (so
// that no row is measured), whole rows selected, several at once, nothing edited in place.
void setUpSeriesTable(QTableView *table, SeriesListModel *model);
