// Every writer that puts its file in place under a temporary name saves a target whose name is as
// long as the file system takes.

#include "core/BatchWriter.h"
#include "core/GlobalsReset.h"
#include "core/UserFolders.h"
#include "io/SeriesBackup.h"
#include "io/SeriesStore.h"
#include "platform/PdfFileWriter.h"
#include "platform/Plist.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

TEST(LongNames, EveryWriterSavesATargetNamedWith250Bytes)
{
    QTemporaryDir home;
    resetGlobalsForTests();
    Data_Folder_Path = home.filePath("DataSet");
    const QString backup = home.filePath(series_backup::Backup_Folder_name);
    ASSERT_TRUE(QDir().mkpath(Data_Folder_Path) && QDir().mkpath(backup));
    // 82 characters of three bytes each and an extension of four: 250 bytes.
    const auto named = [](char16_t c, const char *extension) { return QString(82, QChar(c)) + extension; };
    for (const auto &[path, bytes] : {std::pair(backup + "/" + named(u'字', ".txt"), "x\n"), std::pair(home.filePath(named(u'図', ".png")), "old")}) {
        QFile file(path);   // a backup's series, and the file the batch replaces
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
    }
    const struct {
        const char *writer;
        QString path;
        std::function<bool(const QString &)> save;
    } cases[] = {
        {"design", home.filePath(named(u'漢', ".qpf")), [](const QString &path) { return platform::writePlistFile(path, platform::PlistValue::fromStrings({"x"})); }},
        {"series", Data_Folder_Path + "/" + named(u'値', ".txt"), [&](const QString &) { return series_store::write(QString(82, QChar(u'値')), {"x"}); }},
        {"restored series", Data_Folder_Path + "/" + named(u'字', ".txt"), [&](const QString &) { return series_backup::restoreAppend(backup, {}).copied == 1; }},
        {"PDF", home.filePath(named(u'紙', ".pdf")), [](const QString &path) { platform::PdfFileWriter pdf(path, {}); return pdf.begin({10, 10}) && pdf.finish(); }},
        {"batch export", home.filePath(named(u'図', ".png")), [](const QString &path) { batchfiles::BatchWriter w; QString why; return w.write(path, "x", &why) && w.finish(&why); }},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(QFile::encodeName(QFileInfo(c.path).fileName()).size(), 250);
        EXPECT_TRUE(c.save(c.path)) << c.writer;
        QFile saved(c.path);
        EXPECT_TRUE(saved.open(QIODevice::ReadOnly) && saved.size() > 0 && saved.readAll() != "old") << c.writer;
    }
    resetGlobalsForTests();
}
