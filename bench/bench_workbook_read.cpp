// Reading a workbook of 100,000 rows by 10 columns (4 text columns, 3 numbers, 3 dates in two date
// formats, two columns of distinct values and one of dates repeating through a year): the first pass (unpack, shared strings, styles), the sheet list, the header row and the
// second pass, as the import windows drive them. Prints cells per second (target: at least 2
// million) and the memory the read needs beyond the rows and shared strings it returns (target:
// under 64 MB): the peak resident size during the read less the resident size once it is done.
// When Debian's python3 has openpyxl, its read-only load of the same workbook (every value
// fetched) is timed beside it.
//
//   bench_workbook_read [ROWS]

#include "io/SSZipArchive.h"
#include "io/SpreadsheetWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kColumns = 10;

long residentKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// Resets the peak resident size to the current one (Linux 4.0 and later).
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void writePart(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QString makeWorkbook(const QString &folder, int rows)
{
    const QByteArray ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const QString parts = folder + QStringLiteral("/parts");
    QByteArray strings = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sst xmlns=\"" + ns + "\">";
    QByteArray sheet = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<worksheet xmlns=\"" + ns + "\"><dimension ref=\"A1:J"
                       + QByteArray::number(rows) + "\"/><sheetData>";
    int shared = 0;
    for (int r = 1; r <= rows; ++r) {
        const QByteArray n = QByteArray::number(r);
        sheet += "<row r=\"" + n + "\">";
        for (int c = 0; c < 4; ++c) {
            strings += "<si><t>Item " + n + " " + QByteArray(1, char('A' + c)) + "</t></si>";
            sheet += "<c r=\"" + QByteArray(1, char('A' + c)) + n + "\" t=\"s\"><v>" + QByteArray::number(shared++) + "</v></c>";
        }
        sheet += "<c r=\"E" + n + "\"><v>" + QByteArray::number(r * 7) + "</v></c>";
        sheet += "<c r=\"F" + n + "\"><v>" + QByteArray::number(r * 0.25, 'g', 12) + "</v></c>";
        sheet += "<c r=\"G" + n + "\"><v>" + QByteArray::number(1000000 - r) + "</v></c>";
        // Dates and date-times all different, and a third column of dates that repeat through a year.
        sheet += "<c r=\"H" + n + "\" s=\"1\"><v>" + QByteArray::number(20000 + r) + "</v></c>";
        sheet += "<c r=\"I" + n + "\" s=\"2\"><v>" + QByteArray::number(20000 + r + (r % 1440) / 1440.0, 'f', 6) + "</v></c>";
        sheet += "<c r=\"J" + n + "\" s=\"1\"><v>" + QByteArray::number(45000 + r % 365) + "</v></c>";
        sheet += "</row>";
    }
    sheet += "</sheetData></worksheet>";
    strings += "</sst>";
    writePart(parts + "/xl/worksheets/sheet1.xml", sheet);
    writePart(parts + "/xl/sharedStrings.xml", strings);
    writePart(parts + "/xl/styles.xml", "<styleSheet xmlns=\"" + ns + "\"><numFmts count=\"1\"><numFmt numFmtId=\"164\" "
                                        "formatCode=\"yyyy-mm-dd\"/></numFmts><cellXfs count=\"3\"><xf numFmtId=\"0\"/>"
                                        "<xf numFmtId=\"164\"/><xf numFmtId=\"22\"/></cellXfs></styleSheet>");
    writePart(parts + "/xl/workbook.xml", "<workbook xmlns=\"" + ns + "\" xmlns:r=\"http://schemas.openxmlformats.org/"
                                          "officeDocument/2006/relationships\"><sheets><sheet name=\"Data\" sheetId=\"1\" "
                                          "r:id=\"rId1\"/></sheets></workbook>");
    writePart(parts + "/xl/_rels/workbook.xml.rels",
              "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
              "Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
              "Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/"
              "officeDocument/2006/relationships/sharedStrings\" Target=\"sharedStrings.xml\"/><Relationship Id=\"rId3\" "
              "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
              "</Relationships>");
    writePart(parts + "/[Content_Types].xml",
              "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Default Extension=\"rels\" "
              "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/><Default Extension=\"xml\" "
              "ContentType=\"application/xml\"/><Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
              "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/><Override PartName=\"/xl/worksheets/"
              "sheet1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
              "<Override PartName=\"/xl/sharedStrings.xml\" ContentType=\"application/vnd.openxmlformats-officedocument."
              "spreadsheetml.sharedStrings+xml\"/><Override PartName=\"/xl/styles.xml\" ContentType=\"application/"
              "vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/></Types>");
    writePart(parts + "/_rels/.rels", "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                                      "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
                                      "2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
    const QString path = folder + QStringLiteral("/bench.xlsx");
    SSZipArchive::createZipFileAtPath(path, {parts + "/[Content_Types].xml", parts + "/_rels", parts + "/xl"});
    QDir(parts).removeRecursively();
    return path;
}

double openpyxlSeconds(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {"-c", "import sys, time, openpyxl\n"
                        "t = time.perf_counter()\n"
                        "wb = openpyxl.load_workbook(sys.argv[1], read_only=True)\n"
                        "n = sum(1 for row in wb.active.iter_rows(values_only=True) for v in row)\n"
                        "print(time.perf_counter() - t, n)\n",
                  path});
    if (!python.waitForFinished(600000) || python.exitCode() != 0)
        return -1;
    return python.readAllStandardOutput().split(' ').first().toDouble();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    QTemporaryDir dir;
    const QString path = makeWorkbook(dir.path(), rows);
    std::printf("workbook: %d rows x %d columns, %.1f MB\n", rows, kColumns, QFileInfo(path).size() / 1e6);

    std::vector<double> seconds;
    long beyondKb = 0;
    qsizetype cells = 0;
    for (int round = 0; round < 5; ++round) {
        const long before = residentKb("VmRSS:");
        resetPeak();
        if (spreadsheet)
            spreadsheet->data.clear();
        QElapsedTimer t;
        t.start();
        SpreadsheetWriter::ReadWorkbook(path, true);
        const double first = t.nsecsElapsed() / 1e9;
        Excel_Sheet_Number = SpreadsheetWriter::Read_Sheets().value(0).part;
        SpreadsheetWriter::ReadData_only_column();
        const double header = t.nsecsElapsed() / 1e9;
        const SpreadsheetWriter::Rows data = SpreadsheetWriter::ReadWorkbook(path, false);
        seconds.push_back(t.nsecsElapsed() / 1e9);
        std::printf("round %d: first pass %.3f s, sheets and header %.3f s, second pass %.3f s\n", round, first,
                    header - first, seconds.back() - header);
        const long peak = residentKb("VmHWM:");
        const long after = residentKb("VmRSS:");
        cells = data.size() * (data.isEmpty() ? 0 : data.first().size());
        if (SpreadsheetWriter::lastReadFailed() || data.size() != rows || data.last().at(7).isEmpty()) {
            std::fprintf(stderr, "the read failed or is incomplete\n");
            return 1;
        }
        if (round == 0)
            std::printf("row %d: %s\n", rows, qPrintable(data.last().join(QStringLiteral(" | "))));
        beyondKb = std::max(beyondKb, peak - after);
        std::printf("round %d: %.3f s, resident before %ld MB, held after %ld MB, peak %ld MB\n", round, seconds.back(),
                    before / 1024, (after - before) / 1024, peak / 1024);
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("median read: %.3f s for %lld cells = %.2f million cells/s (target >= 2)\n", median,
                static_cast<long long>(cells), cells / median / 1e6);
    std::printf("memory beyond the rows and shared strings: %.1f MB (target < 64)\n", beyondKb / 1024.0);
    const double py = openpyxlSeconds(path);
    if (py > 0)
        std::printf("openpyxl read-only load of every value: %.3f s = %.2f million cells/s\n", py, cells / py / 1e6);
    else
        std::printf("openpyxl: not available\n");
    return 0;
}
