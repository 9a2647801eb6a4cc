// What the workspace offers the sidebar's pages and the barcode-object window: the canvas's current
// object, the image library picker, the check for one picture, the current picture's path and the
// barcode-object window on the object the sidebar shows.

#include "design/DesignController.h"

#include "core/Messages.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/RecordBinding.h"
#include "imaging/ImageForPath.h"
#include "model/DesignGlobals.h"
#include "model/SKTImage.h"
#include "platform/Dialogs.h"

#include <QDir>

#include <exception>
#include <utility>

int DesignController::Open_Image_Library_Window(const QString &purpose)
{
    try {
        ImageToolsDesign &library = *sources().imageTools;
        const int code = library.Open_Library_Window(purpose);
        if (code != 1)
            return code;
        // The picker lets any file of a picture's name through "Browse other file"; the logo's
        // caller refuses such a file with a message of its own.
        if (purpose != QLatin1String("QR") && !Accept_Picture_File(library.selected_image()))
            return 0;
        lib_window_sel_file = library.selected_image();
        return 1;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return 0;
    }
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

void DesignController::Give_Current_Picture_Path(const QString &path)
{
    const std::shared_ptr<SKTGraphic> current = selection().Get_Selected_Graphic();
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
        for (const std::shared_ptr<SKTGraphic> &g : selection().Get_Front_Controls_Array())
            if (g.get() == selection().Last_Selected_Graphic)
                shown = g;
        if (!shown)
            return;
        Show_NSLog_Message(shown->two_d_font_val + QStringLiteral(" - ") + shown->control_ID);
        const std::shared_ptr<SKTGraphic> edited = sources().barcode->Open_Barcode_Gen_Wnd(shown);
        if (!edited)
            return;
        sources().host->Set_Logo_Item_List_EMPTY();
        if (!Barcode_output_image)
            return;
        Update_Barcode_Graphics(*edited);
        records().Check_Series_Or_Excel_Use_or_not();
        // The first record into the list and the card; the sidebar stays on the edited object, so
        // its button opens the window again.
        const bool showCard = std::exchange(call_rhs_prop_on_fill_list, false);
        sources().host->Mark_Fill_List_New_Selection_Design(0);
        call_rhs_prop_on_fill_list = showCard;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
