// Workbook reading: the column count, rows and cells, shared strings, the sheet list, and what a
// workbook that is not one, or is too large, gives.

#include "workbook_fixture.h"

#include <QDir>

using namespace workbook_test;
using Rows = SpreadsheetWriter::Rows;

namespace {

QByteArray row(int r, const QByteArray &cells) { return "<row r=\"" + QByteArray::number(r) + "\">" + cells + "</row>"; }
QByteArray str(const char *ref, int index) { return "<c r=\"" + QByteArray(ref) + "\" t=\"s\"><v>" + QByteArray::number(index) + "</v></c>"; }
QByteArray num(const char *ref, const char *value) { return "<c r=\"" + QByteArray(ref) + "\"><v>" + value + "</v></c>"; }

} // namespace

TEST_F(WorkbookTest, RowsAreTheSheetsRowElementsEachAsWideAsTheSheet)
{
    packSheet(file("a.xlsx"),
              sheetXml("A1:C5", row(1, str("A1", 0) + str("C1", 1)) + row(2, num("B2", "7")) + row(5, str("A5", 2))),
              sharedStringsXml({"Name", "Code", "last"}));
    const ReadResult r = readWorkbook(file("a.xlsx"));
    ASSERT_FALSE(r.failed);
    EXPECT_EQ(r.header, (Rows{{"Name", "Untitled Column 2", "Code"}}));
    EXPECT_EQ(r.rows, (Rows{{"Name", "", "Code"}, {"", "7", ""}, {"last", "", ""}}));   // the gap is not kept
    EXPECT_EQ(Excel_Sheet_Columns, 3);
}

TEST_F(WorkbookTest, TheWidthIsTheDimensionsLastReferenceCountedFromA)
{
    struct Case {
        const char *dimension;
        int columns;
    } cases[] = {{"B2:E9", 5}, {"A10:C20", 3}, {"AA1:AB5", 28}, {"A1", 1}, {"D4", 4}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dimension);
        packSheet(file("d.xlsx"), sheetXml(c.dimension, row(1, num("A1", "1"))));
        const ReadResult r = readWorkbook(file("d.xlsx"));
        ASSERT_FALSE(r.failed);
        EXPECT_EQ(Excel_Sheet_Columns, c.columns);
        ASSERT_EQ(r.rows.size(), 1);
        EXPECT_EQ(r.rows.first().size(), c.columns);
    }
    // An empty sheet has no rows at all.
    packSheet(file("e.xlsx"), sheetXml("A1", ""));
    const ReadResult empty = readWorkbook(file("e.xlsx"));
    EXPECT_FALSE(empty.failed);
    EXPECT_TRUE(empty.header.isEmpty());
    EXPECT_TRUE(empty.rows.isEmpty());
}

TEST_F(WorkbookTest, CellsPastTheDimensionOrWithoutAReferenceWidenTheRowsInsteadOfFailing)
{
    packSheet(file("w.xlsx"), sheetXml("A1:B2", row(1, num("A1", "1") + num("B1", "2"))
                                                    + row(2, num("A2", "3") + num("D2", "4"))
                                                    + row(3, "<c><v>5</v></c><c><v>6</v></c><c r=\"E3\"><v>7</v></c><c><v>8</v></c>")));
    const ReadResult r = readWorkbook(file("w.xlsx"));
    ASSERT_FALSE(r.failed);
    EXPECT_EQ(r.rows, (Rows{{"1", "2", "", "", "", ""}, {"3", "", "", "4", "", ""}, {"5", "6", "", "", "7", "8"}}));
    EXPECT_EQ(Excel_Sheet_Columns, 6);
    // Without a dimension the cells give the width; the header read widens with default titles.
    packSheet(file("n.xlsx"), sheetXml(QByteArray(), row(1, num("B1", "9")) + row(2, num("C2", "1"))));
    const ReadResult n = readWorkbook(file("n.xlsx"));
    ASSERT_FALSE(n.failed);
    EXPECT_EQ(n.header, (Rows{{"Untitled Column 1", "9"}}));
    EXPECT_EQ(n.rows, (Rows{{"", "9", ""}, {"", "", "1"}}));
}

