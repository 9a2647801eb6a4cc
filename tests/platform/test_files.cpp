#include "platform/Files.h"
#include "platform/GuiThread.h"
#include "platform/TextNotifications.h"
#include "support/FileSizeLimit.h"
#include "support/SyncFailure.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <optional>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

TEST(Files, AtomicWriteReplacesWholeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(platform::writeFileAtomically(path, QByteArray("first version")));
    ASSERT_TRUE(platform::writeFileAtomically(path, QByteArray("second")));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("second"));
}

TEST(Files, FailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.txt"));
    ASSERT_TRUE(platform::writeFileAtomically(path, QByteArray("precious")));
    QString error;
    const bool ok = platform::writeFileAtomically(path, [](QIODevice &dev) {
        dev.write("half");
        return false;   // the writer gives up half way
    }, &error);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("precious"));
    // No stray temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    // A file of the user's renamed over the temporary meanwhile, as others may where they may rename
    // entries, is not what the failed write drops.
    const QString mine = dir.filePath(QStringLiteral("mine.txt"));
    ASSERT_TRUE(platform::writeFileAtomically(mine, QByteArray("mine")));
    EXPECT_FALSE(platform::writeFileAtomically(path, [&](QIODevice &) {
        for (const QString &temp : QDir(dir.path()).entryList({QStringLiteral(".keep.txt.tagora-*")}, QDir::Files | QDir::Hidden))
            ::rename(QFile::encodeName(mine).constData(), QFile::encodeName(dir.filePath(temp)).constData());
        return false;
    }));
    const QStringList left = QDir(dir.path()).entryList({QStringLiteral(".keep.txt.tagora-*")}, QDir::Files | QDir::Hidden);
    ASSERT_EQ(left.size(), 1);
    QFile renamed(dir.filePath(left.value(0)));
    ASSERT_TRUE(renamed.open(QIODevice::ReadOnly));
    EXPECT_EQ(renamed.readAll(), QByteArray("mine"));
    // Nor what the rename fails on: that file renamed over the temporary just before a folder takes the name.
    int calls = 0;
    platform::setCommitStepHook([&](const QString &temp) {
        EXPECT_TRUE(++calls != 2 || (QDir().mkdir(dir.filePath("taken.txt")) && ::rename(QFile::encodeName(renamed.fileName()), QFile::encodeName(temp)) == 0));
    });
    EXPECT_FALSE(platform::writeFileAtomically(dir.filePath(QStringLiteral("taken.txt")), QByteArray("new")));
    platform::setCommitStepHook(nullptr);
    QFile kept(dir.filePath(QDir(dir.path()).entryList({QStringLiteral(".taken.txt.tagora-*")}, QDir::Files | QDir::Hidden).value(0)));
    EXPECT_TRUE(kept.open(QIODevice::ReadOnly) && kept.readAll() == "mine");
}

