#include "output/Add_Print_Profile.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "core/PageSetupPanel.h"
#include "outputjobs/PrintProfileStore.h"
#include "platform/PrintDestination.h"
#include "platform/PrintInfo.h"

#include "ui_Add_Print_Profile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <exception>

const QString Add_Print_Profile::Default_Name_Message =
    QStringLiteral("This is a Default profile name.\n\nPlease enter another profile name.");

Add_Print_Profile *Add_Print_Profile::defaultInstance()
{
    static Add_Print_Profile *instance = new Add_Print_Profile;
    return instance;
}

Add_Print_Profile::Add_Print_Profile(QWidget *parent)
    : QDialog(parent)
{
    Ui::Add_Print_Profile ui;
    ui.setupUi(this);
    Printer_ComboBox = ui.Printer_ComboBox;
    Profile_name = ui.Profile_name;
    okButton = ui.OKPressed;
    cancelButton = ui.CancelPressed;
    connect(okButton, &QPushButton::clicked, this, &Add_Print_Profile::OKPressed);
    connect(cancelButton, &QPushButton::clicked, this, &Add_Print_Profile::CancelPressed);
    // "Default" edited under another name is saved as a profile of its own, which keeps a printer;
    // typed back, none again.
    connect(Profile_name, &QLineEdit::textChanged, this, [this](const QString &typed) {
        const bool none = pass_profile_name == printprofiles::Default_Name && Trim_Str(typed) == printprofiles::Default_Name;
        if (none == Printer_ComboBox->isEnabled())
            Fill_Printers(none ? printprofiles::Default_Name : QString());
    });
    Fill_Printers();
}

void Add_Print_Profile::Fill_Printers(const QString &profile)
{
    // The page setup's printer first offered (else the system's default), as the print dialog shows it.
    const bool none = profile == printprofiles::Default_Name;
    const QStringList printers = none ? QStringList() : platform::availablePrinterNames();
    Printer_ComboBox->clear();
    Printer_ComboBox->setEnabled(!none);
    Printer_ComboBox->setPlaceholderText(none ? QStringLiteral("None: \"Default\" keeps no printer") : QString());
    Printer_ComboBox->addItems(printers);
    if (Printer_ComboBox->count() > 0)
        Printer_ComboBox->setCurrentIndex(
            std::max(0, Printer_ComboBox->findText(platform::startingPrinter(printInfo ? printInfo->printerName : QString(), printers))));
}

void Add_Print_Profile::OKPressed()
{
    try {
        const QString printer = Trim_Str(Printer_ComboBox->currentText());
        if (printer.isEmpty() && Printer_ComboBox->isEnabled()) {
            Show_MessageBox(QStringLiteral("Please select printer."));
            return;
        }
        const QString typed = Trim_Str(Profile_name->text());
        if (typed.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please enter profile name."));
            return;
        }
        if (typed == printprofiles::Default_Name && pass_profile_name != printprofiles::Default_Name) {
            Show_MessageBox(Default_Name_Message);
            return;
        }
        const QString name = Trim_Str(Remove_Reserve_Char_In_File_Name(typed));
        if (name.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please enter valid profile name."));
            return;
        }
        custom_profile_Printer = printer;
        custom_print_profile_name = name;
        // The profile keeps the page layout set here, for the printer named here; Cancel there leaves
        // this dialog open.
        platform::PrintInfo info = printInfo ? *printInfo : platform::PrintInfo::sharedPrintInfo();
        if (!printer.isEmpty() && info.printerName != printer) {   // another printer's margins, or the PDF file's own
            QString moved;
            info = platform::forPrinter(info, printer, &moved);
            if (!moved.isEmpty())
                Show_MessageBox(moved);   // the panel then opens on the paper that printer takes
        }
        if (!Run_Page_Setup(info, this))
            return;
        if (printInfo)
            *printInfo = info;
        else
            printInfo = std::make_shared<platform::PrintInfo>(info);
        // The old profile's file goes only once the new one is written (the caller does both).
        done(1);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Add_Print_Profile::CancelPressed()
{
    Profile_name->clear();
    done(0);
}
