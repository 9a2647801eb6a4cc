#pragma once
// A ruler beside a zoomed view: ticks and numbers in a unit of length, following the view's zoom
// and scroll, and marker lines that echo where something being moved lies.

#include <QFrame>
#include <QList>
#include <QString>

namespace platform {

class Ruler : public QFrame {
    Q_OBJECT
    Q_PROPERTY(Qt::Orientation orientation READ orientation WRITE setOrientation)
public:
    explicit Ruler(QWidget *parent = nullptr);

    Qt::Orientation orientation() const { return m_orientation; }
    void setOrientation(Qt::Orientation orientation);
    // Where the view's point 0 lies along the ruler (ruler pixels), and pixels per point.
    void setOriginOffset(double pixels);
    void setScale(double pixelsPerPoint);
    double scale() const { return m_scale; }
    // The length in points of the unit the numbers count.
    double pointsPerUnit() const { return m_pointsPerUnit; }

    // Moves the marker line at from (ruler pixels) to to; -1 as from adds a line, -1 as to removes
    // one. A from that matches no line (within half a pixel) adds nothing and removes nothing.
    void moveRulerlineFromLocation(double from, double to);
    QList<double> markerLocations() const { return m_markers; }

    // The distance in units between two numbered ticks at the present scale.
    double labelStep() const;

    // A number the ruler shows: its text and the box it takes along the ruler (ruler pixels).
    struct NumberLabel {
        QString text;
        double from = 0, to = 0;
    };
    // The numbers shown at the present size, scale and scroll: only those whose tick and whole
    // text lie on the ruler, so no cut-off number shows at either end.
    QList<NumberLabel> numberLabels() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Qt::Orientation m_orientation = Qt::Horizontal;
    double m_origin = 0;
    double m_scale = 1;
    const double m_pointsPerUnit = 72.0 / 25.4;   // millimetres
    QList<double> m_markers;
};

} // namespace platform
