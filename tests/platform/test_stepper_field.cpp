// The stepper and field pair: which half reports, how values cross, and the number formats.

#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QList>
#include <QTest>
#include <QToolButton>

#include <climits>

using namespace platform;

TEST(StepperField, Formats)
{
    EXPECT_EQ(formatPairValue(60, PairFormat::Integer), QStringLiteral("60"));
    EXPECT_EQ(formatPairValue(59.6, PairFormat::Integer), QStringLiteral("60"));
    EXPECT_EQ(formatPairValue(-3, PairFormat::Integer), QStringLiteral("-3"));
    EXPECT_EQ(formatPairValue(0.5, PairFormat::TwoDecimals), QStringLiteral("0.50"));
    EXPECT_EQ(formatPairValue(12.345, PairFormat::TwoDecimals), QStringLiteral("12.35"));
    // Single precision, as short as reads back, never in exponent form.
    EXPECT_EQ(formatPairValue(0.2, PairFormat::Real), QStringLiteral("0.2"));
    EXPECT_EQ(formatPairValue(0.1 + 0.2, PairFormat::Real), QStringLiteral("0.3"));
    EXPECT_EQ(formatPairValue(20, PairFormat::Real), QStringLiteral("20"));
    EXPECT_EQ(formatPairValue(1.5, PairFormat::Real), QStringLiteral("1.5"));
    EXPECT_EQ(formatPairValue(250000, PairFormat::Real), QStringLiteral("250000"));
    EXPECT_EQ(formatPairValue(0.0001, PairFormat::Real), QStringLiteral("0.0001"));
}

TEST(StepperField, LeadingNumbers)
{
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral("0.5cm")), 0.5);
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral("  2.25")), 2.25);
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral("-3")), -3);
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral("1.2.3")), 1.2);
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral("abc")), 0);
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral(".")), 0);
    EXPECT_DOUBLE_EQ(leadingReal(QString()), 0);
    EXPECT_EQ(leadingInteger(QStringLiteral("12.7")), 12);
    EXPECT_EQ(leadingInteger(QStringLiteral(" 40pt")), 40);
    EXPECT_EQ(leadingInteger(QStringLiteral("x1")), 0);
    EXPECT_EQ(leadingInteger(QStringLiteral("99999999999999999999")), INT_MAX);
    EXPECT_EQ(leadingInteger(QStringLiteral("-99999999999")), INT_MIN);
}

TEST(StepperField, CopyFollowsTheSender)
{
    Stepper stepper;
    stepper.setMinValue(0);
    stepper.setMaxValue(100);
    stepper.setIncrement(0.1);
    QLineEdit field;

    field.setText(QStringLiteral("0.5"));
    EXPECT_FALSE(copyPair(&field, &stepper, &field, PairFormat::Real));
    EXPECT_DOUBLE_EQ(stepper.doubleValue(), double(0.5f));
    EXPECT_EQ(field.text(), QStringLiteral("0.5"));

    stepper.setDoubleValue(7.3);
    EXPECT_TRUE(copyPair(&stepper, &stepper, &field, PairFormat::Real));
    EXPECT_EQ(field.text(), QStringLiteral("7.3"));

    // The stepper's range bounds the stepper; the field keeps what was typed.
    field.setText(QStringLiteral("500"));
    copyPair(&field, &stepper, &field, PairFormat::Real);
    EXPECT_DOUBLE_EQ(stepper.doubleValue(), 100);
    EXPECT_EQ(field.text(), QStringLiteral("500"));

    // No sender counts as the field.
    field.setText(QStringLiteral("42.9"));
    EXPECT_FALSE(copyPair(nullptr, &stepper, &field, PairFormat::Integer));
    EXPECT_EQ(stepper.intValue(), 42);
    stepper.setDoubleValue(17);
    copyPair(&stepper, &stepper, &field, PairFormat::Integer);
    EXPECT_EQ(field.text(), QStringLiteral("17"));
}

TEST(StepperField, HandlerHearsOnlyTheUsersHalf)
{
    Stepper stepper;
    stepper.setMaxValue(10);
    QLineEdit field;
    QObject context;
    QList<QObject *> senders;
    connectPair(&stepper, &field, &context, [&](QObject *sender) { senders << sender; });

    // Changes made by code are not reported.
    stepper.setDoubleValue(3);
    field.setText(QStringLiteral("4"));
    EXPECT_TRUE(senders.isEmpty());

    for (QToolButton *b : stepper.findChildren<QToolButton *>())
        if (b->arrowType() == Qt::UpArrow)
            QTest::mouseClick(b, Qt::LeftButton);
    ASSERT_EQ(senders.size(), 1);
    EXPECT_EQ(senders.last(), &stepper);
    EXPECT_DOUBLE_EQ(stepper.doubleValue(), 4);

    field.selectAll();
    QTest::keyClicks(&field, QStringLiteral("8"));
    EXPECT_EQ(senders.size(), 1);   // typing alone does not end the editing
    QTest::keyClick(&field, Qt::Key_Return);
    ASSERT_EQ(senders.size(), 2);
    EXPECT_EQ(senders.last(), &field);

    // The connections end with their context.
    QObject *gone = new QObject;
    int calls = 0;
    connectPair(&stepper, nullptr, gone, [&](QObject *) { ++calls; });
    delete gone;
    stepper.stepUp();
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(senders.size(), 3);
}
