#include "output/ProfileListModel.h"

#include "output/Print_Wnd.h"

#include <QTableView>

const QString ProfileListModel::Column = QStringLiteral("List");

ProfileListModel::ProfileListModel(Print_Wnd &owner, QTableView *table)
    : QAbstractTableModel(table), m_owner(owner), m_table(table)
{
}

int ProfileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_owner.numberOfRowsInTableView(m_table);
}

int ProfileListModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 1; }

QVariant ProfileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return m_owner.tableView_objectValueForTableColumn_row(m_table, Column, index.row());
}

bool ProfileListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    m_owner.tableView_setObjectValue_forTableColumn_row(m_table, value.toString(), Column, index.row());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags ProfileListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant ProfileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0)
        return Column;
    return QVariant();
}

void ProfileListModel::reloadData()
{
    beginResetModel();
    endResetModel();
}
