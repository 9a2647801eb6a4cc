#include "io/ValueListImportRules.h"

#include "core/Utilities.h"
#include "platform/RtfText.h"

#include <QStringDecoder>

namespace value_list_import {

namespace {

bool isBlankLine(QStringView line)
{
    for (QChar c : line)
        if (!c.isSpace())
            return false;
    return true;
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return decoder.decode(QByteArrayView(bytes).sliced(2));
    }
    if (bytes.contains('\0'))
        return QString();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.isNull() ? QString(QLatin1String("")) : text;
    return QString::fromLatin1(bytes);
}

bool isCsvExtension(const QString &extension) { return extension.toUpper() == QLatin1String("CSV"); }

QString importText(const QByteArray &bytes, const QString &extension)
{
    const QString kind = extension.toUpper();
    if (kind == QLatin1String("RTF")) {
        if (bytes.contains('\0'))
            return QString();
        const QString text = platform::rtfPlainText(bytes);
        return text.isNull() ? QString(QLatin1String("")) : text;
    }
    const QString text = decodeText(bytes);
    if (text.isNull())
        return text;
    if (kind == QLatin1String("CSV"))
        return text;   // quoted fields keep their spaces and line breaks
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    qsizetype first = 0;
    while (first < lines.size() && isBlankLine(lines.at(first)))
        ++first;
    qsizetype last = lines.size();
    while (last > first && isBlankLine(lines.at(last - 1)))
        --last;
    return lines.mid(first, last - first).join(QLatin1Char('\n'));
}

QList<QStringList> splitTabText(const QString &text)
{
    QList<QStringList> lines;
    for (const QString &line : text.split(QLatin1Char('\n')))
        lines.append(line.split(QLatin1Char('\t')));
    return lines;
}

QList<RecordWrite> tabRule(const QList<QStringList> &lines, const Options &options,
                           const QList<ValueRecord> &existing, int target)
{
    using namespace value_list;
    const int N = int(existing.size());

    bool multiColumn = false;
    for (const QStringList &fields : lines)
        if (fields.size() >= 2 && Trim_Str(fields.at(1)).size() >= 2) {
            multiColumn = true;
            break;
        }

    // The ticked fields take the positions 1, 2, 3, 4 in the order Value, Header, Footer, PQ.
    int position[4] = {0, 0, 0, 0};
    const bool ticked[4] = {options.value, options.header, options.footer, options.pq};
    int next = 1;
    for (int f = 0; f < 4; ++f)
        if (ticked[f])
            position[f] = next++;

    QList<RecordWrite> writes;
    for (const QStringList &fields : lines) {
        if (fields.size() == 1 && fields.at(0).isEmpty())
            continue;   // an empty line does not advance the row
        const bool existingRow = target < N;
        const ValueRecord own = existingRow ? existing.at(target) : ValueRecord();
        QString slot[5];
        if (existingRow) {
            slot[2] = own.value(kHeader);
            slot[3] = own.value(kFooter);
            slot[4] = own.value(kPQ);
        }
        slot[1] = Trim_Str(fields.at(0));
        for (int k = 2; k <= 4; ++k) {
            if (fields.size() >= k) {
                const QString field = Trim_Str(fields.at(k - 1));
                if (!field.isEmpty() || !multiColumn)
                    slot[k] = field;
            } else if (!multiColumn) {
                slot[k] = Trim_Str(fields.last());
            }
        }
        const QString ownField[4] = {own.value(kValue), own.value(kHeader), own.value(kFooter), own.value(kPQ)};
        QString out[4];
        for (int f = 0; f < 4; ++f)
            out[f] = ticked[f] ? slot[position[f]] : (existingRow ? ownField[f] : QString());
        if (out[0].size() > kMaxValueLength)
            out[0] = out[0].left(kMaxValueLength);
        writes.append({!existingRow, existingRow ? target : 0, out[0], out[1], out[2], out[3]});
        ++target;
    }
    return writes;
}

} // namespace value_list_import
