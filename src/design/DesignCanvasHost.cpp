// The canvas's host in the main window, and the settings a barcode object takes from the Barcode
// mode or the Advanced QR mode when one of them places its symbol on the card.

#include "design/DesignCanvasHost.h"

#include "advqr/AdvQrController.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/Barcode_Gen.h"
#include "core/Globals.h"
#include "model/DesignGlobals.h"
#include "design/CardLayers.h"
#include "design/DesignController.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "model/SKTGraphicView.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "projects/Card_Property.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QPushButton>

DesignCanvasHost::DesignCanvasHost(DesignController &design) : m_design(design), m_canvas(design.Graphic_View()) {}

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

void DesignCanvasHost::Insert_In_Undo_Redo() { m_design.Insert_In_Undo_Redo(); }

QPointF DesignCanvasHost::Control_New_Point(const QString &cardSide) { return m_design.Control_New_Point(cardSide); }

void DesignCanvasHost::Show_RHS_Properties(SKTGraphic *graphic) { m_design.sidebar().Show_RHS_Properties(graphic); }

void DesignCanvasHost::Refresh_Canvas() { m_design.Refresh_Canvas(); }

void DesignCanvasHost::Enable_Same_Size_Buttons(bool enable) { m_design.sidebar().Enable_Same_Size_Buttons(enable); }

std::shared_ptr<SKTGraphic> DesignCanvasHost::Current_Graphic() const { return m_design._Selected_Graphic.lock(); }

void DesignCanvasHost::Set_Current_Graphic(const std::shared_ptr<SKTGraphic> &graphic)
{
    m_design.Set_Selected_Graphic(graphic);
}

void DesignCanvasHost::Open_Barcode_Window(const std::shared_ptr<SKTGraphic> &barcode)
{
    if (!barcode)
        return;
    // The same window as the sidebar's button, on the object itself: the object stays in the
    // design and is redrawn from its new settings, so the sidebar reaches it again afterwards.
    if (m_design.Last_Selected_Graphic != barcode.get())
        m_design.sidebar().Show_RHS_Properties(barcode.get());
    m_design.Open_Barcode_Window();
}

void DesignCanvasHost::Check_Series_Or_Excel_Use_or_not() { m_design.records().Check_Series_Or_Excel_Use_or_not(); }

QString DesignCanvasHost::Card_Objects_Mime_Type() const { return EditingCommands::Card_Objects_Mime_Type(); }

void DesignCanvasHost::Set_Paste_Button_Status() { m_design.editing().Set_Paste_Button_Status(); }

void DesignCanvasHost::Undo_Action_Perform() { m_design.Undo_Action_Perform(); }

void DesignCanvasHost::Redo_Action_Perform() { m_design.Redo_Action_Perform(); }

bool DesignCanvasHost::Can_Undo() const { return m_design.Get_Undo_Count() >= 2; }

bool DesignCanvasHost::Can_Redo() const { return m_design.Get_Redo_Count() >= 1; }

double DesignCanvasHost::Get_Unit_Convertor(int from, int to) const
{
    return double(DesignController::Get_Unit_Convertor(from, to));
}

QImage DesignCanvasHost::Placeholder_Image(Placeholder which) const
{
    switch (which) {
    case Placeholder::SignSample: return m_design.hub.sign_sample_img;
    case Placeholder::FingerprintSample: return m_design.hub.fp_sample_img;
    case Placeholder::NoImage: break;
    }
    return m_design.hub.no_image;
}

platform::Picture DesignCanvasHost::First_Barcode_Picture(SKTGraphic &barcode, const QString &ctrl_value)
{
    QString value = QStringLiteral("0123");
    if (ctrl_value == QLatin1String("PASS_BAR"))
        value = m_design.Pass_Barcode_Mode_Settings(barcode);
    else if (ctrl_value == QLatin1String("PASS_QR"))
        value = m_design.Pass_Adv_QR_Settings(barcode);
    Barcode_Gen &window = m_design.hub.barcodeGen();
    window.Set_Barcode_Prop_To_Control(barcode, true);
    const platform::Picture picture = window.Get_Image_From_Val(value, barcode.header_val, barcode.footer_val);
    Barcode_output_image = std::make_shared<platform::Picture>(picture);
    return picture;
}

// ---- Settings of the other modes -----------------------------------------------------------