TEST_F(WorkbookTest, ColumnLettersAreReadWholeUpToXfd)
{
    EXPECT_EQ(Get_Col_index("A", 65), 0);
    EXPECT_EQ(Get_Col_index("Z", 65), 25);
    EXPECT_EQ(Get_Col_index("AA", 65), 26);
    EXPECT_EQ(Get_Col_index("AZ", 65), 51);
    EXPECT_EQ(Get_Col_index("BA", 65), 52);
    EXPECT_EQ(Get_Col_index("AAA", 65), 702);
    EXPECT_EQ(Get_Col_index("XFD", 65), 16383);
    EXPECT_EQ(Get_Col_index("XFE", 65), -1);
    EXPECT_EQ(Get_Col_index("", 65), -1);
    EXPECT_EQ(Get_Col_index("D", 64), 4);
    EXPECT_EQ(Get_Col_index("AB", 64), 28);
    EXPECT_EQ(Get_Column_Char_Str("AB12"), "AB");
    EXPECT_EQ(Get_Column_Char_Str("A10"), "A");
    EXPECT_EQ(Asc_Val("A"), 65);
    for (int n : {1, 26, 27, 28, 52, 53, 702, 703, 16384})
        EXPECT_EQ(Get_Col_index(SpreadsheetWriter::ColumnIndexToName(n), 64), n);

    packSheet(file("wide.xlsx"), sheetXml("AAA1:AAB1", row(1, num("AAB1", "x"))));
    const ReadResult r = readWorkbook(file("wide.xlsx"));
    ASSERT_FALSE(r.failed);
    ASSERT_EQ(r.rows.first().size(), 704);
    EXPECT_EQ(r.rows.first().last(), "x");
}

TEST_F(WorkbookTest, ACellIsItsValue)
{
    const QByteArray cells =
        "<c r=\"A2\"><f>SUM(B1:B3)</f><v>12</v></c>"                          // a formula: its cached value
        "<c r=\"B2\" t=\"str\"><f>A1&amp;\"x\"</f><v>abc</v></c>"              // a text formula
        "<c r=\"C2\" t=\"inlineStr\"><is><r><t>in</t></r><r><t xml:space=\"preserve\"> line</t></r></is></c>"
        "<c r=\"D2\" t=\"e\"><v>#DIV/0!</v></c>"
        "<c r=\"E2\" t=\"b\"><v>1</v></c><c r=\"F2\" t=\"b\"><v>0</v></c>"
        "<c r=\"G2\"><f>A1</f></c>";                                           // no cached value
    packSheet(file("v.xlsx"), sheetXml("A1:G2", row(1, "<c r=\"A1\" t=\"b\"><v>1</v></c><c r=\"B1\" t=\"b\"><v>0</v></c>") + row(2, cells)));
    const ReadResult r = readWorkbook(file("v.xlsx"));
    ASSERT_FALSE(r.failed);
    // The header shows a boolean's raw text, data rows "true" and "false".
    EXPECT_EQ(r.header.first().mid(0, 2), (QStringList{"1", "0"}));
    EXPECT_EQ(r.rows.at(1), (QStringList{"12", "abc", "in line", "#DIV/0!", "true", "false", ""}));
}

TEST_F(WorkbookTest, SharedStringsJoinTheirRunsAndAnOutOfRangeIndexIsEmpty)
{
    const QByteArray strings = "<sst xmlns=\"" + QByteArray(kMain) + "\">"
                               "<si><t>plain</t></si>"
                               "<si><r><rPr><b/></rPr><t>ri</t></r><r><t>ch</t></r></si>"
                               "<si><t>漢字</t><rPh sb=\"0\" eb=\"2\"><t>かんじ</t></rPh></si>"
                               "<si><t>a_x000D_b_x005F_x0041_</t></si>"
                               "<si><t>&lt;&amp;&#x41;&#66;&gt;</t></si></sst>";
    packSheet(file("s.xlsx"), sheetXml("A1:G1", row(1, str("A1", 0) + str("B1", 1) + str("C1", 2) + str("D1", 3) + str("E1", 4)
                                                          + str("F1", 5) + str("G1", 99))),
              strings);
    const ReadResult r = readWorkbook(file("s.xlsx"));
    ASSERT_FALSE(r.failed);
    EXPECT_EQ(r.rows.first(), (QStringList{"plain", "rich", "漢字", "a\rb_x0041_", "<&AB>", "", ""}));
    // The header read follows the same index rule.
    EXPECT_EQ(r.header.first().mid(5), (QStringList{"Untitled Column 6", "Untitled Column 7"}));
}

