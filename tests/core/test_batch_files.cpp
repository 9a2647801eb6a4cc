// The batch path of file output: files in record order whatever order the workers finish in, the
// content of each file its own record's, failures counted and reported without leftovers, existing
// files replaced only by complete content, and the stop flag.

#include "core/BatchPool.h"
#include "core/BatchWriter.h"
#include "platform/Temporaries.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using batchfiles::JobResult;

QByteArray contentOf(int index)
{
    return QByteArray("record ") + QByteArray::number(index) + '\n' + QByteArray(index % 97, char('a' + index % 26));
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Temporary files of the writer, hidden ones included.
QStringList leftovers(const QString &folder)
{
    QStringList out = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    out.removeIf([](const QString &name) { return !batchfiles::BatchWriter::isTemporary(name); });
    return out;
}

void pause(int micros)
{
    std::this_thread::sleep_for(std::chrono::microseconds(micros));
}

TEST(BatchFiles, FilesInRecordOrderWithTheirOwnContent)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    constexpr int kCount = 240;
    batchfiles::Progress progress;
    batchfiles::Options options;
    options.threads = 8;
    options.progress = &progress;
    options.maxAhead = 12;
    std::atomic<int> running{0}, mostRunning{0}, mostAhead{0};
    const batchfiles::Outcome outcome = batchfiles::runFileBatch(
        kCount,
        [&](int i) {
            const int now = ++running;
            for (int seen = mostRunning; now > seen && !mostRunning.compare_exchange_weak(seen, now);) {
            }
            const int ahead = i - progress.done.load();
            for (int seen = mostAhead; ahead > seen && !mostAhead.compare_exchange_weak(seen, ahead);) {
            }
            // Records 3k and the first of each pair finish after their neighbours; record 0 holds
            // the others back a while.
            const bool pairs = i >= kCount - 40;
            pause(i == 0 ? 30000 : (pairs ? (i % 2 == 0 ? 3000 : 0) : (i % 3 == 0 ? 2000 : (i * 37) % 300)));
            --running;
            JobResult r;
            // Records 2k and 2k+1 of the last 40 name the same file: the later record must win, as
            // in a sequential run, although the earlier one often finishes last.
            r.path = !pairs ? dir.filePath(QStringLiteral("%1.bin").arg(i, 4, 10, QLatin1Char('0')))
                                     : dir.filePath(QStringLiteral("pair-%1.bin").arg(i / 2));
            r.bytes = contentOf(i);
            return r;
        },
        options);

    EXPECT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.done, kCount);
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_EQ(progress.done.load(), kCount);
    EXPECT_EQ(progress.failed.load(), 0);
    EXPECT_LE(mostRunning.load(), 8);
    EXPECT_GT(mostRunning.load(), 1);
    // No record starts the ring's length past the oldest one not yet in place.
    EXPECT_LT(mostAhead.load(), 12);
    for (int i = 0; i < kCount - 40; ++i)
        EXPECT_EQ(readAll(dir.filePath(QStringLiteral("%1.bin").arg(i, 4, 10, QLatin1Char('0')))), contentOf(i)) << i;
    for (int i = kCount - 40; i < kCount; i += 2)
        EXPECT_EQ(readAll(dir.filePath(QStringLiteral("pair-%1.bin").arg(i / 2))), contentOf(i + 1)) << i;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), kCount - 20);
}

TEST(BatchFiles, FailuresAreCountedAndReportedInOrderWithNothingLeftBehind)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A folder where record 9's file should go: the rename fails.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("0009.bin")));
    constexpr int kCount = 40;
    struct Report {
        int index;
        QString path;
        QString why;
    };
    std::vector<Report> reports;
    batchfiles::Progress progress;
    batchfiles::Options options;
    options.threads = 4;
    options.progress = &progress;
    options.onFailure = [&](int index, const QString &path, const QString &why) { reports.push_back({index, path, why}); };
    const batchfiles::Outcome outcome = batchfiles::runFileBatch(
        kCount,
        [&](int i) -> JobResult {
            pause((kCount - i) * 50);
            if (i == 3)
                return JobResult::failed(QStringLiteral("Invalid barcode value or value is too long."));
            if (i == 21)
                throw std::runtime_error("renderer gave up");
            JobResult r;
            r.path = i == 5 ? dir.filePath(QStringLiteral("no-such-folder/0005.bin"))
                            : dir.filePath(QStringLiteral("%1.bin").arg(i, 4, 10, QLatin1Char('0')));
            r.bytes = contentOf(i);
            return r;
        },
        options);

    EXPECT_FALSE(outcome.ok());
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(outcome.done, kCount);
    EXPECT_EQ(outcome.failed, 4);
    EXPECT_EQ(progress.failed.load(), 4);
    EXPECT_EQ(progress.done.load(), kCount);
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[0].index, 3);
    EXPECT_EQ(reports[0].why, QStringLiteral("Invalid barcode value or value is too long."));
    EXPECT_EQ(reports[1].index, 5);
    EXPECT_TRUE(reports[1].path.endsWith(QStringLiteral("no-such-folder/0005.bin")));
    EXPECT_FALSE(reports[1].why.isEmpty());
    EXPECT_EQ(reports[2].index, 9);
    EXPECT_FALSE(reports[2].why.isEmpty());
    EXPECT_EQ(reports[3].index, 21);
    EXPECT_EQ(reports[3].why, QStringLiteral("renderer gave up"));
    for (int i = 0; i < kCount; ++i) {
        const QString path = dir.filePath(QStringLiteral("%1.bin").arg(i, 4, 10, QLatin1Char('0')));
        if (i == 3 || i == 5 || i == 21)
            EXPECT_FALSE(QFileInfo::exists(path)) << i;
        else if (i == 9)
            EXPECT_TRUE(QFileInfo(path).isDir());
        else
            EXPECT_EQ(readAll(path), contentOf(i)) << i;
    }
    EXPECT_EQ(leftovers(dir.path()), QStringList());
}

