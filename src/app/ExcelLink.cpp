// Linking a workbook to the design and viewing its rows, and the window controller's small checks:
// one picture selected, a folder exists, the keyboard focus.

#include "app/SKTWindowController.h"

#include "barcodemode/Barcode_Gen.h"
#include "core/FileServices.h"
#include "design/DesignParts.h"
#include "design/DesignSelection.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "data/Import_Excel.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "model/SKTGraphic.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QUrl>

#include <exception>

namespace {

const QString kReplaceWorkbookQuestion = QStringLiteral(
    "You have already selected the Excel file data for your Label.\n"
    "Browsing the new Excel will discard the selections of fields from previous Excel.\n\n"
    "Do you want to continue with new Excel file?");

} // namespace

void SKTWindowController::Browse_excel_Btn_Clicked(QObject *)
{
    RecordBinding &records = recordsOf(design());
    PropertySidebar &sidebar = sidebarOf(design());
    // The user picks one .xlsx file.
    platform::OpenPanelRequest request;
    request.extensions = {QStringLiteral("xlsx"), QStringLiteral("XLSX")};
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = false;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (chosen.isEmpty())
        return;
    // A path that fails validation has been reported already.
    const QString path = Convert_Path_From_URL(QUrl::fromLocalFile(chosen.first()));
    if (Check_And_Validate_File_Path(path))
        return;
    // A design with workbook rows asks before its workbook is replaced.
    if (records.Calculate_Excel_table_rows() > 0 && Show_YES_NO_MessageBox(kReplaceWorkbookQuestion) != 1)
        return;
    // The import window reads the workbook; Cancel there changes nothing.
    Import_Excel *import = Import_Excel::defaultInstance();
    import->open_mode = QStringLiteral("E");
    if (import->Open_excel_Wnd(path) != 1)
        return;
    QComboBox *windowCombo = barcodeGen().Data_source_type;
    // A workbook without rows unlinks the design.
    if (records.Calculate_Excel_table_rows() == 0) {
        records.Remove_Excel_Col_Name_In_Combo(sidebar.Source_Type_List());
        records.Remove_Excel_Col_Name_In_Combo(windowCombo);
        sidebar.Show_Excel_Link(false);
        sidebar.Show_RHS_Properties(nullptr);
        return;
    }
    // The old workbook's columns are no longer bound, but for objects that keep theirs.
    try {
        for (const std::shared_ptr<SKTGraphic> &g : selectionOf(design()).Get_Front_Controls_Array()) {
            const SKTGraphicClass kind = g->graphicClass();
            if (kind != SKTGraphicClass::Image && kind != SKTGraphicClass::Text && kind != SKTGraphicClass::Barcode)
                continue;
            if (g->data_source_type != 2 || g->control_ID.contains(QStringLiteral("Fup_")))
                continue;
            g->Set_Data_source_type(0);
            g->Set_Excel_binding(false);
            g->Set_Excel_binding_Index(-1);
            g->Set_Batch_List_Index(-1);
            g->Set_Batch_List_Name(QStringLiteral(""));
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    records.Check_Series_Or_Excel_Use_or_not();   // the record list without the old rows
    // The new workbook's path and columns, and the design linked to it.
    sidebar.Show_Excel_Path(path);
    records.Add_Excel_Col_Name_In_Combo(sidebar.Source_Type_List());
    records.Add_Excel_Col_Name_In_Combo(windowCombo);
    sidebar.Show_Excel_Link(true);
    Excel_Binding_Use = true;
    Excel_Source_Path = path;
    sidebar.Show_RHS_Properties(nullptr);
}

void SKTWindowController::View_Excel_Btn_Clicked(QObject *)
{
    try {
        if (recordsOf(design()).Calculate_Excel_table_rows() > 0)
            recordsOf(design()).Open_Excel_Data_Box();
        else
            Show_MessageBox(QStringLiteral("There is no excel data to view."));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

bool SKTWindowController::Check_Multiple_Image_Selection(const QString &verb)
{
    try {
        int pictures = 0;
        for (const std::shared_ptr<SKTGraphic> &g : selectionOf(design()).Selected_Graphic_Objects())
            if (g && g->graphicClass() == SKTGraphicClass::Image && ++pictures >= 2)
                break;
        if (pictures < 2)
            return false;
        Show_MessageBox(QStringLiteral("Please select only one image control to '%1 Image'.").arg(verb));
        return true;
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
        return false;
    }
}

bool SKTWindowController::Check_Dir_Is_Exist(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isDir();
}
