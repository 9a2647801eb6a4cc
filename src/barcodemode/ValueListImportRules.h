#pragma once
// The value list's text import as pure functions: decoding a file's bytes, the text each file kind
// gives, and the tab and CSV rules that turn that text into record writes. The window applies the
// writes through the list's creation and replacement rules.

#include "barcodemode/ValueRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

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
// CSV the decoded text trimmed; anything else the decoded text without the blank lines at its start
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

// The items of a text for the CSV rule: its lines split at CR, each line appended to log; of each
// line with "," the trimmed, non-empty items between the commas.
QStringList csvItems(const QString &text, QStringList *log = nullptr);
// The CSV rule: every item is one record, each ticked field the item, the others empty.
QList<RecordWrite> csvRule(const QStringList &items, const Options &options, int existingCount, int target);

} // namespace value_list_import
