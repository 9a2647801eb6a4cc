// Series files: the catalogue, the reading rule, names that resolve only inside the series folder,
// and the writers, which never lose the old series when a write fails.

#include "core/BatchWriter.h"
#include "core/Globals.h"
#include "core/GlobalsReset.h"
#include "core/UserFolders.h"
#include "io/SeriesStore.h"
#include "platform/PdfFileWriter.h"
#include "platform/Plist.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <utility>

namespace {

// Messages are shown only once a main window exists. Nothing below the window can reach into it,
// so an address stands in for it here.
int windowStandIn;

class SeriesStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobalsForTests();
        Main_App_wnd = reinterpret_cast<SKTWindowController *>(&windowStandIn);
        ASSERT_TRUE(home.isValid());
        Data_Folder_Path = home.filePath(QStringLiteral("Tagora/DataSet"));
        ASSERT_TRUE(QDir().mkpath(Data_Folder_Path));
    }
    void TearDown() override { resetGlobalsForTests(); }

    void put(const QString &fileName, const QByteArray &content, const QString &folder = QString())
    {
        QFile f((folder.isEmpty() ? Data_Folder_Path : folder) + QLatin1Char('/') + fileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QByteArray fileOf(const QString &fileName) const { return bytesOf(Data_Folder_Path + QLatin1Char('/') + fileName); }
    QStringList messages() { return responder->trimmedAlertMessages(); }

    QTemporaryDir home;
    testsupport::ResponderScope responder;
};

} // namespace

TEST_F(SeriesStore, TheCatalogueListsSeriesFilesSortedLiterally)
{
    put(QStringLiteral("apple.txt"), "a\n");
    put(QStringLiteral("Zebra.txt"), "z\n");
    put(QStringLiteral("Shout.TXT"), "s\n");
    put(QStringLiteral("notes.csv"), "n\n");
    ASSERT_TRUE(QDir(Data_Folder_Path).mkdir(QStringLiteral("folder.txt")));
    EXPECT_EQ(series_store::names(),
              QStringList({QStringLiteral("Shout"), QStringLiteral("Zebra"), QStringLiteral("apple")}));
    EXPECT_EQ(series_store::indexOf(QStringLiteral("ZEBRA")), 1);
    EXPECT_EQ(series_store::indexOf(QStringLiteral("notes")), -1);
    EXPECT_EQ(series_store::indexOf(QStringLiteral("folder")), -1);
    // A series is found whatever the case of its extension, and of its name when the exact one is absent.
    EXPECT_EQ(series_store::read(QStringLiteral("Shout")), QStringList{QStringLiteral("s")});
    EXPECT_EQ(series_store::read(QStringLiteral("shout")), QStringList{QStringLiteral("s")});
    EXPECT_FALSE(series_store::read(QStringLiteral("folder")));
    // Without the folder there is no catalogue.
    ASSERT_TRUE(QDir(Data_Folder_Path).removeRecursively());
    EXPECT_TRUE(series_store::names().isEmpty());
}

