#pragma once
// Workbooks made during a test: parts written into a folder and packed by the zip component, so that
// a test states exactly the markup the reader meets.

#include "io/SSZipArchive.h"
#include "io/SpreadsheetWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

namespace workbook_test {

inline const char *const kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

inline QByteArray sheetXml(const QByteArray &dimension, const QByteArray &rows)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<worksheet xmlns=\"" + QByteArray(kMain) + "\">";
    if (!dimension.isNull())
        xml += "<dimension ref=\"" + dimension + "\"/>";
    return xml + "<sheetData>" + rows + "</sheetData></worksheet>";
}

inline QByteArray sharedStringsXml(const QList<QByteArray> &items)
{
    QByteArray xml = "<sst xmlns=\"" + QByteArray(kMain) + "\">";
    for (const QByteArray &item : items)
        xml += "<si><t>" + item + "</t></si>";
    return xml + "</sst>";
}

// cellXfs numFmtIds in order, and custom formats (id, code).
inline QByteArray stylesXml(const QList<int> &xfs, const QList<QPair<int, QByteArray>> &formats = {})
{
    QByteArray xml = "<styleSheet xmlns=\"" + QByteArray(kMain) + "\">";
    if (!formats.isEmpty()) {
        xml += "<numFmts count=\"" + QByteArray::number(formats.size()) + "\">";
        for (const auto &f : formats)
            xml += "<numFmt numFmtId=\"" + QByteArray::number(f.first) + "\" formatCode=\"" + f.second + "\"/>";
        xml += "</numFmts>";
    }
    xml += "<cellXfs>";
    for (int id : xfs)
        xml += "<xf numFmtId=\"" + QByteArray::number(id) + "\"/>";
    return xml + "</cellXfs></styleSheet>";
}

inline QByteArray workbookXml(const QStringList &names)
{
    QByteArray xml = "<workbook xmlns=\"" + QByteArray(kMain)
                     + "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>";
    for (int i = 0; i < names.size(); ++i)
        xml += "<sheet name=\"" + names.at(i).toUtf8() + "\" sheetId=\"" + QByteArray::number(i + 1) + "\" r:id=\"rId"
               + QByteArray::number(i + 1) + "\"/>";
    return xml + "</sheets></workbook>";
}

// Writes the parts (path inside the package -> bytes) under a fresh folder and packs them at path.
inline void packParts(const QString &path, const QMap<QString, QByteArray> &parts)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList top;
    for (auto it = parts.cbegin(); it != parts.cend(); ++it) {
        const QString file = dir.filePath(it.key());
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(it.value());
        const QString first = it.key().section(QLatin1Char('/'), 0, 0);
        if (!top.contains(dir.filePath(first)))
            top << dir.filePath(first);
    }
    QFile::remove(path);
    ASSERT_TRUE(SSZipArchive::createZipFileAtPath(path, top));
}

// A one-sheet workbook: the sheet part, and shared strings and styles when given.
inline void packSheet(const QString &path, const QByteArray &sheet, const QByteArray &strings = QByteArray(),
                      const QByteArray &styles = QByteArray())
{
    QMap<QString, QByteArray> parts{{QStringLiteral("xl/worksheets/sheet1.xml"), sheet},
                                    {QStringLiteral("xl/workbook.xml"), workbookXml({QStringLiteral("Sheet1")})}};
    if (!strings.isNull())
        parts.insert(QStringLiteral("xl/sharedStrings.xml"), strings);
    if (!styles.isNull())
        parts.insert(QStringLiteral("xl/styles.xml"), styles);
    packParts(path, parts);
}

// The reader's three steps on sheet part 1; empty with failed set when a step failed.
struct ReadResult {
    bool failed = false;
    SpreadsheetWriter::Rows header;
    SpreadsheetWriter::Rows rows;
};

inline ReadResult readWorkbook(const QString &path, int part = 1)
{
    ReadResult r;
    SpreadsheetWriter::ReadWorkbook(path, true);
    if (SpreadsheetWriter::lastReadFailed()) {
        r.failed = true;
        return r;
    }
    Excel_Sheet_Number = part;
    r.header = SpreadsheetWriter::ReadData_only_column();
    if (SpreadsheetWriter::lastReadFailed()) {
        r.failed = true;
        return r;
    }
    r.rows = SpreadsheetWriter::ReadWorkbook(path, false);
    r.failed = SpreadsheetWriter::lastReadFailed();
    return r;
}

class WorkbookTest : public ::testing::Test {
protected:
    QString file(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace workbook_test
