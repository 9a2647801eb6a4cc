// The design section of project files on the projects part: the writer with its save panel, the
// recognition of a file of either section, and the reader, which parses the whole file before it
// changes anything of the window.

#include "projects/ProjectsController.h"

#include "core/Globals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/FileServices.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/DesignSnapshot.h"
#include "model/SKTDocument.h"
#include "model/SKTImage.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Plist.h"
#include "platform/SavedFolder.h"
#include "platform/Stepper.h"
#include "model/Card_Property.h"
#include "platform/UserFiles.h"
#include "projects/ProjectFileDesign.h"
#include "projects/ProjectFilePanels.h"
#include "projects/ProjectsSources.h"
#include "ui_SaveAccessory.h"

#include <QFileInfo>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <QPlainTextEdit>
#include <QUrl>

using platform::PlistValue;

namespace {

// Undo registration and the fill flag back as they were, whatever way the reader ends.
struct ReaderExit {
    SKTDocument *document;
    ~ReaderExit()
    {
        if (document)
            document->Enable_Disable_Undo_Registraion(true);
        Not_Draw_Only_Prop_Change = false;
    }
};

} // namespace

QString ProjectsController::Run_Project_Save_Panel()
{
    if (!save_accessory_view) {
        save_accessory_view = new QWidget(host().builtWindow());
        Ui::SaveAccessory form;
        form.setupUi(save_accessory_view);
        save_ext_combo = form.save_ext_combo;
        save_accessory_view->hide();
        if (!host().builtWindow())
            connect(this, &QObject::destroyed, [view = save_accessory_view] { delete view; });
    }
    save_ext_combo->clear();
    save_ext_combo->addItem(design_file_EXT);
    save_ext_combo->setCurrentIndex(0);
    platform::SavePanelRequest request;
    request.extensions = {design_file_EXT};
    request.accessory = save_accessory_view;
    const QString path = platform::dialogResponder().savePanel(request);
    if (path.isEmpty())
        return {};
    if (QWidget *window = host().builtWindow()) {
        window->raise();
        window->activateWindow();
    }
    return Convert_Path_From_URL(QUrl::fromLocalFile(path));
}

