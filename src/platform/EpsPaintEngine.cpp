#include "platform/EpsPaintEngine.h"

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPixmap>

#include <zlib.h>

#include <cmath>

namespace platform {

namespace {

// Bitmap fills (gradients, textures, hatch patterns) have no PostScript counterpart here; they are
// rasterised at this resolution and clipped to their outline.
constexpr double rasterFillDpi = 300.0;
constexpr int rasterFillMaxSide = 6000;

QByteArray hexLines(const QByteArray &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() * 2 + bytes.size() / 39 + 2);
    int column = 0;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(digits[b >> 4]);
        out.append(digits[b & 15]);
        if (++column == 39) {   // 78 characters a line keeps DSC readers happy
            out.append('\n');
            column = 0;
        }
    }
    out.append(">\n");
    return out;
}

QByteArray deflate(const QByteArray &raw)
{
    uLongf size = compressBound(uLong(raw.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &size, reinterpret_cast<const Bytef *>(raw.constData()),
                  uLong(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        return {};
    out.resize(qsizetype(size));
    return out;
}

// A colour with alpha as it looks on white paper, components 0 to 1.
void flattenOnWhite(const QColor &color, double alpha, double rgb[3])
{
    const QColor c = color.toRgb();
    rgb[0] = c.redF() * alpha + (1 - alpha);
    rgb[1] = c.greenF() * alpha + (1 - alpha);
    rgb[2] = c.blueF() * alpha + (1 - alpha);
}

unsigned char flattenChannel(int value, int alpha)
{
    return static_cast<unsigned char>((value * alpha + 255 * (255 - alpha) + 127) / 255);
}

} // namespace

QByteArray epsNumber(double value)
{
    if (std::fabs(value) < 0.00005)
        return QByteArrayLiteral("0");
    QByteArray s = QByteArray::number(value, 'f', 4);
    while (s.endsWith('0'))
        s.chop(1);
    if (s.endsWith('.'))
        s.chop(1);
    return s;
}

// ---- engine -------------------------------------------------------------------------------------

EpsPaintEngine::EpsPaintEngine(const QSizeF &points)
    : QPaintEngine(QPaintEngine::AllFeatures), m_size(points)
{
}

bool EpsPaintEngine::begin(QPaintDevice *)
{
    m_body.clear();
    m_result.clear();
    m_clipDirty = true;
    m_clipping = false;
    m_clip = QPainterPath();
    return true;
}

bool EpsPaintEngine::end()
{
    const double w = m_size.width();
    const double h = m_size.height();
    QByteArray out;
    out += "%!PS-Adobe-3.0 EPSF-3.0\n";
    out += "%%BoundingBox: 0 0 " + QByteArray::number(int(std::ceil(w))) + ' '
           + QByteArray::number(int(std::ceil(h))) + '\n';
    out += "%%HiResBoundingBox: 0 0 " + epsNumber(w) + ' ' + epsNumber(h) + '\n';
    out += "%%Creator: Tagora\n";
    out += "%%LanguageLevel: 3\n";
    out += "%%EndComments\n";
    out += "%%BeginProlog\n";
    out += "/TagoraEpsDict 16 dict def\n";
    out += "TagoraEpsDict begin\n";
    out += "/m {moveto} bind def\n/l {lineto} bind def\n/c {curveto} bind def\n";
    out += "/rg {setrgbcolor} bind def\n/f {fill} bind def\n/ef {eofill} bind def\n";
    out += "/W {clip} bind def\n/eW {eoclip} bind def\n/n {newpath} bind def\n";
    out += "end\n";
    // Ghostscript widens every fill by a fraction of a device pixel; at low resolutions that eats
    // the narrow spaces of a barcode. Paint pixels by their centres instead where it can be asked.
    out += "/.setfilladjust2 where { pop 0 0 .setfilladjust2 } if\n";
    out += "%%EndProlog\n";
    out += "TagoraEpsDict begin\ngsave\n";
    out += m_body;
    out += "grestore\nend\nshowpage\n";
    out += "%%Trailer\n%%EOF\n";
    m_result = out;
    m_body.clear();
    return true;
}

void EpsPaintEngine::updateState(const QPaintEngineState &st)
{
    if (st.state() & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled))
        m_clipDirty = true;
}

QTransform EpsPaintEngine::deviceTransform() const
{
    return painter() ? painter()->combinedTransform() : QTransform();
}

void EpsPaintEngine::refreshClip()
{
    if (!m_clipDirty)
        return;
    m_clipDirty = false;
    QPainter *p = painter();
    m_clipping = p && p->hasClipping();
    if (m_clipping) {
        const QPainterPath logical = p->clipPath();
        m_clip = p->combinedTransform().map(logical);
        m_clip.setFillRule(logical.fillRule());
    } else {
        m_clip = QPainterPath();
    }
}

QByteArray EpsPaintEngine::point(const QPointF &p) const
{
    return epsNumber(p.x()) + ' ' + epsNumber(m_size.height() - p.y());
}

void EpsPaintEngine::writePath(const QPainterPath &path)
{
    const int n = path.elementCount();
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            m_body += point(e) + " m\n";
            break;
        case QPainterPath::LineToElement:
            m_body += point(e) + " l\n";
            break;
        case QPainterPath::CurveToElement:
            if (i + 2 < n) {
                m_body += point(e) + ' ' + point(path.elementAt(i + 1)) + ' ' + point(path.elementAt(i + 2)) + " c\n";
                i += 2;
            }
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
}

void EpsPaintEngine::beginClipped()
{
    if (!m_clipping)
        return;
    m_body += "gsave\n";
    writePath(m_clip);
    m_body += m_clip.fillRule() == Qt::OddEvenFill ? "eW n\n" : "W n\n";
}

void EpsPaintEngine::endClipped()
{
    if (m_clipping)
        m_body += "grestore\n";
}

void EpsPaintEngine::drawPath(const QPainterPath &path)
{
    refreshClip();
    if (m_clipping && m_clip.isEmpty())
        return;
    const QTransform t = deviceTransform();
    const QBrush brush = state->brush();
    if (brush.style() != Qt::NoBrush)
        fillDevicePath(path, brush, t);
    const QPen pen = state->pen();
    if (pen.style() != Qt::NoPen)
        strokePath(path, pen);
}

void EpsPaintEngine::drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode)
{
    if (pointCount < 1)
        return;
    QPainterPath path;
    path.moveTo(points[0]);
    for (int i = 1; i < pointCount; ++i)
        path.lineTo(points[i]);
    if (mode == PolylineMode) {
        const QPen pen = state->pen();
        refreshClip();
        if (pen.style() != Qt::NoPen && !(m_clipping && m_clip.isEmpty()))
            strokePath(path, pen);
        return;
    }
    path.closeSubpath();
    path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
    drawPath(path);
}

