// The sidebar's object panels written into the selected objects of each panel's exact class. The
// canvas supplies the selection; each transfer reads its panel once, writes every object alike,
// redraws and records one undo step for the whole action. The print check box goes the same way;
// the card's pages go into the card.

#include "design/DesignController.h"

#include "core/Mode.h"
#include "design/DesignCard.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/DesignWorkArea.h"
#include "design/PropertySidebar.h"
#include "design/UndoStacks.h"
#include "design/panels/LinePanel.h"
#include "design/panels/ShapePanel.h"
#include "design/panels/TextEditingPanel.h"
#include "design/panels/TextPropertiesPanel.h"
#include "imaging/ImageForPath.h"
#include "model/Card_Property.h"
#include "model/DesignGlobals.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTSignature.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"

#include <QCheckBox>

#include <algorithm>

namespace {

bool isOn(const QAbstractButton *b) { return b && b->isChecked(); }

} // namespace

// The colour pre-step of the object pages: a colour chosen in a well goes to every selected object
// through its setColor, before the page's transfer.
void DesignController::Fill_And_Set_Color_Event_Generator(const QColor &color)
{
    for (const std::shared_ptr<SKTGraphic> &g : selection().Selected_Graphic_Objects())
        if (g)
            g->setColor(color);
}

// Each transfer: nothing while controls are being filled or nothing is selected; otherwise the
// panel goes into every selected object of the panel's exact class, then the canvas is redrawn and
// one undo step recorded (also when no object of that class was selected). No kind edits in place,
// so handing the object to the canvas's in-place editing would change nothing.
template <class Kind, class Values>
void DesignController::Transfer_Panel(const Values &values, void (*write)(SKTGraphic &, const Values &),
                                      const std::function<void(SKTGraphic &)> &after)
{
    for (const std::shared_ptr<SKTGraphic> &g : selection().Selected_Graphic_Objects()) {
        if (!g || !g->isExactly<Kind>())
            continue;
        write(*g, values);
        if (after)
            after(*g);
    }
    workArea().Refresh_Canvas();
    undoStacks().Insert_In_Undo_Redo();
}

void DesignController::Update_Shape_Graphics()
{
    if (Not_Draw_Only_Prop_Change || selection().Selected_Graphic_Objects().isEmpty())
        return;
    ShapePanelValues values = sidebar().shapePanel()->Read_Shape_Panel();
    values.printObject = isOn(sidebar().print_object_chk) ? 1 : 0;
    Transfer_Panel<Shape_Control>(values, &Write_Shape_Values);
}

void DesignController::Update_Line_Graphics()
{
    if (Not_Draw_Only_Prop_Change || selection().Selected_Graphic_Objects().isEmpty())
        return;
    LinePanelValues values = sidebar().linePanel()->Read_Line_Panel();
    values.printObject = isOn(sidebar().print_object_chk) ? 1 : 0;
    Transfer_Panel<SKTLine>(values, &Write_Line_Values);
}

void DesignController::Update_Text_Graphics()
{
    const SKTGraphicList selection = this->selection().Selected_Graphic_Objects();
    if (Not_Draw_Only_Prop_Change || selection.isEmpty())
        return;
    // The two text pages, the sidebar's print choice and, for one text alone, the source's value.
    TextPanelValues values;
    sidebar().textEditingPanel()->Read_Text_Panel(values);
    sidebar().textPropertiesPanel()->Read_Text_Panel(values);
    values.printObject = isOn(sidebar().print_object_chk) ? 1 : 0;
    if (selection.size() == 1 && sidebar().datasource_tab)
        values.text = sidebar().Text_Source_Value();
    Transfer_Panel<SKTText>(values, &Write_Text_Values);
}

void DesignController::Update_Image_Graphics()
{
    const SKTGraphicList selection = this->selection().Selected_Graphic_Objects();
    if (Not_Draw_Only_Prop_Change || selection.isEmpty())
        return;
    // The picture is not reloaded from a new path here; choosing a path loads it.
    Transfer_Panel<SKTImage>(sidebar().Read_Image_Panel(selection.size() == 1), &Write_Image_Values, [this](SKTGraphic &g) {
        static_cast<SKTImage &>(g).setFileNSImage_Variable(Get_Image_With_Update_Settings(g));
    });
}

