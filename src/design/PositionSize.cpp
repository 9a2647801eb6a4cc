// The sidebar's position and size fields of the selected objects and the print check box: shown
// from the object, applied through the canvas, then one undo step.

#include "design/DesignController.h"

#include "core/Globals.h"
#include "core/ImageServices.h"
#include "model/SKTBarcode.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QLineEdit>

#include <algorithm>
#include <functional>

namespace {

// Positions stay within this many points of the card's origin.
constexpr double kPositionLimit = 10000.0;
// The smallest size a field gives, in the design unit.
constexpr double kMinimumSize = 0.01;

double pointsToUnit(double points)
{
    return double(Points_to_MM_Convert(float(points))) * DesignController::Get_Unit_Convertor(2, Measument_Unit_Is);
}

QString shown(double value) { return platform::formatPairValue(value, platform::PairFormat::TwoDecimals); }

// The steppers' ranges bound what the fields give: positions in points, sizes in the design unit
// from 0.01 up to the position limit.
void setRanges(DesignController &d)
{
    for (platform::Stepper *s : {d.frame_main_pic_X_pos_val, d.frame_main_pic_Y_pos_val})
        if (s) {
            s->setMinValue(-kPositionLimit);
            s->setMaxValue(kPositionLimit);
        }
    for (platform::Stepper *s : {d.frame_main_pic_width_val, d.frame_main_pic_height_val})
        if (s) {
            s->setMinValue(kMinimumSize);
            s->setMaxValue(pointsToUnit(kPositionLimit));
        }
}

// Whether a field's value can change any selected object: an unlocked one, and for sizes one that
// is no barcode object.
bool anyApplicable(const SKTGraphicList &selection, bool sizes)
{
    return std::any_of(selection.cbegin(), selection.cend(), [sizes](const std::shared_ptr<SKTGraphic> &g) {
        return g && !g->ctrl_is_locked && !(sizes && g->isExactly<SKTBarcode>());
    });
}

// The field's pair copied across (bounded by the stepper), its value given to the canvas's applier,
// then the redraw and one step.
void applyField(DesignController &d, QObject *sender, platform::Stepper *stepper, QLineEdit *field, bool sizes,
                const std::function<void(double)> &applier)
{
    if (Not_Draw_Only_Prop_Change || !stepper || !field)
        return;
    setRanges(d);
    platform::copyPairBounded(sender, stepper, field, platform::PairFormat::TwoDecimals);
    if (!applier || !anyApplicable(d.Selected_Graphic_Objects(), sizes))
        return;
    // Positions in points, sizes in the design unit: the canvas converts them.
    applier(stepper->doubleValue());
    d.Refresh_Canvas();
    d.Insert_In_Undo_Redo();
}

} // namespace

void DesignController::Set_Control_Pos_And_Size(const SKTGraphic &graphic)
{
    setRanges(*this);
    // A barcode object's size follows its generated image.
    const bool sizable = !graphic.isExactly<SKTBarcode>();
    for (QWidget *w : std::initializer_list<QWidget *>{frame_main_pic_width, frame_main_pic_height,
                                                        frame_main_pic_width_val, frame_main_pic_height_val})
        if (w)
            w->setEnabled(sizable);
    const QRectF frame = graphic.bounds();
    auto show = [](QLineEdit *field, platform::Stepper *stepper, double value) {
        if (stepper)
            stepper->setDoubleValue(value);
        if (field)
            field->setText(shown(value));
    };
    show(frame_main_pic_X_pos, frame_main_pic_X_pos_val, frame.x());
    show(frame_main_pic_Y_pos, frame_main_pic_Y_pos_val, frame.y());
    show(frame_main_pic_width, frame_main_pic_width_val, pointsToUnit(frame.width()));
    show(frame_main_pic_height, frame_main_pic_height_val, pointsToUnit(frame.height()));
}

void DesignController::Frame_main_Pic_X_Pos_Changed(QObject *sender)
{
    applyField(*this, sender, frame_main_pic_X_pos_val, frame_main_pic_X_pos, false, Canvas_Commands.applyX);
}

void DesignController::Frame_main_Pic_Y_Pos_Changed(QObject *sender)
{
    applyField(*this, sender, frame_main_pic_Y_pos_val, frame_main_pic_Y_pos, false, Canvas_Commands.applyY);
}

void DesignController::Frame_main_Pic_Wdith_Changed(QObject *sender)
{
    applyField(*this, sender, frame_main_pic_width_val, frame_main_pic_width, true, Canvas_Commands.applyWidth);
}

void DesignController::Frame_main_Pic_Height_Changed(QObject *sender)
{
    applyField(*this, sender, frame_main_pic_height_val, frame_main_pic_height, true, Canvas_Commands.applyHeight);
}

void DesignController::Print_object_chk_changed()
{
    if (Not_Draw_Only_Prop_Change || !print_object_chk || !Canvas_Commands.printControlOrNot)
        return;
    if (!anyApplicable(Selected_Graphic_Objects(), false))
        return;
    Canvas_Commands.printControlOrNot(print_object_chk->isChecked() ? 1 : 0);
    Insert_In_Undo_Redo();
}
