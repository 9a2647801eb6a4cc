// Dates in workbooks, with the locale pinned to en_US and the time zone to UTC (as every test
// runs): which formats are dates, how a format code becomes a date pattern, and the date table.

#include "workbook_fixture.h"

#include <QLocale>

using namespace workbook_test;

namespace {

// One cell with the style at position 1 of the formats, read through the second pass.
QString readDate(const QString &path, int numFmtId, const QByteArray &code, const char *value)
{
    QList<QPair<int, QByteArray>> formats;
    if (!code.isNull())
        formats.append({numFmtId, code});
    packSheet(path, sheetXml("A1", "<row r=\"1\"><c r=\"A1\" s=\"1\"><v>" + QByteArray(value) + "</v></c></row>"),
              QByteArray(), stylesXml({0, numFmtId}, formats));
    const ReadResult r = readWorkbook(path);
    if (r.failed || r.rows.isEmpty())
        return QStringLiteral("<failed>");
    return r.rows.first().first();
}

class WorkbookDates : public WorkbookTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QLocale().name(), QStringLiteral("en_US"));
        ASSERT_EQ(qgetenv("TZ"), QByteArray("UTC"));
    }
};

} // namespace

TEST_F(WorkbookDates, TheBuiltInDateFormatsUseTheDefaultPatterns)
{
    const QString f = file("d.xlsx");
    EXPECT_EQ(readDate(f, 14, QByteArray(), "43831"), "01-01-2020");
    EXPECT_EQ(readDate(f, 14, QByteArray(), "43831.5"), "01-01-2020 12:00:00 PM");
    EXPECT_EQ(readDate(f, 21, QByteArray(), "0.75"), "06:00:00 PM");
    EXPECT_EQ(readDate(f, 22, QByteArray(), "366.25"), "06:00:00 AM");   // 1900: time only
    EXPECT_EQ(readDate(f, 18, QByteArray(), "0.75"), "0.75");           // not among the dates
    EXPECT_EQ(readDate(f, 45, QByteArray(), "0.75"), "0.75");
    EXPECT_EQ(readDate(f, 2, QByteArray(), "43831"), "43831");
    // Day numbers count from 30 December 1899 in the Gregorian calendar.
    const QByteArray iso = "yyyy-mm-dd";
    EXPECT_EQ(readDate(f, 164, iso, "0"), "1899-12-30");
    EXPECT_EQ(readDate(f, 164, iso, "2"), "1900-01-01");
    EXPECT_EQ(readDate(f, 164, iso, "60"), "1900-02-28");
    EXPECT_EQ(readDate(f, 164, iso, "61"), "1900-03-01");
    EXPECT_EQ(readDate(f, 164, iso, "2958465"), "9999-12-31");
    // Seconds round to the nearest; a round up to 60 carries into the next day here.
    EXPECT_EQ(readDate(f, 14, QByteArray(), "43831.999999999"), "02-01-2020 12:00:00 AM");
    EXPECT_EQ(readDate(f, 22, QByteArray(), "43831.00001157"), "01-01-2020 12:00:01 AM");
}

TEST_F(WorkbookDates, SerialsThatAreNoDateKeepTheirText)
{
    const QString f = file("n.xlsx");
    EXPECT_EQ(readDate(f, 14, QByteArray(), "-5"), "-5");
    EXPECT_EQ(readDate(f, 14, QByteArray(), "2958466"), "2958466");
    EXPECT_EQ(readDate(f, 14, QByteArray(), "1e400"), "1e400");
    // A text cell with a date style is no serial.
    packSheet(f, sheetXml("A1", "<row r=\"1\"><c r=\"A1\" s=\"1\" t=\"str\"><v>soon</v></c></row>"), QByteArray(),
              stylesXml({0, 14}));
    EXPECT_EQ(readWorkbook(f).rows, (SpreadsheetWriter::Rows{{"soon"}}));
}

