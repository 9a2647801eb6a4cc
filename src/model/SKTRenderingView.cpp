#include "model/SKTRenderingView.h"

#include "core/Messages.h"
#include "model/DesignSnapshot.h"
#include "model/SKTBarcode.h"
#include "model/SKTError.h"
#include "model/SKTSignature.h"
#include "platform/GuiThread.h"
#include "platform/Log.h"
#include "platform/WholePixels.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cmath>
#include <exception>

namespace {

SKTRenderingHost &theHost()
{
    static SKTRenderingHost host;
    return host;
}

// A TIFF of the objects is refused past these, as every raster output is.
constexpr double kMaxTiffSide = 20000.0;
constexpr double kMaxTiffBytes = 200.0 * 1024 * 1024;

// The resolution print and image export raise a card to; under kPreviewPixelsPerPoint device pixels
// a point (144 DPI) a card on pixels is a preview, far under every output's 300 DPI and more.
constexpr double kPrintDpi = 600.0;
constexpr double kPreviewPixelsPerPoint = 2.0;

bool paintsPreview(const QPainter &painter)
{
    if (!platform::paintsWholePixels(painter) || platform::paintsOnScreen(painter))
        return false;   // vectors, and screens, which show symbols as output makes them already
    const QTransform &t = painter.deviceTransform();
    return std::abs(t.m11()) < kPreviewPixelsPerPoint && std::abs(t.m22()) < kPreviewPixelsPerPoint;
}

void setError(SKTError *error, int code)
{
    if (error)
        *error = SKTErrorWithCode(code);
}

// Drawing failures are told once per pass on the GUI thread, never from inside painting.
void reportDrawingFailure(const QString &reason)
{
    platform::logLine(QStringLiteral("SKTRenderingView: an object could not be drawn: %1").arg(reason));
    platform::runOnGuiThreadLater([reason] { Show_MessageBox(reason); });
}

} // namespace

SKTRenderingView::SKTRenderingView(const QRectF &frame, const SKTGraphicList &graphics, const QString &printJobTitle)
    : SKTRenderingView(frame, graphics, printJobTitle, host().cardLayers ? host().cardLayers() : SKTCardLayers())
{
}

SKTRenderingView::SKTRenderingView(const QRectF &frame, const SKTGraphicList &graphics, const QString &printJobTitle,
                                   SKTCardLayers layers)
    : m_frame(frame), m_printJobTitle(printJobTitle), m_layers(std::move(layers))
{
    SKTGraphicList present;
    present.reserve(graphics.size());
    for (const auto &g : graphics)
        if (g)
            present.append(g);
    m_graphics = DesignSnapshot(present).restore();
    // A copy's signature is read from its file here, on the GUI thread, so painting never reads files.
    for (const auto &g : std::as_const(m_graphics))
        if (auto *signature = graphic_cast<SKTSignature>(g.get()))
            signature->resolveFilePath();
}

void SKTRenderingView::drawObject(QPainter &painter, const SKTGraphic &graphic, bool preview) const
{
    painter.save();
    try {
        if (const auto *barcode = preview ? graphic_cast<SKTBarcode>(&graphic) : nullptr)
            barcode->drawAsPrinted(painter, kPrintDpi);
        else
            graphic.drawContentsInView(painter, false);
    } catch (const std::exception &e) {
        reportDrawingFailure(QString::fromUtf8(e.what()));
    } catch (...) {
        reportDrawingFailure(QStringLiteral("unknown failure"));
    }
    painter.restore();
}

void SKTRenderingView::drawRect(QPainter &painter, const QRectF &) const
{
    painter.save();
    // The base may leave the card's outline as the clip of the rest of the pass.
    if (m_layers.base)
        m_layers.base(painter, m_frame);
    const bool preview = paintsPreview(painter);
    for (qsizetype i = m_graphics.size() - 1; i >= 0; --i) {
        const SKTGraphic &g = *m_graphics.at(i);
        if (g.print_object == 0 && g.ctrl_is_visible)
            drawObject(painter, g, preview);
    }
    if (m_layers.border)
        m_layers.border(painter, m_frame);
    painter.restore();
}

