// Draws the pictures the image library ships with: pictures for card objects ("LibraryImage"),
// card backgrounds ("Background") and QR logos ("qr_logo"), all drawn here from shapes, so the
// resources hold no outside artwork. The drawing is fixed, so running it again gives the same
// pictures:
//
//   library_pictures RESOURCES
//
// Exit status: 0 done; 2 when a file could not be written; 1 for usage errors.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using Draw = std::function<void(QPainter &, const QSizeF &)>;

QPainterPath star(const QPointF &c, double outer, double inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = -M_PI / 2 + i * M_PI / points;
        const QPointF p(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        i ? path.lineTo(p) : path.moveTo(p);
    }
    path.closeSubpath();
    return path;
}

// ---- pictures for card objects ----

void drawStar(QPainter &p, const QSizeF &s)
{
    QRadialGradient g(QPointF(s.width() * 0.45, s.height() * 0.4), s.width() * 0.5);
    g.setColorAt(0, QColor(255, 226, 92));
    g.setColorAt(1, QColor(230, 160, 20));
    p.setBrush(g);
    p.setPen(QPen(QColor(180, 110, 10), s.width() / 64));
    p.drawPath(star(QPointF(s.width() / 2, s.height() * 0.53), s.width() * 0.46, s.width() * 0.19, 5));
}

void drawHeart(QPainter &p, const QSizeF &s)
{
    const double w = s.width();
    QPainterPath heart;
    heart.moveTo(w * 0.5, w * 0.88);
    heart.cubicTo(w * 0.05, w * 0.58, w * 0.02, w * 0.22, w * 0.28, w * 0.16);
    heart.cubicTo(w * 0.4, w * 0.13, w * 0.47, w * 0.2, w * 0.5, w * 0.3);
    heart.cubicTo(w * 0.53, w * 0.2, w * 0.6, w * 0.13, w * 0.72, w * 0.16);
    heart.cubicTo(w * 0.98, w * 0.22, w * 0.95, w * 0.58, w * 0.5, w * 0.88);
    QLinearGradient g(0, 0, 0, w);
    g.setColorAt(0, QColor(240, 80, 90));
    g.setColorAt(1, QColor(180, 20, 40));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawPath(heart);
}

void drawCheckBadge(QPainter &p, const QSizeF &s)
{
    const double w = s.width();
    p.setBrush(QColor(46, 160, 90));
    p.setPen(Qt::NoPen);
    p.drawPath(star(QPointF(w / 2, w / 2), w * 0.47, w * 0.41, 16));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, w * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(w * 0.3, w * 0.52), QPointF(w * 0.44, w * 0.66), QPointF(w * 0.72, w * 0.36)}));
}

void drawLeaf(QPainter &p, const QSizeF &s)
{
    const double w = s.width();
    QPainterPath leaf;
    leaf.moveTo(w * 0.15, w * 0.85);
    leaf.cubicTo(w * 0.1, w * 0.35, w * 0.45, w * 0.1, w * 0.88, w * 0.12);
    leaf.cubicTo(w * 0.9, w * 0.55, w * 0.6, w * 0.9, w * 0.15, w * 0.85);
    QLinearGradient g(0, w, w, 0);
    g.setColorAt(0, QColor(40, 120, 40));
    g.setColorAt(1, QColor(140, 200, 70));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(230, 245, 200), w / 60, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath vein;
    vein.moveTo(w * 0.12, w * 0.88);
    vein.quadTo(w * 0.45, w * 0.5, w * 0.85, w * 0.15);
    p.drawPath(vein);
}

void drawMountains(QPainter &p, const QSizeF &s)
{
    const double w = s.width(), h = s.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(90, 150, 220));
    sky.setColorAt(1, QColor(200, 225, 245));
    p.fillRect(QRectF(QPointF(0, 0), s), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 170));
    p.drawEllipse(QPointF(w * 0.78, h * 0.22), h * 0.09, h * 0.09);
    p.setBrush(QColor(110, 120, 140));
    p.drawPolygon(QPolygonF({QPointF(0, h), QPointF(w * 0.3, h * 0.35), QPointF(w * 0.55, h * 0.7), QPointF(w * 0.75, h * 0.45),
                             QPointF(w, h * 0.8), QPointF(w, h)}));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(w * 0.3, h * 0.35), QPointF(w * 0.36, h * 0.44), QPointF(w * 0.24, h * 0.43)}));
    p.setBrush(QColor(60, 120, 60));
    p.drawRect(QRectF(0, h * 0.85, w, h * 0.15));
}