namespace {

int checked(const QCheckBox *box) { return box && box->isChecked() ? 1 : 0; }
int indexOf(const QComboBox *combo) { return combo ? combo->currentIndex() : -1; }
QString textOf(const QLineEdit *field) { return field ? field->text() : QString(); }
QString itemOf(const QComboBox *combo) { return combo ? combo->currentText() : QString(); }
float floatOf(const platform::Stepper *stepper) { return stepper ? float(stepper->doubleValue()) : 0.0f; }
int intOf(const platform::Stepper *stepper) { return stepper ? stepper->intValue() : 0; }
QColor colorOf(const platform::ColorWell *well, const QColor &fallback = Qt::black)
{
    return well ? well->color() : fallback;
}
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
    BarcodeModeController &bm = hub.barcodeMode();
    o.linear_or_2d = bm.liner_or_2D_font != 0 ? 1 : 0;
    const QString value = o.linear_or_2d ? bm.Get_Two_D_Value_From_Field() : textOf(bm.dataText);
    o.two_d_font_val = value;
    o.barcode_font_index = indexOf(bm.barcodeTypePopup);
    o.linear_font_val = textOf(bm.dataText);
    o.header_val = textOf(bm.HeaderText);
    o.footer_val = textOf(bm.FooterText);
    o.show_hide_hdr = checked(bm.hideHeaderCheckbox);
    o.show_hide_ftr = checked(bm.hideFooterCheckbox);
    o.show_hide_val = checked(bm.captionCheckbox);
    o.show_val_on_top = checked(bm.showinTopCheckbox);
    o.align_hdr_index = indexOf(bm.align_hdr_combo);
    o.align_ftr_index = indexOf(bm.align_ftr_combo);

    // The Barcode mode's data source: its value list by hand, or its batch bound to series.
    const bool series = checked(bm.data_source_chkbox) && bm.Data_Set_Sheet_RD && bm.Data_Set_Sheet_RD->isChecked();
    if (!series) {
        o.Set_Data_source_type(0);
    } else {
        o.Set_Data_source_type(1);
        const auto bind = [](QCheckBox *box, QComboBox *list, auto setName, auto setIndex) {
            if (checked(box)) {
                setName(itemOf(list));
                setIndex(indexOf(list) - 1);
            } else {
                setName(QString(""));
            }
        };
        bind(bm.barcode_value_chk, bm.val_combo_list, [&](const QString &n) { o.Set_Batch_List_Name(n); },
             [&](int i) { o.Set_Batch_List_Index(i); });
        bind(bm.barcode_header_chk, bm.hdr_combo_list, [&](const QString &n) { o.Set_Hdr_Batch_List_Name(n); },
             [&](int i) { o.Set_Hdr_Batch_List_Index(i); });
        bind(bm.barcode_footer_chk, bm.ftr_combo_list, [&](const QString &n) { o.Set_Ftr_Batch_List_Name(n); },
             [&](int i) { o.Set_Ftr_Batch_List_Index(i); });
    }

    o.qr_size_val = intOf(bm.HeightStepper_2D);
    o.qr_version_index = indexOf(bm.qr_version_ComboBox);
    o.qr_ec_index = indexOf(bm.qr_ec_lvl_ComboBox);
    o.Set_QR_Logo_VAR(bm.USE_QR_LOGO, bm.Use_logo_path ? bm.Use_logo_path->toPlainText() : QString(""));
    o.linear_height_val = floatOf(bm.HeightStepper);
    o.linear_width_val = floatOf(bm.widthStepper);
    o.pdf_hgt_val = intOf(bm.pdf_HeightStepper_2D);
    o.pdf_wdt_val = intOf(bm.Pdf_widthStepper_2D);
    o.pdf_ec_val = intOf(bm.pdf_ec_lvl_Stepper);
    o.dm_module_val = intOf(bm.dm_moduleStepper_2D);
    o.dm_format_index = indexOf(bm.dm_format_ComboBox);
    o.dm_encoding_index = indexOf(bm.dm_encoding_ComboBox);
    o.hdr_margin_val = floatOf(bm.hdr_mar_Stepper);
    o.ftr_margin_val = floatOf(bm.ftr_mar_Stepper);
    o.val_margin_val = floatOf(bm.val_mar_Stepper);
    o.TB_marging_val = floatOf(bm.TB_mar_Stepper);
    o.LR_margin_val = floatOf(bm.LR_mar_Stepper);
    o.value_font_val = bm.value_font;
    o.header_font_val = bm.header_font;
    o.footer_font_val = bm.footer_font;
    o.barcode_hdr_clr_val = colorOf(bm.bar_hdr_clr);
    o.barcode_ftr_clr_val = colorOf(bm.bar_ftr_clr);
    o.barcode_val_clr_val = colorOf(bm.bar_val_clr);
    o.barcode_clr_val = colorOf(bm.barcode_clr);
    const QColor back = colorOf(bm.bar_back_clr, Qt::white);
    o.barcode_back_clr_val = isClear(back) ? QColor(Qt::white) : back;
    if (checked(bm.transparent_bkgnd)) {
        o._isDrawingFill = true;
        o._fillColor = Qt::transparent;
    } else {
        o._isDrawingFill = false;
        o._fillColor = o.linear_or_2d ? QColor(Qt::white) : back;
    }
    o.dpi_val_index = indexOf(bm.DPI_ComboBox);
    o.dpi_custom_val = textOf(bm.dpi_Text);
    Convert_Barcode_Lengths_To_MM(o, Measument_Unit_Is_Barcode);
    return value;
}