TEST_F(WorkbookTest, MissingStringsAndStylesPartsStillReadPlainCells)
{
    // No shared strings, no styles: numbers and inline texts read, string cells and styled cells
    // have nothing to look up.
    packSheet(file("p.xlsx"), sheetXml("A1:C1", row(1, "<c r=\"A1\" s=\"4\"><v>43831</v></c>" + str("B1", 0)
                                                          + "<c r=\"C1\" t=\"inlineStr\"><is><t>ok</t></is></c>")));
    const ReadResult r = readWorkbook(file("p.xlsx"));
    ASSERT_FALSE(r.failed);
    EXPECT_EQ(r.rows.first(), (QStringList{"43831", "", "ok"}));
    // A style index past the workbook's formats, and a format record without an id, are no dates.
    packSheet(file("q.xlsx"), sheetXml("A1:B1", row(1, "<c r=\"A1\" s=\"9\"><v>43831</v></c><c r=\"B1\" s=\"0\"><v>43831</v></c>")),
              QByteArray(), "<styleSheet xmlns=\"" + QByteArray(kMain) + "\"><cellXfs><xf/></cellXfs></styleSheet>");
    const ReadResult q = readWorkbook(file("q.xlsx"));
    ASSERT_FALSE(q.failed);
    EXPECT_EQ(q.rows.first(), (QStringList{"43831", "43831"}));
}

TEST_F(WorkbookTest, SheetsPairWithTheirPartsThroughTheRelationships)
{
    const QByteArray rels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"worksheets/sheet2.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/chartsheet\" Target=\"chartsheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"/xl/worksheets/sheet1.xml\"/>"
        "</Relationships>";
    packParts(file("r.xlsx"), {{"xl/workbook.xml", workbookXml({"Beta", "Chart", "Alpha"})},
                               {"xl/_rels/workbook.xml.rels", rels},
                               {"xl/worksheets/sheet1.xml", sheetXml("A1", row(1, num("A1", "1")))},
                               {"xl/worksheets/sheet2.xml", sheetXml("A1", row(1, num("A1", "2")))}});
    SpreadsheetWriter::ReadWorkbook(file("r.xlsx"), true);
    ASSERT_FALSE(SpreadsheetWriter::lastReadFailed());
    const QList<SpreadsheetWriter::Sheet> sheets = SpreadsheetWriter::Read_Sheets();
    ASSERT_EQ(sheets.size(), 2);
    EXPECT_EQ(sheets.at(0).name, "Beta");
    EXPECT_EQ(sheets.at(0).part, 2);
    EXPECT_EQ(sheets.at(1).name, "Alpha");
    EXPECT_EQ(sheets.at(1).part, 1);
    EXPECT_EQ(SpreadsheetWriter::Read_Sheet_Name(), (QStringList{"Beta", "Alpha"}));
    EXPECT_EQ(readWorkbook(file("r.xlsx"), sheets.at(0).part).rows, (Rows{{"2"}}));
    // Without relationships sheet i reads part i + 1.
    packParts(file("p.xlsx"), {{"xl/workbook.xml", workbookXml({"One", "Two"})},
                               {"xl/worksheets/sheet1.xml", sheetXml("A1", "")}});
    SpreadsheetWriter::ReadWorkbook(file("p.xlsx"), true);
    const QList<SpreadsheetWriter::Sheet> positional = SpreadsheetWriter::Read_Sheets();
    ASSERT_EQ(positional.size(), 2);
    EXPECT_EQ(positional.at(1).part, 2);
}

