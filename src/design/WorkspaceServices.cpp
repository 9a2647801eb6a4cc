// What the workspace offers the barcode-object window: the canvas's current object, the image
// library picker and the two data viewers.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "data/Data_From_Excel.h"
#include "data/View_Data_Series.h"
#include "imagetools/Image_Library.h"

#include <exception>

void DesignController::Set_Selected_Graphic(const std::shared_ptr<SKTGraphic> &graphic) { _Selected_Graphic = graphic; }

int DesignController::Open_Image_Library_Window(const QString &purpose)
{
    try {
        Image_Library *library = Image_Library::defaultInstance();
        library->control_or_BG = purpose;
        const int code = library->Open_Library_Window();
        if (code == 1)
            lib_window_sel_file = library->selected_image;
        return code;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return 0;
    }
}

void DesignController::Open_Series_Value_Box(const QString &seriesName)
{
    try {
        View_Data_Series *viewer = View_Data_Series::defaultInstance();
        viewer->file_name = seriesName;
        viewer->Open_Wnd();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignController::Open_Excel_Data_Box()
{
    try {
        Data_From_Excel::defaultInstance()->Open_Wnd(Linked_Sheet.columnTitles, Linked_Sheet.rows);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
