#include "model/GraphicStyles.h"

#include "core/UserFolders.h"
#include "model/SKTGraphic.h"
#include "model/SKTLine.h"
#include "model/Shape_Control.h"
#include "model/StyleCodes.h"

#include <QBrush>
#include <QDir>
#include <QHash>
#include <QLinearGradient>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace graphicstyle {

namespace {

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           name != QLatin1String(".") && name != QLatin1String("..");
}

Qt::PenCapStyle capOf(int code)
{
    switch (code) {
    case 1: return Qt::RoundCap;
    case 2: return Qt::SquareCap;
    default: return Qt::FlatCap;
    }
}

} // namespace

QLinearGradient gradientAcross(const QRectF &box, double angle, const QColor &from, const QColor &to)
{
    const double radians = (std::isfinite(angle) ? angle : 0.0) * M_PI / 180.0;
    const double dx = std::cos(radians), dy = std::sin(radians);
    const double half = (std::fabs(box.width() * dx) + std::fabs(box.height() * dy)) / 2;
    const QPointF centre = box.center();
    QLinearGradient g(centre - QPointF(dx * half, dy * half), centre + QPointF(dx * half, dy * half));
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

double opacity(float stored)
{
    if (std::isnan(stored))
        return 1.0;
    return std::clamp(double(stored), 0.0, 1.0);
}

QColor withOpacity(const QColor &color, float stored)
{
    QColor c = color;
    c.setAlphaF(float(c.alphaF() * opacity(stored)));
    return c;
}

QImage hatchImage(const QString &name)
{
    if (!isPlainName(name))
        return {};
    static QMutex mutex;
    static QHash<QString, QImage> cache;
    const QString path = Resource_Path + QStringLiteral("/Fill_Style_Image/") + name + QStringLiteral(".png");
    QMutexLocker lock(&mutex);
    if (const auto it = cache.constFind(path); it != cache.cend())
        return *it;
    // A missing file is not remembered, so a pattern added later is found.
    QImage image(path);
    if (!image.isNull())
        cache.insert(path, image);
    return image;
}

QStringList hatchNames()
{
    QStringList names;
    const QDir patterns(Resource_Path + QStringLiteral("/Fill_Style_Image"));
    for (const QString &entry : patterns.entryList(QDir::Files | QDir::Hidden)) {
        const int dot = int(entry.lastIndexOf(QLatin1Char('.')));
        names << (dot > 0 ? entry.left(dot) : entry);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseSensitive) < 0; });
    return names;
}

void fillPath(QPainter &painter, const SKTGraphic &graphic, const QPainterPath &outline)
{
    if (!graphic.isDrawingFill() || outline.isEmpty())
        return;
    QPainterPath path = outline;
    path.setFillRule(Qt::WindingFill);
    const QString type = graphic.fill_type();
    if (type == QLatin1String("G")) {
        painter.fillPath(path, graphic.fill_Grad_clr1());
        const double angle = std::isfinite(graphic.fill_grad_angle()) ? graphic.fill_grad_angle() : 0.0;
        painter.fillPath(path, gradientAcross(path.boundingRect(), angle, graphic.fill_Grad_clr1(),
                                              graphic.fill_Grad_clr2()));
    } else if (type == QLatin1String("H") && graphic.isExactly<Shape_Control>()) {
        painter.fillPath(path, withOpacity(graphic.fill_hatch_bk_clr(), graphic.alpha_val));
        const QImage pattern = hatchImage(graphic.fill_hatch_type());
        if (!pattern.isNull())
            painter.fillPath(path, QBrush(pattern));
    } else {
        painter.fillPath(path, withOpacity(graphic.fillColor(), graphic.alpha_val));
    }
}

QPen strokePen(const SKTGraphic &graphic, const QColor &color)
{
    double width = graphic.strokeWidth();
    if (!std::isfinite(width) || width < 0)
        width = 0;   // a hairline
    QPen pen(color, width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setMiterLimit(10);
    pen.setCapStyle(graphic.isExactly<SKTLine>() ? capOf(graphic.Get_Line_Cap_Style()) : Qt::FlatCap);
    const QList<double> dashes = Border_Dash_Array(graphic.strokeBorderType());
    if (!dashes.isEmpty()) {
        // Qt measures dashes in pen widths; the styles' lengths are points.
        const double unit = width > 0 ? width : 1.0;
        QList<qreal> pattern;
        for (double d : dashes)
            pattern.append(d / unit);
        pen.setDashPattern(pattern);
        pen.setDashOffset(0);
    }
    return pen;
}

void strokePath(QPainter &painter, const SKTGraphic &graphic, const QPainterPath &path, const QColor &color)
{
    if (!graphic.isDrawingStroke() || path.isEmpty())
        return;
    painter.strokePath(path, strokePen(graphic, color));
}

QRectF strokedBounds(const SKTGraphic &graphic, const QPainterPath &path)
{
    if (!graphic.isDrawingStroke() || path.isEmpty())
        return {};
    QPen pen = strokePen(graphic, Qt::black);
    if (pen.widthF() == 0)
        return {};
    pen.setStyle(Qt::SolidLine);   // the dashes lie on the solid stroke
    return QPainterPathStroker(pen).createStroke(path).boundingRect();
}

} // namespace graphicstyle
