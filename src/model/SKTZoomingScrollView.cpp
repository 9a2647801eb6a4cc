#include "model/SKTZoomingScrollView.h"

#include "core/Messages.h"
#include "model/SKTGraphicView.h"
#include "model/SWCenteringClipView.h"
#include "platform/Ruler.h"

#include <QComboBox>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

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
