#pragma once
// Shows a picture in its contents rectangle, fitted by a scaling (one point per pixel at 100 % when
// not scaled) and placed by an alignment, vector pictures drawn sharp at the screen's resolution.
// It answers where the picture is drawn, so that a selection can lie exactly over it.

#include "platform/Picture.h"
#include "platform/ScaledImageGeometry.h"

#include <QWidget>

class QMimeData;

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
    ImageScaling imageScaling() const { return m_scaling; }
    void setImageScaling(ImageScaling scaling);

    // Factors from picture points to displayed points over contentsRect().
    QSizeF imageRatio() const;
    // Where the picture is drawn, in this view's y-up coordinates (origin at the bottom-left).
    QRectF scaledImageRect() const;

    // The only drags an image view takes: those carrying URLs that allow a copy.
    static Qt::DropAction dragOperation(const QMimeData *data, Qt::DropActions possible);

    QSize sizeHint() const override;

signals:
    // The drawn rectangle may have moved: the picture, its fitting or the view's size changed.
    void imageGeometryChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;

private:
    QRectF drawingRect() const;   // contentsRect() in y-up coordinates

    Picture m_picture;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    ImageScaling m_scaling = ImageScaling::None;
};

} // namespace platform
