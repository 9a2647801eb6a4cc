#pragma once
// The size rules of barcode pictures as pure functions: lengths in the editor's unit to points,
// the text bands, the linear height and width and the 2D frame. No widgets: the editors read their
// fields into these inputs, so batch output can compute sizes on any thread.

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace barcode_sizes {

// A length in the editor's unit (0 inch, 1 centimetre, 2 millimetre; any other value counts as
// inch) in points: centimetres use 0.393701 inch, computed in double precision, kept as float.
float toPoints(double length, int unit);

// The height in inches of a text band whose font has this cap height in points (1.35 x cap height).
float bandHeightInches(double capHeightPoints);

// Margins as typed in the editor's unit, and which bands are hidden.
struct MarginInputs {
    double value = 0.1, header = 0.1, footer = 0.1, leftRight = 0.1, topBottom = 0.1;
    bool captionHidden = false, headerHidden = false, footerHidden = false;
    int unit = 1;
};

// The five margins in points, zero for hidden bands (the value margin also for a hidden caption).
struct Margins {
    float value = 0, header = 0, footer = 0, leftRight = 0, topBottom = 0;
};
Margins marginsInPoints(const MarginInputs &in);

// Height of a linear picture: bar height (in the unit) plus the printed bands with their margins
// plus twice the top-and-bottom margin. Band heights in inches.
float linearHeight(double barHeight, int unit, const Margins &m, bool printsCaption, float captionHeight,
                   bool printsHeader, float headerHeight, bool printsFooter, float footerHeight);

// Width of a picture: the widest of header text, footer text and symbol, plus twice the left-and-right
// margin, plus 15 points more when that margin is above 0. Hidden header or footer count 0.
float pictureWidth(float symbolWidth, float headerWidth, float footerWidth, bool headerHidden, bool footerHidden,
                   float leftRightMargin);

// Height of a 2D frame: image height plus the shown header and footer bands with their margins
// plus twice the top-and-bottom margin. Band heights in inches.
float twoDHeight(float imageHeight, const Margins &m, bool headerHidden, float headerHeight, bool footerHidden,
                 float footerHeight);

// The point size that fits the text into the rectangle: the size scaled by the smaller of the
// width and height ratios, kept within [minimum, maximum]; minimum >= maximum keeps the size.
double fittingFontSize(double minimum, double maximum, const QSizeF &textSize, const QRectF &rect, double size);

} // namespace barcode_sizes