bool ProjectsController::Save_project_file(bool save_as, bool show_msg, const QString &log_or_template)
{
    const QString remembered = Project_File_Name;
    int built = 0;
    try {
        const QString document = QStringLiteral("Barcode Label Design");
        platform::SaveFolder folder;
        if (!projectfile::chooseSaveFolder(Project_File_Name, save_as, designFolder, document,
                                           [this] { return Run_Project_Save_Panel(); }, &folder))
            return false;
        DesignProjects &dsg = design();
        Card_Property &card = *dsg.Front_card_Prop();
        const bool isTemplate = log_or_template == QLatin1String("T");
        projectfile::DesignSection section;
        section.startOption = isTemplate ? QStringLiteral("T") : Start_Card_Option;
        card.Card_Side = QString::number(1);
        if (card.Card_fill_style != QLatin1String("I"))
            card.Card_BG_Image_Path = QStringLiteral("");
        section.card = card;
        section.excelBinding = Excel_Binding_Use;
        section.excelPath = Excel_Source_Path;
        if (!isTemplate) {
            section.columnTitles = QStringList{QStringLiteral("Row")} + dsg.Linked_Sheet_Column_Titles();
            section.rows = dsg.Linked_Sheet_Keyed_Rows();
        }
        const SKTGraphicList objects = host().document() ? host().document()->graphics() : SKTGraphicList();
        section.objectCount = objects.size();
        built = projectfile::kDesignElements;
        for (const std::shared_ptr<SKTGraphic> &object : objects) {
            if (isTemplate) {
                object->Set_Data_source_type(0);
                object->Set_Excel_binding(false);
                object->Set_Excel_binding_Index(-1);
                object->Set_Batch_List_Index(-1);
                object->Set_Batch_List_Name(QStringLiteral(""));
                object->Set_Hdr_Batch_List_Index(-1);
                object->Set_Hdr_Batch_List_Name(QStringLiteral(""));
                object->Set_Ftr_Batch_List_Index(-1);
                object->Set_Ftr_Batch_List_Name(QStringLiteral(""));
            }
            PlistValue array = Get_Control_Prop_To_Array(*object);
            if (array.items().empty()) {
                Show_NSLog_Message(QStringLiteral("An object of class %1 could not be written.").arg(object->className()));
                continue;
            }
            section.objects.push_back(std::move(array));
            ++built;
        }
        // Written whole beside the old file and put in its place, so a failed save keeps the old one;
        // into the very folder chosen or checked.
        QString reason = folder.error, unsynced;
        const bool written = folder.folder.fd >= 0
                             && platform::writePlistFile(folder.name, projectfile::designSectionArray(section),
                                                         platform::PlistFormat::Xml, &reason, &unsynced, folder.folder.fd,
                                                         folder.shown);
        if (!written) {
            // The file named once, whatever the reason names (a refused link names itself).
            const QString file = Project_File_Name;
            Project_File_Name = remembered;
            Show_MessageBox(QStringLiteral("%1 could not be saved.\n%2: %3")
                                .arg(document, QFileInfo(file).fileName(), platform::reasonFor(file, reason)));
            return false;
        }
        // A template leaves the design's own file and folder as they were.
        if (!isTemplate)
            designFolder = platform::savedFolder(Project_File_Name, folder);
        host().Set_Des_Mode_Save_Flag_False();
        // Saved all the same when the folder's sync failed: the file holds the new design. Said
        // even to a quiet save, as it may not outlast a power cut.
        if (!unsynced.isEmpty())
            Show_MessageBox(platform::unsyncedWarning(document, unsynced));
        if (!show_msg)
            return true;
        if (unsynced.isEmpty())
            Show_MessageBox(QStringLiteral("Barcode Label Design has been saved successfully."));
        Set_Log_Name_In_Title();
        return true;
    } catch (const std::exception &e) {
        Project_File_Name = remembered;
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Show_MessageBox(QStringLiteral("%1 -- %2").arg(built).arg(QString::fromUtf8(e.what())));
        return false;
    }
}

