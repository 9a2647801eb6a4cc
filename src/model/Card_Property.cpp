#include "model/Card_Property.h"

#include "core/Globals.h"
#include "model/DesignGlobals.h"
#include "model/ObjectArchive.h"

#include <exception>

Card_Property::Card_Property()
    : Card_Name(default_file_name)
{
    Card_Content_font = QFont(Text_Ctrl_Font);
    Card_Content_font.setPointSizeF(Text_Ctrl_Font_Size);
    Watermark_Font = Card_Content_font;
}

namespace {

const QString kClassName = QStringLiteral("Card_Property");

// Every field empty, as an archive is read into.
Card_Property bare()
{
    Card_Property p;
    p.Card_border_chk = p.Card_fill_chk = false;
    p.Card_bordr_clr = p.Card_fill_clr = p.Card_fill_Grd_1_clr = p.Card_fill_Grd_2_clr = p.Card_hatch_bk_clr = QColor();
    p.Card_bor_Stepper = p.Card_grad_Stepper = p.Card_Cat_index = 0;
    p.Card_alpha_Stepper = 0;
    p.Card_border_style = p.Card_fill_style = p.Card_hatch_style = p.Card_Side = p.Card_Side_Name = QString();
    p.Card_Shape = p.Card_Name = p.Card_Preset = p.Card_Category = p.Card_Sub_Category = QString();
    p.Card_Create_Mode = p.Card_BG_Image_Path = p.Card_BG_Image_Layout = QString();
    p.Card_BG_Image = QImage();
    p.Card_Location = QPointF();
    p.Card_Size = QSizeF(0, 0);
    p.Card_Content_clr = QColor();
    p.Card_Content_font = SKTNoFont();
    p.Watermark_Used = false;
    p.Watermark_Alignment = 0;
    p.Watermark_Transp = 0;
    p.Watermark_Text = QString();
    p.Watermark_Color = QColor();
    p.Watermark_Font = SKTNoFont();
    return p;
}

} // namespace

void Card_Property::encodeWithCoder(ObjectArchive &a) const
{
    a.reserve(a.count() + 35);
    a.encodeBool(Card_border_chk, QStringLiteral("Card_border_chk"));
    a.encodeBool(Card_fill_chk, QStringLiteral("Card_fill_chk"));
    a.encodeInt32(Card_bor_Stepper, QStringLiteral("Card_bor_Stepper"));
    a.encodeInt32(Card_grad_Stepper, QStringLiteral("Card_grad_Stepper"));
    a.encodeInt32(Card_Cat_index, QStringLiteral("Card_Cat_index"));
    a.encodeFloat(Card_alpha_Stepper, QStringLiteral("Card_alpha_Stepper"));
    a.encodeObject(Card_bordr_clr, QStringLiteral("Card_bordr_clr"));
    a.encodeObject(Card_fill_clr, QStringLiteral("Card_fill_clr"));
    a.encodeObject(Card_fill_Grd_1_clr, QStringLiteral("Card_fill_Grd_1_clr"));
    a.encodeObject(Card_fill_Grd_2_clr, QStringLiteral("Card_fill_Grd_2_clr"));
    a.encodeObject(Card_hatch_bk_clr, QStringLiteral("Card_hatch_bk_clr"));
    a.encodeObject(Card_border_style, QStringLiteral("Card_border_style"));
    a.encodeObject(Card_fill_style, QStringLiteral("Card_fill_style"));
    a.encodeObject(Card_hatch_style, QStringLiteral("Card_hatch_style"));
    a.encodeObject(Card_Side, QStringLiteral("Card_Side"));
    a.encodeObject(Card_Side_Name, QStringLiteral("Card_Side_Name"));
    a.encodeObject(Card_Shape, QStringLiteral("Card_Shape"));
    a.encodeObject(Card_Name, QStringLiteral("Card_Name"));
    a.encodeObject(Card_Preset, QStringLiteral("Card_Preset"));
    a.encodeObject(Card_Category, QStringLiteral("Card_Category"));
    a.encodeObject(Card_Sub_Category, QStringLiteral("Card_Sub_Category"));
    a.encodeObject(Card_Create_Mode, QStringLiteral("Card_Create_Mode"));
    a.encodeObject(Card_BG_Image_Path, QStringLiteral("Card_BG_Image_Path"));
    a.encodeObject(Card_BG_Image_Layout, QStringLiteral("Card_BG_Image_Layout"));
    a.encodeObject(Card_BG_Image.isNull() ? platform::Picture() : platform::Picture::fromImage(Card_BG_Image),
                   QStringLiteral("Card_BG_Image"));
    a.encodePoint(Card_Location, QStringLiteral("Card_Location"));
    a.encodeSize(Card_Size, QStringLiteral("Card_Size"));
    a.encodeObject(Card_Content_clr, QStringLiteral("Card_Content_clr"));
    a.encodeObject(Card_Content_font, QStringLiteral("Card_Content_font"));
    a.encodeBool(Watermark_Used, QStringLiteral("Watermark_Used"));
    a.encodeInt32(Watermark_Alignment, QStringLiteral("Watermark_Alignment"));
    a.encodeFloat(Watermark_Transp, QStringLiteral("Watermark_Transp"));
    a.encodeObject(Watermark_Text, QStringLiteral("Watermark_Text"));
    a.encodeObject(Watermark_Color, QStringLiteral("Watermark_Color"));
    a.encodeObject(Watermark_Font, QStringLiteral("Watermark_Font"));
}

