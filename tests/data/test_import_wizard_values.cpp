// The values the import wizard takes from each source's input, without a window.

#include "data/ImportWizardValues.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using import_wizard::TextKind;

namespace {

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    for (QChar ch : text) {
        const char hi = char(ch.unicode() >> 8), lo = char(ch.unicode() & 0xFF);
        out += bigEndian ? QByteArray{&hi, 1} + QByteArray{&lo, 1} : QByteArray{&lo, 1} + QByteArray{&hi, 1};
    }
    return out;
}

} // namespace

TEST(ImportWizardValues, KindFollowsTheExtensionInAnyCase)
{
    const struct { const char *path; TextKind kind; } cases[] = {
        {"/x/a.csv", TextKind::Csv}, {"/x/a.CSV", TextKind::Csv}, {"/x/a.Rtf", TextKind::Rtf},
        {"/x/a.txt", TextKind::Plain}, {"/x/a", TextKind::Plain}, {"/x/csv.txt", TextKind::Plain},
    };
    for (const auto &c : cases)
        EXPECT_EQ(import_wizard::kindOf(QString::fromUtf8(c.path)), c.kind) << c.path;
}

TEST(ImportWizardValues, ValidationRemovesBackslashesAndBracesThenTrims)
{
    const struct { const char *in, *out; } cases[] = {
        {"{abc}", "abc"}, {"a\\b", "ab"}, {"  x\t", "x"}, {"\x01y\x02", "y"}, {"{}\\", ""}, {"a b", "a b"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(import_wizard::chk_and_insert_validation(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(ImportWizardValues, TextFilesGiveTheirValues)
{
    const struct {
        const char *name;
        QByteArray bytes;
        TextKind kind;
        QStringList values;
    } cases[] = {
        {"plain lines, blanks skipped", "a\n\n  b \r\nc\n", TextKind::Plain, {"a", "b", "c"}},
        {"font mark ends the reading", "one\ntwo\nx NSFont = y\nthree\n", TextKind::Plain, {"one", "two"}},
        {"braces and backslash", "{abc}\na\\b\n", TextKind::Plain, {"abc", "ab"}},
        {"csv with CR LF", "a,b\r\nc,d\r\n", TextKind::Csv, {"a", "b", "c", "d"}},
        {"csv with LF only", "a,b\nc,d", TextKind::Csv, {"a", "b", "c", "d"}},
        {"csv with CR only", "a,b\rc,d", TextKind::Csv, {"a", "b", "c", "d"}},
        {"csv with mixed line ends", "a\r\nb\rc\n\r\nd", TextKind::Csv, {"a", "b", "c", "d"}},
        {"csv of one column", "x\ny\nz\n", TextKind::Csv, {"x", "y", "z"}},
        {"csv blank fields skipped", "a,,b\n,\nc", TextKind::Csv, {"a", "b", "c"}},
        {"csv font mark ends its line", "a,NSFont = q,b\nc,d", TextKind::Csv, {"a", "c", "d"}},
        {"csv quoted fields", "\"A,1\",\"He said \"\"hi\"\"\",3", TextKind::Csv, {"A,1", "He said \"hi\"", "3"}},
        {"csv line break in a quoted field", "c1,\"two\nlines\"\nc2,n2", TextKind::Csv, {"c1", "two lines", "c2", "n2"}},
        {"rtf bold and plain lines", "{\\rtf1\\ansi{\\fonttbl\\f0 Helvetica;}\\f0 {\\b Bold line}\\par plain line\\par}",
         TextKind::Rtf, {"Bold line", "plain line"}},
        {"broken rtf gives its text so far", "{\\rtf1\\ansi first\\par second {\\b third", TextKind::Rtf, {"first", "second third"}},
        {"rtf font mark ends the reading", "{\\rtf1 one\\par NSFont = x\\par two}", TextKind::Rtf, {"one"}},
        {"utf-8 with BOM", "\xEF\xBB\xBFM\xC3\xBCller\nCaf\xC3\xA9\n\xC3\x9F", TextKind::Plain, {"Müller", "Café", "ß"}},
        {"utf-8", "M\xC3\xBCller\nCaf\xC3\xA9\n\xC3\x9F", TextKind::Plain, {"Müller", "Café", "ß"}},
        {"latin-1", "M\xFCller\nCaf\xE9\n\xDF", TextKind::Plain, {"Müller", "Café", "ß"}},
        {"utf-16 LE", utf16(QStringLiteral("Müller\nCafé\nß"), false), TextKind::Plain, {"Müller", "Café", "ß"}},
        {"utf-16 BE", utf16(QStringLiteral("Müller\nCafé\nß"), true), TextKind::Csv, {"Müller", "Café", "ß"}},
    };
    for (const auto &c : cases) {
        const std::optional<import_wizard::ValueLines> values = import_wizard::textFileValues(c.bytes, c.kind);
        ASSERT_TRUE(values.has_value()) << c.name;
        EXPECT_EQ(values->toStringList(), c.values) << c.name;
        EXPECT_EQ(values->count, c.values.size()) << c.name;
    }
}

TEST(ImportWizardValues, BadTextFilesAreRefused)
{
    const struct {
        const char *name;
        QByteArray bytes;
        TextKind kind;
    } cases[] = {
        {"empty", "", TextKind::Plain},
        {"white space only", " \n\t\r\n", TextKind::Csv},
        {"NUL bytes without a UTF-16 mark", QByteArray("ab\0cd", 5), TextKind::Plain},
        {"rtf that is not RTF", "just text", TextKind::Rtf},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(import_wizard::textFileValues(c.bytes, c.kind).has_value()) << c.name;
}

TEST(ImportWizardValues, TypedTextIsTrimmedOnlyAsAWhole)
{
    const struct { QString in; QStringList out; } cases[] = {
        {QStringLiteral("  x \n  y\n\nz  "), {"x ", "  y", "z"}},
        {QStringLiteral("a\r\nb"), {"a\r", "b"}},
        {QStringLiteral("a\n   \nb"), {"a", "   ", "b"}},
    };
    for (const auto &c : cases) {
        const std::optional<QStringList> lines = import_wizard::typedLines(c.in);
        ASSERT_TRUE(lines.has_value());
        EXPECT_EQ(*lines, c.out);
    }
    EXPECT_FALSE(import_wizard::typedLines(QString(QChar(0xD800)) + QStringLiteral("x")).has_value());
    EXPECT_FALSE(import_wizard::typedLines(QStringLiteral("x") + QChar(0xDC00)).has_value());
}

TEST(ImportWizardValues, ImageFolderGivesItsImagesSortedByName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"PHOTO.JPG", "b.png", "notes.txt", "a.tiff", "noext"}) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("sub.png")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("sub")));
    QFile inner(dir.filePath(QStringLiteral("sub/x.png")));
    ASSERT_TRUE(inner.open(QIODevice::WriteOnly));
    const QStringList types{QStringLiteral("jpg"), QStringLiteral("png"), QStringLiteral("tiff")};
    const QStringList found = import_wizard::imageFiles(dir.path(), types);
    EXPECT_EQ(found, QStringList({dir.filePath("PHOTO.JPG"), dir.filePath("a.tiff"), dir.filePath("b.png")}));
    EXPECT_TRUE(import_wizard::imageFiles(dir.filePath("missing"), types).isEmpty());
}
