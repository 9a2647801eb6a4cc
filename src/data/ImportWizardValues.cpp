#include "data/ImportWizardValues.h"

#include "barcodemode/ValueListImportRules.h"
#include "core/Utilities.h"
#include "platform/RtfText.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

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

std::optional<QStringList> textFileValues(const QByteArray &bytes, TextKind kind)
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
    text = Trim_Str(text);
    if (text.isEmpty())
        return std::nullopt;

    QStringList values;
    if (kind == TextKind::Csv) {
        static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
        for (const QString &line : text.split(lineEnd)) {
            for (const QString &raw : line.split(QLatin1Char(','))) {
                const QString field = chk_and_insert_validation(raw);
                if (field.contains(kFontMark))
                    break;
                if (!field.isEmpty())
                    values << field;
            }
        }
        return values;
    }
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        const QString line = chk_and_insert_validation(raw);
        if (line.contains(kFontMark))
            break;
        if (!line.isEmpty())
            values << line;
    }
    return values;
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

QStringList imageTypes()
{
    return {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"), QStringLiteral("jfif"),
            QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("tif"),
            QStringLiteral("tiff")};
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
