// The keyed archive of a card object: the blocks each exact class writes, with their keys, kinds
// and order, and an object read back from them without the defaults of init.

#include "model/SKTGraphic.h"

#include "core/Messages.h"
#include "model/ObjectArchive.h"
#include "model/PictureEffectRanges.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"

#include <exception>
#include <type_traits>
#include <vector>

thread_local int graphic_decode_count = 0;
thread_local QString graphic_decode_class;

namespace {

using EncodeFn = void (*)(const SKTGraphic &, ObjectArchive &, const QString &);
using DecodeFn = void (*)(SKTGraphic &, ObjectArchive::Reader &, const QString &);

struct ArchivedField {
    QString key;
    EncodeFn encode;
    DecodeFn decode;
};
using Block = std::vector<ArchivedField>;

template <class M>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
    using Class = C;
    using Type = T;
};

// The field's kind follows from its type: rect, BOOL, int32, float32 (doubles too, at float
// precision) or an object.
template <auto Member>
ArchivedField archived(const char *key)
{
    using C = typename MemberOf<decltype(Member)>::Class;
    using T = typename MemberOf<decltype(Member)>::Type;
    EncodeFn encode = [](const SKTGraphic &g, ObjectArchive &a, const QString &k) {
        const T &v = static_cast<const C &>(g).*Member;
        if constexpr (std::is_same_v<T, QRectF>)
            a.encodeRect(v, k);
        else if constexpr (std::is_same_v<T, bool>)
            a.encodeBool(v, k);
        else if constexpr (std::is_same_v<T, int>)
            a.encodeInt32(v, k);
        else if constexpr (std::is_same_v<T, float>)
            a.encodeFloat(v, k);
        else if constexpr (std::is_same_v<T, double>)
            a.encodeFloat(float(v), k);
        else
            a.encodeObject(v, k);
    };
    DecodeFn decode = [](SKTGraphic &g, ObjectArchive::Reader &r, const QString &k) {
        T &v = static_cast<C &>(g).*Member;
        if constexpr (std::is_same_v<T, QRectF>)
            v = r.decodeRect(k);
        else if constexpr (std::is_same_v<T, bool>)
            v = r.decodeBool(k);
        else if constexpr (std::is_same_v<T, int>)
            v = r.decodeInt32(k);
        else if constexpr (std::is_same_v<T, float>)
            v = r.decodeFloat(k);
        else if constexpr (std::is_same_v<T, double>)
            v = double(r.decodeFloat(k));
        else if constexpr (std::is_same_v<T, QString>)
            v = r.decodeString(k);
        else if constexpr (std::is_same_v<T, QColor>)
            v = r.decodeColor(k);
        else if constexpr (std::is_same_v<T, QFont>)
            v = r.decodeFont(k);
        else if constexpr (std::is_same_v<T, platform::Picture>)
            v = r.decodePicture(k);
        else
            v = r.decodeTextStorage(k);
    };
    return {QString::fromLatin1(key), encode, decode};
}

#define F(member) archived<&SKTGraphic::member>(#member)
#define LINE_F(member) archived<&SKTLine::member>(#member)

const Block &commonBlock()
{
    static const Block b = {
        F(_bounds), F(ctrl_is_locked), F(_isDrawingFill), F(_fillColor), F(_isDrawingStroke), F(_strokeColor),
        F(_strokeWidth), F(_stroke_border_type), F(_fill_type), F(_fill_Grad_clr1), F(_fill_Grad_clr2),
        F(_fill_grad_angle), F(_fill_htch_clr), F(_fill_hatch_type), F(alpha_val), F(alpha_val_stroke),
        F(print_object), F(control_ID), F(ctrl_is_visible),
    };
    return b;
}

const Block &bindingBlock()
{
    static const Block b = {
        F(data_source_type), F(batch_list_name), F(batch_list_index), F(excel_binding), F(excel_col_indx),
        F(batch_hdr_list_name), F(batch_hdr_list_index), F(batch_ftr_list_name), F(batch_ftr_list_index),
    };
    return b;
}

const Block &lineBlock()
{
    static const Block b = {F(_line_ori), F(_line_cap_style), LINE_F(_pointsRight), LINE_F(_pointsDown)};
    return b;
}

const Block &textBlock()
{
    static const Block b = {
        F(text_ctrl_font), F(txt_clr), F(_Text_contents), F(text_alignmnet_Vert), F(text_alignmnet),
        F(text_transfrom_case), F(text_kerning), F(Text_Value), F(Drawing_Shadow), F(Shadow_Color),
        F(Shadow_offset_X), F(Shadow_offset_Y), F(Shadow_blur), F(Shadow_transparency), F(text_rotation),
    };
    return b;
}

