// Spreadsheet columns to series, through the window: each column as a series with the
// keep-or-replace question, and all ticked cells into one new, replaced or appended series.

#include "data/Import_Excel_DataSheet.h"
#include "picker_fixture.h"
#include "series_fixture.h"
#include "core/Messages.h"
#include "core/UserFolders.h"
#include "io/SeriesStore.h"
#include "support/SyncFailure.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

#include <optional>

using namespace pickertest;

namespace {

const QString kUnreadable = QStringLiteral("Either file is corrupted or selected file contains invalid characters.");

class ColumnsToSeries : public PickerTest {
protected:
    static Import_Excel_DataSheet &picker() { return *Import_Excel_DataSheet::defaultInstance(); }
    // Opens the window on the workbook; the user's steps, then OK (Cancel when the window stays open).
    int run(const QString &path, const std::function<void(Import_Excel_DataSheet &)> &steps)
    {
        int result = -1;
        responder->onModal = [&](QDialog &dialog) {
            steps(picker());
            picker().setResult(-1);
            picker().okButton->click();
            stayedOpen = picker().result() == -1;   // OK ends the run with a code of its own
            if (stayedOpen)
                picker().cancelButton->click();
            result = dialog.result();
            return result;
        };
        picker().Open_excel_datasheet_Wnd(path);
        return result;
    }
    QString threeColumns()
    {
        const QString path = file(QStringLiteral("cols.xlsx"));
        packRows(path, {{QStringLiteral("Codes"), QStringLiteral("Names"), QStringLiteral("Cities")},
                        {QStringLiteral("c1"), QStringLiteral("n1"), QStringLiteral("t1")},
                        {QStringLiteral("c2"), QStringLiteral("n2"), QStringLiteral("t2")}});
        return path;
    }
    static void oneSeries(Import_Excel_DataSheet &p, int option)
    {
        p.Fill_col_RD->click();
        p.matrix_fill_type->button(option)->click();
    }
    bool stayedOpen = false;
};

} // namespace

TEST_F(ColumnsToSeries, EachTickedColumnBecomesItsSeries)
{
    ASSERT_EQ(run(threeColumns(), [](Import_Excel_DataSheet &p) { tick(p, {0, 2}); }), 1);
    EXPECT_EQ(seriesBytes(QStringLiteral("Codes.txt")), "c1\nc2\n");
    EXPECT_EQ(seriesBytes(QStringLiteral("Cities.txt")), "t1\nt2\n");
    EXPECT_FALSE(QFile::exists(seriesFile(QStringLiteral("Names.txt"))));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ColumnsToSeries, KeepBothWritesTheNextFreeCountedName)
{
    putSeries(QStringLiteral("Codes.txt"), "old\n");
    putSeries(QStringLiteral("Codes (1).TXT"), "older\n");
    responder->alertAnswers = {QStringLiteral("Keep Both")};
    ASSERT_EQ(run(threeColumns(), [](Import_Excel_DataSheet &p) { tick(p, {0}); }), 1);
    ASSERT_EQ(responder->alerts.size(), 1);
    EXPECT_EQ(responder->alerts.first().message,
              QStringLiteral("File already exists\n\nCodes\n\nFile already exists in this location.\n\nDo you want to Keep or Replace it?"));
    EXPECT_EQ(responder->alerts.first().checkBox, QStringLiteral("Apply to All"));
    EXPECT_EQ(seriesBytes(QStringLiteral("Codes.txt")), "old\n");
    EXPECT_EQ(seriesBytes(QStringLiteral("Codes (1).TXT")), "older\n");
    EXPECT_EQ(seriesBytes(QStringLiteral("Codes (2).TXT")), "c1\nc2\n");
    EXPECT_EQ(replace_keep_file_flag, 1);
}

