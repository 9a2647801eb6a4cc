// The zip component: unpacking (folders, overwriting, names that leave the destination, broken
// archives, limits) and packing (entry names, empty folders, replacing, failures reported).

#include "io/SSZipArchive.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <stdexcept>

namespace {

struct Entry {
    QByteArray name;
    QByteArray data;
    bool stored = false;   // no compression, so a test can damage the data in place
};

// An archive written by minizip itself, with names exactly as given.
void writeArchive(const QString &path, const QList<Entry> &entries)
{
    zipFile zf = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    ASSERT_NE(zf, nullptr);
    for (const Entry &e : entries) {
        zip_fileinfo info{};
        info.tmz_date = {0, 30, 10, 15, 5, 2021};   // 15 June 2021 10:30:00
        ASSERT_EQ(zipOpenNewFileInZip(zf, e.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                                      e.stored ? 0 : Z_DEFLATED, e.stored ? 0 : Z_DEFAULT_COMPRESSION),
                  ZIP_OK);
        if (!e.data.isEmpty()) {
            ASSERT_EQ(zipWriteInFileInZip(zf, e.data.constData(), unsigned(e.data.size())), ZIP_OK);
        }
        ASSERT_EQ(zipCloseFileInZip(zf), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zf, nullptr), ZIP_OK);
}

// Entry names of an archive, in archive order.
QStringList entryNames(const QString &path)
{
    QStringList names;
    unzFile uf = unzOpen64(QFile::encodeName(path).constData());
    if (!uf)
        return names;
    for (int rc = unzGoToFirstFile(uf); rc == UNZ_OK; rc = unzGoToNextFile(uf)) {
        char name[1024];
        unz_file_info64 info{};
        unzGetCurrentFileInfo64(uf, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        names << QString::fromUtf8(name);
    }
    unzClose(uf);
    return names;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

class ZipArchive : public ::testing::Test {
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ZipArchive, UnpacksFoldersFilesAndBackslashNamesWithTheirDates)
{
    writeArchive(path("a.zip"), {{"top.txt", "top"}, {"dir/", ""}, {"dir\\inner\\deep.txt", "deep"}, {"x/y/z.txt", "z"}});
    const QString out = path("out");
    ZipError error;
    EXPECT_TRUE(SSZipArchive::unzipFileAtPath(path("a.zip"), out, true, QString(), &error));
    EXPECT_EQ(readFile(out + "/top.txt"), "top");
    EXPECT_TRUE(QFileInfo(out + "/dir").isDir());
    EXPECT_EQ(readFile(out + "/dir/inner/deep.txt"), "deep");
    EXPECT_EQ(readFile(out + "/x/y/z.txt"), "z");
    EXPECT_EQ(QFileInfo(out + "/top.txt").lastModified(),
              QDateTime(QDate(2021, 6, 15), QTime(10, 30), Qt::LocalTime));
}

TEST_F(ZipArchive, OverwritingOffKeepsExistingFilesAndStillSucceeds)
{
    writeArchive(path("a.zip"), {{"keep.txt", "new"}, {"fresh.txt", "fresh"}});
    writeFile(path("out/keep.txt"), "old");
    EXPECT_TRUE(SSZipArchive::unzipFileAtPath(path("a.zip"), path("out"), false));
    EXPECT_EQ(readFile(path("out/keep.txt")), "old");
    EXPECT_EQ(readFile(path("out/fresh.txt")), "fresh");
    EXPECT_TRUE(SSZipArchive::unzipFileAtPath(path("a.zip"), path("out"), true));
    EXPECT_EQ(readFile(path("out/keep.txt")), "new");
}

TEST_F(ZipArchive, ArchiveLevelFailuresCarryTheirCodes)
{
    writeFile(path("text.zip"), "this is no archive at all");
    ZipError error;
    EXPECT_FALSE(SSZipArchive::unzipFileAtPath(path("text.zip"), path("out"), true, QString(), &error));
    EXPECT_EQ(error.code, -1);
    EXPECT_EQ(error.domain, QStringLiteral("SSZipArchiveErrorDomain"));
    EXPECT_EQ(error.description, QStringLiteral("failed to open zip file"));

    writeArchive(path("empty.zip"), {});
    error = {};
    EXPECT_FALSE(SSZipArchive::unzipFileAtPath(path("empty.zip"), path("out"), true, QString(), &error));
    EXPECT_EQ(error.code, -2);
    EXPECT_EQ(error.description, QStringLiteral("failed to open first file in zip file"));

    // A truncated archive has lost its directory: it cannot be opened.
    writeArchive(path("whole.zip"), {{"a.txt", QByteArray(5000, 'a')}, {"b.txt", "b"}});
    const QByteArray whole = readFile(path("whole.zip"));
    writeFile(path("cut.zip"), whole.left(whole.size() / 2));
    error = {};
    EXPECT_FALSE(SSZipArchive::unzipFileAtPath(path("cut.zip"), path("out2"), true, QString(), &error));
    EXPECT_EQ(error.code, -1);
}

TEST_F(ZipArchive, NamesThatLeaveTheDestinationAreRefused)
{
    const QString out = path("nest/out");
    for (const QByteArray &name : {QByteArray("../escape.txt"), QByteArray("sub/../../escape.txt"),
                                   QByteArray("/abs.txt"), QByteArray("..\\escape.txt"), QByteArray("C:/win.txt")}) {
        SCOPED_TRACE(name.constData());
        writeArchive(path("evil.zip"), {{"ok.txt", "ok"}, {name, "bad"}});
        EXPECT_FALSE(SSZipArchive::unzipFileAtPath(path("evil.zip"), out, true));
        EXPECT_FALSE(QFileInfo::exists(path("nest/escape.txt")));
        EXPECT_FALSE(QFileInfo::exists(path("escape.txt")));
        EXPECT_FALSE(QFileInfo::exists("/abs.txt"));
    }
    // A name with ".." inside a part ("a..b") is an ordinary name.
    writeArchive(path("fine.zip"), {{"a..b/c..txt", "fine"}});
    EXPECT_TRUE(SSZipArchive::unzipFileAtPath(path("fine.zip"), out, true));
    EXPECT_EQ(readFile(out + "/a..b/c..txt"), "fine");
}

TEST_F(ZipArchive, ADamagedEntryFailsTheUnpack)
{
    const QByteArray payload = "PAYLOAD-" + QByteArray(200, 'x');
    writeArchive(path("good.zip"), {{"first.txt", payload, true}});
    QByteArray bytes = readFile(path("good.zip"));
    const qsizetype at = bytes.indexOf("PAYLOAD-");
    ASSERT_GT(at, 0);
    bytes[at + 3] = 'X';   // same length, other bytes: the CRC no longer matches
    writeFile(path("bad.zip"), bytes);
    EXPECT_TRUE(SSZipArchive::unzipFileAtPath(path("good.zip"), path("good"), true));
    EXPECT_FALSE(SSZipArchive::unzipFileAtPath(path("bad.zip"), path("bad"), true));
}

TEST_F(ZipArchive, EntryCountAndWrittenBytesAreLimited)
{
    QList<Entry> many;
    for (int i = 0; i < 12; ++i)
        many.append({QByteArray("f") + QByteArray::number(i), "x"});
    writeArchive(path("many.zip"), many);
    EXPECT_TRUE(SSZipArchive::unzipFileAtPath(path("many.zip"), path("o1"), true, QString(), nullptr, 12, 1000));
    EXPECT_FALSE(SSZipArchive::unzipFileAtPath(path("many.zip"), path("o2"), true, QString(), nullptr, 11, 1000));

    // A small archive that inflates far beyond its size.
    writeArchive(path("bomb.zip"), {{"zeros", QByteArray(1 << 20, '\0')}});
    EXPECT_LT(QFileInfo(path("bomb.zip")).size(), 10000);
    EXPECT_FALSE(SSZipArchive::unzipFileAtPath(path("bomb.zip"), path("o3"), true, QString(), nullptr, 10, 100000));
    EXPECT_LE(QFileInfo(path("o3/zeros")).size(), 100000 + 4096);
    EXPECT_TRUE(SSZipArchive::unzipFileAtPath(path("bomb.zip"), path("o4"), true, QString(), nullptr, 10, 1 << 20));
    // The process limits are those of the component.
    EXPECT_EQ(SSZipArchive::kMaxEntries, 10000);
    EXPECT_EQ(SSZipArchive::kMaxBytesWritten, qint64(1) << 30);
}

TEST_F(ZipArchive, AWriteThatFailsFailsTheUnpackAndRemovesWhatItWrote)
{
    // /dev/full takes the open and refuses every byte, as a full disk does.
    if (!QFileInfo(QStringLiteral("/dev/full")).exists())
        GTEST_SKIP() << "no /dev/full";
    const QByteArray big(40000, 'b');   // past the file's own buffer: the write itself fails
    struct Case {
        const char *name;
        QByteArray fullData;
    } cases[] = {{"small part, failing at the flush", "tiny"}, {"large part, failing at the write", big}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir out;
        writeArchive(path("a.zip"), {{"first.txt", "first"}, {"dir/second.txt", "second"}, {"full.txt", c.fullData},
                                     {"after.txt", "after"}});
        writeFile(out.filePath("kept.txt"), "mine");
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), out.filePath("full.txt")));
        EXPECT_FALSE(SSZipArchive::unzipFileAtPath(path("a.zip"), out.path(), true));
        for (const char *written : {"first.txt", "dir/second.txt", "full.txt", "after.txt"})
            EXPECT_FALSE(QFileInfo::exists(out.filePath(QString::fromLatin1(written)))) << written;
        EXPECT_EQ(readFile(out.filePath("kept.txt")), "mine");   // not this unpack's
    }
}

