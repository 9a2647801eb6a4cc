// The wizard's other ways to start: the size of a printer's paper, a project file opened from the
// wizard, and (QR edition) a template from the gallery.

#include "projects/Card_Wizard.h"

#include "core/Globals.h"
#include "core/Mode.h"
#include "core/PageSetupPanel.h"
#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "imagetools/ImageBrowserModel.h"
#include "platform/Dialogs.h"
#include "platform/PrintInfo.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"
#include "projects/ProjectsController.h"
#include "projects/ProjectsSources.h"
#include "projects/TemplateGallery.h"

#include <QButtonGroup>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include <exception>

void Card_Wizard::Page_From_Printer_Click()
{
    try {
        const platform::PrintInfo *shared = projects.host().getPrintInfo();
        platform::PrintInfo changed = shared ? *shared : platform::PrintInfo::sharedPrintInfo();
        if (!Run_Page_Setup(changed, this))
            return;
        projects.host().setPrintInfo(changed);
        // The paper in millimetres as the page size defines it: Qt keeps its sizes in points as
        // whole numbers, which would make A4 209.9 mm wide.
        const QRectF paper = changed.pageLayout.fullRect(QPageLayout::Millimeter);
        const double widthMM = paper.width();
        const double heightMM = paper.height();
        width_Stepper->setDoubleValue(widthMM);
        height_Stepper->setDoubleValue(heightMM);
        platform::showNumber(width_Text, widthMM, platform::PairFormat::TwoDecimals);
        platform::showNumber(height_Text, heightMM, platform::PairFormat::TwoDecimals);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Card_Wizard::Open_Log_btn_Click()
{
    try {
        Start_Card_Option = QStringLiteral("L");
        const int result = projects.Open_Log_File();
        DesignProjects &dsg = projects.design();
        if (Barcode_Setting_Or_Designing_Mode != 0) {
            dsg.Apply_Size_Clicked();
            projects.Start_Design_Undo_Base();
            if (result != 1)
                return;   // nothing was opened: the wizard stays
            Wizard_ok = QStringLiteral("LOG");
            dsg.Show_Card_Info_Tab();
            dsg.Show_RHS_Properties(nullptr);
            done(1);
            return;
        }
        // The file held barcode settings: the Barcode mode shows them.
        projects.host().Show_Hide_Main_Window(true);
        done(1);
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

// ---- Template gallery ----

void Card_Wizard::template_radio_btn_Click() { Show_Template_Mode_Control(); }
void Card_Wizard::blank_radio_btn_Click() { Show_Wizard_Mode_Control(); }

void Card_Wizard::Show_Template_Mode_Control()
{
    template_radio_btn->setChecked(true);
    blank_radio_btn->setChecked(false);
    wizard_pages->setCurrentIndex(2);
    Select_Template_OK_Btn->setVisible(true);
    Back_btn->setVisible(false);
    Next_btn->setVisible(false);
    open_log_btn->setVisible(false);
}

void Card_Wizard::Show_Wizard_Mode_Control()
{
    template_radio_btn->setChecked(false);
    blank_radio_btn->setChecked(true);
    Select_Template_OK_Btn->setVisible(false);
    Back_btn->setVisible(true);
    Next_btn->setVisible(true);
    wizard_pages->setCurrentIndex(0);
    Back_btn->setEnabled(false);
    Next_btn->setText(QStringLiteral("Next"));
    next_count = 0;
    open_log_btn->setVisible(true);
}

int Card_Wizard::selectedCategoryColumn() const { return std::max(0, temp_type_matrix->checkedId()); }

void Card_Wizard::temp_type_matrix_CellClick(int column)
{
    if (temp_type_matrix->button(column))
        temp_type_matrix->button(column)->setChecked(true);
    Delete_UD_Temp_Btn->setVisible(column == 6);
    Sel_Template_Category = templategallery::Category_Of_Column(column).code;
    if (column == 6)
        Fill_Templates_User_Defined();
    else
        Fill_Templates();
}

namespace {
void replaceItems(ImageBrowserModel &model, const QList<MyImageObject> &items)
{
    model.removeAllImages();
    for (const MyImageObject &item : items)
        model.addImageWithPath(item.path, item.name, item.uid);
}
} // namespace

void Card_Wizard::Fill_Templates()
{
    const templategallery::Category category = templategallery::Category_Of_Column(selectedCategoryColumn());
    Sel_Template_Category = category.code;
    if (category.code == QLatin1String("U")) {
        Fill_Templates_User_Defined();
        return;
    }
    const QString base = Resource_Path + QStringLiteral("/Templates/AllType");
    const QString regenerated = Created_Resource_Path + QStringLiteral("/Templates/AllType");
    const std::optional<QList<MyImageObject>> found =
        category.code == QLatin1String("A") ? templategallery::All_Templates(base, regenerated)
                                            : templategallery::Category_Templates(base, category.folder, regenerated);
    if (found)
        replaceItems(*images, *found);   // a missing folder leaves the gallery as it was
    if (images->numberOfItemsInImageBrowser() > 0)
        selectTemplate(0);
}

void Card_Wizard::Fill_Templates_User_Defined()
{
    sel_temp_path->clear();
    const std::optional<QList<MyImageObject>> found =
        templategallery::User_Templates(Created_Resource_Path + QStringLiteral("/Templates/User"), User_Defined_File);
    if (found)
        replaceItems(*images, *found);
    if (images->numberOfItemsInImageBrowser() > 0)
        selectTemplate(0);
    else
        Selected_Template_Path = QStringLiteral("");
}

void Card_Wizard::selectTemplate(int row)
{
    imageBrowser->selectionModel()->select(images->index(row), QItemSelectionModel::ClearAndSelect);
    imageBrowserSelectionDidChange();   // also when the same row stays selected
}

void Card_Wizard::imageBrowserSelectionDidChange()
{
    const QModelIndexList selected = imageBrowser->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    const MyImageObject &item = images->imageBrowser_itemAtIndex(selected.first().row());
    Selected_Template_Path = templategallery::Design_Path_Of(item.path, Resource_Path + QStringLiteral("/Templates/AllType"),
                                                             Created_Resource_Path + QStringLiteral("/Templates/AllType"));
    QString shown = Selected_Template_Path;
    if (!Resource_Path.isEmpty() && shown.startsWith(Resource_Path))
        shown = shown.mid(Resource_Path.size());
    sel_temp_path->setText(shown);
}

void Card_Wizard::Delete_UD_Temp_Btn_Click()
{
    try {
        // Only a template of the user's own folder may go: when that folder is missing the gallery
        // still shows the shipped ones.
        const QString userFolder =
            QFileInfo(Created_Resource_Path + QStringLiteral("/Templates/User")).canonicalFilePath();
        const QString chosenFolder = QFileInfo(Selected_Template_Path).canonicalPath();
        if (Selected_Template_Path.isEmpty() || !QFileInfo::exists(Selected_Template_Path) || userFolder.isEmpty()
            || chosenFolder != userFolder) {
            Show_MessageBox(QStringLiteral("Please select template."));
            return;
        }
        if (Show_YES_NO_MessageBox(QStringLiteral("Do you want to delete this template?")) != 1)
            return;
        QFile::remove(templategallery::With_Extension(Selected_Template_Path, design_file_EXT));
        QFile::remove(templategallery::With_Extension(Selected_Template_Path, QStringLiteral("png")));
        Fill_Templates_User_Defined();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Card_Wizard::Select_Template_OK_Btn_Click() { done(1); }
