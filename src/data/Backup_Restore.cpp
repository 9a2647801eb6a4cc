#include "data/Backup_Restore.h"

#include "core/Messages.h"
#include "core/Utilities.h"
#include "data/SeriesToolsHost.h"
#include "data/SeriesUsersHost.h"
#include "data/ValueListHost.h"
#include "io/SeriesBackup.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

#include "ui_Backup_Restore.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <exception>
#include <functional>

namespace {

const QString kSelectBackup = QStringLiteral("Please select backup folder.");
const QString kSelectRestore = QStringLiteral("Please select backup folder to restore data.");

void logReasons(const series_backup::Outcome &outcome)
{
    for (const QString &reason : outcome.reasons)
        Show_NSLog_Message(reason);
}

const QString kBackupFailed = QStringLiteral("Backup could not be saved.");
const QString kRestoreFailed = QStringLiteral("Data could not be restored.");
const QString kNotRestored = kRestoreFailed + QStringLiteral(" The current data is unchanged.");
const QString kNotSaved = kBackupFailed + QStringLiteral(" The previous backup is unchanged.");

std::function<void(series_backup::Outcome &)> outcomeHook;   // tests

// What a failed backup or restore says first: that what it would have replaced is unchanged, unless
// it was moved (then where it is), a staging folder or anything else was left beside it, or no backup
// was there.
QString notDone(const series_backup::Outcome &outcome, bool backup)
{
    if (!outcome.keptOld.isEmpty())
        return (backup ? kBackupFailed + QStringLiteral(" The previous backup is now %1.")
                       : kRestoreFailed + QStringLiteral(" The current data is now in %1."))
            .arg(outcome.keptOld);
    if (outcome.stagingStayed || !outcome.hiddenIn.isEmpty() || (backup && !outcome.replacing))
        return backup ? kBackupFailed : kRestoreFailed;
    return backup ? kNotSaved : kNotRestored;
}

QString notCopiedMessage(const series_backup::Outcome &outcome)
{
    return QStringLiteral("Data has been restored, but %1 of %2 files were not copied.")
        .arg(std::min(outcome.notCopied(), outcome.total))
        .arg(outcome.total);
}

// What a restore adds of the files it left as another's where others may write the backup folder,
// or as files others may write, and of the current files it kept in place of those not copied.
QString notYours(const series_backup::Outcome &outcome, const QString &source)
{
    QString said;
    if (!outcome.notOwn.isEmpty())
        said += QStringLiteral("\n\nThese files in %1 were not restored, as others may have written them: %2.")
                    .arg(source, outcome.notOwn.join(QStringLiteral(", ")));
    if (!outcome.keptCurrent.isEmpty())
        said += QStringLiteral("\n\nYour current files of the names not copied were kept: %1.")
                    .arg(outcome.keptCurrent.join(QStringLiteral(", ")));
    return said;
}

// What a message adds of the folder a backup or a restore replaced that had to stay (a failure has
// said where), of what was left beside it, and of a new folder not known to be on the disk (what
// names it).
QString aftermath(const series_backup::Outcome &outcome, const QString &what, bool several)
{
    QString said;
    if (outcome.committed && !outcome.keptOld.isEmpty())
        said += QStringLiteral("\n\nThe folder it replaced was kept as %1.").arg(outcome.keptOld);
    if (!outcome.keptStaging.isEmpty())
        said += QStringLiteral("\n\nThe unfinished copy could not be removed: it was left as %1.").arg(outcome.keptStaging);
    for (const QString &other : outcome.keptOther)
        said += QStringLiteral("\n\nWhat took its place meanwhile was kept as %1.").arg(other);
    for (const QString &earlier : outcome.keptEarlier)
        said += QStringLiteral("\n\nA folder an interrupted backup or restore left there was kept as %1.").arg(earlier);
    // Never where another may have put it: only that it stays, and in which folder.
    if (!outcome.hiddenIn.isEmpty())
        said += (outcome.stagingStayed && outcome.keptStaging.isEmpty()
                     ? QStringLiteral("\n\nThe unfinished copy could not be removed, nor given a name you see: it stays hidden in %1.")
                     : QStringLiteral("\n\nA folder it met could not be given a name you see: it stays hidden in %1."))
                    .arg(outcome.hiddenIn);
    if (!outcome.unsynced.isEmpty())
        said += QStringLiteral("\n\n") + platform::unsyncedWarning(what, outcome.unsynced, several);
    return said;
}

// What a restore says first: done, done but for what was not copied, or not done (and why, when the
// backup folder holds no series file).
QString firstWords(const series_backup::Outcome &outcome, const QString &done)
{
    if (!outcome.committed)
        return notDone(outcome, false) + (outcome.noSeries ? QStringLiteral("\n\n") + outcome.reasons.last() : QString())
               + (outcome.stoppedBy.isEmpty() ? QString() : QStringLiteral("\n\n") + outcome.stoppedBy);
    return outcome.notCopied() > 0 ? notCopiedMessage(outcome) : done;
}

} // namespace

