#include "model/SKTText.h"

#include "core/Utilities.h"
#include "model/CardTextLayout.h"
#include "model/GraphicStyles.h"
#include "model/TextShadow.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// The frame of a text being created: a neutral grey that shows on light and dark cards alike.
const QColor kCreationFrameColor(128, 128, 128);
// The most pixels a shadow picture may have; a larger one is made at a lower resolution.
constexpr double kMaxShadowPixels = 4.0e6;

double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

// The painter's pixels per point (the larger of its two axes).
double deviceScale(const QPainter &painter)
{
    const QTransform t = painter.deviceTransform();
    const double sx = std::hypot(t.m11(), t.m12()), sy = std::hypot(t.m21(), t.m22());
    const double s = std::max(sx, sy);
    return std::isfinite(s) && s > 0 ? s : 1.0;
}

// The text painted in the shadow colour into a picture of its own, blurred, and laid at the offset.
void drawShadow(QPainter &painter, const cardtext::Layout &layout, const QRectF &textRect, const QColor &color,
                double blur, const QPointF &offset)
{
    const QRectF ink = layout.boundingRect().translated(textRect.topLeft()).intersected(textRect);
    if (ink.isEmpty() || color.alpha() == 0)
        return;
    // A radius beyond the text picture's size blurs no further: it is clamped to it.
    blur = std::clamp(finiteOr(blur, 0.0), 0.0, std::max(ink.width(), ink.height()));
    // Room for the glyphs' overhang and the blur's spread.
    const double margin = 2.0 + 1.5 * blur;
    const QRectF area = ink.adjusted(-margin, -margin, margin, margin);
    double scale = deviceScale(painter);
    const double pixels = area.width() * scale * area.height() * scale;
    if (pixels > kMaxShadowPixels)
        scale *= std::sqrt(kMaxShadowPixels / pixels);
    const QSize size(std::max(1, int(std::ceil(area.width() * scale))), std::max(1, int(std::ceil(area.height() * scale))));
    QImage shadow(size, QImage::Format_ARGB32_Premultiplied);
    if (shadow.isNull())
        return;
    shadow.fill(Qt::transparent);
    {
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.scale(size.width() / area.width(), size.height() / area.height());
        p.translate(-area.topLeft());
        p.setClipRect(textRect);
        layout.draw(p, textRect.topLeft(), color);
    }
    cardtext::blurImage(shadow, blur * scale);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(area.translated(offset), shadow);
    painter.restore();
}

} // namespace

QString SKTText::drawnText() const
{
    const QString characters = _Text_contents ? _Text_contents->characters : Text_Value;
    return cardtext::transformCase(cardtext::trimmedForDrawing(Trim_Str(characters)), text_transfrom_case);
}

void SKTText::drawContentsInView(QPainter &painter, bool isBeingCreateOrEdited) const
{
    if (!ctrl_is_visible)
        return;
    if (isBeingCreateOrEdited) {
        painter.save();
        painter.setPen(QPen(kCreationFrameColor, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(_bounds.adjusted(-1, -1, 1, 1));
        painter.restore();
        return;
    }
    QPainterPath box;
    box.addRect(_bounds);
    // Texts have no hatch: every code but "G" fills solid.
    graphicstyle::fillPath(painter, *this, box);

    const QString text = drawnText();
    if (text.isEmpty())
        return;
    cardtext::Layout layout(text, text_ctrl_font, text_kerning, text_alignmnet);
    // Placed by the height of the text's own lines, unwrapped; both coordinates are rounded to
    // single precision.
    const double textHeight = layout.unwrappedHeight();
    double dy = 0;
    if (text_alignmnet_Vert == 1)
        dy = _bounds.height() - textHeight;
    else if (text_alignmnet_Vert == 2)
        dy = (_bounds.height() - textHeight) / 2;
    const QRectF textRect(double(float(_bounds.x())), double(float(_bounds.y() + dy)), _bounds.width(), _bounds.height());
    layout.layOut(textRect.width(), textRect.height());
    if (Drawing_Shadow)
        drawShadow(painter, layout, textRect, graphicstyle::withOpacity(Shadow_Color, Shadow_transparency), Shadow_blur,
                   QPointF(finiteOr(Shadow_offset_X, 0.0), finiteOr(Shadow_offset_Y, 0.0)));
    painter.save();
    painter.setClipRect(textRect, Qt::IntersectClip);
    layout.draw(painter, textRect.topLeft(), txt_clr);
    painter.restore();

    graphicstyle::strokePath(painter, *this, box, _strokeColor);
}

QSizeF SKTText::naturalSize() const
{
    const QString text = drawnText();
    const double width = std::max(0.0, finiteOr(_bounds.width(), 0.0));
    // An empty text takes one empty line's height.
    cardtext::Layout layout(text, text_ctrl_font, text_kerning, text_alignmnet);
    return layout.wrappedSize(width);
}

void SKTText::makeNaturalSize()
{
    if (ctrl_is_locked)
        return;
    setBounds(QRectF(_bounds.topLeft(), naturalSize()));
}
