// The second pass with a row limit and a visitor, and sheet parts that must stay inside the package.

#include "workbook_fixture.h"

using namespace workbook_test;

namespace {

QByteArray numberRows(int count)
{
    QByteArray xml;
    for (int r = 1; r <= count; ++r)
        xml += "<row r=\"" + QByteArray::number(r) + "\"><c r=\"A" + QByteArray::number(r) + "\"><v>" + QByteArray::number(r)
               + "</v></c></row>";
    return xml;
}

struct Visited {
    bool ok = false;
    bool more = false;
    QStringList firsts;
};

Visited readRows(const QString &path, int limit)
{
    SpreadsheetWriter::ReadWorkbook(path, true);
    Excel_Sheet_Number = 1;
    Visited v;
    v.ok = SpreadsheetWriter::ReadRows(limit, [&v](int r, const QStringList &cells) {
        EXPECT_EQ(r, v.firsts.size()) << "rows come in order";
        v.firsts << cells.value(0);
    }, &v.more);
    return v;
}

} // namespace

TEST_F(WorkbookTest, ARowLimitStopsTheReadAndSaysWhetherMoreExist)
{
    struct Case {
        int rows, limit;
        int visited;
        bool more;
    } const cases[] = {{5, 10, 5, false}, {5, 5, 5, false}, {6, 5, 5, true}, {20, 3, 3, true}, {0, 3, 0, false}, {4, 0, 0, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, limit " << c.limit);
        packSheet(file("n.xlsx"), sheetXml(QByteArray(), numberRows(c.rows)));
        const Visited v = readRows(file("n.xlsx"), c.limit);
        EXPECT_TRUE(v.ok);
        EXPECT_EQ(v.firsts.size(), c.visited);
        EXPECT_EQ(v.more, c.more);
        if (c.visited > 0) {
            EXPECT_EQ(v.firsts.last(), QString::number(c.visited));
        }
    }
}

TEST_F(WorkbookTest, ALimitedReadOfABrokenSheetFailsAndVisitsNothing)
{
    packSheet(file("b.xlsx"), sheetXml(QByteArray(), "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row><c"));
    const Visited v = readRows(file("b.xlsx"), 10);
    EXPECT_FALSE(v.ok);
    EXPECT_TRUE(v.firsts.isEmpty());
    EXPECT_TRUE(SpreadsheetWriter::lastReadFailed());
}

TEST_F(WorkbookTest, ARelationshipLeadingOutOfThePackageNamesNoSheet)
{
    const QByteArray rels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"worksheet\" Target=\"../../../etc/worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"worksheet\" Target=\"../xl/worksheets/sheet2.xml\"/>"
        "<Relationship Id=\"rId3\" Type=\"worksheet\" Target=\"/../worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId4\" Type=\"worksheet\" Target=\"other/worksheets/sheet1.xml\"/>"
        "</Relationships>";
    packParts(file("e.xlsx"), {{"xl/workbook.xml", workbookXml({"Out", "In", "Root", "Elsewhere"})},
                               {"xl/_rels/workbook.xml.rels", rels},
                               {"xl/worksheets/sheet1.xml", sheetXml("A1", "")},
                               {"xl/worksheets/sheet2.xml", sheetXml("A1", "")}});
    SpreadsheetWriter::ReadWorkbook(file("e.xlsx"), true);
    ASSERT_FALSE(SpreadsheetWriter::lastReadFailed());
    const QList<SpreadsheetWriter::Sheet> sheets = SpreadsheetWriter::Read_Sheets();
    ASSERT_EQ(sheets.size(), 1) << "only the target that resolves inside the worksheets folder";
    EXPECT_EQ(sheets.first().name, "In");
    EXPECT_EQ(sheets.first().part, 2);
}
