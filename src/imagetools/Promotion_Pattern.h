#pragma once
// An image view over a tiled pattern, like Repeat_Image, but with the tiles in the window's own
// phase: they start at the window's top-left corner, wherever the view sits.

#include "platform/PictureView.h"

#include <QPixmap>

class Promotion_Pattern : public platform::PictureView {
    Q_OBJECT
public:
    explicit Promotion_Pattern(QWidget *parent = nullptr);

    void setPatternImage(const QImage &pattern);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pattern;
};
