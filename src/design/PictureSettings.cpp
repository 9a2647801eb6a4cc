// The picture services of the sidebar's picture panel: the picture with its settings, the error
// label's rule, and the effect controls' defaults.

#include "design/PictureSettings.h"

#include "design/DesignController.h"
#include "design/DoubleSlider.h"
#include "imagetools/ImageProcesser.h"
#include "model/SKTGraphic.h"
#include "platform/GuiThread.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

platform::Picture Apply_Image_Settings(const SKTGraphic &g)
{
    return ImageProcesser::Get_Processed_Image_Full_Combined(
        g._contents, g.gray_Scale, g.Sepia, g.invert_clr, g.hue_val, g.sat_val, g.brt_val, g.con_val,
        int(g.rotate_image), g.srp_val, g.ev_val, g.blr_val, g.img_trnsp_val, true, g._isFlippedHorizontally,
        g._isFlippedVertically, false, g._bounds);
}

platform::Picture DesignController::Get_Image_With_Update_Settings(const SKTGraphic &graphic)
{
    const platform::Picture result = Apply_Image_Settings(graphic);
    // The label is a widget: only the GUI thread shows or hides it.
    if (image_error_label && platform::isGuiThread()) {
        const QSizeF size = result.size();
        const bool fine = !result.isNull() && !(size.width() == 0 && size.height() == 0) &&
                          !graphic._file_path.isEmpty() && QFileInfo::exists(graphic._file_path);
        image_error_label->setHidden(fine);
    }
    return result;
}

void DesignController::Reset_Image_Editing_Controls()
{
    const struct {
        DoubleSlider *slider;
        QLineEdit *field;
        double value;
    } effects[] = {
        {Rotate_slidr, Rotate_slidr_val, 0}, {Trsp_slidr, Trsp_slidr_val, 100}, {Hue_slidr, Hue_slidr_val, 0},
        {Sat_slidr, Sat_slidr_val, 1},       {Brt_slidr, Brt_slidr_val, 0},     {Con_slidr, Con_slidr_val, 1},
        {shrp_slidr, shrp_slidr_val, 0},     {ev_slidr, ev_slidr_val, 0},       {blr_slidr, blr_slidr_val, 0},
    };
    for (const auto &e : effects) {
        if (e.slider) {
            const QSignalBlocker block(e.slider);
            e.slider->setDoubleValue(e.value);
        }
        if (e.field) {
            const QSignalBlocker block(e.field);
            e.field->setText(QString::number(e.value));
        }
    }
    for (QCheckBox *box : {Image_Gray_Scale_chk, Image_Sepia_chk, Image_Invert_chk, Image_FIV_chk, Image_FIH_chk}) {
        if (!box)
            continue;
        const QSignalBlocker block(box);
        box->setChecked(false);
    }
}
