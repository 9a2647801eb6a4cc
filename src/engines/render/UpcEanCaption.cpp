#include "engines/render/UpcEanCaption.h"

#include <algorithm>

namespace render {

namespace {

constexpr int kModulesPerDigit = 7;
constexpr int kStartGuard = 3;
constexpr int kCentreGuard = 5;

} // namespace

QList<QPair<int, int>> upcEanDigitModules(int n, const QStringList &groups)
{
    QList<QPair<int, int>> out;
    if (groups.size() == 2) {
        const int centre = (n - kCentreGuard) / 2;
        const int left = int(groups[0].size()) * kModulesPerDigit;
        const int right = int(groups[1].size()) * kModulesPerDigit;
        out = {qMakePair(centre - left, left), qMakePair(centre + kCentreGuard, right)};
    } else if (groups.size() == 1) {
        out = {qMakePair(kStartGuard, int(groups[0].size()) * kModulesPerDigit)};
    }
    for (const auto &g : out)
        if (g.first < 0 || g.second <= 0 || g.first + g.second > n)
            return {};
    return out;
}

QList<PictureText> upcEanCaption(const QString &left, const QStringList &parts, const QString &right,
                                 const PictureLayout &layout, const BarcodeSettings &s, double yc,
                                 const TextMeasurer &measurer)
{
    QStringList groups;
    for (const QString &part : parts)
        if (!part.trimmed().isEmpty())
            groups << part.trimmed();
    const double bw = layout.moduleWidth;
    const QList<QPair<int, int>> modules = upcEanDigitModules(layout.moduleCount, groups);
    if (modules.isEmpty() || !(bw > 0))
        return {};

    const double x0 = layout.moduleX0;
    const double barsEnd = x0 + layout.moduleCount * bw;
    // One module of clear space keeps digits off the bars either side.
    const double gap = bw;
    const double groupKerning = s.kerning_value ? 0.0 : kBandKerning;
    const QFont &font = s.value_font;

    // Each text with the width it may take and its width at the value font. Unhinted text scales
    // with its size (kerning scaled alike), so every smaller size is measured from these.
    struct Item {
        QString text;
        double kerning;
        double room;
        double width;
    };
    QList<Item> items;
    auto add = [&](const QString &t, double kerning, double room) {
        items.append({t, kerning, room, measurer.textSize(t, font, kerning).width()});
    };
    for (qsizetype i = 0; i < groups.size(); ++i)
        add(groups[i], groupKerning, modules[i].second * bw - 2 * gap);
    if (!left.isEmpty())
        add(left, 0.0, x0 - gap);
    if (!right.isEmpty())
        add(right, 0.0, layout.size.width() - barsEnd - gap);

    // The largest size, up to the value font's, at which every text fits its room, with a little
    // to spare for the rounding of glyph positions.
    constexpr double kSpare = 0.98;
    double scale = 1.0;
    for (const Item &item : items)
        if (item.width > 0)
            scale = std::min(scale, kSpare * std::max(item.room, 0.0) / item.width);
    if (scale < 1.0 && !(scale > 0))
        return {};
    QFont scaled = font;
    if (scaled.pointSizeF() > 0)
        scaled.setPointSizeF(scaled.pointSizeF() * scale);

    // On pixels whose modules come out narrower the digits shrink alike, as far as the tightest of
    // them no longer fits.
    const Item *tightest = nullptr;
    for (const Item &item : items)
        if (item.width > 0 && (!tightest || item.room / item.width < tightest->room / tightest->width))
            tightest = &item;
    auto text = [&](const QString &t, double kerning, Qt::Alignment alignment, const QRectF &area) {
        PictureText out;
        if (tightest) {
            out.room = tightest->room;
            out.width = tightest->width * scale;
        }
        out.text = t;
        out.font = scaled;
        out.color = s.bar_val_clr;
        out.alignment = alignment;
        out.kerning = kerning * scale;
        out.rect = area;
        out.onModules = true;
        return out;
    };
    const double height = measurer.textSize(QStringLiteral("0"), font, 0).height() * scale;
    QList<PictureText> out;
    if (!left.isEmpty()) {
        const double w = measurer.textSize(left, font, 0).width() * scale;
        out.append(text(left, 0, Qt::AlignRight, QRectF(x0 - gap - w, yc + kSideCaptionRise, w, height)));
    }
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const double gx = x0 + modules[i].first * bw;
        out.append(text(groups[i], groupKerning, Qt::AlignHCenter, QRectF(gx, yc, modules[i].second * bw, height)));
    }
    if (!right.isEmpty()) {
        const double w = measurer.textSize(right, font, 0).width() * scale;
        out.append(text(right, 0, Qt::AlignLeft, QRectF(barsEnd + gap, yc + kSideCaptionRise, w, height)));
    }
    return out;
}

} // namespace render
