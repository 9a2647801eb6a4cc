#include "barcodemode/BarcodeSizeRules.h"

#include <algorithm>

namespace barcode_sizes {

float toPoints(double length, int unit)
{
    switch (unit) {
    case 1: return float(length * 0.393701 * 72.0);
    case 2: return float(length * 0.393701 * 72.0 / 10.0);
    default: return float(length * 72.0);
    }
}

float bandHeightInches(double capHeightPoints)
{
    return float(capHeightPoints / 72.0 + 0.35 * (capHeightPoints / 72.0));
}

Margins marginsInPoints(const MarginInputs &in)
{
    Margins m;
    m.value = in.captionHidden ? 0.0f : toPoints(in.value, in.unit);
    m.header = in.headerHidden ? 0.0f : toPoints(in.header, in.unit);
    m.footer = in.footerHidden ? 0.0f : toPoints(in.footer, in.unit);
    m.leftRight = toPoints(in.leftRight, in.unit);
    m.topBottom = toPoints(in.topBottom, in.unit);
    return m;
}

float linearHeight(double barHeight, int unit, const Margins &m, bool printsCaption, float captionHeight,
                   bool printsHeader, float headerHeight, bool printsFooter, float footerHeight)
{
    float h = toPoints(barHeight, unit);
    if (printsCaption)
        h = h + captionHeight * 72.0f + m.value;
    if (printsHeader)
        h = h + headerHeight * 72.0f + m.header;
    if (printsFooter)
        h = h + footerHeight * 72.0f + m.footer;
    return h + 2.0f * m.topBottom;
}

float pictureWidth(float symbolWidth, float headerWidth, float footerWidth, bool headerHidden, bool footerHidden,
                   float leftRightMargin)
{
    const float hw = headerHidden ? 0.0f : headerWidth;
    const float fw = footerHidden ? 0.0f : footerWidth;
    float w = std::max({hw, fw, symbolWidth}) + 2.0f * leftRightMargin;
    if (leftRightMargin > 0)
        w += 15.0f;
    return w;
}

float twoDHeight(float imageHeight, const Margins &m, bool headerHidden, float headerHeight, bool footerHidden,
                 float footerHeight)
{
    const float hb = headerHidden ? 0.0f : headerHeight * 72.0f;
    const float fb = footerHidden ? 0.0f : footerHeight * 72.0f;
    return imageHeight + hb + m.header + fb + m.footer + 2.0f * m.topBottom;
}

double fittingFontSize(double minimum, double maximum, const QSizeF &textSize, const QRectF &rect, double size)
{
    if (minimum >= maximum || textSize.width() <= 0 || textSize.height() <= 0)
        return size;
    const double factor = std::min(rect.width() / textSize.width(), rect.height() / textSize.height());
    double fitted = size * factor;
    if (fitted < minimum)
        fitted = minimum;
    else if (fitted > maximum)
        fitted = maximum;
    return fitted;
}

} // namespace barcode_sizes
