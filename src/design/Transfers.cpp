// The sidebar's object panels written into the selected objects of each panel's exact class. The
// canvas supplies the selection; each transfer reads its panel once, writes every object alike,
// redraws and records one undo step for the whole action.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "barcodemode/Barcode_Gen.h"
#include "core/Globals.h"
#include "model/SKTBarcode.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTSignature.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

namespace {

bool isOn(const QAbstractButton *b) { return b && b->isChecked(); }
QColor colorOf(const platform::ColorWell *w) { return w ? w->color() : QColor(); }
double valueOf(const platform::Stepper *s) { return s ? s->doubleValue() : 0.0; }
int wholeOf(const platform::Stepper *s) { return s ? s->intValue() : 0; }
int indexOf(const QComboBox *c) { return c ? c->currentIndex() : -1; }

StrokeValues strokeOf(const QCheckBox *check, const platform::ColorWell *well, const platform::Stepper *width,
                      const QComboBox *style)
{
    StrokeValues s;
    s.on = isOn(check);
    s.color = colorOf(well);
    s.width = wholeOf(width);
    s.borderType = Border_Style_Code(indexOf(style));
    return s;
}


} // namespace

ShapePanelValues DesignController::Read_Shape_Panel() const
{
    ShapePanelValues v;
    v.shapeCode = Shape_Type_Code(indexOf(Shape_Type_Combo));
    v.stroke = strokeOf(Shape_border_chk, shape_bordr_clr, shape_bor_Stepper, shape_border_style);
    v.fill = isOn(Shape_fill_chk);
    v.fillColor = colorOf(shape_fill_clr);
    if (!v.fill)
        v.fillType = QStringLiteral("S");
    else if (isOn(Shape_gradient_fill_rd))
        v.fillType = QStringLiteral("G");
    else if (isOn(Shape_Style_fill_rd))
        v.fillType = QStringLiteral("H");
    else
        v.fillType = QStringLiteral("S");
    v.gradient1 = colorOf(shape_fill_Grd_1_clr);
    v.gradient2 = colorOf(shape_fill_Grd_2_clr);
    v.gradientAngle = valueOf(shape_grad_Stepper);
    v.hatchColor = colorOf(shape_hatch_bk_clr);
    v.hatchType = (shape_hatch_style && shape_hatch_style->currentIndex() >= 0) ? shape_hatch_style->currentText()
                                                                               : QString();
    v.alpha = float(valueOf(shape_alpha_Stepper) / 100.0);
    v.cornerRadius = float(valueOf(shape_cor_radius_Stepper));
    v.doubleStarType = wholeOf(double_star_Stepper);
    v.polygonType = wholeOf(polygon_Stepper);
    v.rotation = wholeOf(shape_rotation_Stepper);
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    return v;
}

LinePanelValues DesignController::Read_Line_Panel() const
{
    LinePanelValues v;
    v.strokeColor = colorOf(Line_clr);
    v.strokeWidth = wholeOf(Line_Wdt_Stepper);
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    v.borderType = Border_Style_Code(indexOf(Line_border_style));
    v.capStyle = std::max(indexOf(Line_cap_style), 0);      // no selection stores 0
    v.orientation = std::max(indexOf(Line_ori_style), 0);
    v.strokeAlpha = float(valueOf(Line_alpha_Stepper) / 100.0);
    return v;
}

