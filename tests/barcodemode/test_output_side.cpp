// The Barcode mode as output reads it: the batch box, the records and their values, the value's
// series, and the fields of a job's batch snapshot only while the job holds it.

#include "batch_fixture.h"

#include "barcodemode/BarcodeModeOutputSide.h"

#include <functional>

using namespace batch_test;

namespace {

TEST_F(BatchWindow, OutputReadsTheRecordsTheBatchBoxChooses)
{
    writeSeries(QStringLiteral("five.txt"), "V1\nV2\nV3\nV4\nV5\n");
    choose(QStringLiteral("Code 128"));
    bm->dataText->setText(QStringLiteral("TYPED"));
    const BarcodeModeOutputSide side(*bm);
    struct Step {
        const char *name;
        std::function<void()> user;
        bool uses, fromSeries;
        int count;
        QString series, second;   // the value's series, and record 1's value
    };
    const QList<Rec> list = {{QStringLiteral("A-1"), {}, {}, QStringLiteral("1")}, {QStringLiteral("B-2"), {}, {}, QStringLiteral("1")}};
    const Step steps[] = {
        {"no batch: the typed value", [] {}, false, false, 1, {}, QStringLiteral("TYPED")},
        {"the value list", [&] { tickBatch(); setList(list); bm->barcode_value_chk->setChecked(true); },
         true, false, 2, {}, QStringLiteral("B-2")},
        {"a value series", [&] { chooseSeriesSource(); pickSeries(bm->val_combo_list, QStringLiteral("five")); },
         true, true, 5, QStringLiteral("five"), QStringLiteral("V2")},
        {"the value box off: the typed value again", [&] {
             bm->barcode_value_chk->setChecked(false);
             bm->dataText->setText(QStringLiteral("TYPED"));
         },
         true, true, 5, {}, QStringLiteral("TYPED")},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.name);
        s.user();
        EXPECT_EQ(side.Batch_State().usesBatchValues(), s.uses);
        EXPECT_EQ(side.Batch_State().fromSeries, s.fromSeries);
        if (s.uses) {
            EXPECT_EQ(side.Batch_Record_Count(), s.count);
        }
        EXPECT_EQ(side.Value_Series_Name(), s.series);
        EXPECT_EQ(side.Record_Value(1), s.second);
    }
    bm->barcode_value_chk->setChecked(true);
    EXPECT_EQ(side.Record_Value(5), QString());   // past the series
}

TEST_F(BatchWindow, AJobReadsFieldsOnlyFromTheSnapshotItHolds)
{
    choose(QStringLiteral("Code 128"));
    tickBatch();
    setList({{QStringLiteral("A-1"), QStringLiteral("h1"), QStringLiteral("f1"), QStringLiteral("2")},
             {QStringLiteral("B-2"), QStringLiteral("h2"), QStringLiteral("f2"), QStringLiteral("1")}});
    bm->Add_Records_In_List(true);
    BarcodeModeOutputSide side(*bm);
    EXPECT_FALSE(side.Record_Fields(0).has_value());
    side.Take_Batch_Snapshot();
    // The user edits the list while the job runs; the job keeps what it took.
    setList({{QStringLiteral("NEW"), {}, {}, QStringLiteral("1")}});
    const auto record = side.Record_Fields(1);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->value + record->header + record->footer, QStringLiteral("B-2h2f2"));
    const auto label = side.Grid_Fields(1);   // the second label of A-1's two
    ASSERT_TRUE(label.has_value());
    EXPECT_EQ(label->value, QStringLiteral("A-1"));
    EXPECT_FALSE(side.Record_Fields(2).has_value());
    side.Release_Batch_Snapshot();
    EXPECT_FALSE(side.Record_Fields(1).has_value());
    EXPECT_FALSE(side.Grid_Fields(1).has_value());
}

} // namespace