Card_Property Card_Property::initWithCoder(const ObjectArchive &coder)
{
    Card_Property p = bare();
    ObjectArchive::Reader in(coder);
    try {
        p.Card_border_chk = in.decodeBool(QStringLiteral("Card_border_chk"));
        p.Card_fill_chk = in.decodeBool(QStringLiteral("Card_fill_chk"));
        p.Card_bor_Stepper = in.decodeInt32(QStringLiteral("Card_bor_Stepper"));
        p.Card_grad_Stepper = in.decodeInt32(QStringLiteral("Card_grad_Stepper"));
        p.Card_Cat_index = in.decodeInt32(QStringLiteral("Card_Cat_index"));
        p.Card_alpha_Stepper = in.decodeFloat(QStringLiteral("Card_alpha_Stepper"));
        p.Card_bordr_clr = in.decodeColor(QStringLiteral("Card_bordr_clr"));
        p.Card_fill_clr = in.decodeColor(QStringLiteral("Card_fill_clr"));
        p.Card_fill_Grd_1_clr = in.decodeColor(QStringLiteral("Card_fill_Grd_1_clr"));
        p.Card_fill_Grd_2_clr = in.decodeColor(QStringLiteral("Card_fill_Grd_2_clr"));
        p.Card_hatch_bk_clr = in.decodeColor(QStringLiteral("Card_hatch_bk_clr"));
        p.Card_border_style = in.decodeString(QStringLiteral("Card_border_style"));
        p.Card_fill_style = in.decodeString(QStringLiteral("Card_fill_style"));
        p.Card_hatch_style = in.decodeString(QStringLiteral("Card_hatch_style"));
        p.Card_Side = in.decodeString(QStringLiteral("Card_Side"));
        p.Card_Side_Name = in.decodeString(QStringLiteral("Card_Side_Name"));
        p.Card_Shape = in.decodeString(QStringLiteral("Card_Shape"));
        p.Card_Name = in.decodeString(QStringLiteral("Card_Name"));
        p.Card_Preset = in.decodeString(QStringLiteral("Card_Preset"));
        p.Card_Category = in.decodeString(QStringLiteral("Card_Category"));
        p.Card_Sub_Category = in.decodeString(QStringLiteral("Card_Sub_Category"));
        p.Card_Create_Mode = in.decodeString(QStringLiteral("Card_Create_Mode"));
        p.Card_BG_Image_Path = in.decodeString(QStringLiteral("Card_BG_Image_Path"));
        p.Card_BG_Image_Layout = in.decodeString(QStringLiteral("Card_BG_Image_Layout"));
        p.Card_BG_Image = in.decodePicture(QStringLiteral("Card_BG_Image")).image();
        p.Card_Location = in.decodePoint(QStringLiteral("Card_Location"));
        p.Card_Size = in.decodeSize(QStringLiteral("Card_Size"));
        p.Card_Content_clr = in.decodeColor(QStringLiteral("Card_Content_clr"));
        p.Card_Content_font = in.decodeFont(QStringLiteral("Card_Content_font"));
        p.Watermark_Used = in.decodeBool(QStringLiteral("Watermark_Used"));
        p.Watermark_Alignment = in.decodeInt32(QStringLiteral("Watermark_Alignment"));
        p.Watermark_Transp = in.decodeFloat(QStringLiteral("Watermark_Transp"));
        p.Watermark_Text = in.decodeString(QStringLiteral("Watermark_Text"));
        p.Watermark_Color = in.decodeColor(QStringLiteral("Watermark_Color"));
        p.Watermark_Font = in.decodeFont(QStringLiteral("Watermark_Font"));
    } catch (const std::exception &) {
        // The instance as far as it was read.
    }
    return p;
}

ObjectArchive Card_Property::archived() const
{
    ObjectArchive archive(kClassName);
    encodeWithCoder(archive);
    return archive;
}
