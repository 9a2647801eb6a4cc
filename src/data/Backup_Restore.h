#pragma once
// The backup dialog: copies the series to a backup folder, brings a backup back (replacing the
// current series or added to them) or empties the series store.

#include <QDialog>

#include <functional>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SeriesUsersHost;
class ValueListHost;
namespace series_backup {
struct Outcome;
}

class Backup_Restore : public QDialog {
    Q_OBJECT
public:
    // The one backup dialog of the process, made on first use (Backup_Restore_Window).
    static Backup_Restore *defaultInstance();

    QRadioButton *Backup_Radio = nullptr;
    QRadioButton *Restore_Radio = nullptr;
    QRadioButton *Reset_Radio = nullptr;
    QGroupBox *backup_Box = nullptr;
    QGroupBox *retore_Box = nullptr;
    QGroupBox *reset_Box = nullptr;
    QLineEdit *Backup_Path = nullptr;    // filled by its browse button only
    QLineEdit *Restore_Path = nullptr;   // likewise
    QPushButton *Browse_backup_Path = nullptr;
    QPushButton *Browse_restore_Path = nullptr;
    QRadioButton *Restore_Replace_Radio = nullptr;
    QRadioButton *Restore_Append_Radio = nullptr;
    QPushButton *OK_btn = nullptr;
    QPushButton *Cancel_btn = nullptr;

    // Starts on Backup with empty paths and runs modally: 1 after an action ran, 0 after Cancel.
    // list and design, the users of the series, follow a restore or a reset.
    int Open_Backup_Restore_Wnd(ValueListHost &list, SeriesUsersHost &design);

    void Backup_Radio_Click();
    void Restore_Radio_Click();
    void Reset_Radio_Click();
    void Restore_Replace_Radio_Click();
    void Restore_Append_Radio_Click();
    void Browse_backup_Path_Click();
    void Browse_restore_Path_Click();
    // Runs the chosen action; a refusal or a No keeps the dialog open.
    void OK_Click();
    void Cancel_Click();

    // Tests: called with the outcome of each backup and restore before it is said.
    static void setOutcomeHook(std::function<void(series_backup::Outcome &)> hook);

private:
    Backup_Restore();
    void selectAction(QRadioButton *action);
    void backupAction();
    void restoreAction();
    void resetAction();
    // The main window after the series changed: the series choices refilled (or emptied) and the
    // batch state, symbol and sidebar brought up to date.
    void refreshMainWindow(bool emptied);
    ValueListHost *m_list = nullptr;        // while a run lasts
    SeriesUsersHost *m_design = nullptr;
};
