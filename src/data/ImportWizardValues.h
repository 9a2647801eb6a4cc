#pragma once
// The values each source of the import wizard gives, as pure functions of its input, so that the
// window only checks, asks and delivers.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace import_wizard {

// Files larger than this are refused as corrupted: reading them whole could exhaust memory.
constexpr qint64 kMaxTextFileBytes = qint64(256) * 1024 * 1024;

enum class TextKind { Plain, Csv, Rtf };

// A file's values held as the lines of a series file (UTF-8, each followed by a line feed): a
// million short values take about the file's size here, several times that as a list of strings.
// A value never holds a line feed.
struct ValueLines {
    QByteArray utf8;
    qsizetype count = 0;

    void append(const QString &value)
    {
        utf8 += value.toUtf8();
        utf8 += '\n';
        ++count;
    }
    // Hands each value to the visitor in order until it answers false; false then.
    template <typename Visit>
    bool forEach(Visit &&visit) const
    {
        qsizetype start = 0;
        for (qsizetype i = 0; i < count; ++i) {
            const qsizetype end = utf8.indexOf('\n', start);
            if (!visit(QString::fromUtf8(utf8.constData() + start, end - start)))
                return false;
            start = end + 1;
        }
        return true;
    }
    QStringList toStringList() const
    {
        QStringList out;
        forEach([&out](const QString &value) {
            out << value;
            return true;
        });
        return out;
    }
};

// The kind follows the extension, compared in upper case: "RTF", "CSV", anything else plain text.
TextKind kindOf(const QString &path);

// Removes every backslash, "{" and "}", then trims (white space and newlines, then control characters).
QString chk_and_insert_validation(const QString &text);

// The values of a text file's bytes; nothing when the bytes cannot be decoded or give no text.
// Plain and rich text: one value per line up to the first line holding "NSFont = ", blank lines
// skipped. CSV: the rows the value list's import reads (RFC 4180: a quoted field keeps its commas,
// doubled quotes and line breaks, a line break becoming a blank); every field of a row one value; a
// field holding "NSFont = " ends its row; blank fields skipped.
std::optional<ValueLines> textFileValues(QByteArray bytes, TextKind kind);

// What reading a text file gave: its values, or why there are none.
struct TextFileRead {
    enum class Status { Values, Unreadable, Corrupted };
    Status status = Status::Unreadable;
    ValueLines values;
};
// Reads the file whole (a file giving more than the cap is refused) and takes its values by the
// kind of its extension. Unreadable: no regular file (a folder, a FIFO, a device), or a file that
// cannot be opened or read.
TextFileRead readTextFile(const QString &path);

// Typed text trimmed as a whole and split at line feeds; empty lines dropped, the others unchanged.
// Nothing when the text holds unpaired surrogates (it cannot be written as UTF-8).
std::optional<QStringList> typedLines(const QString &text);

// The image files directly in a folder (regular files whose lower-cased extension is one of the
// types), each as the folder path joined with its name, sorted by name. A folder that cannot be
// listed has none.
QStringList imageFiles(const QString &folder, const QStringList &types);

} // namespace import_wizard
