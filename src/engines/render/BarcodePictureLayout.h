#pragma once
// Where every part of a barcode picture goes: bars, caption, header and footer bands, the 2D symbol
// and its logo. The arithmetic works as the layout rules are written, in points with the origin at the
// bottom-left corner and y growing upward; painting flips it once (paintPictureLayout).
//
// A layout is a plain value: it holds copies of the texts, fonts, colours and the symbol image, so a
// recording that captures it can be replayed on any thread long after the model is gone.

#include "engines/BarcodeSettings.h"
#include "engines/TextMeasurer.h"
#include "engines/linear/NKDBarcode.h"
#include "platform/Picture.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPair>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <optional>

class QPainter;

namespace render {

// Tab stops of the captions, as a default paragraph style sets them.
constexpr double kDefaultTabStop = 28.0;
// The side captions of UPC/EAN symbols sit this far above the caption line.
constexpr double kSideCaptionRise = 3.0;
// Kerning of header, footer and the main caption when its check box is off.
constexpr double kBandKerning = kHeaderFooterKerning;

struct PictureText {
    QString text;
    QFont font;
    QColor color;
    Qt::Alignment alignment = Qt::AlignLeft;   // across the rectangle's width
    double kerning = 0;                        // points added after every character
    QRectF rect;                               // y-up: rect.y() is the bottom edge
    bool onModules = false;                    // placed by the bars (UPC/EAN digits): follows them onto pixels
    // onModules: the room (points) that the tightest text of its kind may take and that text's width;
    // on pixels with narrower modules the text shrinks until that one fits again. 0: no room kept.
    double room = 0;
    double width = 0;
};

struct PictureLayout {
    QSizeF size;                   // the view's bounds, points
    QColor background;             // Qt::transparent: nothing is painted behind
    QColor barColor;
    QList<QRectF> bars;            // y-up rectangles
    double lastBarHeight = 0;      // height of the last run drawn (0 when none)
    // The modules the bars are made of: module 0 starts at moduleX0, each is moduleWidth wide, and
    // barModules[i] gives the first module and the module count of bars[i].
    double moduleX0 = 0;
    double moduleWidth = 0;
    int moduleCount = 0;
    QList<QPair<int, int>> barModules;
    QList<PictureText> texts;      // in drawing order
    // The resolution the picture is output at (0: not known); a screen then shows the bars as
    // wide as that output makes them (see paintPictureLayout).
    double outputDpi = 0;

    // 2D pictures.
    platform::Picture symbol;
    QRectF symbolRect;             // y-up
    platform::Picture logo;
    QRectF logoRect;               // y-up; empty when no logo is drawn
};

// Header and footer alignment of a combo value: "Center", "Left" or "Right"; anything else keeps
// the default alignment (left to right: left).
Qt::Alignment bandAlignment(const QString &comboValue);

// A band of the text band rule: the text over the view's full width from y upward, as tall as the
// text measured with kerning 0, drawn with kerning 2.
PictureText textBand(const QString &text, const QFont &font, const QColor &color, const QString &alignment,
                     double viewWidth, double y, const TextMeasurer &measurer);

// The frame of a linear picture: the widest of the printed header, printed footer and bars, by
// the model's height.
QSizeF linearFrame(const NKDBarcode &model);
// The complete linear picture in a frame of the given size.
PictureLayout layoutLinear(const NKDBarcode &model, const BarcodeSettings &settings, const QSizeF &frame,
                           const TextMeasurer &measurer);

// The frame of a 2D picture: the source's width and height; in the Designing mode a 0 stands for
// the image's own width or height.
QSizeF twoDFrame(const BarcodeSettings &settings, const QSizeF &imagePoints);
// Whether the QR logo applies: in the Advanced QR mode when the logo option is on and there is a
// logo image; in the other modes also only for the "QR Code" symbology.
bool logoGate(const BarcodeSettings &settings);
// The logo's side is the symbol's width divided by this: 8 under 50 points, else 7.
int logoDividerFor(const QSizeF &imagePoints);
// The complete 2D picture; divider as the picture was created with.
PictureLayout layout2D(const platform::Picture &image, const BarcodeSettings &settings, const QSizeF &frame,
                       int logoDivider, const TextMeasurer &measurer);

// Paints the layout into a painter whose unit is one point with the origin at the top-left corner.
// Font sizes are held in points whatever the device's resolution. On pixels (images, screens) bars
// and modules are whole device pixels (see BarPixels); on PDF and EPS their geometry is exact.
// On a screen, for a layout with an output resolution, the bars take the width that output gives
// them: whole screen pixels only while the snapped bars stay within one module of that width, else
// the output's geometry itself, unblended where its modules are a pixel or wider.
void paintPictureLayout(QPainter &painter, const PictureLayout &layout);

// The layout made straight into an image of that pixel size (the picture's points scaled to fill it)
// in the leanest format its colours allow: one bit for two opaque colours and no text, else a
// palette (text edges in 16 steps of coverage between the ground and each text colour),
// premultiplied ARGB only beyond 256 colours. Text comes from the shared glyph cache. Null when the
// layout needs the painter (a logo, a symbol that is not a module grid, translucent bars or
// background), or the image cannot be made.
QImage rasteriseLayout(const PictureLayout &layout, const QSize &pixels);

// Where the bars land on pixels through toDevice (the picture's top-left points to device pixels):
// every module the same whole number of pixels, the nominal width rounded (down where the bars
// would no longer fit the picture), the first module on a whole pixel, the bars centred as laid out.
struct BarPixels {
    int modulePixels = 0;   // 0: no bars
    int firstPixel = 0;     // device x of module 0
    double nominal = 0;     // the module's width in device pixels before rounding
    // Device x of a point on the module scale (x in the layout's points).
    double mapX(const PictureLayout &layout, double x) const;
    // How much narrower the modules got on pixels (1 where they got wider): the bars' captions
    // shrink as far as they no longer fit their room, never grow.
    double narrowing() const { return modulePixels > 0 && modulePixels < nominal ? modulePixels / nominal : 1.0; }
};
BarPixels barPixels(const PictureLayout &layout, const QTransform &toDevice);
// The device pixels of bars[i].
QRect barDeviceRect(const PictureLayout &layout, int i, const BarPixels &pixels, const QTransform &toDevice);
// A text placed by the bars, moved and scaled with them onto pixels (other texts are returned as they are).
PictureText textOnPixels(const PictureText &text, const PictureLayout &layout, const BarPixels &pixels,
                         const QTransform &toDevice);
// The layout with its bars, and the texts placed by them, where an output at dpi puts them on its
// pixels, given back in points (the module scale too); the layout itself when it has no bars.
PictureLayout placedAsOutput(const PictureLayout &layout, double dpi);

// The glyphs of a text laid out as the renderer draws it, from the top-left corner of its rectangle;
// positions and glyph sizes times pointsPerUnit are points (text of a few points is laid out larger).
struct TextGlyphs {
    QList<QGlyphRun> runs;
    double pointsPerUnit = 1.0;
};
TextGlyphs textGlyphs(const PictureText &text);

// The y-up rectangle in Qt's top-left coordinates of a picture of that height.
inline QRectF flipped(const QRectF &yUp, double pictureHeight)
{
    return {yUp.x(), pictureHeight - yUp.y() - yUp.height(), yUp.width(), yUp.height()};
}

} // namespace render
