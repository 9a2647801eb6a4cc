// The picture services of the sidebar's picture panel: the picture with its settings, the error
// label's rule, and the effect controls' defaults.

#include "design/PictureSettings.h"

#include "design/DesignController.h"
#include "design/DoubleSlider.h"
#include "model/SKTGraphic.h"
#include "platform/GuiThread.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>

platform::Picture Apply_Image_Settings(const SKTGraphic &graphic)
{
    const platform::Picture &contents = graphic._contents;
    const bool h = graphic._isFlippedHorizontally, v = graphic._isFlippedVertically;
    if (contents.isNull() || (!h && !v))
        return contents;
    const QSizeF size = contents.size();
    if (!contents.isVector() && !contents.image().isNull())
        return platform::Picture::fromImage(contents.image().mirrored(h, v), size);
    return platform::Picture::record(size, [contents, size, h, v](QPainter &p) {
        p.translate(h ? size.width() : 0.0, v ? size.height() : 0.0);
        p.scale(h ? -1.0 : 1.0, v ? -1.0 : 1.0);
        contents.draw(p, QRectF(QPointF(0, 0), size), true);
    });
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
