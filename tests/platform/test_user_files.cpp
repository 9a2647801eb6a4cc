#include "core/BatchWriter.h"
#include "platform/Files.h"
#include "platform/FolderSwap.h"
#include "platform/PdfFileWriter.h"
#include "platform/Temporaries.h"
#include "platform/UserFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(UserFiles, OnlyRegularFilesAreReadAndNoFurtherThanTheCap)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("values.txt"), ten = dir.filePath("ten");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(platform::writeFileAtomically(ten, QByteArray(10, 'x')));
    using S = platform::UserFileRead::Status;
    const struct { QString path; qint64 cap; S status; qsizetype bytes; } cases[] = {
        {ten, 10, S::Read, 10}, {ten, 9, S::TooLarge, 0}, {fifo, 10, S::NotAFile, 0},
        {"/dev/zero", 10, S::NotAFile, 0}, {dir.path(), 10, S::NotAFile, 0}, {dir.filePath("none"), 10, S::NotAFile, 0},
    };
    for (const auto &c : cases) {
        const platform::UserFileRead read = platform::readUserFile(c.path, c.cap);
        EXPECT_EQ(std::pair(read.status, read.bytes.size()), std::pair(c.status, c.bytes)) << c.path.toStdString();
    }
}

TEST(Temporaries, AWriteRemovesWhatEndedProcessesLeftInItsFolder)
{
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);   // a process id no process has
    const pid_t live = ::fork();
    if (live == 0)
        for (;;)
            ::pause();
    const struct Reap { pid_t pid; ~Reap() { ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0); } } reap{live};
    // This process's temporary as that process's, or as that id's on another machine or in another PID namespace.
    const auto of = [](qint64 pid, bool foreign) {
        QString name = platform::temporaryName("a.txt", "part").replace(QStringLiteral("-%1-").arg(::getpid()), QStringLiteral("-%1-").arg(pid));
        return foreign ? name.replace(QRegularExpression("-[0-9a-f]{12}-"), "-000000000000-") : name;
    };
    const std::function<bool(const QString &)> writers[] = {
        [](const QString &path) { return platform::writeFileAtomically(path, "new"); },
        [](const QString &path) { platform::PdfFileWriter pdf(path, {}); return pdf.begin({10, 10}) && pdf.finish(); },
        [](const QString &path) { batchfiles::BatchWriter batch; QString why; return batch.write(path, "new", &why) && batch.finish(&why); },
        [](const QString &path) { platform::removeEndedTemporariesOf(path); return true; },   // at the start
        [](const QString &path) { platform::repairSwappedFolder(path); return true; }};
    // Left by ended runs: a file, a folder holding x, a link to a folder elsewhere, a folder holding another user's y (m),
    // an empty folder (e) or one swapped once checked for a link (L) or a folder holding x (X), a file the user's folder
    // holding x took the place of once listed (P), or an empty one the user's reports/x came into once checked (E); what
    // remains: itself, x, y, "~" (L moved it), reports/x. A folder of the user's goes only by the one rule, which no folder
    // holding anything passes here: any may have been renamed to such a name.
    const uid_t me = ::geteuid(), other = me == 65534 ? 65533 : 65534;
    const struct { char kind; uid_t owner; QStringList remains; } rows[] = {
        {'d', me, {"", "/x"}}, {'l', me, {}}, {'f', other, {""}}, {'d', other, {"", "/x"}}, {'l', other, {""}},
        {'m', me, {"", "/x", "/y"}}, {'L', me, {"", "~"}}, {'X', me, {"", "/x"}}, {'P', me, {"", "/x"}}, {'e', me, {}},
        {'E', me, {"", "/reports", "/reports/x"}}};
    const auto tree = [](const QString &root) {
        QStringList paths;
        for (QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories); it.hasNext();)
            paths << it.next().mid(root.size() + 1);
        return paths.sort(), paths.join(' ').toStdString();
    };
    const auto own = [](const QString &path, uid_t owner) { return ::lchown(QFile::encodeName(path).constData(), owner, owner) == 0; };
    const auto touch = [&own](const QString &path, uid_t owner) { return QFile(path).open(QIODevice::WriteOnly) && own(path, owner); };
    bool skipped = false;
    for (const mode_t shared : {01777, 02775})   // as the system's temporary folder, as a group's
    for (const auto &write : writers) {
        QTemporaryDir dir, elsewhere;   // elsewhere: what links lead to and swaps bring in, never removed
        if (::chown(QFile::encodeName(dir.path()).constData(), uid_t(-1), shared == 02775 ? other : ::getegid()) != 0) {
            skipped = true;   // a group's folder (not the user's private group) needs root here
            continue;
        }
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), shared), 0);
        // Kept: this process's, a live one's, and while young another namespace's or an older build's.
        QStringList kept = {of(::getpid(), false), of(live, false), of(ended, true), ".a.txt.tagora-" + QString::number(ended) + "-0.part", "a.txt"};
        const QString dayOld = of(ended, true);
        for (const QString &name : kept + QStringList{of(ended, false), dayOld}) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(name == dayOld ? -2 : 0), QFileDevice::FileModificationTime));
        }
        ASSERT_TRUE(QDir(elsewhere.path()).mkpath("other") && touch(elsewhere.filePath("x"), me) && touch(elsewhere.filePath("other/x"), me));
        QHash<QString, char> swaps;
        for (const auto &row : rows) {
            const QString name = of(ended, false), path = dir.filePath(name);
            const QString projects = elsewhere.filePath("projects");
            const bool made = row.kind == 'f' || row.kind == 'P'
                ? touch(path, row.owner) && (row.kind != 'P' || (QDir().mkpath(projects) && touch(projects + "/x", me)))
                : row.kind == 'l' ? QFile::link(elsewhere.path(), path) && own(path, row.owner)
                : QDir().mkpath(path) && (QStringLiteral("eLXE").contains(row.kind) || touch(path + "/x", row.owner))
                      && (row.kind != 'm' || touch(path + "/y", other)) && own(path, row.owner);
            skipped = skipped || !made;   // only root gives an entry to another user; what was made is this user's and goes
            for (const QString &remains : made ? row.remains : QStringList())
                kept << name + remains;
            swaps.insert(path, row.kind);
        }
        platform::setRemovalStepHook([&](const QString &path) {
            const QByteArray at = QFile::encodeName(path), swapped = QFile::encodeName(elsewhere.filePath("other"));
            EXPECT_TRUE(swaps.value(path) != 'L' || (::rename(at.constData(), (at + "~").constData()) == 0 && QFile::link(elsewhere.path(), path)));
            EXPECT_TRUE(swaps.value(path) != 'X' || ::renameat2(AT_FDCWD, at.constData(), AT_FDCWD, swapped.constData(), RENAME_EXCHANGE) == 0);
            EXPECT_TRUE(swaps.value(path) != 'E' || (QDir().mkpath(path + "/reports") && touch(path + "/reports/x", me)));
        });
        platform::setListedHook([&](const QString &path) {
            EXPECT_TRUE(swaps.value(path) != 'P' || (QFile::remove(path) && QDir().rename(elsewhere.filePath("projects"), path)));
        });
        ASSERT_TRUE(write(dir.filePath("a.txt")));
        platform::setRemovalStepHook(nullptr), platform::setListedHook(nullptr);
        kept.sort();
        EXPECT_EQ(tree(dir.path()), kept.join(' ').toStdString());
        EXPECT_EQ(tree(elsewhere.path()), "other x");   // X's empty folder took its place
    }
    qint64 pid = 0;
    EXPECT_TRUE(platform::isTemporaryName(platform::temporaryName("x.pdf", "part"), nullptr, &pid));
    EXPECT_EQ(pid, ::getpid());
    if (skipped)
        GTEST_SKIP() << "only root can give an entry to another user";
}

