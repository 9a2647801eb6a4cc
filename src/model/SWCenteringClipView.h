#pragma once
// The viewport of the canvas's scroll view: the background gradient and the card's shape with its
// shadow.

#include <QImage>
#include <QPainterPath>
#include <QWidget>

class SWCenteringClipView : public QWidget {
    Q_OBJECT
public:
    explicit SWCenteringClipView(QWidget *parent = nullptr);
    // The card's outline for a shape code (1 rounded rectangle radius 10 points, 2 ellipse, else a
    // rectangle) over a rect in pixels at a zoom factor.
    static QPainterPath cardShape(int cardShape, const QRectF &rect, double factor);
    // Paints the background and the card shape over the dirty rectangle.
    void paint(QPainter &painter, const QRect &dirty);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage shadowFor(const QSize &size, int shape, double factor);
    QImage m_shadow;
    QSize m_shadowSize;
    int m_shadowShape = -1;
    double m_shadowFactor = 0;
};