void DesignController::Update_Sign_Graphics()
{
    if (Not_Draw_Only_Prop_Change || selection().Selected_Graphic_Objects().isEmpty())
        return;
    const SignPanelValues values = sidebar().Read_Sign_Panel();
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
    const SKTGraphicList selection = this->selection().Selected_Graphic_Objects();
    const std::shared_ptr<SKTGraphic> current = this->selection()._Selected_Graphic.lock();
    if (Not_Draw_Only_Prop_Change || (selection.isEmpty() && !current))
        return;
    const int printObject = isOn(sidebar().print_object_chk) ? 1 : 0;
    for (const std::shared_ptr<SKTGraphic> &g : selection) {
        if (!g || !g->isExactly<SKTBarcode>())
            continue;
        g->print_object = printObject;
        copyBarcodeSettings(*g, templateGraphic);
        if (g == current) {
            g->Set_Barcode_image(Barcode_output_image ? *Barcode_output_image : platform::Picture());
        } else {
            // Every other selected object shows its new settings at once, rendered from itself.
            BarcodeModeDesign &gen = *sources().barcode;
            gen.Set_Barcode_Prop_To_Control(*g, true);
            const QString value = g->linear_or_2d != 0 ? g->two_d_font_val : g->linear_font_val;
            const platform::Picture picture = gen.Get_Image_From_Val(value, g->header_val, g->footer_val);
            if (!picture.isNull())
                g->Set_Barcode_image(picture);
        }
        g->Set_Barcode_image_control_bounds();
    }
    workArea().Refresh_Canvas();
    undoStacks().Insert_In_Undo_Redo();
}

namespace {

// Whether the flag can change any selected object: an unlocked one.
bool anyApplicable(const SKTGraphicList &selection)
{
    return std::any_of(selection.cbegin(), selection.cend(),
                       [](const std::shared_ptr<SKTGraphic> &g) { return g && !g->ctrl_is_locked; });
}

} // namespace

void DesignController::Print_object_chk_changed()
{
    if (Not_Draw_Only_Prop_Change || !sidebar().print_object_chk || !selection().Canvas_Commands.printControlOrNot)
        return;
    if (!anyApplicable(selection().Selected_Graphic_Objects()))
        return;
    selection().Canvas_Commands.printControlOrNot(sidebar().print_object_chk->isChecked() ? 1 : 0);
    undoStacks().Insert_In_Undo_Redo();
}

// ---- The card's pages into the card ----

void DesignController::Update_Card_Graphics()
{
    if (Not_Draw_Only_Prop_Change || !card().Front_card_Prop)
        return;
    const Card_Property before = *card().Front_card_Prop;
    Write_Card_Values(*card().Front_card_Prop, sidebar().Read_Card_Panels());
    card().Front_card_Prop->Card_Size = workArea().canvasFrameSize;
    Card_Settings_Written(before);
    workArea().Refresh_Canvas();
}

void DesignController::Card_Settings_Written(const Card_Property &before)
{
    // The card's settings are saved with the design but stay out of Undo: a change of them alone
    // asks before it is lost all the same.
    if (card().Front_card_Prop && !Same_Card_Settings(before, *card().Front_card_Prop))
        sources().host->Set_Des_Mode_Save_Flag_TRUE();
}

void DesignController::set_Front_BG_Image(const QString &path)
{
    sidebar().Show_Card_Image_Path(path);
    if (path.isEmpty() || !card().Front_card_Prop)
        return;
    // An unreadable file still makes the fill a background picture, with no picture.
    const QImage image = Get_Image_For_Path(path, false, true).image();
    Card_Property &card = *this->card().Front_card_Prop;
    const Card_Property before = card;
    card.Card_BG_Image = QImage();
    card.Card_fill_chk = true;
    card.Card_fill_style = QStringLiteral("I");
    card.Card_BG_Image_Path = path;
    card.Card_BG_Image = image;
    Card_Settings_Written(before);
    sidebar().Show_RHS_Properties(nullptr);
}