void Backup_Restore::setOutcomeHook(std::function<void(series_backup::Outcome &)> hook) { outcomeHook = std::move(hook); }

Backup_Restore *Backup_Restore::defaultInstance()
{
    static Backup_Restore *instance = nullptr;
    if (!instance)
        instance = new Backup_Restore;   // lives for the whole process
    return instance;
}

Backup_Restore::Backup_Restore()
{
    Ui::Backup_Restore ui;
    ui.setupUi(this);
    Backup_Radio = ui.Backup_Radio;
    Restore_Radio = ui.Restore_Radio;
    Reset_Radio = ui.Reset_Radio;
    backup_Box = ui.backup_Box;
    retore_Box = ui.retore_Box;
    reset_Box = ui.reset_Box;
    Backup_Path = ui.Backup_Path;
    Restore_Path = ui.Restore_Path;
    Browse_backup_Path = ui.Browse_backup_Path;
    Browse_restore_Path = ui.Browse_restore_Path;
    Restore_Replace_Radio = ui.Restore_Replace_Radio;
    Restore_Append_Radio = ui.Restore_Append_Radio;
    OK_btn = ui.OK_btn;
    Cancel_btn = ui.Cancel_btn;
    connect(Backup_Radio, &QRadioButton::clicked, this, &Backup_Restore::Backup_Radio_Click);
    connect(Restore_Radio, &QRadioButton::clicked, this, &Backup_Restore::Restore_Radio_Click);
    connect(Reset_Radio, &QRadioButton::clicked, this, &Backup_Restore::Reset_Radio_Click);
    connect(Restore_Replace_Radio, &QRadioButton::clicked, this, &Backup_Restore::Restore_Replace_Radio_Click);
    connect(Restore_Append_Radio, &QRadioButton::clicked, this, &Backup_Restore::Restore_Append_Radio_Click);
    connect(Browse_backup_Path, &QPushButton::clicked, this, &Backup_Restore::Browse_backup_Path_Click);
    connect(Browse_restore_Path, &QPushButton::clicked, this, &Backup_Restore::Browse_restore_Path_Click);
    connect(OK_btn, &QPushButton::clicked, this, &Backup_Restore::OK_Click);
    connect(Cancel_btn, &QPushButton::clicked, this, &Backup_Restore::Cancel_Click);
}

int Backup_Restore::Open_Backup_Restore_Wnd(ValueListHost &list, SeriesUsersHost &design)
{
    selectAction(Backup_Radio);
    Backup_Path->clear();
    Restore_Path->clear();
    setResult(0);   // a refusal leaves the run going: no result of an earlier run stands for it
    m_list = &list;
    m_design = &design;
    const int code = platform::runModal(*this);
    m_list = nullptr;
    m_design = nullptr;
    hide();
    return code == 1 ? 1 : 0;
}

void Backup_Restore::selectAction(QRadioButton *action)
{
    const std::pair<QRadioButton *, QGroupBox *> actions[] = {
        {Backup_Radio, backup_Box}, {Restore_Radio, retore_Box}, {Reset_Radio, reset_Box}};
    for (const auto &[radio, box] : actions) {
        radio->setChecked(radio == action);
        SetObjEnabled(box, radio == action);
    }
    OK_btn->setText(action->text());
}

void Backup_Restore::Backup_Radio_Click() { selectAction(Backup_Radio); }
void Backup_Restore::Restore_Radio_Click() { selectAction(Restore_Radio); }
void Backup_Restore::Reset_Radio_Click() { selectAction(Reset_Radio); }

void Backup_Restore::Restore_Replace_Radio_Click()
{
    Restore_Replace_Radio->setChecked(true);
    Restore_Append_Radio->setChecked(false);
}

void Backup_Restore::Restore_Append_Radio_Click()
{
    Restore_Append_Radio->setChecked(true);
    Restore_Replace_Radio->setChecked(false);
}

void Backup_Restore::Browse_backup_Path_Click()
{
    platform::OpenPanelRequest request;
    request.canChooseFiles = false;
    request.canChooseDirectories = true;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (!chosen.isEmpty())
        Backup_Path->setText(QDir(chosen.first()).filePath(series_backup::Backup_Folder_name));
}

