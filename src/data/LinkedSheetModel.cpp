#include "data/LinkedSheetModel.h"

#include "io/LinkedSheetTable.h"

LinkedSheetModel::LinkedSheetModel(const LinkedSheetTable &table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
}

int LinkedSheetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.rows.size());
}

int LinkedSheetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.columnTitles.size()) + 1;
}

QVariant LinkedSheetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    const QString key = index.column() == 0 ? QStringLiteral("Extension") : QStringLiteral("Column%1").arg(index.column());
    return m_table.value(index.row(), key);
}

QVariant LinkedSheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    return section == 0 ? QStringLiteral("Row") : m_table.columnTitles.value(section - 1);
}

Qt::ItemFlags LinkedSheetModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void LinkedSheetModel::reload()
{
    beginResetModel();
    endResetModel();
}
