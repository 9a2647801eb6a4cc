// The text import's pure rules: decoding, the text each kind of file gives, and the tab and CSV
// rules that turn the text into record writes.

#include "io/ValueListImportRules.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace value_list_import;
using value_list::kFooter;
using value_list::kHeader;
using value_list::kPQ;
using value_list::kValue;

namespace value_list_import {
void PrintTo(const RecordWrite &w, std::ostream *os)
{
    *os << (w.append ? "append" : "replace ") << (w.append ? "" : std::to_string(w.index)) << " (" << w.value.toStdString()
        << ", " << w.header.toStdString() << ", " << w.footer.toStdString() << ", " << w.pq.toStdString() << ")";
}
} // namespace value_list_import

namespace {

RecordWrite append(const QString &v, const QString &h, const QString &f, const QString &pq) { return {true, 0, v, h, f, pq}; }
RecordWrite replace(int i, const QString &v, const QString &h, const QString &f, const QString &pq) { return {false, i, v, h, f, pq}; }

Options ticked(bool v, bool h, bool f, bool pq, bool overwrite = false) { return {v, h, f, pq, overwrite}; }

QList<RecordWrite> tab(const QString &fileText, const Options &o, const QList<ValueRecord> &existing = {}, int target = -1)
{
    return tabRule(splitTabText(importText(fileText.toUtf8(), QStringLiteral("txt"))), o, existing,
                   target < 0 ? int(existing.size()) : target);
}

ValueRecord rec(const QString &v, const QString &h, const QString &f, const QString &pq)
{
    return {{kValue, v}, {kHeader, h}, {kFooter, f}, {kPQ, pq}};
}

QList<ValueRecord> fiveRows()
{
    QList<ValueRecord> rows;
    for (int i = 1; i <= 5; ++i)
        rows << rec(QStringLiteral("V%1").arg(i), QStringLiteral("H%1").arg(i), QStringLiteral("F%1").arg(i),
                    QString::number(i));
    return rows;
}

} // namespace

TEST(ValueListImportRules, ColumnsFollowTheTickedFieldsInOrder)
{
    EXPECT_EQ(tab("A\t5\nB\t7\n", ticked(true, false, false, true)),
              (QList<RecordWrite>{append("A", "", "", "5"), append("B", "", "", "7")}));
    EXPECT_EQ(tab("h\tf\t3", ticked(false, true, true, true)), QList<RecordWrite>{append("", "h", "f", "3")});
    EXPECT_EQ(tab("v\th\tf\t2", ticked(true, true, true, true)), QList<RecordWrite>{append("v", "h", "f", "2")});
    // An empty line is skipped and takes no row.
    EXPECT_EQ(tab("A\n\nB", ticked(true, false, false, false)),
              (QList<RecordWrite>{append("A", "", "", ""), append("B", "", "", "")}));
}

TEST(ValueListImportRules, AOneColumnFileRepeatsItsValueInEveryTickedField)
{
    EXPECT_EQ(tab("A\nB", ticked(true, true, false, false)),
              (QList<RecordWrite>{append("A", "A", "", ""), append("B", "B", "", "")}));
    // Second fields of one character do not make a file multi-column.
    EXPECT_EQ(tab("A\tX\nB", ticked(true, true, false, false)),
              (QList<RecordWrite>{append("A", "X", "", ""), append("B", "B", "", "")}));
    EXPECT_EQ(tab("A\tXY\nB", ticked(true, true, false, false)),
              (QList<RecordWrite>{append("A", "XY", "", ""), append("B", "", "", "")}));
}

TEST(ValueListImportRules, OverwritingKeepsTheFieldsThatAreNotTicked)
{
    // Five rows, three lines, only Header: rows 1 to 3 get new headers from column 1.
    EXPECT_EQ(tab("n1\nn2\nn3", ticked(false, true, false, false, true), fiveRows(), 0),
              (QList<RecordWrite>{replace(0, "V1", "n1", "F1", "1"), replace(1, "V2", "n2", "F2", "2"),
                                  replace(2, "V3", "n3", "F3", "3")}));
    // Lines past the list's end are appended; an empty field of a multi-column file keeps the row's own.
    EXPECT_EQ(tab("a\t\tfa\nb\tHB\t\nc\tHC\tfc", ticked(true, true, true, false, true), fiveRows().mid(0, 2), 0),
              (QList<RecordWrite>{replace(0, "a", "H1", "fa", "1"), replace(1, "b", "HB", "F2", "2"),
                                  append("c", "HC", "fc", "")}));
}

TEST(ValueListImportRules, LongValuesAreCutToAThousandCharacters)
{
    const QString longValue(1500, QLatin1Char('7'));
    const QList<RecordWrite> fromText = tab(longValue, ticked(true, false, false, false));
    ASSERT_EQ(fromText.size(), 1);
    EXPECT_EQ(fromText.first().value, longValue.left(1000));
    const QList<RecordWrite> fromCsv = csvRule(csvRows(longValue + ",x"), ticked(true, false, false, false), {}, 0);
    ASSERT_EQ(fromCsv.size(), 1);
    EXPECT_EQ(fromCsv.first().value, longValue.left(1000));
}

