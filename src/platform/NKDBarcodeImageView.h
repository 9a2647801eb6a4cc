#pragma once
// An image view for barcode pictures: it shows its picture scaled down proportionally and centred,
// takes keyboard focus, and neither starts a drag nor accepts a drop; a click does nothing.

#include "platform/Picture.h"

#include <QWidget>

class NKDBarcodeImageView : public QWidget {
    Q_OBJECT
public:
    explicit NKDBarcodeImageView(QWidget *parent = nullptr);

    void setImage(const platform::Picture &image);
    const platform::Picture &image() const { return m_image; }
    // Where the picture is drawn inside the view.
    QRectF imageRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;

private:
    platform::Picture m_image;
};