const Block &shapeBlock()
{
    static const Block b = {F(_shape_type), F(cor_rad_val), F(double_star_type), F(polygon_type), F(text_rotation)};
    return b;
}

const Block &pictureBlock()
{
    static const Block b = {
        F(_isFlippedHorizontally), F(_isFlippedVertically), F(invert_clr), F(gray_Scale), F(Sepia), F(img_trnsp_val),
        F(hue_val), F(sat_val), F(brt_val), F(con_val), F(srp_val), F(ev_val), F(blr_val), F(rotate_image),
        F(_file_path), F(Text_Value), F(_contents), F(_contents_with_settings),
    };
    return b;
}

const Block &barcodeBlock()
{
    static const Block b = {
        F(_barcode_image), F(linear_or_2d), F(barcode_font_index), F(linear_font_val), F(two_d_font_val),
        F(header_val), F(footer_val), F(show_hide_hdr), F(show_hide_ftr), F(show_hide_val), F(show_val_on_top),
        F(align_hdr_index), F(align_ftr_index), F(linear_height_val), F(linear_width_val), F(qr_size_val),
        F(qr_version_index), F(qr_ec_index), F(pdf_hgt_val), F(pdf_wdt_val), F(pdf_ec_val), F(dm_module_val),
        F(dm_format_index), F(dm_encoding_index), F(hdr_margin_val), F(ftr_margin_val), F(val_margin_val),
        F(TB_marging_val), F(LR_margin_val), F(value_font_val), F(header_font_val), F(footer_font_val),
        F(barcode_hdr_clr_val), F(barcode_ftr_clr_val), F(barcode_val_clr_val), F(barcode_back_clr_val),
        F(barcode_clr_val), F(dpi_val_index), F(dpi_custom_val), F(barcode_unit_val), F(USE_QR_LOGO),
        F(USE_QR_LOGO_PATH), F(AQR_Category), F(AQR_Final_Value), F(AQR_Display_value), F(AQR_cat_Image),
    };
    return b;
}

const Block &signatureBlock()
{
    static const Block b = {F(sign_or_fingureprint), F(_file_path), F(_contents)};
    return b;
}

#undef F
#undef LINE_F

// The blocks of an exact class, in writing order.
std::vector<const Block *> blocksOf(SKTGraphicClass graphicClass)
{
    std::vector<const Block *> blocks{&commonBlock()};
    switch (graphicClass) {
    case SKTGraphicClass::Text:
        blocks.push_back(&bindingBlock());
        blocks.push_back(&textBlock());
        break;
    case SKTGraphicClass::Image:
        blocks.push_back(&bindingBlock());
        blocks.push_back(&pictureBlock());
        break;
    case SKTGraphicClass::Barcode:
        blocks.push_back(&bindingBlock());
        blocks.push_back(&barcodeBlock());
        break;
    case SKTGraphicClass::Line:
        blocks.push_back(&lineBlock());
        break;
    case SKTGraphicClass::Shape:
        blocks.push_back(&shapeBlock());
        break;
    case SKTGraphicClass::Signature:
        blocks.push_back(&signatureBlock());
        break;
    case SKTGraphicClass::Graphic:
        break;
    }
    return blocks;
}

} // namespace

void SKTGraphic::encodeWithCoder(ObjectArchive &coder) const
{
    graphic_decode_count = 0;
    graphic_decode_class = className();
    try {
        const std::vector<const Block *> blocks = blocksOf(m_class);
        size_t keys = 0;
        for (const Block *block : blocks)
            keys += block->size();
        coder.reserve(coder.count() + qsizetype(keys));
        for (const Block *block : blocks)
            for (const ArchivedField &field : *block) {
                ++graphic_decode_count;
                field.encode(*this, coder, field.key);
            }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QStringLiteral("NSException in ENCODEING:\n\n %1 - \n%2\n\n%3 - %4")
                               .arg(graphic_decode_count)
                               .arg(QString::fromUtf8(e.what()), _file_path, graphic_decode_class));
    }
}

