#include "data/ImportWizardValues.h"

#include "core/Utilities.h"
#include "io/ValueListImportRules.h"
#include "platform/RtfText.h"
#include "platform/UserFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace import_wizard {

namespace {

const QString kFontMark = QStringLiteral("NSFont = ");

bool validUtf16(const QString &text)
{
    const QChar *p = text.constData();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i].isHighSurrogate()) {
            if (i + 1 >= n || !p[i + 1].isLowSurrogate())
                return false;
            ++i;
        } else if (p[i].isLowSurrogate()) {
            return false;
        }
    }
    return true;
}

// A line break inside a quoted CSV field is a blank, as in a spreadsheet cell: one field stays
// one value (a series file holds one value a line).
QString oneLine(QString field)
{
    field.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    field.replace(QLatin1Char('\n'), QLatin1Char(' '));
    field.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return field;
}

} // namespace

TextKind kindOf(const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toUpper();
    if (ext == QLatin1String("RTF"))
        return TextKind::Rtf;
    if (ext == QLatin1String("CSV"))
        return TextKind::Csv;
    return TextKind::Plain;
}

QString chk_and_insert_validation(const QString &text)
{
    QString s = text;
    s.remove(QLatin1Char('\\'));
    s.remove(QLatin1Char('{'));
    s.remove(QLatin1Char('}'));
    return Trim_Str(s);
}

std::optional<ValueLines> textFileValues(QByteArray bytes, TextKind kind)
{
    if (bytes.size() > kMaxTextFileBytes)
        return std::nullopt;
    QString text;
    if (kind == TextKind::Rtf) {
        if (!bytes.trimmed().startsWith("{\\rtf"))
            return std::nullopt;
        text = platform::rtfPlainText(bytes);
    } else {
        text = value_list_import::decodeText(bytes);
        if (text.isNull())
            return std::nullopt;
    }
    bytes = QByteArray();   // the file's bytes are not kept beside its values
    text = Trim_Str(text);
    if (text.isEmpty())
        return std::nullopt;

    if (kind == TextKind::Csv) {
        ValueLines values;
        // The value list's CSV reader, row by row: quoted fields keep their commas and line breaks.
        value_list_import::forEachCsvRow(text, [&values](const QStringList &row) {
            for (const QString &raw : row) {
                const QString field = chk_and_insert_validation(oneLine(raw));
                if (field.contains(kFontMark))
                    break;
                if (!field.isEmpty())
                    values.append(field);
            }
        });
        return values;
    }

    // Scanned in place: a large file is not copied line by line before its values are taken.
    const QStringView all(text);
    ValueLines values;
    for (QStringView raw : all.tokenize(QLatin1Char('\n'))) {
        const QString line = chk_and_insert_validation(raw.toString());
        if (line.contains(kFontMark))
            break;
        if (!line.isEmpty())
            values.append(line);
    }
    return values;
}

TextFileRead readTextFile(const QString &path)
{
    TextFileRead read;
    // A regular file only (a FIFO or a device would never end), read no further than the cap.
    platform::UserFileRead file = platform::readUserFile(path, kMaxTextFileBytes);
    if (file.status == platform::UserFileRead::Status::NotAFile || file.status == platform::UserFileRead::Status::Unreadable)
        return read;
    std::optional<ValueLines> values = textFileValues(std::move(file.bytes), kindOf(path));
    if (!values) {
        read.status = TextFileRead::Status::Corrupted;
        return read;
    }
    read.status = TextFileRead::Status::Values;
    read.values = std::move(*values);
    return read;
}

std::optional<QStringList> typedLines(const QString &text)
{
    if (!validUtf16(text))
        return std::nullopt;
    QStringList lines;
    for (const QString &line : Trim_Str(text).split(QLatin1Char('\n')))
        if (!line.isEmpty())
            lines << line;
    return lines;
}

QStringList imageFiles(const QString &folder, const QStringList &types)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isFile() && types.contains(info.suffix().toLower()))
            names << info.fileName();
    }
    std::sort(names.begin(), names.end());
    QStringList paths;
    paths.reserve(names.size());
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    for (const QString &name : names)
        paths << base + name;
    return paths;
}

} // namespace import_wizard
