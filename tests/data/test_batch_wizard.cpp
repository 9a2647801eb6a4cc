// The series manager, used as a user uses it: its buttons, the rows chosen in its tables and its
// name field, the questions and the save panel answered by script.

#include "core/Open_Export_Log.h"
#include "data/BatchWizard.h"
#include "data/Generate_List.h"
#include "data/Load_Num_Info.h"
#include "data/SeriesListModel.h"
#include "io/SeriesStore.h"
#include "io/SpreadsheetWriter.h"
#include "io/workbook_fixture.h"
#include "platform/Files.h"
#include "support/SyncFailure.h"
#include "support/UserInput.h"
#include "series_fixture.h"
#include "core/UserFolders.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include <functional>

namespace {

using testsupport::pick;

class SeriesManager : public seriestest::SeriesWindowTest {
protected:
    BatchWizard &m = *BatchWizard::defaultInstance();

    // Opens the manager and lets the user act while it runs; other dialogs opened meanwhile are
    // handled by onOther (unset: closed with Cancel).
    int run(const std::function<void()> &user)
    {
        int result = -1;
        responder->onModal = [&](QDialog &dialog) {
            dialog.show();   // laid out as on screen, so that clicks land on the controls
            if (&dialog == &m) {
                user();
                result = dialog.result();
                return result;
            }
            ++otherModals;
            return onOther ? onOther(dialog) : 0;
        };
        m.Open_Wnd();
        return result;
    }
    static void select(QTableView *table, const QList<int> &rows)
    {
        table->clearSelection();
        for (int r : rows)
            table->selectionModel()->select(table->model()->index(r, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    static QList<int> selected(QTableView *table)
    {
        QList<int> rows;
        for (const QModelIndex &i : table->selectionModel()->selectedRows())
            rows << i.row();
        return rows;
    }
    static void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    static void type(QLineEdit *field, const QString &text)
    {
        field->selectAll();   // typing replaces the selection
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    bool onValueScreen() const { return m.screens->currentIndex() == 1; }
    // Opens the series of that row on the value screen.
    void openRow(int row)
    {
        select(m.List, {row});
        click(m.Update_Btn);
    }

    std::function<int(QDialog &)> onOther;
    int otherModals = 0;
};

QString python()
{
    for (const QString &p : {QStandardPaths::findExecutable("python3"), QStringLiteral("/usr/bin/python3")}) {
        if (p.isEmpty())
            continue;
        QProcess check;
        check.start(p, {"-c", "import openpyxl"});
        if (check.waitForFinished(30000) && check.exitCode() == 0)
            return p;
    }
    return QString();
}

} // namespace

TEST_F(SeriesManager, AnEmptyFolderHasNoSeriesToOpenOrDelete)
{
    const int result = run([&] {
        EXPECT_EQ(m.batch_list_count->text(), "Total List : 0");
        EXPECT_FALSE(onValueScreen());
        click(m.Update_Btn);
        click(m.Delete_List_Btn);
        click(m.Close_Btn);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(messages(), QStringList({"Available list is empty.", "Available list is empty."}));
}

TEST_F(SeriesManager, ASeriesKeptWithACapitalExtensionOpensAndIsDeleted)
{
    put("Name (1).TXT", "  a \n\n\tb\n\n");
    put("other.txt", "x\n");
    run([&] {
        EXPECT_EQ(m.ListData->values(), QStringList({"Name (1)", "other"}));
        EXPECT_EQ(m.batch_list_count->text(), "Total List : 2");
        click(m.Update_Btn);   // nothing chosen yet
        openRow(0);
        EXPECT_TRUE(onValueScreen());
        EXPECT_EQ(m.batch_list_name->text(), "Name (1)");
        EXPECT_EQ(m.update_list_name->text(), "Name (1)");
        EXPECT_FALSE(m.update_list_name->isVisibleTo(&m));
        EXPECT_EQ(m.ListData_value->values(), QStringList({"a", "b"}));
        EXPECT_EQ(m.batch_value_count->text(), "Total Rows : 2");
        click(m.Back_Btn);
        EXPECT_TRUE(m.update_list_name->text().isEmpty());
        select(m.List, {0});
        responder->alertAnswers = {"No"};
        click(m.Delete_List_Btn);
        EXPECT_EQ(m.ListData->size(), 2);
        responder->alertAnswers = {"Yes"};
        click(m.Delete_List_Btn);
        EXPECT_EQ(m.ListData->values(), QStringList{"other"});
        EXPECT_EQ(m.batch_list_count->text(), "Total List : 1");
        EXPECT_EQ(selected(m.List), QList<int>{0});
        click(m.Close_Btn);
    });
    EXPECT_FALSE(QFileInfo::exists(seriesPath("Name (1).TXT")));
    EXPECT_EQ(fileOf("other.txt"), "x\n");
    EXPECT_EQ(messages(), QStringList({"Please select a record from the available list to continue.",
                                       "Are you sure want to delete selected Batch Processing Series?",
                                       "Are you sure want to delete selected Batch Processing Series?"}));
}

TEST_F(SeriesManager, SavingUnderTheSameNewOrAnotherName)
{
    struct Case {
        QString typed;
        QString answer;   // to the replace question; empty: none asked
        QString target;   // the file that holds the values afterwards
        QByteArray codes; // what "Codes.txt" holds afterwards
        bool backOnList;
        bool unsynced = false;   // the folder's sync fails: saved, and said so
    };
    const Case cases[] = {
        {"Codes", "", "Codes.txt", "b\nc\n", true},
        {"Renamed", "", "Renamed.txt", "<missing>", true},
        {"a.b", "", "a_b.txt", "<missing>", true},
        {"Other", "No", "Other.txt", "a\n b \nc\n", false},
        {"Other", "Yes", "Other.txt", "a\n b \nc\n", true},
        {"Renamed", "", "Renamed.txt", "<missing>", true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString(c.typed + c.answer).toStdString());
        QDir(Data_Folder_Path).removeRecursively();
        QDir().mkpath(Data_Folder_Path);
        put("Codes.txt", "a\n b \nc\n");
        put("Other.txt", "keep\n");
        responder->alerts.clear();
        responder->alertAnswers = c.answer.isEmpty() ? QStringList() : QStringList{c.answer};
        bool back = false;
        const testsupport::SyncFailure disk(Data_Folder_Path, c.unsynced);
        run([&] {
            openRow(0);
            select(m.List_value, {0});
            click(m.Delete_Rows_Btn);
            type(m.batch_list_name, c.typed);
            click(m.Save_Btn);
            back = !onValueScreen();
            click(back ? m.Close_Btn : m.Close_2_Btn);
        });
        EXPECT_EQ(back, c.backOnList);
        EXPECT_EQ(fileOf("Codes.txt"), c.codes);
        EXPECT_EQ(fileOf(c.target), c.answer == "No" ? QByteArray("keep\n") : QByteArray("b\nc\n"));
        EXPECT_EQ(messages().size(), (c.answer.isEmpty() ? 0 : 1) + c.unsynced);
        EXPECT_EQ(messages().value(0) == series_store::unsyncedWarning({c.typed}, testsupport::SyncFailure::reason()), c.unsynced);
        if (back) {
            EXPECT_EQ(m.ListData->size(), QDir(Data_Folder_Path).entryList(QDir::Files).size());
        }
    }
}

TEST_F(SeriesManager, ANewSeriesNeedsValuesAndAName)
{
    run([&] {
        click(m.AddNew_Btn);
        EXPECT_TRUE(onValueScreen());
        EXPECT_EQ(m.batch_list_name->text(), "Untitled");
        EXPECT_EQ(m.batch_value_count->text(), "Total Rows : 0");
        click(m.Save_Btn);
        click(m.Export_Value_Btn);
        click(m.Delete_Rows_Btn);
        m.Create_Value_List("  first ");
        m.Create_Value_List(" \t ");
        m.Create_Value_List("second");
        type(m.batch_list_name, "*/?");
        click(m.Save_Btn);
        type(m.batch_list_name, "Typed");
        click(m.Save_Btn);
        click(m.Close_Btn);
    });
    EXPECT_EQ(fileOf("Typed.txt"), "first\nsecond\n");
    EXPECT_EQ(messages(), QStringList({"List is empty.", "List is empty.", "List is empty.", "Please enter valid series name."}));
}

TEST_F(SeriesManager, DeletingRowsSelectsTheNextRowOrTheFirst)
{
    struct Case {
        QList<int> rows;
        QStringList left;
        QList<int> selectedAfter;
    };
    const Case cases[] = {
        {{1}, {"1", "3", "4", "5"}, {1}},
        {{1, 3}, {"1", "3", "5"}, {0}},
        {{4}, {"1", "2", "3", "4"}, {0}},
        {{0, 1, 2, 3, 4}, {}, {}},
    };
    for (const Case &c : cases) {
        put("Five.txt", "1\n2\n3\n4\n5\n");
        responder->alerts.clear();
        run([&] {
            openRow(0);
            click(m.Delete_Rows_Btn);   // nothing chosen
            select(m.List_value, c.rows);
            click(m.Delete_Rows_Btn);
            EXPECT_EQ(m.ListData_value->values(), c.left);
            EXPECT_EQ(selected(m.List_value), c.selectedAfter);
            EXPECT_EQ(m.batch_value_count->text(), QStringLiteral("Total Rows : %1").arg(c.left.size()));
            click(m.Close_2_Btn);
        });
        EXPECT_EQ(messages(), QStringList{"Please select at least one record from the list to continue."});
        EXPECT_EQ(fileOf("Five.txt"), "1\n2\n3\n4\n5\n");   // nothing written before Save
    }
}

TEST_F(SeriesManager, DoubleClicksOpenOneSeriesOnly)
{
    put("a.txt", "1\n");
    put("b.txt", "2\n");
    run([&] {
        select(m.List, {0, 1});
        m.doubleClickInTable(m.List);
        EXPECT_FALSE(onValueScreen());
        select(m.List, {1});
        m.doubleClickInTable(m.List);
        EXPECT_TRUE(onValueScreen());
        EXPECT_EQ(m.ListData_value->values(), QStringList{"2"});
        m.Create_Value_List("3");
        select(m.List_value, {0, 1});
        m.doubleClickInTable(m.List_value);
        click(m.Close_2_Btn);
    });
    EXPECT_EQ(messages(), QStringList({"Please select only one record to update.", "Please select only one record to update."}));
}

TEST_F(SeriesManager, BadSeriesFilesNeverCrashTheManager)
{
    put("bad.txt", "ok\n\xff\xfe\n");
    put("big.txt", "");
    put("gone.txt", "1\n");
    {
        QFile big(seriesPath("big.txt"));
        ASSERT_TRUE(big.resize(series_store::kMaxSeriesBytes + 1));
    }
    run([&] {
        ASSERT_EQ(m.ListData->values(), QStringList({"bad", "big", "gone"}));
        openRow(0);   // not UTF-8: opens empty
        EXPECT_TRUE(onValueScreen());
        EXPECT_EQ(m.ListData_value->size(), 0);
        click(m.Back_Btn);
        openRow(1);   // too large to read
        EXPECT_FALSE(onValueScreen());
        QFile::remove(seriesPath("gone.txt"));
        openRow(2);   // removed since the list was filled
        EXPECT_FALSE(onValueScreen());
        click(m.Close_Btn);
    });
    EXPECT_EQ(messages(), QStringList({"Error in file accessing.", "Error in file accessing."}));
}

TEST_F(SeriesManager, ExportsWriteTextOrAWorkbook)
{
    put("Codes.txt", "x1\nx2\nx3\n");
    QTemporaryDir out;
    struct Case {
        QString chosen, written;
        int format;   // the accessory's item the user picks
        bool unsynced = false;   // the folder's sync fails: saved, and said so
    };
    const Case cases[] = {
        {out.filePath("list.csv"), out.filePath("list.csv.txt"), 1},
        {out.filePath("plain.txt"), out.filePath("plain.txt"), 1},
        {out.filePath("book.xlsx"), out.filePath("book.xlsx"), 0},
        {out.filePath("u.txt"), out.filePath("u.txt"), 1, true},
        {out.filePath("u.xlsx"), out.filePath("u.xlsx"), 0, true},
    };
    QStringList doneMessages;
    onOther = [&](QDialog &dialog) {
        if (auto *box = qobject_cast<Open_Export_Log *>(&dialog)) {
            doneMessages << box->_open_log_message->text() + "|" + box->_open_log_path->text();
            box->CancelPressed();
        }
        return dialog.result();
    };
    for (const Case &c : cases) {
        responder->saveAnswers = {c.chosen};
        const testsupport::SyncFailure disk(out.path(), c.unsynced);
        run([&] {
            openRow(0);
            click(m.Export_Value_Btn);
            click(m.Close_2_Btn);
        });
    }
    EXPECT_EQ(bytesOf(cases[0].written), "x1\nx2\nx3\n");
    EXPECT_EQ(bytesOf(cases[1].written), "x1\nx2\nx3\n");
    ASSERT_EQ(doneMessages.size(), 5);
    EXPECT_EQ(doneMessages.at(0), "Record has been exported successfully.|" + cases[0].written);
    for (const int i : {3, 4})
        EXPECT_EQ(doneMessages.at(i), platform::unsyncedWarning('"' + QFileInfo(cases[i].written).fileName() + '"',
                                                                testsupport::SyncFailure::reason()) + "|" + cases[i].written);
    EXPECT_EQ(responder->saveRequests.last().extensions, QStringList({"xlsx", "txt"}));
    const SpreadsheetWriter::Rows rows = workbook_test::readWorkbook(cases[2].written).rows;   // unpacked anew
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows.at(0).first(), "Batch Value");
    EXPECT_EQ(rows.at(3).first(), "x3");
    const QString py = python();
    if (py.isEmpty())
        GTEST_SKIP() << "openpyxl is not installed";
    QProcess p;
    p.start(py, {"-c", "import sys, openpyxl\nws = openpyxl.load_workbook(sys.argv[1]).active\n"
                       "print('|'.join(str(r[0].value) for r in ws.iter_rows()))",
                 cases[2].written});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.readAllStandardOutput().trimmed(), "Batch Value|x1|x2|x3");
}

TEST_F(SeriesManager, CancellingTheSavePanelExportsNothing)
{
    put("Codes.txt", "x1\n");
    run([&] {
        openRow(0);
        click(m.Export_Value_Btn);
        click(m.Close_2_Btn);
    });
    EXPECT_EQ(otherModals, 0);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(SeriesManager, FailedWritesKeepEveryFileAndSaySo)
{
    put("Codes.txt", "a\nb\nc\n");
    put("Other.txt", "keep\n");
    QTemporaryDir out;
    const QString exported = out.filePath("old.txt");
    {
        QFile f(exported);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("previous export\n");
    }
    responder->saveAnswers = {exported};
    {
        seriestest::FileSizeLimit limit(3);
        ASSERT_TRUE(limit.ok());
        run([&] {
            openRow(0);
            type(m.batch_list_name, "Renamed");
            click(m.Save_Btn);   // a rename whose new file cannot be written
            EXPECT_TRUE(onValueScreen());
            type(m.batch_list_name, "Codes");
            click(m.Save_Btn);   // the same name
            click(m.Export_Value_Btn);
            click(m.Close_2_Btn);
        });
    }
    EXPECT_EQ(fileOf("Codes.txt"), "a\nb\nc\n");
    EXPECT_FALSE(QFileInfo::exists(seriesPath("Renamed.txt")));
    EXPECT_EQ(bytesOf(exported), "previous export\n");
    EXPECT_EQ(otherModals, 0);   // no done box after a failed export
    EXPECT_EQ(messages(), QStringList(3, "Error in file accessing."));
}

TEST_F(SeriesManager, ASeriesThatCannotBeDeletedKeepsItsRow)
{
    put("fixed.txt", "1\n");
    put("loose.txt", "2\n");
    seriestest::Undeletable fixed(seriesPath("fixed.txt"));
    if (!fixed.ok())
        GTEST_SKIP() << "no way to make a file undeletable here";
    responder->alertAnswers = {"Yes"};
    run([&] {
        select(m.List, {0, 1});
        click(m.Delete_List_Btn);
        EXPECT_EQ(m.ListData->values(), QStringList{"fixed"});
        click(m.Close_Btn);
    });
    EXPECT_TRUE(QFileInfo::exists(seriesPath("fixed.txt")));
    EXPECT_FALSE(QFileInfo::exists(seriesPath("loose.txt")));
    EXPECT_EQ(messages(), QStringList({"Are you sure want to delete selected Batch Processing Series?",
                                       "Error in file accessing."}));
}

TEST_F(SeriesManager, GeneratedValuesAreAppendedAndTheNewSeriesListed)
{
    Generate_List &g = *Generate_List::defaultInstance();
    onOther = [&](QDialog &dialog) {
        if (&dialog == m.Load_Number_Window)
            click(m.Load_Number_Window->noButton);   // the table holds values: append to them
        if (&dialog == &g) {
            pick(g.radioButton_Constant);
            g.value_txt->setText("K");
            g.count_txt->setText("2");
            if (g.const_file_name->isVisibleTo(&g))
                g.const_file_name->setText("Made");
            QTest::mouseClick(g.ok_btn, Qt::LeftButton);
        }
        return dialog.result();
    };
    put("Codes.txt", "a\n");
    run([&] {
        click(m.CreateSeries_Btn);
        EXPECT_EQ(m.ListData->values(), QStringList({"Codes", "Made"}));
        openRow(0);
        click(m.Series_Value_Btn);
        EXPECT_EQ(m.ListData_value->values(), QStringList({"a", "K", "K"}));
        EXPECT_EQ(m.batch_value_count->text(), "Total Rows : 3");
        click(m.Save_Btn);
        click(m.Close_Btn);
    });
    EXPECT_EQ(fileOf("Made.txt"), "K\nK\n");
    EXPECT_EQ(fileOf("Codes.txt"), "a\nK\nK\n");
}
