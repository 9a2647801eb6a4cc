// Workbook writing: the worksheet and shared-strings parts, which texts become number cells, texts
// XML cannot carry, and replacing the target only with a complete workbook.

#include "workbook_fixture.h"

#include "core/UserFolders.h"

#include <QProcess>
#include <QRegularExpression>

using namespace workbook_test;
using Rows = SpreadsheetWriter::Rows;

namespace {

// The parts of a written workbook, unpacked.
struct Written {
    QByteArray sheet, strings;
};

Written unpack(const QString &xlsx, const QString &folder)
{
    Written w;
    if (!SSZipArchive::unzipFileAtPath(xlsx, folder, true))
        return w;
    QFile sheet(folder + "/xl/worksheets/sheet1.xml");
    QFile strings(folder + "/xl/sharedStrings.xml");
    if (sheet.open(QIODevice::ReadOnly))
        w.sheet = sheet.readAll();
    if (strings.open(QIODevice::ReadOnly))
        w.strings = strings.readAll();
    return w;
}

QStringList matches(const QByteArray &xml, const char *pattern)
{
    QStringList out;
    QRegularExpressionMatchIterator it = QRegularExpression(QString::fromLatin1(pattern)).globalMatch(QString::fromUtf8(xml));
    while (it.hasNext())
        out << it.next().captured(1);
    return out;
}

} // namespace

TEST_F(WorkbookTest, AValueListWithItsTitleRowFillsA1ToD4)
{
    const Rows rows{{"Barcode Value", "Barcode Header", "Barcode Footer", "Print Quantity"},
                    {"12", "H", "F", "1"},
                    {"ABC-1", "", "", "2"},
                    {"007", "H", "F", "1000"}};
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(file("list.xlsx"), rows, true));
    const Written w = unpack(file("list.xlsx"), file("out"));
    EXPECT_EQ(matches(w.sheet, "<dimension ref=\"([^\"]+)\""), QStringList{"A1:D4"});
    EXPECT_EQ(matches(w.sheet, "activeCell=\"([^\"]+)\""), QStringList{"D4"});
    EXPECT_EQ(matches(w.sheet, "<row r=\"(\\d+)\" spans=\"1:4\""), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(matches(w.sheet, "<c r=\"([A-Z]+\\d+)\""),
              (QStringList{"A1", "B1", "C1", "D1", "A2", "B2", "C2", "D2", "A3", "B3", "C3", "D3", "A4", "B4", "C4", "D4"}));
    // Number cells carry their text exactly; "007", "ABC-1" and the empty value are shared strings.
    EXPECT_EQ(matches(w.sheet, "<c r=\"[A-Z]+\\d+\"><v>([^<]*)</v>"), (QStringList{"12", "1", "2", "1000"}));
    EXPECT_TRUE(w.sheet.contains("<c r=\"A4\" t=\"s\">"));
    EXPECT_FALSE(w.sheet.contains("extLst"));
    // Equal texts are not merged: count and uniqueCount are the number of text cells.
    EXPECT_EQ(matches(w.strings, "count=\"(\\d+)\""), QStringList{"12"});
    EXPECT_EQ(matches(w.strings, "uniqueCount=\"(\\d+)\""), QStringList{"12"});
    EXPECT_EQ(matches(w.strings, "<t(?: [^>]*)?>([^<]*)</t>").count("H"), 2);
    // Read back, the workbook gives the rows as written.
    EXPECT_EQ(readWorkbook(file("list.xlsx")).rows, rows);
}

TEST_F(WorkbookTest, OnlyPlainNumbersBecomeNumberCells)
{
    const QStringList numbers{"0", "7", "12", "-3", "-3.25", "0.5", "123456789012345", "1.00000000000001"};
    const QStringList texts{"007", "0012345678905", "1,5", "1.50", "1.", ".5", "+5", "-0", "1e5", " 5", "5 ",
                            "1234567890123456", "0.0", "١٢", "12a", ""};
    Rows rows;
    for (const QString &n : numbers)
        rows.append({n});
    for (const QString &t : texts)
        rows.append({t});
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(file("n.xlsx"), rows, false));
    const Written w = unpack(file("n.xlsx"), file("out"));
    EXPECT_EQ(matches(w.sheet, "<c r=\"A\\d+\"><v>([^<]*)</v>"), numbers);
    EXPECT_EQ(matches(w.sheet, "<c r=\"A\\d+\" t=\"s\">").size(), texts.size());
    EXPECT_EQ(readWorkbook(file("n.xlsx")).rows, rows);
}

