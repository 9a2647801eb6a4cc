// The canvas's host in the main window, and the settings a barcode object takes from the Barcode
// mode or the Advanced QR mode when one of them places its symbol on the card.

#include "design/DesignCanvasHost.h"

#include "core/Units.h"
#include "design/CardLayers.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignSources.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "design/UndoStacks.h"
#include "design/UnitPreferences.h"
#include "engines/Symbologies.h"
#include "model/DesignGlobals.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "model/SKTGraphicView.h"

#include <QPainter>

DesignCanvasHost::DesignCanvasHost(DesignController &design) : m_design(design), m_canvas(design.workArea().Graphic_View()) {}

DesignCanvasHost::~DesignCanvasHost()
{
    if (m_canvas && m_canvas->host() == this)
        m_canvas->setHost(nullptr);
}

void DesignCanvasHost::Card_Base_Drawing(QPainter &painter, const QRectF &cardRect)
{
    m_design.Card_Base_Drawing(painter, cardRect);
}

void DesignCanvasHost::Card_Border_Drawing(QPainter &painter, const QRectF &cardRect)
{
    m_design.Card_Border_Drawing(painter, cardRect);
}

int DesignCanvasHost::Selected_Control_Tool() const { return m_design.Selected_Control_Tool; }

void DesignCanvasHost::Set_Selected_Control_Tool(int tool) { m_design.Selected_Control_Tool = tool; }

QString DesignCanvasHost::currentGraphicClass() const { return m_design.currentGraphicClass(); }

void DesignCanvasHost::Insert_In_Undo_Redo() { m_design.undoStacks().Insert_In_Undo_Redo(); }

QPointF DesignCanvasHost::Control_New_Point(const QString &cardSide) { return m_design.Control_New_Point(cardSide); }

void DesignCanvasHost::Show_RHS_Properties(SKTGraphic *graphic) { m_design.sidebar().Show_RHS_Properties(graphic); }

void DesignCanvasHost::Refresh_Canvas() { m_design.workArea().Refresh_Canvas(); }

void DesignCanvasHost::Enable_Same_Size_Buttons(bool enable) { m_design.sidebar().Enable_Same_Size_Buttons(enable); }

std::shared_ptr<SKTGraphic> DesignCanvasHost::Current_Graphic() const { return m_design.selection()._Selected_Graphic.lock(); }

void DesignCanvasHost::Set_Current_Graphic(const std::shared_ptr<SKTGraphic> &graphic)
{
    m_design.selection().Set_Selected_Graphic(graphic);
}

void DesignCanvasHost::Open_Barcode_Window(const std::shared_ptr<SKTGraphic> &barcode)
{
    if (!barcode)
        return;
    // The same window as the sidebar's button, on the object itself: the object stays in the
    // design and is redrawn from its new settings, so the sidebar reaches it again afterwards.
    if (m_design.selection().Last_Selected_Graphic != barcode.get())
        m_design.sidebar().Show_RHS_Properties(barcode.get());
    m_design.Open_Barcode_Window();
}

void DesignCanvasHost::Check_Series_Or_Excel_Use_or_not() { m_design.records().Check_Series_Or_Excel_Use_or_not(); }

QString DesignCanvasHost::Card_Objects_Mime_Type() const { return EditingCommands::Card_Objects_Mime_Type(); }

void DesignCanvasHost::Set_Paste_Button_Status() { m_design.editing().Set_Paste_Button_Status(); }

void DesignCanvasHost::Undo_Action_Perform() { m_design.undoStacks().Undo_Action_Perform(); }

void DesignCanvasHost::Redo_Action_Perform() { m_design.undoStacks().Redo_Action_Perform(); }

bool DesignCanvasHost::Can_Undo() const { return m_design.undoStacks().Get_Undo_Count() >= 2; }

bool DesignCanvasHost::Can_Redo() const { return m_design.undoStacks().Get_Redo_Count() >= 1; }

double DesignCanvasHost::Get_Unit_Convertor(int from, int to) const
{
    return double(UnitPreferences::Get_Unit_Convertor(from, to));
}

QImage DesignCanvasHost::Placeholder_Image(Placeholder which) const
{
    switch (which) {
    case Placeholder::SignSample: return m_design.sources().host->sign_sample_img();
    case Placeholder::FingerprintSample: return m_design.sources().host->fp_sample_img();
    case Placeholder::NoImage: break;
    }
    return m_design.sources().host->no_image();
}

