#include "imaging/CropBatchListModel.h"

#include "core/Messages.h"
#include "core/Utilities.h"

#include <QFileInfo>

CropBatchListModel::CropBatchListModel(QObject *parent) : QAbstractTableModel(parent) {}

const QStringList &CropBatchListModel::columnKeys()
{
    static const QStringList keys{QStringLiteral("SNO"), QStringLiteral("IMG_NAME"), QStringLiteral("Image_Path")};
    return keys;
}

void CropBatchListModel::Create_List(const QString &path)
{
    const QString trimmed = Trim_Str(path);
    if (trimmed.isEmpty())
        return;
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_records.append(Record{{QStringLiteral("SNO"), QString::number(row + 1)},
                            {QStringLiteral("Image_Path"), trimmed},
                            {QStringLiteral("IMG_NAME"), QFileInfo(trimmed).fileName()}});
    endInsertRows();
}

QString CropBatchListModel::Get_Item_Text(int index) const
{
    if (index < 0 || index >= count()) {
        Show_NSLog_Message(QStringLiteral("No list item at %1").arg(index));
        return {};
    }
    return m_records.at(index).value(QStringLiteral("Image_Path"));
}

void CropBatchListModel::clear()
{
    beginResetModel();
    m_records.clear();
    endResetModel();
}

QStringList CropBatchListModel::paths() const
{
    QStringList out;
    for (const Record &r : m_records)
        out << r.value(QStringLiteral("Image_Path"));
    return out;
}

int CropBatchListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int CropBatchListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columnKeys().size());
}

QVariant CropBatchListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_records.at(index.row()).value(columnKeys().value(index.column()));
}

bool CropBatchListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() >= columnCount())
        return false;
    if (index.row() >= count()) {
        Show_NSLog_Message(QStringLiteral("No list item at %1").arg(index.row()));
        return false;
    }
    m_records[index.row()][columnKeys().at(index.column())] = value.toString();
    emit dataChanged(index, index);
    return true;
}

QVariant CropBatchListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList titles{QStringLiteral("No."), QStringLiteral("Name"), QStringLiteral("Path")};
    return titles.value(section);
}

Qt::ItemFlags CropBatchListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}
