// The card side's keyed archive: 35 keys in their order and kinds, read into a bare instance.

#include "model/DesignGlobals.h"
#include "model/ObjectArchive.h"
#include "model/Card_Property.h"

#include <gtest/gtest.h>

namespace {

Card_Property everyFieldChanged()
{
    Card_Property p;
    p.Card_border_chk = true;
    p.Card_fill_chk = false;
    p.Card_bordr_clr = Qt::red;
    p.Card_fill_clr = Qt::green;
    p.Card_fill_Grd_1_clr = Qt::blue;
    p.Card_fill_Grd_2_clr = Qt::cyan;
    p.Card_hatch_bk_clr = Qt::magenta;
    p.Card_bor_Stepper = 3;
    p.Card_grad_Stepper = 45;
    p.Card_Cat_index = 2;
    p.Card_alpha_Stepper = 0.25f;
    p.Card_border_style = QStringLiteral("DO");
    p.Card_fill_style = QStringLiteral("I");
    p.Card_hatch_style = QStringLiteral("cross");
    p.Card_Side = QStringLiteral("1");
    p.Card_Side_Name = QStringLiteral("B");
    p.Card_Shape = QStringLiteral("RR");
    p.Card_Name = QStringLiteral("Badge");
    p.Card_Preset = QStringLiteral("Avery");
    p.Card_Category = QStringLiteral("L7160");
    p.Card_Sub_Category = QStringLiteral("Badge");
    p.Card_Create_Mode = QStringLiteral("T");
    p.Card_BG_Image = QImage(3, 2, QImage::Format_ARGB32);
    p.Card_BG_Image.fill(Qt::yellow);
    p.Card_BG_Image_Path = QStringLiteral("/tmp/bg.png");
    p.Card_BG_Image_Layout = QStringLiteral("Stretch");
    p.Card_Location = QPointF(4, 5);
    p.Card_Size = QSizeF(243, 153);
    p.Card_Content_clr = Qt::darkGreen;
    p.Card_Content_font = QFont(QStringLiteral("DejaVu Serif"), 14);
    p.Watermark_Used = true;
    p.Watermark_Text = QStringLiteral("COPY");
    p.Watermark_Color = Qt::gray;
    p.Watermark_Font = QFont(QStringLiteral("DejaVu Sans"), 30);
    p.Watermark_Alignment = 2;
    p.Watermark_Transp = 0.4f;
    return p;
}

ObjectArchive without(const ObjectArchive &archive, const QString &key)
{
    ObjectArchive out(archive.className());
    for (const ObjectArchive::Entry &e : archive.entries())
        if (e.key != key)
            out.append(e.key, e.value);
    return out;
}

} // namespace

TEST(CardPropertyArchive, WritesTheThirtyFiveKeysInOrderAndKind)
{
    const ObjectArchive a = Card_Property().archived();
    EXPECT_EQ(a.className(), QStringLiteral("Card_Property"));
    const QStringList keys = QStringLiteral(
        "Card_border_chk Card_fill_chk Card_bor_Stepper Card_grad_Stepper Card_Cat_index Card_alpha_Stepper "
        "Card_bordr_clr Card_fill_clr Card_fill_Grd_1_clr Card_fill_Grd_2_clr Card_hatch_bk_clr Card_border_style "
        "Card_fill_style Card_hatch_style Card_Side Card_Side_Name Card_Shape Card_Name Card_Preset Card_Category "
        "Card_Sub_Category Card_Create_Mode Card_BG_Image_Path Card_BG_Image_Layout Card_BG_Image Card_Location "
        "Card_Size Card_Content_clr Card_Content_font Watermark_Used Watermark_Alignment Watermark_Transp "
        "Watermark_Text Watermark_Color Watermark_Font").split(QLatin1Char(' '));
    EXPECT_EQ(a.keys(), keys);
    using Kind = ObjectArchive::Kind;
    const std::vector<Kind> kinds = {Kind::Bool,   Kind::Bool,   Kind::Int32, Kind::Int32, Kind::Int32, Kind::Float32};
    for (size_t i = 0; i < kinds.size(); ++i)
        EXPECT_EQ(a.entries()[i].kind(), kinds[i]) << i;
    EXPECT_EQ(a.entry(QStringLiteral("Card_Location"))->kind(), Kind::Point);
    EXPECT_EQ(a.entry(QStringLiteral("Card_Size"))->kind(), Kind::Size);
    EXPECT_EQ(a.entry(QStringLiteral("Watermark_Alignment"))->kind(), Kind::Int32);
    EXPECT_EQ(a.entry(QStringLiteral("Watermark_Transp"))->kind(), Kind::Float32);
    // A new side has no background image: written as a null, still a key.
    EXPECT_TRUE(std::holds_alternative<ObjectArchive::Null>(a.entry(QStringLiteral("Card_BG_Image"))->value));
}