TEST_F(ColumnsToSeries, ApplyToAllAnswersEveryLaterSeriesOfTheRun)
{
    struct Case {
        const char *answer;
        QByteArray codes, names;
        int flag;
    } const cases[] = {{"Replace", "c1\nc2\n", "n1\nn2\n", 2}, {"Cancel", "old codes\n", "old names\n", 5}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.answer);
        responder->alerts.clear();
        putSeries(QStringLiteral("Codes.TXT"), "old codes\n");
        putSeries(QStringLiteral("Names.txt"), "old names\n");
        QFile::remove(seriesFile(QStringLiteral("Cities.txt")));
        responder->alertAnswers = {QString::fromLatin1(c.answer)};
        responder->alertCheckAnswers = {true};
        ASSERT_EQ(run(threeColumns(), [](Import_Excel_DataSheet &p) { p.Select_All_Btn->click(); }), 1);
        EXPECT_EQ(responder->alerts.size(), 1) << "a single question";
        EXPECT_EQ(seriesBytes(QStringLiteral("Codes.TXT")), c.codes) << "replaced in place, under its own name";
        EXPECT_FALSE(QFile::exists(seriesFile(QStringLiteral("Codes.txt"))) && QFile::exists(seriesFile(QStringLiteral("Codes.TXT")))
                     && seriesBytes(QStringLiteral("Codes.txt")) != seriesBytes(QStringLiteral("Codes.TXT")));
        EXPECT_EQ(seriesBytes(QStringLiteral("Names.txt")), c.names);
        EXPECT_EQ(seriesBytes(QStringLiteral("Cities.txt")), "t1\nt2\n") << "the new series is written anyway";
        EXPECT_EQ(replace_keep_file_flag, c.flag);
        EXPECT_FALSE(Stop_Processing_Now) << "this question never stops a job";
    }
}

TEST_F(ColumnsToSeries, NamesAreCleanedAndCellsStayOneValue)
{
    const QString path = file(QStringLiteral("odd.xlsx"));
    packRows(path, {{QStringLiteral("a.b/c"), QStringLiteral("Lines")},
                    {QStringLiteral("x"), QStringLiteral("one\r\ntwo\nthree\rfour")},
                    {QStringLiteral("y"), QStringLiteral("next")}});
    ASSERT_EQ(run(path, [](Import_Excel_DataSheet &p) { tick(p, {0, 1}); }), 1);
    EXPECT_EQ(seriesBytes(QStringLiteral("a_b_c.txt")), "x\ny\n");
    EXPECT_EQ(seriesBytes(QStringLiteral("Lines.txt")), "one two three four\nnext\n") << "records stay paired";
}

TEST_F(ColumnsToSeries, ANameThatCleansToNothingIsRefused)
{
    const char *const titles[] = {"/", "?*", "\"<>"};
    for (const char *title : titles) {
        SCOPED_TRACE(title);
        responder->alerts.clear();
        const QString path = file(QStringLiteral("bad.xlsx"));
        packRows(path, {{QString::fromLatin1(title)}, {QStringLiteral("v")}});
        run(path, [](Import_Excel_DataSheet &p) { tick(p, {0}); });
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages(), QStringList{QStringLiteral("Please enter valid series name.")});
        EXPECT_EQ(QDir(Data_Folder_Path).entryList(QDir::Files), QStringList()) << "nothing written";
    }
}

TEST_F(ColumnsToSeries, PathLikeTitlesStayInTheSeriesFolder)
{
    const QString path = file(QStringLiteral("paths.xlsx"));
    packRows(path, {{QStringLiteral(".."), QStringLiteral("../../up"), QStringLiteral("Third")},
                    {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}});
    ASSERT_EQ(run(path, [](Import_Excel_DataSheet &p) {
        p.Select_All_Btn->click();
        // A control character typed into a name is dropped.
        p.ListData_xl->setData(p.ListData_xl->index(2, 2), QStringLiteral("tab\tthere"), Qt::EditRole);
    }), 1);
    EXPECT_EQ(QDir(Data_Folder_Path).entryList(QDir::Files),
              (QStringList{QStringLiteral("__.txt"), QStringLiteral("______up.txt"), QStringLiteral("tabthere.txt")}));
    EXPECT_FALSE(QFile::exists(QFileInfo(Data_Folder_Path).path() + QStringLiteral("/up.txt")));
}

TEST_F(ColumnsToSeries, AnUnwritableColumnIsReportedAndTheOthersAreWritten)
{
    // The series to be replaced cannot be: its folder (or the file) is locked.
    putSeries(QStringLiteral("Names.txt"), "old\n");
    responder->alertAnswers = {QStringLiteral("Replace")};
    seriestest::Undeletable lock(seriesFile(QStringLiteral("Names.txt")));
    if (!lock.ok())
        GTEST_SKIP() << "the file cannot be locked here";
    ASSERT_EQ(run(threeColumns(), [](Import_Excel_DataSheet &p) { p.Select_All_Btn->click(); }), 1);
    EXPECT_EQ(seriesBytes(QStringLiteral("Names.txt")), "old\n") << "the old series stays whole";
    EXPECT_EQ(seriesBytes(QStringLiteral("Codes.txt")), "c1\nc2\n");
    EXPECT_EQ(seriesBytes(QStringLiteral("Cities.txt")), "t1\nt2\n");
    EXPECT_EQ(messages().last(), QStringLiteral("Error in file accessing."));
}

