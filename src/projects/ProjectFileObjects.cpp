#include "projects/ProjectFileObjects.h"

#include "core/Globals.h"
#include "core/Utilities.h"
#include "model/PictureEffectRanges.h"
#include "model/SKTLine.h"
#include "platform/KeyedArchive.h"
#include "projects/ProjectFileText.h"

#include <cmath>
#include <stdexcept>

using platform::PlistValue;

namespace projectfile {

namespace {

// ---- Writing ------------------------------------------------------------------------------------

class Writer {
public:
    void text(const QString &s) { m_array.append(PlistValue(s.isNull() ? QStringLiteral("") : s)); }
    void flag(bool on) { text(flagText(on)); }
    void integer(qint64 v) { text(intText(v)); }
    void real(double v) { text(realText(v)); }
    void color(const QColor &c) { text(colorToText(c)); }
    void font(const QFont &f) { text(fontToText(f)); }
    void data(const QByteArray &d) { m_array.append(PlistValue::data(d)); }
    PlistValue take() { return std::move(m_array); }

private:
    PlistValue m_array = PlistValue::array();
};

void writeCommon(Writer &w, const SKTGraphic &g)
{
    w.text(rectToText(g._bounds));
    w.flag(g.ctrl_is_locked);
    w.flag(g._isDrawingFill);
    w.color(g._fillColor);
    w.flag(g._isDrawingStroke);
    w.color(g._strokeColor);
    w.real(g._strokeWidth);
    w.text(g._stroke_border_type);
    w.text(g._fill_type);
    w.color(g._fill_Grad_clr1);
    w.color(g._fill_Grad_clr2);
    w.real(g._fill_grad_angle);
    w.color(g._fill_htch_clr);
    w.text(g._fill_hatch_type);
    w.real(g.alpha_val);
    w.real(g.alpha_val_stroke);
    w.flag(g.print_object != 0);
    w.text(g.control_ID);
    w.flag(g.ctrl_is_visible);
}

void writeBinding(Writer &w, const SKTGraphic &g)
{
    w.integer(g.data_source_type);
    w.text(g.batch_list_name);
    w.integer(g.batch_list_index);
    w.flag(g.excel_binding);
    w.integer(g.excel_col_indx);
    w.text(g.batch_hdr_list_name);
    w.integer(g.batch_hdr_list_index);
    w.text(g.batch_ftr_list_name);
    w.integer(g.batch_ftr_list_index);
}

// ---- Reading ------------------------------------------------------------------------------------

// The elements of an array in their order; a missing element or one of the wrong kind throws.
class Reader {
public:
    explicit Reader(const PlistValue::Array &items) : m_items(items) {}