// The path is in logical units; toDevice maps it and the brush to device points.
void EpsPaintEngine::fillDevicePath(const QPainterPath &path, const QBrush &brush, const QTransform &toDevice)
{
    if (brush.style() == Qt::NoBrush)
        return;
    if (brush.style() == Qt::SolidPattern) {
        QPainterPath device = toDevice.map(path);
        device.setFillRule(path.fillRule());
        fillSolid(device, brush.color());
    } else {
        fillRasterised(path, brush, toDevice);
    }
}

void EpsPaintEngine::fillSolid(const QPainterPath &devicePath, const QColor &color)
{
    const double alpha = color.alphaF() * state->opacity();
    if (alpha <= 0 || devicePath.isEmpty())
        return;
    double rgb[3];
    flattenOnWhite(color, std::min(alpha, 1.0), rgb);
    beginClipped();
    m_body += epsNumber(rgb[0]) + ' ' + epsNumber(rgb[1]) + ' ' + epsNumber(rgb[2]) + " rg\n";
    writePath(devicePath);
    m_body += devicePath.fillRule() == Qt::OddEvenFill ? "ef\n" : "f\n";
    endClipped();
}

void EpsPaintEngine::fillRasterised(const QPainterPath &path, const QBrush &brush, const QTransform &toDevice)
{
    QPainterPath device = toDevice.map(path);
    device.setFillRule(path.fillRule());
    QRectF box = device.boundingRect() & QRectF(QPointF(0, 0), m_size);
    if (m_clipping)
        box &= m_clip.boundingRect();
    if (box.isEmpty())
        return;
    double scale = rasterFillDpi / 72.0;
    scale = std::min(scale, rasterFillMaxSide / std::max(box.width(), box.height()));
    const QSize px(std::max(1, int(std::ceil(box.width() * scale))), std::max(1, int(std::ceil(box.height() * scale))));
    QImage img(px, QImage::Format_ARGB32_Premultiplied);
    if (img.isNull())
        return;
    img.fill(Qt::transparent);
    {
        QPainter ip(&img);
        ip.setRenderHint(QPainter::Antialiasing, true);
        ip.setRenderHint(QPainter::SmoothPixmapTransform, true);
        const QTransform deviceToImage = QTransform::fromTranslate(-box.x(), -box.y()) * QTransform::fromScale(scale, scale);
        ip.setTransform(toDevice * deviceToImage);
        ip.setBrushOrigin(state->brushOrigin());
        ip.setPen(Qt::NoPen);
        ip.setBrush(brush);
        ip.drawPath(path);
    }
    const QTransform unit(px.width() / scale, 0, 0, px.height() / scale, box.x(), box.y());
    // The outline clips the bitmap so that the fill's edges stay sharp at any zoom.
    beginClipped();
    m_body += "gsave\n";
    writePath(device);
    m_body += device.fillRule() == Qt::OddEvenFill ? "eW n\n" : "W n\n";
    writeImage(img, unit, true);
    m_body += "grestore\n";
    endClipped();
}