TEST_F(ColumnsToSeries, OneSeriesNewReplaceAndAppend)
{
    const QString path = threeColumns();
    const testsupport::SyncFailure disk(Data_Folder_Path);   // each saved all the same, and said so
    // New: the ticked cells row by row.
    ASSERT_EQ(run(path, [](Import_Excel_DataSheet &p) {
        oneSeries(p, 0);
        p.list_name->setText(QStringLiteral("All"));
        tick(p, {0, 2});
    }), 1);
    EXPECT_EQ(seriesBytes(QStringLiteral("All.txt")), "c1\nt1\nc2\nt2\n");
    // Append to a file without a final line feed: the new values start on a line of their own.
    putSeries(QStringLiteral("Tail.txt"), "a\nb");
    ASSERT_EQ(run(path, [](Import_Excel_DataSheet &p) {
        oneSeries(p, 2);
        p.List_ComboBox->setCurrentText(QStringLiteral("Tail"));
        tick(p, {1});
    }), 1);
    EXPECT_EQ(seriesBytes(QStringLiteral("Tail.txt")), "a\nb\nn1\nn2\n");
    // Replace: the old values are gone.
    ASSERT_EQ(run(path, [](Import_Excel_DataSheet &p) {
        oneSeries(p, 1);
        p.List_ComboBox->setCurrentText(QStringLiteral("Tail"));
        tick(p, {0});
    }), 1);
    EXPECT_EQ(seriesBytes(QStringLiteral("Tail.txt")), "c1\nc2\n");
    // New over an existing series asks; No writes nothing and keeps the window open.
    responder->alertAnswers = {QStringLiteral("No")};
    run(path, [](Import_Excel_DataSheet &p) {
        oneSeries(p, 0);
        p.list_name->setText(QStringLiteral("All"));
        tick(p, {1});
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(seriesBytes(QStringLiteral("All.txt")), "c1\nt1\nc2\nt2\n");
    EXPECT_TRUE(messages().last().contains(QStringLiteral("already exists")));
    const auto warned = [](const char *s) { return series_store::unsyncedWarning({s}, testsupport::SyncFailure::reason()); };
    EXPECT_EQ(messages().filter("power cut"), QStringList({warned("All"), warned("Tail"), warned("Tail")}));
}

TEST_F(ColumnsToSeries, AnUnreadableSheetLosesNoSeries)
{
    putSeries(QStringLiteral("Keep.txt"), "k1\nk2\n");
    const QByteArray broken = workbook_test::sheetXml(QByteArray(), rowsXml({{QStringLiteral("Codes")}})).replace(
        "</sheetData>", "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>x</t></is></c></row><row><c");
    const QString path = file(QStringLiteral("broken.xlsx"));
    workbook_test::packParts(path, {{QStringLiteral("xl/workbook.xml"), workbook_test::workbookXml({QStringLiteral("S")})},
                                    {QStringLiteral("xl/worksheets/sheet1.xml"), broken}});
    for (int option : {1, 2}) {
        SCOPED_TRACE(option);
        responder->alerts.clear();
        run(path, [option](Import_Excel_DataSheet &p) {
            oneSeries(p, option);
            p.List_ComboBox->setCurrentText(QStringLiteral("Keep"));
            tick(p, {0});
        });
        EXPECT_EQ(seriesBytes(QStringLiteral("Keep.txt")), "k1\nk2\n");
        EXPECT_EQ(messages(), QStringList{kUnreadable});
    }
}

TEST_F(ColumnsToSeries, RefusedOksSayWhy)
{
    const QString path = threeColumns();
    struct Case {
        const char *name;
        std::function<void(Import_Excel_DataSheet &)> steps;
        const char *message;
    } const cases[] = {
        {"nothing ticked", [](Import_Excel_DataSheet &) {}, "No column is selected."},
        {"no new name", [](Import_Excel_DataSheet &p) { oneSeries(p, 0); tick(p, {0}); }, "Please enter list name."},
        {"no series chosen", [](Import_Excel_DataSheet &p) { oneSeries(p, 1); p.List_ComboBox->setCurrentText(QString()); tick(p, {0}); },
         "Please select list name."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        responder->alerts.clear();
        run(path, c.steps);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages(), QStringList{QString::fromLatin1(c.message)});
    }
    EXPECT_EQ(QDir(Data_Folder_Path).entryList(QDir::Files), QStringList());
}

TEST_F(ColumnsToSeries, OpeningAgainResetsTheWindow)
{
    const QString path = threeColumns();
    run(path, [](Import_Excel_DataSheet &p) {
        oneSeries(p, 2);
        tick(p, {0});
        p.List_ComboBox->setCurrentText(QStringLiteral("Nope"));
    });
    bool each = false, fillEnabled = true, headerShown = false, anyTicked = true, nameShown = false;
    int option = -1;
    responder->onModal = [&](QDialog &dialog) {
        Import_Excel_DataSheet &p = picker();
        each = p.Each_col_RD->isChecked() && !p.Fill_col_RD->isChecked();
        fillEnabled = p.fill_box->isEnabled();
        headerShown = !p.ColList->isColumnHidden(2);
        anyTicked = p.Check_For_One_Extension_Selection();
        option = p.fill_col_option;
        nameShown = !p.list_name->isHidden() && p.List_ComboBox->isHidden();
        p.cancelButton->click();
        return dialog.result();
    };
    picker().Open_excel_datasheet_Wnd(path);
    EXPECT_TRUE(each);
    EXPECT_FALSE(fillEnabled);
    EXPECT_TRUE(headerShown);
    EXPECT_FALSE(anyTicked);
    EXPECT_EQ(option, 0);
    EXPECT_TRUE(nameShown);
}

TEST_F(ColumnsToSeries, AnEditedHeaderNamesTheSeries)
{
    ASSERT_EQ(run(threeColumns(), [](Import_Excel_DataSheet &p) {
        tick(p, {1});
        EXPECT_TRUE(p.ListData_xl->flags(p.ListData_xl->index(1, 2)) & Qt::ItemIsEditable);
        p.ListData_xl->setData(p.ListData_xl->index(1, 2), QStringLiteral(" People "), Qt::EditRole);
    }), 1);
    EXPECT_EQ(seriesBytes(QStringLiteral("People.txt")), "n1\nn2\n");
}

TEST_F(ColumnsToSeries, ColumnsWhoseNamesCleanAlikeNeverReplaceEachOther)
{
    const QString path = file(QStringLiteral("same.xlsx"));
    packRows(path, {{"Code", "Name", "Code ", "a.b", "a_b"}, {"1", "n", "3", "4", "5"}});
    putSeries(QStringLiteral("Code.txt"), "old\n");
    responder->alertAnswers = {QStringLiteral("Replace")};
    responder->alertCheckAnswers = {true};
    const testsupport::SyncFailure disk(Data_Folder_Path);   // saved all the same, and said once
    ASSERT_EQ(run(path, [](Import_Excel_DataSheet &p) { p.Select_All_Btn->click(); }), 1);
    EXPECT_EQ(messages().last(), series_store::unsyncedWarning({"Code", "Name", "Code (1)", "a_b", "a_b (1)"},
                                                               testsupport::SyncFailure::reason()));
    const struct { const char *file; QByteArray bytes; } written[] = {
        {"Code.txt", "1\n"}, {"Code (1).TXT", "3\n"}, {"a_b.txt", "4\n"}, {"a_b (1).TXT", "5\n"}};
    for (const auto &w : written)
        EXPECT_EQ(seriesBytes(QString::fromLatin1(w.file)), w.bytes) << w.file;
}

TEST_F(ColumnsToSeries, AColumnCutShortByAFullDiskLeavesTheOldSeries)
{
    putSeries(QStringLiteral("Codes.txt"), "1\n2\n3\n");
    QList<QStringList> rows{{QStringLiteral("Codes")}};
    for (int i = 0; i < 3000; ++i)
        rows.append({QString::number(i)});
    const QString path = file(QStringLiteral("long.xlsx"));
    packRows(path, rows);
    responder->alertAnswers = {QStringLiteral("Replace")};
    std::optional<seriestest::FileSizeLimit> limit;   // once the workbook is unpacked
    ASSERT_EQ(run(path, [&](Import_Excel_DataSheet &p) {
        tick(p, {0});
        limit.emplace(4096);
    }), 1);
    limit.reset();
    EXPECT_EQ(seriesBytes(QStringLiteral("Codes.txt")), "1\n2\n3\n");
    EXPECT_EQ(messages().last(), QStringLiteral("Error in file accessing."));
}
