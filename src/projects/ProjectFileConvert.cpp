// The projects part's property arrays: the pure conversions of ProjectFileObjects, plus what a read
// object needs of the window (its barcode number and its picture drawn again from its own settings).

#include "projects/ProjectsController.h"

#include "core/Edition.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/SKTBarcode.h"
#include "model/SKTSignature.h"
#include "platform/Plist.h"
#include "projects/ProjectFileObjects.h"
#include "projects/ProjectsSources.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

// The object asks for a logo whose file is no longer there to read.
bool logoIsGone(const SKTGraphic &object)
{
    const QString &path = object.USE_QR_LOGO_PATH;
    return object.USE_QR_LOGO && !path.isEmpty() && !(QFileInfo(path).isFile() && QImageReader(path).canRead());
}

} // namespace

platform::PlistValue ProjectsController::Get_Control_Prop_To_Array(const SKTGraphic &graphic) const
{
    return projectfile::objectToArray(graphic, SKTSignature::Sample_File_Path(QStringLiteral("S")));
}

std::shared_ptr<SKTGraphic> ProjectsController::Create_Control_From_Array(const platform::PlistValue &array)
{
    projectfile::ObjectRead read = projectfile::objectFromArray(array, ONLY_QR_MODE);
    if (!read.failure.isEmpty())
        Show_NSLog_Message(read.failure);
    if (!read.object)
        return nullptr;
    SKTGraphic &object = *read.object;
    if (object.isExactly<SKTBarcode>()) {
        ++BAR_CTRL;
        object.control_ID = QStringLiteral("BAR_%1").arg(BAR_CTRL);
    }
    if (!object.isExactly<SKTBarcode>() || !read.complete)
        return read.object;
    // Every barcode object is drawn again from its settings, as it was drawn before the save: a
    // stored recording would replay its bars at their nominal width, not on the whole dots of the
    // output. The stored picture stays where the settings draw nothing, or where they would draw
    // without a logo this machine cannot read.
    if (!read.needsPicture && logoIsGone(object))
        return read.object;
    try {
        // The value a first record would show: the bound series' or column's first value, else
        // the object's own.
        DesignProjects &dsg = design();
        QString value;
        if (object.data_source_type == 1)
            value = Trim_Str(dsg.Get_First_Value_Of_Dataset(object.batch_list_name));
        else if (object.data_source_type == 2)
            value = Trim_Str(dsg.Get_First_Value_Of_Excel_Binding(object.excel_col_indx));
        if (value.isEmpty())
            value = Trim_Str(object.linear_or_2d != 0 ? object.two_d_font_val : object.linear_font_val);
        // Drawn by the barcode-object window from the object's own settings.
        const platform::Picture picture = host().Get_Image_From_Val(object, value);
        if (picture.isNull() && !read.needsPicture)
            return read.object;
        Barcode_output_image = std::make_shared<platform::Picture>(picture);
        object.Set_Barcode_image(picture);
        object.Set_Barcode_image_control_bounds();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    return read.object;
}
