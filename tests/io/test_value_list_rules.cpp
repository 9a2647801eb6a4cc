// The record rules of the value list, without a window: print quantities, the separator value,
// where records go, replacement and the blank-record and row removals of the row commands.

#include "io/ValueListRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

using namespace value_list;

namespace {

QList<ValueRecord> listOf(std::initializer_list<QStringList> rows)
{
    QList<ValueRecord> list;
    for (const QStringList &r : rows)
        list.append({{kValue, r.value(0)}, {kHeader, r.value(1)}, {kFooter, r.value(2)}, {kPQ, r.value(3)}});
    return list;
}

} // namespace

TEST(ValueListRules, PrintQuantityIsNormalisedOnCreation)
{
    const struct {
        const char *typed;
        const char *stored;
    } cases[] = {
        {"", "1"},      {"0", "1"},       {"-3", "1"},     {"abc", "1"},      {"12a", "1"},
        {"1 2", "1"},   {"+5", "1"},      {" 12 ", "12"},  {"1000", "1000"},  {"1001", "1000"},
        {"0005", "0005"}, {"99999999999", "1000"}, {"2147483648", "1000"}, {"\t7\n", "7"},
    };
    for (const auto &c : cases) {
        QList<ValueRecord> list;
        ASSERT_EQ(createRecord(list, QStringLiteral("A"), {}, {}, QString::fromLatin1(c.typed), 0), CreateResult::Added);
        EXPECT_EQ(list.at(0).value(kPQ), QString::fromLatin1(c.stored)) << "typed " << c.typed;
    }
}

TEST(ValueListRules, PrintQuantityCheckAndTheLeadingNumber)
{
    EXPECT_TRUE(Check_PQ_Number(QStringLiteral("")));
    EXPECT_TRUE(Check_PQ_Number(QStringLiteral("   ")));
    EXPECT_TRUE(Check_PQ_Number(QStringLiteral("0000")));
    EXPECT_TRUE(Check_PQ_Number(QStringLiteral("\u0663")));   // a digit, but not one of 0-9
    EXPECT_FALSE(Check_PQ_Number(QStringLiteral(" 42 ")));
    EXPECT_FALSE(Check_PQ_Number(QStringLiteral("5000")));   // valid; the creation caps it
    EXPECT_EQ(leadingInt(QStringLiteral("  -17abc")), -17);
    EXPECT_EQ(leadingInt(QStringLiteral("abc")), 0);
    EXPECT_EQ(leadingInt(QStringLiteral("99999999999999999999")), INT_MAX);
    EXPECT_EQ(leadingInt(QStringLiteral("-99999999999999999999")), INT_MIN);
    EXPECT_EQ(leadingInt(QStringLiteral("+00012")), 12);
}

TEST(ValueListRules, SeparatorValueIsRefusedOnlyAtExactly76)
{
    for (int n : {75, 76, 77}) {
        QList<ValueRecord> list;
        const QString value = QStringLiteral("  ") + QString(n, QLatin1Char('=')) + QStringLiteral("\n");
        const CreateResult result = createRecord(list, value, {}, {}, {}, 0);
        if (n == 76) {
            EXPECT_EQ(result, CreateResult::Separator);
            EXPECT_TRUE(list.isEmpty());
        } else {
            EXPECT_EQ(result, CreateResult::Added) << n;
            ASSERT_EQ(list.size(), 1);
            EXPECT_EQ(list.at(0).value(kValue).size(), n);
        }
    }
    // Only creation refuses it: a replacement stores it.
    QList<ValueRecord> list = listOf({{"A", "", "", "1"}});
    replaceRecord(list, Separator_Value(), {}, {}, QStringLiteral("1"), 0, false);
    EXPECT_EQ(list.at(0).value(kValue), Separator_Value());
}

