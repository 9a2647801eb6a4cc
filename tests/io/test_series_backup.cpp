// Backup, restore and reset of the series folder: round trips byte for byte, staging so that a
// failed copy keeps the old backup or the current series, and backup folders made outside the
// program (links, FIFOs, sub-folders, odd names, oversized files) that are skipped and counted.

#include "core/GlobalsReset.h"
#include "core/UserFolders.h"
#include "io/SeriesBackup.h"
#include "io/SeriesStore.h"
#include "platform/Files.h"
#include "platform/FolderSwap.h"
#include "platform/Temporaries.h"
#include "support/Acl.h"
#include "support/CreationModes.h"
#include "support/FileSizeLimit.h"
#include "support/NoPermissionOverride.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <optional>
#include <thread>
#include <tuple>
#include <vector>
#include <fcntl.h>
#include <grp.h>
#include <sys/fanotify.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testsupport::FileSizeLimit;

int sh(const QString &script)
{
    return QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
}

class SeriesBackup : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobalsForTests();
        ASSERT_TRUE(home.isValid());
        Created_Resource_Path = home.filePath(QStringLiteral("Tagora"));
        Data_Folder_Path = Created_Resource_Path + QStringLiteral("/DataSet");
        ASSERT_TRUE(QDir().mkpath(Data_Folder_Path));
        ASSERT_TRUE(platform::makePrivateFolder(Created_Resource_Path));   // as every start makes it
        ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("out"))));
    }
    void TearDown() override { resetGlobalsForTests(); }

    QString at(const QString &relative) const { return home.filePath(relative); }
    // A folder of a group not the user's own private one (65534), as a team's: false where only root may give it.
    static bool team(const QString &folder, mode_t mode = 02775)
    {
        return ::chown(QFile::encodeName(folder).constData(), uid_t(-1), 65534) == 0 && ::chmod(QFile::encodeName(folder).constData(), mode) == 0;
    }
    static void put(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void series(const QString &fileName, const QByteArray &bytes) { put(Data_Folder_Path + '/' + fileName, bytes); }
    // Every entry under a folder with its bytes ("<dir>" for folders, "<link>" for links).
    static QMap<QString, QByteArray> tree(const QString &root)
    {
        QMap<QString, QByteArray> out;
        QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QFileInfo info = it.fileInfo();
            const QString key = QDir(root).relativeFilePath(info.filePath());
            if (info.isSymLink())
                out[key] = "<link>";
            else if (info.isDir())
                out[key] = "<dir>";
            else if (info.isFile() && info.size() < 4096) {
                QFile f(info.filePath());
                out[key] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
            } else
                out[key] = QByteArray::number(info.size());
        }
        return out;
    }
    QMap<QString, QByteArray> seriesTree() const { return tree(Data_Folder_Path); }
    static std::string modes(const QString &root)   // the folder's and its files', each once, in octal
    {
        QStringList out;
        for (const QString &name : QStringList{"."} + QDir(root).entryList(QDir::Files | QDir::Hidden)) {
            struct stat st {};
            out << QString::number((::stat(QFile::encodeName(root + '/' + name).constData(), &st), st.st_mode & 0777), 8);
        }
        return out.removeDuplicates(), out.join(' ').toStdString();
    }
    // A backup to path killed at a step of its swap (by an exchange, else by two renames): its process id.
    static pid_t killedAt(int step, const QString &path, bool exchange = true)
    {
        const pid_t child = ::fork();
        if (child == 0) {
            platform::setFolderExchangeAllowed(exchange);
            platform::setFolderSwapStepHook([step](int at) { at == step ? ::raise(SIGKILL) : 0; });
            ::_exit(series_backup::backup(path).committed ? 0 : 1);
        }
        return ::waitpid(child, nullptr, 0);
    }
    static QString freeName(const QString &path)
    {
        const QFileInfo info(path);
        for (int k = 1;; ++k) {
            const QString candidate =
                info.absolutePath() + QStringLiteral("/%1 (%2).%3").arg(info.completeBaseName()).arg(k).arg(info.suffix().toUpper());
            if (!QFileInfo::exists(candidate))
                return candidate;
        }
    }

    QTemporaryDir home;
};

} // namespace

TEST_F(SeriesBackup, BackupAndReplacingRestoreGiveTheSameBytes)
{
    series("Codes.txt", "1\n2\n3\n");
    series("Name (1).TXT", "kept\n");
    series("Umlaut \xc3\xbc.txt", "\xc3\xa4\n");
    series("notes.csv", "not a series\n");
    const QMap<QString, QByteArray> before = seriesTree();
    const QString backup = at("out/") + series_backup::Backup_Folder_name;
    // Private series and a private backup stay private, and nothing is readable by others while it is copied.
    ASSERT_EQ(sh(QStringLiteral("mkdir '%2' && echo old > '%2/Codes.txt' && chmod 700 '%1' '%2' && chmod 600 '%1'/* '%2'/*").arg(Data_Folder_Path, backup)), 0);
    std::optional<testsupport::CreationModes> made(std::in_place);

    const series_backup::Outcome saved = series_backup::backup(backup);
    EXPECT_EQ(made->report(), "");
    EXPECT_EQ(modes(backup), "700 600");
    EXPECT_TRUE(saved.committed);
    EXPECT_EQ(saved.copied, 3);
    QMap<QString, QByteArray> expected = before;
    expected.remove(QStringLiteral("notes.csv"));   // not a series
    EXPECT_EQ(tree(backup), expected);

    series("Codes.txt", "changed\n");
    series("Extra.txt", "gone after replace\n");
    const std::optional<QString> source = series_backup::restoreSource(at("out"));
    ASSERT_TRUE(source);
    made.emplace();
    const series_backup::Outcome restored = series_backup::restoreReplace(*source);
    EXPECT_EQ(made->report(), "");
    EXPECT_TRUE(restored.committed);
    EXPECT_EQ(restored.notCopied(), 0);
    EXPECT_EQ(seriesTree(), expected);
    EXPECT_EQ(modes(Data_Folder_Path), "700 600");
    EXPECT_EQ(QDir(Created_Resource_Path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"DataSet"})
        << "no staging folder is left";
}