QString DesignController::Pass_Adv_QR_Settings(SKTGraphic &o)
{
    AdvQrController &qr = hub.advQr();
    BarcodeModeController &bm = hub.barcodeMode();
    const QString value = qr.Get_Adv_QR_Final_Str_Value();
    o.AQR_Final_Value = value;
    o.two_d_font_val = value;
    o.AQR_Category = qr.Selected_Qr_Category ? qr.Selected_Qr_Category->text() : QString();
    o.AQR_Display_value = SEL_QR_DISPLAY_VALUE;
    o.linear_or_2d = 1;
    o.barcode_font_index = 16;
    o.linear_font_val = QStringLiteral("123456789012");
    o.header_val = textOf(qr.ADV_QR_HeaderText);
    o.footer_val = textOf(qr.ADV_QR_FooterText);
    o.show_hide_hdr = checked(qr.ADV_QR_hideHeaderCheckbox);
    o.show_hide_ftr = checked(qr.ADV_QR_hideFooterCheckbox);
    o.show_hide_val = 0;
    o.show_val_on_top = 0;
    o.align_hdr_index = indexOf(qr.ADV_QR_align_hdr_combo);
    o.align_ftr_index = indexOf(qr.ADV_QR_align_ftr_combo);
    o.Set_Data_source_type(0);
    o.qr_size_val = intOf(qr.ADV_QR_HeightStepper_2D);
    o.qr_version_index = indexOf(qr.ADV_QR_version_ComboBox);
    o.qr_ec_index = indexOf(qr.ADV_QR_ec_lvl_ComboBox);
    if (qr.ADV_QR_USE_QR_LOGO_PATH.isNull())
        qr.ADV_QR_USE_QR_LOGO_PATH = QStringLiteral("");
    o.Set_QR_Logo_VAR(qr.ADV_QR_USE_QR_LOGO, qr.ADV_QR_USE_QR_LOGO_PATH);
    o.linear_height_val = 1.0f;
    o.linear_width_val = 20.0f;
    o.pdf_hgt_val = 20;
    o.pdf_wdt_val = 100;
    o.pdf_ec_val = 2;
    o.dm_module_val = 2;
    o.dm_format_index = 0;
    o.dm_encoding_index = 0;
    o.hdr_margin_val = floatOf(qr.ADV_QR_hdr_mar_Stepper);
    o.ftr_margin_val = floatOf(qr.ADV_QR_ftr_mar_Stepper);
    o.TB_marging_val = floatOf(qr.ADV_QR_TB_mar_Stepper);
    o.LR_margin_val = floatOf(qr.ADV_QR_LR_mar_Stepper);
    o.val_margin_val = 0.1f;
    o.header_font_val = qr.ADV_QR_header_font;
    o.footer_font_val = qr.ADV_QR_footer_font;
    o.value_font_val = Text_font;
    o.barcode_val_clr_val = Qt::black;
    o.barcode_hdr_clr_val = colorOf(qr.ADV_QR_bar_hdr_clr);
    o.barcode_ftr_clr_val = colorOf(qr.ADV_QR_bar_ftr_clr);
    o.barcode_back_clr_val = colorOf(qr.ADV_QR_back_bg_clr, Qt::white);
    o.barcode_clr_val = colorOf(qr.ADV_QR_barcode_clr);
    if (checked(qr.ADV_QR_transp_bg_chk)) {
        o._isDrawingFill = true;
        o._fillColor = Qt::transparent;
    } else {
        o._isDrawingFill = false;
        o._fillColor = colorOf(qr.ADV_QR_back_bg_clr, Qt::white);
    }
    o.dpi_val_index = indexOf(bm.DPI_ComboBox);
    o.dpi_custom_val = textOf(bm.dpi_Text);
    Convert_Barcode_Lengths_To_MM(o, Measument_Unit_Is_Adv_QR);
    return value;
}
