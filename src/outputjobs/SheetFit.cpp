#include "outputjobs/SheetFit.h"

#include "core/ImageServices.h"
#include "platform/StepperField.h"
#include "outputjobs/OutputGlobals.h"

#include <algorithm>
#include <cmath>

namespace sheetfit {

namespace {

// One axis of the grid: the count the user typed, and what the fit makes of it.
struct Axis {
    int typed = 1;     // the field's integer
    int count = 1;     // after the fit
    float gap = 0;     // the gap the layout keeps
    bool write = false;
    QString gapShown;  // the gap cut to the paper, as its field shows it
};

// The paper a sheet is laid out on and its margins, in points: the product's page and margins in the
// predefined layout (none right and below), else the page setup's paper and margins.
struct Page {
    float PW = 0, PH = 0, L = 0, R = 0, T = 0, B = 0;
};

Page pageOf(const SheetLayout &l, const Fields &f)
{
    if (l.Manual_or_Pre == 1)
        return {l.predef_page_wdt, l.predef_page_hgt,
                MM_to_Points_Convert(float(platform::leadingDecimal(f.leftMargin, Points_to_MM_Convert(l.Left_Mar)))), 0,
                MM_to_Points_Convert(float(platform::leadingDecimal(f.topMargin, Points_to_MM_Convert(l.Top_Mar)))), 0};
    return {float(l.setup.paper.width()), float(l.setup.paper.height()), l.Left_Mar, l.Rite_Mar, l.Top_Mar, l.Bot_Mar};
}

// The most a gap may be across a usable extent (points), in whole hundredths of a millimetre, which a
// field shows and reads back within the extent.
float mostGapMM(float usable) { return std::floor(std::max(0.0f, Points_to_MM_Convert(usable)) * 100 + 0.01f) / 100; }

// A gap wider than the usable extent (another road than typing: a page turned or made smaller since)
// is cut to it, which its field then shows.
void cutGap(Axis &a, float usable)
{
    const float mostMM = mostGapMM(usable);
    const float most = MM_to_Points_Convert(mostMM);
    if (!(a.gap > most))
        return;
    a.gap = most;
    // In the user's digits and decimal sign, as the field and the message show it.
    a.gapShown = platform::localePairValue(double(mostMM), platform::PairFormat::TwoDecimals);
}

// A label size or gap the arithmetic cannot divide by leaves a single cell on that axis.
bool unusable(float size, float gap) { return !(size > 0) || !(gap >= 0) || !std::isfinite(size); }

// Auto-centre: as many equal gaps as cells plus one, or fewer cells and no gap when they do not fit.
void centre(Axis &a, float usable, float size)
{
    const float gap = (usable - float(a.count) * size) / (float(a.count) + 1);
    if (gap > 0) {
        a.gap = gap;
        return;
    }
    const float fits = usable / size;   // cut toward zero below
    int n = fits >= float(a.count) ? a.count : int(fits);
    if (n < 1) {
        n = 1;
        a.count = 1;
    }
    if (n < a.count)
        a.count = n;
    a.write = true;
    a.gap = 0;
}

// The typed gap between cells: fewer cells when the block does not fit the usable area.
void reduce(Axis &a, float paper, float size, float before, float after)
{
    const float usable = paper - before - after;
    const float room = (usable - float(a.count) * size - (float(a.count) - 1) * a.gap) / (float(a.count) + 1);
    if (room > 0)
        return;
    const float fits = std::floor((paper + a.gap - before - after) / (size + a.gap));
    int n = fits >= float(a.count) ? a.count : (fits >= 1 ? int(fits) : 0);
    if (n < 1) {
        n = 1;
        a.count = 1;
    }
    if (n < a.count)
        a.count = n;
}

} // namespace

int Typed_Count(const QString &text) { return std::clamp(platform::leadingInteger(text), 1, Most_Cells); }

Result Check_Max_Cell_Value(const SheetLayout &in, const Fields &f)
{
    Result r;
    r.layout = in;
    if (!in.setup.present)
        return r;
    r.ran = true;
    SheetLayout &l = r.layout;
    const bool predefined = l.Manual_or_Pre == 1;

    l.Real_label_width = MM_to_Points_Convert(f.manualWidth);
    l.Real_label_hight = MM_to_Points_Convert(f.manualHeight);
    l.label_width = predefined ? MM_to_Points_Convert(f.cellWidth) : l.Real_label_width;
    l.label_hight = predefined ? MM_to_Points_Convert(f.cellHeight) : l.Real_label_hight;

    const float W = l.label_width, H = l.label_hight;
    if (l.Fit_Picture_To_Frame) {
        l.label_width = float(l.setup.imageable.width());
        l.label_hight = float(l.setup.imageable.height());
    }
    const auto [PW, PH, L, R, T, B] = pageOf(l, f);
    if (predefined) {
        l.Left_Mar = L, l.Top_Mar = T;
        l.Rite_Mar = l.Bot_Mar = 0;
    }

    Axis cols, rows;
    cols.gap = MM_to_Points_Convert(float(platform::leadingDecimal(f.horzGap, f.horzGapInUse)));
    rows.gap = MM_to_Points_Convert(float(platform::leadingDecimal(f.vertGap, f.vertGapInUse)));
    cols.typed = platform::leadingInteger(f.cols);
    rows.typed = platform::leadingInteger(f.rows);
    cols.count = std::clamp(cols.typed, 1, Most_Cells);
    rows.count = std::clamp(rows.typed, 1, Most_Cells);

    const float UW = PW - L - R, UH = PH - T - B;
    const bool autoCentre = f.autoCentre && !predefined && !l.Fit_Picture_To_Frame;
    // A product prints on its own grid: the placement must not spread it either.
    if (predefined)
        l.auto_center_flag = false;
    for (auto [axis, size, usable, paper, before, after] :
         {std::tuple{&cols, W, UW, PW, L, R}, std::tuple{&rows, H, UH, PH, T, B}}) {
        if (!autoCentre)
            cutGap(*axis, usable);
        if (unusable(size, axis->gap)) {
            axis->count = 1;
            if (!std::isfinite(axis->gap) || autoCentre)
                axis->gap = 0;
        } else if (autoCentre) {
            centre(*axis, usable, size);
        } else {
            reduce(*axis, paper, size, before, after);
        }
        axis->write = axis->write || axis->count != axis->typed;
    }

    l.horz_mar = cols.gap;
    l.vert_mar = rows.gap;
    l.Print_Row = rows.count;
    l.Print_Col = cols.count;
    r.rows = rows.count;
    r.cols = cols.count;
    r.writeRows = rows.write;
    r.writeCols = cols.write;
    r.horzGapShown = cols.gapShown;
    r.vertGapShown = rows.gapShown;
    return r;
}

std::optional<QSizeF> Gap_Extent(const SheetLayout &layout, const Fields &fields)
{
    if (!layout.setup.present)
        return std::nullopt;
    const Page p = pageOf(layout, fields);
    return QSizeF(mostGapMM(p.PW - p.L - p.R), mostGapMM(p.PH - p.T - p.B));
}

Fields Shown_Fields(const Fields &fields, const Result &fit, bool centred)
{
    Fields f = fields;
    if (fit.writeRows)
        f.rows = QString::number(fit.rows);
    if (fit.writeCols)
        f.cols = QString::number(fit.cols);
    if (!fit.horzGapShown.isEmpty())
        f.horzGap = fit.horzGapShown;
    if (!fit.vertGapShown.isEmpty())
        f.vertGap = fit.vertGapShown;
    if (centred) {
        f.horzGap = QString::asprintf("%.2f", double(Points_to_MM_Convert(fit.layout.horz_mar)));
        f.vertGap = QString::asprintf("%.2f", double(Points_to_MM_Convert(fit.layout.vert_mar)));
    }
    return f;
}

Result Settled(const Result &first, const Result &second)
{
    Result r = second;
    r.writeRows = first.writeRows || second.writeRows;
    r.writeCols = first.writeCols || second.writeCols;
    if (r.horzGapShown.isEmpty())
        r.horzGapShown = first.horzGapShown;
    if (r.vertGapShown.isEmpty())
        r.vertGapShown = first.vertGapShown;
    return r;
}

} // namespace sheetfit
