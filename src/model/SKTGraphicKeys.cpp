// Card object values by name: the observable properties and every field under its own name. The
// readers of files and of the clipboard set values this way, so a value that does not fit (a
// number that is not finite, a value of another kind) is refused and the old value stays.

#include "model/SKTGraphic.h"

#include "model/GraphicRects.h"

#include <QHash>

#include <cfloat>
#include <climits>
#include <cmath>

namespace {

bool finiteNumber(const QVariant &v, double *out)
{
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return false;
    *out = d;
    return true;
}

bool convert(const QVariant &v, bool *out)
{
    if (!v.isValid() || !v.canConvert<bool>())
        return false;
    *out = v.toBool();
    return true;
}

bool convert(const QVariant &v, int *out)
{
    double d = 0;
    if (!finiteNumber(v, &d) || d < double(INT_MIN) || d > double(INT_MAX))
        return false;
    *out = int(d);
    return true;
}

bool convert(const QVariant &v, float *out)
{
    double d = 0;
    if (!finiteNumber(v, &d) || std::fabs(d) > double(FLT_MAX))
        return false;
    *out = float(d);
    return true;
}

bool convert(const QVariant &v, double *out) { return finiteNumber(v, out); }

bool convert(const QVariant &v, QString *out)
{
    if (!v.isValid() || !v.canConvert<QString>())
        return false;
    *out = v.toString();
    return true;
}

template <class T>
bool convertExact(const QVariant &v, T *out)
{
    if (v.metaType() != QMetaType::fromType<T>())
        return false;
    *out = v.value<T>();
    return true;
}

bool convert(const QVariant &v, QColor *out) { return convertExact(v, out); }
bool convert(const QVariant &v, QFont *out) { return convertExact(v, out); }
bool convert(const QVariant &v, platform::Picture *out) { return convertExact(v, out); }

bool convert(const QVariant &v, QRectF *out)
{
    if (!v.isValid() || !v.canConvert<QRectF>())
        return false;
    const QRectF r = v.toRectF();
    if (!cardrect::isFinite(r))
        return false;
    *out = cardrect::normalised(r);
    return true;
}

// One field: its value as a variant, and the write of a variant, made ready only when it fits.
struct Field {
    std::function<QVariant(const SKTGraphic &)> get;
    std::function<std::function<void()>(SKTGraphic &, const QVariant &)> prepare;
};

template <class T>
Field field(T SKTGraphic::*member)
{
    return {[member](const SKTGraphic &g) { return QVariant::fromValue(g.*member); },
            [member](SKTGraphic &g, const QVariant &v) -> std::function<void()> {
                T value{};
                if (!convert(v, &value))
                    return {};
                return [&g, member, value] { g.*member = value; };
            }};
}

#define TAGORA_FIELD(name) {QStringLiteral(#name), field(&SKTGraphic::name)}

const QHash<QString, Field> &fields()
{
    static const QHash<QString, Field> table = {
        TAGORA_FIELD(_bounds), TAGORA_FIELD(bar_image_ctrl_bounds), TAGORA_FIELD(_isFlippedHorizontally),
        TAGORA_FIELD(_isFlippedVertically), TAGORA_FIELD(text_rotation), TAGORA_FIELD(rotate_image),
        TAGORA_FIELD(_boundsBeingChangedToMatchContents),
        TAGORA_FIELD(_isDrawingFill), TAGORA_FIELD(_fillColor), TAGORA_FIELD(_fill_type),
        TAGORA_FIELD(_fill_Grad_clr1), TAGORA_FIELD(_fill_Grad_clr2), TAGORA_FIELD(_fill_grad_angle),
        TAGORA_FIELD(_fill_htch_clr), TAGORA_FIELD(_fill_hatch_type), TAGORA_FIELD(alpha_val),
        TAGORA_FIELD(_isDrawingStroke), TAGORA_FIELD(_strokeColor), TAGORA_FIELD(_strokeWidth),
        TAGORA_FIELD(_stroke_border_type), TAGORA_FIELD(alpha_val_stroke),
        TAGORA_FIELD(_shape_type), TAGORA_FIELD(cor_rad_val), TAGORA_FIELD(double_star_type),
        TAGORA_FIELD(polygon_type), TAGORA_FIELD(_line_ori), TAGORA_FIELD(_line_cap_style),
        TAGORA_FIELD(_file_path), TAGORA_FIELD(_contents), TAGORA_FIELD(_contents_with_settings),
        TAGORA_FIELD(invert_clr), TAGORA_FIELD(gray_Scale), TAGORA_FIELD(Sepia), TAGORA_FIELD(img_trnsp_val),
        TAGORA_FIELD(hue_val), TAGORA_FIELD(sat_val), TAGORA_FIELD(brt_val), TAGORA_FIELD(con_val),
        TAGORA_FIELD(srp_val), TAGORA_FIELD(ev_val), TAGORA_FIELD(blr_val), TAGORA_FIELD(sign_or_fingureprint),
        TAGORA_FIELD(text_ctrl_font), TAGORA_FIELD(txt_clr), TAGORA_FIELD(Text_Value), TAGORA_FIELD(text_alignmnet),
        TAGORA_FIELD(text_alignmnet_Vert), TAGORA_FIELD(text_transfrom_case), TAGORA_FIELD(text_kerning),
        TAGORA_FIELD(Drawing_Shadow), TAGORA_FIELD(Shadow_Color), TAGORA_FIELD(Shadow_offset_X),
        TAGORA_FIELD(Shadow_offset_Y), TAGORA_FIELD(Shadow_blur), TAGORA_FIELD(Shadow_transparency),
        TAGORA_FIELD(_barcode_image), TAGORA_FIELD(linear_or_2d), TAGORA_FIELD(barcode_font_index),
        TAGORA_FIELD(linear_font_val), TAGORA_FIELD(two_d_font_val), TAGORA_FIELD(header_val),
        TAGORA_FIELD(footer_val), TAGORA_FIELD(show_hide_hdr), TAGORA_FIELD(show_hide_ftr),
        TAGORA_FIELD(show_hide_val), TAGORA_FIELD(show_val_on_top), TAGORA_FIELD(align_hdr_index),
        TAGORA_FIELD(align_ftr_index), TAGORA_FIELD(linear_height_val), TAGORA_FIELD(linear_width_val),
        TAGORA_FIELD(qr_size_val), TAGORA_FIELD(qr_version_index), TAGORA_FIELD(qr_ec_index),
        TAGORA_FIELD(pdf_hgt_val), TAGORA_FIELD(pdf_wdt_val), TAGORA_FIELD(pdf_ec_val),
        TAGORA_FIELD(dm_module_val), TAGORA_FIELD(dm_format_index), TAGORA_FIELD(dm_encoding_index),
        TAGORA_FIELD(hdr_margin_val), TAGORA_FIELD(ftr_margin_val), TAGORA_FIELD(val_margin_val),
        TAGORA_FIELD(TB_marging_val), TAGORA_FIELD(LR_margin_val), TAGORA_FIELD(value_font_val),
        TAGORA_FIELD(header_font_val), TAGORA_FIELD(footer_font_val), TAGORA_FIELD(barcode_hdr_clr_val),
        TAGORA_FIELD(barcode_ftr_clr_val), TAGORA_FIELD(barcode_val_clr_val), TAGORA_FIELD(barcode_back_clr_val),
        TAGORA_FIELD(barcode_clr_val), TAGORA_FIELD(dpi_val_index), TAGORA_FIELD(dpi_custom_val),
        TAGORA_FIELD(barcode_unit_val), TAGORA_FIELD(USE_QR_LOGO), TAGORA_FIELD(USE_QR_LOGO_PATH),
        TAGORA_FIELD(AQR_Category), TAGORA_FIELD(AQR_Final_Value), TAGORA_FIELD(AQR_Display_value),
        TAGORA_FIELD(AQR_cat_Image),
        TAGORA_FIELD(data_source_type), TAGORA_FIELD(batch_list_name), TAGORA_FIELD(batch_list_index),
        TAGORA_FIELD(batch_hdr_list_name), TAGORA_FIELD(batch_hdr_list_index), TAGORA_FIELD(batch_ftr_list_name),
        TAGORA_FIELD(batch_ftr_list_index), TAGORA_FIELD(excel_binding), TAGORA_FIELD(excel_col_indx),
        TAGORA_FIELD(ctrl_is_locked), TAGORA_FIELD(ctrl_is_visible), TAGORA_FIELD(print_object),
        TAGORA_FIELD(control_ID),
    };
    return table;
}

#undef TAGORA_FIELD

} // namespace

