#include "io/ValueListModel.h"

#include "core/Messages.h"

#include <utility>

ValueListModel::ValueListModel(const QList<ValueRecord> *records, QStringList keys, QStringList titles, QObject *parent)
    : QAbstractTableModel(parent), m_records(records), m_keys(std::move(keys)), m_titles(std::move(titles))
{
    m_rows = m_records ? int(m_records->size()) : 0;
}

int ValueListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rows; }

int ValueListModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_keys.size()); }

QVariant ValueListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || !m_records || m_records->isEmpty())
        return QVariant();
    if (index.row() >= m_records->size()) {
        // The array shrank without a reload: the cell stays empty until the table is reloaded.
        Show_NSLog_Message(QStringLiteral("Value list: row %1 is outside the %2 records.")
                               .arg(index.row())
                               .arg(m_records->size()));
        return QString();
    }
    return m_records->at(index.row()).value(m_keys.value(index.column()));
}

QVariant ValueListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return m_titles.value(section, m_keys.value(section));
    return section + 1;
}

Qt::ItemFlags ValueListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void ValueListModel::reload()
{
    beginResetModel();
    m_rows = m_records ? int(m_records->size()) : 0;
    endResetModel();
}