TEST_F(SeriesBackup, ASecondBackupReplacesTheFirstWhole)
{
    const QString backup = at("out/") + series_backup::Backup_Folder_name;
    series("Old.txt", "old\n");
    ASSERT_TRUE(series_backup::backup(backup).committed);
    QFile::remove(Data_Folder_Path + "/Old.txt");
    series("New.txt", "new\n");
    // The new backup takes the old one's mode, its copy the series file's; the old one, once exchanged, goes alone:
    // another folder of the user's that another renamed to its name meanwhile stays whole, where the user sees it.
    const QString outside = at("outside");
    ASSERT_EQ(sh(QStringLiteral("chmod 640 '%1/New.txt' && chmod 750 '%2' && mkdir '%3' && echo kept > '%3/kept.txt'").arg(Data_Folder_Path, backup, outside)), 0);
    QString old;
    platform::setFolderSwapStepHook([&](int step) {
        old = at("out/") + QDir(at("out")).entryList({".*.tagora-*"}, QDir::Dirs | QDir::Hidden).value(0);
        EXPECT_TRUE(step != 2 || (QDir().rename(old, at("moved")) && QDir().rename(outside, old)));
    });
    const series_backup::Outcome outcome = series_backup::backup(backup);
    platform::setFolderSwapStepHook(nullptr);
    ASSERT_TRUE(outcome.committed);
    EXPECT_EQ(modes(backup), "750 640");
    killedAt(2, backup);   // between its exchange and the check after it: no private mode left under the name
    ASSERT_TRUE(series_backup::backup(backup).committed);
    EXPECT_EQ(modes(backup), "750 640");
    EXPECT_EQ(tree(outcome.keptOther.value(0)), (QMap<QString, QByteArray>{{"kept.txt", "kept\n"}}));
    EXPECT_EQ(tree(backup), (QMap<QString, QByteArray>{{"New.txt", "new\n"}}));
    EXPECT_EQ(QDir(at("out")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{series_backup::Backup_Folder_name, QFileInfo(outcome.keptOther.value(0)).fileName()}));
    // Under a team's umask (002), neither a new series file nor the old copy gives a copy group write.
    const mode_t umask = ::umask(002);
    series("Newer.txt", "newer\n");
    ASSERT_EQ(sh("chmod 664 '" + backup + "/New.txt'"), 0);
    EXPECT_TRUE(series_backup::backup(backup).committed);
    ::umask(umask);
    EXPECT_EQ(modes(backup), "750 644");
    // Made private, it stays private once its folder is shared with a colleague by an ACL, where no record shows it placed.
    ASSERT_TRUE(::chmod(QFile::encodeName(backup).constData(), 0700) == 0 && testsupport::shareByAcl(at("out"), 65534) && series_backup::backup(backup).committed);
    EXPECT_EQ(modes(backup).substr(0, 3), "700");
    // An old one kept (it holds notes), exchanged once shown for another's folder that cannot go back: that one is said.
    const QDir second(at("second"));
    ASSERT_TRUE(series_backup::backup(second.filePath(series_backup::Backup_Folder_name)).committed && QDir().mkpath(at("theirs/t")));
    put(second.filePath(series_backup::Backup_Folder_name + "/notes.pdf"), "mine");
    QString hidden;   // the staging folder's name, which the old one takes and leaves
    platform::setFolderSwapStepHook([&](int step) {
        hidden = step == 0 ? second.filePath(second.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).value(0)) : hidden;
        (void)(step == 5 && ::renameat2(AT_FDCWD, QFile::encodeName(second.filePath(second.entryList({"* (old *"}, QDir::Dirs).value(0))), AT_FDCWD,
                                        QFile::encodeName(at("theirs")), RENAME_EXCHANGE) == 0 && QDir().mkdir(hidden));
    });
    EXPECT_EQ(tree(series_backup::backup(second.filePath(series_backup::Backup_Folder_name)).keptOther.value(0)), (QMap<QString, QByteArray>{{"t", "<dir>"}}));
    platform::setFolderSwapStepHook(nullptr);
}

// Another's folder in the backup's place (planted where others may write) gives the copies no mode.
TEST_F(SeriesBackup, AnotherUsersFolderInTheBackupsPlaceGivesItNoMode)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root gives a folder to another user";
    series("Codes.txt", "1\n");
    const QString backup = at("out/") + series_backup::Backup_Folder_name;
    ASSERT_EQ(sh(QStringLiteral("chmod 600 '%1/Codes.txt' && chmod 755 '%1' && mkdir -m 777 '%2' && echo x > '%2/Codes.txt' && chmod 666 '%2/Codes.txt' && "
                                "chown -R 65534 '%2'").arg(Data_Folder_Path, backup)), 0);
    const series_backup::Outcome outcome = series_backup::backup(backup);
    ASSERT_TRUE(outcome.committed);
    // Kept as the folder it replaced, not as one come meanwhile.
    EXPECT_EQ(std::pair(QFileInfo(outcome.keptOld).isDir(), outcome.keptOther), std::pair(true, QStringList()));
    const std::string folderMode = QString::number(platform::newFolderMode() & 0755, 8).toStdString();   // never writable by others
    EXPECT_EQ(modes(backup), folderMode + " 600");
    // Nor does another's file a restore copies: the copy is a new file of the user's.
    ASSERT_EQ(sh(QStringLiteral("chown 65534 '%1/Codes.txt' && chmod 755 '%1/Codes.txt' && rm '%2/Codes.txt'").arg(backup, Data_Folder_Path)), 0);
    for (const bool replace : {true, false}) {
        ASSERT_TRUE(replace ? series_backup::restoreReplace(backup).committed : series_backup::restoreAppend(backup, freeName).committed);
        EXPECT_EQ(modes(Data_Folder_Path), folderMode + " " + QString::number(platform::newFileMode(), 8).toStdString());
    }
}

