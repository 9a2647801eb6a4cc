#pragma once
// An image view over a tiled pattern: the pattern picture fills the area to redraw, its tiles
// starting at the view's own top-left corner (so they stay put when the view moves or is resized),
// and the view's picture, if any, is drawn over it. Without a pattern the area is a plain light
// blue. The main window's banner is one.

#include "platform/PictureView.h"

#include <QPixmap>

class QPainter;

// Fills area (the painter's coordinates) with the tile repeated so that one tile's top-left corner
// lies on anchor.
void Fill_Pattern(QPainter &painter, const QRect &area, const QPixmap &tile, const QPoint &anchor);

class Repeat_Image : public platform::PictureView {
    Q_OBJECT
public:
    explicit Repeat_Image(QWidget *parent = nullptr);

    void setPatternImage(const QImage &pattern);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pattern;
};