void EpsPaintEngine::strokePath(const QPainterPath &logicalPath, const QPen &pen)
{
    const QTransform t = deviceTransform();
    const bool cosmetic = pen.isCosmetic() || pen.widthF() <= 0;
    QPainterPathStroker stroker(pen);
    if (cosmetic) {
        stroker.setWidth(pen.widthF() > 0 ? pen.widthF() : 1.0);
        const QPainterPath outline = stroker.createStroke(t.map(logicalPath));
        QBrush brush = pen.brush();
        brush.setTransform(brush.transform() * t);
        fillDevicePath(outline, brush, QTransform());
    } else {
        fillDevicePath(stroker.createStroke(logicalPath), pen.brush(), t);
    }
}

void EpsPaintEngine::drawImage(const QRectF &target, const QImage &image, const QRectF &source, Qt::ImageConversionFlags)
{
    if (image.isNull() || target.isEmpty())
        return;
    refreshClip();
    if (m_clipping && m_clip.isEmpty())
        return;
    QImage img = image;
    const QRect src = source.toAlignedRect() & image.rect();
    if (src.isEmpty())
        return;
    if (src != image.rect())
        img = image.copy(src);
    const QTransform unit = QTransform(target.width(), 0, 0, target.height(), target.x(), target.y()) * deviceTransform();
    const bool smooth = painter() && painter()->testRenderHint(QPainter::SmoothPixmapTransform);
    beginClipped();
    writeImage(img, unit, smooth);
    endClipped();
}

void EpsPaintEngine::drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source)
{
    drawImage(target, pixmap.toImage(), source);
}

void EpsPaintEngine::drawTiledPixmap(const QRectF &target, const QPixmap &pixmap, const QPointF &offset)
{
    if (pixmap.isNull())
        return;
    refreshClip();
    if (m_clipping && m_clip.isEmpty())
        return;
    QBrush brush(pixmap.toImage());
    brush.setTransform(QTransform::fromTranslate(target.x() - offset.x(), target.y() - offset.y()));
    QPainterPath path;
    path.addRect(target);
    fillRasterised(path, brush, deviceTransform());
}

void EpsPaintEngine::writeImage(const QImage &image, const QTransform &unitToDevice, bool smooth)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width();
    const int h = src.height();
    if (w <= 0 || h <= 0)
        return;
    const double opacity = std::clamp(state->opacity(), 0.0, 1.0);

    bool anyTransparent = false;
    bool anyPainted = false;
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = int(qAlpha(line[x]) * opacity + 0.5);
            if (a < 255)
                anyTransparent = true;
            if (a >= 128)
                anyPainted = true;
        }
    }
    if (!anyPainted)
        return;

    // Pixels at least half opaque are painted, their colour flattened onto white; the rest are
    // masked out. With a mask each pixel's mask sample precedes its colour samples.
    const int channels = anyTransparent ? 4 : 3;
    QByteArray raw;
    raw.resize(qsizetype(w) * h * channels);
    auto *out = reinterpret_cast<unsigned char *>(raw.data());
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb px = line[x];
            const int a = int(qAlpha(px) * opacity + 0.5);
            if (anyTransparent)
                *out++ = a >= 128 ? 255 : 0;
            *out++ = flattenChannel(qRed(px), a);
            *out++ = flattenChannel(qGreen(px), a);
            *out++ = flattenChannel(qBlue(px), a);
        }
    }
    const QByteArray packed = deflate(raw);
    const bool flate = !packed.isEmpty() && packed.size() < raw.size();

    const QTransform toPs = unitToDevice * QTransform(1, 0, 0, -1, 0, m_size.height());
    m_body += "gsave\n/DeviceRGB setcolorspace\n[" + epsNumber(toPs.m11()) + ' ' + epsNumber(toPs.m12()) + ' '
              + epsNumber(toPs.m21()) + ' ' + epsNumber(toPs.m22()) + ' ' + epsNumber(toPs.dx()) + ' '
              + epsNumber(toPs.dy()) + "] concat\n";
    const QByteArray size = "/Width " + QByteArray::number(w) + " /Height " + QByteArray::number(h);
    const QByteArray matrix = " /ImageMatrix [" + QByteArray::number(w) + " 0 0 " + QByteArray::number(h) + " 0 0]";
    const QByteArray source = QByteArrayLiteral("/DataSource currentfile /ASCIIHexDecode filter")
                              + (flate ? " /FlateDecode filter" : "");
    const QByteArray interpolate = smooth ? " /Interpolate true" : " /Interpolate false";
    if (anyTransparent) {
        m_body += "<< /ImageType 3 /InterleaveType 1\n/MaskDict << /ImageType 1 " + size
                  + " /BitsPerComponent 8 /Decode [1 0]" + matrix + " >>\n/DataDict << /ImageType 1 " + size
                  + " /BitsPerComponent 8 /Decode [0 1 0 1 0 1]" + matrix + interpolate + '\n' + source
                  + " >>\n>> image\n";
    } else {
        m_body += "<< /ImageType 1 " + size + " /BitsPerComponent 8 /Decode [0 1 0 1 0 1]" + matrix + interpolate
                  + '\n' + source + " >> image\n";
    }
    m_body += hexLines(flate ? packed : raw);
    m_body += "grestore\n";
}

} // namespace platform
