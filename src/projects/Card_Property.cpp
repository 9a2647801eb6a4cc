#include "projects/Card_Property.h"

#include "core/Globals.h"

Card_Property::Card_Property()
    : Card_Name(default_file_name)
{
    Card_Content_font = QFont(Text_Ctrl_Font);
    Card_Content_font.setPointSizeF(Text_Ctrl_Font_Size);
    Watermark_Font = Card_Content_font;
}
