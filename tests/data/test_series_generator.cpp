// The values a series generator makes, its checks and its field limits, without a window.

#include "data/SeriesGenerator.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

using namespace series_generator;

namespace {

QStringList made(const Input &in)
{
    QStringList out;
    EXPECT_TRUE(produce(in, [&out](const QString &v) {
        out << v;
        return true;
    }));
    return out;
}

Input sequence(const QString &from, const QString &to, bool padding, const QString &prefix = {}, const QString &suffix = {})
{
    Input in;
    in.from = from;
    in.to = to;
    in.padding = padding;
    in.prefix = prefix;
    in.suffix = suffix;
    return in;
}

} // namespace

TEST(SeriesGenerator, SequencesCountFromToWithPaddingPrefixAndSuffix)
{
    struct Case {
        Input in;
        qsizetype count;
        QString first, second, last;
    };
    const Case cases[] = {
        {sequence("8", "12", true), 5, "08", "09", "12"},
        {sequence("001", "00200", true), 200, "00001", "00002", "00200"},
        {sequence("1", "3", false, "A", "Z"), 3, "A1Z", "A2Z", "A3Z"},
        {sequence("0", "200", true), 201, "000", "001", "200"},
        // The sign comes first and counts in the width.
        {sequence("-5", "5", true), 11, "-5", "-4", "05"},
        {sequence("-10", "2", true), 13, "-10", "-09", "002"},
        {sequence("-3", "-1", false), 3, "-3", "-2", "-1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString(c.in.from + ".." + c.in.to).toStdString());
        EXPECT_EQ(validate(c.in), std::nullopt);
        const QStringList values = made(c.in);
        ASSERT_EQ(values.size(), c.count);
        EXPECT_EQ(valueCount(c.in), c.count);
        EXPECT_EQ(values.at(0), c.first);
        EXPECT_EQ(values.at(1), c.second);
        EXPECT_EQ(values.last(), c.last);
    }
    EXPECT_TRUE(made(sequence("-5", "5", true)).contains("-1"));
    EXPECT_TRUE(made(sequence("-5", "5", true)).contains("00"));
}

TEST(SeriesGenerator, ASequenceEndingAtTheLargestIntegerEnds)
{
    const Input in = sequence("2147000000", "2147483647", false);
    ASSERT_EQ(validate(in), std::nullopt);
    qint64 n = 0;
    QString last;
    ASSERT_TRUE(produce(in, [&](const QString &v) {
        ++n, last = v;
        return n <= 483648;   // a loop past the end would run on
    }));
    EXPECT_EQ(n, 483648);
    EXPECT_EQ(last, "2147483647");
}

TEST(SeriesGenerator, TheChecksRefuseInOrderWithTheirFocus)
{
    struct Case {
        Input in;
        QString message;
        Field focus;
    };
    Input constant;
    constant.mode = Mode::Constant;
    Input constantNoCount = constant;
    constantNoCount.value = "X";
    Input random;
    random.mode = Mode::Random;
    Input randomNoLength = random;
    randomNoLength.randCount = "3";
    const Case cases[] = {
        {sequence("", "5", false), "Please enter valid 'From' value.", Field::From},
        {sequence("5", "", false), "Please enter valid 'To' value.", Field::To},
        {sequence("5", "5", false), "'From' value must be smaller than 'To' value.", Field::From},
        {sequence("7", "3", false), "'From' value must be smaller than 'To' value.", Field::From},
        {sequence("-", "3", false), "Please enter valid 'From' value.", Field::From},
        {sequence("99999999999999999999", "3", false), "Please enter valid 'From' value.", Field::From},
        {sequence("1", "99999999999999999999", false), "Please enter valid 'To' value.", Field::To},
        {sequence("-2147483648", "2147483647", false), "Please enter a range of at most 1000000 values.", Field::To},
        {sequence("1", "1000001", false), "Please enter a range of at most 1000000 values.", Field::To},
        {constant, "Please enter valid 'Value'.", Field::Value},
        {constantNoCount, "Please enter valid 'Count' value.", Field::Count},
        {random, "Please enter valid 'Count' value.", Field::RandomCount},
        {randomNoLength, "Please enter valid 'Length' value.", Field::RandomLength},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString(c.message).toStdString());
        const std::optional<Refusal> refusal = validate(c.in);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(refusal->focus, c.focus);
    }
    EXPECT_EQ(validate(sequence("1", "1000000", false)), std::nullopt);
}