// The staging folder's name taken over once it is made (a link to another folder of the user's, or another's folder),
// once it is open, or before it is put in place; or the backup's name exchanged back right after the exchange: nothing
// goes through the name, the backup fails and the old one stays.
TEST_F(SeriesBackup, AStagingFolderTakenOverMeanwhileIsNeitherFilledNorPutInPlace)
{
    const QString backup = at("out/") + series_backup::Backup_Folder_name, outside = at("outside");
    series("Old.txt", "old\n");
    ASSERT_TRUE(series_backup::backup(backup).committed && QDir().mkpath(outside));
    put(outside + "/kept.txt", "kept\n");
    const bool root = ::geteuid() == 0;   // only root gives a folder to another user
    const auto staging = [&] { return at("out/") + QDir(at("out")).entryList({".*.tagora-*.new"}, QDir::Dirs | QDir::Hidden).value(0); };
    QString taken;
    const auto takeOver = [&](const QString &name, bool link) {
        taken = name;
        EXPECT_TRUE(QDir().rename(name, name + "~") && (link ? QFile::link(outside, name) : QDir().mkdir(name) && ::chown(QFile::encodeName(name).constData(), 65534, 65534) == 0));
    };
    enum { Made = -2, Opened = -1, Committed, Exchanged = 2, MadeByAnother };
    for (const int when : {Made, Opened, Committed, Exchanged, root ? MadeByAnother : Made}) {
        platform::setFolderSwapStepHook([&](int step) {
            if (step == (when == MadeByAnother ? Made : when) && when != Exchanged && when != Committed)
                takeOver(staging(), when != MadeByAnother);
            EXPECT_TRUE(step != when || when != Exchanged
                        || ::renameat2(AT_FDCWD, QFile::encodeName(backup).constData(), AT_FDCWD, QFile::encodeName(staging()).constData(), RENAME_EXCHANGE) == 0);
        });
        platform::setCommitStepHook([&](const QString &name) { when == Committed ? takeOver(name, true) : void(); });
        const series_backup::Outcome outcome = series_backup::backup(backup);
        platform::setFolderSwapStepHook(nullptr), platform::setCommitStepHook(nullptr);
        EXPECT_FALSE(outcome.committed) << when;
        EXPECT_EQ(tree(outside), (QMap<QString, QByteArray>{{"kept.txt", "kept\n"}}));
        EXPECT_TRUE(when != MadeByAnother || tree(taken).isEmpty());
        EXPECT_EQ(QFileInfo::exists(taken + "~"), when == Made || when == MadeByAnother) << "a staging folder filled goes wherever it is";
        EXPECT_EQ(tree(backup), (QMap<QString, QByteArray>{{"Old.txt", "old\n"}}));
        EXPECT_TRUE(outcome.reasons.join(' ').contains(when == Made || when == MadeByAnother ? "Backup: Permission denied"
                                                                                          : "QIRO_Barcode_Backup was replaced while it was being saved"))
            << when;
        ASSERT_EQ(sh("cd '" + at("out") + "' && rm -rf .*.tagora-*"), 0);
    }
}

// Where others may rename entries (a group's folder, not sticky), a folder of the user's that another renamed to an
// ended swap's "old" name is not put in the backup's place, and one renamed to the backup's own, no backup this
// program made there (plain files only, series files only, or with a sub-folder), is not removed: it stays whole, under
// a name the user sees. Nor, in a sticky folder, an old backup others may write into or holding another file.
TEST_F(SeriesBackup, AFolderRenamedToTheBackupsNamesWhereOthersMayRenameStaysWhole)
{
    const QString backup = at("out/") + series_backup::Backup_Folder_name;
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const QString old = at("out/") + platform::temporaryName(series_backup::Backup_Folder_name, "old")
                                         .replace(QStringLiteral("-%1-").arg(::getpid()), QStringLiteral("-%1-").arg(ended));
    series("Codes.txt", "1\n");
    if (!team(at("out")))
        GTEST_SKIP() << "only root gives a folder to another group";
    // Also in the user's own folder (0755), shared with another by an ACL only (0); and the user's folder replaced by a
    // backup killed right after its exchange (2) or its first rename (1), or kept when the 64 dated names are taken.
    const struct { QString renamedTo; QString file; mode_t folder, oldBackup = 0; int killAt = 0; bool taken = false; } rows[] = {
        {old, "jobs/labels.lbl", 02775}, {backup, "jobs/labels.lbl", 02775}, {backup, "labels.lbl", 02775},
        {backup, "Notes.txt", 02775}, {backup, "Invoice.txt", 01777, 02775}, {backup, "invoice.pdf", 01777, 0755},
        {old, "Notes.txt", 0}, {backup, "Notes.txt", 0}, {backup, "report.pdf", 0755, 0, 2}, {backup, "report.pdf", 0755, 0, 1},
        {backup, "report.pdf", 0755, 0, 0, true}};
    platform::setAccountsSource([] { return platform::Accounts{true, "me", ::getegid(), "me", {}, {{::geteuid(), ::getegid()}}}; });
    int row = 0;
    for (const auto &[renamedTo, file, folder, oldBackup, killAt, taken] : rows) {
        ++row;
        testsupport::unshare(at("out"));
        ASSERT_TRUE(folder > 0777 ? team(at("out"), folder)
                                   : ::chown(QFile::encodeName(at("out")).constData(), uid_t(-1), ::getegid()) == 0 && ::chmod(QFile::encodeName(at("out")).constData(), 0755) == 0
                                         && (folder || testsupport::shareByAcl(at("out"), 65534)));
        ASSERT_TRUE(!oldBackup || (series_backup::backup(backup).committed && team(backup, oldBackup)));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(renamedTo + "/" + file).absolutePath()));
        put(renamedTo + "/" + file, "mine");
        if (killAt)
            killedAt(killAt, backup, killAt == 2);
        platform::repairSwappedFolder(backup);   // what a start does: nothing here
        EXPECT_EQ(QFileInfo(renamedTo + "/" + file).exists(), killAt != 2);
        for (int s = 0; taken && s < 5; ++s)
            for (int n = 1; n <= 64; ++n)
                QDir().mkdir(backup + QDateTime::currentDateTime().addSecs(s).toString(" ('old' yyyy-MM-dd HH.mm.ss") + (n > 1 ? QStringLiteral(", %1)").arg(n) : ")"));
        const series_backup::Outcome outcome = series_backup::backup(backup);
        ASSERT_TRUE(outcome.committed);
        EXPECT_EQ(tree(at("out")).values().count("mine"), row) << row;
        EXPECT_EQ(QFileInfo(outcome.keptOld + "/" + file).exists(), renamedTo == backup && killAt != 2) << row;
        const QStringList said = QStringList{outcome.keptOld} + outcome.keptEarlier;   // once, under a name the user sees
        // The user's folder a killed exchange left under the staging folder's name: nothing proves it whole.
        EXPECT_EQ(said.filter(QRegularExpression(killAt == 2 ? "/QIRO_Barcode_Backup \\(unfinished [^/]*$" : "/QIRO_Barcode_Backup \\(old [^/]*$")).count(), 1) << row;
        EXPECT_EQ(std::count_if(said.cbegin(), said.cend(), [&](const QString &p) { return QFileInfo::exists(p + "/" + file); }), 1) << row;
        EXPECT_EQ(tree(backup), (QMap<QString, QByteArray>{{"Codes.txt", "1\n"}}));
        ASSERT_TRUE(QDir(backup).removeRecursively());
    }
    platform::setAccountsSource(nullptr);
}

TEST_F(SeriesBackup, AnEmptyStoreMakesAnEmptyBackup)
{
    const QString backup = at("out/") + series_backup::Backup_Folder_name;
    const series_backup::Outcome outcome = series_backup::backup(backup);
    EXPECT_TRUE(outcome.committed);
    EXPECT_TRUE(QFileInfo(backup).isDir());
    EXPECT_TRUE(tree(backup).isEmpty());
    // No backup to restore from: refused, and neither way changes the series.
    series("Current.txt", "c\n");
    QString refusal;
    EXPECT_FALSE(series_backup::restoreSource(at("out"), &refusal));
    EXPECT_EQ(refusal, backup + " holds no series file to restore.");
    for (const series_backup::Outcome &restored : {series_backup::restoreReplace(backup), series_backup::restoreAppend(backup, freeName)})
        EXPECT_TRUE(!restored.committed && restored.noSeries);
    EXPECT_EQ(seriesTree(), (QMap<QString, QByteArray>{{"Current.txt", "c\n"}}));
}