int ProjectsController::Read_and_load_design_Log_NEW_METHOD(const QString &path, const QString &log_or_template,
                                                            bool read_xl_from_log)
{
    // Recognition. A file that is no property-list array says so, rather than nothing at all.
    const std::optional<PlistValue> root = projectfile::readProjectFile(path);
    const projectfile::Section section = root ? projectfile::sectionOf(*root) : projectfile::Section::Unknown;
    if (section == projectfile::Section::Unknown) {
        Show_MessageBox(projectfile::kCorruptFileMessage);
        return 0;
    }
    if (section == projectfile::Section::Barcode) {
        if (ONLY_QR_MODE) {
            Show_MessageBox(projectfile::kCorruptFileMessage);
            return 0;
        }
        if (!Load_Barcode_Section(path, *root))
            return 0;
        host().Barcode_Mode_Select();
        barcodeMode().goButtonActionPerformed();
        host().Set_Barcode_Mode_Save_Flag_False();
        return 1;
    }

    projectfile::DesignSection file;
    try {
        file = projectfile::parseDesignSection(*root);
    } catch (const projectfile::FileError &e) {
        Show_NSLog_Message(e.reason());
        Show_MessageBox(QStringLiteral("%1 - \n%2").arg(e.index()).arg(e.reason()));
        return 0;
    }

    DesignProjects &dsg = design();
    SKTDocument *document = host().document();
    ReaderExit exit{document};
    try {
        New_Project_Setting_Reset(true);
        if (file.startOption == QLatin1String("G") && Start_Card_Option != QLatin1String("G"))
            Start_Card_Option = QStringLiteral("L");
        else if (Start_Card_Option != QLatin1String("G"))
            Start_Card_Option = file.startOption;
        New_Project_Setting_Reset(true);
        dsg.Remove_All_Tab_Items();
        dsg.delete_all_control();
        Project_File_Name = log_or_template == QLatin1String("L") ? path : QStringLiteral("");
        designFolder = platform::openedFrom(Project_File_Name);
        Not_Draw_Only_Prop_Change = true;

        // The card, as one front side.
        Card_Property &card = *dsg.Front_card_Prop();
        const QImage keptImage = card.Card_BG_Image;
        card = file.card;
        card.Card_BG_Image = keptImage;
        if (card.Card_Side == QLatin1String("1")) {
            dsg.Select_front_side();
            dsg.Disable_Back_Side_Buttons();
        }
        dsg.SetDocumentCanvasSize(card.Card_Size);
        dsg.Show_Stored_Card_Size(card.Card_Size);
        dsg.Select_Label_Stock(card.Card_Preset, card.Card_Category);
        card.Card_BG_Image_Path = Check_Path_For_App_Resources(card.Card_BG_Image_Path);

        // The spreadsheet link.
        if (read_xl_from_log) {
            Excel_Binding_Use = file.excelBinding;
            if (Excel_Binding_Use) {
                dsg.Add_Excel_Col_Name_In_Combo();
                host().Add_Excel_Col_Name_In_Combo();
            } else {
                dsg.Remove_Excel_Col_Name_In_Combo();
                host().Remove_Excel_Col_Name_In_Combo();
            }
            dsg.Show_Excel_Link(Excel_Binding_Use);
            Excel_Source_Path = file.excelPath;
            dsg.Show_Excel_Path(Excel_Source_Path);
            // Title 0 is the viewer's own first column.
            if (!file.columnTitles.isEmpty())
                dsg.Set_Linked_Sheet_Column_Titles(file.columnTitles.mid(1));
            dsg.Set_Linked_Sheet_Keyed_Rows(file.rows);
        }

        // The objects, in file order; an array that yields no object is left out.
        if (document)
            document->Enable_Disable_Undo_Registraion(false);
        SKTGraphicList objects;
        for (const PlistValue &array : file.objects) {
            std::shared_ptr<SKTGraphic> object = Create_Control_From_Array(array);
            if (!object)
                continue;
            if (auto *picture = graphic_cast<SKTImage>(object.get()))
                picture->setFilePath(picture->_file_path);
            objects.append(std::move(object));
        }
        if (document && !objects.isEmpty()) {
            QList<int> indexes;
            for (qsizetype i = 0; i < objects.size(); ++i)
                indexes.append(int(document->graphics().size() + i));
            document->insertGraphics(objects, indexes);
        }
        if (log_or_template == QLatin1String("L"))
            Set_Log_Name_In_Title();
        Not_Draw_Only_Prop_Change = false;
        dsg.Show_RHS_Properties(nullptr);
        if (card.Card_fill_chk && card.Card_fill_style == QLatin1String("I") && !card.Card_BG_Image_Path.isEmpty()) {
            // The picture the project names is read only when it is a regular file.
            const QString &picture = card.Card_BG_Image_Path;
            card.Card_BG_Image = platform::isRegularFile(picture) ? QImage(picture) : QImage();
            dsg.Show_Card_Image_Path(card.Card_BG_Image_Path);
        }
        dsg.Set_Selected_Control_Tool(0);
        dsg.Refresh_Canvas();
        if (document)
            document->Enable_Disable_Undo_Registraion(true);
        host().Designing_Mode_Select();
        host().Show_Hide_Main_Window(true);
        // What undo comes back to when its stack runs empty: the design as loaded.
        if (document)
            Ucontrol_Log.append(std::make_shared<DesignSnapshot>(document->graphics()));
        return 1;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Show_MessageBox(QStringLiteral("%1 - \n%2").arg(projectfile::kDesignElements).arg(QString::fromUtf8(e.what())));
        return 0;
    }
}