    int index() const { return m_index; }
    QString text()
    {
        if (m_index >= int(m_items.size()))
            throw std::out_of_range("The array ends before element " + std::to_string(m_index) + ".");
        const PlistValue &v = m_items[size_t(m_index)];
        if (v.type() != PlistValue::Type::String)
            throw std::invalid_argument("Element " + std::to_string(m_index) + " is no text.");
        ++m_index;
        return v.toString();
    }
    const PlistValue &any()
    {
        if (m_index >= int(m_items.size()))
            throw std::out_of_range("The array ends before element " + std::to_string(m_index) + ".");
        return m_items[size_t(m_index++)];
    }
    bool flag() { return flagFromText(text()); }
    int integer() { return intFromText(text()); }
    float real() { return float(realFromText(text())); }
    double realDouble() { return realFromText(text()); }
    QColor color() { return colorFromText(text()); }
    // A font text; one that names no installed font gives the default text font at the stored size.
    QFont font()
    {
        const QString t = text();
        if (std::optional<QFont> f = fontFromText(t))
            return *f;
        QFont fallback(Text_Ctrl_Font);
        fallback.setPointSizeF(usablePointSize(fontSizeOfText(t)));
        return fallback;
    }

private:
    const PlistValue::Array &m_items;
    int m_index = 0;
};

bool usableFrame(const QRectF &r)
{
    constexpr double limit = 1e7;   // points; far beyond any card
    for (double v : {r.x(), r.y(), r.width(), r.height()})
        if (!std::isfinite(v) || std::abs(v) > limit)
            return false;
    return r.width() >= 0 && r.height() >= 0;
}

void readCommon(Reader &r, SKTGraphic &g)
{
    g._bounds = rectFromText(r.text());
    if (!usableFrame(g._bounds))
        throw std::domain_error("The frame is not finite and positive.");
    g.ctrl_is_locked = r.flag();
    g._isDrawingFill = r.flag();
    g._fillColor = r.color();
    g._isDrawingStroke = r.flag();
    g._strokeColor = r.color();
    g._strokeWidth = r.realDouble();
    g._stroke_border_type = r.text();
    g._fill_type = r.text();
    g._fill_Grad_clr1 = r.color();
    g._fill_Grad_clr2 = r.color();
    g._fill_grad_angle = r.realDouble();
    g._fill_htch_clr = r.color();
    g._fill_hatch_type = r.text();
    g.alpha_val = r.real();
    g.alpha_val_stroke = r.real();
    g.print_object = r.flag() ? 1 : 0;
    g.control_ID = r.text();
    g.ctrl_is_visible = r.flag();
}

void readBinding(Reader &r, SKTGraphic &g)
{
    g.data_source_type = r.integer();
    g.batch_list_name = r.text();
    g.batch_list_index = r.integer();
    g.excel_binding = r.flag();
    g.excel_col_indx = r.integer();
    g.batch_hdr_list_name = r.text();
    g.batch_hdr_list_index = r.integer();
    g.batch_ftr_list_name = r.text();
    g.batch_ftr_list_index = r.integer();
}

void clearBinding(SKTGraphic &g)
{
    g.data_source_type = 0;
    g.batch_list_name = g.batch_hdr_list_name = g.batch_ftr_list_name = QStringLiteral("");
    g.batch_list_index = g.batch_hdr_list_index = g.batch_ftr_list_index = 0;
    g.excel_binding = false;
    g.excel_col_indx = 0;
}

void readText(Reader &r, SKTGraphic &g)
{
    g.text_ctrl_font = r.font();
    g.txt_clr = r.color();
    g.text_alignmnet_Vert = r.integer();
    g.text_alignmnet = r.integer();
    g.text_transfrom_case = r.integer();
    g.text_kerning = r.real();
    g.Set_text_value(r.text());
    g.Drawing_Shadow = r.flag();
    g.Shadow_Color = r.color();
    g.Shadow_offset_X = r.real();
    g.Shadow_offset_Y = r.real();
    g.Shadow_blur = r.real();
    g.Shadow_transparency = r.real();
    g.text_rotation = r.integer();
}

void readPicture(Reader &r, SKTGraphic &g, int count)
{
    g._isFlippedHorizontally = r.flag();
    g._isFlippedVertically = r.flag();
    g.invert_clr = r.flag();
    g.gray_Scale = r.flag();
    g.Sepia = r.flag();
    g.img_trnsp_val = r.real();
    g.hue_val = r.real();
    g.sat_val = r.real();
    g.brt_val = r.real();
    g.con_val = r.real();
    g.srp_val = r.real();
    g.ev_val = r.real();
    g.blr_val = r.real();
    g.rotate_image = r.real();
    picture_effects::clampAll(g);
    g._file_path = Check_Path_For_App_Resources(r.text());
    QString source;
    if (count > kOlderPictureElements)
        source = Check_Path_For_App_Resources(r.text());
    g.Text_Value = (source.isEmpty() || source == QLatin1String("Text here")) ? g._file_path : source;
}

// Reads the barcode block; answers whether element 29 held a picture.
bool readBarcode(Reader &r, SKTGraphic &g, int count)
{
    const PlistValue &block = r.any();
    bool hasPicture = false;
    if (block.type() == PlistValue::Type::Data) {
        if (std::optional<platform::Picture> picture = platform::unarchivedPicture(block.toData())) {
            g._barcode_image = *picture;
            hasPicture = true;
        }
    }
    g.linear_or_2d = r.integer();
    g.barcode_font_index = r.integer();
    g.linear_font_val = r.text();
    g.two_d_font_val = r.text();
    g.header_val = r.text();
    g.footer_val = r.text();
    g.show_hide_hdr = r.integer();
    g.show_hide_ftr = r.integer();
    g.show_hide_val = r.integer();
    g.show_val_on_top = r.integer();
    g.align_hdr_index = r.integer();
    g.align_ftr_index = r.integer();
    g.linear_height_val = r.real();
    g.linear_width_val = r.real();
    g.qr_size_val = r.integer();
    g.qr_version_index = r.integer();
    g.qr_ec_index = r.integer();
    g.pdf_hgt_val = r.integer();
    g.pdf_wdt_val = r.integer();
    g.pdf_ec_val = r.integer();
    g.dm_module_val = r.integer();
    g.dm_format_index = r.integer();
    g.dm_encoding_index = r.integer();
    g.hdr_margin_val = r.real();
    g.ftr_margin_val = r.real();
    g.val_margin_val = r.real();
    g.TB_marging_val = r.real();
    g.LR_margin_val = r.real();
    g.value_font_val = r.font();
    g.header_font_val = r.font();
    g.footer_font_val = r.font();
    g.barcode_hdr_clr_val = r.color();
    g.barcode_ftr_clr_val = r.color();
    g.barcode_val_clr_val = r.color();
    g.barcode_back_clr_val = r.color();
    g.barcode_clr_val = r.color();
    g.dpi_val_index = r.integer();
    g.dpi_custom_val = r.text();
    g.barcode_unit_val = r.integer();
    if (count > kOlderBarcodeElements) {
        const bool logo = r.flag();
        const QString logoPath = Check_Path_For_App_Resources(r.text());
        g.Set_QR_Logo_VAR(logo, logoPath);
        g.AQR_Category = r.text();
        g.AQR_Final_Value = r.text();
        g.AQR_Display_value = r.text();
    }
    g.Set_Barcode_image_control_bounds();
    return hasPicture;
}

SKTGraphicClass classOfLetter(const QString &letter, bool *known)
{
    *known = true;
    if (letter == QLatin1String("L")) return SKTGraphicClass::Line;
    if (letter == QLatin1String("T")) return SKTGraphicClass::Text;
    if (letter == QLatin1String("D")) return SKTGraphicClass::Shape;
    if (letter == QLatin1String("I")) return SKTGraphicClass::Image;
    if (letter == QLatin1String("B")) return SKTGraphicClass::Barcode;
    if (letter == QLatin1String("S")) return SKTGraphicClass::Signature;
    *known = false;
    return SKTGraphicClass::Graphic;
}

} // namespace

QString classLetter(SKTGraphicClass graphicClass)
{
    switch (graphicClass) {
    case SKTGraphicClass::Line: return QStringLiteral("L");
    case SKTGraphicClass::Text: return QStringLiteral("T");
    case SKTGraphicClass::Shape: return QStringLiteral("D");
    case SKTGraphicClass::Image: return QStringLiteral("I");
    case SKTGraphicClass::Barcode: return QStringLiteral("B");
    case SKTGraphicClass::Signature: return QStringLiteral("S");
    case SKTGraphicClass::Graphic: break;
    }
    return {};
}

PlistValue objectToArray(const SKTGraphic &g, const QString &signSample)
{
    const QString letter = classLetter(g.graphicClass());
    if (letter.isEmpty())
        return PlistValue::array();
    Writer w;
    w.text(letter);
    writeCommon(w, g);
    const SKTGraphicClass cls = g.graphicClass();
    if (cls == SKTGraphicClass::Text || cls == SKTGraphicClass::Image || cls == SKTGraphicClass::Barcode)
        writeBinding(w, g);
    switch (cls) {
    case SKTGraphicClass::Line: {
        w.integer(g._line_ori);
        w.integer(g._line_cap_style);
        const auto &line = static_cast<const SKTLine &>(g);
        w.flag(line._pointsRight);
        w.flag(line._pointsDown);
        break;
    }
    case SKTGraphicClass::Text:
        w.font(g.text_ctrl_font);
        w.color(g.txt_clr);
        w.integer(g.text_alignmnet_Vert);
        w.integer(g.text_alignmnet);
        w.integer(g.text_transfrom_case);
        w.real(g.text_kerning);
        w.text(g.Text_Value);
        w.flag(g.Drawing_Shadow);
        w.color(g.Shadow_Color);
        w.real(g.Shadow_offset_X);
        w.real(g.Shadow_offset_Y);
        w.real(g.Shadow_blur);
        w.real(g.Shadow_transparency);
        w.integer(g.text_rotation);
        break;
    case SKTGraphicClass::Shape:
        w.text(g._shape_type);
        w.real(g.cor_rad_val);
        w.integer(g.double_star_type);
        w.integer(g.polygon_type);
        w.integer(g.text_rotation);
        break;
    case SKTGraphicClass::Image:
        for (bool f : {g._isFlippedHorizontally, g._isFlippedVertically, g.invert_clr, g.gray_Scale, g.Sepia})
            w.flag(f);
        for (float v : {g.img_trnsp_val, g.hue_val, g.sat_val, g.brt_val, g.con_val, g.srp_val, g.ev_val, g.blr_val,
                        g.rotate_image})
            w.real(v);
        w.text(g._file_path);
        w.text(g.Text_Value);
        break;
    case SKTGraphicClass::Barcode:
        w.data(platform::archivedPicture(g._barcode_image));
        w.integer(g.linear_or_2d);
        w.integer(g.barcode_font_index);
        w.text(g.linear_font_val);
        w.text(g.two_d_font_val);
        w.text(g.header_val);
        w.text(g.footer_val);
        for (int v : {g.show_hide_hdr, g.show_hide_ftr, g.show_hide_val, g.show_val_on_top, g.align_hdr_index,
                      g.align_ftr_index})
            w.integer(v);
        w.real(g.linear_height_val);
        w.real(g.linear_width_val);
        for (int v : {g.qr_size_val, g.qr_version_index, g.qr_ec_index, g.pdf_hgt_val, g.pdf_wdt_val, g.pdf_ec_val,
                      g.dm_module_val, g.dm_format_index, g.dm_encoding_index})
            w.integer(v);
        for (float v : {g.hdr_margin_val, g.ftr_margin_val, g.val_margin_val, g.TB_marging_val, g.LR_margin_val})
            w.real(v);
        w.font(g.value_font_val);
        w.font(g.header_font_val);
        w.font(g.footer_font_val);
        for (const QColor &c : {g.barcode_hdr_clr_val, g.barcode_ftr_clr_val, g.barcode_val_clr_val,
                                g.barcode_back_clr_val, g.barcode_clr_val})
            w.color(c);
        w.integer(g.dpi_val_index);
        w.text(g.dpi_custom_val);
        w.integer(g.barcode_unit_val);
        w.flag(g.USE_QR_LOGO);
        w.text(g.USE_QR_LOGO_PATH);
        w.text(g.AQR_Category);
        w.text(g.AQR_Final_Value);
        w.text(g.AQR_Display_value);
        break;
    case SKTGraphicClass::Signature:
        w.text(g.sign_or_fingureprint);
        w.text(g._file_path.isEmpty() ? signSample : g._file_path);
        break;
    case SKTGraphicClass::Graphic: break;
    }
    return w.take();
}

ObjectRead objectFromArray(const PlistValue &array, bool qrEdition)
{
    ObjectRead read;
    if (array.type() != PlistValue::Type::Array || array.items().empty()
        || array.items().front().type() != PlistValue::Type::String) {
        read.failure = QStringLiteral("The object is no array beginning with its class letter.");
        return read;
    }
    bool known = false;
    const SKTGraphicClass cls = classOfLetter(array.items().front().toString(), &known);
    if (!known) {
        read.failure = QStringLiteral("Unknown object class \"%1\".").arg(array.items().front().toString().left(20));
        return read;
    }
    std::shared_ptr<SKTGraphic> object = SKTGraphic::graphicOfClass(cls);
    const int count = int(array.items().size());
    Reader r(array.items());
    r.any();   // the class letter
    bool hasPicture = false;
    try {
        try {
            readCommon(r, *object);
        } catch (const std::domain_error &) {
            read.failure = QStringLiteral("The object's frame is not finite and positive; the object is left out.");
            return read;
        }
        const bool bound = cls == SKTGraphicClass::Text || cls == SKTGraphicClass::Image || cls == SKTGraphicClass::Barcode;
        if (bound) {
            readBinding(r, *object);
            if (qrEdition)
                clearBinding(*object);
        }
        switch (cls) {
        case SKTGraphicClass::Line: {
            object->_line_ori = r.integer();
            object->_line_cap_style = r.integer();
            auto &line = static_cast<SKTLine &>(*object);
            line._pointsRight = r.flag();
            line._pointsDown = r.flag();
            break;
        }
        case SKTGraphicClass::Text: readText(r, *object); break;
        case SKTGraphicClass::Shape:
            object->_shape_type = r.text();
            object->cor_rad_val = r.real();
            object->double_star_type = r.integer();
            object->polygon_type = r.integer();
            object->text_rotation = r.integer();
            break;
        case SKTGraphicClass::Image: readPicture(r, *object, count); break;
        case SKTGraphicClass::Barcode: hasPicture = readBarcode(r, *object, count); break;
        case SKTGraphicClass::Signature:
            object->sign_or_fingureprint = r.text();
            object->_file_path = Check_Path_For_App_Resources(r.text());
            break;
        case SKTGraphicClass::Graphic: break;
        }
        read.complete = true;
        read.needsPicture = cls == SKTGraphicClass::Barcode && !hasPicture;
    } catch (const std::exception &e) {
        read.failure = QString::fromStdString(e.what());
    }
    read.object = std::move(object);
    return read;
}

} // namespace projectfile