QVariant SKTGraphic::valueForKey(const QString &key) const
{
    if (key == QLatin1String("bounds"))
        return _bounds;
    if (key == QLatin1String("xPosition"))
        return xPosition();
    if (key == QLatin1String("yPosition"))
        return yPosition();
    if (key == QLatin1String("width"))
        return width();
    if (key == QLatin1String("height"))
        return height();
    if (key == QLatin1String("drawingBounds"))
        return drawingBounds();
    if (key == QLatin1String("drawingContents"))
        return {};   // a change marker with no value of its own
    if (key == QLatin1String("drawingFill"))
        return isDrawingFill();
    if (key == QLatin1String("fillColor"))
        return _fillColor;
    if (key == QLatin1String("drawingStroke"))
        return isDrawingStroke();
    if (key == QLatin1String("strokeColor"))
        return _strokeColor;
    if (key == QLatin1String("strokeWidth"))
        return _strokeWidth;
    if (key == QLatin1String("flippedHorizontally"))
        return _isFlippedHorizontally;
    if (key == QLatin1String("flippedVertically"))
        return _isFlippedVertically;
    if (key == QLatin1String("keysForValuesToObserveForUndo"))
        return keysForValuesToObserveForUndo();
    const auto it = fields().constFind(key);
    return it == fields().cend() ? QVariant() : it->get(*this);
}