TEST_F(SeriesStore, ReadingTrimsTheTextAndSplitsAtLineFeeds)
{
    put(QStringLiteral("gap.txt"), "a\n\nb\n");
    put(QStringLiteral("padded.txt"), "\n\na\n\n");
    put(QStringLiteral("crlf.txt"), "one\r\ntwo\r\n");
    put(QStringLiteral("blank.txt"), "  \n\t\n");
    put(QStringLiteral("empty.txt"), "");
    put(QStringLiteral("accents.txt"), "Caf\xc3\xa9\n\xe6\x9d\xa1\xe5\xbd\xa2\xe7\xa0\x81\n");
    EXPECT_EQ(series_store::read(QStringLiteral("gap")), QStringList({QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(series_store::read(QStringLiteral("padded")), QStringList{QStringLiteral("a")});
    EXPECT_EQ(series_store::read(QStringLiteral("crlf")), QStringList({QStringLiteral("one\r"), QStringLiteral("two")}));
    EXPECT_EQ(series_store::read(QStringLiteral("blank")), QStringList{QString()});
    EXPECT_EQ(series_store::count(QStringLiteral("empty")), 1);
    EXPECT_EQ(series_store::read(QStringLiteral("accents")),
              QStringList({QStringLiteral("Café"), QStringLiteral("条形码")}));
    EXPECT_EQ(series_store::firstValue(QStringLiteral("crlf")), QStringLiteral("one"));
    EXPECT_EQ(series_store::firstValue(QStringLiteral("missing")), QStringLiteral(""));
    EXPECT_EQ(series_store::count(QStringLiteral("missing")), 0);
}

TEST_F(SeriesStore, FilesThatAreNotUtf8TextHaveNoValues)
{
    put(QStringLiteral("latin1.txt"), "caf\xe9\n");
    put(QStringLiteral("truncated.txt"), "ok\n\xe6\x9d\n");
    put(QStringLiteral("overlong.txt"), "\xc0\xaf\n");
    put(QStringLiteral("binary.txt"), QByteArray("PK\x03\x04\x00\x00value", 11));
    for (const QString &name : {QStringLiteral("latin1"), QStringLiteral("truncated"), QStringLiteral("overlong"),
                                QStringLiteral("binary")}) {
        EXPECT_FALSE(series_store::read(name)) << qPrintable(name);
        EXPECT_EQ(series_store::count(name), 0) << qPrintable(name);
        EXPECT_EQ(series_store::firstValue(name), QStringLiteral("")) << qPrintable(name);
    }
    // A byte-order mark made elsewhere is no value.
    put(QStringLiteral("bom.txt"), "\xef\xbb\xbfv1\nv2\n");
    EXPECT_EQ(series_store::read(QStringLiteral("bom")), QStringList({QStringLiteral("v1"), QStringLiteral("v2")}));
}

TEST_F(SeriesStore, NamesNeverResolveOutsideTheSeriesFolder)
{
    const QString parent = QFileInfo(Data_Folder_Path).absolutePath();
    put(QStringLiteral("secret.txt"), "outside\n", parent);
    ASSERT_TRUE(QDir(Data_Folder_Path).mkdir(QStringLiteral("sub")));
    put(QStringLiteral("inner.txt"), "inner\n", Data_Folder_Path + QStringLiteral("/sub"));
    for (const QString &name : {QStringLiteral("../secret"), QStringLiteral("sub/inner"), QStringLiteral(".."),
                                QStringLiteral("/etc/passwd"), parent + QStringLiteral("/secret")}) {
        EXPECT_EQ(series_store::pathOf(name), QString()) << qPrintable(name);
        EXPECT_FALSE(series_store::read(name)) << qPrintable(name);
    }
    // A link inside the folder to a file outside it is not read either.
    ASSERT_TRUE(QFile::link(parent + QStringLiteral("/secret.txt"), Data_Folder_Path + QStringLiteral("/linked.txt")));
    EXPECT_FALSE(series_store::read(QStringLiteral("linked")));
    // Writers take the name as a file name in the folder: nothing is written outside.
    EXPECT_FALSE(series_store::write(QStringLiteral("../escape"), {QStringLiteral("x")}));
    EXPECT_FALSE(QFileInfo::exists(parent + QStringLiteral("/escape.txt")));
    EXPECT_FALSE(series_store::append(QStringLiteral("../secret"), {QStringLiteral("x")}));
    EXPECT_EQ(bytesOf(parent + QStringLiteral("/secret.txt")), QByteArray("outside\n"));
    EXPECT_FALSE(series_store::remove(QStringLiteral("../secret")));
    EXPECT_TRUE(QFileInfo::exists(parent + QStringLiteral("/secret.txt")));
}

TEST_F(SeriesStore, CreateCleansTheNameAndWritesEachValueWithALineFeed)
{
    using series_store::WriteResult;
    QString written;
    EXPECT_EQ(series_store::createOrReplace(QStringLiteral(" my.list "), {QStringLiteral("1"), QStringLiteral(" two "), QString()},
                                            &written),
              WriteResult::Written);
    EXPECT_EQ(written, QStringLiteral("my_list"));
    EXPECT_EQ(fileOf(QStringLiteral("my_list.txt")), QByteArray("1\n two \n\n"));
    EXPECT_EQ(series_store::createOrReplace(QStringLiteral("/codes/"), {QStringLiteral("é")}), WriteResult::Written);
    EXPECT_EQ(fileOf(QStringLiteral("codes.txt")), QByteArray("\xc3\xa9\n"));
    EXPECT_EQ(series_store::createOrReplace(QStringLiteral("why?not"), {}), WriteResult::Written);
    EXPECT_TRUE(QFileInfo::exists(Data_Folder_Path + QStringLiteral("/why?not.txt")));
    EXPECT_EQ(series_store::createOrReplace(QStringLiteral("..."), {QStringLiteral("x")}), WriteResult::Written);
    EXPECT_TRUE(QFileInfo::exists(Data_Folder_Path + QStringLiteral("/___.txt")));
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();

    for (const QString &bad : {QStringLiteral("  "), QStringLiteral("/\\?%*|\"<>"), QString()}) {
        EXPECT_EQ(series_store::createOrReplace(bad, {QStringLiteral("x")}), WriteResult::InvalidName);
    }
    EXPECT_EQ(messages(), QStringList(3, QStringLiteral("Please enter valid series name.")));
    EXPECT_EQ(series_store::names().size(), 4);
}

TEST_F(SeriesStore, ReplacingAsksAndNoLeavesTheOldFileUntouched)
{
    using series_store::WriteResult;
    put(QStringLiteral("codes.TXT"), "old\n");
    responder->alertAnswers = {QStringLiteral("No"), QStringLiteral("Yes")};
    EXPECT_EQ(series_store::createOrReplace(QStringLiteral("codes"), {QStringLiteral("new")}), WriteResult::Declined);
    EXPECT_EQ(fileOf(QStringLiteral("codes.TXT")), QByteArray("old\n"));
    EXPECT_EQ(series_store::createOrReplace(QStringLiteral("codes"), {QStringLiteral("new")}), WriteResult::Written);
    EXPECT_EQ(messages(), QStringList(2, QStringLiteral("Batch Processing Series already exists. Do you want to replace it?")));
    // The series keeps its one file: the one found, whatever the case of its extension.
    EXPECT_EQ(fileOf(QStringLiteral("codes.TXT")), QByteArray("new\n"));
    EXPECT_EQ(series_store::names(), QStringList{QStringLiteral("codes")});
}

TEST_F(SeriesStore, AFailedWriteKeepsTheOldSeriesAndSaysSo)
{
    using series_store::WriteResult;
    // A disk that takes no more (a file size limit): no whole new file can be put in the old one's place.
    const QString name = QStringLiteral("stock");
    put(name + QStringLiteral(".txt"), "old 1\nold 2\n");
    std::optional<testsupport::FileSizeLimit> full(2);
    ASSERT_TRUE(full->ok());
    responder->alertAnswers = {QStringLiteral("Yes")};
    EXPECT_EQ(series_store::createOrReplace(name, {QStringLiteral("new")}), WriteResult::AccessError);
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Batch Processing Series already exists. Do you want to replace it?"),
                                       QStringLiteral("Error in file accessing.")}));
    EXPECT_EQ(fileOf(name + QStringLiteral(".txt")), QByteArray("old 1\nold 2\n"));
    EXPECT_EQ(series_store::read(name), QStringList({QStringLiteral("old 1"), QStringLiteral("old 2")}));
    // The same for the other writers.
    EXPECT_FALSE(series_store::write(name, {QStringLiteral("new")}));
    EXPECT_FALSE(series_store::append(name, {QStringLiteral("more")}));
    full.reset();
    EXPECT_EQ(fileOf(name + QStringLiteral(".txt")), QByteArray("old 1\nold 2\n"));
    // Without the series folder nothing can be written, and that is said too.
    ASSERT_TRUE(QDir(Data_Folder_Path).removeRecursively());
    EXPECT_EQ(series_store::createOrReplace(QStringLiteral("fresh"), {QStringLiteral("x")}), WriteResult::AccessError);
    EXPECT_EQ(messages().last(), QStringLiteral("Error in file accessing."));
}