TEST(CardPropertyArchive, RoundTripsInMemoryAndSerialised)
{
    const Card_Property p = everyFieldChanged();
    const std::optional<ObjectArchive> serialised = ObjectArchive::fromData(p.archived().data());
    ASSERT_TRUE(serialised);
    for (const ObjectArchive &archive : {p.archived(), *serialised}) {
        const Card_Property q = Card_Property::initWithCoder(archive);
        EXPECT_EQ(q.Card_border_chk, p.Card_border_chk);
        EXPECT_EQ(q.Card_fill_chk, p.Card_fill_chk);
        EXPECT_EQ(q.Card_bordr_clr, p.Card_bordr_clr);
        EXPECT_EQ(q.Card_fill_clr, p.Card_fill_clr);
        EXPECT_EQ(q.Card_fill_Grd_1_clr, p.Card_fill_Grd_1_clr);
        EXPECT_EQ(q.Card_fill_Grd_2_clr, p.Card_fill_Grd_2_clr);
        EXPECT_EQ(q.Card_hatch_bk_clr, p.Card_hatch_bk_clr);
        EXPECT_EQ(q.Card_bor_Stepper, 3);
        EXPECT_EQ(q.Card_grad_Stepper, 45);
        EXPECT_EQ(q.Card_Cat_index, 2);
        EXPECT_FLOAT_EQ(q.Card_alpha_Stepper, 0.25f);
        for (const auto &[got, want] : {std::pair{q.Card_border_style, p.Card_border_style},
                                        {q.Card_fill_style, p.Card_fill_style},
                                        {q.Card_hatch_style, p.Card_hatch_style},
                                        {q.Card_Side, p.Card_Side},
                                        {q.Card_Side_Name, p.Card_Side_Name},
                                        {q.Card_Shape, p.Card_Shape},
                                        {q.Card_Name, p.Card_Name},
                                        {q.Card_Preset, p.Card_Preset},
                                        {q.Card_Category, p.Card_Category},
                                        {q.Card_Sub_Category, p.Card_Sub_Category},
                                        {q.Card_Create_Mode, p.Card_Create_Mode},
                                        {q.Card_BG_Image_Path, p.Card_BG_Image_Path},
                                        {q.Card_BG_Image_Layout, p.Card_BG_Image_Layout},
                                        {q.Watermark_Text, p.Watermark_Text}})
            EXPECT_EQ(got, want);
        EXPECT_EQ(q.Card_BG_Image.size(), QSize(3, 2));
        EXPECT_EQ(QColor::fromRgba(q.Card_BG_Image.pixel(1, 1)), QColor(Qt::yellow));
        EXPECT_EQ(q.Card_Location, QPointF(4, 5));
        EXPECT_EQ(q.Card_Size, QSizeF(243, 153));
        EXPECT_EQ(q.Card_Content_clr, p.Card_Content_clr);
        EXPECT_EQ(q.Card_Content_font.family(), QStringLiteral("DejaVu Serif"));
        EXPECT_DOUBLE_EQ(q.Card_Content_font.pointSizeF(), 14.0);
        EXPECT_TRUE(q.Watermark_Used);
        EXPECT_EQ(q.Watermark_Alignment, 2);
        EXPECT_FLOAT_EQ(q.Watermark_Transp, 0.4f);
        EXPECT_EQ(q.Watermark_Color, p.Watermark_Color);
        EXPECT_DOUBLE_EQ(q.Watermark_Font.pointSizeF(), 30.0);
    }
}

TEST(CardPropertyArchive, MissingKeysStayBareNotDefault)
{
    const ObjectArchive full = Card_Property().archived();
    ASSERT_TRUE(Card_Property::initWithCoder(full).Card_fill_chk);
    EXPECT_FALSE(Card_Property::initWithCoder(without(full, QStringLiteral("Card_fill_chk"))).Card_fill_chk);
    const Card_Property noName = Card_Property::initWithCoder(without(full, QStringLiteral("Card_Name")));
    EXPECT_TRUE(noName.Card_Name.isNull());
    EXPECT_EQ(noName.Card_Preset, QStringLiteral("Custom"));

    // An empty archive leaves every field bare.
    const Card_Property bare = Card_Property::initWithCoder(ObjectArchive(QStringLiteral("Card_Property")));
    EXPECT_FALSE(bare.Card_fill_chk);
    EXPECT_EQ(bare.Card_bor_Stepper, 0);
    EXPECT_EQ(bare.Card_alpha_Stepper, 0.0f);
    EXPECT_FALSE(bare.Card_fill_clr.isValid());
    EXPECT_TRUE(bare.Card_Side_Name.isNull());
    EXPECT_TRUE(bare.Card_BG_Image_Layout.isNull());
    EXPECT_EQ(bare.Card_Size, QSizeF(0, 0));
    EXPECT_TRUE(bare.Card_Content_font.family().isEmpty());
    EXPECT_TRUE(bare.Watermark_Text.isNull());
    EXPECT_EQ(bare.Watermark_Transp, 0.0f);
}
