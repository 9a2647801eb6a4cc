#pragma once
// The banner across the top of the main window: its image tiled from the top-left corner, or a
// plain light blue while the image is missing. Promoted in the window's form.

#include <QImage>
#include <QPixmap>
#include <QWidget>

class BannerView : public QWidget {
    Q_OBJECT
public:
    explicit BannerView(QWidget *parent = nullptr);

    void setTile(const QImage &tile);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_tile;
};
