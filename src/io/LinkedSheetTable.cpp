#include "io/LinkedSheetTable.h"

int linkedColumnOfKey(const QString &key)
{
    static const QLatin1String prefix("Column");
    if (!key.startsWith(prefix) || key.size() == prefix.size())
        return 0;
    bool ok = false;
    const int k = QStringView(key).mid(prefix.size()).toInt(&ok);
    return ok && k > 0 ? k : 0;
}

LinkedSheetRow::LinkedSheetRow(std::initializer_list<std::pair<QString, QString>> keyed)
{
    for (const auto &[key, text] : keyed) {
        const int k = linkedColumnOfKey(key);
        if (k <= 0)
            continue;
        if (cells.size() < k)
            cells.resize(k);
        cells[k - 1] = text;
    }
}

LinkedSheetRow LinkedSheetRow::fromMap(const QMap<QString, QString> &keyed)
{
    LinkedSheetRow row;
    for (auto it = keyed.cbegin(); it != keyed.cend(); ++it) {
        const int k = linkedColumnOfKey(it.key());
        // A project file is untrusted: a key far past any real column adds no room.
        if (k <= 0 || k > 16384)
            continue;
        if (row.cells.size() < k)
            row.cells.resize(k);
        row.cells[k - 1] = it.value();
    }
    return row;
}

QString LinkedSheetRow::value(const QString &key, const QString &def) const
{
    const int k = linkedColumnOfKey(key);
    return k > 0 && k <= cells.size() ? cells.at(k - 1) : def;
}

QString LinkedSheetTable::value(qsizetype row, const QString &key) const
{
    if (row < 0 || row >= rows.size())
        return QStringLiteral("");
    if (key == QLatin1String("Extension"))
        return QString::number(row + 1);
    return rows.at(row).value(key, QStringLiteral(""));
}

QMap<QString, QString> LinkedSheetTable::keyedRow(qsizetype row) const
{
    QMap<QString, QString> keyed;
    if (row < 0 || row >= rows.size())
        return keyed;
    keyed.insert(QStringLiteral("Extension"), QString::number(row + 1));
    const QStringList &cells = rows.at(row).cells;
    for (qsizetype k = 0; k < cells.size(); ++k)
        keyed.insert(QStringLiteral("Column%1").arg(k + 1), cells.at(k));
    return keyed;
}

QList<QMap<QString, QString>> LinkedSheetTable::keyedRows() const
{
    QList<QMap<QString, QString>> out;
    out.reserve(rows.size());
    for (qsizetype r = 0; r < rows.size(); ++r)
        out.append(keyedRow(r));
    return out;
}

void LinkedSheetTable::setKeyedRows(const QList<QMap<QString, QString>> &keyed)
{
    rows.clear();
    rows.reserve(keyed.size());
    for (const QMap<QString, QString> &row : keyed)
        rows.append(LinkedSheetRow::fromMap(row));
}
