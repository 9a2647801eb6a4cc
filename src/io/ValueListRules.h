#pragma once
// The rules every value-list record is made and replaced by, and the whole-list operations of the
// row commands, as pure functions over the list: trimmed fields, a print quantity of 1 to 1000,
// the separator value refused.

#include "io/ValueRecord.h"

#include <QList>
#include <QString>

namespace value_list {

// 76 "=": a record whose trimmed value is this text is never added.
const QString &Separator_Value();

// The leading signed decimal number of the text, as a number field reads it: leading blanks skipped,
// 0 when there is none, saturating at the ends of a 32-bit int on overflow.
int leadingInt(const QString &text);

// True when the text is NOT a valid print quantity: empty after trimming, a leading number below 1,
// or any character other than the digits 0-9.
bool Check_PQ_Number(const QString &text);

// The print quantity the creation and replacement rules store for a given text: "1" for an invalid
// one, "1000" above 1000, else the trimmed text (leading zeros kept).
QString normalisedPQ(const QString &text);

enum class CreateResult { Added, Separator, IndexOutOfRange };

// Adds a record at index (0..count, count appends); to an empty list the record is appended
// whatever the index. Nothing is added for the separator value or an index outside the list.
CreateResult createRecord(QList<ValueRecord> &list, const QString &value, const QString &header,
                          const QString &footer, const QString &pq, int index);

// Replaces record index. Unless keepPQ is set the print quantity is normalised, and it becomes ""
// when value, header and footer are all empty; with keepPQ it is stored as given (trimmed).
// Throws std::out_of_range for an index outside the list.
void replaceRecord(QList<ValueRecord> &list, const QString &value, const QString &header, const QString &footer,
                   const QString &pq, int index, bool keepPQ);

// Value, header and footer empty after trimming, and a print quantity that is empty or exactly "1".
bool isBlankRecord(const ValueRecord &record);

// Removes every blank record in one pass, keeping the others in order; answers how many went.
qsizetype removeBlankRecords(QList<ValueRecord> &list);

// Removes the records at the given rows (any order, duplicates and rows outside ignored) in one
// pass; answers how many went.
qsizetype removeRows(QList<ValueRecord> &list, const QList<int> &rows);

// The record every add command inserts.
inline const QString kSampleValue = QStringLiteral("123456789012");
inline const QString kSampleHeader = QStringLiteral("Header");
inline const QString kSampleFooter = QStringLiteral("Footer");
inline const QString kSamplePQ = QStringLiteral("1");

} // namespace value_list