TEST(BatchFiles, AnExistingFileIsReplacedOnlyByCompleteContent)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString kept = dir.filePath(QStringLiteral("kept.png"));
    const QString replaced = dir.filePath(QStringLiteral("replaced.png"));
    const QString added = dir.filePath(QStringLiteral("added.png"));
    for (const QString &path : {kept, replaced}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old content");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(replaced).constData(), 0640), 0);

    const QByteArray tooLong(64 * 1024, 'x');
    const QByteArray fits(2000, 'y');
    std::vector<int> failedIndexes;
    batchfiles::Options options;
    options.threads = 3;
    options.onFailure = [&](int index, const QString &, const QString &) { failedIndexes.push_back(index); };
    batchfiles::Outcome outcome;
    {
        testsupport::FileSizeLimit limit(16 * 1024);
        ASSERT_TRUE(limit.ok());
        outcome = batchfiles::runFileBatch(
            3,
            [&](int i) {
                JobResult r;
                r.path = i == 0 ? kept : (i == 1 ? replaced : added);
                r.bytes = i == 0 ? tooLong : fits;
                return r;
            },
            options);
    }
    EXPECT_EQ(outcome.done, 3);
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_EQ(failedIndexes, std::vector<int>{0});
    EXPECT_EQ(readAll(kept), QByteArray("old content"));
    EXPECT_EQ(readAll(replaced), fits);
    EXPECT_EQ(readAll(added), fits);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(replaced).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);   // the replaced file keeps its permissions
    EXPECT_EQ(leftovers(dir.path()), QStringList());
}

TEST(BatchFiles, TheStopFlagEndsTheBatchWithTheCountsRight)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    constexpr int kCount = 400;
    std::atomic<bool> stop{false};
    std::atomic<int> started{0};
    batchfiles::Progress progress;
    batchfiles::Options options;
    options.threads = 4;
    options.stop = &stop;
    options.progress = &progress;
    const batchfiles::Outcome outcome = batchfiles::runFileBatch(
        kCount,
        [&](int i) -> JobResult {
            ++started;
            if (i == 30)
                stop = true;   // the user presses Stop while record 30 renders
            pause(500);
            if (i % 10 == 7)
                return JobResult::failed(QStringLiteral("refused"));
            JobResult r;
            r.path = dir.filePath(QStringLiteral("%1.bin").arg(i, 4, 10, QLatin1Char('0')));
            r.bytes = contentOf(i);
            return r;
        },
        options);

    EXPECT_TRUE(outcome.stopped);
    EXPECT_FALSE(outcome.ok());
    EXPECT_GT(outcome.done, 30);
    EXPECT_LT(outcome.done, kCount);
    // Every record started was finished and counted; none past them was started.
    EXPECT_EQ(outcome.done, started.load());
    EXPECT_EQ(progress.done.load(), outcome.done);
    EXPECT_EQ(outcome.failed, (outcome.done + 2) / 10);
    EXPECT_EQ(progress.failed.load(), outcome.failed);
    // The files are exactly those of the records done, less the failed ones.
    QStringList expected;
    for (int i = 0; i < outcome.done; ++i)
        if (i % 10 != 7)
            expected << QStringLiteral("%1.bin").arg(i, 4, 10, QLatin1Char('0'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);

    // Stopped before it starts: no record runs.
    started = 0;
    const batchfiles::Outcome none = batchfiles::runFileBatch(
        10, [&](int) { ++started; return JobResult::failed(QStringLiteral("ran")); }, options);
    EXPECT_EQ(started.load(), 0);
    EXPECT_EQ(none.done, 0);
    EXPECT_TRUE(none.stopped);
    EXPECT_EQ(progress.done.load(), 0);
}

// What a staged file holds: read through its descriptor when it has no name yet.
QByteArray stagedContent(const batchfiles::BatchWriter::Staged &staged)
{
    if (staged.fd < 0)
        return readAll(QFile::decodeName(staged.tempPath));
    QByteArray bytes(4096, Qt::Uninitialized);
    const ssize_t n = ::pread(staged.fd, bytes.data(), size_t(bytes.size()), 0);
    return n < 0 ? QByteArray("<unreadable>") : bytes.left(n);
}

