// The backup dialog in the running window: opened by its menu item and toolbar item, its radio
// buttons and browse buttons, Backup, Restore and Reset with their questions and messages, and the
// main window's series choices afterwards.

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "core/Edition.h"
#include "core/UserFolders.h"
#include "data/Backup_Restore.h"
#include "design/DesignParts.h"
#include "design/PropertySidebar.h"
#include "io/SeriesBackup.h"
#include "platform/Temporaries.h"
#include "series_fixture.h"
#include "support/AppEnvironment.h"
#include "support/Editions.h"
#include "support/NoPermissionOverride.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <functional>
#include <optional>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void pick(QAbstractButton *radio) { QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2)); }
void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

class BackupWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ONLY_STD_MODE || ONLY_QR_MODE)
            GTEST_SKIP() << "this edition has no backup";
        c = env.controller();
        ASSERT_NE(c, nullptr);
        ASSERT_FALSE(Data_Folder_Path.isEmpty());
        ASSERT_TRUE(QDir().mkpath(Data_Folder_Path));
        ASSERT_TRUE(out.isValid());
    }
    // Opens the dialog from the Tools menu and lets the user act; answers the dialog's result.
    int run(const std::function<void()> &user, QAction *command = nullptr)
    {
        int result = -1;
        responder->onModal = [&](QDialog &dialog) {
            dialog.show();
            if (&dialog == &b) {
                ++opened;
                user();
                result = dialog.result();
            }
            return dialog.result();
        };
        (command ? command : c->Backup_menu_item)->trigger();
        return result;
    }
    void series(const QString &fileName, const QByteArray &bytes)
    {
        QFile f(Data_Folder_Path + '/' + fileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList seriesFiles() const { return QDir(Data_Folder_Path).entryList(QDir::Files, QDir::Name); }
    QStringList messages() { return responder->trimmedAlertMessages(); }
    void browseBackup(const QString &folder)
    {
        responder->openAnswers.append({folder});
        click(b.Browse_backup_Path);
    }
    void browseRestore(const QString &folder)
    {
        responder->openAnswers.append({folder});
        click(b.Browse_restore_Path);
    }
    // A backup into folder, and a restore from it (how: replacing or appending), each through the dialog.
    int backupTo(const QString &folder) { return run([&] { browseBackup(folder), click(b.OK_btn); }); }
    int restoreFrom(const QString &folder, QRadioButton *how)
    {
        return run([&] { pick(b.Restore_Radio), pick(how), browseRestore(folder), click(b.OK_btn); });
    }
    static QStringList items(const QComboBox *combo)
    {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = nullptr;
    Backup_Restore &b = *Backup_Restore::defaultInstance();
    QTemporaryDir out;
    int opened = 0;
};

} // namespace

TEST_F(BackupWindow, TheRadiosChooseTheActionAndItsBox)
{
    run([&] {
        EXPECT_TRUE(b.Backup_Radio->isChecked());
        EXPECT_EQ(b.OK_btn->text(), QStringLiteral("Backup"));
        struct Case {
            QRadioButton *radio;
            QGroupBox *box;
            QString title;
        };
        for (const Case &k : {Case{b.Restore_Radio, b.retore_Box, "Restore"}, Case{b.Reset_Radio, b.reset_Box, "Reset"},
                              Case{b.Backup_Radio, b.backup_Box, "Backup"}}) {
            pick(k.radio);
            EXPECT_EQ(b.OK_btn->text(), k.title);
            for (QGroupBox *box : {b.backup_Box, b.retore_Box, b.reset_Box})
                EXPECT_EQ(box->isEnabled(), box == k.box) << qPrintable(k.title);
        }
        EXPECT_TRUE(b.Backup_Path->isReadOnly());
        EXPECT_TRUE(b.Restore_Path->isReadOnly());
        pick(b.Restore_Radio);
        pick(b.Restore_Append_Radio);
        browseRestore(out.path());
        click(b.Cancel_btn);
    });
    // The next opening starts on Backup with empty paths; append stays chosen.
    run([&] {
        EXPECT_TRUE(b.Backup_Radio->isChecked());
        EXPECT_FALSE(b.Restore_Radio->isChecked());
        EXPECT_TRUE(b.Restore_Path->text().isEmpty());
        EXPECT_TRUE(b.Restore_Append_Radio->isChecked());
        EXPECT_FALSE(b.Restore_Replace_Radio->isChecked());
        click(b.Cancel_btn);
    });
    EXPECT_EQ(opened, 2);
}

TEST_F(BackupWindow, BackupThenRestoreWithAppendBringsADeletedSeriesBack)
{
    series("Alpha.txt", "a1\na2\n");
    series("Beta.txt", "b\n");
    EXPECT_EQ(run([&] {
                  browseBackup(out.path());
                  EXPECT_EQ(b.Backup_Path->text(), out.filePath(series_backup::Backup_Folder_name));
                  click(b.OK_btn);
              }),
              1);
    EXPECT_EQ(messages(), QStringList{"Backup has been saved successfully."});
    QFile::remove(Data_Folder_Path + "/Beta.txt");
    responder->alerts.clear();
    responder->alertAnswers = {"Yes"};
    EXPECT_EQ(run([&] {
                  pick(b.Restore_Radio);
                  pick(b.Restore_Append_Radio);
                  browseRestore(out.path());
                  click(b.OK_btn);
              }),
              1);
    EXPECT_EQ(seriesFiles(), QStringList({"Alpha (1).TXT", "Alpha.txt", "Beta.txt"}));
    EXPECT_EQ(messages(), QStringList({"Are you sure, you want to append the selected data Backup with the existing data?",
                                       "Data has been restored successfully."}));
    BarcodeModeController &bm = c->barcodeMode();
    EXPECT_EQ(items(bm.val_combo_list), QStringList({"<--Select-->", "Alpha (1)", "Alpha", "Beta"}));
    EXPECT_EQ(items(bm.ftr_combo_list), items(bm.val_combo_list));
}

TEST_F(BackupWindow, ASecondBackupAsksBeforeReplacing)
{
    series("A.txt", "1\n");
    run([&] {
        browseBackup(out.path());
        click(b.OK_btn);
    });
    series("A.txt", "2\n");
    responder->alerts.clear();
    responder->alertAnswers = {"No", "Yes"};
    bool stayedOpen = false;
    run([&] {
        browseBackup(out.path());
        click(b.OK_btn);
        stayedOpen = b.isVisible() && b.result() != 1;
        click(b.OK_btn);
    });
    EXPECT_TRUE(stayedOpen);
    QFile f(out.filePath(series_backup::Backup_Folder_name + "/A.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "2\n");
    const QString question = "Selected location already contains a backup folder.\n\nDo you want to replace it with new backup?";
    EXPECT_EQ(messages(), QStringList({question, question, "Backup has been saved successfully."}));
}

TEST_F(BackupWindow, RefusedPathsKeepTheDialogOpen)
{
    {
        QFile file(out.filePath(series_backup::Backup_Folder_name));   // a file where the backup would go
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me\n");
    }
    ASSERT_TRUE(QDir().mkpath(out.filePath("unrelated")) && QDir().mkpath(out.filePath("team")));
    // Another's link in the backup's place (only root gives one): refused, naming it, with nothing asked. Another's
    // backup folder where others may write is not restored from, naming it and why.
    const QString theirs = out.filePath("team/") + series_backup::Backup_Folder_name, planted = out.filePath("shared/") + series_backup::Backup_Folder_name;
    const bool root = QFile::link(out.filePath("unrelated"), theirs) && ::lchown(QFile::encodeName(theirs).constData(), 65534, 65534) == 0
                      && QDir().mkpath(planted) && ::chown(QFile::encodeName(planted).constData(), 65534, 65534) == 0
                      && ::chmod(QFile::encodeName(out.filePath("shared")).constData(), 01777) == 0
                      && ::chown(QFile::encodeName(out.filePath("shared")).constData(), 65534, 65534) == 0;
    const struct passwd *account = ::getpwuid(65534);
    const testsupport::NoPermissionOverride bound(true);   // the sticky folder binds root too
    struct Case {
        const char *name;
        std::function<void()> act;
        QString message;
    };
    const Case cases[] = {
        {"another's link", [&] { browseBackup(out.filePath(root ? "team" : "")); },
         root ? "Backup could not be saved.\n\n" + theirs + " cannot be written: a link of the account \"" + (account ? account->pw_name : "user 65534")
                    + "\" is in its place, and no link is followed there."
              : "Please select backup folder."},
        {"another's folder in another's sticky folder", [&] { browseBackup(out.filePath(root ? "shared" : "")); },
         root ? "Backup could not be saved.\n\n" + planted + " cannot be replaced: it belongs to the account \""
                    + (account ? account->pw_name : "user 65534") + "\", and only that account may replace it there."
              : "Please select backup folder."},
        {"no backup folder", [&] {}, "Please select backup folder."},
        {"a file in the way", [&] { browseBackup(out.path()); }, "Please select backup folder."},
        {"inside the series folder", [&] { browseBackup(Data_Folder_Path); }, "Please select backup folder."},
        {"no restore folder", [&] { pick(b.Restore_Radio); }, "Please select backup folder to restore data."},
        {"an unrelated folder", [&] {
             pick(b.Restore_Radio);
             browseRestore(out.filePath("unrelated"));
         },
         "Please select backup folder to restore data."},
        {"another's backup folder", [&] { pick(b.Restore_Radio), browseRestore(out.filePath("shared")); },
         root ? "Data could not be restored. The current data is unchanged.\n\n" + planted
                    + " is not yours, and others may write into the folder that holds it: anyone there could have put it there."
              : "Please select backup folder to restore data."},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        responder->alerts.clear();
        bool stayedOpen = false;
        EXPECT_EQ(run([&] {
                      k.act();
                      click(b.OK_btn);
                      stayedOpen = b.isVisible() && b.result() != 1;
                      click(b.Cancel_btn);
                  }),
                  0);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(messages(), QStringList{k.message});
    }
    QFile file(out.filePath(series_backup::Backup_Folder_name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "keep me\n");
}

TEST_F(BackupWindow, RestoreMessagesSayWhatWasNotCopied)
{
    const QString source = out.filePath(series_backup::Backup_Folder_name);
    ASSERT_TRUE(QDir().mkpath(source + "/Sub"));
    QFile f(source + "/Good.txt");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("g\n");
    f.close();
    series("Current.txt", "c\n");
    // Where others may write it (the user made it group-writable in a team's folder), a member's files there, one under
    // the name of the user's series, are not restored but counted and named (only root gives a file to another user);
    // so is a file others may write, its name as the log has it. A Replace keeps the user's series of a name not copied.
    QFile fake(source + "/Fake\nData has been restored successfully..txt");
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly) && ::chmod(QFile::encodeName(fake.fileName()).constData(), 0666) == 0);
    const bool root = QProcess::execute("/bin/sh", {"-c", "cd '" + source + "' && chgrp 65534 . && chmod 2775 . && echo x > Current.txt && "
                                                          "echo x > Extra.txt && chown 65534 Current.txt Extra.txt"}) == 0;
    const QString notCopied = (root ? "4 of 5 files were not copied.\n\nThese files in " + source + " were not restored, as others may have written them: Current.txt, Extra.txt, "
                                    : "2 of 3 files were not copied.\n\nThese files in " + source + " were not restored, as others may have written them: ")
                              + "Fake%0AData has been restored successfully..txt.";
    struct Case {
        QRadioButton *Backup_Restore::*how;
        QString question;
        QString message;
        QStringList files;
    };
    const Case cases[] = {
        {&Backup_Restore::Restore_Append_Radio,
         "Are you sure, you want to append the selected data Backup with the existing data?",
         "Data has been restored, but " + notCopied, {"Current.txt", "Good.txt"}},
        {&Backup_Restore::Restore_Replace_Radio,
         "Are you sure, you want to replace the existing data with the selected data Backup?",
         "Data has been restored, but " + notCopied + (root ? "\n\nYour current files of the names not copied were kept: Current.txt." : ""),
         root ? QStringList{"Current.txt", "Good.txt"} : QStringList{"Good.txt"}},
    };
    for (const Case &k : cases) {
        responder->alerts.clear();
        responder->alertAnswers = {"Yes"};
        restoreFrom(k.how == &Backup_Restore::Restore_Replace_Radio ? source + "/" : source, b.*k.how);   // the backup folder itself
        EXPECT_EQ(messages(), QStringList({k.question, k.message}));
        EXPECT_EQ(seriesFiles(), k.files);
    }
    // A file others may write renamed over a listed one before the copy is not the file judged: named, and the user's
    // current file of its name kept.
    series("Good.txt", "current\n");
    platform::setFolderSwapStepHook([&](int step) {
        QFile planted(source + "/.planted");
        (void)(step == -1 && planted.open(QIODevice::WriteOnly) && planted.write("x") && planted.setPermissions(QFileDevice::Permissions(0x6666))
               && ::rename(QFile::encodeName(planted.fileName()).constData(), QFile::encodeName(source + "/Good.txt").constData()) == 0);
    });
    responder->alerts.clear(), responder->alertAnswers = {"Yes"};
    restoreFrom(source, b.Restore_Replace_Radio);
    platform::setFolderSwapStepHook(nullptr);
    EXPECT_TRUE(messages().value(1).contains("Fake%0AData has been restored successfully..txt, Good.txt.")) << messages().value(1).toStdString();
    EXPECT_TRUE(messages().value(1).endsWith(root ? "were kept: Current.txt, Good.txt." : "were kept: Good.txt."));
    QFile good(Data_Folder_Path + "/Good.txt");
    EXPECT_TRUE(good.open(QIODevice::ReadOnly) && good.readAll() == "current\n");
}

TEST_F(BackupWindow, ResetEmptiesTheStoreAndTheSeriesChoices)
{
    series("A.txt", "1\n2\n");
    BarcodeModeController &bm = c->barcodeMode();
    bm.Refresh_All_Series_Combobox();
    ASSERT_GT(bm.val_combo_list->count(), 1);
    responder->alertAnswers = {"No", "Yes"};
    bool stayedOpen = false;
    run([&] {
        pick(b.Reset_Radio);
        click(b.OK_btn);
        stayedOpen = b.isVisible() && b.result() != 1 && seriesFiles() == QStringList{"A.txt"};
        click(b.OK_btn);
    },
        c->toolbar_all.isEmpty() ? nullptr : [&]() -> QAction * {
            for (QAction *a : c->toolbar_all)
                if (a->objectName() == QLatin1String("Backup_Toolbar_Item"))
                    return a;
            return nullptr;
        }());
    EXPECT_EQ(opened, 1) << "the toolbar item opens the dialog";
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(seriesFiles().isEmpty());
    for (QComboBox *combo : {bm.val_combo_list, bm.hdr_combo_list, bm.ftr_combo_list, bm.val_combo_value,
                             bm.hdr_combo_value, bm.ftr_combo_value})
        EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(messages(), QStringList({"Do you want to reset to default data?", "Do you want to reset to default data?",
                                       "Data has been reset successfully."}));
}

TEST_F(BackupWindow, TheDesignsSeriesChoiceFollowsARestoreAndAReset)
{
    QComboBox *designSeries = sidebarOf(c->design()).Source_Series_List();
    ASSERT_NE(designSeries, nullptr);
    series("Alpha.txt", "a\n");
    backupTo(out.path());
    series("Beta.txt", "b\n");
    responder->alertAnswers = {"Yes"};
    restoreFrom(out.path(), b.Restore_Replace_Radio);
    ASSERT_EQ(seriesFiles(), QStringList{"Alpha.txt"});
    EXPECT_EQ(items(designSeries), QStringList{"Alpha"});
    responder->alertAnswers = {"Yes"};
    run([&] {
        pick(b.Reset_Radio);
        click(b.OK_btn);
    });
    EXPECT_EQ(designSeries->count(), 0);
}

TEST_F(BackupWindow, FailuresSaySoAndTheChoicesShowWhatIsThere)
{
    const QString source = out.filePath(series_backup::Backup_Folder_name);
    ASSERT_TRUE(QDir().mkpath(source + "/Sub"));   // no series file: no backup, refused before the question
    series("A.txt", QByteArray(4096, 'a'));
    run([&] {
        pick(b.Restore_Radio);
        pick(b.Restore_Append_Radio);
        browseRestore(source);
        click(b.OK_btn);
    });
    QFile big(out.filePath("r/") + series_backup::Backup_Folder_name + "/Big.txt");   // nor a restored copy
    ASSERT_TRUE(QDir().mkpath(QFileInfo(big).path()) && big.open(QIODevice::WriteOnly) && big.write(QByteArray(4096, 'b')));
    big.close();
    std::optional<seriestest::FileSizeLimit> limit(100);   // the copy of A cannot be written whole
    run([&] {
        browseBackup(out.filePath("elsewhere"));
        click(b.OK_btn);
    });
    responder->alertAnswers = {"Yes"};
    restoreFrom(out.filePath("r"), b.Restore_Replace_Radio);
    limit.reset();
    // The new backup taken from its name at the check: the old one, moved aside, and a staging folder left are said where.
    // (Two renames, as where the file system has no exchange: the old one is then under a name of its own.)
    responder->alertAnswers = {"Yes"};
    platform::setFolderExchangeAllowed(false);
    platform::setFolderSwapStepHook([&](int step) { (void)(step == 2 && QDir().rename(source, out.filePath("taken")) && QDir().mkdir(source)); });
    Backup_Restore::setOutcomeHook([](series_backup::Outcome &outcome) { outcome.keptStaging = "/left/here"; });
    backupTo(out.path());
    platform::setFolderSwapStepHook(nullptr), Backup_Restore::setOutcomeHook(nullptr), platform::setFolderExchangeAllowed(true);
    const QString old = out.filePath(QDir(out.path()).entryList({series_backup::Backup_Folder_name + " (old *"}, QDir::Dirs).value(0));
    // A staging copy that stayed where it could not be given a visible name: no "unchanged", and only where it stays.
    responder->alertAnswers = {"Yes"};
    Backup_Restore::setOutcomeHook([](series_backup::Outcome &outcome) {
        outcome.committed = false, outcome.keptOld.clear(), outcome.stagingStayed = true, outcome.hiddenIn = "/left";
    });
    backupTo(out.path());
    Backup_Restore::setOutcomeHook(nullptr);
    seriestest::Undeletable kept(Data_Folder_Path + "/A.txt");
    ASSERT_TRUE(kept.ok());
    responder->alertAnswers = {"Yes"};
    run([&] {
        pick(b.Reset_Radio);
        click(b.OK_btn);
    });
    EXPECT_EQ(messages(), QStringList({"Data could not be restored. The current data is unchanged.\n\n" + source + " holds no series file to restore.",
                                       "Backup could not be saved.\n\nNot copied A.txt: File too large",
                                       "Are you sure, you want to replace the existing data with the selected data Backup?",
                                       "Data could not be restored. The current data is unchanged.\n\nNot copied Big.txt: File too large",
                                       "Selected location already contains a backup folder.\n\nDo you want to replace it with new backup?",
                                       "Backup could not be saved. The previous backup is now " + old + ".\n\nCannot put the backup in place: "
                                           "QIRO_Barcode_Backup was replaced while it was being saved\n\nThe unfinished copy could not be removed: it was left as /left/here.",
                                       "Selected location already contains a backup folder.\n\nDo you want to replace it with new backup?",
                                       "Backup could not be saved.\n\nThe unfinished copy could not be removed, nor given a name you see: it stays hidden in /left.",
                                       "Do you want to reset to default data?",
                                       "Data could not be reset. Some of the current data is still there."}));
    EXPECT_TRUE(items(c->barcodeMode().val_combo_list).contains("A"));
}

// The program's data folder is private: made so, and narrowed at the start whatever its group, the user's own too.
TEST_F(BackupWindow, TheDataFolderIsPrivate)
{
    const QByteArray folder = QFile::encodeName(Created_Resource_Path);
    struct stat st {};
    EXPECT_TRUE(::stat(folder.constData(), &st) == 0 && (st.st_mode & 07777) == 0700);
    for (const gid_t group : {::getegid(), gid_t(65534)}) {
        if (::chown(folder.constData(), uid_t(-1), group) != 0)
            GTEST_SKIP() << "only root gives a folder to another group";
        ASSERT_EQ(::chmod(folder.constData(), group == 65534 ? 0775 : 0750), 0);
        Check_Path_And_Create_Files();
        EXPECT_TRUE(::stat(folder.constData(), &st) == 0 && (st.st_mode & 07777) == 0700) << group;
    }
}
