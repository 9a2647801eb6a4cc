#include "model/SKTZoomingScrollView.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "model/SKTGraphicView.h"
#include "platform/Ruler.h"

#include <QComboBox>
#include <QEvent>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>

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

// ---- The clip view ---------------------------------------------------------------------------

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

// ---- The scroll view -------------------------------------------------------------------------

SKTZoomingScrollView::SKTZoomingScrollView(QWidget *parent) : QScrollArea(parent)
{
    setViewport(new SWCenteringClipView(this));
    setAlignment(Qt::AlignCenter);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    validateFactorPopUpButton();
}

const QStringList &SKTZoomingScrollView::zoomLabels()
{
    static const QStringList labels = {QStringLiteral("25%"),  QStringLiteral("50%"),  QStringLiteral("75%"),
                                       QStringLiteral("100%"), QStringLiteral("125%"), QStringLiteral("150%"),
                                       QStringLiteral("200%"), QStringLiteral("400%")};
    return labels;
}

double SKTZoomingScrollView::zoomFactor(int item)
{
    static const double factors[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 4.0};
    return item >= 0 && item < 8 ? factors[item] : 1.0;
}

QComboBox *SKTZoomingScrollView::validateFactorPopUpButton()
{
    if (_factorPopUpButton)
        return _factorPopUpButton;
    _factorPopUpButton = new QComboBox(this);
    _factorPopUpButton->setObjectName(QStringLiteral("_factorPopUpButton"));
    QFont small = _factorPopUpButton->font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 2));
    _factorPopUpButton->setFont(small);
    for (int i = 0; i < zoomLabels().size(); ++i)
        _factorPopUpButton->addItem(tr(zoomLabels().at(i).toUtf8().constData()), zoomFactor(i));
    _factorPopUpButton->setCurrentIndex(3);
    _factorPopUpButton->adjustSize();
    _factorPopUpButton->hide();
    return _factorPopUpButton;
}

SKTGraphicView *SKTZoomingScrollView::graphicView() const { return qobject_cast<SKTGraphicView *>(widget()); }

void SKTZoomingScrollView::setFactor(double factor)
{
    if (!std::isfinite(factor) || factor <= 0)
        return;
    _factor = std::clamp(factor, 0.25, 4.0);
    if (SKTGraphicView *canvas = graphicView())
        canvas->setFactor(_factor);
    viewport()->update();
    updateRulers();
}

void SKTZoomingScrollView::setRulers(platform::Ruler *horizontal, platform::Ruler *vertical)
{
    m_horizontalRuler = horizontal;
    m_verticalRuler = vertical;
    if (horizontal)
        horizontal->setOrientation(Qt::Horizontal);
    if (vertical)
        vertical->setOrientation(Qt::Vertical);
    setRulersVisible(m_rulersVisible);
}

void SKTZoomingScrollView::setRulersVisible(bool visible)
{
    m_rulersVisible = visible;
    for (platform::Ruler *ruler : {m_horizontalRuler.data(), m_verticalRuler.data()})
        if (ruler)
            ruler->setVisible(visible);
    updateRulers();
}

void SKTZoomingScrollView::updateRulers()
{
    QWidget *canvas = widget();
    if (canvas && m_watched != canvas) {
        if (m_watched)
            m_watched->removeEventFilter(this);
        m_watched = canvas;
        canvas->installEventFilter(this);
    }
    if (!canvas)
        return;
    for (platform::Ruler *ruler : {m_horizontalRuler.data(), m_verticalRuler.data()}) {
        if (!ruler)
            continue;
        const QPointF origin = ruler->mapFromGlobal(canvas->mapToGlobal(QPointF(0, 0)));
        ruler->setOriginOffset(ruler->orientation() == Qt::Horizontal ? origin.x() : origin.y());
        ruler->setScale(_factor);
    }
}

QPointF SKTZoomingScrollView::constrainScrollPoint(const QPointF &p, const QSizeF &canvas, const QSizeF &clip)
{
    const auto axis = [](double at, double canvasSize, double clipSize) {
        if (clipSize <= canvasSize)
            return double(std::lround(std::clamp(at, 0.0, canvasSize - clipSize)));
        return double(std::lround((canvasSize - clipSize) / 2));
    };
    return QPointF(axis(p.x(), canvas.width(), clip.width()), axis(p.y(), canvas.height(), clip.height()));
}

void SKTZoomingScrollView::paintEvent(QPaintEvent *event)
{
    if (auto *clip = qobject_cast<SWCenteringClipView *>(viewport())) {
        QPainter painter(clip);
        clip->paint(painter, event->rect());
    }
}

void SKTZoomingScrollView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    tile();
    updateRulers();
}

void SKTZoomingScrollView::scrollContentsBy(int dx, int dy)
{
    QScrollArea::scrollContentsBy(dx, dy);
    updateRulers();
}

bool SKTZoomingScrollView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watched && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        updateRulers();
        viewport()->update();
    }
    return QScrollArea::eventFilter(watched, event);
}

void SKTZoomingScrollView::tile()
{
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
        Show_NSLog_Message(QStringLiteral("SKTZoomingScrollView doesn't support use without a horizontal scroll bar."));
        return;
    }
    // The hidden pop-up sits over the left end of the horizontal scroller.
    if (_factorPopUpButton) {
        const QRect scroller = horizontalScrollBar()->geometry();
        _factorPopUpButton->setGeometry(scroller.x(), scroller.y(), _factorPopUpButton->width(), scroller.height());
    }
}
