#pragma once
// The spreadsheet linked to the design: one title per linked column (column k is titles[k - 1]) and
// one row per record. A row holds its texts in column order; the keys the readers use ("Extension"
// for the row number, "Column%d" from 1 for the cells) are answered by value(), so a large link
// costs its texts and little more.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

class LinkedSheetRow {
public:
    LinkedSheetRow() = default;
    explicit LinkedSheetRow(QStringList cells) : cells(std::move(cells)) {}
    // A row from keyed texts ("Column%d"); other keys (the row number) are not kept.
    LinkedSheetRow(std::initializer_list<std::pair<QString, QString>> keyed);
    static LinkedSheetRow fromMap(const QMap<QString, QString> &keyed);

    // The cell under "Column%d", def for another key or a column the row does not have.
    QString value(const QString &key, const QString &def = QString()) const;

    QStringList cells;
};

struct LinkedSheetTable {
    QStringList columnTitles;
    QList<LinkedSheetRow> rows;

    // Row r's text under a key: "Extension" gives r + 1; "" outside the table.
    QString value(qsizetype row, const QString &key) const;
    // A row as the project files keep it: "Extension" and "Column1" .. "Column<n>".
    QMap<QString, QString> keyedRow(qsizetype row) const;
    QList<QMap<QString, QString>> keyedRows() const;
    void setKeyedRows(const QList<QMap<QString, QString>> &keyed);
};

// The column number k of a key "Column<k>", 0 for any other key.
int linkedColumnOfKey(const QString &key);