TEST_F(SeriesStore, EveryWriterSavesATargetNamedWith250Bytes)
{
    const auto named = [](char16_t c) { return QString(82, QChar(c)); };   // 246 bytes, and the extension
    put(named(u'図') + ".png", "old");   // the file a batch export replaces
    const std::pair<QString, std::function<bool(const QString &)>> writers[] = {
        {named(u'漢') + ".qpf", [](const QString &path) { return platform::writePlistFile(path, platform::PlistValue::fromStrings({"x"})); }},
        {named(u'値') + ".txt", [&](const QString &) { return series_store::write(named(u'値'), {"x"}); }},
        {named(u'紙') + ".pdf", [](const QString &path) { platform::PdfFileWriter pdf(path, {}); return pdf.begin({10, 10}) && pdf.finish(); }},
        {named(u'図') + ".png", [](const QString &path) { batchfiles::BatchWriter w; QString why; return w.write(path, "x", &why) && w.finish(&why); }},
    };
    for (const auto &[name, save] : writers)
        EXPECT_TRUE(save(Data_Folder_Path + '/' + name)) << name.toStdString();
    EXPECT_EQ(fileOf(named(u'図') + ".png"), "x");
}

TEST_F(SeriesStore, AppendAddsToTheEndAndRemoveTakesTheFile)
{
    put(QStringLiteral("list.txt"), "a\nb");   // made elsewhere, without the last line feed: "c" starts a line
    EXPECT_TRUE(series_store::append(QStringLiteral("list"), {QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(fileOf(QStringLiteral("list.txt")), QByteArray("a\nb\nc\nd\n"));
    EXPECT_TRUE(series_store::append(QStringLiteral("new"), {QStringLiteral("x")}));
    EXPECT_EQ(fileOf(QStringLiteral("new.txt")), QByteArray("x\n"));
    EXPECT_TRUE(series_store::write(QStringLiteral("list"), {QStringLiteral("only")}));
    EXPECT_EQ(series_store::read(QStringLiteral("list")), QStringList{QStringLiteral("only")});

    EXPECT_TRUE(series_store::remove(QStringLiteral("list")));
    EXPECT_FALSE(series_store::remove(QStringLiteral("list")));
    EXPECT_EQ(series_store::names(), QStringList{QStringLiteral("new")});
    put(QStringLiteral("other.bin"), "keep?");
    EXPECT_TRUE(series_store::removeAll());
    EXPECT_TRUE(QFileInfo(Data_Folder_Path).isDir());
    EXPECT_TRUE(QDir(Data_Folder_Path).isEmpty());
}

TEST_F(SeriesStore, AStreamedSeriesIsWrittenAsItIsMadeOrNotAtAll)
{
    put(QStringLiteral("kept.txt"), "old\n");
    struct Case {
        QString name;
        QString reason;   // the producer gives up with it after two values; empty: it finishes
        series_store::WriteResult result;
        QByteArray file;
    };
    const Case cases[] = {
        {QStringLiteral("made"), QString(), series_store::WriteResult::Written, "1\n2\n3\n"},
        {QStringLiteral("kept"), QStringLiteral("out of numbers"), series_store::WriteResult::Abandoned, "old\n"},
    };
    for (const Case &c : cases) {
        responder->alertAnswers = {QStringLiteral("Yes")};
        int made = 0;
        const series_store::WriteResult result = series_store::createOrReplaceStreamed(
            c.name, [&](const series_store::ValueSink &sink, QString *reason) {
                for (int i = 1; i <= 3; ++i) {
                    if (!c.reason.isEmpty() && i == 3) {
                        *reason = c.reason;
                        return false;
                    }
                    if (!sink(QString::number(i)))
                        return false;
                    ++made;
                }
                return true;
            });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(fileOf(c.name + QStringLiteral(".txt")), c.file);
    }
    EXPECT_EQ(messages().last(), QStringLiteral("out of numbers"));
    EXPECT_TRUE(series_store::exists(QStringLiteral("made")));
    EXPECT_FALSE(series_store::exists(QStringLiteral("MADE")) && QFileInfo::exists(Data_Folder_Path + "/MADE.txt"));
}
