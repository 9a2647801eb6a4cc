// Workbooks of other programs, made during the run: openpyxl (Debian's python3) and LibreOffice
// (one headless conversion to xlsx with a profile of its own, one to tab-separated text). Our own
// workbooks are read by both. Tests skip when a program is missing. The workbook tool is run too.

#include "support/LibreOffice.h"
#include "workbook_fixture.h"

#include <QProcess>
#include <QTextStream>

using namespace workbook_test;
using Rows = SpreadsheetWriter::Rows;

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

bool haveOpenpyxl()
{
    if (!QFileInfo::exists(kPython))
        return false;
    QProcess p;
    p.start(kPython, {"-c", "import openpyxl"});
    return p.waitForFinished(30000) && p.exitCode() == 0;
}

// Runs a python script; its standard output.
QByteArray runPython(const QString &script, const QStringList &args = {})
{
    QProcess p;
    p.start(kPython, QStringList{"-c", script} + args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << p.readAllStandardError().constData();
        return {};
    }
    return p.readAllStandardOutput();
}

// LibreOffice's tab-separated export: one row a line, quotes around texts removed.
Rows readTsv(const QString &path)
{
    Rows rows;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return rows;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QStringList cells;
        for (QString cell : line.split(QLatin1Char('\t'))) {
            if (cell.size() >= 2 && cell.startsWith(QLatin1Char('"')) && cell.endsWith(QLatin1Char('"')))
                cell = cell.mid(1, cell.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
            cells << cell;
        }
        rows << cells;
    }
    return rows;
}

const char *const kTsvFilter = "csv:Text - txt - csv (StarCalc):9,34,76,1";

const char *const kOpenpyxlScript = R"(
import datetime, sys, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
ws.title = "Data"
ws.append(["Name", "Count", "Price", "Flag", "Day", "Stamp", "Formula"])
ws.append(["apple", 5, 1.5, True, datetime.date(2020, 1, 1), datetime.datetime(2024, 3, 5, 14, 30, 0), "=B2*2"])
ws.append(["007", -3, 0.25, False, datetime.date(1999, 12, 31), datetime.datetime(2024, 3, 5, 0, 0, 5), "=B3*2"])
ws["A5"] = "after a gap"
ws["C5"] = 10
late = wb.create_sheet("Late start")
late["B10"] = "title"
late["C10"] = "other"
late["C12"] = 42
wide = wb.create_sheet("Wide")
wide.append(["h%d" % i for i in range(1, 31)])
wide.append([i for i in range(1, 31)])
wb.save(sys.argv[1])
)";

class WorkbookInterop : public WorkbookTest {};

} // namespace

TEST_F(WorkbookInterop, OpenpyxlWorkbooksReadAsWritten)
{
    if (!haveOpenpyxl())
        GTEST_SKIP() << "python3-openpyxl is not installed";
    runPython(QString::fromLatin1(kOpenpyxlScript), {file("py.xlsx")});
    SpreadsheetWriter::ReadWorkbook(file("py.xlsx"), true);
    ASSERT_FALSE(SpreadsheetWriter::lastReadFailed());
    const QList<SpreadsheetWriter::Sheet> sheets = SpreadsheetWriter::Read_Sheets();
    ASSERT_EQ(SpreadsheetWriter::Read_Sheet_Name(), (QStringList{"Data", "Late start", "Wide"}));

    const ReadResult data = readWorkbook(file("py.xlsx"), sheets.at(0).part);
    ASSERT_FALSE(data.failed);
    EXPECT_EQ(data.header, (Rows{{"Name", "Count", "Price", "Flag", "Day", "Stamp", "Formula"}}));
    EXPECT_EQ(data.rows, (Rows{{"Name", "Count", "Price", "Flag", "Day", "Stamp", "Formula"},
                               {"apple", "5", "1.5", "true", "2020-01-01", "2024-03-05 14:30:00", ""},
                               {"007", "-3", "0.25", "false", "1999-12-31", "2024-03-05 0:00:05", ""},
                               {"after a gap", "", "10", "", "", "", ""}}));

    const ReadResult late = readWorkbook(file("py.xlsx"), sheets.at(1).part);
    ASSERT_FALSE(late.failed);
    EXPECT_EQ(late.header, (Rows{{"Untitled Column 1", "title", "other"}}));
    EXPECT_EQ(late.rows, (Rows{{"", "title", "other"}, {"", "", "42"}}));

    const ReadResult wide = readWorkbook(file("py.xlsx"), sheets.at(2).part);
    ASSERT_FALSE(wide.failed);
    ASSERT_EQ(wide.rows.size(), 2);
    ASSERT_EQ(wide.rows.at(1).size(), 30);
    EXPECT_EQ(wide.rows.at(0).at(29), "h30");
    EXPECT_EQ(wide.rows.at(1).at(26), "27");
}

