// The spreadsheet link of a design and the add-to-series mode of the same picker, through its window.

#include "data/BatchWizard.h"
#include "data/Data_From_Excel.h"
#include "data/Import_Excel.h"
#include "data/SeriesListModel.h"
#include "picker_fixture.h"
#include "support/LibreOffice.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>

using namespace pickertest;

namespace {

const QString kUnreadable = QStringLiteral("Either file is corrupted or selected file contains invalid characters.");

class SpreadsheetLink : public PickerTest {
protected:
    void SetUp() override
    {
        PickerTest::SetUp();
        store().Linked_Sheet = LinkedSheetTable();
        picker().runner = nullptr;
        picker().open_mode = QStringLiteral("E");
    }
    void TearDown() override { store().Linked_Sheet = LinkedSheetTable(); }
    static Import_Excel &picker() { return *Import_Excel::defaultInstance(); }
    static Data_From_Excel &store() { return *Data_From_Excel::defaultInstance(); }
    // Opens the picker on the workbook; while it runs, the user's steps, then OK (or Cancel).
    int link(const QString &path, const std::function<void(Import_Excel &)> &steps, bool ok = true)
    {
        responder->onModal = [&, ok](QDialog &dialog) {
            steps(picker());
            (ok ? picker().okButton : picker().cancelButton)->click();
            // A refused OK leaves the window open: the user cancels then.
            if (dialog.isVisible())
                picker().cancelButton->click();
            return dialog.result();
        };
        return picker().Open_excel_Wnd(path);
    }
    void linkOld()
    {
        store().Linked_Sheet.columnTitles = {QStringLiteral("Old")};
        store().Create_List_By_Array({QStringLiteral("kept")}, 1);
    }
    QString openpyxlBook(const QString &name, const QString &script)
    {
        const QString path = file(name);
        if (python().isEmpty())
            return QString();
        EXPECT_TRUE(runPython(script, path));
        return path;
    }
};

const char *const kTwoSheets = R"(import sys, datetime, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
ws.title = "Staff"
ws.append(["Code", "Name", "Date"])
for i in range(1, 6):
    ws.append(["C-%03d" % i, "Name %d" % i, datetime.date(2024, 1, i)])
ws2 = wb.create_sheet("Other")
ws2.append(["X"])
wb.save(sys.argv[1])
)";

} // namespace

TEST_F(SpreadsheetLink, AnOpenpyxlWorkbookLinksTheTickedColumns)
{
    const QString path = openpyxlBook(QStringLiteral("staff.xlsx"), QString::fromLatin1(kTwoSheets));
    if (path.isEmpty())
        GTEST_SKIP() << "openpyxl is not installed";
    QStringList sheets, shownTitles;
    bool headerTicked = false;
    const int code = link(path, [&](Import_Excel &p) {
        sheets = sheetItems(p);
        shownTitles = titles(p);
        headerTicked = p.contains_header->isChecked();
        tick(p, {0, 2});
    });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(sheets, (QStringList{QStringLiteral("sheet1"), QStringLiteral("sheet2")}));
    EXPECT_EQ(shownTitles, (QStringList{QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("Date")}));
    EXPECT_TRUE(headerTicked);
    EXPECT_EQ(store().Linked_Sheet.columnTitles, (QStringList{QStringLiteral("Code"), QStringLiteral("Date")}));
    ASSERT_EQ(store().Linked_Sheet.rows.size(), 5);
    EXPECT_EQ(store().Linked_Sheet.value(2, QStringLiteral("Column1")), QStringLiteral("C-003"));
    EXPECT_FALSE(store().Linked_Sheet.value(2, QStringLiteral("Column2")).isEmpty()) << "the date as text";
    EXPECT_EQ(store().Linked_Sheet.value(4, QStringLiteral("Extension")), QStringLiteral("5"));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(SpreadsheetLink, TheSecondSheetItemReadsItsOwnPart)
{
    const QString path = openpyxlBook(QStringLiteral("staff.xlsx"), QString::fromLatin1(kTwoSheets));
    if (path.isEmpty())
        GTEST_SKIP() << "openpyxl is not installed";
    QStringList second;
    link(path, [&](Import_Excel &p) {
        p.Sheet_ComboBox->setCurrentIndex(1);
        second = titles(p);
    }, false);
    EXPECT_EQ(second, QStringList{QStringLiteral("X")});
    EXPECT_EQ(Excel_Sheet_Number, 2);
}

TEST_F(SpreadsheetLink, TitlesOfTickedColumnsAndBlankTitlesKeepTheirColumns)
{
    // Columns A, C and D ticked; C's title blank, B's title only blanks.
    const QString path = file(QStringLiteral("t.xlsx"));
    packRows(path, {{QStringLiteral("A"), QStringLiteral("   "), QString(), QStringLiteral("D")},
                    {QStringLiteral("a1"), QStringLiteral("b1"), QStringLiteral("c1"), QStringLiteral("d1")}});
    QStringList shown;
    ASSERT_EQ(link(path, [&](Import_Excel &p) {
        shown = titles(p);
        tick(p, {0, 2, 3});
    }), 1);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("A"), QStringLiteral("Untitled Column 2"), QStringLiteral("Untitled Column 3"),
                                  QStringLiteral("D")}))
        << "one table row per sheet column";
    EXPECT_EQ(store().Linked_Sheet.columnTitles,
              (QStringList{QStringLiteral("A"), QStringLiteral("Untitled Column 2"), QStringLiteral("D")}));
    EXPECT_EQ(store().Linked_Sheet.rows.first().cells, (QStringList{QStringLiteral("a1"), QStringLiteral("c1"), QStringLiteral("d1")}))
        << "the blank title's column pairs with its own cells";
}

