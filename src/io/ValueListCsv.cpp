// The value list's CSV import: the rows of an RFC 4180 text, and the records they make.

#include "io/ValueListImportRules.h"

#include "core/Utilities.h"

namespace value_list_import {

namespace {

bool isBlankRow(const QStringList &row)
{
    for (const QString &field : row)
        if (!field.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

QList<QStringList> csvRows(const QString &text)
{
    QList<QStringList> rows;
    forEachCsvRow(text, [&rows](const QStringList &row) { rows.append(row); });
    return rows;
}

void forEachCsvRow(const QString &text, const std::function<void(const QStringList &row)> &visit)
{
    QStringList row;
    QString field;
    bool quoted = false;       // inside a quoted field
    bool rowHasData = false;   // the row has a character or a separator yet
    const auto endField = [&] {
        row.append(field);
        field.clear();
    };
    const auto endRow = [&] {
        endField();
        if (!isBlankRow(row))
            visit(row);
        row.clear();
        rowHasData = false;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != QLatin1Char('"')) {
                field.append(c);
            } else if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                field.append(c);
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            rowHasData = true;
        } else if (c == QLatin1Char(',')) {
            endField();
            rowHasData = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRow();
        } else {
            field.append(c);
            rowHasData = true;
        }
    }
    if (rowHasData || !field.isEmpty())
        endRow();
}

bool isColumnTitleRow(const QStringList &row)
{
    static const QStringList titles = {
        QStringLiteral("Value"),          QStringLiteral("Header"),         QStringLiteral("Footer"),
        QStringLiteral("PQ"),             QStringLiteral("Quantity"),       QStringLiteral("Print Quantity"),
        QStringLiteral("Barcode Value"),  QStringLiteral("Barcode Header"), QStringLiteral("Barcode Footer"),
    };
    bool named = false;
    for (const QString &field : row) {
        const QString name = Trim_Str(field);
        if (name.isEmpty())
            continue;
        if (!titles.contains(name, Qt::CaseInsensitive))
            return false;
        named = true;
    }
    return named;
}

QList<RecordWrite> csvRule(const QList<QStringList> &rows, const Options &options, const QList<ValueRecord> &existing,
                           int target)
{
    QList<QStringList> records = rows;
    if (!records.isEmpty() && isColumnTitleRow(records.first()))
        records.removeFirst();
    return tabRule(records, options, existing, target);
}

} // namespace value_list_import
