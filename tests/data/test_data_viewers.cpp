// The read-only viewers of a series and of the linked spreadsheet's rows.

#include "core/UserFolders.h"
#include "data/Data_From_Excel.h"
#include "data/View_Data_Series.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

namespace {

// The texts of a table's column, top to bottom.
QStringList column(const QTableView *table, int c)
{
    QStringList out;
    const QAbstractItemModel *model = table->model();
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->index(r, c).data().toString();
    return out;
}

class Viewers : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        previousFolder = Data_Folder_Path;
        Data_Folder_Path = home.path();
    }
    void TearDown() override { Data_Folder_Path = previousFolder; }
    void writeSeries(const QString &name, const QByteArray &content)
    {
        QFile f(QDir(home.path()).filePath(name + QStringLiteral(".txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    // Opens the series viewer and answers what it showed while open.
    QStringList showSeries(const QString &name, QString *count = nullptr)
    {
        View_Data_Series *viewer = View_Data_Series::defaultInstance();
        QStringList shown;
        responder->onModal = [&](QDialog &dialog) {
            shown = column(viewer->List, 0);
            if (count)
                *count = viewer->list_count->text();
            viewer->OK_Btn_Clicked();
            return dialog.result();
        };
        viewer->file_name = name;
        EXPECT_EQ(viewer->Open_Wnd(), 1);
        EXPECT_EQ(viewer->series_name->text(), name);
        return shown;
    }

    testsupport::ResponderScope responder;
    QTemporaryDir home;
    QString previousFolder;
};

} // namespace

TEST_F(Viewers, TheSeriesViewerShowsTheTrimmedValuesWithoutBlankLines)
{
    writeSeries(QStringLiteral("codes"), "  a \n\n\t\nb\r\n");
    QString count;
    EXPECT_EQ(showSeries(QStringLiteral("codes"), &count), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(count, QStringLiteral("Total Rows : 2"));
}

TEST_F(Viewers, TheSeriesViewerShowsOnlyTheSeriesOpenedLast)
{
    writeSeries(QStringLiteral("first"), "1\n2\n3\n");
    writeSeries(QStringLiteral("second"), "x\n");
    EXPECT_EQ(showSeries(QStringLiteral("first")).size(), 3);
    QString count;
    EXPECT_EQ(showSeries(QStringLiteral("second"), &count), QStringList{QStringLiteral("x")});
    EXPECT_EQ(count, QStringLiteral("Total Rows : 1"));
    // A missing series, or a name leading outside the series folder, shows nothing.
    QDir(home.path()).mkpath(QStringLiteral("inner"));
    writeSeries(QStringLiteral("inner/hidden"), "secret\n");
    EXPECT_TRUE(showSeries(QStringLiteral("inner/hidden"), &count).isEmpty());
    EXPECT_EQ(count, QStringLiteral("Total Rows : 0"));
    EXPECT_TRUE(showSeries(QStringLiteral("missing")).isEmpty());
}

TEST_F(Viewers, TheLinkedDataViewerShowsEveryRowWithItsCounts)
{
    Data_From_Excel *viewer = Data_From_Excel::defaultInstance();
    viewer->Linked_Sheet = LinkedSheetTable();
    viewer->Remove_Linked_Columns();
    const QStringList titles{QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("City")};
    for (const QString &t : titles)
        viewer->Add_Linked_Column(t);
    for (int r = 1; r <= 25; ++r)
        viewer->Create_List_By_Array({QStringLiteral(" C-%1 ").arg(r), QString(), QStringLiteral("Town %1").arg(r)}, 3);
    QStringList numbers, codes, names, headers;
    QString rowCount, columnCount;
    responder->onModal = [&](QDialog &dialog) {
        headers.clear();
        numbers = column(viewer->ColList, 0);
        codes = column(viewer->ColList, 1);
        names = column(viewer->ColList, 2);
        for (int c = 1; c < viewer->ColList->model()->columnCount(); ++c)
            headers << viewer->ColList->model()->headerData(c, Qt::Horizontal).toString();
        rowCount = viewer->rows_count->text();
        columnCount = viewer->column_count->text();
        viewer->OK_Click();
        return dialog.result();
    };
    EXPECT_EQ(viewer->Open_Wnd(), 1);
    EXPECT_EQ(rowCount, QStringLiteral("25"));
    EXPECT_EQ(columnCount, QStringLiteral("3"));
    EXPECT_EQ(headers, titles);
    ASSERT_EQ(numbers.size(), 25);
    EXPECT_EQ(numbers.first(), QStringLiteral("1"));
    EXPECT_EQ(numbers.last(), QStringLiteral("25"));
    EXPECT_EQ(codes.at(4), QStringLiteral("C-5")) << "stored trimmed";
    EXPECT_EQ(names.at(4), QString());   // an empty cell

    // OK leaves the table and its numbering as they were.
    EXPECT_EQ(viewer->Linked_Sheet.rows.size(), 25);
    viewer->Open_Wnd();
    EXPECT_EQ(numbers.last(), QStringLiteral("25"));

    // A second link of fewer rows and columns shows those alone.
    viewer->Remove_Linked_Columns();
    viewer->Add_Linked_Column(QStringLiteral("Code"));
    viewer->Linked_Sheet.rows.clear();
    viewer->Create_List_By_Array({QStringLiteral("a")}, 1);
    viewer->Create_List_By_Array({QStringLiteral("b")}, 1);
    viewer->Open_Wnd();
    EXPECT_EQ(rowCount, QStringLiteral("2"));
    EXPECT_EQ(columnCount, QStringLiteral("1"));
    EXPECT_EQ(headers, QStringList{QStringLiteral("Code")});
    EXPECT_EQ(viewer->ColList->horizontalHeader()->sectionSize(1), 100);
    viewer->Linked_Sheet = LinkedSheetTable();
}

TEST(LinkedSheetTable, ARowShortOfTextsAndKeyedRowsRoundTrip)
{
    Data_From_Excel *viewer = Data_From_Excel::defaultInstance();
    viewer->Linked_Sheet = LinkedSheetTable();
    // Fewer texts than columns fill "".
    viewer->Create_List_By_Array({QStringLiteral("x")}, 3);
    const LinkedSheetTable &t = viewer->Linked_Sheet;
    struct Case {
        const char *key;
        const char *value;
    } const cases[] = {{"Extension", "1"}, {"Column1", "x"}, {"Column2", ""}, {"Column3", ""}, {"Column4", ""}, {"Other", ""}};
    for (const Case &c : cases)
        EXPECT_EQ(t.value(0, QString::fromLatin1(c.key)), QString::fromLatin1(c.value)) << c.key;
    EXPECT_EQ(t.value(1, QStringLiteral("Extension")), QString()) << "outside the table";
    // The project files' keyed form reads back into the same texts.
    const QList<QMap<QString, QString>> keyed = t.keyedRows();
    ASSERT_EQ(keyed.size(), 1);
    EXPECT_EQ(keyed.first().value(QStringLiteral("Column1")), QStringLiteral("x"));
    LinkedSheetTable back;
    back.setKeyedRows({{{QStringLiteral("Column2"), QStringLiteral("b")}, {QStringLiteral("Column99999"), QStringLiteral("far")}}});
    EXPECT_EQ(back.rows.first().cells, (QStringList{QString(), QStringLiteral("b")})) << "a key past any column adds no room";
    viewer->Linked_Sheet = LinkedSheetTable();
}

TEST_F(Viewers, TheSeriesViewerShowsNothingOfABadFile)
{
    struct Case {
        const char *name;
        QByteArray content;
    };
    const Case cases[] = {{"latin1", "caf\xe9\n"}, {"binary", QByteArray("a\0b\n", 4)}, {"empty", ""}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeSeries(QString::fromLatin1(c.name), c.content);
        QString count;
        EXPECT_TRUE(showSeries(QString::fromLatin1(c.name), &count).isEmpty());
        EXPECT_EQ(count, QStringLiteral("Total Rows : 0"));
    }
    // Rows have one fixed height, so that no row of a long series is measured.
    EXPECT_EQ(View_Data_Series::defaultInstance()->List->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
}
