#include "data/ImportWizardValues.h"

#include "core/Utilities.h"
#include "io/ValueListImportRules.h"
#include "platform/RtfText.h"

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

    // Scanned in place: a large file is not copied line by line before its values are taken.
    const QStringView all(text);
    const qsizetype n = all.size();
    ValueLines values;
    if (kind == TextKind::Csv) {
        qsizetype start = 0;
        while (start <= n) {
            qsizetype end = start;
            while (end < n && all[end] != QLatin1Char('\n') && all[end] != QLatin1Char('\r'))
                ++end;
            for (QStringView raw : all.mid(start, end - start).tokenize(QLatin1Char(','))) {
                const QString field = chk_and_insert_validation(raw.toString());
                if (field.contains(kFontMark))
                    break;
                if (!field.isEmpty())
                    values.append(field);
            }
            if (end + 1 < n && all[end] == QLatin1Char('\r') && all[end + 1] == QLatin1Char('\n'))
                ++end;
            start = end + 1;
        }
        return values;
    }
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
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return read;
    // Larger files are refused before they are read whole.
    QByteArray bytes = file.size() > kMaxTextFileBytes ? QByteArray() : file.readAll();
    if (file.error() != QFileDevice::NoError)
        return read;
    std::optional<ValueLines> values = textFileValues(std::move(bytes), kindOf(path));
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