std::shared_ptr<SKTGraphic> SKTGraphic::initWithCoder(const ObjectArchive &coder)
{
    std::shared_ptr<SKTGraphic> graphic;
    for (SKTGraphicClass c : {SKTGraphicClass::Graphic, SKTGraphicClass::Text, SKTGraphicClass::Line,
                              SKTGraphicClass::Shape, SKTGraphicClass::Image, SKTGraphicClass::Barcode,
                              SKTGraphicClass::Signature})
        if (coder.className() == className(c)) {
            graphic = bareGraphicOfClass(c);
            break;
        }
    if (!graphic)
        return nullptr;
    graphic_decode_count = 0;
    graphic_decode_class = graphic->className();
    ObjectArchive::Reader in(coder);
    try {
        for (const Block *block : blocksOf(graphic->m_class))
            for (const ArchivedField &field : *block) {
                ++graphic_decode_count;
                field.decode(*graphic, in, field.key);
            }
    } catch (const std::exception &) {
        // The object stays as far as it was read; undo, the backup and paste take it as it is.
        if (auto *image = graphic_cast<SKTImage>(graphic.get())) {
            picture_effects::clampAll(*image);
            image->_contents_with_settings = SKTImage::Get_Image_With_Update_Settings(*image);
        }
    }
    // Pasted data may come from anywhere: the effect values are the panel's.
    if (graphic->isExactly<SKTImage>())
        picture_effects::clampAll(*graphic);
    return graphic;
}

std::shared_ptr<SKTGraphic> SKTGraphic::bareGraphicOfClass(SKTGraphicClass graphicClass)
{
    std::shared_ptr<SKTGraphic> graphic = graphicOfClass(graphicClass);
    if (graphic)
        graphic->makeBare();
    return graphic;
}

void SKTGraphic::makeBare()
{
    _bounds = QRectF();
    bar_image_ctrl_bounds = QRectF();
    _isFlippedHorizontally = _isFlippedVertically = false;
    text_rotation = 0;
    rotate_image = 0;
    _boundsBeingChangedToMatchContents = false;
    _isDrawingFill = false;
    _fillColor = _fill_Grad_clr1 = _fill_Grad_clr2 = _fill_htch_clr = QColor();
    _fill_type = _fill_hatch_type = QString();
    _fill_grad_angle = 0;
    alpha_val = 0;
    _isDrawingStroke = false;
    _strokeColor = QColor();
    _strokeWidth = 0;
    _stroke_border_type = QString();
    alpha_val_stroke = 0;
    _shape_type = QString();
    cor_rad_val = 0;
    double_star_type = polygon_type = _line_ori = _line_cap_style = 0;
    _file_path = QString();
    _contents = _contents_with_settings = platform::Picture();
    invert_clr = gray_Scale = Sepia = false;
    img_trnsp_val = hue_val = sat_val = brt_val = con_val = srp_val = ev_val = blr_val = 0;
    sign_or_fingureprint = QString();
    text_ctrl_font = SKTNoFont();
    txt_clr = QColor();
    _Text_contents.reset();
    Text_Value = QString();
    text_alignmnet = text_alignmnet_Vert = text_transfrom_case = 0;
    text_kerning = 0;
    Drawing_Shadow = false;
    Shadow_Color = QColor();
    Shadow_offset_X = Shadow_offset_Y = Shadow_blur = Shadow_transparency = 0;
    _barcode_image = platform::Picture();
    linear_or_2d = barcode_font_index = 0;
    linear_font_val = two_d_font_val = header_val = footer_val = QString();
    show_hide_hdr = show_hide_ftr = show_hide_val = show_val_on_top = align_hdr_index = align_ftr_index = 0;
    linear_height_val = linear_width_val = 0;
    qr_size_val = qr_version_index = qr_ec_index = pdf_hgt_val = pdf_wdt_val = pdf_ec_val = 0;
    dm_module_val = dm_format_index = dm_encoding_index = 0;
    hdr_margin_val = ftr_margin_val = val_margin_val = TB_marging_val = LR_margin_val = 0;
    value_font_val = header_font_val = footer_font_val = SKTNoFont();
    barcode_hdr_clr_val = barcode_ftr_clr_val = barcode_val_clr_val = barcode_back_clr_val = barcode_clr_val = QColor();
    dpi_val_index = 0;
    dpi_custom_val = QString();
    barcode_unit_val = 0;
    USE_QR_LOGO = false;
    USE_QR_LOGO_PATH = AQR_Category = AQR_Final_Value = AQR_Display_value = QString();
    AQR_cat_Image = platform::Picture();
    data_source_type = batch_list_index = batch_hdr_list_index = batch_ftr_list_index = excel_col_indx = 0;
    batch_list_name = batch_hdr_list_name = batch_ftr_list_name = QString();
    excel_binding = false;
    ctrl_is_locked = ctrl_is_visible = false;
    print_object = 0;
    control_ID = QString();
    _scriptingContainer = nullptr;
}