void Backup_Restore::Browse_restore_Path_Click()
{
    platform::OpenPanelRequest request;
    request.canChooseFiles = false;
    request.canChooseDirectories = true;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (!chosen.isEmpty())
        Restore_Path->setText(chosen.first());
}

void Backup_Restore::OK_Click()
{
    try {
        if (Backup_Radio->isChecked())
            backupAction();
        else if (Restore_Radio->isChecked())
            restoreAction();
        else if (Reset_Radio->isChecked())
            resetAction();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

void Backup_Restore::Cancel_Click() { done(0); }

void Backup_Restore::backupAction()
{
    const QString path = Trim_Str(Backup_Path->text());
    QString refusal;
    const series_backup::BackupTarget target =
        path.isEmpty() ? series_backup::BackupTarget::NotABackupPath : series_backup::backupTarget(path, &refusal);
    if (target == series_backup::BackupTarget::NotABackupPath) {
        Show_MessageBox(kSelectBackup);
        return;
    }
    // A link in the way that is not followed: nothing is asked, and the dialog stays open.
    if (target == series_backup::BackupTarget::Refused) {
        Show_MessageBox(kBackupFailed + QStringLiteral("\n\n") + refusal);
        return;
    }
    if (target == series_backup::BackupTarget::Existing
        && Show_YES_NO_MessageBox(QStringLiteral("Selected location already contains a backup folder.\n\n"
                                                 "Do you want to replace it with new backup?")) != 1)
        return;
    series_backup::Outcome outcome = series_backup::backup(path);
    if (outcomeHook)
        outcomeHook(outcome);
    logReasons(outcome);
    // A failure says why, as the log has it: the first entry that stopped the backup.
    const QString why = !outcome.stoppedBy.isEmpty() ? QStringLiteral("\n\n") + outcome.stoppedBy
                        : outcome.reasons.isEmpty() ? QString()
                                                    : QStringLiteral("\n\n") + outcome.reasons.first();
    Show_MessageBox((outcome.committed ? QStringLiteral("Backup has been saved successfully.") : notDone(outcome, true) + why)
                    + aftermath(outcome, path, false));
    done(1);
}

void Backup_Restore::restoreAction()
{
    const QString path = Trim_Str(Restore_Path->text());
    QString refusal;
    const std::optional<QString> source = series_backup::restoreSource(path, &refusal);
    if (!source) {
        Show_MessageBox(refusal.isEmpty() ? kSelectRestore : kNotRestored + QStringLiteral("\n\n") + refusal);
        return;
    }
    QString message = QStringLiteral("Data has been restored successfully.");
    if (Restore_Replace_Radio->isChecked()) {
        if (Show_YES_NO_MessageBox(
                QStringLiteral("Are you sure, you want to replace the existing data with the selected data Backup?")) != 1)
            return;
        series_backup::Outcome outcome = series_backup::restoreReplace(*source);
        if (outcomeHook)
            outcomeHook(outcome);
        logReasons(outcome);
        message = firstWords(outcome, message) + notYours(outcome, *source) + aftermath(outcome, QStringLiteral("The restored series"), true);
    } else if (Restore_Append_Radio->isChecked()) {
        if (Show_YES_NO_MessageBox(
                QStringLiteral("Are you sure, you want to append the selected data Backup with the existing data?")) != 1)
            return;
        const series_backup::Outcome outcome = series_backup::restoreAppend(*source, [](const QString &target) {
            const SeriesToolsHost *tools = SeriesToolsHost::current();
            return tools ? tools->Check_Exist_Path_and_Create_New(target, 1) : QString();
        });
        logReasons(outcome);
        message = firstWords(outcome, message) + notYours(outcome, *source);
    }
    refreshMainWindow(false);
    Show_MessageBox(message);
    done(1);
}

void Backup_Restore::resetAction()
{
    if (Show_YES_NO_MessageBox(QStringLiteral("\nDo you want to reset to default data?")) != 1)
        return;
    QString reason;
    const bool emptied = series_backup::reset(&reason);
    if (!emptied)
        Show_NSLog_Message(reason);
    // The combos show what is there: emptied, or refilled from the series that stayed.
    refreshMainWindow(emptied);
    Show_MessageBox(emptied ? QStringLiteral("Data has been reset successfully.")
                            : QStringLiteral("Data could not be reset. Some of the current data is still there."));
    done(1);
}

void Backup_Restore::refreshMainWindow(bool emptied)
{
    if (!m_list || !m_design)
        return;
    try {
        m_list->Series_Folder_Changed(emptied);
        m_design->Series_Folder_Changed(emptied);
        m_design->Check_Series_Or_Excel_Use_or_not();
        if (!emptied)
            m_list->goButtonActionPerformed();
        m_design->Show_Card_Properties();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
