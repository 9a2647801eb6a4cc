#pragma once
// One record of the Barcode mode's value list: "Value", "Header", "Footer" and "PQ" (print
// quantity), all four always present in a record made by the list's own rules.

#include <QMap>
#include <QString>
#include <QStringList>

using ValueRecord = QMap<QString, QString>;

namespace value_list {

inline const QString kValue = QStringLiteral("Value");
inline const QString kHeader = QStringLiteral("Header");
inline const QString kFooter = QStringLiteral("Footer");
inline const QString kPQ = QStringLiteral("PQ");

// The keys in the order of the table's columns.
inline QStringList recordKeys() { return {kValue, kHeader, kFooter, kPQ}; }

} // namespace value_list
