// Workbook writing: the worksheet and shared-strings parts over the unpacked template, packed into
// the target, which is replaced only by a complete workbook.

#include "io/SpreadsheetWriter.h"

#include "core/FileServices.h"
#include "core/UserFolders.h"
#include "core/Messages.h"
#include "io/SSZipArchive.h"
#include "platform/Files.h"
#include "platform/Temporaries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char *const kMainNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

bool isHex(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
           || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

// Characters XML 1.0 cannot carry go as "_xHHHH_"; an underscore that would read as the start of
// such an escape is itself escaped ("_x005F_"), so that every text reads back as written.
QByteArray escapeText(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        bool pairOk = false;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            pairOk = true;
        else if (c.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())
            pairOk = true;
        const bool invalid = (u < 0x20 && u != 0x9 && u != 0xA && u != 0xD) || u == 0xFFFE || u == 0xFFFF
                             || (c.isSurrogate() && !pairOk);
        if (invalid) {
            out += QStringLiteral("_x") + QString::number(int(u), 16).rightJustified(4, QLatin1Char('0')).toUpper()
                   + QLatin1Char('_');
        } else if (u == '_' && i + 6 < text.size() && text.at(i + 1) == QLatin1Char('x') && isHex(text.at(i + 2))
                   && isHex(text.at(i + 3)) && isHex(text.at(i + 4)) && isHex(text.at(i + 5))
                   && text.at(i + 6) == QLatin1Char('_')) {
            out += QStringLiteral("_x005F_");
        } else if (u == '&') {
            out += QStringLiteral("&amp;");
        } else if (u == '<') {
            out += QStringLiteral("&lt;");
        } else if (u == '>') {
            out += QStringLiteral("&gt;");
        } else if (u == '\r') {
            out += QStringLiteral("&#13;");   // a literal CR would read back as LF
        } else {
            out += c;
        }
    }
    return out.toUtf8();
}

bool hasEdgeBlank(const QString &text)
{
    return !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
}

// A number cell carries its text exactly, so only texts every reader gives back unchanged are
// numbers: plain decimal notation with no leading zero ("007" stays text), no trailing zero after
// the point, no "-0", and at most 15 significant digits.
bool isNumberCell(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && text.at(i) == QLatin1Char('-'))
        ++i;
    const qsizetype intBegin = i;
    while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 0x80)
        ++i;
    const qsizetype intLen = i - intBegin;
    if (intLen == 0 || (intLen > 1 && text.at(intBegin) == QLatin1Char('0')))
        return false;
    qsizetype fracLen = 0;
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        const qsizetype fracBegin = i;
        while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 0x80)
            ++i;
        fracLen = i - fracBegin;
        if (fracLen == 0 || text.at(i - 1) == QLatin1Char('0'))
            return false;
    }
    if (i != n)
        return false;
    // Significant digits: from the first non-zero digit to the last digit.
    QString digits = text.mid(intBegin, intLen) + text.mid(intBegin + intLen + 1, fracLen);
    qsizetype first = 0;
    while (first < digits.size() && digits.at(first) == QLatin1Char('0'))
        ++first;
    if (first == digits.size())
        return intBegin == 0;   // "0", "-0" is no plain number
    return digits.size() - first <= 15;
}

// Copies the packed workbook into place whole, so that a failure keeps the old file.
bool replaceWithPacked(const QString &packed, const QString &target, QString *error, QString *unsynced)
{
    QFile in(packed);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return false;
    }
    return platform::writeFileAtomically(
        target,
        [&in](QIODevice &out) {
            char buffer[65536];
            for (;;) {
                const qint64 n = in.read(buffer, sizeof buffer);
                if (n < 0)
                    return false;
                if (n == 0)
                    return true;
                if (out.write(buffer, n) != n)
                    return false;
            }
        },
        error, unsynced);
}

} // namespace

QString SpreadsheetWriter::ColumnIndexToName(int column)
{
    QString name;
    for (int n = column; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(char16_t('A' + (n - 1) % 26)));
    return name;
}