TEST(ValueListImportRules, CsvRowsFollowTheQuotingRules)
{
    using Rows = QList<QStringList>;
    const struct {
        const char *name;
        QString text;
        Rows rows;
    } cases[] = {
        {"one value per line", "4006381333931\n4006381333932\n", Rows{{"4006381333931"}, {"4006381333932"}}},
        {"CR LF, CR and LF ends", "a,b\r\nc,d\re,f\ng,h", Rows{{"a", "b"}, {"c", "d"}, {"e", "f"}, {"g", "h"}}},
        {"quoted comma", "\"Smith, John\",2\r\n", Rows{{"Smith, John", "2"}}},
        {"doubled quote", "\"say \"\"hi\"\"\",x\r\n", Rows{{"say \"hi\"", "x"}}},
        {"line breaks inside quotes", "\"two\r\nlines\",\"a\nb\"\n", Rows{{"two\r\nlines", "a\nb"}}},
        {"empty fields", ",,x,\n", Rows{{"", "", "x", ""}}},
        {"empty quoted field", "\"\",y\n", Rows{{"", "y"}}},
        {"quote inside an unquoted field", "5\" disk,1\n", Rows{{"5\" disk", "1"}}},
        {"unclosed quote runs to the end", "\"open,\nstill\n", Rows{{"open,\nstill\n"}}},
        {"blank lines left out", "\n\r\na\n  \n,\nb\n\n", Rows{{"a"}, {"b"}}},
        {"spaces kept in quotes", "\"  x  \"\n", Rows{{"  x  "}}},
        {"nothing", "", Rows{}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(csvRows(c.text), c.rows) << c.name;
}

TEST(ValueListImportRules, CsvRowsAreRecordsWithTheirColumnsMappedAsTheTabRuleMapsThem)
{
    // A first row that only names columns is no record.
    EXPECT_TRUE(isColumnTitleRow({"Value", "Header", "Footer", "Quantity"}));
    EXPECT_TRUE(isColumnTitleRow({"Barcode Value", " barcode header ", "", "Print Quantity"}));
    EXPECT_FALSE(isColumnTitleRow({"Value", "4006381333931"}));
    EXPECT_FALSE(isColumnTitleRow({"", ""}));
    const QList<QStringList> four = {{"Value", "Header", "Footer", "Quantity"},
                                     {"4006381333931", "Apples, red", "Line one\nline two", "3"},
                                     {"4006381333932", "Pears", "", "1"}};
    EXPECT_EQ(csvRule(four, ticked(true, true, true, true), {}, 0),
              (QList<RecordWrite>{append("4006381333931", "Apples, red", "Line one\nline two", "3"),
                                  append("4006381333932", "Pears", "", "1")}));
    // Value and quantity ticked: columns 1 and 2; a title row is a record when it names nothing.
    EXPECT_EQ(csvRule({{"A", "5"}, {"B", "7"}}, ticked(true, false, false, true), {}, 0),
              (QList<RecordWrite>{append("A", "", "", "5"), append("B", "", "", "7")}));
    // One column with value and header ticked: the header is the value, as in a text file; rows
    // over existing records replace them.
    EXPECT_EQ(csvRule({{"a"}, {"b"}}, ticked(true, true, false, false, true), fiveRows().mid(0, 1), 0),
              (QList<RecordWrite>{replace(0, "a", "a", "F1", "1"), append("b", "b", "", "")}));
}

TEST(ValueListImportRules, ALeadingTabIsAFieldNotWhiteSpace)
{
    // Our own export of a record with an empty value, read back with all four fields.
    EXPECT_EQ(tab("\tH1\tF1\t2\nV2\tH2\tF2\t3\n", ticked(true, true, true, true)),
              (QList<RecordWrite>{append("", "H1", "F1", "2"), append("V2", "H2", "F2", "3")}));
    // Blank lines around the text and CR line ends go; spaces inside a line stay fields' own.
    EXPECT_EQ(importText("\r\n  \r\n\tA\tB\r\nC\r\n\r\n \n", QStringLiteral("txt")), "\tA\tB\nC");
}

TEST(ValueListImportRules, BytesAreDecodedByMarkThenUtf8ThenLatin1)
{
    EXPECT_EQ(decodeText("\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F" "e"), QString::fromUtf8("Größe"));
    EXPECT_EQ(decodeText(QByteArray("\xFF\xFE" "A\0\xE9\0", 6)), QString::fromUtf8("Aé"));
    EXPECT_EQ(decodeText(QByteArray("\xFE\xFF\0A\0\xE9", 6)), QString::fromUtf8("Aé"));
    EXPECT_EQ(decodeText("caf\xC3\xA9"), QString::fromUtf8("café"));
    EXPECT_EQ(decodeText("caf\xE9"), QString::fromUtf8("café"));   // not UTF-8: Latin-1
    EXPECT_TRUE(decodeText(QByteArray("A\0B", 3)).isNull());        // NUL without a UTF-16 mark
    EXPECT_TRUE(importText(QByteArray("{\\rtf1 A\0}", 10), QStringLiteral("rtf")).isNull());
    EXPECT_FALSE(decodeText("").isNull());
    // RTF gives its plain text untrimmed; CSV its text as it is, for the quoting rules.
    EXPECT_EQ(importText("{\\rtf1\\ansi A\\tab 5\\par B\\tab 7\\par}", QStringLiteral("RTF")), "A\t5\nB\t7\n");
    EXPECT_EQ(importText("\"  a\",b \r\n", QStringLiteral("csv")), "\"  a\",b \r\n");
    EXPECT_TRUE(isCsvExtension(QStringLiteral("Csv")));
    EXPECT_FALSE(isCsvExtension(QStringLiteral("txt")));
}
