#pragma once
// Shows a picture at its own size in points (one point per pixel at 100 %), placed in the view by
// an alignment, vector pictures drawn sharp at the screen's resolution.

#include "platform/Picture.h"

#include <QWidget>

namespace platform {

class PictureView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment imageAlignment READ imageAlignment WRITE setImageAlignment)
public:
    explicit PictureView(QWidget *parent = nullptr);

    const Picture &picture() const { return m_picture; }
    void setPicture(const Picture &picture);   // the null picture shows nothing
    bool hasPicture() const { return !m_picture.isNull(); }
    Qt::Alignment imageAlignment() const { return m_alignment; }
    void setImageAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Picture m_picture;
    Qt::Alignment m_alignment = Qt::AlignCenter;
};

} // namespace platform
