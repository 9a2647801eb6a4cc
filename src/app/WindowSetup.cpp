// The window set-up after the description is loaded.

#include "app/SKTWindowController.h"

#include "app/core/Globals.h"
#include "app/core/Messages.h"
#include "platform/Quit.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QTabWidget>

void SKTWindowController::awakeFromNib()
{
    form_is_loading = true;

    // The resource folder is only read, never created: a folder that cannot be reached ends the program.
    const QFileInfo resources(Resource_Path);
    if (Resource_Path.isEmpty() || !resources.isDir() || !resources.isReadable()) {
        Show_MessageBox(QStringLiteral("Can not access Data file."));
        platform::requestTerminate();
        return;
    }
    Data_Folder_Path = Created_Resource_Path + QStringLiteral("/DataSet");

    if (ONLY_STD_MODE && !ONLY_QR_MODE) {
        Barcode_mode_tab->removeTab(Barcode_mode_tab->indexOf(Barcode_ADV_QR_tab));
    } else if (ONLY_QR_MODE) {
        design_file_EXT = QStringLiteral("qlf");
        Barcode_mode_tab->setTabText(Barcode_mode_tab->indexOf(Barcode_ADV_QR_tab), QStringLiteral("Quick Mode"));
        Barcode_mode_tab->setTabText(Barcode_mode_tab->indexOf(Barcode_Design_tab), QStringLiteral("Designing Mode"));
        Barcode_mode_tab->removeTab(Barcode_mode_tab->indexOf(Barcode_setting_tab));
        const QString label = Barcode_mode_tab->tabText(Barcode_mode_tab->indexOf(Barcode_ADV_QR_tab));
        Barcode_mode_tab->removeTab(Barcode_mode_tab->indexOf(Barcode_ADV_QR_tab));
        Barcode_mode_tab->insertTab(0, Barcode_ADV_QR_tab, label);
    }

    New_Project_Setting_Reset(true);
    form_is_loading = false;
}
