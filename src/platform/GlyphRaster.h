#pragma once
// Text for symbol output without filling outlines on every symbol. At print resolutions a caption's
// glyphs are larger than the raster engine's own glyph cache takes, so each glyph would be filled as
// a path on each symbol. Here every glyph is filled once per font, size, scale and quarter-pixel
// position (with the same outline, the same non-zero rule and the same anti-aliasing as the engine's
// text fill) and kept; text is then composed from the kept coverage masks. The cache is shared by all
// threads and, when full, forgets the glyphs used longest ago.
//
// A glyph that the engine draws as an image rather than an outline (a colour or bitmap glyph, such
// as an emoji) is left to the engine: the functions below answer false for text that holds one.

#include <QColor>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QTransform>

#include <array>

class QPainter;
class QTextLayout;

namespace platform {

// Draws glyph runs (positions in points, as a text layout gives them) into a premultiplied ARGB32
// image; toDevice maps points to pixels (scale and translation only). A translucent colour lies on
// the union of the glyphs once, as on one filled outline. Answers false, having drawn nothing, where
// the image is of another format or a glyph is left to the engine.
bool drawGlyphRuns(QImage &image, const QList<QGlyphRun> &runs, const QTransform &toDevice, const QColor &colour);

// The palette entries of one text colour over the ground: entry k is the colour at coverage k / 15
// (entry 0 the ground itself, 15 the text colour).
struct CoverageRamp {
    std::array<uint, 16> index{};
};
// The same into a Format_Indexed8 image, edges in 16 steps of coverage: a ground pixel takes the
// ramp's entry for the glyph's coverage, a pixel already on the ramp (where glyphs meet) the entry
// for the union of both coverages; where the text crosses other colours, the text colour replaces
// them from half coverage up. Answers false as above.
bool drawGlyphRuns(QImage &image, const QList<QGlyphRun> &runs, const QTransform &toDevice, const CoverageRamp &ramp);
// The coverage step (0 to 15) of an 8-bit coverage.
constexpr int coverageStep(int coverage) { return (coverage * 15 + 127) / 255; }

// Draws a laid-out text (lines placed, the layout at its own origin) through the painter in the
// colour, from kept glyphs, when the painter rasterises into an image at a size where the raster
// engine would fill every glyph as a path (labels raised for print): the glyphs go into a layer
// of the text's ink box, which the painter lays on with its own clip and opacity (times the
// colour's). Answers false, having drawn nothing, where the painter or the text is of another kind
// (vector output, screen-size text, glyphs above 256 pixels, a rotated or sheared painter,
// decorations, a glyph left to the engine): the caller then lets the layout draw itself.
bool drawLayoutFromKeptGlyphs(QPainter &painter, const QTextLayout &layout, const QColor &colour);

// Forgets every kept glyph (tests; memory).
void clearGlyphCache();

} // namespace platform
