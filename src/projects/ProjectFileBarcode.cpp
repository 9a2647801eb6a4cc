#include "projects/ProjectFileBarcode.h"

#include "platform/KeyedArchive.h"
#include "projects/ProjectFileDesign.h"
#include "projects/ProjectFileText.h"

using platform::PlistValue;

namespace projectfile {

namespace {

const char *const kColorNames[5] = {"header colour", "footer colour", "value colour", "background colour", "bar colour"};

class Elements {
public:
    Elements(const PlistValue::Array &items, int offset) : m_items(items), m_offset(offset) {}
    // The element of the current layout's index (the older layout's one place lower).
    const PlistValue &at(int index, PlistValue::Type type, const char *what) const
    {
        const int i = index - m_offset;
        if (i >= int(m_items.size()))
            throw FileError(i, QStringLiteral("The file ends before the %1.").arg(QLatin1String(what)));
        if (m_items[size_t(i)].type() != type)
            throw FileError(i, QStringLiteral("The %1 is of the wrong kind.").arg(QLatin1String(what)));
        return m_items[size_t(i)];
    }
    QString text(int index, const char *what) const { return at(index, PlistValue::Type::String, what).toString(); }
    int integer(int index, const char *what) const { return intFromText(text(index, what)); }
    QColor color(int index, const char *what) const
    {
        const std::optional<QColor> c = platform::unarchivedColor(at(index, PlistValue::Type::Data, what).toData());
        if (!c)
            throw FileError(index - m_offset, QStringLiteral("The %1 does not decode.").arg(QLatin1String(what)));
        return *c;
    }

private:
    const PlistValue::Array &m_items;
    int m_offset;
};

QString bandFlag(bool on) { return on ? QStringLiteral("H") : QStringLiteral("S"); }
QString seriesFlag(bool on) { return on ? QStringLiteral("B") : QStringLiteral("M"); }

} // namespace

PlistValue barcodeSectionArray(const BarcodeSection &s)
{
    PlistValue a = PlistValue::array();
    auto add = [&a](const QString &t) { a.append(PlistValue(t.isNull() ? QStringLiteral("") : t)); };
    add(kMagic);
    add(kBarcodeMarker);
    add(s.symbology);
    add(seriesFlag(s.dataSource));
    add(seriesFlag(s.valueSeries));
    add(seriesFlag(s.headerSeries));
    add(seriesFlag(s.footerSeries));
    add(s.linearValue);
    add(s.twoDValue);
    add(s.header);
    add(s.footer);
    add(bandFlag(s.hideHeader));
    add(bandFlag(s.hideFooter));
    add(bandFlag(s.caption));
    add(bandFlag(s.valueOnTop));
    add(intText(s.alignHeader));
    add(intText(s.alignFooter));
    add(intText(s.family));
    add(s.barHeight);
    add(s.barWidth);
    add(s.size2D);
    add(intText(s.qrVersion));
    add(intText(s.qrLevel));
    add(s.pdfHeight);
    add(s.pdfWidth);
    add(s.pdfLevel);
    add(s.dmModule);
    add(intText(s.dmFormat));
    add(intText(s.dmEncoding));
    for (const QString &m : s.margins)
        add(m);
    for (const BarcodeSection::Font &f : s.fonts) {
        add(f.name);
        add(QString::asprintf("%0.2f", f.size));
    }
    for (const QColor &c : s.colors)
        a.append(PlistValue::data(platform::archivedColor(c)));
    add(intText(s.dpiIndex));
    add(s.dpiText);
    add(intText(s.unit));
    PlistValue list = PlistValue::array();
    for (const ValueRecord &record : s.list) {
        PlistValue dict = PlistValue::dictionary();
        for (const QString &key : value_list::recordKeys())
            dict.insert(key, PlistValue(record.value(key)));
        list.append(std::move(dict));
    }
    a.append(std::move(list));
    add(s.sheetSource);
    for (const QString &name : s.series)
        add(name);
    add(s.logo ? QStringLiteral("S") : QStringLiteral("H"));
    add(s.logoPath);
    add(s.transparent ? QStringLiteral("Y") : QStringLiteral("N"));
    return a;
}

BarcodeSection parseBarcodeSection(const PlistValue &root)
{
    if (root.type() != PlistValue::Type::Array || root.items().empty())
        throw FileError(0, QStringLiteral("The file holds no array."));
    const PlistValue::Array &items = root.items();
    BarcodeSection s;
    s.older = items[0].type() == PlistValue::Type::String && items[0].toString() == kOlderMagic;
    const int needed = s.older ? kOlderBarcodeSectionMinimum : kBarcodeSectionMinimum;
    if (int(items.size()) < needed)
        throw FileError(int(items.size()), QStringLiteral("The file has %1 elements; barcode settings need %2.")
                                               .arg(items.size()).arg(needed));
    const Elements e(items, s.older ? 1 : 0);
    s.symbology = e.text(2, "symbology");
    s.dataSource = e.text(3, "data-source flag") == QLatin1String("B");
    s.valueSeries = e.text(4, "value series flag") == QLatin1String("B");
    s.headerSeries = e.text(5, "header series flag") == QLatin1String("B");
    s.footerSeries = e.text(6, "footer series flag") == QLatin1String("B");
    s.linearValue = e.text(7, "linear value");
    s.twoDValue = e.text(8, "2D value");
    s.header = e.text(9, "header text");
    s.footer = e.text(10, "footer text");
    s.hideHeader = e.text(11, "hide-header flag") == QLatin1String("H");
    s.hideFooter = e.text(12, "hide-footer flag") == QLatin1String("H");
    s.caption = e.text(13, "caption flag") == QLatin1String("H");
    s.valueOnTop = e.text(14, "value-on-top flag") == QLatin1String("H");
    s.alignHeader = e.integer(15, "header alignment");
    s.alignFooter = e.integer(16, "footer alignment");
    s.family = e.integer(17, "symbol family");
    s.barHeight = e.text(18, "bar height");
    s.barWidth = e.text(19, "bar width");
    s.size2D = e.text(20, "2D size");
    s.qrVersion = e.integer(21, "QR version");
    s.qrLevel = e.integer(22, "QR level");
    s.pdfHeight = e.text(23, "PDF417 height");
    s.pdfWidth = e.text(24, "PDF417 width");
    s.pdfLevel = e.text(25, "PDF417 level");
    s.dmModule = e.text(26, "DataMatrix module");
    s.dmFormat = e.integer(27, "DataMatrix format");
    s.dmEncoding = e.integer(28, "DataMatrix encoding");
    const char *marginNames[5] = {"header margin", "footer margin", "value margin", "top and bottom margin",
                                  "left and right margin"};
    for (int i = 0; i < 5; ++i)
        s.margins[size_t(i)] = e.text(29 + i, marginNames[i]);
    for (int i = 0; i < 3; ++i) {
        s.fonts[size_t(i)].name = e.text(34 + 2 * i, "font name");
        s.fonts[size_t(i)].size = realFromText(e.text(35 + 2 * i, "font size"));
    }
    for (int i = 0; i < 5; ++i)
        s.colors[size_t(i)] = e.color(40 + i, kColorNames[i]);
    s.dpiIndex = e.integer(45, "resolution choice");
    s.dpiText = e.text(46, "resolution");
    s.unit = e.integer(47, "unit");
    for (const PlistValue &record : e.at(48, PlistValue::Type::Array, "value list").items()) {
        if (record.type() != PlistValue::Type::Dictionary)
            throw FileError(48 - (s.older ? 1 : 0), QStringLiteral("A record of the value list is no dictionary."));
        ValueRecord values;
        for (const auto &[key, value] : record.entries()) {
            if (value.type() != PlistValue::Type::String)
                throw FileError(48 - (s.older ? 1 : 0), QStringLiteral("A field of the value list is no text."));
            values.insert(key, value.toString());
        }
        s.list.append(values);
    }
    if (s.older)
        return s;
    s.sheetSource = e.text(49, "sheet source");
    for (int i = 0; i < 6; ++i)
        s.series[size_t(i)] = e.text(50 + i, "series choice");
    if (int(items.size()) > 56) {
        s.hasLogo = true;
        s.logo = e.text(56, "logo flag") == QLatin1String("S");
        s.logoPath = e.text(57, "logo path");
    }
    if (int(items.size()) > 58) {
        s.hasTransparent = true;
        s.transparent = e.text(58, "transparency flag") == QLatin1String("Y");
    }
    return s;
}

} // namespace projectfile
