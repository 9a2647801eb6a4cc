#pragma once
// The off-screen renderer of a card: a render job, not a widget. A job is taken on the GUI thread
// and holds its own copies of the card objects (through their in-memory archives, so pictures are
// shared and never re-encoded), the card's own layers as two painting functions of the host that
// own what they paint, the card's rectangle and a title. From then on any thread may paint it,
// any number of times, while the design goes on changing.
//
// The card pass (drawRect) paints the base, the printable visible objects back to front, then the
// border and watermark; no handles and no grid. Put on fewer than two pixels a point (a template's
// thumbnail, made at 72 DPI), the card is a preview: its barcode objects show as the print makes
// them, reduced, so that each symbol has its printed size. Print, PDF, mail and image export draw at
// 300 DPI and more or as vectors, and keep every module on whole pixels. The TIFF form paints every
// visible object alone, each clipped to its drawing bounds, over the union of those bounds.

#include "model/SKTGraphic.h"
#include "platform/Picture.h"

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>

class QImage;
class QPainter;
struct SKTError;

// One layer of the card, painted into a painter whose unit is one card point; it must own (capture
// by value) everything it reads, since a job may be painted on any thread.
using SKTCardLayerPainter = std::function<void(QPainter &painter, const QRectF &cardRect)>;

struct SKTCardLayers {
    SKTCardLayerPainter base;     // under the objects
    SKTCardLayerPainter border;   // over the objects: watermark and border
};

// What the renderer needs of the window, asked on the GUI thread when a job is taken. Unset
// functions stand for "no canvas": an empty card without layers.
struct SKTRenderingHost {
    std::function<QRectF()> canvasBounds;          // the card's rectangle in points
    std::function<SKTCardLayers()> cardLayers;     // the layers of the card as it is now
};

class SKTRenderingView {
public:
    // Takes a job of the objects (index 0 front-most) for the frame: signatures are resolved, then
    // every object is copied. Call it on the GUI thread; the layers are the host's unless given.
    SKTRenderingView(const QRectF &frame, const SKTGraphicList &graphics, const QString &printJobTitle);
    SKTRenderingView(const QRectF &frame, const SKTGraphicList &graphics, const QString &printJobTitle,
                     SKTCardLayers layers);

    QRectF frame() const { return m_frame; }
    // The job's own copies, in the order given.
    const SKTGraphicList &graphics() const { return m_graphics; }
    QString printJobTitle() const { return m_printJobTitle; }

    // Paints the card: base, the objects whose print_object is 0 and that are visible (last to
    // first, unclipped), border. An object whose drawing fails is logged and left out, the rest
    // drawn; the message is posted to the GUI thread, never shown inside painting.
    void drawRect(QPainter &painter, const QRectF &rect) const;
    // The whole card as a vector picture of the frame's size (the frame's top-left at the origin);
    // null for an empty frame.
    platform::Picture picture() const;

    // ---- The host -------------------------------------------------------------------------------
    static void setHost(SKTRenderingHost host);
    static const SKTRenderingHost &host();
    // The host's canvas bounds now (empty without a host).
    static QRectF canvasBounds();

    // ---- Outputs of a whole card at the canvas's bounds --------------------------------------------
    // A job of the objects at the canvas bounds, taken on the GUI thread whichever thread asks.
    static std::shared_ptr<const SKTRenderingView> cardJob(const SKTGraphicList &graphics,
                                                           const QString &printJobTitle = QString());
    // One PDF page of exactly the card's size in points, vectors kept; nothing for an empty card.
    static QByteArray pdfDataWithGraphics_data(const SKTGraphicList &graphics);
    // The card as a vector picture (the flag is not read); null for an empty card.
    static platform::Picture image_From_Card_Graphics(const SKTGraphicList &graphics, bool print_box = false);
    // The objects alone (every print flag, hidden ones left out), each clipped to its drawing
    // bounds, over U, the union of those bounds (the canvas bounds for no objects), at one pixel a
    // point on transparency; null with error 3 when U is empty or too large to allocate.
    static QImage tiffImageWithGraphics(const SKTGraphicList &graphics, SKTError *error = nullptr);
    // That image written as TIFF; nothing with error 3 when it cannot be made.
    static QByteArray tiffDataWithGraphics(const SKTGraphicList &graphics, SKTError *error = nullptr);

private:
    void drawObject(QPainter &painter, const SKTGraphic &graphic, bool preview = false) const;

    QRectF m_frame;
    SKTGraphicList m_graphics;
    QString m_printJobTitle;
    SKTCardLayers m_layers;
};