TextPanelValues DesignController::Read_Text_Panel(bool singleSelection) const
{
    TextPanelValues v;
    v.printObject = isOn(print_object_chk) ? 1 : 0;
    v.stroke = strokeOf(Text_border_chk, Text_bordr_clr, Text_bor_Stepper, Text_border_style);
    v.fill = isOn(Text_fill_chk);
    v.fillColor = colorOf(Text_fill_clr);
    // A text keeps its gradient choice even while its fill is off.
    v.fillType = isOn(Text_gradient_fill_rd) ? QStringLiteral("G") : QStringLiteral("S");
    v.gradient1 = colorOf(Text_fill_Grd_1_clr);
    v.gradient2 = colorOf(Text_fill_Grd_2_clr);
    v.gradientAngle = valueOf(Text_grad_Stepper);
    v.textColor = colorOf(Text_clr);
    v.font = Text_font;
    if (singleSelection && datasource_tab)
        v.text = Text_Source_Value();
    v.alpha = float(valueOf(Text_alpha_Stepper) / 100.0);
    v.verticalAlignment = indexOf(Text_vert_align_combo);
    v.alignment = indexOf(Text_align_combo);
    v.textCase = indexOf(Text_case_combo);
    v.kerning = float(valueOf(Text_Kern_Stepper));
    v.shadow = isOn(draw_shadow_chkbox);
    v.rotation = txt_rotation_slidr ? txt_rotation_slidr->value() : 0;
    v.shadowColor = colorOf(Shadow_clr);
    v.shadowX = float(valueOf(shadow_x_Stepper));
    v.shadowY = float(valueOf(shadow_y_Stepper));
    v.shadowBlur = float(valueOf(shadow_blur_Stepper));
    v.shadowTransparency = float(valueOf(shadow_transp_Stepper) / 100.0);
    return v;
}

// Each transfer: nothing while controls are being filled or nothing is selected; otherwise the
// panel goes into every selected object of the panel's exact class, then the canvas is redrawn and
// one undo step recorded (also when no object of that class was selected). No kind edits in place,
// so handing the object to the canvas's in-place editing would change nothing.
template <class Kind, class Values>
void DesignController::Transfer_Panel(const Values &values, void (*write)(SKTGraphic &, const Values &),
                                      const std::function<void(SKTGraphic &)> &after)
{
    for (const std::shared_ptr<SKTGraphic> &g : Selected_Graphic_Objects()) {
        if (!g || !g->isExactly<Kind>())
            continue;
        write(*g, values);
        if (after)
            after(*g);
    }
    Refresh_Canvas();
    Insert_In_Undo_Redo();
}

void DesignController::Update_Shape_Graphics()
{
    if (Not_Draw_Only_Prop_Change || Selected_Graphic_Objects().isEmpty())
        return;
    Transfer_Panel<Shape_Control>(Read_Shape_Panel(), &Write_Shape_Values);
}

void DesignController::Update_Line_Graphics()
{
    if (Not_Draw_Only_Prop_Change || Selected_Graphic_Objects().isEmpty())
        return;
    Transfer_Panel<SKTLine>(Read_Line_Panel(), &Write_Line_Values);
}

void DesignController::Update_Text_Graphics()
{
    const SKTGraphicList selection = Selected_Graphic_Objects();
    if (Not_Draw_Only_Prop_Change || selection.isEmpty())
        return;
    Transfer_Panel<SKTText>(Read_Text_Panel(selection.size() == 1), &Write_Text_Values);
}

void DesignController::Update_Image_Graphics()
{
    const SKTGraphicList selection = Selected_Graphic_Objects();
    if (Not_Draw_Only_Prop_Change || selection.isEmpty())
        return;
    // The picture is not reloaded from a new path here; choosing a path loads it.
    Transfer_Panel<SKTImage>(Read_Image_Panel(selection.size() == 1), &Write_Image_Values, [this](SKTGraphic &g) {
        static_cast<SKTImage &>(g).setFileNSImage_Variable(Get_Image_With_Update_Settings(g));
    });
}

void DesignController::Update_Sign_Graphics()
{
    if (Not_Draw_Only_Prop_Change || Selected_Graphic_Objects().isEmpty())
        return;
    const SignPanelValues values = Read_Sign_Panel();
    Transfer_Panel<SKTSignature>(values, &Write_Sign_Values, [&values](SKTGraphic &g) {
        static_cast<SKTSignature &>(g).setFilePath(values.filePath);
    });
}

