#include "imaging/Rotated.h"

#include "core/Globals.h"
#include "core/Messages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <exception>

namespace {

// Text is measured in points: on a device of 72 dots per inch a point is one unit.
QSizeF textSize(const QFont &font, const QString &text)
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(2835);
        image.setDotsPerMeterY(2835);
        return image;
    }();
    const QFontMetricsF metrics(font, &device);
    return metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignCenter, text).size();
}

QFont textFont(double points)
{
    QFont font(Text_Ctrl_Font);
    font.setPointSizeF(points);
    font.setKerning(false);
    return font;
}

} // namespace

double Rotated::Fitted_Font_Size(const QSizeF &size, const QString &text)
{
    const QSizeF at12 = textSize(textFont(12), text);
    if (at12.width() <= 0 || at12.height() <= 0)
        return 12;
    const double ratio = std::min(size.width() / at12.width(), size.height() / at12.height());
    return std::clamp(12 * ratio, 6.0, 48.0);
}

platform::Picture Rotated::Image_For_invalid_Data(const QRectF &rect, const QString &text)
{
    try {
        const QSizeF size = rect.size();
        const double points = Fitted_Font_Size(size, text);
        const QSizeF box = textSize(textFont(points), text);
        return platform::Picture::record(size, [size, points, box, text](QPainter &p) {
            const QRectF whole(QPointF(0, 0), size);
            p.fillRect(whole, QColor(255, 255, 255, 128));
            // The painter's unit is a point whatever the device's resolution.
            const int dpi = p.device() ? p.device()->logicalDpiY() : 72;
            QFont font = textFont(points * 72.0 / (dpi > 0 ? dpi : 72));
            p.setFont(font);
            const QRectF textBox(whole.center().x() - box.width() / 2, whole.center().y() - box.height() / 2,
                                 box.width(), box.height());
            p.fillRect(textBox, Qt::white);
            p.setPen(QColor(0, 0, 255));
            p.drawText(textBox, Qt::AlignCenter, text);
        });
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return platform::Picture();
    }
}