void drawSunsetSea(QPainter &p, const QSizeF &s)
{
    const double w = s.width(), h = s.height();
    QLinearGradient sky(0, 0, 0, h * 0.6);
    sky.setColorAt(0, QColor(70, 40, 110));
    sky.setColorAt(1, QColor(250, 150, 80));
    p.fillRect(QRectF(0, 0, w, h * 0.6), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 120));
    p.drawEllipse(QPointF(w * 0.5, h * 0.6), h * 0.16, h * 0.16);
    QLinearGradient sea(0, h * 0.6, 0, h);
    sea.setColorAt(0, QColor(40, 70, 120));
    sea.setColorAt(1, QColor(15, 30, 60));
    p.fillRect(QRectF(0, h * 0.6, w, h * 0.4), sea);
    p.setPen(QPen(QColor(255, 200, 120, 160), h / 120));
    for (int i = 0; i < 6; ++i) {
        const double y = h * (0.65 + i * 0.055), half = w * (0.16 - i * 0.02);
        p.drawLine(QPointF(w * 0.5 - half, y), QPointF(w * 0.5 + half, y));
    }
}

// ---- card backgrounds ----

void drawBlueGradient(QPainter &p, const QSizeF &s)
{
    QLinearGradient g(0, 0, s.width(), s.height());
    g.setColorAt(0, QColor(20, 60, 130));
    g.setColorAt(1, QColor(120, 190, 235));
    p.fillRect(QRectF(QPointF(0, 0), s), g);
}

void drawSoftWaves(QPainter &p, const QSizeF &s)
{
    const double w = s.width(), h = s.height();
    p.fillRect(QRectF(QPointF(0, 0), s), QColor(238, 246, 250));
    for (int band = 0; band < 5; ++band) {
        QPainterPath wave;
        const double base = h * (0.45 + band * 0.12);
        wave.moveTo(0, base);
        for (int x = 0; x <= 40; ++x)
            wave.lineTo(w * x / 40, base + h * 0.05 * std::sin(x * 0.35 + band));
        wave.lineTo(w, h);
        wave.lineTo(0, h);
        wave.closeSubpath();
        p.fillPath(wave, QColor(60, 150, 190, 45 + band * 20));
    }
}

void drawDotsGrid(QPainter &p, const QSizeF &s)
{
    p.fillRect(QRectF(QPointF(0, 0), s), QColor(252, 248, 240));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 190, 140));
    const double step = s.height() / 16;
    for (double y = step / 2; y < s.height(); y += step)
        for (double x = step / 2; x < s.width(); x += step)
            p.drawEllipse(QPointF(x, y), step * 0.12, step * 0.12);
}

void drawDiagonalStripes(QPainter &p, const QSizeF &s)
{
    p.fillRect(QRectF(QPointF(0, 0), s), QColor(245, 245, 245));
    p.setPen(QPen(QColor(200, 60, 60, 60), s.height() / 30));
    const double step = s.height() / 8;
    for (double x = -s.height(); x < s.width(); x += step)
        p.drawLine(QPointF(x, s.height()), QPointF(x + s.height(), 0));
}

// ---- QR logos ----

