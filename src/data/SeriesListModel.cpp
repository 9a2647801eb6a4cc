#include "data/SeriesListModel.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

SeriesListModel::SeriesListModel(const QString &title, QObject *parent) : QAbstractTableModel(parent), m_title(title) {}

void SeriesListModel::clear()
{
    if (m_values.isEmpty())
        return;
    beginResetModel();
    m_values.clear();
    endResetModel();
}

void SeriesListModel::append(const QStringList &values)
{
    if (values.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_values.size()), int(m_values.size() + values.size() - 1));
    m_values += values;
    endInsertRows();
}

void SeriesListModel::replace(qsizetype row, const QString &value)
{
    if (row < 0 || row >= m_values.size())
        return;
    m_values[row] = value;
    const QModelIndex i = index(int(row), 0);
    emit dataChanged(i, i);
}

void SeriesListModel::removeRowsAt(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the bottom up, in runs of neighbouring rows.
    for (qsizetype i = rows.size() - 1; i >= 0;) {
        const int last = rows.at(i);
        int first = last;
        while (i > 0 && rows.at(i - 1) == first - 1)
            first = rows.at(--i);
        --i;
        if (first < 0 || last >= m_values.size())
            continue;
        beginRemoveRows(QModelIndex(), first, last);
        m_values.remove(first, last - first + 1);
        endRemoveRows();
    }
}

int SeriesListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_values.size()); }

int SeriesListModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 1; }

QVariant SeriesListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_values.size() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    return m_values.at(index.row());
}

QVariant SeriesListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section == 0 ? QVariant(m_title) : QVariant();
    return section + 1;
}

Qt::ItemFlags SeriesListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void setUpSeriesTable(QTableView *table, SeriesListModel *model)
{
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(QFontMetrics(table->font()).height() + 6);
    table->verticalHeader()->hide();
    table->setWordWrap(false);
}