bool SpreadsheetWriter::WriteWorkbook(const QString &path, const Rows &rows, bool, QString *unsynced)
{
    if (!spreadsheet)
        spreadsheet = new SpreadsheetWriter;
    SpreadsheetWriter &s = *spreadsheet;
    s.data = rows;
    if (rows.isEmpty()) {
        Show_NSLog_Message(QStringLiteral("There are no rows to write to %1.").arg(path));
        return false;
    }
    // A write ends a read in progress: the shared strings are the write's from here on.
    EndRead();
    // The parts and the packed workbook hold the user's values: they go however the write ends, and
    // what a killed write left goes at the next start (workbookPartsTarget).
    QString why;
    const QString scratch = platform::makeTemporaryFolder(workbookPartsTarget(), QStringLiteral("parts"), &why);
    if (scratch.isEmpty()) {
        Show_NSLog_Message(QStringLiteral("The workbook %1 cannot be written. %2").arg(path, why));
        return false;
    }
    const struct RemoveAtEnd {
        QString folder;
        ~RemoveAtEnd() { platform::removeOwnEntry(folder); }
    } removeAtEnd{scratch};
    const QString parts = scratch + QStringLiteral("/parts");
    if (!QDir().mkpath(parts + QStringLiteral("/xl/worksheets"))) {
        Show_NSLog_Message(QStringLiteral("The folder %1 cannot be created.").arg(parts));
        return false;
    }
    const QString resources = Resource_Path.isEmpty() ? platform::resourceFolder() : Resource_Path;
    const QString templatePath = QDir(resources).filePath(QStringLiteral("Template.xlsx"));
    if (!SSZipArchive::unzipFileAtPath(templatePath, parts, true)) {
        Show_NSLog_Message(QStringLiteral("The workbook template %1 cannot be unpacked.").arg(templatePath));
        return false;
    }
    const QString sheetPart = parts + QStringLiteral("/xl/worksheets/sheet1.xml");
    const QString stringsPart = parts + QStringLiteral("/xl/sharedStrings.xml");
    if (!s.WriteWorksheetData(sheetPart)) {
        Show_NSLog_Message(QStringLiteral("Error when writing file %1").arg(sheetPart));
        return false;
    }
    if (!s.WriteSharedStringsXML(stringsPart)) {
        Show_NSLog_Message(QStringLiteral("Error when writing file %1").arg(stringsPart));
        return false;
    }
    QStringList entries;
    const QDir folder(parts);
    for (const QString &name :
         folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        entries << folder.filePath(name);
    if (entries.isEmpty()) {
        Show_NSLog_Message(QStringLiteral("The folder %1 cannot be listed.").arg(parts));
        return false;
    }
    const QString packed = scratch + QStringLiteral("/packed.xlsx");
    bool allAdded = false;
    const bool ok = SSZipArchive::createZipFileAtPath(packed, entries, &allAdded) && allAdded;
    QString error;
    const bool placed = ok && replaceWithPacked(packed, path, &error, unsynced);
    if (!placed)
        Show_NSLog_Message(QStringLiteral("The workbook %1 cannot be written. %2").arg(path, error));
    return placed;
}

bool SpreadsheetWriter::WriteWorksheetData(const QString &path)
{
    sharedStrings.clear();
    const int columns = data.isEmpty() ? 0 : int(data.first().size());
    const int rowCount = int(data.size());
    const QByteArray last = (ColumnIndexToName(qMax(columns, 1)) + QString::number(qMax(rowCount, 1))).toLatin1();
    QByteArray xml;
    xml.reserve(256 + rowCount * qMax(columns, 1) * 32);
    xml += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
    xml += "<worksheet xmlns=\"";
    xml += kMainNamespace;
    xml += "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
           " xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\""
           " xmlns:x14ac=\"http://schemas.microsoft.com/office/spreadsheetml/2009/9/ac\" mc:Ignorable=\"x14ac\">\n";
    xml += "\t<dimension ref=\"A1:" + last + "\" />\n";
    xml += "\t<sheetViews>\n\t\t<sheetView tabSelected=\"1\" workbookViewId=\"0\">\n\t\t\t<selection activeCell=\"" + last
           + "\" sqref=\"" + last + "\" />\n\t\t</sheetView>\n\t</sheetViews>\n";
    xml += "\t<sheetFormatPr baseColWidth=\"10\" defaultRowHeight=\"15\" x14ac:dyDescent=\"0\" />\n";
    xml += "\t<sheetData>\n";
    QList<QByteArray> names;
    for (int r = 0; r < rowCount; ++r) {
        const QByteArray number = QByteArray::number(r + 1);
        xml += "\t\t<row r=\"" + number + "\" spans=\"1:" + QByteArray::number(columns) + "\">\n";
        const QStringList &values = data.at(r);
        for (int j = 0; j < values.size(); ++j) {
            while (names.size() <= j)
                names.append(ColumnIndexToName(int(names.size()) + 1).toLatin1());
            const QString &value = values.at(j);
            xml += "\t\t\t<c r=\"" + names.at(j) + number + "\"";
            if (isNumberCell(value)) {
                xml += "><v>" + value.toLatin1() + "</v></c>\n";
            } else {
                sharedStrings.append(value);
                xml += " t=\"s\"><v>" + QByteArray::number(sharedStrings.size() - 1) + "</v></c>\n";
            }
        }
        xml += "\t\t</row>\n";
    }
    xml += "\t</sheetData>\n";
    xml += "\t<pageMargins left=\"0.75\" right=\"0.75\" top=\"1\" bottom=\"0.5\" header=\"0.5\" footer=\"0.5\" />\n";
    xml += "</worksheet>\n";
    return platform::writeFileAtomically(path, xml);
}

bool SpreadsheetWriter::WriteSharedStringsXML(const QString &path)
{
    QByteArray xml;
    xml += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
    xml += "<sst xmlns=\"";
    xml += kMainNamespace;
    xml += "\"";
    if (!sharedStrings.isEmpty()) {
        const QByteArray count = QByteArray::number(sharedStrings.size());
        xml += " count=\"" + count + "\" uniqueCount=\"" + count + "\"";
    }
    xml += ">\n";
    for (const QString &text : sharedStrings) {
        xml += hasEdgeBlank(text) ? "\t<si>\n\t\t<t xml:space=\"preserve\">" : "\t<si>\n\t\t<t>";
        xml += escapeText(text);
        xml += "</t>\n\t</si>\n";
    }
    xml += "</sst>\n";
    return platform::writeFileAtomically(path, xml);
}
