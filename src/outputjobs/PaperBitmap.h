#pragma once
// A label raised for the printer as the paper takes it: what is transparent prints white (the cell
// is drawn by copy), and the bitmap is handed over at the least depth that prints the same dots.
//
// The depth is decided from the pixels alone, as they stand on white paper:
// - one bit, when every pixel is pure black or pure white, or is a neutral grey that is the
//   anti-aliased fringe of ink: a light grey within a few pixels of a pixel that prints black, a
//   mid-dark one (a hairline's partial cover) within a few pixels of dark ink, a dark one thin
//   enough to be a stroke (PaperBitmap.cpp gives the distances). At 600 DPI such a fringe is
//   printed as a dot of ink or none anyway; each pixel goes to the nearer of black and white. A
//   one-bit label is a twenty-fourth of the data an RGB one is for the printer to take.
// - grey, when some grey is more than a fringe (a grey area, a gradient, a grey photo, grey or
//   light text, a grey hairline away from ink) but there is no colour. It is kept one byte a pixel
//   while it waits to be printed, but the printer's PDF spool writes it as 8-bit RGB as it writes
//   colour: on paper a label is one bit or RGB.
// - colour, as it is, otherwise.

#include <QImage>

namespace paperbitmap {

enum class Depth { OneBit, Grey, Colour };

// The depth a bitmap takes on paper (see above). A one-bit bitmap answers OneBit.
Depth Depth_On_Paper(const QImage &image);

// The bitmap on white at the depth Depth_On_Paper() gives: Format_Mono with black at index 0 and
// white at 1, Format_Grayscale8 (which the spool writes as RGB) or Format_RGB32 (a bitmap without
// transparency and of another format as it is). A one-bit bitmap comes back as it is. Resolution
// kept.
QImage On_Paper(const QImage &image);

} // namespace paperbitmap