TEST(Files, AWriteTheSystemCutsShortFailsAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kept.txt"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    // A file size limit makes the kernel write part of the data and refuse the rest, as a full
    // disk would; the buffered writes themselves all report success.
    std::optional<testsupport::FileSizeLimit> full(4);
    ASSERT_TRUE(full->ok());
    QString error;
    const bool data = platform::writeFileAtomically(path, QByteArray("0123456789"), &error);
    const bool streamed = platform::writeFileAtomically(path, [](QIODevice &d) { return d.write("abcdefgh") == 8; });
    full.reset();
    EXPECT_FALSE(data);
    EXPECT_FALSE(streamed);
    EXPECT_FALSE(error.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.txt")});
}

TEST(Files, WriteIntoMissingFolderFails)
{
    QString error;
    EXPECT_FALSE(platform::writeFileAtomically(QStringLiteral("/nonexistent-folder/x.txt"), QByteArray("x"), &error));
    EXPECT_FALSE(error.isEmpty());
}

// A power cut just after a save must not bring the old file back: the folder is synced once the
// new file has its name (the PDF writer's file takes it the same way). When that sync fails the new
// file is there all the same: the write succeeds, and says the system's reason apart, for the
// warning that it may not outlast a power cut.
TEST(Files, TheFolderIsSyncedOnceTheNewFileHasItsName)
{
    for (const bool fails : {false, true}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        ASSERT_TRUE(platform::writeFileAtomically(path, QByteArray("old")));
        QByteArrayList syncs;   // what a.txt held at each sync of the folder
        QString unsynced;
        {
            const testsupport::SyncFailure disk(dir.path(), fails,
                                                [&] { QFile f(path); syncs << (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray()); });
            EXPECT_TRUE(platform::writeFileAtomically(path, QByteArray("new"), nullptr, &unsynced));
        }
        EXPECT_EQ(syncs, QByteArrayList{"new"}) << fails;
        EXPECT_EQ(unsynced, fails ? testsupport::SyncFailure::reason() : QString());
    }
}

// An export folder the program appends ("QIRO Label") found there: where others may write (sticky, or a group's), only a
// real folder of the user's is taken, never another's (65534's) or a link; elsewhere as ever. A link among the folders on
// the way ('n': "in/QIRO Label", and a file there) only where none may rename it and the user's. Other owners need root.
TEST(Files, AnExportFolderWhereOthersMayWriteMustBeTheUsersOwn)
{
    const struct { mode_t parent; char kind; uid_t owner; bool taken; } rows[] = {
        {01777, 'd', 0, true}, {01777, 'l', 0, false}, {0755, 'l', 0, true}, {01777, 'd', 65534, false},
        {02775, 'd', 65534, false}, {02775, 'l', 65534, false}, {0755, 'd', 65534, true},
        {02775, 'n', 65534, false}, {02775, 'n', 0, false}, {0755, 'n', 65534, false}, {0755, 'n', 0, true}};
    for (const auto &r : rows) {
        QTemporaryDir dir;
        const QString in = dir.filePath("in"), path = r.kind == 'n' ? in + "/QIRO Label" : dir.filePath(QStringLiteral("QIRO Label"));
        ASSERT_TRUE(r.kind == 'd' ? QDir().mkdir(path) : r.kind == 'l' ? QFile::link(dir.path(), path) : QDir(dir.path()).mkdir("real") && QFile::link("real", in));
        if (::lchown(QFile::encodeName(r.kind == 'n' ? in : path).constData(), r.owner ? r.owner : ::geteuid(), gid_t(-1)) != 0)
            GTEST_SKIP() << "only root gives a folder to another user";
        // A group's folder: not the user's own private group.
        if (::chown(QFile::encodeName(dir.path()).constData(), uid_t(-1), r.parent & S_IWGRP ? 65534 : ::getegid()) != 0)
            GTEST_SKIP() << "only root gives a folder to another group";
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), r.parent), 0);
        QString why, whyFile;
        EXPECT_EQ(platform::makeWritableFolder(path, &why), r.taken) << std::oct << r.parent << ' ' << r.kind << r.owner;
        EXPECT_EQ(why.toStdString(), r.taken ? "" : (r.kind == 'n' ? "in: " : "") + std::string(std::strerror(EACCES)));
        platform::Place place;
        EXPECT_EQ(r.kind == 'n' && !platform::reachFile(in + "/a.png", &place, &whyFile), r.kind == 'n' && !r.taken);
        EXPECT_EQ(whyFile.toStdString(), r.taken || r.kind != 'n' ? "" : std::string("in: ") + std::strerror(EACCES));
    }
}

TEST(Files, PrivateTempFolderIsOwnerOnly)
{
    const QString folder = platform::privateTempFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    const QFile::Permissions p = QFileInfo(folder).permissions();
    EXPECT_FALSE(p & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup));
    EXPECT_EQ(platform::privateTempFolder(), folder);   // one per process
    EXPECT_EQ(platform::privateTempPath(QStringLiteral("ziptmp")), folder + QStringLiteral("/ziptmp"));
}

TEST(Files, PerUserFolderFollowsXdgDataHome)
{
    QTemporaryDir dir;
    const QByteArray old = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    EXPECT_EQ(platform::perUserDataFolder(QStringLiteral("Tagora")), dir.path() + QStringLiteral("/Tagora"));
    qputenv("XDG_DATA_HOME", old);
}

TEST(Files, ResourceFolderHonoursOverride)
{
    qputenv("TAGORA_RESOURCES", "/some/where");
    EXPECT_EQ(platform::resourceFolder(), QStringLiteral("/some/where"));
    qunsetenv("TAGORA_RESOURCES");
    EXPECT_TRUE(QFileInfo(platform::resourceFolder()).isDir());
}

TEST(GuiThread, WorkerWaitsForTheGuiThread)
{
    std::atomic<bool> ranOnGui{false};
    std::atomic<bool> workerDone{false};
    std::thread worker([&] {
        platform::runOnGuiThreadAndWait([&] { ranOnGui = platform::isGuiThread(); });
        // Returning means the function has already run.
        EXPECT_TRUE(ranOnGui.load());
        workerDone = true;
    });
    while (!workerDone)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    EXPECT_TRUE(ranOnGui.load());
}

TEST(GuiThread, OnGuiThreadRunsAtOnce)
{
    bool ran = false;
    platform::runOnGuiThreadAndWait([&] { ran = true; });
    EXPECT_TRUE(ran);   // no deadlock, no deferral
}

TEST(TextNotifications, OnlyUserEditsAreReported)
{
    platform::TextNotifications::instance().startWatching();
    QLineEdit edit;
    edit.show();
    QApplication::processEvents();
    QSignalSpy changed(&platform::TextNotifications::instance(), &platform::TextNotifications::controlTextDidChange);
    QSignalSpy ended(&platform::TextNotifications::instance(), &platform::TextNotifications::controlTextDidEndEditing);
    edit.setText(QStringLiteral("set by code"));
    EXPECT_EQ(changed.count(), 0);
    QTest::keyClicks(&edit, QStringLiteral("ab"));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(0).value<QObject *>(), &edit);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_GE(ended.count(), 1);
}