namespace {

// The barcode settings a template hands on: everything but the frame, the unit, the QR type's
// picture, the identifier, lock, visibility and the picture.
void copyBarcodeSettings(SKTGraphic &g, const SKTGraphic &t)
{
    if (&g == &t)
        return;
    g.linear_or_2d = t.linear_or_2d;
    g.barcode_font_index = t.barcode_font_index;
    g.linear_font_val = t.linear_font_val;
    g.two_d_font_val = t.two_d_font_val;
    g.header_val = t.header_val;
    g.footer_val = t.footer_val;
    g.show_hide_hdr = t.show_hide_hdr;
    g.show_hide_ftr = t.show_hide_ftr;
    g.show_hide_val = t.show_hide_val;
    g.show_val_on_top = t.show_val_on_top;
    g.align_hdr_index = t.align_hdr_index;
    g.align_ftr_index = t.align_ftr_index;
    g.data_source_type = t.data_source_type;
    g.batch_list_name = t.batch_list_name;
    g.batch_list_index = t.batch_list_index;
    g.excel_binding = t.excel_binding;
    g.excel_col_indx = t.excel_col_indx;
    g.batch_hdr_list_name = t.batch_hdr_list_name;
    g.batch_hdr_list_index = t.batch_hdr_list_index;
    g.batch_ftr_list_name = t.batch_ftr_list_name;
    g.batch_ftr_list_index = t.batch_ftr_list_index;
    g.linear_height_val = t.linear_height_val;
    g.linear_width_val = t.linear_width_val;
    g.qr_size_val = t.qr_size_val;
    g.qr_version_index = t.qr_version_index;
    g.qr_ec_index = t.qr_ec_index;
    g.USE_QR_LOGO = t.USE_QR_LOGO;
    g.USE_QR_LOGO_PATH = t.USE_QR_LOGO_PATH;
    g.AQR_Category = t.AQR_Category;
    g.AQR_Final_Value = t.AQR_Final_Value;
    g.AQR_Display_value = t.AQR_Display_value;
    g.pdf_hgt_val = t.pdf_hgt_val;
    g.pdf_wdt_val = t.pdf_wdt_val;
    g.pdf_ec_val = t.pdf_ec_val;
    g.dm_module_val = t.dm_module_val;
    g.dm_format_index = t.dm_format_index;
    g.dm_encoding_index = t.dm_encoding_index;
    g.hdr_margin_val = t.hdr_margin_val;
    g.ftr_margin_val = t.ftr_margin_val;
    g.val_margin_val = t.val_margin_val;
    g.TB_marging_val = t.TB_marging_val;
    g.LR_margin_val = t.LR_margin_val;
    g.value_font_val = t.value_font_val;
    g.header_font_val = t.header_font_val;
    g.footer_font_val = t.footer_font_val;
    g.barcode_hdr_clr_val = t.barcode_hdr_clr_val;
    g.barcode_ftr_clr_val = t.barcode_ftr_clr_val;
    g.barcode_val_clr_val = t.barcode_val_clr_val;
    g.barcode_back_clr_val = t.barcode_back_clr_val;
    g.barcode_clr_val = t.barcode_clr_val;
    g._isDrawingFill = t._isDrawingFill;
    g._fillColor = t._fillColor;
    g.dpi_val_index = t.dpi_val_index;
    g.dpi_custom_val = t.dpi_custom_val;
}

} // namespace

void DesignController::Update_Barcode_Graphics(const SKTGraphic &templateGraphic)
{
    const SKTGraphicList selection = Selected_Graphic_Objects();
    const std::shared_ptr<SKTGraphic> current = _Selected_Graphic.lock();
    if (Not_Draw_Only_Prop_Change || (selection.isEmpty() && !current))
        return;
    const int printObject = isOn(print_object_chk) ? 1 : 0;
    for (const std::shared_ptr<SKTGraphic> &g : selection) {
        if (!g || !g->isExactly<SKTBarcode>())
            continue;
        g->print_object = printObject;
        copyBarcodeSettings(*g, templateGraphic);
        if (g == current) {
            g->Set_Barcode_image(Barcode_output_image ? *Barcode_output_image : platform::Picture());
        } else {
            // Every other selected object shows its new settings at once, rendered from itself.
            Barcode_Gen &gen = hub.barcodeGen();
            gen.Set_Barcode_Prop_To_Control(*g, true);
            const QString value = g->linear_or_2d != 0 ? g->two_d_font_val : g->linear_font_val;
            const platform::Picture picture = gen.Get_Image_From_Val(value, g->header_val, g->footer_val);
            if (!picture.isNull())
                g->Set_Barcode_image(picture);
        }
        g->Set_Barcode_image_control_bounds();
    }
    Refresh_Canvas();
    Insert_In_Undo_Redo();
}