TEST_F(WorkbookDates, CustomFormatsAreDatesByTheirCodes)
{
    const QString f = file("c.xlsx");
    EXPECT_EQ(readDate(f, 164, "0.00%", "0.25"), "0.25");
    EXPECT_EQ(readDate(f, 165, "[$-409]mmmm d, yyyy;@", "43831"), "January 1, 2020");
    // Date letters only inside quotes or brackets make no date.
    EXPECT_EQ(readDate(f, 166, "&quot;days&quot; 0", "12"), "12");
    EXPECT_EQ(readDate(f, 167, "[Red]0.00;[Blue]-0.00", "12"), "12");
    EXPECT_EQ(readDate(f, 168, "General", "12"), "12");
    // A format id from 164 up with no code in the workbook is no date.
    EXPECT_EQ(readDate(f, 170, QByteArray(), "43831"), "43831");
    // Codes of other writers: any case, a 24-hour clock without AM/PM, minutes after hours.
    EXPECT_EQ(readDate(f, 164, "yyyy-mm-dd h:mm:ss", "45356.6041666667"), "2024-03-05 14:30:00");
    EXPECT_EQ(readDate(f, 164, "MM/DD/YY", "45356"), "03/05/24");
    EXPECT_EQ(readDate(f, 164, "DD.MM.YYYY HH:MM", "45356.6041666667"), "05.03.2024 14:30");
    EXPECT_EQ(readDate(f, 164, "h:mm AM/PM", "0.6041666667"), "2:30 PM");
    EXPECT_EQ(readDate(f, 164, "mm:ss", "0.00107638888"), "01:33");
    EXPECT_EQ(readDate(f, 164, "dddd, mmm d", "45356"), "Tuesday, Mar 5");
    // A built-in id the workbook defines anew follows its own code.
    EXPECT_EQ(readDate(f, 14, "DD/MM/YYYY", "45356"), "05/03/2024");
}

TEST_F(WorkbookDates, CodesTranslateTokenByToken)
{
    struct Case {
        const char *code;
        const char *pattern;
    } cases[] = {
        {"[$-409]mmmm d, yyyy;@", "MMMM d, yyyy"},
        {"dd-mm-yyyy", "dd-MM-yyyy"},
        {"d/m/yy h:mm", "d/M/yy H:mm"},
        {"hh:mm:ss AM/PM", "hh:mm:ss a"},
        {"m", "M"},
        {"[h]:mm:ss", "H:mm:ss"},
        {"yyyy\\-mm\\-dd", "yyyy-MM-dd"},
        {"mmm-yy", "MMM-yy"},
        {"mmmmm", "MMMMM"},
        {"ddd", "EEE"},
        {"\"at\" h", "'at 'H"},
        {"0.00", ""},
        {"#,##0", ""},
        {"@", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Translate_Excel_Date_Code(QString::fromUtf8(c.code)), QString::fromUtf8(c.pattern)) << c.code;
}

TEST_F(WorkbookDates, DateCellsReadAsTheLocaleFormatsTheirSerials)
{
    // Many cells per style, so that the sheet is read on several threads; every text must be the
    // one the formatter of single values gives.
    const QList<QPair<int, QByteArray>> formats{{164, "yyyy-mm-dd h:mm:ss"}, {165, "d/m/yy h:mm AM/PM"},
                                                {166, "dddd, mmmm d, yyyy"}, {167, "mmm-yy"}};
    const QList<int> xfs{0, 14, 22, 164, 165, 166, 167};
    QByteArray rows;
    QList<QPair<int, QByteArray>> cells;   // style index, serial
    for (int r = 1; r <= 12000; ++r) {
        rows += "<row r=\"" + QByteArray::number(r) + "\">";
        for (int s = 1; s < xfs.size(); ++s) {
            const QByteArray serial = QByteArray::number(1 + (r * 7919 + s * 104729) % 2958000 + (r % 97) / 97.0, 'f', 6);
            rows += "<c r=\"" + QByteArray(1, char('A' + s - 1)) + QByteArray::number(r) + "\" s=\"" + QByteArray::number(s)
                    + "\"><v>" + serial + "</v></c>";
            if (r % 500 == 0)
                cells.append({s, serial});
        }
        rows += "</row>";
    }
    packSheet(file("many.xlsx"), sheetXml("A1:F12000", rows), QByteArray(), stylesXml(xfs, formats));
    const ReadResult read = readWorkbook(file("many.xlsx"));
    ASSERT_FALSE(read.failed);
    ASSERT_EQ(read.rows.size(), 12000);
    int checked = 0;
    for (int r = 500; r <= 12000; r += 500)
        for (int s = 1; s < xfs.size(); ++s) {
            const QByteArray serial = cells.at(checked).second;
            const int id = xfs.at(s);
            const QString expected = spreadsheet->Excel_Xml_Date_To_String(QString::fromLatin1(serial),
                                                                            spreadsheet->Get_Date_Time_Format_String(id));
            EXPECT_EQ(read.rows.at(r - 1).at(s - 1), expected) << "style " << id << " serial " << serial.constData();
            ++checked;
        }
    EXPECT_EQ(checked, 24 * 6);
}
