#include "app/BannerView.h"

#include <QPainter>

BannerView::BannerView(QWidget *parent) : QWidget(parent) {}

void BannerView::setTile(const QImage &tile)
{
    m_tile = QPixmap::fromImage(tile);
    update();
}

void BannerView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_tile.isNull())
        p.fillRect(rect(), QColor(219, 226, 238));
    else
        p.drawTiledPixmap(rect(), m_tile);
}
