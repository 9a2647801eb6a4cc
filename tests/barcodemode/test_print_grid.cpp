// The print grid: one record per label, each value-list record held once with its label count,
// found again by binary search; built from the value list or from series.

#include "batch_fixture.h"

#include "barcodemode/PrintGrid.h"
#include "core/Mode.h"

#include <QRandomGenerator>

#include <climits>

using namespace batch_test;

namespace {

ValueRecord record(const QString &value)
{
    return {{QStringLiteral("Value"), value}, {QStringLiteral("Header"), QString()}, {QStringLiteral("Footer"), QString()},
            {QStringLiteral("PQ"), QStringLiteral("1")}};
}

QStringList gridValues(const PrintGrid &grid)
{
    QStringList out;
    for (int i = 0; i < grid.size(); ++i)
        out << grid.record(i)->value(QStringLiteral("Value"));
    return out;
}

} // namespace

TEST(PrintGrid, LabelsFindTheirRecordAsAnExpandedListWould)
{
    // Random quantities, some zero: every label answers what the grid of repeated records would.
    QRandomGenerator random(20);
    PrintGrid grid;
    QStringList expanded;
    for (int r = 0; r < 300; ++r) {
        const int copies = int(random.bounded(5));
        grid.append(record(QString::number(r)), copies);
        for (int k = 0; k < copies; ++k)
            expanded << QString::number(r);
    }
    ASSERT_EQ(grid.size(), expanded.size());
    for (int i = 0; i < expanded.size(); ++i)
        ASSERT_EQ(grid.record(i)->value(QStringLiteral("Value")), expanded.at(i)) << i;
    EXPECT_FALSE(grid.record(-1));
    EXPECT_FALSE(grid.record(grid.size()));
    EXPECT_EQ(grid.recordIndexOf(grid.size()), -1);
    // A record with no copies takes no place at all.
    EXPECT_LT(grid.recordCount(), 300);
}

TEST(PrintGrid, LabelCountStopsAtTheIntMaximum)
{
    PrintGrid grid;
    grid.append(record(QStringLiteral("a")), qint64(INT_MAX) - 1);
    grid.append(record(QStringLiteral("b")), 5);
    grid.append(record(QStringLiteral("c")), 5);   // nothing could ever ask for it
    EXPECT_EQ(grid.size(), INT_MAX);
    EXPECT_EQ(grid.recordCount(), 2);
    EXPECT_EQ(grid.record(INT_MAX - 2)->value(QStringLiteral("Value")), QStringLiteral("a"));
    EXPECT_EQ(grid.record(INT_MAX - 1)->value(QStringLiteral("Value")), QStringLiteral("b"));
    // Copies share the records: a copy taken before a rebuild keeps its labels.
    const PrintGrid before = grid;
    grid.clear();
    EXPECT_EQ(grid.size(), 0);
    EXPECT_EQ(before.size(), INT_MAX);
}

TEST_F(BatchWindow, QuantitiesRepeatValueListRecordsOnlyWhenAsked)
{
    tickBatch();
    setList({{QStringLiteral("three"), QStringLiteral("h3"), QStringLiteral("f3"), QStringLiteral("3")},
             {QStringLiteral("none"), QStringLiteral("h0"), QStringLiteral("f0"), QString()},
             {QStringLiteral("word"), QStringLiteral("hw"), QStringLiteral("fw"), QStringLiteral("two")},
             {QStringLiteral("one"), QStringLiteral("h1"), QStringLiteral("f1"), QStringLiteral("1")}});
    LogCapture log;
    bm->Add_Records_In_List(true);
    EXPECT_EQ(gridValues(bm->List_Barcode_Grid_Value),
              QStringList({QStringLiteral("three"), QStringLiteral("three"), QStringLiteral("three"), QStringLiteral("one")}));
    EXPECT_TRUE(log.lines().contains(QStringLiteral("BARCODE_GRID_COUNT : 4")));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bm->List_Barcode_Grid_Value.record(i)->value(QStringLiteral("PQ")), QStringLiteral("1"));

    bm->Add_Records_In_List(false);
    EXPECT_EQ(gridValues(bm->List_Barcode_Grid_Value),
              QStringList({QStringLiteral("three"), QStringLiteral("none"), QStringLiteral("word"), QStringLiteral("one")}));
}

TEST_F(BatchWindow, UntickedFieldsOfTheGridAreTheTypedOnes)
{
    tickBatch();
    setList({{QStringLiteral("v1"), QStringLiteral("h1"), QStringLiteral("f1"), QStringLiteral("2")},
             {QStringLiteral("v2"), QStringLiteral("h2"), QStringLiteral("f2"), QStringLiteral("1")}});
    bm->barcode_header_chk->setChecked(false);
    bm->barcode_value_chk->setChecked(false);
    bm->HeaderText->setText(QStringLiteral("TYPED HEADER"));
    bm->Add_Records_In_List(true);
    ASSERT_EQ(bm->List_Barcode_Grid_Value.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const ValueRecord r = *bm->List_Barcode_Grid_Value.record(i);
        EXPECT_EQ(r.value(QStringLiteral("Header")), QStringLiteral("TYPED HEADER"));
        EXPECT_EQ(r.value(QStringLiteral("Value")), QString());   // the typed value is taken when drawn
        EXPECT_EQ(r.value(QStringLiteral("Footer")), i < 2 ? QStringLiteral("f1") : QStringLiteral("f2"));
    }
}

TEST_F(BatchWindow, SeriesGiveOneLabelPerRowOfTheLongestSeries)
{
    writeSeries(QStringLiteral("values.txt"), "V1\nV2\n");
    writeSeries(QStringLiteral("heads.txt"), "H1\nH2\nH3\nH4\n");
    tickBatch();
    chooseSeriesSource();
    pickSeries(bm->val_combo_list, QStringLiteral("values"));
    pickSeries(bm->hdr_combo_list, QStringLiteral("heads"));
    bm->FooterText->setText(QStringLiteral("typed footer"));
    bm->barcode_footer_chk->setChecked(false);
    bm->Add_Records_In_List(true);
    const PrintGrid &grid = bm->List_Barcode_Grid_Value;
    ASSERT_EQ(grid.size(), 4);
    EXPECT_EQ(gridValues(grid), QStringList({QStringLiteral("V1"), QStringLiteral("V2"), QString(), QString()}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(grid.record(i)->value(QStringLiteral("Header")), QStringLiteral("H%1").arg(i + 1));
        EXPECT_EQ(grid.record(i)->value(QStringLiteral("Footer")), QStringLiteral("typed footer"));
    }
}

TEST_F(BatchWindow, TheGridIsOnlyBuiltInBarcodeModeWithBatchProcessing)
{
    setList({{QStringLiteral("v"), {}, {}, QStringLiteral("4")}});
    bm->Add_Records_In_List(true);   // batch processing off
    EXPECT_EQ(bm->List_Barcode_Grid_Value.size(), 0);
    tickBatch();
    setList({{QStringLiteral("v"), {}, {}, QStringLiteral("4")}});
    Barcode_Setting_Or_Designing_Mode = 1;
    bm->Add_Records_In_List(true);
    Barcode_Setting_Or_Designing_Mode = 0;
    EXPECT_EQ(bm->List_Barcode_Grid_Value.size(), 0);
    bm->Add_Records_In_List(true);
    EXPECT_EQ(bm->List_Barcode_Grid_Value.size(), 4);
}