platform::Picture SKTRenderingView::picture() const
{
    if (!(m_frame.width() > 0) || !(m_frame.height() > 0))
        return {};
    // The picture keeps the job alive: it owns everything it paints.
    std::shared_ptr<const SKTRenderingView> job = std::make_shared<SKTRenderingView>(*this);
    const QPointF origin = m_frame.topLeft();
    return platform::Picture::record(m_frame.size(), [job, origin](QPainter &p) {
        p.translate(-origin);
        job->drawRect(p, job->frame());
    });
}

void SKTRenderingView::setHost(SKTRenderingHost host) { theHost() = std::move(host); }

const SKTRenderingHost &SKTRenderingView::host() { return theHost(); }

QRectF SKTRenderingView::canvasBounds()
{
    const SKTRenderingHost &h = host();
    return h.canvasBounds ? h.canvasBounds() : QRectF();
}

std::shared_ptr<const SKTRenderingView> SKTRenderingView::cardJob(const SKTGraphicList &graphics,
                                                                  const QString &printJobTitle)
{
    std::shared_ptr<const SKTRenderingView> job;
    platform::runOnGuiThreadAndWait(
        [&] { job = std::make_shared<SKTRenderingView>(canvasBounds(), graphics, printJobTitle); });
    return job;
}

QByteArray SKTRenderingView::pdfDataWithGraphics_data(const SKTGraphicList &graphics)
{
    return cardJob(graphics)->picture().pdfData();
}

platform::Picture SKTRenderingView::image_From_Card_Graphics(const SKTGraphicList &graphics, bool)
{
    return cardJob(graphics)->picture();
}

QImage SKTRenderingView::tiffImageWithGraphics(const SKTGraphicList &graphics, SKTError *error)
{
    std::shared_ptr<const SKTRenderingView> job;
    QRectF united;
    platform::runOnGuiThreadAndWait([&] {
        job = std::make_shared<SKTRenderingView>(canvasBounds(), graphics, QString(), SKTCardLayers());
        united = job->graphics().isEmpty() ? canvasBounds() : SKTGraphic::drawingBoundsOfGraphics(job->graphics());
    });
    if (!(united.width() > 0) || !(united.height() > 0) || !std::isfinite(united.width()) ||
        !std::isfinite(united.height())) {
        setError(error, 3);
        return {};
    }
    const double w = std::ceil(united.width());
    const double h = std::ceil(united.height());
    if (w > kMaxTiffSide || h > kMaxTiffSide || w * h * 4 > kMaxTiffBytes) {
        platform::logLine(QStringLiteral("SKTRenderingView: a TIFF of %1 x %2 points is too large.").arg(w).arg(h));
        setError(error, 3);
        return {};
    }
    QImage image(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        setError(error, 3);
        return {};
    }
    image.setDotsPerMeterX(qRound(72 / 0.0254));
    image.setDotsPerMeterY(qRound(72 / 0.0254));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(-united.topLeft());
    const SKTGraphicList &all = job->graphics();
    for (qsizetype i = all.size() - 1; i >= 0; --i) {
        const SKTGraphic &g = *all.at(i);
        if (!g.ctrl_is_visible)
            continue;
        painter.save();
        painter.setClipRect(g.drawingBounds());
        job->drawObject(painter, g);
        painter.restore();
    }
    painter.end();
    return image;
}

QByteArray SKTRenderingView::tiffDataWithGraphics(const SKTGraphicList &graphics, SKTError *error)
{
    const QImage image = tiffImageWithGraphics(graphics, error);
    if (image.isNull())
        return {};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    if (!writer.write(image)) {
        platform::logLine(QStringLiteral("SKTRenderingView: TIFF not written: %1").arg(writer.errorString()));
        setError(error, 3);
        return {};
    }
    return buffer.data();
}
