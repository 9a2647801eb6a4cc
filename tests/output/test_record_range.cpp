// The record range rule of the output dialogs: which fields a value goes into, and the limits the
// three steppers take with and without a batch.

#include "output/RecordRange.h"
#include "platform/Stepper.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

class RecordRange : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (platform::Stepper *s : {&totalStepper, &toStepper, &fromStepper})
            s->setMaxValue(5);
        from.setText(QStringLiteral("3"));
        fromStepper.setIntValue(3);
    }
    recordrange::Controls range() { return {&total, &totalStepper, &from, &fromStepper, &to, &toStepper}; }

    QLineEdit total, to, from;
    platform::Stepper totalStepper, toStepper, fromStepper;
};

TEST_F(RecordRange, ValueGoesWhereSetForSays)
{
    struct Case {
        const char *what;
        bool batch;
        int value;
        int max;
        QString setFor;
        QString total, to, from;   // the fields afterwards ("" untouched)
        double limit;              // every stepper's maximum afterwards
    };
    const QList<Case> cases = {
        {"all without batch: from back to 1", false, 0, 8, QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("1"),
         QStringLiteral("1"), 999999},
        {"above the most", false, 2000000, 8, QStringLiteral("TOT"), QStringLiteral("999999"), QString(),
         QStringLiteral("3"), 999999},
        {"all with batch: from left alone", true, 8, 8, QStringLiteral("A"), QStringLiteral("8"), QStringLiteral("8"),
         QStringLiteral("3"), 8},
        {"last record only", true, 5, 8, QStringLiteral("TO"), QString(), QStringLiteral("5"), QStringLiteral("3"), 8},
        {"total only", true, 0, 6, QStringLiteral("TOT"), QStringLiteral("1"), QString(), QStringLiteral("3"), 6},
        {"unknown setFor sets only the limits", true, 4, 7, QStringLiteral("X"), QString(), QString(),
         QStringLiteral("3"), 7},
    };
    for (const Case &k : cases) {
        SetUp();
        total.clear();
        to.clear();
        recordrange::Set_Tot_Value(range(), k.batch, k.value, k.max, k.setFor);
        EXPECT_EQ(total.text(), k.total) << k.what;
        EXPECT_EQ(to.text(), k.to) << k.what;
        EXPECT_EQ(from.text(), k.from) << k.what;
        for (platform::Stepper *s : {&totalStepper, &toStepper, &fromStepper})
            EXPECT_DOUBLE_EQ(s->maxValue(), k.limit) << k.what;
        if (!k.total.isEmpty()) {
            EXPECT_DOUBLE_EQ(totalStepper.doubleValue(), k.total.toDouble()) << k.what;
        }
        if (!k.to.isEmpty()) {
            EXPECT_DOUBLE_EQ(toStepper.doubleValue(), k.to.toDouble()) << k.what;
        }
    }
}

TEST_F(RecordRange, LimitComesBeforeTheValue)
{
    // A stepper clamps to its range: a value above the old limit of 5 stays only when the new limit
    // was set first.
    recordrange::Set_Tot_Value(range(), true, 9, 9, QStringLiteral("A"));
    EXPECT_DOUBLE_EQ(totalStepper.doubleValue(), 9);
    EXPECT_DOUBLE_EQ(toStepper.doubleValue(), 9);
}

TEST_F(RecordRange, MissingControlsAreSkipped)
{
    recordrange::Controls partial;
    partial.To_Text = &to;
    partial.To_Stepper = &toStepper;
    recordrange::Set_Tot_Value(partial, false, 4, 8, QStringLiteral("A"));
    EXPECT_EQ(to.text(), QStringLiteral("4"));
    EXPECT_DOUBLE_EQ(toStepper.maxValue(), 999999);
    EXPECT_TRUE(total.text().isEmpty());
}

} // namespace

// A typed count or record number: its whole number, and 1 for anything that is no count.
TEST(RecordRangeTyped, TypedRecordsAreWholeNumbersOfAtLeastOne)
{
    const struct {
        const char *typed;
        int value;
    } cases[] = {{"25", 25}, {" 7 ", 7}, {"12x", 1}, {"3.9", 1}, {"", 1}, {"   ", 1}, {"0", 1},
                 {"-3", 1}, {"abc", 1}, {"+4", 4}, {"99999999999", 1}};
    for (const auto &k : cases)
        EXPECT_EQ(recordrange::Typed_Record(QString::fromLatin1(k.typed)), k.value) << k.typed;
}
