#pragma once
// The value list's text import as pure functions: decoding a file's bytes, the text each file kind
// gives, and the tab and CSV rules that turn that text into record writes. The window applies the
// writes through the list's creation and replacement rules.

#include "io/ValueRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace value_list_import {

// A text file larger than this is refused.
constexpr qint64 kMaxFileBytes = qint64(256) << 20;
// Values the tab rule reads are cut to this length.
constexpr int kMaxValueLength = 1000;

// Which record fields the file fills, and whether it overwrites from row 0.
struct Options {
    bool value = false;
    bool header = false;
    bool footer = false;
    bool pq = false;
    bool overwrite = false;
};

// One record write: replace record index, or (append) create a record after the last.
struct RecordWrite {
    bool append = false;
    int index = 0;
    QString value, header, footer, pq;
    bool operator==(const RecordWrite &) const = default;
};

// The text of a file's bytes: a byte-order mark (UTF-8, UTF-16 LE or BE) decides; else valid UTF-8;
// else Latin-1. Null when the bytes hold NUL characters and no UTF-16 mark.
QString decodeText(const QByteArray &bytes);

// The text a file gives the rules, by its extension (compared in upper case): RTF its plain text;
// CSV the decoded text as it is; anything else the decoded text without the blank lines at its start
// and end and without the CR of each line end (a TAB at the very start is a field). Null when the
// bytes cannot be decoded.
QString importText(const QByteArray &bytes, const QString &extension);

// Whether the CSV rule reads files of this extension (the tab rule reads the others).
bool isCsvExtension(const QString &extension);

// The lines of a text for the tab rule (split at LF), each split into its fields (at TAB).
QList<QStringList> splitTabText(const QString &text);
// The tab rule. existing: the list when the import starts; target: the first row written (0 when
// overwriting, else the list's count).
QList<RecordWrite> tabRule(const QList<QStringList> &lines, const Options &options,
                           const QList<ValueRecord> &existing, int target);

// The rows of a CSV text (RFC 4180): fields separated by ",", a field in double quotes may hold
// commas, line breaks and doubled quotes; rows end in CR LF, LF or CR. Outside quotes a quote is a
// character like any other; an unclosed quote runs to the end. Rows of blank fields only are left
// out.
QList<QStringList> csvRows(const QString &text);
// The same rows handed to the visitor one by one as they are read (the import wizard's CSV road).
void forEachCsvRow(const QString &text, const std::function<void(const QStringList &row)> &visit);
// Whether a row only names columns (each field a column title of the list, in any case).
bool isColumnTitleRow(const QStringList &row);
// The CSV rule: a first row that only names columns is no record; every other row is one record,
// its columns mapped to the ticked fields as the tab rule maps them.
QList<RecordWrite> csvRule(const QList<QStringList> &rows, const Options &options, const QList<ValueRecord> &existing,
                           int target);

} // namespace value_list_import
