#pragma once
// Helpers of the archive tests: card objects with every field away from its default, small
// pictures, the serialised form of an object as a property list to tamper with, and a PNG whose
// header claims any size.

#include "model/ObjectArchive.h"
#include "model/PictureEffectRanges.h"
#include "model/SKTGraphic.h"
#include "model/SKTLine.h"

#include <QImage>
#include <QPainter>

#include <cstdint>

namespace archivetest {

inline platform::Picture bitmap(const QSize &size, const QColor &color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return platform::Picture::fromImage(image, QSizeF(size) * 0.5);
}

// A vector picture: a filled rectangle in the given colour.
inline platform::Picture vector(const QSizeF &points, const QColor &color)
{
    return platform::Picture::record(points, [points, color](QPainter &p) { p.fillRect(QRectF(QPointF(), points), color); });
}

inline QColor pixelOf(const platform::Picture &picture)
{
    return picture.isNull() || picture.image().isNull() ? QColor() : QColor::fromRgba(picture.image().pixel(0, 0));
}

inline QStringList words(const char *text) { return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

// The keys of each block, in writing order.
inline const QStringList kCommon = words(
    "_bounds ctrl_is_locked _isDrawingFill _fillColor _isDrawingStroke _strokeColor _strokeWidth _stroke_border_type "
    "_fill_type _fill_Grad_clr1 _fill_Grad_clr2 _fill_grad_angle _fill_htch_clr _fill_hatch_type alpha_val "
    "alpha_val_stroke print_object control_ID ctrl_is_visible");
inline const QStringList kBinding = words(
    "data_source_type batch_list_name batch_list_index excel_binding excel_col_indx batch_hdr_list_name "
    "batch_hdr_list_index batch_ftr_list_name batch_ftr_list_index");
inline const QStringList kLine = words("_line_ori _line_cap_style _pointsRight _pointsDown");
inline const QStringList kText = words(
    "text_ctrl_font txt_clr _Text_contents text_alignmnet_Vert text_alignmnet text_transfrom_case text_kerning "
    "Text_Value Drawing_Shadow Shadow_Color Shadow_offset_X Shadow_offset_Y Shadow_blur Shadow_transparency "
    "text_rotation");
inline const QStringList kShape = words("_shape_type cor_rad_val double_star_type polygon_type text_rotation");
inline const QStringList kPicture = words(
    "_isFlippedHorizontally _isFlippedVertically invert_clr gray_Scale Sepia img_trnsp_val hue_val sat_val brt_val "
    "con_val srp_val ev_val blr_val rotate_image _file_path Text_Value _contents _contents_with_settings");
inline const QStringList kBarcode = words(
    "_barcode_image linear_or_2d barcode_font_index linear_font_val two_d_font_val header_val footer_val "
    "show_hide_hdr show_hide_ftr show_hide_val show_val_on_top align_hdr_index align_ftr_index linear_height_val "
    "linear_width_val qr_size_val qr_version_index qr_ec_index pdf_hgt_val pdf_wdt_val pdf_ec_val dm_module_val "
    "dm_format_index dm_encoding_index hdr_margin_val ftr_margin_val val_margin_val TB_marging_val LR_margin_val "
    "value_font_val header_font_val footer_font_val barcode_hdr_clr_val barcode_ftr_clr_val barcode_val_clr_val "
    "barcode_back_clr_val barcode_clr_val dpi_val_index dpi_custom_val barcode_unit_val USE_QR_LOGO "
    "USE_QR_LOGO_PATH AQR_Category AQR_Final_Value AQR_Display_value AQR_cat_Image");
inline const QStringList kSignature = words("sign_or_fingureprint _file_path _contents");

// Every field away from its default (by name, so none is forgotten), with a few chosen values the
// tests look for.
inline std::shared_ptr<SKTGraphic> filledGraphic(SKTGraphicClass graphicClass)
{
    std::shared_ptr<SKTGraphic> g = SKTGraphic::graphicOfClass(graphicClass);
    const QStringList keys = kCommon + kBinding + kLine + kText + kShape + kPicture + kBarcode + kSignature +
                             words("bar_image_ctrl_bounds");
    for (const QString &key : keys) {
        const QVariant v = g->valueForKey(key);
        const int n = int(key.size());
        QVariant changed;
        switch (v.typeId()) {
        case QMetaType::Bool: changed = !v.toBool(); break;
        case QMetaType::Int: changed = v.toInt() + n; break;
        case QMetaType::Float: changed = v.toFloat() + 0.25f * float(n); break;
        case QMetaType::Double: changed = v.toDouble() + 0.5 * n; break;
        case QMetaType::QString: changed = key + QStringLiteral("·%1").arg(n); break;
        case QMetaType::QColor: changed = QColor(n * 9 % 256, n * 37 % 256, n * 71 % 256, 200); break;
        case QMetaType::QFont: changed = QFont(QStringLiteral("DejaVu Sans"), 6 + n % 9); break;
        case QMetaType::QRectF: changed = QRectF(n, 2, 3, 4); break;
        default: changed = QVariant::fromValue(bitmap(QSize(2, 2), Qt::cyan)); break;   // pictures
        }
        if (v.isValid())
            g->setValue(changed, key);
    }
    // Picture effects stay inside their sliders' ranges, which reading brings them into.
    for (const picture_effects::Range &r : picture_effects::ranges())
        (*g).*r.field = float(r.minimum + (r.maximum - r.minimum) * 0.375);
    g->_bounds = QRectF(12.5, 20.25, 140, 60.5);
    g->_shape_type = QStringLiteral("DS");
    g->text_rotation = 33;
    g->_file_path = QStringLiteral("/nowhere/picture.png");
    g->_contents = bitmap(QSize(4, 2), Qt::red);
    g->_contents_with_settings = bitmap(QSize(4, 2), Qt::green);
    g->text_ctrl_font = QFont(QStringLiteral("DejaVu Sans"), 17);
    g->text_ctrl_font.setBold(true);
    g->header_font_val.setItalic(true);
    g->_Text_contents = SKTTextStorage{QStringLiteral("Grüße"), QFont(QStringLiteral("DejaVu Serif"), 9), Qt::magenta};
    g->Text_Value = QStringLiteral("Grüße");
    g->_barcode_image = vector(QSizeF(10, 5), Qt::black);
    g->control_ID = QStringLiteral("ID_7");
    return g;
}

inline ObjectArchive archiveOf(const SKTGraphic &g)
{
    ObjectArchive a(g.className());
    g.encodeWithCoder(a);
    return a;
}

// The serialised form of an object, as a property list one can change.
inline platform::PlistValue plistOf(const SKTGraphic &g) { return archiveOf(g).toPlist(); }

inline QByteArray pasteboardOf(const QList<platform::PlistValue> &objects)
{
    platform::PlistValue list = platform::PlistValue::array();
    for (const platform::PlistValue &o : objects)
        list.append(platform::PlistValue::data(platform::plistToData(o, platform::PlistFormat::Binary)));
    return platform::plistToData(list, platform::PlistFormat::Binary);
}

inline std::uint32_t crc32(const QByteArray &bytes)
{
    std::uint32_t crc = 0xffffffffu;
    for (char c : bytes) {
        crc ^= std::uint8_t(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG whose header claims width x height pixels of 8-bit grey and whose data is one empty block:
// enough for a reader to learn the size, never a picture.
inline QByteArray pngClaiming(std::uint32_t width, std::uint32_t height)
{
    auto be32 = [](std::uint32_t v) {
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[i] = char((v >> (24 - 8 * i)) & 0xff);
        return b;
    };
    auto chunk = [&](const char *type, const QByteArray &data) {
        const QByteArray body = QByteArray(type) + data;
        return be32(std::uint32_t(data.size())) + body + be32(crc32(body));
    };
    QByteArray ihdr = be32(width) + be32(height);
    ihdr += QByteArray("\x08\x00\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8)) +
           chunk("IEND", {});
}

} // namespace archivetest
