// The import wizard on files other programs made during the run: workbooks from openpyxl and
// LibreOffice through the spreadsheet source into series, text files in the common encodings, and
// LibreOffice's CSV exports. Tests skip when a program is missing.

#include "data/Import_Excel_DataSheet.h"
#include "support/LibreOffice.h"
#include "test_import_wizard_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>

using namespace wizardtest;

namespace {

// A workbook with a column of texts, one of integers and one of dates.
const char *const kMixedColumns = R"(import sys, datetime, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
ws.append(["Name", "Count", "Day"])
ws.append(["apple", 5, datetime.date(2020, 1, 1)])
ws.append(["M\u00fcller", -3, datetime.date(1999, 12, 31)])
ws.append(["Caf\u00e9 \u00df", 12345678, datetime.date(2024, 3, 5)])
wb.save(sys.argv[1])
)";

// The same columns as CSV text, for LibreOffice to read.
const QByteArray kMixedCsv = "Name,Count,Day\napple,5,2020-01-01\nM\xC3\xBCller,-3,1999-12-31\nCaf\xC3\xA9 \xC3\x9F,12345678,2024-03-05\n";

const char *const kNames = R"(import sys, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
for name in ["M\u00fcller", "Caf\u00e9", "\u00df"]:
    ws.append([name])
wb.save(sys.argv[1])
)";

const QByteArray kNamesSeries = "M\xC3\xBCller\nCaf\xC3\xA9\n\xC3\x9F\n";

class ImportWizardInterop : public ImportWizardWindow {
protected:
    // Converts a file with LibreOffice into a folder of its own; the converted file's path.
    QString convert(const QString &source, const QString &format, const QString &extension, const QStringList &extra = {})
    {
        const QString out = file(QStringLiteral("lo-") + QString::number(++conversions));
        EXPECT_TRUE(libreoffice::convert(dir.path(), format, {source}, out, extra));
        return QDir(out).filePath(QFileInfo(source).completeBaseName() + QLatin1Char('.') + extension);
    }
    // The spreadsheet source with a new series per ticked column, as the Designing mode opens it.
    void importColumns(const QString &workbook, const QList<int> &columns)
    {
        otherWindows = [&](QDialog &dialog) {
            auto &picker = static_cast<Import_Excel_DataSheet &>(dialog);
            tick(picker, columns);
            picker.setResult(-1);
            picker.okButton->click();
            return picker.result();
        };
        EXPECT_EQ(run(1, 0, [&] {
            type(w.Excel_path, workbook);
            QTest::mouseClick(w.ok_btn, Qt::LeftButton);
        }), 1);
        EXPECT_EQ(opened, QList<QDialog *>{Import_Excel_DataSheet::defaultInstance()});
    }
    int conversions = 0;
};

} // namespace

TEST_F(ImportWizardInterop, WorkbooksOfOtherProgramsBecomeSeries)
{
    if (pickertest::python().isEmpty() || libreoffice::program().isEmpty())
        GTEST_SKIP() << "openpyxl or LibreOffice is not installed";
    const QString csv = write(QStringLiteral("mixed.csv"), kMixedCsv);
    const QString fromPython = file(QStringLiteral("mixed.xlsx"));
    ASSERT_TRUE(pickertest::runPython(QString::fromUtf8(kMixedColumns), fromPython));
    const struct {
        const char *name;
        QString workbook;
    } cases[] = {
        {"openpyxl", fromPython},
        {"LibreOffice from CSV", convert(csv, QStringLiteral("xlsx:Calc MS Excel 2007 XML"), QStringLiteral("xlsx"),
                                         {QStringLiteral("--infilter=CSV:44,34,76,1")})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QFileInfo::exists(c.workbook));
        opened.clear();
        importColumns(c.workbook, {0, 1, 2});
        EXPECT_EQ(fileOf("Name.txt"), "apple\nM\xC3\xBCller\nCaf\xC3\xA9 \xC3\x9F\n");
        EXPECT_EQ(fileOf("Count.txt"), "5\n-3\n12345678\n");
        EXPECT_EQ(fileOf("Day.txt"), "2020-01-01\n1999-12-31\n2024-03-05\n");
        EXPECT_TRUE(messages().isEmpty());
        for (const char *series : {"Name.txt", "Count.txt", "Day.txt"})
            QFile::remove(seriesPath(QString::fromLatin1(series)));
    }
}

TEST_F(ImportWizardInterop, TextInEveryCommonEncodingGivesTheSameSeries)
{
    const QString names = QString::fromUtf8(kNamesSeries).trimmed();
    auto encoded = [&](QStringConverter::Encoding encoding, bool mark) {
        QStringEncoder encoder(encoding, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
        return QByteArray(encoder(names));
    };
    const struct {
        const char *file;
        QByteArray bytes;
    } cases[] = {
        {"utf8.txt", encoded(QStringConverter::Utf8, false)},
        {"utf8-bom.txt", encoded(QStringConverter::Utf8, true)},
        {"utf16le.txt", encoded(QStringConverter::Utf16LE, true)},
        {"utf16be.csv", encoded(QStringConverter::Utf16BE, true)},
        {"latin1.txt", encoded(QStringConverter::Latin1, false)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(run(1, 0, [&] { importText(write(QString::fromLatin1(c.file), c.bytes), QStringLiteral("Names")); }), 1);
        EXPECT_EQ(fileOf("Names.txt"), kNamesSeries);
        QFile::remove(seriesPath("Names.txt"));
    }
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ImportWizardInterop, LibreOfficesCsvExportsGiveTheSameSeries)
{
    if (pickertest::python().isEmpty() || libreoffice::program().isEmpty())
        GTEST_SKIP() << "openpyxl or LibreOffice is not installed";
    const QString book = file(QStringLiteral("names.xlsx"));
    ASSERT_TRUE(pickertest::runPython(QString::fromUtf8(kNames), book));
    const struct {
        const char *name, *options;
        QByteArray holds;   // the encoding's own bytes for "ü"
    } cases[] = {
        {"UTF-8", "44,34,76", "\xC3\xBC"},
        {"ISO-8859-1", "44,34,12", "\xFC"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString csv = convert(book, QStringLiteral("csv:Text - txt - csv (StarCalc):") + QLatin1String(c.options),
                                    QStringLiteral("csv"));
        QFile exported(csv);
        ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
        ASSERT_TRUE(exported.readAll().contains(c.holds));
        EXPECT_EQ(run(1, 0, [&] { importText(csv, QStringLiteral("Names")); }), 1);
        EXPECT_EQ(fileOf("Names.txt"), kNamesSeries);
        QFile::remove(seriesPath("Names.txt"));
    }
    EXPECT_TRUE(messages().isEmpty());
}
