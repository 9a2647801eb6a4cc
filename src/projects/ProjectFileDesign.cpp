#include "projects/ProjectFileDesign.h"

#include "core/Globals.h"
#include "model/DesignGlobals.h"
#include "projects/ProjectFileText.h"


#include <cmath>

using platform::PlistValue;

namespace projectfile {

namespace {

class Elements {
public:
    explicit Elements(const PlistValue::Array &items) : m_items(items) {}
    int index() const { return m_index; }
    const PlistValue &next(PlistValue::Type type, const char *what)
    {
        if (m_index >= int(m_items.size()))
            throw FileError(m_index, QStringLiteral("The file ends before %1.").arg(QLatin1String(what)));
        const PlistValue &v = m_items[size_t(m_index)];
        if (v.type() != type)
            throw FileError(m_index, QStringLiteral("The %1 is of the wrong kind.").arg(QLatin1String(what)));
        ++m_index;
        return v;
    }
    QString text(const char *what) { return next(PlistValue::Type::String, what).toString(); }
    QColor color(const char *what) { return colorFromText(text(what)); }
    QFont font(const char *what)
    {
        const int at = m_index;
        const QString t = text(what);
        try {
            if (std::optional<QFont> f = fontFromText(t))
                return *f;
            QFont fallback(Text_Ctrl_Font);
            fallback.setPointSizeF(usablePointSize(fontSizeOfText(t)));
            return fallback;
        } catch (const std::out_of_range &) {
            throw FileError(at, QStringLiteral("The %1 is no font text.").arg(QLatin1String(what)));
        }
    }

private:
    const PlistValue::Array &m_items;
    int m_index = 0;
};

} // namespace

std::optional<PlistValue> projectFromData(const QByteArray &bytes) { return platform::plistFromData(bytes); }

std::optional<PlistValue> readProjectFile(const QString &path) { return platform::readPlistFile(path); }

Section sectionOf(const PlistValue &root)
{
    if (root.type() != PlistValue::Type::Array || root.items().empty()
        || root.items()[0].type() != PlistValue::Type::String)
        return Section::Unknown;
    const QString magic = root.items()[0].toString();
    if (magic == kOlderMagic)
        return Section::Barcode;
    if (magic != kMagic)
        return Section::Unknown;
    if (root.items().size() > 1 && root.items()[1].type() == PlistValue::Type::String
        && root.items()[1].toString() == kBarcodeMarker)
        return Section::Barcode;
    return Section::Design;
}

PlistValue designSectionArray(const DesignSection &s)
{
    const Card_Property &c = s.card;
    PlistValue a = PlistValue::array();
    auto add = [&a](const QString &t) { a.append(PlistValue(t.isNull() ? QStringLiteral("") : t)); };
    add(kMagic);
    add(kDesignMarker);
    add(s.startOption);
    add(flagText(c.Card_border_chk));
    add(colorToText(c.Card_bordr_clr));
    add(intText(c.Card_bor_Stepper));
    add(c.Card_border_style);
    add(flagText(c.Card_fill_chk));
    add(c.Card_fill_style);
    add(colorToText(c.Card_fill_clr));
    add(colorToText(c.Card_fill_Grd_1_clr));
    add(colorToText(c.Card_fill_Grd_2_clr));
    add(intText(c.Card_grad_Stepper));
    add(c.Card_hatch_style);
    add(colorToText(c.Card_hatch_bk_clr));
    add(realText(c.Card_alpha_Stepper));
    add(c.Card_Side);
    add(c.Card_Side_Name);
    add(c.Card_Shape);
    add(c.Card_Name);
    add(pointToText(c.Card_Location));
    add(sizeToText(c.Card_Size));
    add(c.Card_Preset);
    add(c.Card_Category);
    add(c.Card_Sub_Category);
    add(intText(c.Card_Cat_index));
    add(c.Card_Create_Mode);
    add(c.Card_BG_Image_Path);
    add(c.Card_BG_Image_Layout);
    add(colorToText(c.Card_Content_clr));
    add(fontToText(c.Card_Content_font));
    add(flagText(c.Watermark_Used));
    add(intText(c.Watermark_Alignment));
    add(realText(c.Watermark_Transp));
    add(c.Watermark_Text);
    add(colorToText(c.Watermark_Color));
    add(fontToText(c.Watermark_Font));
    add(flagText(s.excelBinding));
    add(s.excelPath);
    a.append(PlistValue::fromStrings(s.columnTitles));
    PlistValue rows = PlistValue::array();
    for (const QMap<QString, QString> &row : s.rows) {
        PlistValue dict = PlistValue::dictionary();
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            dict.insert(it.key(), PlistValue(it.value()));
        rows.append(std::move(dict));
    }
    a.append(std::move(rows));
    add(intText(s.objectCount));
    for (const PlistValue &object : s.objects)
        a.append(object);
    return a;
}

DesignSection parseDesignSection(const PlistValue &root)
{
    if (root.type() != PlistValue::Type::Array)
        throw FileError(0, QStringLiteral("The file holds no array."));
    const PlistValue::Array &items = root.items();
    if (int(items.size()) < kDesignElements)
        throw FileError(int(items.size()), QStringLiteral("The file has %1 elements; a design needs %2.")
                                               .arg(items.size()).arg(kDesignElements));
    DesignSection s;
    Card_Property &c = s.card;
    Elements e(items);
    e.text("magic");
    e.text("section marker");
    s.startOption = e.text("start option");
    c.Card_border_chk = flagFromText(e.text("border flag"));
    c.Card_bordr_clr = e.color("border colour");
    c.Card_bor_Stepper = intFromText(e.text("border width"));
    c.Card_border_style = e.text("border style");
    c.Card_fill_chk = flagFromText(e.text("fill flag"));
    c.Card_fill_style = e.text("fill style");
    c.Card_fill_clr = e.color("fill colour");
    c.Card_fill_Grd_1_clr = e.color("gradient start colour");
    c.Card_fill_Grd_2_clr = e.color("gradient end colour");
    c.Card_grad_Stepper = intFromText(e.text("gradient angle"));
    c.Card_hatch_style = e.text("hatch style");
    c.Card_hatch_bk_clr = e.color("hatch colour");
    c.Card_alpha_Stepper = float(realFromText(e.text("card opacity")));
    c.Card_Side = e.text("side count");
    c.Card_Side_Name = e.text("side name");
    c.Card_Shape = e.text("card shape");
    c.Card_Name = e.text("card name");
    c.Card_Location = pointFromText(e.text("card location"));
    const int sizeAt = e.index();
    c.Card_Size = sizeFromText(e.text("card size"));
    const double w = c.Card_Size.width(), h = c.Card_Size.height();
    if (!std::isfinite(w) || !std::isfinite(h) || w <= 0 || h <= 0 || w > kMaxCardPoints || h > kMaxCardPoints)
        throw FileError(sizeAt, QStringLiteral("The card size is not finite and positive."));
    c.Card_Preset = e.text("label stock");
    c.Card_Category = e.text("product number");
    c.Card_Sub_Category = e.text("sub-category");
    c.Card_Cat_index = intFromText(e.text("category index"));
    c.Card_Create_Mode = e.text("creation mode");
    c.Card_BG_Image_Path = e.text("background picture path");
    c.Card_BG_Image_Layout = e.text("background layout");
    c.Card_Content_clr = e.color("content colour");
    c.Card_Content_font = e.font("content font");
    c.Watermark_Used = flagFromText(e.text("watermark flag"));
    c.Watermark_Alignment = intFromText(e.text("watermark alignment"));
    c.Watermark_Transp = float(realFromText(e.text("watermark opacity")));
    c.Watermark_Text = e.text("watermark text");
    c.Watermark_Color = e.color("watermark colour");
    c.Watermark_Font = e.font("watermark font");
    s.excelBinding = flagFromText(e.text("spreadsheet flag"));
    s.excelPath = e.text("spreadsheet path");
    const int titlesAt = e.index();
    const std::optional<QStringList> titles = e.next(PlistValue::Type::Array, "column titles").toStrings();
    if (!titles)
        throw FileError(titlesAt, QStringLiteral("A column title is no text."));
    s.columnTitles = *titles;
    const int rowsAt = e.index();
    for (const PlistValue &row : e.next(PlistValue::Type::Array, "spreadsheet rows").items()) {
        if (row.type() != PlistValue::Type::Dictionary)
            throw FileError(rowsAt, QStringLiteral("A spreadsheet row is no dictionary."));
        QMap<QString, QString> values;
        for (const auto &[key, value] : row.entries()) {
            if (value.type() != PlistValue::Type::String)
                throw FileError(rowsAt, QStringLiteral("A spreadsheet cell is no text."));
            values.insert(key, value.toString());
        }
        s.rows.append(values);
    }
    s.objectCount = std::max(0, intFromText(e.text("object count")));
    const qint64 present = std::min<qint64>(s.objectCount, qint64(items.size()) - kDesignElements);
    s.objects.assign(items.begin() + kDesignElements, items.begin() + kDesignElements + present);
    return s;
}

} // namespace projectfile
