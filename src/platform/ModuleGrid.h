#pragma once
// A 2D symbol as its grid of modules: one pixel per module and where the grid sits in its picture.
// The grid travels unscaled until the picture is finally put on pixels, where every module becomes
// the same whole number of device pixels (square modules stay square); on vector devices the grid
// is drawn at its exact size.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include <functional>

class QPainter;

namespace platform {

struct ModuleGrid {
    QImage cells;        // Format_Indexed8, one pixel per module, quiet zone included; colours not premultiplied
    QRectF cellsRect;    // where the cells go in the picture (points, top-left origin); may reach past it
    int quietZone = 0;   // modules of quiet zone on every side of the cells; the picture may cut into it
    QColor surround;     // painted over the whole picture before the cells (replacing); invalid: nothing

    int columns() const { return cells.width() - 2 * quietZone; }
    int rows() const { return cells.height() - 2 * quietZone; }
    bool isNull() const { return cells.isNull() || columns() <= 0 || rows() <= 0 || cellsRect.isEmpty(); }
};

// The cells of any image as Format_Indexed8 with exactly its colours; null with more than 256.
QImage indexedCells(const QImage &image);

// Where the grid's pixels go on a device.
struct GridPlacement {
    QRect target;            // the picture's device pixels: nothing outside is painted
    QPoint origin;           // device pixel of the cells' top-left corner, quiet zone included
    int moduleWidth = 0;     // pixels
    int moduleHeight = 0;
    bool isNull() const { return moduleWidth <= 0 || moduleHeight <= 0 || target.isEmpty(); }
};

// The placement of the grid of a picture of that size drawn through toDevice (picture points to
// device pixels, translation and scale only): each module its nominal size rounded to whole pixels
// (modules that are square in points stay square), smaller only where the symbol would not fit the
// picture; the symbol centred where the grid puts it, on a whole pixel.
GridPlacement placeGrid(const ModuleGrid &grid, const QSizeF &pictureSize, const QTransform &toDevice);

// Writes the grid into an image of one of the raster formats (see RasterImage.h) as placed; each
// colour of the cells (and the surround) becomes pixelOf(colour).
void rasteriseGrid(QImage &image, const ModuleGrid &grid, const GridPlacement &placement,
                   const std::function<uint(QRgb)> &pixelOf);

// Paints the grid of a picture of that size into target (painter coordinates, points), replacing what
// is beneath as the composition mode says: whole pixels on raster devices, exact geometry on others.
// On a screen, with the resolution the picture is output at (outputDpi above 0), the symbol is shown
// as that output makes it (its modules whole pixels there), scaled to the screen unblended: what the
// screen shows is the size that prints, though its modules then differ by a pixel.
void paintGrid(QPainter &painter, const ModuleGrid &grid, const QSizeF &pictureSize, const QRectF &target,
               double outputDpi = 0);

} // namespace platform