TEST_F(SpreadsheetLink, RefusedOksAndCancelChangeNothing)
{
    const QString path = file(QStringLiteral("t.xlsx"));
    packRows(path, {{QStringLiteral("Code")}, {QStringLiteral("1")}});
    linkOld();
    struct Case {
        const char *name;
        bool tickOne;
        bool ok;
        QStringList messages;
    } const cases[] = {
        {"nothing ticked", false, true, {QStringLiteral("No column is selected.")}},
        {"cancel", true, false, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        responder->alerts.clear();
        EXPECT_EQ(link(path, [&](Import_Excel &p) {
            if (c.tickOne)
                tick(p, {0});
        }, c.ok), 0);
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(store().Linked_Sheet.columnTitles, QStringList{QStringLiteral("Old")});
        EXPECT_EQ(store().Linked_Sheet.rows.size(), 1);
    }
    // A sheet without a first row shows no column: OK says so.
    const QString empty = file(QStringLiteral("empty.xlsx"));
    packRows(empty, {});
    responder->alerts.clear();
    EXPECT_EQ(link(empty, [](Import_Excel &) {}), 0);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("There is no column.")});
}

TEST_F(SpreadsheetLink, ALinkWithoutRowsOrAnUnreadableSheetKeepsTheOldLink)
{
    struct Case {
        const char *name;
        QMap<QString, QByteArray> parts;
    };
    const QByteArray titleOnly = workbook_test::sheetXml(QByteArray(), rowsXml({{QStringLiteral("Code")}}));
    // The first row reads, the whole sheet does not: its second row is cut off.
    const QByteArray broken = workbook_test::sheetXml(QByteArray(), rowsXml({{QStringLiteral("Code")}})).replace(
        "</sheetData>", "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>x</t></is></c></row><row><c");
    const Case cases[] = {
        {"title row only", {{QStringLiteral("xl/workbook.xml"), workbook_test::workbookXml({QStringLiteral("S")})},
                            {QStringLiteral("xl/worksheets/sheet1.xml"), titleOnly}}},
        {"broken sheet", {{QStringLiteral("xl/workbook.xml"), workbook_test::workbookXml({QStringLiteral("S")})},
                          {QStringLiteral("xl/worksheets/sheet1.xml"), broken}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        linkOld();
        responder->alerts.clear();
        const QString path = file(QStringLiteral("%1.xlsx").arg(QString::fromLatin1(c.name).replace(' ', '_')));
        workbook_test::packParts(path, c.parts);
        EXPECT_EQ(link(path, [](Import_Excel &p) { tick(p, {0}); }), 0);
        EXPECT_EQ(messages(), QStringList{kUnreadable});
        EXPECT_EQ(store().Linked_Sheet.columnTitles, QStringList{QStringLiteral("Old")});
        ASSERT_EQ(store().Linked_Sheet.rows.size(), 1);
        EXPECT_EQ(store().Linked_Sheet.value(0, QStringLiteral("Column1")), QStringLiteral("kept"));
        store().Linked_Sheet = LinkedSheetTable();
    }
}

TEST_F(SpreadsheetLink, AWorkbookThatCannotBeReadShowsTheMessageAndNoWindow)
{
    struct Case {
        const char *name;
        QByteArray bytes;
    } const cases[] = {{"not a zip", "PK\x03\x04 not really"}, {"text", "hello"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        responder->alerts.clear();
        const QString path = file(QStringLiteral("bad.xlsx"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        const int before = responder->modalCount;
        EXPECT_EQ(picker().Open_excel_Wnd(path), 0);
        EXPECT_EQ(responder->modalCount, before);
        EXPECT_EQ(messages(), QStringList{kUnreadable});
    }
}

TEST_F(SpreadsheetLink, TwentyThousandRowsLinkTenThousandAfterOneMessage)
{
    QList<QStringList> rows{{QStringLiteral("Code")}};
    for (int i = 1; i <= 20000; ++i)
        rows.append({QStringLiteral("V%1").arg(i)});
    const QString path = file(QStringLiteral("big.xlsx"));
    packRows(path, rows);
    ASSERT_EQ(link(path, [](Import_Excel &p) { tick(p, {0}); }), 1);
    EXPECT_EQ(store().Linked_Sheet.rows.size(), 10000);
    EXPECT_EQ(store().Linked_Sheet.value(9999, QStringLiteral("Column1")), QStringLiteral("V10000"));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().contains(QStringLiteral("10000")));
    // Exactly 10,001 rows are taken without a message.
    rows.resize(10001);
    packRows(path, rows);
    responder->alerts.clear();
    ASSERT_EQ(link(path, [](Import_Excel &p) { tick(p, {0}); }), 1);
    EXPECT_EQ(store().Linked_Sheet.rows.size(), 10000);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(SpreadsheetLink, WithoutTheHeaderBoxTheTitleRowIsDataToo)
{
    const QString path = file(QStringLiteral("t.xlsx"));
    packRows(path, {{QStringLiteral("Code")}, {QStringLiteral("1")}});
    ASSERT_EQ(link(path, [](Import_Excel &p) {
        p.contains_header->setChecked(false);
        tick(p, {0});
    }), 1);
    EXPECT_EQ(store().Linked_Sheet.columnTitles, QStringList{QStringLiteral("Code")});
    ASSERT_EQ(store().Linked_Sheet.rows.size(), 2);
    EXPECT_EQ(store().Linked_Sheet.value(0, QStringLiteral("Column1")), QStringLiteral("Code"));
}

TEST_F(SpreadsheetLink, SelectAllAndClearAllTickEveryRow)
{
    const QString path = file(QStringLiteral("t.xlsx"));
    packRows(path, {{QStringLiteral("A"), QStringLiteral("B")}, {QStringLiteral("1"), QStringLiteral("2")}});
    QList<bool> afterAll, afterClear;
    link(path, [&](Import_Excel &p) {
        p.Select_All_Btn->click();
        afterAll = {p.Get_Selection_State(0), p.Get_Selection_State(1), p.Get_Selection_State(2)};
        p.Clear_All_Btn->click();
        afterClear = {p.Get_Selection_State(0), p.Get_Selection_State(1)};
        EXPECT_EQ(titles(p), (QStringList{QStringLiteral("A"), QStringLiteral("B")})) << "titles kept";
    }, false);
    EXPECT_EQ(afterAll, (QList<bool>{true, true, false})) << "an index outside the table is unticked";
    EXPECT_EQ(afterClear, (QList<bool>{false, false}));
}

TEST_F(SpreadsheetLink, ModeDAppendsTheTickedCellsToTheSeriesBeingEdited)
{
    const QString path = file(QStringLiteral("t.xlsx"));
    packRows(path, {{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
                    {QStringLiteral(" a "), QStringLiteral("skip"), QStringLiteral("b")},
                    {QStringLiteral("c"), QStringLiteral("skip"), QString()},
                    {QStringLiteral("two\r\nlines"), QStringLiteral("skip"), QString()}});
    BatchWizard *manager = BatchWizard::defaultInstance();
    manager->ListData_value->clear();
    manager->ListData_value->append({QStringLiteral("old")});
    picker().open_mode = QStringLiteral("D");
    ASSERT_EQ(link(path, [](Import_Excel &p) { tick(p, {0, 2}); }), 1);
    EXPECT_EQ(manager->ListData_value->values(),
              (QStringList{QStringLiteral("old"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("two lines")}))
        << "a cell with a line break stays one value";
    EXPECT_TRUE(store().Linked_Sheet.rows.isEmpty()) << "the link is not touched";
    manager->ListData_value->clear();
}

TEST_F(SpreadsheetLink, ALibreOfficeWorkbookListsItsSheetsAndLinks)
{
    if (libreoffice::program().isEmpty() || python().isEmpty())
        GTEST_SKIP() << "LibreOffice or openpyxl is not installed";
    // An openpyxl workbook of two sheets, saved again by LibreOffice.
    const QString source = openpyxlBook(QStringLiteral("source.xlsx"), QString::fromLatin1(kTwoSheets));
    const QString out = file(QStringLiteral("lo"));
    ASSERT_TRUE(libreoffice::convert(dir.path(), QStringLiteral("xlsx:Calc MS Excel 2007 XML"), {source}, out));
    const QString converted = QDir(out).filePath(QStringLiteral("source.xlsx"));
    QStringList sheets, shown;
    ASSERT_EQ(link(converted, [&](Import_Excel &pk) {
        sheets = sheetItems(pk);
        shown = titles(pk);
        tick(pk, {0, 1});
    }), 1);
    EXPECT_EQ(sheets, (QStringList{QStringLiteral("sheet1"), QStringLiteral("sheet2")}));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("Date")}));
    ASSERT_EQ(store().Linked_Sheet.rows.size(), 5);
    EXPECT_EQ(store().Linked_Sheet.rows.at(4).cells, (QStringList{QStringLiteral("C-005"), QStringLiteral("Name 5")}));
}
