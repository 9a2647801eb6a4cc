#include "data/ColumnTableModel.h"

ColumnTableModel::ColumnTableModel(bool withHeader, QObject *parent) : QAbstractTableModel(parent), m_withHeader(withHeader)
{
}

void ColumnTableModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ColumnTableModel::append(const Row &row)
{
    const int at = int(m_rows.size());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.append(row);
    endInsertRows();
}

void ColumnTableModel::setAllStates(bool state)
{
    // Rebuilt from a copy of the rows: the titles and names stay, the states change.
    QList<Row> copy = m_rows;
    for (Row &row : copy)
        row.State = state;
    beginResetModel();
    m_rows = copy;
    endResetModel();
}

int ColumnTableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int ColumnTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : (m_withHeader ? 3 : 2); }

QVariant ColumnTableModel::data(const QModelIndex &index, int role) const
{
    // A row outside the table is refused.
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Row &row = m_rows.at(index.row());
    switch (index.column()) {
    case 0:
        return role == Qt::CheckStateRole ? QVariant(row.State ? Qt::Checked : Qt::Unchecked) : QVariant();
    case 1:
        return role == Qt::DisplayRole ? QVariant(row.Extension) : QVariant();
    case 2:
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(row.Header) : QVariant();
    default:
        return QVariant();
    }
}

bool ColumnTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return false;
    Row &row = m_rows[index.row()];
    if (index.column() == 0 && role == Qt::CheckStateRole) {
        row.State = value.toInt() == Qt::Checked;
    } else if (index.column() == 2 && m_withHeader && role == Qt::EditRole) {
        row.Header = value.toString();
    } else {
        return false;
    }
    emit dataChanged(index, index, {role});
    return true;
}

QVariant ColumnTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0:
        return QStringLiteral("Select");
    case 1:
        return QStringLiteral("Column");
    case 2:
        return QStringLiteral("Series Name");
    default:
        return QVariant();
    }
}

Qt::ItemFlags ColumnTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    if (index.column() == 2 && m_withHeader)
        f |= Qt::ItemIsEditable;
    return f;
}
