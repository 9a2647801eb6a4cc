#include "model/SWCenteringClipView.h"

#include "model/DesignGlobals.h"
#include "model/SKTZoomingScrollView.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kShadowOffset = 3;
constexpr double kShadowBlur = 15;
constexpr int kShadowMaxSide = 1024;   // shadows of larger cards are blurred at a smaller scale

// One box blur pass over an 8-bit alpha image, along rows (horizontal) or columns.
void boxBlur(QImage &alpha, int radius, bool horizontal)
{
    const int w = alpha.width(), h = alpha.height();
    const int lines = horizontal ? h : w, length = horizontal ? w : h;
    std::vector<int> line(static_cast<size_t>(length));
    const int window = 2 * radius + 1;
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> uchar & {
            return horizontal ? alpha.scanLine(l)[i] : alpha.scanLine(i)[l];
        };
        for (int i = 0; i < length; ++i)
            line[size_t(i)] = at(i);
        int sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += i >= 0 && i < length ? line[size_t(i)] : 0;
        for (int i = 0; i < length; ++i) {
            at(i) = uchar(sum / window);
            const int out = i - radius, in = i + radius + 1;
            sum -= out >= 0 ? line[size_t(out)] : 0;
            sum += in < length ? line[size_t(in)] : 0;
        }
    }
}

} // namespace

SWCenteringClipView::SWCenteringClipView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPainterPath SWCenteringClipView::cardShape(int shape, const QRectF &rect, double factor)
{
    QPainterPath path;
    if (shape == 1)
        path.addRoundedRect(rect, 10 * factor, 10 * factor);
    else if (shape == 2)
        path.addEllipse(rect);
    else
        path.addRect(rect);
    return path;
}

QImage SWCenteringClipView::shadowFor(const QSize &size, int shape, double factor)
{
    if (size == m_shadowSize && shape == m_shadowShape && factor == m_shadowFactor)
        return m_shadow;
    const double scale = std::min(1.0, double(kShadowMaxSide) / std::max(size.width(), size.height()));
    const int pad = int(std::ceil(kShadowBlur * scale));
    const QSize inner(std::max(1, int(std::lround(size.width() * scale))),
                      std::max(1, int(std::lround(size.height() * scale))));
    QImage alpha(inner + QSize(2 * pad, 2 * pad), QImage::Format_Alpha8);
    alpha.fill(0);
    {
        QPainter p(&alpha);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(cardShape(shape, QRectF(QPointF(pad, pad), QSizeF(inner)), factor * scale), Qt::black);
    }
    // Three box passes come close to the soft edge of a Gaussian blur.
    const int radius = std::max(1, int(std::lround(kShadowBlur * scale / 2)));
    for (int pass = 0; pass < 3; ++pass) {
        boxBlur(alpha, radius, true);
        boxBlur(alpha, radius, false);
    }
    m_shadow = alpha;
    m_shadowSize = size;
    m_shadowShape = shape;
    m_shadowFactor = factor;
    return m_shadow;
}

void SWCenteringClipView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paint(painter, event->rect());
}

void SWCenteringClipView::paint(QPainter &painter, const QRect &dirty)
{
    painter.setClipRect(dirty);
    // A grey gradient, lighter at the top.
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor::fromRgbF(0.88f, 0.88f, 0.88f));
    gradient.setColorAt(1, QColor::fromRgbF(0.78f, 0.78f, 0.78f));
    painter.fillRect(rect(), gradient);

    auto *scroll = qobject_cast<SKTZoomingScrollView *>(parentWidget());
    QWidget *canvas = scroll ? scroll->widget() : nullptr;
    if (!canvas || canvas->width() <= 0 || canvas->height() <= 0)
        return;
    const double factor = scroll->factor();
    const QRectF card = canvas->geometry();
    // The card's shape in white with a soft shadow 3 points right and down.
    const QImage shadow = shadowFor(canvas->size(), Card_Shape, factor);
    const double scale = std::min(1.0, double(kShadowMaxSide) / std::max(card.width(), card.height()));
    const double pad = std::ceil(kShadowBlur * scale) / scale;
    const QRectF target(card.topLeft() + QPointF(kShadowOffset - pad, kShadowOffset - pad),
                        card.size() + QSizeF(2 * pad, 2 * pad));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(0.5);
    painter.drawImage(target, shadow);
    painter.restore();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(cardShape(Card_Shape, card, factor), Qt::white);
}