TEST_F(WorkbookTest, WhatIsNoWorkbookCannotBeRead)
{
    QFile text(file("text.xlsx"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Value\tHeader\n");
    text.close();
    EXPECT_TRUE(readWorkbook(file("text.xlsx")).failed);
    EXPECT_TRUE(SpreadsheetWriter::lastReadFailed());
    EXPECT_EQ(SpreadsheetWriter::unreadableMessage(),
              "Either file is corrupted or selected file contains invalid characters.");
    // A zip without a worksheet: the sheet cannot be loaded.
    packParts(file("nosheet.xlsx"), {{"xl/workbook.xml", workbookXml({"S"})}});
    EXPECT_TRUE(readWorkbook(file("nosheet.xlsx")).failed);
    EXPECT_TRUE(readWorkbook(file("missing.xlsx")).failed);
}

TEST_F(WorkbookTest, AFailedUnpackLeavesNothingOfTheWorkbookBefore)
{
    packSheet(file("good.xlsx"), sheetXml("A1", row(1, str("A1", 0))), sharedStringsXml({"earlier"}));
    ASSERT_EQ(readWorkbook(file("good.xlsx")).rows, (Rows{{"earlier"}}));
    QFile bad(file("bad.xlsx"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("PK\x03\x04 not really");
    bad.close();
    SpreadsheetWriter::ReadWorkbook(file("bad.xlsx"), true);
    EXPECT_TRUE(SpreadsheetWriter::lastReadFailed());
    EXPECT_TRUE(spreadsheet->sharedStrings.isEmpty());
    EXPECT_TRUE(SpreadsheetWriter::Read_Sheets().isEmpty());
    Excel_Sheet_Number = 1;
    EXPECT_TRUE(SpreadsheetWriter::ReadData_only_column().isEmpty());
    EXPECT_TRUE(SpreadsheetWriter::lastReadFailed());
}

TEST_F(WorkbookTest, MalformedPartsAreNotRepaired)
{
    const QByteArray broken[] = {
        sheetXml("A1", "<row r=\"1\"><c r=\"A1\"><v>1</v></row>"),                        // unclosed cell
        sheetXml("A1", row(1, num("A1", "1"))).replace("</worksheet>", ""),           // cut short
        sheetXml("A1", row(1, "<c r=\"A1\"><v>&nbsp;</v></c>")),                           // an unknown entity
        sheetXml("A1", row(1, "<c r=A1><v>1</v></c>")),                                  // an unquoted attribute
        sheetXml("A1", row(1, num("1A", "1"))),                                         // a reference without letters
        "<?xml version=\"1.0\"?><!DOCTYPE worksheet [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>"
        "<worksheet xmlns=\"" + QByteArray(kMain) + "\"><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>&b;</t></is></c></row></sheetData></worksheet>",
    };
    for (const QByteArray &sheet : broken) {
        SCOPED_TRACE(sheet.constData());
        packSheet(file("m.xlsx"), sheet);
        EXPECT_TRUE(readWorkbook(file("m.xlsx")).failed);
    }
    // Broken shared strings make the workbook unreadable rather than its texts silently empty.
    packSheet(file("s.xlsx"), sheetXml("A1", row(1, str("A1", 0))), "<sst><si><t>x</si></sst>");
    EXPECT_TRUE(readWorkbook(file("s.xlsx")).failed);
    // A DOCTYPE without entity use is skipped; entities of the styles part stay unexpanded text.
    packSheet(file("d.xlsx"), "<?xml version=\"1.0\"?><!DOCTYPE worksheet><worksheet><sheetData>" + row(1, num("A1", "5")) + "</sheetData></worksheet>");
    EXPECT_EQ(readWorkbook(file("d.xlsx")).rows, (Rows{{"5"}}));
}

TEST_F(WorkbookTest, AResultOfMoreThanTenMillionCellsIsRefused)
{
    // 16,384 columns by 611 rows is just over the limit; the rows are tiny in the file.
    QByteArray rows;
    for (int r = 1; r <= 611; ++r)
        rows += "<row r=\"" + QByteArray::number(r) + "\"><c r=\"A" + QByteArray::number(r) + "\"><v>1</v></c></row>";
    packSheet(file("big.xlsx"), sheetXml("A1:XFD611", rows));
    EXPECT_TRUE(readWorkbook(file("big.xlsx")).failed);
    packSheet(file("fits.xlsx"), sheetXml("A1:XFD2", rows.left(rows.indexOf("<row r=\"3\""))));
    const ReadResult fits = readWorkbook(file("fits.xlsx"));
    EXPECT_FALSE(fits.failed);
    ASSERT_EQ(fits.rows.size(), 2);
    EXPECT_EQ(fits.rows.first().size(), 16384);
}