TEST(BatchFiles, TheWriterStagesBesideTheTargetAndSyncsAtTheEnd)
{
    // Unnamed files where the file system has them, and temporary names where it has not.
    for (const bool unnamed : {true, false}) {
        SCOPED_TRACE(unnamed ? "unnamed" : "named");
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        // What a killed batch left in the folder goes when the next one starts there.
        const pid_t ended = ::fork();
        if (ended == 0)
            ::_exit(0);
        ::waitpid(ended, nullptr, 0);
        const QString stale = dir.filePath(platform::temporaryName(QStringLiteral("old.png"), QStringLiteral("part"))
                                               .replace(QStringLiteral("-%1-").arg(::getpid()), QStringLiteral("-%1-").arg(ended)));
        ASSERT_TRUE(QFile(stale).open(QIODevice::WriteOnly));
        batchfiles::BatchWriter writer;
        writer.setUnnamedFiles(unnamed);
        const QString path = dir.filePath(QStringLiteral("one.png"));
        batchfiles::BatchWriter::Staged staged;
        QString why;
        ASSERT_TRUE(writer.stage(path, QByteArray("new"), &staged, &why)) << qPrintable(why);
        EXPECT_FALSE(QFile::exists(stale));
        // Complete before it has the target's name: unnamed, or under its temporary name in the
        // same folder (a rename never crosses file systems); the target not there yet.
        if (!unnamed) {
            EXPECT_LT(staged.fd, 0);
            EXPECT_EQ(QFileInfo(QFile::decodeName(staged.tempPath)).absolutePath(), QFileInfo(path).absolutePath());
        }
        EXPECT_EQ(stagedContent(staged), QByteArray("new"));
        EXPECT_FALSE(QFileInfo::exists(path));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), staged.fd < 0 ? 1 : 0);
        ASSERT_TRUE(writer.commit(staged, &why)) << qPrintable(why);
        EXPECT_EQ(readAll(path), QByteArray("new"));

        ASSERT_TRUE(writer.stage(path, QByteArray("discarded"), &staged, &why));
        // A copy of the user's file renamed over the temporary meanwhile is not what it drops.
        const QString temp = QFile::decodeName(staged.tempPath);
        ASSERT_TRUE(unnamed || (QFile::copy(path, path + "~") && ::rename(QFile::encodeName(path + "~"), staged.tempPath) == 0));
        batchfiles::BatchWriter::discard(staged);
        EXPECT_EQ(readAll(path), QByteArray("new"));
        EXPECT_TRUE(unnamed || (readAll(temp) == "new" && QFile::remove(temp)));
        EXPECT_EQ(leftovers(dir.path()), QStringList());

        // Over an existing file: replaced whole, with the old file's permissions, nothing left.
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0604), 0);
        ASSERT_TRUE(writer.stage(path, QByteArray("newer"), &staged, &why)) << qPrintable(why);
        EXPECT_EQ(readAll(path), QByteArray("new"));
        ASSERT_TRUE(writer.commit(staged, &why)) << qPrintable(why);
        EXPECT_EQ(readAll(path), QByteArray("newer"));
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0604u);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("one.png")});

        // Over a folder: refused, the folder kept, nothing left.
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub.png")));
        EXPECT_FALSE(writer.write(dir.filePath(QStringLiteral("sub.png")), QByteArray("x"), &why));
        EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("sub.png"))).isDir());
        EXPECT_EQ(leftovers(dir.path()), QStringList());

        // Every file goes into the folder as first opened, whatever is renamed to its name meanwhile.
        const QString out = dir.filePath("out"), other = dir.filePath("other");
        ASSERT_TRUE(QDir().mkdir(out) && QDir().mkdir(other) && writer.write(out + "/a.png", "a", &why));
        ASSERT_TRUE(QDir().rename(out, out + "~") && QFile::link(other, out));
        EXPECT_TRUE(writer.write(out + "/b.png", "b", &why) && writer.write(out + "/a.png", "A", &why)) << qPrintable(why);
        EXPECT_EQ(std::pair(readAll(out + "~/b.png") + readAll(out + "~/a.png"), QDir(other).entryList(QDir::Files | QDir::Hidden)),
                  std::pair(QByteArray("bA"), QStringList()));   // an existing name too, reached from the folder held

        EXPECT_FALSE(writer.write(dir.filePath(QStringLiteral("missing/two.png")), QByteArray("x"), &why));
        EXPECT_FALSE(why.isEmpty());
        for (const char *under : {"one.png/two.png", "one.png/sub/two.png"})   // a file on the way is named
            EXPECT_TRUE(!writer.write(dir.filePath(under), "x", &why) && why == "one.png: " + QString::fromLocal8Bit(std::strerror(ENOTDIR))) << qPrintable(why);
        EXPECT_TRUE(writer.finish(&why)) << qPrintable(why);
    }
}

} // namespace
