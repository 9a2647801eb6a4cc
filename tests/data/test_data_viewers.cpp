// The read-only viewers of a series and of the linked spreadsheet's rows.

#include "core/Globals.h"
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
    const QStringList titles{QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("City")};
    QList<QMap<QString, QString>> rows;
    for (int r = 1; r <= 25; ++r)
        rows.append({{QStringLiteral("Extension"), QString::number(r)},
                     {QStringLiteral("Column1"), QStringLiteral("C-%1").arg(r)},
                     {QStringLiteral("Column3"), QStringLiteral("Town %1").arg(r)}});
    Data_From_Excel *viewer = Data_From_Excel::defaultInstance();
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
    EXPECT_EQ(viewer->Open_Wnd(titles, rows), 1);
    EXPECT_EQ(rowCount, QStringLiteral("25"));
    EXPECT_EQ(columnCount, QStringLiteral("3"));
    EXPECT_EQ(headers, titles);
    ASSERT_EQ(numbers.size(), 25);
    EXPECT_EQ(numbers.first(), QStringLiteral("1"));
    EXPECT_EQ(numbers.last(), QStringLiteral("25"));
    EXPECT_EQ(codes.at(4), QStringLiteral("C-5"));
    EXPECT_EQ(names.at(4), QString());   // an empty cell

    // A second opening on fewer rows shows those alone.
    rows.resize(2);
    viewer->Open_Wnd(titles.mid(0, 1), rows);
    EXPECT_EQ(rowCount, QStringLiteral("2"));
    EXPECT_EQ(columnCount, QStringLiteral("1"));
    EXPECT_EQ(headers, QStringList{QStringLiteral("Code")});
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