TEST_F(WorkbookInterop, TheToolDumpsWhatTheReaderReturnsAndRefusesWhatItCannotRead)
{
    if (!haveOpenpyxl())
        GTEST_SKIP() << "python3-openpyxl is not installed";
    runPython(QString::fromLatin1(kOpenpyxlScript), {file("py.xlsx")});
    QProcess tool;
    tool.start(QStringLiteral(WORKBOOK_TOOL_PATH), {"--dump", file("py.xlsx"), "--sheet", "2"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_EQ(tool.readAllStandardOutput(), QByteArray("\ttitle\tother\n\t\t42\n"));

    QFile text(file("text.xlsx"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a workbook");
    text.close();
    tool.start(QStringLiteral(WORKBOOK_TOOL_PATH), {"--dump", file("text.xlsx")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 2);
    EXPECT_EQ(tool.readAllStandardOutput(), QByteArray("Either file is corrupted or selected file contains invalid characters.\n"));
}

TEST_F(WorkbookInterop, LibreOfficeWorkbooksAndOursRoundTrip)
{
    if (libreoffice::program().isEmpty())
        GTEST_SKIP() << "LibreOffice Calc is not installed";
    // A LibreOffice workbook: rich text, cached formula results, its own date codes.
    QFile fods(file("lo.fods"));
    ASSERT_TRUE(fods.open(QIODevice::WriteOnly));
    fods.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:automatic-styles>
<number:date-style style:name="N1"><number:month number:style="long"/><number:text>/</number:text><number:day number:style="long"/><number:text>/</number:text><number:year number:style="long"/></number:date-style>
<number:date-style style:name="N2"><number:year number:style="long"/><number:text>-</number:text><number:month number:style="long"/><number:text>-</number:text><number:day number:style="long"/><number:text> </number:text><number:hours number:style="long"/><number:text>:</number:text><number:minutes number:style="long"/></number:date-style>
<style:style style:name="ce1" style:family="table-cell" style:data-style-name="N1"/>
<style:style style:name="ce2" style:family="table-cell" style:data-style-name="N2"/>
<style:style style:name="T1" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
</office:automatic-styles>
<office:body><office:spreadsheet><table:table table:name="Mixed">
<table:table-row><table:table-cell office:value-type="string"><text:p>Name</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Qty</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Twice</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Day</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Stamp</text:p></table:table-cell></table:table-row>
<table:table-row><table:table-cell office:value-type="string"><text:p><text:span text:style-name="T1">app</text:span>le</text:p></table:table-cell><table:table-cell office:value-type="float" office:value="12"><text:p>12</text:p></table:table-cell><table:table-cell table:formula="of:=[.B2]*2" office:value-type="float" office:value="24"><text:p>24</text:p></table:table-cell><table:table-cell table:style-name="ce1" office:value-type="date" office:date-value="2020-01-31"><text:p>01/31/2020</text:p></table:table-cell><table:table-cell table:style-name="ce2" office:value-type="date" office:date-value="2024-03-05T14:30:00"><text:p>2024-03-05 14:30</text:p></table:table-cell></table:table-row>
<table:table-row><table:table-cell office:value-type="string"><text:p>007</text:p></table:table-cell><table:table-cell office:value-type="float" office:value="3"><text:p>3</text:p></table:table-cell><table:table-cell table:formula="of:=&quot;x&quot;&amp;[.A3]" office:value-type="string" office:string-value="x007"><text:p>x007</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>plain text</text:p></table:table-cell></table:table-row>
</table:table></office:spreadsheet></office:body></office:document>
)");
    fods.close();
    // Our workbook, from rows a value list may hold.
    const Rows ours{{"Barcode Value", "Barcode Header", "Barcode Footer", "Print Quantity"},
                    {"007", "Größe", "a & b", "12"},
                    {"123456789012", "", "-3.25", "1"},
                    {"1,5", "0.5", "x_x0041_", "1000"}};
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(file("ours.xlsx"), ours, false));

    ASSERT_TRUE(libreoffice::convert(dir.path(), QStringLiteral("xlsx"), {file("lo.fods")}, file("lo")));
    ASSERT_TRUE(libreoffice::convert(dir.path(), QString::fromLatin1(kTsvFilter), {file("lo/lo.xlsx"), file("ours.xlsx")}, file("tsv")));

    const ReadResult lo = readWorkbook(file("lo/lo.xlsx"));
    ASSERT_FALSE(lo.failed);
    EXPECT_EQ(lo.rows, (Rows{{"Name", "Qty", "Twice", "Day", "Stamp"},
                             {"apple", "12", "24", "01/31/2020", "2024-03-05 14:30"},
                             {"007", "3", "x007", "plain text", ""}}));
    // Texts, integers and these dates as LibreOffice itself shows them.
    EXPECT_EQ(lo.rows, readTsv(file("tsv/lo.csv")));
    // LibreOffice reads our workbook back as the rows written.
    EXPECT_EQ(readTsv(file("tsv/ours.csv")), ours);
}

TEST_F(WorkbookInterop, OpenpyxlSeesTheValuesWeWrite)
{
    if (!haveOpenpyxl())
        GTEST_SKIP() << "python3-openpyxl is not installed";
    const Rows ours{{"Barcode Value", "Print Quantity"}, {"007", "12"}, {"0012345678905", "-3.25"}, {"1,5", "0.5"},
                    {"  edge ", "x\ty"}};
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(file("ours.xlsx"), ours, false));
    const QByteArray seen = runPython(QStringLiteral(R"(
import sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).active
for row in ws.iter_rows(values_only=True):
    print("|".join("%s:%r" % (type(v).__name__, v) for v in row))
)"),
                                      {file("ours.xlsx")});
    EXPECT_EQ(QString::fromUtf8(seen),
              QStringLiteral("str:'Barcode Value'|str:'Print Quantity'\n"
                             "str:'007'|int:12\n"
                             "str:'0012345678905'|float:-3.25\n"
                             "str:'1,5'|float:0.5\n"
                             "str:'  edge '|str:'x\\ty'\n"));
}