TEST_F(SeriesBackup, AFailedBackupKeepsTheOldOne)
{
    const QString backup = at("out/") + series_backup::Backup_Folder_name;
    series("A.txt", "first backup\n");
    ASSERT_TRUE(series_backup::backup(backup).committed);
    const QMap<QString, QByteArray> old = tree(backup);
    series("A.txt", QByteArray(4096, 'x'));
    series("B.txt", "more\n");
    // Its staging folder goes; one holding another's file or a folder of the user's (its copies alone go) stays where the user sees
    // it, said; one removed meanwhile is not looked for; one in a folder that became read-only stays hidden, said so and where, never by its name.
    for (const char staging : {'-', ::geteuid() == 0 ? 'p' : '-', 's', 'r', 'h'}) {   // only root gives a file to another user
        const bool kept = staging == 'p' || staging == 's';
        platform::setFolderSwapStepHook([&](int step) {
            const QString made = at("out/") + QDir(at("out")).entryList({".*.tagora-*.new"}, QDir::Dirs | QDir::Hidden).value(0);
            EXPECT_TRUE(step != -1 || staging != 'p' || (QFile(made + "/their.txt").open(QIODevice::WriteOnly)
                                                         && ::chown(QFile::encodeName(made + "/their.txt").constData(), 65534, 65534) == 0));
            EXPECT_TRUE(step != -1 || staging != 'r' || QDir().rmdir(made));
            EXPECT_TRUE(step != -1 || staging != 's' || QDir(made).mkdir("sub"));
            EXPECT_TRUE(step != -1 || staging != 'h' || ::chmod(QFile::encodeName(at("out")).constData(), 0555) == 0);
        });
        series_backup::Outcome outcome;
        {
            FileSizeLimit limit(100);   // the copy of A cannot be written whole
            const testsupport::NoPermissionOverride bound;
            ASSERT_TRUE(limit.ok() && bound.ok());
            outcome = series_backup::backup(backup);
        }
        const QStringList hidden = QDir(at("out")).entryList({".*.tagora-*"}, QDir::Dirs | QDir::Hidden);
        EXPECT_EQ(std::tuple(outcome.stagingStayed, outcome.hiddenIn, hidden.size()),
                  staging == 'h' ? std::tuple(true, at("out"), qsizetype(1)) : std::tuple(kept, QString(), qsizetype(0)));
        ASSERT_TRUE(staging != 'h' || (::chmod(QFile::encodeName(at("out")).constData(), 0755) == 0 && QDir(at("out/") + hidden.value(0)).removeRecursively()));
        platform::setFolderSwapStepHook(nullptr);
        EXPECT_FALSE(outcome.committed);
        EXPECT_GE(outcome.failed, 1);
        EXPECT_FALSE(outcome.reasons.isEmpty());
        EXPECT_EQ(tree(backup), old);
        EXPECT_EQ(outcome.keptStaging.contains(" (unfinished "), kept) << staging;
        EXPECT_EQ(QDir(at("out")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{series_backup::Backup_Folder_name} + QStringList{QFileInfo(outcome.keptStaging).fileName()}.filter("("));
        EXPECT_EQ(outcome.keptStaging.isEmpty() ? QStringList() : tree(outcome.keptStaging).keys(), kept ? QStringList{staging == 'p' ? "their.txt" : "sub"} : QStringList());
        ASSERT_TRUE(outcome.keptStaging.isEmpty() || QDir(outcome.keptStaging).removeRecursively());
    }
}

TEST_F(SeriesBackup, AReadOnlyBackupFolderKeepsTheOldBackup)
{
    const QString backup = at("out/") + series_backup::Backup_Folder_name;
    series("A.txt", "first\n");
    ASSERT_TRUE(series_backup::backup(backup).committed);
    const QMap<QString, QByteArray> old = tree(backup);
    series("A.txt", "second\n");
    const bool locked = geteuid() == 0 ? sh("chattr +i '" + at("out") + "'") == 0
                                       : QFile::setPermissions(at("out"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!locked)
        GTEST_SKIP() << "no way to make a folder read-only here";
    const series_backup::Outcome outcome = series_backup::backup(backup);
    if (geteuid() == 0)
        sh("chattr -i '" + at("out") + "'");
    else
        QFile::setPermissions(at("out"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(outcome.committed);
    EXPECT_EQ(tree(backup), old);
}

TEST_F(SeriesBackup, AFailedReplacingRestoreKeepsTheCurrentSeries)
{
    const QString source = at("out/") + series_backup::Backup_Folder_name;
    ASSERT_TRUE(QDir().mkpath(source));
    put(source + "/Big.txt", QByteArray(4096, 'b'));
    put(source + "/Small.txt", "s\n");
    series("Current.txt", "current\n");
    series("Other.TXT", "other\n");
    const QMap<QString, QByteArray> before = seriesTree();
    {
        FileSizeLimit limit(100);
        ASSERT_TRUE(limit.ok());
        const series_backup::Outcome outcome = series_backup::restoreReplace(source);
        EXPECT_FALSE(outcome.committed);
        EXPECT_EQ(outcome.failed, 1);
    }
    EXPECT_EQ(seriesTree(), before);
    // Nor does a file cut while it is read (by an access watcher the read waits for, as root may set one): said why.
    const QByteArray big = QFile::encodeName(source + "/Big.txt");
    const platform::Descriptor watch(::fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC, O_RDONLY));
    if (watch.fd < 0 || ::fanotify_mark(watch.fd, FAN_MARK_ADD, FAN_ACCESS_PERM, AT_FDCWD, big.constData()) != 0)
        GTEST_SKIP() << "no access watcher here";
    std::thread watcher([&] {
        fanotify_event_metadata event {};
        const bool cut = ::read(watch.fd, &event, sizeof event) == sizeof event && ::truncate(big.constData(), 0) == 0;
        const fanotify_response allow{event.fd, FAN_ALLOW};
        EXPECT_TRUE(::write(watch.fd, &allow, sizeof allow) == sizeof allow && cut && ::close(event.fd) == 0);
    });
    EXPECT_EQ(series_backup::restoreReplace(source).stoppedBy, "Not copied Big.txt: read 0 of 4096 bytes");
    watcher.join();
    EXPECT_EQ(QDir(Created_Resource_Path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"DataSet"});
}

TEST_F(SeriesBackup, AppendKeepsEverySeriesAndCountsTheNames)
{
    const QString source = at("out/") + series_backup::Backup_Folder_name;
    ASSERT_TRUE(QDir().mkpath(source));
    put(source + "/Codes.txt", "from backup\n");
    put(source + "/New.txt", "new\n");
    series("Codes.txt", "current\n");
    const series_backup::Outcome outcome = series_backup::restoreAppend(source, freeName);
    EXPECT_EQ(outcome.copied, 2);
    EXPECT_EQ(outcome.notCopied(), 0);
    EXPECT_EQ(seriesTree(), (QMap<QString, QByteArray>{
                                {"Codes.txt", "current\n"}, {"Codes (1).TXT", "from backup\n"}, {"New.txt", "new\n"}}));
    EXPECT_EQ(series_store::names(), QStringList({"Codes (1)", "Codes", "New"}));   // sorted literally
}

TEST_F(SeriesBackup, FoldersMadeOutsideTheProgramAreCopiedOnlyAsPlainFiles)
{
    const QString source = at("out/") + series_backup::Backup_Folder_name;
    const QString outside = at("outside");
    ASSERT_TRUE(QDir().mkpath(outside));
    put(outside + "/secret.txt", "outside\n");
    put(at("plain.txt"), "plain\n");
    // Made by the shell: a copy, links to a file and a folder outside, a FIFO, a sub-folder, a file
    // nobody may read (root still may), and by Python a name that is not UTF-8 and an oversized file.
    ASSERT_EQ(sh(QStringLiteral("set -e; cd '%1'; mkdir -p '%2'; cd '%2'; cp ../../plain.txt Plain.txt; "
                                "ln -s '%3/secret.txt' LinkFile.txt; ln -s '%3' LinkFolder; mkfifo Pipe.txt; "
                                "mkdir Sub; echo inner > Sub/inner.txt; echo locked > Locked.txt; chmod 000 Locked.txt; "
                                "echo theirs > Mine.txt; chmod 666 Mine.txt; echo shared > Shared.txt")
                     .arg(at("out"), series_backup::Backup_Folder_name, outside)),
              0);
    // Its group the user's private one, shared with a colleague by its ACL alone: not taken either.
    platform::setAccountsSource([] { return platform::Accounts{true, "me", ::getegid(), "me", {}, {{::geteuid(), ::getegid()}}}; });
    ASSERT_TRUE(testsupport::shareByAcl(source + "/Shared.txt", 65534));
    const QString python = QStringLiteral("import os, shutil\n"
                                          "os.chdir(%1)\n"
                                          "open(b'Bad\\xff.txt', 'wb').write(b'x\\n')\n"
                                          "f = open('Huge.txt', 'wb'); f.truncate(%2); f.close()\n"
                                          "shutil.copy('Plain.txt', 'Copied.txt')\n")
                               .arg(QStringLiteral("'") + source + QStringLiteral("'"))
                               .arg(series_store::kMaxSeriesBytes + 1);
    ASSERT_EQ(QProcess::execute(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), python}), 0);
    series("Plain.txt", "current\n");
    series("Mine.txt", "mine\n");   // others may write the backup's: the user's stays, a Replace too
    const QMap<QString, QByteArray> homeBefore = tree(home.path());

    struct Case {
        const char *name;
        bool replace;
    };
    for (const Case &c : {Case{"append", false}, Case{"replace", true}}) {
        SCOPED_TRACE(c.name);
        series_backup::Outcome outcome;
        // A FIFO opened for reading would block here: it is never opened.
        outcome = c.replace ? series_backup::restoreReplace(source) : series_backup::restoreAppend(source, freeName);
        EXPECT_EQ(outcome.total, 11);
        EXPECT_EQ(outcome.skipped, 8);   // two links, the FIFO, the folder, the bad name, the huge file, Mine.txt, Shared.txt
        EXPECT_EQ(outcome.keptCurrent, c.replace ? QStringList{"Mine.txt"} : QStringList());
        EXPECT_EQ(outcome.failed, 0);
        EXPECT_EQ(outcome.copied, 3);    // the copies made by cp and shutil, and the locked file
        EXPECT_TRUE(outcome.committed);
        QMap<QString, QByteArray> expected = {{"Plain.txt", "plain\n"}, {"Locked.txt", "locked\n"}, {"Copied.txt", "plain\n"}, {"Mine.txt", "mine\n"}};
        if (!c.replace) {
            expected["Plain.txt"] = "current\n";
            expected["Plain (1).TXT"] = "plain\n";
        }
        const QMap<QString, QByteArray> got = seriesTree();
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            EXPECT_EQ(got.value(it.key()), it.value()) << qPrintable(it.key());
        for (const QString &name : got.keys())
            EXPECT_FALSE(name.contains("Link") || name.contains("Pipe") || name.contains("Sub") || name.contains("Huge")
                         || name.startsWith("Bad"))
                << qPrintable(name);
        // Nothing outside the series folder changed.
        QMap<QString, QByteArray> homeAfter = tree(home.path());
        QMap<QString, QByteArray> outsideBefore = homeBefore, outsideAfter = homeAfter;
        for (QMap<QString, QByteArray> *m : {&outsideBefore, &outsideAfter})
            m->removeIf([](const auto &entry) { return entry.key().startsWith("Tagora/DataSet"); });
        EXPECT_EQ(outsideAfter, outsideBefore);
    }
    // A listed file gone before its copy (2, then put back), or whose place another of the user's (only its inode tells) or a link took: skipped.
    for (const int link : {2, 0, 1}) {
        platform::setFolderSwapStepHook([&](int step) {
            (void)(step == -1 && (link == 2 ? QFile::rename(source + "/Copied.txt", at("away.txt"))
                                  : (link ? QFile::link(outside, source + "/.p") : QFile::copy(at("plain.txt"), source + "/.p"))
                                        && ::rename(QFile::encodeName(source + "/.p").constData(), QFile::encodeName(source + "/Copied.txt").constData()) == 0));
        });
        EXPECT_TRUE(series_backup::restoreReplace(source).reasons.contains("Skipped Copied.txt: not the file listed")) << link;
        QFile::rename(at("away.txt"), source + "/Copied.txt");
    }
    platform::setFolderSwapStepHook(nullptr), platform::setAccountsSource(nullptr);
    sh("rm -rf '" + at("out") + "'");   // the name that is not UTF-8 is beyond QTemporaryDir's clean-up
}

TEST_F(SeriesBackup, BadFoldersAreRefused)
{
    put(at("out/file"), "a file\n");
    ASSERT_EQ(sh("ln -s '" + at("out") + "' '" + at("link") + "'"), 0);
    ASSERT_TRUE(QDir().mkpath(at("out/") + series_backup::Backup_Folder_name));
    put(at("out/") + series_backup::Backup_Folder_name + "/A.txt", "a\n");
    ASSERT_TRUE(QDir().mkpath(Data_Folder_Path + "/" + series_backup::Backup_Folder_name));
    // Another's backup folder where others may write (only root gives one): anyone there could have put it there.
    ASSERT_TRUE(QDir().mkpath(at("sticky/") + series_backup::Backup_Folder_name) && ::chmod(QFile::encodeName(at("sticky")).constData(), 01777) == 0);
    put(at("sticky/") + series_backup::Backup_Folder_name + "/A.txt", "a\n");
    const bool root = ::chown(QFile::encodeName(at("sticky/") + series_backup::Backup_Folder_name).constData(), 65534, 65534) == 0;
    struct Case {
        QString path;
        bool usableForBackup;
        bool restorable;
    };
    const Case cases[] = {
        {at("out/") + series_backup::Backup_Folder_name, true, true},
        {at("out"), true, true},   // its backup folder is found inside
        {at("fresh/") + series_backup::Backup_Folder_name, true, false},
        {at("out/file"), false, false},
        {at("link"), false, true},   // a link is never deleted; reading through it is harmless
        {Data_Folder_Path + "/" + series_backup::Backup_Folder_name, false, false},
        {Data_Folder_Path, false, false},
        {Created_Resource_Path, false, false},
        {at("unrelated"), true, false},
        {at("sticky"), true, !root},
        {QString(), false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(series_backup::isUsableBackupPath(c.path), c.usableForBackup);
        EXPECT_EQ(series_backup::restoreSource(c.path).has_value(), c.restorable);
    }
    const series_backup::Outcome refused = series_backup::backup(at("out/file"));
    EXPECT_FALSE(refused.committed);
    QFile f(at("out/file"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "a file\n");
}

TEST_F(SeriesBackup, ResetEmptiesTheSeriesFolder)
{
    series("A.txt", "a\n");
    series("B.TXT", "b\n");
    EXPECT_TRUE(series_backup::reset());
    EXPECT_TRUE(QFileInfo(Data_Folder_Path).isDir());
    EXPECT_TRUE(seriesTree().isEmpty());
}

TEST_F(SeriesBackup, AFailedAppendedCopyLeavesNothingBehind)
{
    const QString source = at("out/") + series_backup::Backup_Folder_name;
    ASSERT_TRUE(QDir().mkpath(source));
    put(source + "/Big.txt", QByteArray(4096, 'b'));
    put(source + "/Small.txt", "s\n");
    series("Current.txt", "current\n");
    series_backup::Outcome outcome;
    {
        FileSizeLimit limit(100);
        ASSERT_TRUE(limit.ok());
        outcome = series_backup::restoreAppend(source, freeName);
    }
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_EQ(outcome.copied, 1);
    EXPECT_EQ(outcome.notCopied(), 1);
    EXPECT_EQ(seriesTree(), (QMap<QString, QByteArray>{{"Current.txt", "current\n"}, {"Small.txt", "s\n"}}));
}

TEST_F(SeriesBackup, AKillAtAnyStepOfAReplacingRestoreLeavesTheOldOrTheNewSeries)
{
    const QString source = at("out/") + series_backup::Backup_Folder_name;
    ASSERT_TRUE(QDir().mkpath(source));
    put(source + "/New.txt", "n\n");
    // Steps: 0 the exchange (or the first rename), 1 the second rename, 2 the removal; 3 none.
    for (const bool exchange : {true, false}) {
        for (int killAt = 0; killAt <= 3; ++killAt) {
            SCOPED_TRACE(QStringLiteral("exchange %1, killed before step %2").arg(exchange).arg(killAt).toStdString());
            QDir(Data_Folder_Path).removeRecursively();
            QDir().mkpath(Data_Folder_Path);
            series("Old.txt", "o\n");
            const pid_t child = ::fork();
            if (child == 0) {
                platform::setFolderExchangeAllowed(exchange);
                platform::setFolderSwapStepHook([killAt](int step) {
                    if (step == killAt)
                        ::raise(SIGKILL);
                });
                ::_exit(series_backup::restoreReplace(source).committed ? 0 : 1);
            }
            ::waitpid(child, nullptr, 0);
            platform::repairSwappedFolder(Data_Folder_Path, Created_Resource_Path);   // what the next start does first
            const bool replaced = killAt >= (exchange ? 1 : 2);
            EXPECT_EQ(series_store::names(), QStringList{replaced ? "New" : "Old"});
            EXPECT_EQ(QDir(Created_Resource_Path).entryList({".*.tagora-*"}, QDir::AllEntries | QDir::Hidden), QStringList());
        }
    }
}

// In a private folder, and in a team's (where only the swap's records in the data folder tell its old folder and its
// staging folder): killed at any step, what the backup left under hidden names goes, the backup there restored from.
TEST_F(SeriesBackup, ABackupKilledBetweenItsTwoRenamesIsRestoredFrom)
{
    const QString backup = at("out/") + series_backup::Backup_Folder_name;
    const bool root = ::geteuid() == 0;   // only root gives a folder to another user or group
    for (const bool shared : {false, root}) {
      for (const int killAt : {-2, -1, 0, 1, 2}) {
        SCOPED_TRACE(QStringLiteral("shared %1, killed at %2").arg(shared).arg(killAt).toStdString());
        ASSERT_TRUE(QDir(backup).removeRecursively() && QDir(Data_Folder_Path).removeRecursively() && QDir().mkpath(Data_Folder_Path));
        ASSERT_TRUE(!shared || team(at("out")));
        series("First.txt", "1\n");
        ASSERT_TRUE(series_backup::backup(backup).committed);
        series("Second.txt", "2\n");
        // Two renames, as on exFAT or a network share: it left the new backup or the old one under temporary names.
        const pid_t child = killedAt(killAt, backup, false);
        // Another user's newer "old" folder of an ended run beside it is never put in its place.
        const QString planted = at("out/") + platform::temporaryName(series_backup::Backup_Folder_name, "old")
                                                 .replace(QStringLiteral("-%1-").arg(::getpid()), QStringLiteral("-%1-").arg(child));
        ASSERT_TRUE(!root || (QDir().mkpath(planted) && QFile(planted + "/P.txt").open(QIODevice::WriteOnly)
                              && ::chown(QFile::encodeName(planted).constData(), 65534, 65534) == 0));
        // The team's folder renamed meanwhile, and a backup made elsewhere on its file system: its records stay.
        const QString out = shared ? at("renamed") : at("out");
        ASSERT_TRUE(!shared || (QDir().rename(at("out"), out) && QDir().mkpath(at("elsewhere"))
                                && series_backup::backup(at("elsewhere/") + series_backup::Backup_Folder_name).committed));
        const std::optional<QString> source = series_backup::restoreSource(out);
        ASSERT_TRUE(source.has_value());
        EXPECT_TRUE(series_backup::restoreReplace(*source).committed);
        EXPECT_EQ(seriesTree().keys(), killAt == 2 ? QStringList({"First.txt", "Second.txt"}) : QStringList{"First.txt"});
        EXPECT_EQ(QDir(out).entryList({".*.tagora-*"}, QDir::AllEntries | QDir::Hidden), root ? QStringList{QFileInfo(planted).fileName()} : QStringList());
        EXPECT_EQ(QDir(Created_Resource_Path).entryList({".tagora-moved-*", ".*.tagora-*"}, QDir::AllEntries | QDir::Hidden), QStringList());
        ASSERT_TRUE(!shared || QDir().rename(out, at("out")));
        ASSERT_TRUE(QDir(planted).removeRecursively());
      }
    }
    // Of the records of folders made (x) elsewhere: one of a folder the user renamed stays through a backup elsewhere on its
    // file system; one on another (a share that may stop answering) is never opened, by the start's repair either; here,
    // one whose name is exchanged while the backup looks stays. A part of a record an ended run left goes.
    const auto open = [](const QString &path) { return platform::Descriptor(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); };
    QTemporaryDir share(QStringLiteral("/dev/shm/tagora-XXXXXX"));
    const QString folders[] = {at("before"), share.isValid() ? share.path() : at("share"), at("out")};
    const platform::Descriptor notes = open(Created_Resource_Path), watch(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    std::vector<platform::Descriptor> in;
    for (const QString &folder : folders) {
        ASSERT_TRUE(QDir().mkpath(folder + "/x") && QDir().mkpath(folder + "/y"));
        in.push_back(open(folder));
        ASSERT_TRUE(platform::swaprecords::noteMade(notes.fd, in.back().fd, open(folder + "/x").fd));
    }
    const QByteArray made[] = {platform::swaprecords::identityAt(in[0].fd, "x"), platform::swaprecords::identityAt(in[1].fd, "x"),
                               platform::swaprecords::identityAt(in[2].fd, "x")}, x = QFile::encodeName(at("out/x")), y = QFile::encodeName(at("out/y"));
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const QString part = Created_Resource_Path + '/' + platform::temporaryName("record", "part").replace(QStringLiteral("-%1-").arg(::getpid()), QStringLiteral("-%1-").arg(ended));
    put(part, "");
    ASSERT_TRUE(QDir().rename(folders[0], at("after")) && ::inotify_add_watch(watch.fd, QFile::encodeName(folders[1]).constData(), IN_OPEN) >= 0);
    platform::repairSwappedFolder(Data_Folder_Path, Created_Resource_Path);
    char event[4096];
    EXPECT_LT(::read(watch.fd, event, sizeof event), 0) << "the start's repair opened the share";
    EXPECT_FALSE(QFileInfo::exists(part));
    platform::setFolderSwapStepHook([&](int step) { (void)(step == 6 && ::renameat2(AT_FDCWD, x.constData(), AT_FDCWD, y.constData(), RENAME_EXCHANGE)); });
    ASSERT_TRUE(series_backup::backup(backup).committed);
    platform::setFolderSwapStepHook(nullptr);
    EXPECT_LT(::read(watch.fd, event, sizeof event), 0) << "the backup opened the share";
    const auto recorded = [](const QByteArray &identity) {
        const QDir notesDir(Created_Resource_Path);
        const QStringList names = notesDir.entryList({".tagora-made-*"}, QDir::Files | QDir::Hidden);
        return std::any_of(names.cbegin(), names.cend(), [&](const QString &name) {
            QFile f(notesDir.filePath(name));
            return f.open(QIODevice::ReadOnly) && f.readAll().contains("\nmade " + identity + '\n');
        });
    };
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(recorded(made[i])) << i;
    if (!root)
        GTEST_SKIP() << "only root gives a folder to another user";
    // There, a copy killed once filled, which no record proves whole without birth times, is kept as unfinished.
    platform::swaprecords::setBirthTimesHidden(true);
    killedAt(4, backup);
    const QStringList kept = series_backup::backup(backup).keptEarlier;
    platform::swaprecords::setBirthTimesHidden(false);
    EXPECT_EQ(kept.filter(QRegularExpression("/QIRO_Barcode_Backup \\(unfinished [^/]*$")).size(), 1);
}

// Where others may rename entries (a team's folder), each backup removes the one it made and replaced all the same,
// and keeps the set-group-id bit the folder gives; also where the file system keeps no birth times, where the files a
// backup wrote tell its folder from another that took its inode. A backup removed by hand leaves no record, nor one
// whose inode another folder took.
TEST_F(SeriesBackup, BackupsInATeamsFolderLeaveNoOldOneBehind)
{
    series("A.txt", "a\n");
    if (!team(at("out")))
        GTEST_SKIP() << "only root gives a folder to another group";
    const QString backup = at("out/") + series_backup::Backup_Folder_name;
    const struct Shown { ~Shown() { platform::swaprecords::setBirthTimesHidden(false); } } shown;
    const auto mode = [&] {
        struct stat st {};
        return ::stat(QFile::encodeName(backup).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
    };
    for (const bool hidden : {false, true}) {
        platform::swaprecords::setBirthTimesHidden(hidden);
        ASSERT_TRUE(QDir(backup).removeRecursively());
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(series_backup::backup(backup).committed);
        EXPECT_EQ(QDir(at("out")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{series_backup::Backup_Folder_name});
        EXPECT_EQ(QDir(Created_Resource_Path).entryList({".tagora-made-*"}, QDir::Files | QDir::Hidden).size(), 1);
        EXPECT_EQ(mode(), S_ISGID | (platform::newFolderMode() & 0755));
    }
    // A staging folder left under the backup's name (2700) gives no wider mode, also when the backup is exchanged back once
    // the swap has looked at it; a folder of the user's notes that took the backup's inode stays.
    const platform::Descriptor out(::open(QFile::encodeName(at("out")).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
        notes(::open(QFile::encodeName(Created_Resource_Path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    platform::FolderSwap swap;
    swap.parent = out.fd, swap.folder = at("out"), swap.target = QFile::encodeName(series_backup::Backup_Folder_name), swap.notes = notes.fd;
    QByteArray left;
    const platform::Descriptor staging(platform::makeStagingFolder(swap, &left, nullptr));
    ASSERT_TRUE(QDir().rename(backup, at("out/B")) && QDir().rename(at("out/") + QFile::decodeName(left), backup));
    const QByteArray names[] = {QFile::encodeName(backup), QFile::encodeName(at("out/B"))};
    platform::setFolderSwapStepHook([&](int step) { (void)(step == 4 && ::renameat2(AT_FDCWD, names[0], AT_FDCWD, names[1], RENAME_EXCHANGE)); });
    ASSERT_TRUE(series_backup::backup(backup).committed);
    platform::setFolderSwapStepHook(nullptr);
    EXPECT_EQ(mode(), S_ISGID | (platform::newFolderMode() & 0700));
    // Nor does a private folder of the user's a member put there, which no record shows put in place: it stays private.
    ASSERT_TRUE(QDir(backup).removeRecursively() && QDir().mkdir(backup) && ::chmod(QFile::encodeName(backup).constData(), 0700) == 0
                && series_backup::backup(backup).committed);
    EXPECT_EQ(mode(), S_ISGID | (platform::newFolderMode() & 0700));
    ASSERT_EQ(sh("rm '" + backup + "'/* && echo mine > '" + backup + "/Notes.txt'"), 0);
    const series_backup::Outcome outcome = series_backup::backup(backup);
    EXPECT_EQ(tree(outcome.keptOld), (QMap<QString, QByteArray>{{"Notes.txt", "mine\n"}}));
    // The record of the folder the notes took over is dropped: the new backup's stays, and the staging folder's, kept.
    EXPECT_EQ(QDir(Created_Resource_Path).entryList({".tagora-made-*"}, QDir::Files | QDir::Hidden).size(), 2);
    // Made 2750, it keeps that mode through a backup killed right after its exchange, whose copy no record shows placed.
    ASSERT_TRUE(::chmod(QFile::encodeName(backup).constData(), 02750) == 0 && killedAt(2, backup) > 0 && series_backup::backup(backup).committed);
    EXPECT_EQ(mode(), S_ISGID | (platform::newFolderMode() & 0750));
}

// There, a member exchanging the backup's name with a folder of theirs over and over, and once at a step of each
// backup: nothing stays under a hidden name unsaid, "(old ...)" names only the user's folders, nothing of theirs goes.
TEST_F(SeriesBackup, AnExchangeLoopLeavesNothingHiddenUnsaid)
{
    series("A.txt", "a\n");
    const QByteArray b = QFile::encodeName(at("out/") + series_backup::Backup_Folder_name), t = QFile::encodeName(at("out/theirs"));
    if (sh("mkdir '" + at("out/theirs") + "' && echo theirs > '" + at("out/theirs/their.txt") + "' && chown -R 65534:65534 '" + at("out/theirs")
           + "' && chmod 711 '" + home.path() + "'") != 0 || !team(at("out")))
        GTEST_SKIP() << "only root acts as another user";
    const auto exchange = [&] { return ::renameat2(AT_FDCWD, b.constData(), AT_FDCWD, t.constData(), RENAME_EXCHANGE) == 0; };
    const pid_t member = ::fork();   // 65534: a new folder of theirs when a failed backup took the last one away
    if (member == 0 && ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)
        for (;;)
            (void)(exchange() || ::mkdir(t.constData(), 0775));
    if (member == 0)
        ::_exit(1);
    QStringList said;
    for (int i = 0; i < 100; ++i) {
        platform::setFolderSwapStepHook([&](int step) { (void)(step == i % 3 && exchange()); });
        const series_backup::Outcome outcome = series_backup::backup(QFile::decodeName(b));
        said << outcome.keptOld << outcome.keptOther << outcome.keptStaging;
    }
    platform::setFolderSwapStepHook(nullptr);
    ::kill(member, SIGKILL), ::waitpid(member, nullptr, 0);
    for (const QFileInfo &e : QDir(at("out")).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        EXPECT_TRUE((said.contains(e.filePath()) || e.fileName() == "theirs" || e.fileName() == series_backup::Backup_Folder_name)
                    && (!e.fileName().contains("(old ") || e.ownerId() == ::geteuid())) << e.fileName().toStdString();
    EXPECT_EQ(tree(at("out")).values().count("theirs\n"), 1);
}

// A link on the backup's way: another's, where others may rename entries or in a sticky folder, is refused, naming it,
// and nothing lands where it leads; the user's own in a private folder is followed.
TEST_F(SeriesBackup, ALinkOnTheBackupsWayIsFollowedOnlyByTheRule)
{
    series("A.txt", "a\n");
    const struct { mode_t folder; uid_t owner; } rows[] = {{02775, 65534}, {01777, 65534}, {0755, ::geteuid()}};
    for (const auto &r : rows) {
        QTemporaryDir dir;
        const QString theirs = dir.filePath("theirs"), jobs = dir.filePath("in/jobs");
        ASSERT_TRUE(QDir().mkpath(theirs) && QDir().mkpath(dir.filePath("in")) && QFile::link(theirs, jobs));
        if (::lchown(QFile::encodeName(jobs).constData(), r.owner, r.owner) != 0 || ::chown(QFile::encodeName(theirs).constData(), r.owner, r.owner) != 0
            || (r.folder != 0755 && !team(dir.filePath("in"), r.folder)))
            GTEST_SKIP() << "only root gives a folder to another user";
        const bool followed = r.folder == 0755;
        const series_backup::Outcome outcome = series_backup::backup(jobs + "/" + series_backup::Backup_Folder_name);
        EXPECT_EQ(outcome.committed, followed);
        EXPECT_EQ(outcome.reasons, followed ? QStringList() : QStringList{jobs + "/QIRO_Barcode_Backup cannot be written: jobs: " + std::strerror(EACCES)});
        EXPECT_EQ(tree(theirs).keys(), followed ? QStringList({"QIRO_Barcode_Backup", "QIRO_Barcode_Backup/A.txt"}) : QStringList());
    }
}

TEST_F(SeriesBackup, EverySeriesFileIsBackedUpAndAnAppendedOneNeverTakesAnotherCase)
{
    series("X.txt", "lower\n");
    series("X.TXT", "upper\n");
    EXPECT_EQ(series_store::names(), QStringList{"X"});
    const QString backup = at("out/") + series_backup::Backup_Folder_name;
    ASSERT_TRUE(series_backup::backup(backup).committed);
    EXPECT_EQ(tree(backup), (QMap<QString, QByteArray>{{"X.txt", "lower\n"}, {"X.TXT", "upper\n"}}));
    QDir(Data_Folder_Path).removeRecursively();
    QDir().mkpath(Data_Folder_Path);
    series("X.Txt", "current\n");
    const series_backup::Outcome outcome = series_backup::restoreAppend(backup, [](const QString &path) {
        return QFileInfo(path).absolutePath() + "/" + QFileInfo(path).completeBaseName() + " (1).TXT";
    });
    EXPECT_EQ(outcome.copied, 1);   // the second X finds the counted name taken too
    EXPECT_EQ(seriesTree(), (QMap<QString, QByteArray>{{"X.Txt", "current\n"}, {"X (1).TXT", "upper\n"}}));
}
