// The object panels of the sidebar filled from one card object: every field of its class into its
// control, steppers and their fields both set, opacities as percent, border styles as list indexes.
// Filling runs with Not_Draw_Only_Prop_Change set (Show_RHS_Properties), so the handlers the
// controls may trigger write nothing back.

#include "design/DesignController.h"

#include "barcodemode/BarcodeEditor.h"
#include "core/Globals.h"
#include "core/Utilities.h"
#include "design/DoubleSlider.h"
#include "design/panels/TextEditingPanel.h"
#include "design/panels/TextPropertiesPanel.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <cmath>

namespace {

void check(QAbstractButton *b, bool on)
{
    if (b)
        b->setChecked(on);
}

void colour(platform::ColorWell *w, const QColor &c)
{
    if (w)
        w->setColor(c);
}

void text(QLineEdit *f, const QString &t)
{
    if (f)
        f->setText(t);
}

// A list's item by index, without the selection handlers (the fill decides what follows).
void index(QComboBox *c, int i)
{
    if (!c)
        return;
    const QSignalBlocker block(c);
    c->setCurrentIndex(i);
}

// A border style list: the code's index; a code outside the list leaves the list as it was.
void borderStyle(QComboBox *c, const QString &code)
{
    const int i = Border_Style_Index(code);
    if (i >= 0)
        index(c, i);
}

// The stepper takes the value (bounded by its range); the field shows the stepper's whole value.
void wholePair(platform::Stepper *s, QLineEdit *f, double value)
{
    if (!s)
        return;
    s->setDoubleValue(value);
    text(f, QString::number(int(std::trunc(s->doubleValue()))));
}

void slider(DoubleSlider *s, QLineEdit *f, double value)
{
    if (s) {
        const QSignalBlocker block(s);
        s->setDoubleValue(value);
    }
    text(f, QString::number(value));
}

} // namespace

void DesignController::Fill_Text_Panel(const SKTGraphic &g)
{
    text(sel_control_name, QStringLiteral("T"));
    if (Text_value_Edit)
        Text_value_Edit->setPlainText(g._Text_contents ? g._Text_contents->characters : g.Text_Value);
    // The selector's own handling fills the series list for the source (the window relies on it).
    if (Data_source_type && g.data_source_type >= 0 && g.data_source_type < Data_source_type->count())
        Data_source_type->setCurrentIndex(g.data_source_type);
    if (Batch_Series) {
        const QSignalBlocker block(Batch_Series);
        if (g.data_source_type == 1) {
            Batch_Series->setCurrentIndex(-1);
            if (g.batch_list_name.isEmpty())
                Batch_Series->setCurrentIndex(Batch_Series->count() > 0 ? 0 : -1);   // the placeholder
            else
                Batch_Series->setCurrentIndex(Batch_Series->findText(g.batch_list_name));
        } else if (g.data_source_type == 2) {
            Batch_Series->setCurrentIndex(g.excel_col_indx < 0 ? 0 : g.excel_col_indx);
        }
    }
    textEditingPanel()->Fill_Text_Panel(g);
    textPropertiesPanel()->Fill_Text_Panel(g);
}

void DesignController::Fill_Image_Panel(const SKTGraphic &g)
{
    if (ctrl_width_height_box)
        ctrl_width_height_box->hide();
    text(sel_control_name, QStringLiteral("I"));
    text(img_ctrl_id_val, g.control_ID);
    if (Manual_image_path)
        Manual_image_path->setPlainText(g._file_path);
    if (Data_source_type && g.data_source_type >= 0 && g.data_source_type < Data_source_type->count())
        Data_source_type->setCurrentIndex(g.data_source_type);
    if (Batch_Series) {
        const QSignalBlocker block(Batch_Series);
        if (g.data_source_type == 1) {
            Batch_Series->setCurrentIndex(-1);   // a picture without a series shows none
            if (!g.batch_list_name.isEmpty())
                Batch_Series->setCurrentIndex(Batch_Series->findText(g.batch_list_name));
        } else if (g.data_source_type == 2 && g.excel_col_indx != -1) {
            Batch_Series->setCurrentIndex(g.excel_col_indx);
        }
    }
    check(Image_border_chk, g._isDrawingStroke);
    wholePair(Image_bor_Stepper, Image_bor_Text, std::trunc(g._strokeWidth));
    colour(Image_bordr_clr, g._strokeColor);
    borderStyle(Image_border_style, g._stroke_border_type);
    slider(Rotate_slidr, Rotate_slidr_val, g.rotate_image);
    slider(Trsp_slidr, Trsp_slidr_val, g.img_trnsp_val);
    slider(Hue_slidr, Hue_slidr_val, g.hue_val);
    slider(Sat_slidr, Sat_slidr_val, g.sat_val);
    slider(Brt_slidr, Brt_slidr_val, g.brt_val);
    slider(Con_slidr, Con_slidr_val, g.con_val);
    slider(shrp_slidr, shrp_slidr_val, g.srp_val);
    slider(ev_slidr, ev_slidr_val, g.ev_val);
    slider(blr_slidr, blr_slidr_val, g.blr_val);
    check(Image_Gray_Scale_chk, g.gray_Scale);
    check(Image_Sepia_chk, g.Sepia);
    check(Image_Invert_chk, g.invert_clr);
    check(Image_FIV_chk, g._isFlippedVertically);
    check(Image_FIH_chk, g._isFlippedHorizontally);
    SetObjEnabled(Image_Border_Box, g._isDrawingStroke);
    if (image_error_label)
        image_error_label->setVisible(!QFileInfo(g._file_path).isFile());
}

void DesignController::Fill_Sign_Panel(const SKTGraphic &g)
{
    text(sel_control_name, g.sign_or_fingureprint);
    text(Sign_image_path, g._file_path);
    if (Data_source_type && g.data_source_type >= 0 && g.data_source_type < Data_source_type->count())
        Data_source_type->setCurrentIndex(g.data_source_type);
    if (Batch_Series && !g.batch_list_name.isEmpty()) {
        const QSignalBlocker block(Batch_Series);
        Batch_Series->setCurrentIndex(Batch_Series->findText(g.batch_list_name));
    }
    check(Sign_border_chk, g._isDrawingStroke);
    wholePair(Sign_bor_Stepper, Sign_bor_Text, std::trunc(g._strokeWidth));
    colour(Sign_bordr_clr, g._strokeColor);
    borderStyle(Sign_border_style, g._stroke_border_type);
    SetObjEnabled(Sign_Border_Box, g._isDrawingStroke);
}