platform::Picture DesignCanvasHost::First_Barcode_Picture(SKTGraphic &barcode, const QString &ctrl_value)
{
    QString value = QStringLiteral("0123");
    if (ctrl_value == QLatin1String("PASS_BAR"))
        value = m_design.Pass_Barcode_Mode_Settings(barcode);
    else if (ctrl_value == QLatin1String("PASS_QR"))
        value = m_design.Pass_Adv_QR_Settings(barcode);
    BarcodeModeDesign &window = *m_design.sources().barcode;
    window.Set_Barcode_Prop_To_Control(barcode, true);
    const platform::Picture picture = window.Get_Image_From_Val(value, barcode.header_val, barcode.footer_val);
    Barcode_output_image = std::make_shared<platform::Picture>(picture);
    return picture;
}

// ---- Settings of the other modes -----------------------------------------------------------

namespace {

bool isClear(const QColor &c) { return c.alpha() == 0; }

} // namespace

void DesignController::Convert_Barcode_Lengths_To_MM(SKTGraphic &object, int unit)
{
    const float factor = unit == 0 ? 25.4f : unit == 1 ? 10.0f : 1.0f;
    for (float *length : {&object.linear_height_val, &object.val_margin_val, &object.hdr_margin_val,
                          &object.ftr_margin_val, &object.TB_marging_val, &object.LR_margin_val})
        *length *= factor;
}

QString DesignController::Pass_Barcode_Mode_Settings(SKTGraphic &o)
{
    BarcodeModeDesign &bm = *sources().barcode;
    const BarcodeModeSettings v = bm.settings();
    o.linear_or_2d = v.family != 0 ? 1 : 0;
    const QString value = o.linear_or_2d ? v.twoDValue : v.linearValue;
    o.two_d_font_val = value;
    o.barcode_font_index = Symbologies::indexOf(v.symbology);
    o.linear_font_val = v.linearValue;
    o.header_val = v.header;
    o.footer_val = v.footer;
    o.show_hide_hdr = v.hideHeader ? 1 : 0;
    o.show_hide_ftr = v.hideFooter ? 1 : 0;
    o.show_hide_val = v.caption ? 1 : 0;
    o.show_val_on_top = v.valueOnTop ? 1 : 0;
    o.align_hdr_index = v.alignHeader;
    o.align_ftr_index = v.alignFooter;

    // The Barcode mode's data source: its value list by hand, or its batch bound to series.
    if (!v.batch || v.customSheet) {
        o.Set_Data_source_type(0);
    } else {
        o.Set_Data_source_type(1);
        // A row taken from the batch names its series and the series' place in the name list.
        const auto row = [&v](size_t i) { return std::pair{v.fromList[i], v.seriesRow[i] - 1}; };
        if (const auto [bound, index] = row(0); bound) {
            o.Set_Batch_List_Name(v.series[0]);
            o.Set_Batch_List_Index(index);
        } else {
            o.Set_Batch_List_Name(QString(""));
        }
        if (const auto [bound, index] = row(1); bound) {
            o.Set_Hdr_Batch_List_Name(v.series[2]);
            o.Set_Hdr_Batch_List_Index(index);
        } else {
            o.Set_Hdr_Batch_List_Name(QString(""));
        }
        if (const auto [bound, index] = row(2); bound) {
            o.Set_Ftr_Batch_List_Name(v.series[4]);
            o.Set_Ftr_Batch_List_Index(index);
        } else {
            o.Set_Ftr_Batch_List_Name(QString(""));
        }
    }

    o.qr_size_val = v.steps.qrSide;
    o.qr_version_index = v.qrVersion;
    o.qr_ec_index = v.qrLevel;
    o.Set_QR_Logo_VAR(bm.USE_QR_LOGO(), v.logoPath);
    o.linear_height_val = float(v.steps.barHeight);
    o.linear_width_val = float(v.steps.barWidth);
    o.pdf_hgt_val = v.steps.pdfHeight;
    o.pdf_wdt_val = v.steps.pdfWidth;
    o.pdf_ec_val = v.steps.pdfLevel;
    o.dm_module_val = v.steps.dmModule;
    o.dm_format_index = v.dmFormat;
    o.dm_encoding_index = v.dmEncoding;
    o.hdr_margin_val = float(v.steps.margins[0]);
    o.ftr_margin_val = float(v.steps.margins[1]);
    o.val_margin_val = float(v.steps.margins[2]);
    o.TB_marging_val = float(v.steps.margins[3]);
    o.LR_margin_val = float(v.steps.margins[4]);
    o.value_font_val = v.fonts[0];
    o.header_font_val = v.fonts[1];
    o.footer_font_val = v.fonts[2];
    o.barcode_hdr_clr_val = v.colours[0];
    o.barcode_ftr_clr_val = v.colours[1];
    o.barcode_val_clr_val = v.colours[2];
    o.barcode_clr_val = v.colours[4];
    const QColor back = v.colours[3];
    o.barcode_back_clr_val = isClear(back) ? QColor(Qt::white) : back;
    if (v.transparentBox) {
        o._isDrawingFill = true;
        o._fillColor = Qt::transparent;
    } else {
        o._isDrawingFill = false;
        o._fillColor = o.linear_or_2d ? QColor(Qt::white) : back;
    }
    o.dpi_val_index = v.dpiIndex;
    o.dpi_custom_val = v.dpiText;
    Convert_Barcode_Lengths_To_MM(o, Measument_Unit_Is_Barcode);
    return value;
}