// A saver in a new PID namespace cannot look this process up by its id: the owner in the name tells
// it so, and it keeps this live process's temporary. The saver is this test, started again inside.
TEST(Temporaries, ASaverInANewPidNamespaceKeepsALiveProcesssTemporary)
{
    const QString target = qEnvironmentVariable("TAGORA_TEST_SAVE_INTO");
    if (!target.isEmpty()) {
        ASSERT_TRUE(platform::writeFileAtomically(target, "new"));
        return;
    }
    QTemporaryDir dir;
    const QString live = platform::temporaryName("a.txt", "part");
    ASSERT_TRUE(platform::writeFileAtomically(dir.filePath(live), "being written"));
    const ::testing::TestInfo *self = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcess saver;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAGORA_TEST_SAVE_INTO"), dir.filePath("a.txt"));
    saver.setProcessEnvironment(environment);
    saver.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList unshare = ::geteuid() == 0 ? QStringList{"-p", "-f"} : QStringList{"-U", "-r", "-p", "-f"};
    saver.start(QStringLiteral("unshare"), unshare + QStringList{QCoreApplication::applicationFilePath(),
        QStringLiteral("--gtest_filter=%1.%2").arg(self->test_suite_name(), self->name())});
    saver.waitForFinished(60000);
    const QByteArray said = saver.readAll();
    if (saver.error() == QProcess::FailedToStart || said.startsWith("unshare:"))
        GTEST_SKIP() << "no new PID namespace here: " << (saver.errorString().toUtf8() + ' ' + said).toStdString();
    ASSERT_EQ(std::pair(saver.exitStatus(), saver.exitCode()), std::pair(QProcess::NormalExit, 0)) << said.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name).join(' ').toStdString(),
              (live + " a.txt").toStdString());
}