bool SKTGraphic::setValue(const QVariant &value, const QString &key)
{
    double number = 0;
    bool flag = false;
    QRectF rect;
    if (key == QLatin1String("bounds")) {
        if (!convert(value, &rect))
            return false;
        setBounds(rect);
        return true;
    }
    using Setter = void (SKTGraphic::*)(double);
    static const QHash<QString, Setter> positions = {
        {QStringLiteral("xPosition"), &SKTGraphic::setXPosition}, {QStringLiteral("yPosition"), &SKTGraphic::setYPosition},
        {QStringLiteral("width"), &SKTGraphic::setWidth},         {QStringLiteral("height"), &SKTGraphic::setHeight},
        {QStringLiteral("strokeWidth"), &SKTGraphic::setStrokeWidth},
    };
    if (const auto it = positions.constFind(key); it != positions.cend()) {
        if (!finiteNumber(value, &number))
            return false;
        (this->*it.value())(number);
        return true;
    }
    using FlagSetter = void (SKTGraphic::*)(bool);
    static const QHash<QString, FlagSetter> flags = {
        {QStringLiteral("drawingFill"), &SKTGraphic::setDrawingFill},
        {QStringLiteral("drawingStroke"), &SKTGraphic::setDrawingStroke},
        {QStringLiteral("flippedHorizontally"), &SKTGraphic::setFlippedHorizontally},
        {QStringLiteral("flippedVertically"), &SKTGraphic::setFlippedVertically},
    };
    if (const auto it = flags.constFind(key); it != flags.cend()) {
        if (!convert(value, &flag))
            return false;
        (this->*it.value())(flag);
        return true;
    }
    QColor color;
    if (key == QLatin1String("fillColor") || key == QLatin1String("strokeColor")) {
        if (!convert(value, &color))
            return false;
        key == QLatin1String("fillColor") ? setFillColor(color) : setStrokeColor(color);
        return true;
    }
    const auto it = fields().constFind(key);
    if (it == fields().cend())
        return false;
    const std::function<void()> write = it->prepare(*this, value);
    if (!write)
        return false;
    changeValueForKey(key, write);
    return true;
}
