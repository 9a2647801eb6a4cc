#pragma once
// A one-bit label handed to the spool as the bands of it that hold ink. The spool compresses every
// picture on the one thread that draws the pages, so the blank rows and margins of 10,000 labels
// would cost seconds there; instead the label's whole rectangle is painted white (as its blank
// pixels painted it) and only the bands with ink go as bitmaps, each on the label's own pixel grid
// with a blank pixel row and byte of columns kept around its ink where the label has them, so no
// band's edge meets ink.

#include <QImage>
#include <QRect>
#include <QRectF>

#include <vector>

class QPainter;

namespace paperbands {

// Blank rows that end a band: fewer stay inside it (a band of its own costs more than they do).
constexpr int Band_Gap_Rows = 32;

// The bands of a one-bit bitmap on white (Format_Mono, black at index 0, white at 1) that hold ink,
// top to bottom, in pixels: rows from a blank row above the first ink row to a blank row below
// the last (within the bitmap), rows apart by Band_Gap_Rows blank rows or more in separate bands;
// columns whole bytes, from the byte before the band's first inked byte to the byte after its last
// (within the bitmap). Empty for a bitmap without ink, and for any other bitmap.
std::vector<QRect> Ink_Bands(const QImage &bitmap);

// Draws a one-bit bitmap on white into target (painter units) as its bands when they leave out a
// tenth of it or more: white over the target, then each band where its pixels lie in the whole
// bitmap drawn there (same scale, same grid, not smoothed). Answers false, having drawn nothing,
// otherwise (the caller draws the bitmap whole).
bool Draw_In_Bands(QPainter &painter, const QImage &bitmap, const QRectF &target);

} // namespace paperbands
