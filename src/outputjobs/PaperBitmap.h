#pragma once
// A label raised for the printer as the paper takes it: what is transparent prints white (the cell
// is drawn by copy), and the bitmap is handed over at the least depth that prints the same dots.
//
// The depth is decided from the pixels alone, as they stand on white paper:
// - one bit, when every pixel is pure black or pure white, or is a neutral grey with pure black
//   within two pixels of it. Such a grey is the anti-aliased fringe of ink (a glyph's or a line's
//   outline at 600 DPI), which a printer prints as a dot of ink or none anyway; it goes to the
//   nearer of black and white. A one-bit label is an eighth of the data a grey one is for the
//   printer to take.
// - grey (one byte a pixel), when some grey is more than an edge (a grey area, a gradient, a
//   grey photo, grey text, a grey hairline on white) but there is no colour;
// - colour, as it is, otherwise.

#include <QImage>

namespace paperbitmap {

enum class Depth { OneBit, Grey, Colour };

// The depth a bitmap takes on paper (see above). A one-bit bitmap answers OneBit.
Depth Depth_On_Paper(const QImage &image);

// The bitmap on white at the depth Depth_On_Paper() gives: Format_Mono with black at index 0 and
// white at 1, Format_Grayscale8 or Format_RGB32 (a bitmap without transparency and of another
// format as it is). A one-bit bitmap comes back as it is. Resolution kept.
QImage On_Paper(const QImage &image);

} // namespace paperbitmap
