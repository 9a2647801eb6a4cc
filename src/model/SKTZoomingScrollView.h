#pragma once
// The scroll view around the canvas: it zooms the canvas by one of eight steps, keeps the card
// centred while it is smaller than the visible area and limits scrolling to the card, and paints
// what lies around and behind the card: a grey gradient and the white card shape with a soft shadow.

#include <QPointF>
#include <QPointer>
#include <QScrollArea>
#include <QSizeF>
#include <QStringList>

#include "platform/Ruler.h"

class QComboBox;
class SKTGraphicView;

class SKTZoomingScrollView : public QScrollArea {
    Q_OBJECT
public:
    explicit SKTZoomingScrollView(QWidget *parent = nullptr);

    // The zoom steps: labels and factors, item by item.
    static const QStringList &zoomLabels();
    static double zoomFactor(int item);

    // Shows the canvas at the factor (clamped to the steps' range).
    void setFactor(double factor);
    double factor() const { return _factor; }
    // The hidden pop-up of the steps, made on first use; each item carries its factor.
    QComboBox *validateFactorPopUpButton();

    SKTGraphicView *graphicView() const;

    // The rulers beside the view (owned elsewhere) and whether they are shown.
    void setRulers(platform::Ruler *horizontal, platform::Ruler *vertical);
    platform::Ruler *horizontalRuler() const { return m_horizontalRuler; }
    platform::Ruler *verticalRuler() const { return m_verticalRuler; }
    bool rulersVisible() const { return m_rulersVisible; }
    void setRulersVisible(bool visible);
    // Puts the rulers' origin and scale in step with the canvas.
    void updateRulers();

    // The scroll position a scroll to p may take, per axis: within 0 to (canvas - clip) while the
    // canvas is at least as large as the clip, else the centred position (canvas - clip) / 2.
    static QPointF constrainScrollPoint(const QPointF &p, const QSizeF &canvas, const QSizeF &clip);

protected:
    // The viewport's paint events come here (the scroll area handles its viewport's events).
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tile();

    double _factor = 1.0;
    QComboBox *_factorPopUpButton = nullptr;
    QPointer<platform::Ruler> m_horizontalRuler;
    QPointer<platform::Ruler> m_verticalRuler;
    bool m_rulersVisible = false;
    QPointer<QWidget> m_watched;
};