void logoGround(QPainter &p, const QSizeF &s, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(QPointF(0, 0), s).adjusted(8, 8, -8, -8), s.width() * 0.18, s.width() * 0.18);
    p.setPen(QPen(Qt::white, s.width() * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void drawPhone(QPainter &p, const QSizeF &s)
{
    const double w = s.width();
    logoGround(p, s, QColor(40, 150, 80));
    p.drawRoundedRect(QRectF(w * 0.33, w * 0.2, w * 0.34, w * 0.6), w * 0.05, w * 0.05);
    p.drawPoint(QPointF(w * 0.5, w * 0.7));
}

void drawMail(QPainter &p, const QSizeF &s)
{
    const double w = s.width();
    logoGround(p, s, QColor(200, 70, 60));
    p.drawRect(QRectF(w * 0.22, w * 0.3, w * 0.56, w * 0.4));
    p.drawPolyline(QPolygonF({QPointF(w * 0.22, w * 0.3), QPointF(w * 0.5, w * 0.52), QPointF(w * 0.78, w * 0.3)}));
}

void drawGlobe(QPainter &p, const QSizeF &s)
{
    const double w = s.width();
    logoGround(p, s, QColor(40, 110, 200));
    const QPointF c(w / 2, w / 2);
    p.drawEllipse(c, w * 0.3, w * 0.3);
    p.drawEllipse(c, w * 0.13, w * 0.3);
    p.drawLine(QPointF(w * 0.2, w * 0.5), QPointF(w * 0.8, w * 0.5));
}

void drawPin(QPainter &p, const QSizeF &s)
{
    const double w = s.width();
    logoGround(p, s, QColor(230, 140, 30));
    QPainterPath pin;
    pin.moveTo(w * 0.5, w * 0.8);
    pin.cubicTo(w * 0.3, w * 0.55, w * 0.28, w * 0.45, w * 0.3, w * 0.38);
    pin.arcTo(QRectF(w * 0.3, w * 0.18, w * 0.4, w * 0.4), 200, -220);
    pin.cubicTo(w * 0.72, w * 0.45, w * 0.7, w * 0.55, w * 0.5, w * 0.8);
    p.drawPath(pin);
    p.drawEllipse(QPointF(w * 0.5, w * 0.38), w * 0.06, w * 0.06);
}

void drawWifi(QPainter &p, const QSizeF &s)
{
    const double w = s.width();
    logoGround(p, s, QColor(90, 70, 170));
    const QPointF c(w * 0.5, w * 0.72);
    for (int i = 1; i <= 3; ++i) {
        const double r = w * 0.13 * i;
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    p.drawPoint(c);
}

void drawCart(QPainter &p, const QSizeF &s)
{
    const double w = s.width();
    p.fillRect(QRectF(QPointF(0, 0), s), Qt::white);
    p.setPen(QPen(QColor(30, 30, 30), w * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(w * 0.15, w * 0.25), QPointF(w * 0.27, w * 0.25), QPointF(w * 0.36, w * 0.62),
                              QPointF(w * 0.75, w * 0.62), QPointF(w * 0.83, w * 0.35), QPointF(w * 0.31, w * 0.35)}));
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(w * 0.4, w * 0.76), w * 0.04, w * 0.04);
    p.drawEllipse(QPointF(w * 0.7, w * 0.76), w * 0.04, w * 0.04);
}

struct Picture {
    const char *file;   // under the resource folder; the extension chooses the format
    QSize size;
    Draw draw;
};

bool write(const QString &path, const QSize &size, const Draw &draw)
{
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    QImage image(size, jpeg ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(jpeg ? Qt::white : Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, QSizeF(size));
    }
    QImageWriter writer(path, jpeg ? "jpeg" : "png");
    if (jpeg)
        writer.setQuality(85);
    else
        writer.setCompression(100);   // the most zlib can do
    return writer.write(image);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: library_pictures RESOURCES\n");
        return 1;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QSize item(512, 512), photo(640, 480), card(1012, 638), logo(256, 256);
    const Picture pictures[] = {
        {"LibraryImage/Star.png", item, drawStar},
        {"LibraryImage/Heart.png", item, drawHeart},
        {"LibraryImage/Check_Badge.png", item, drawCheckBadge},
        {"LibraryImage/Leaf.png", item, drawLeaf},
        {"LibraryImage/Mountains.jpg", photo, drawMountains},
        {"LibraryImage/Sunset_Sea.jpg", photo, drawSunsetSea},
        {"Background/Blue_Gradient.jpg", card, drawBlueGradient},
        {"Background/Soft_Waves.jpg", card, drawSoftWaves},
        {"Background/Dots_Grid.png", card, drawDotsGrid},
        {"Background/Diagonal_Stripes.jpg", card, drawDiagonalStripes},
        {"qr_logo/Phone.png", logo, drawPhone},
        {"qr_logo/Mail.png", logo, drawMail},
        {"qr_logo/Globe.png", logo, drawGlobe},
        {"qr_logo/Location_Pin.png", logo, drawPin},
        {"qr_logo/Wifi.png", logo, drawWifi},
        {"qr_logo/Cart.jpg", logo, drawCart},
    };
    for (const Picture &picture : pictures) {
        const QString path = root + QLatin1Char('/') + QString::fromLatin1(picture.file);
        if (!QDir().mkpath(QFileInfo(path).path()) || !write(path, picture.size, picture.draw)) {
            std::fprintf(stderr, "%s could not be written\n", qPrintable(path));
            return 2;
        }
    }
    return 0;
}
