#include "engines/render/NKDBarcodeOffscreenView.h"

#include "platform/Log.h"
#include "engines/TextMeasurer.h"
#include "engines/linear/NKDBarcode.h"

#include <QPainter>

#include <exception>

std::unique_ptr<NKDBarcodeOffscreenView> NKDBarcodeOffscreenView::initWithBarcode(
    const NKDBarcode *barcode, std::shared_ptr<const BarcodeSettings> settings)
{
    if (!barcode)
        return nullptr;
    std::unique_ptr<NKDBarcodeOffscreenView> view(new NKDBarcodeOffscreenView);
    view->m_settings = settings ? std::move(settings) : std::make_shared<const BarcodeSettings>(barcode->settings());
    view->m_fromImageOrBarcode = false;
    view->m_frame = render::linearFrame(*barcode);
    view->setBarcode(barcode);
    return view;
}

std::unique_ptr<NKDBarcodeOffscreenView> NKDBarcodeOffscreenView::initWithBarcodeImage(
    const platform::Picture &image, std::shared_ptr<const BarcodeSettings> settings)
{
    std::unique_ptr<NKDBarcodeOffscreenView> view(new NKDBarcodeOffscreenView);
    view->m_settings = settings ? std::move(settings) : std::make_shared<const BarcodeSettings>();
    const BarcodeSettings &s = *view->m_settings;
    // The divider belongs to this picture alone; in the Advanced QR mode it is set for every symbol.
    if (s.mode == 2 || render::logoGate(s))
        view->m_qr_logo_divider = render::logoDividerFor(image.size());
    if (s.mode == 1)
        view->Init_for_designing_mode(image);
    else
        view->Init_for_setting_mode(image);
    return view;
}

void NKDBarcodeOffscreenView::Init_for_setting_mode(const platform::Picture &image)
{
    try {
        m_fromImageOrBarcode = true;
        m_frame = QSizeF(m_settings->width, m_settings->height);
        setBarcode_Image_2D(image);
    } catch (const std::exception &e) {
        platform::logLine(QString::fromUtf8(e.what()));
    }
}

void NKDBarcodeOffscreenView::Init_for_designing_mode(const platform::Picture &image)
{
    try {
        m_fromImageOrBarcode = true;
        m_frame = render::twoDFrame(*m_settings, image.size());
        setBarcode_Image_2D(image);
    } catch (const std::exception &e) {
        platform::logLine(QString::fromUtf8(e.what()));
    }
}

render::PictureLayout NKDBarcodeOffscreenView::layout() const
{
    if (m_fromImageOrBarcode)
        return render::layout2D(m_image_2d, *m_settings, m_frame, m_qr_logo_divider, textMeasurer());
    if (!m_barcode) {
        render::PictureLayout empty;
        empty.size = m_frame;
        return empty;
    }
    return render::layoutLinear(*m_barcode, *m_settings, m_frame, textMeasurer());
}

void NKDBarcodeOffscreenView::drawRect(QPainter &painter, const QRectF &) const
{
    if (m_fromImageOrBarcode) {
        // A failure ends the 2D drawing quietly, keeping what was drawn.
        try {
            render::paintPictureLayout(painter, layout());
        } catch (const std::exception &) {
        }
        return;
    }
    render::paintPictureLayout(painter, layout());
}

platform::Picture NKDBarcodeOffscreenView::picture() const
{
    auto snapshot = std::make_shared<const render::PictureLayout>(layout());
    return platform::Picture::record(
        m_frame, [snapshot](QPainter &p) { render::paintPictureLayout(p, *snapshot); },
        [snapshot](const QSize &pixels, double) { return render::rasteriseLayout(*snapshot, pixels); });
}

QByteArray NKDBarcodeOffscreenView::dataWithPDFInsideRect(const QRectF &rect) const
{
    if (rect.isEmpty())
        return {};
    const platform::Picture whole = picture();
    if (rect == bounds())
        return whole.pdfData();
    // The rectangle is y-up like the bounds; the recording's origin is the top-left corner.
    const QRectF area = render::flipped(rect, m_frame.height());
    const platform::Picture part = platform::Picture::record(rect.size(), [whole, area](QPainter &p) {
        whole.draw(p, QRectF(-area.topLeft(), whole.size()));
    });
    return part.pdfData();
}

bool NKDBarcodeOffscreenView::knowsPageRange(int &location, int &length) const
{
    location = 1;
    length = 1;
    return true;
}

QRectF NKDBarcodeOffscreenView::rectForPage(int) const
{
    if (m_fromImageOrBarcode || !m_barcode)
        return {};
    return QRectF(0, 0, m_barcode->width(), m_barcode->height());
}