TEST(SeriesGenerator, ConstantsRepeatTheValueUnchanged)
{
    Input in;
    in.mode = Mode::Constant;
    in.value = " ";
    in.count = "3";
    ASSERT_EQ(validate(in), std::nullopt);
    EXPECT_EQ(made(in), QStringList({" ", " ", " "}));
    in.value = "X";
    in.count = "1";
    EXPECT_EQ(made(in), QStringList{"X"});
}

TEST(SeriesGenerator, RandomNumbersHaveExactlyTheChosenDigits)
{
    struct Case {
        QString length;
        qint64 low, high;
    };
    const Case cases[] = {{"1", 1, 9}, {"2", 10, 99}, {"9", 100000000, 999999999}};
    for (const Case &c : cases) {
        SCOPED_TRACE(QString(c.length).toStdString());
        Input in;
        in.mode = Mode::Random;
        in.randPrefix = "P";
        in.randSuffix = "S";
        in.randLength = c.length;
        in.randCount = "200";
        const QStringList values = made(in);
        ASSERT_EQ(values.size(), 200);
        QSet<QString> distinct;
        for (const QString &v : values) {
            ASSERT_TRUE(v.startsWith('P') && v.endsWith('S')) << v.toStdString();
            const qint64 n = v.mid(1, v.size() - 2).toLongLong();
            EXPECT_GE(n, c.low);
            EXPECT_LE(n, c.high);
            EXPECT_EQ(v.size() - 2, c.length.toInt());
            distinct.insert(v);
        }
        EXPECT_GT(distinct.size(), 1);   // drawn, not one fixed number
    }
}

TEST(SeriesGenerator, TheFieldLimitsKeepCountsAndLengthInRange)
{
    struct Case {
        QString typed, count, length;
    };
    const Case cases[] = {
        {"123456", "10000", "1"}, {"0", "1", "1"},    {"", "1", "1"},      {"37", "37", "3"},
        {"-5", "1", "1"},         {"10001", "10000", "1"}, {"9", "9", "9"}, {"  12", "  12", "1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString(c.typed).toStdString());
        EXPECT_EQ(limitCount(c.typed), c.count);
        EXPECT_EQ(limitLength(c.typed), c.length);
    }
}

TEST(SeriesGenerator, PadZeroAndTheIntegerRule)
{
    EXPECT_EQ(PadZero("5", 3), "005");
    EXPECT_EQ(PadZero("-5", 3), "-05");
    EXPECT_EQ(PadZero("1234", 3), "1234");
    EXPECT_EQ(PadZero("12", 2), "12");
    struct Case {
        QString text;
        std::optional<qint64> value;
    };
    const Case cases[] = {{"42", 42},   {" -7", -7},   {"+3", 3},      {"2147483647", 2147483647},
                          {"2147483648", std::nullopt}, {"-2147483648", -2147483648LL},
                          {"1a", std::nullopt}, {"", std::nullopt}, {"-", std::nullopt}, {"1 ", std::nullopt}};
    for (const Case &c : cases) {
        SCOPED_TRACE(QString(c.text).toStdString());
        EXPECT_EQ(scanInteger(c.text), c.value);
    }
}

TEST(SeriesGenerator, ProducingStopsWhenTheSinkTakesNoMore)
{
    int taken = 0;
    EXPECT_FALSE(produce(sequence("1", "100", false), [&taken](const QString &) { return ++taken < 3; }));
    EXPECT_EQ(taken, 3);
}

TEST(SeriesGenerator, RandomDrawsStayWithinTheirBounds)
{
    for (int i = 0; i < 500; ++i) {
        const qint64 n = getRandomNumberBetweenMin(10, 12);
        ASSERT_GE(n, 10);
        ASSERT_LE(n, 12);
    }
    EXPECT_EQ(getRandomNumberBetweenMin(7, 7), 7);
}