QString DesignController::Pass_Adv_QR_Settings(SKTGraphic &o)
{
    AdvQrDesign &qr = *sources().advQr;
    const AdvQrSettings q = qr.settings();
    const QString value = qr.Get_Adv_QR_Final_Str_Value();
    o.AQR_Final_Value = value;
    o.two_d_font_val = value;
    o.AQR_Category = q.type;
    o.AQR_Display_value = qr.SEL_QR_DISPLAY_VALUE();
    o.linear_or_2d = 1;
    o.barcode_font_index = 16;
    o.linear_font_val = QStringLiteral("123456789012");
    o.header_val = q.header;
    o.footer_val = q.footer;
    o.show_hide_hdr = q.hideHeader ? 1 : 0;
    o.show_hide_ftr = q.hideFooter ? 1 : 0;
    o.show_hide_val = 0;
    o.show_val_on_top = 0;
    o.align_hdr_index = q.alignHeader;
    o.align_ftr_index = q.alignFooter;
    o.Set_Data_source_type(0);
    o.qr_size_val = q.sideStep;
    o.qr_version_index = q.qrVersion;
    o.qr_ec_index = q.qrLevel;
    o.Set_QR_Logo_VAR(qr.ADV_QR_USE_QR_LOGO(), qr.ADV_QR_USE_QR_LOGO_PATH());
    o.linear_height_val = 1.0f;
    o.linear_width_val = 20.0f;
    o.pdf_hgt_val = 20;
    o.pdf_wdt_val = 100;
    o.pdf_ec_val = 2;
    o.dm_module_val = 2;
    o.dm_format_index = 0;
    o.dm_encoding_index = 0;
    o.hdr_margin_val = float(q.marginSteps[0]);
    o.ftr_margin_val = float(q.marginSteps[1]);
    o.TB_marging_val = float(q.marginSteps[2]);
    o.LR_margin_val = float(q.marginSteps[3]);
    o.val_margin_val = 0.1f;
    o.header_font_val = q.fonts[0];
    o.footer_font_val = q.fonts[1];
    o.value_font_val = Text_font;
    o.barcode_val_clr_val = Qt::black;
    o.barcode_hdr_clr_val = q.colours[0];
    o.barcode_ftr_clr_val = q.colours[1];
    o.barcode_back_clr_val = q.colours[3];
    o.barcode_clr_val = q.colours[2];
    if (q.transparent) {
        o._isDrawingFill = true;
        o._fillColor = Qt::transparent;
    } else {
        o._isDrawingFill = false;
        o._fillColor = q.colours[3];
    }
    const BarcodeModeSettings v = sources().barcode->settings();
    o.dpi_val_index = v.dpiIndex;
    o.dpi_custom_val = v.dpiText;
    Convert_Barcode_Lengths_To_MM(o, Measument_Unit_Is_Adv_QR);
    return value;
}