TEST_F(WorkbookTest, EveryTextReadsBackAsWritten)
{
    const Rows rows{{"<a & b>", "  edge blanks  ", "\ttab", "line\nbreak", "cr\rhere"},
                    {QString("ctrl") + QChar(1) + QChar(0x1F) + "x", "_x0041_ stays", "_x005F_", "Größe ✓ 😀", "\"q'"},
                    {QString(QChar(0xFFFE)), QString(QChar(0xD800)) + "lone", "plain", "", " "}};
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(file("t.xlsx"), rows, false));
    const Written w = unpack(file("t.xlsx"), file("out"));
    EXPECT_TRUE(w.strings.contains("<t xml:space=\"preserve\">  edge blanks  </t>"));
    EXPECT_TRUE(w.strings.contains("ctrl_x0001__x001F_x"));
    EXPECT_TRUE(w.strings.contains("_x005F_x0041_ stays"));
    EXPECT_TRUE(w.strings.contains("&lt;a &amp; b&gt;"));
    EXPECT_TRUE(w.strings.contains("cr&#13;here"));
    EXPECT_EQ(readWorkbook(file("t.xlsx")).rows, rows);
}

TEST_F(WorkbookTest, ColumnsPastZContinueWithTwoLetters)
{
    QStringList wide;
    for (int i = 1; i <= 30; ++i)
        wide << QStringLiteral("c%1").arg(i);
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(file("w.xlsx"), {wide}, false));
    const Written w = unpack(file("w.xlsx"), file("out"));
    EXPECT_EQ(matches(w.sheet, "<dimension ref=\"([^\"]+)\""), QStringList{"A1:AD1"});
    EXPECT_TRUE(w.sheet.contains("<c r=\"AA1\" t=\"s\">"));
    EXPECT_TRUE(w.sheet.contains("spans=\"1:30\""));
    // One column: spans 1:1 and the dimension down column A.
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(file("one.xlsx"), {{"Batch Value"}, {"a"}, {"b"}}, false));
    const Written one = unpack(file("one.xlsx"), file("out1"));
    EXPECT_EQ(matches(one.sheet, "<dimension ref=\"([^\"]+)\""), QStringList{"A1:A3"});
    EXPECT_EQ(matches(one.sheet, "spans=\"([^\"]+)\""), (QStringList{"1:1", "1:1", "1:1"}));
    for (int n : {1, 26, 27, 28, 52, 53, 702, 703})
        EXPECT_FALSE(SpreadsheetWriter::ColumnIndexToName(n).isEmpty());
    EXPECT_EQ(SpreadsheetWriter::ColumnIndexToName(27), "AA");
    EXPECT_EQ(SpreadsheetWriter::ColumnIndexToName(52), "AZ");
    EXPECT_EQ(SpreadsheetWriter::ColumnIndexToName(702), "ZZ");
    EXPECT_EQ(SpreadsheetWriter::ColumnIndexToName(703), "AAA");
}

TEST_F(WorkbookTest, TheTargetIsReplacedOnlyByACompleteWorkbook)
{
    QFile old(file("keep.xlsx"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(file("keep.xlsx"), {{"new"}}, false));
    EXPECT_EQ(readWorkbook(file("keep.xlsx")).rows, (Rows{{"new"}}));

    // Without a template nothing is written and the workbook before stays.
    const QString saved = Resource_Path;
    QTemporaryDir empty;
    Resource_Path = empty.path();
    EXPECT_FALSE(SpreadsheetWriter::WriteWorkbook(file("keep.xlsx"), {{"newer"}}, false));
    Resource_Path = saved;
    EXPECT_EQ(readWorkbook(file("keep.xlsx")).rows, (Rows{{"new"}}));
    // No rows, or a folder where the file should go: refused.
    EXPECT_FALSE(SpreadsheetWriter::WriteWorkbook(file("none.xlsx"), {}, false));
    EXPECT_FALSE(QFileInfo::exists(file("none.xlsx")));
    QDir().mkpath(file("folder.xlsx"));
    EXPECT_FALSE(SpreadsheetWriter::WriteWorkbook(file("folder.xlsx"), {{"x"}}, false));
}

TEST_F(WorkbookTest, TheTemplateIsWhatItsGeneratorMakes)
{
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!QFileInfo::exists(python))
        GTEST_SKIP() << "no python3";
    const QString source = QStringLiteral(TAGORA_TEST_SOURCE_DIR "/..");
    QProcess p;
    p.start(python, {source + "/scripts/make_workbook_template.py", file("T.xlsx")});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    QFile made(file("T.xlsx")), shipped(source + "/resources/Template.xlsx");
    ASSERT_TRUE(made.open(QIODevice::ReadOnly));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    EXPECT_EQ(made.readAll(), shipped.readAll());
}
