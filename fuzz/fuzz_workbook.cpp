// Fuzz target of the workbook reader, through the zip layer: the input is a workbook file (it starts
// with "PK"), or the text of its parts separated by lines "--part--" (workbook, its relationships,
// shared strings, styles, first sheet), which are packed into a workbook first, so that mutations
// reach the XML readers as well as the unpacking. Then the reading sequence the import window runs:
// first pass, sheet list, header row and every row of each listed sheet.

#include "io/SpreadsheetWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <minizip/zip.h>

#include <cstdint>
#include <cstdlib>

namespace {

const char *const kParts[] = {"xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/sharedStrings.xml", "xl/styles.xml",
                              "xl/worksheets/sheet1.xml"};

bool packParts(const QByteArray &text, const QString &path)
{
    zipFile zf = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zf)
        return false;
    const QList<QByteArray> parts = text.split('\n');
    QList<QByteArray> contents(1);
    for (const QByteArray &line : parts) {
        if (line == "--part--" && contents.size() < qsizetype(std::size(kParts)))
            contents.append(QByteArray());
        else
            contents.last().append(line).append('\n');
    }
    for (qsizetype i = 0; i < contents.size(); ++i) {
        zip_fileinfo info{};
        if (zipOpenNewFileInZip(zf, kParts[i], &info, nullptr, 0, nullptr, 0, nullptr, 0, 0) != ZIP_OK)
            break;
        zipWriteInFileInZip(zf, contents[i].constData(), unsigned(contents[i].size()));
        zipCloseFileInZip(zf);
    }
    return zipClose(zf, nullptr) == ZIP_OK;
}

QString workbookPath()
{
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("input.xlsx"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    // A refused workbook logs its reason; thousands of runs a minute would drown the report.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = workbookPath();
    QFile::remove(path);
    if (bytes.startsWith("PK")) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 0;
    } else if (!packParts(bytes, path)) {
        return 0;
    }
    Excel_Sheet_Number = 1;
    (void)SpreadsheetWriter::ReadWorkbook(path, true);
    if (SpreadsheetWriter::lastReadFailed())
        return 0;
    (void)SpreadsheetWriter::Read_Sheet_Name();
    QList<SpreadsheetWriter::Sheet> sheets = SpreadsheetWriter::Read_Sheets();
    if (sheets.isEmpty())
        sheets.append({QString(), 1});
    for (const SpreadsheetWriter::Sheet &sheet : sheets.mid(0, 4)) {
        Excel_Sheet_Number = sheet.part;
        (void)SpreadsheetWriter::ReadData_only_column();   // fixes the sheet's column count
        const SpreadsheetWriter::Rows rows = SpreadsheetWriter::ReadWorkbook(path, false);
        // Every row of a read is exactly as wide as the header row made the sheet.
        for (const QStringList &row : rows)
            if (row.size() != Excel_Sheet_Columns && !SpreadsheetWriter::lastReadFailed())
                std::abort();
    }
    return 0;
}