TEST_F(ZipArchive, NamesThatAreNotUtf8AreReadAsLatin1)
{
    writeArchive(path("latin.zip"), {{QByteArray("caf\xe9.txt"), "1"}, {QByteArray("na\xc3\xafve.txt"), "2"}});
    EXPECT_TRUE(SSZipArchive::unzipFileAtPath(path("latin.zip"), path("out"), true));
    EXPECT_EQ(readFile(path("out/") + QString::fromUtf8("café.txt")), "1");
    EXPECT_EQ(readFile(path("out/") + QString::fromUtf8("naïve.txt")), "2");
}

TEST_F(ZipArchive, PackingNamesEntriesByTheirRelativePaths)
{
    writeFile(path("src/a.txt"), "A");
    writeFile(path("src/sub/b.txt"), "B");
    writeFile(path("src/.hidden"), "H");
    QDir().mkpath(path("src/empty"));
    QDir().mkpath(path("lonely/only"));
    bool all = false;
    ASSERT_TRUE(SSZipArchive::createZipFileAtPath(path("p.zip"), {path("src/"), path("lonely")}, &all));
    EXPECT_TRUE(all);
    EXPECT_EQ(entryNames(path("p.zip")),
              (QStringList{"src/.hidden", "src/a.txt", "src/empty/", "src/sub/b.txt", "lonely/only/"}));
    EXPECT_TRUE(SSZipArchive::unzipFileAtPath(path("p.zip"), path("back"), true));
    EXPECT_EQ(readFile(path("back/src/sub/b.txt")), "B");
    EXPECT_TRUE(QFileInfo(path("back/lonely/only")).isDir());

    // Packing again replaces the archive; a missing file is left out and reported.
    ASSERT_TRUE(SSZipArchive::createZipFileAtPath(path("p.zip"), {path("src/a.txt"), path("missing.txt")}, &all));
    EXPECT_FALSE(all);
    EXPECT_EQ(entryNames(path("p.zip")), QStringList{"a.txt"});
}

TEST_F(ZipArchive, FailuresToCreateOrFinishAnArchiveAreReported)
{
    EXPECT_FALSE(SSZipArchive::createZipFileAtPath(path("no/such/folder/x.zip"), {}));
    // A device that refuses every write: the archive cannot be finished.
    if (QFileInfo::exists("/dev/full")) {
        writeFile(path("f.txt"), QByteArray(100000, 'q'));
        SSZipArchive archive(QStringLiteral("/dev/full"));
        ASSERT_TRUE(archive.open());
        archive.writeFile(QStringLiteral("f.txt"), dir.path());
        EXPECT_FALSE(archive.close());
    }
}

TEST_F(ZipArchive, OpeningWritingAndClosingOutOfOrderAreProgrammingErrors)
{
    SSZipArchive never(path("n.zip"));
    EXPECT_THROW(never.writeFile(QStringLiteral("x"), dir.path()), std::logic_error);
    EXPECT_THROW(never.close(), std::logic_error);
    SSZipArchive twice(path("t.zip"));
    ASSERT_TRUE(twice.open());
    EXPECT_THROW(twice.open(), std::logic_error);
    EXPECT_TRUE(twice.close());
}
