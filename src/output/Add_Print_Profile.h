#pragma once
// The small modal dialog that names a new or edited print profile: its printer, its name, and the
// page layout it is saved with.

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;

class Add_Print_Profile : public QDialog {
    Q_OBJECT
public:
    // The one instance, made with its form on first use.
    static Add_Print_Profile *defaultInstance();

    QComboBox *Printer_ComboBox = nullptr;
    QLineEdit *Profile_name = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QString pass_profile_name;   // the profile being edited, empty for a new one

    // What OK accepted last, for the window that asked.
    QString custom_profile_Printer;
    QString custom_print_profile_name;

    // Lists the installed printers and selects the page setup's (else the default, else the first);
    // for "Default", which keeps no printer, offers none (again offered once another name is typed).
    void Fill_Printers(const QString &profile = QString());
    // Checks printer and name, runs the page layout panel (of the page setup as it is, where no
    // printer is offered) and ends the run with 1; each refusal shows its message and the dialog
    // stays open.
    void OKPressed();
    // Empties the name and ends the run with 0.
    void CancelPressed();

    static const QString Default_Name_Message;

private:
    explicit Add_Print_Profile(QWidget *parent = nullptr);
};