TEST(ValueListRules, WhereCreatedRecordsGo)
{
    QList<ValueRecord> list;
    // The first record is appended whatever the index.
    EXPECT_EQ(createRecord(list, QStringLiteral("first"), {}, {}, {}, 5), CreateResult::Added);
    EXPECT_EQ(createRecord(list, QStringLiteral("top"), {}, {}, {}, 0), CreateResult::Added);
    EXPECT_EQ(createRecord(list, QStringLiteral("end"), {}, {}, {}, 2), CreateResult::Added);
    EXPECT_EQ(createRecord(list, QStringLiteral("past"), {}, {}, {}, 4), CreateResult::IndexOutOfRange);
    EXPECT_EQ(createRecord(list, QStringLiteral("negative"), {}, {}, {}, -1), CreateResult::IndexOutOfRange);
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.at(0).value(kValue), QStringLiteral("top"));
    EXPECT_EQ(list.at(1).value(kValue), QStringLiteral("first"));
    EXPECT_EQ(list.at(2).value(kValue), QStringLiteral("end"));
    // Four empty texts make a blank record with every key present.
    EXPECT_EQ(createRecord(list, {}, {}, {}, {}, 0), CreateResult::Added);
    EXPECT_EQ(list.at(0), (ValueRecord{{kValue, ""}, {kHeader, ""}, {kFooter, ""}, {kPQ, "1"}}));
    // Every field is trimmed, a long value is kept whole.
    const QString longValue(10000, QLatin1Char('7'));
    EXPECT_EQ(createRecord(list, QStringLiteral(" ") + longValue, QStringLiteral("\tH "), QStringLiteral(" F\n"),
                           QStringLiteral("3"), 0),
              CreateResult::Added);
    EXPECT_EQ(list.at(0), (ValueRecord{{kValue, longValue}, {kHeader, "H"}, {kFooter, "F"}, {kPQ, "3"}}));
}

TEST(ValueListRules, ReplacementNormalisesUnlessTheQuantityIsKept)
{
    QList<ValueRecord> list = listOf({{"A", "H", "F", "5"}});
    replaceRecord(list, QStringLiteral(" B "), QStringLiteral("H"), {}, QStringLiteral("5000"), 0, false);
    EXPECT_EQ(list.at(0), (ValueRecord{{kValue, "B"}, {kHeader, "H"}, {kFooter, ""}, {kPQ, "1000"}}));
    // Blank value, header and footer: the quantity is emptied, even a valid one.
    replaceRecord(list, QStringLiteral("  "), {}, {}, QStringLiteral("7"), 0, false);
    EXPECT_EQ(list.at(0).value(kPQ), QStringLiteral(""));
    // Kept: stored as given, trimmed, even when it is no valid quantity.
    replaceRecord(list, {}, {}, {}, QStringLiteral(" 1 "), 0, true);
    EXPECT_EQ(list.at(0).value(kPQ), QStringLiteral("1"));
    replaceRecord(list, QStringLiteral("X"), {}, {}, QStringLiteral("abc"), 0, true);
    EXPECT_EQ(list.at(0).value(kPQ), QStringLiteral("abc"));
    EXPECT_THROW(replaceRecord(list, {}, {}, {}, {}, 1, false), std::out_of_range);
    EXPECT_THROW(replaceRecord(list, {}, {}, {}, {}, -1, false), std::out_of_range);
    EXPECT_EQ(list.size(), 1);
}

TEST(ValueListRules, BlankRecordsGoInOnePassAsTheScanRemovesThem)
{
    QList<ValueRecord> list = listOf({{"", "", "", "1"},
                                      {" ", "\t", "", ""},   // blank: empty quantity
                                      {"", "", "", "2"},     // kept: a quantity of its own
                                      {"A", "", "", "1"},
                                      {"", "", "", " 1 "},
                                      {"", "H", "", "1"},
                                      {"", "", "", "01"}});   // kept: not exactly "1"
    // Missing keys read as empty.
    list.append(ValueRecord{{kPQ, "1"}});
    EXPECT_TRUE(isBlankRecord(list.last()));
    EXPECT_EQ(removeBlankRecords(list), 4);
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list.at(0).value(kPQ), QStringLiteral("2"));
    EXPECT_EQ(list.at(1).value(kValue), QStringLiteral("A"));
    EXPECT_EQ(list.at(2).value(kHeader), QStringLiteral("H"));
    EXPECT_EQ(list.at(3).value(kPQ), QStringLiteral("01"));
}

TEST(ValueListRules, RowsAreRemovedTogether)
{
    QList<ValueRecord> list = listOf({{"0"}, {"1"}, {"2"}, {"3"}, {"4"}, {"5"}});
    EXPECT_EQ(removeRows(list, {3, 2, 3, 9, -1}), 2);
    QStringList left;
    for (const ValueRecord &r : list)
        left << r.value(kValue);
    EXPECT_EQ(left, (QStringList{"0", "1", "4", "5"}));
    EXPECT_EQ(removeRows(list, {0, 1, 2, 3}), 4);
    EXPECT_TRUE(list.isEmpty());
}
