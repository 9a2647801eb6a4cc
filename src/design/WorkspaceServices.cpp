// What the workspace offers the sidebar's pages and the barcode-object window: the canvas's current
// object, the image library picker, the check for one picture, the current picture's path and the
// barcode-object window on the object the sidebar shows.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "barcodemode/Barcode_Gen.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "design/RecordBinding.h"
#include "imagetools/ImageForPath.h"
#include "model/SKTImage.h"
#include "platform/Dialogs.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QTableView>

#include <exception>

void DesignController::Set_Selected_Graphic(const std::shared_ptr<SKTGraphic> &graphic) { _Selected_Graphic = graphic; }

int DesignController::Open_Image_Library_Window(const QString &purpose)
{
    Q_UNUSED(purpose);   // every purpose picks one picture file the same way
    platform::OpenPanelRequest request;
    request.directory = QDir(Resource_Path).filePath(QStringLiteral("LibraryImage"));
    request.extensions = hub.Allowd_Image_fileTypes;
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = false;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (chosen.isEmpty() || !Accept_Picture_File(chosen.first()))
        return 0;
    lib_window_sel_file = chosen.first();
    return 1;
}

bool DesignController::Accept_Picture_File(const QString &path)
{
    // Decoded as the card will decode it: a file with a picture's name but other bytes would
    // otherwise become an object or a background that shows nothing.
    if (!Get_Image_For_Path(path, false, false).isNull())
        return true;
    Show_MessageBox(QStringLiteral("The selected file is not a picture that can be opened."));
    return false;
}

bool DesignController::Check_Multiple_Image_Selection(const QString &word)
{
    int pictures = 0;
    for (const std::shared_ptr<SKTGraphic> &g : Selected_Graphic_Objects())
        if (g && g->isExactly<SKTImage>())
            ++pictures;
    if (pictures < 2)
        return false;
    Show_MessageBox(QStringLiteral("Please select only one image control to '%1 Image'.").arg(word));
    return true;
}

void DesignController::Give_Current_Picture_Path(const QString &path)
{
    const std::shared_ptr<SKTGraphic> current = Get_Selected_Graphic();
    if (auto *picture = graphic_cast<SKTImage>(current.get())) {
        picture->setFilePath(path);
        picture->Set_text_value(path);
    }
    Update_Image_Graphics();
}

void DesignController::Open_Barcode_Window()
{
    try {
        // The window edits the shown object; the document holds it.
        std::shared_ptr<SKTGraphic> shown;
        for (const std::shared_ptr<SKTGraphic> &g : Get_Front_Controls_Array())
            if (g.get() == Last_Selected_Graphic)
                shown = g;
        if (!shown)
            return;
        Show_NSLog_Message(shown->two_d_font_val + QStringLiteral(" - ") + shown->control_ID);
        const std::shared_ptr<SKTGraphic> edited = hub.barcodeGen().Open_Wnd(shown);
        if (!edited)
            return;
        hub.Set_Logo_Item_List_EMPTY();
        if (!Barcode_output_image)
            return;
        Update_Barcode_Graphics(*edited);
        records().Check_Series_Or_Excel_Use_or_not();
        QTableView *list = records().Fill_List_RHS;
        if (list && list->model() && list->model()->rowCount() > 0) {
            list->selectRow(0);
            list->setFocus();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
