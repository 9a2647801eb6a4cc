#include "design/CardLayers.h"

#include "model/GraphicStyles.h"

#include "core/UserFolders.h"
#include "core/Messages.h"
#include "model/CardTextLayout.h"
#include "model/StyleCodes.h"
#include "model/Card_Property.h"

#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <exception>

namespace cardlayers {

namespace {

// A stored opacity as a fraction 0 to 1 (1 and more are opaque; a non-number is opaque).
double fraction(float stored)
{
    if (!std::isfinite(stored))
        return 1.0;
    return std::clamp(double(stored), 0.0, 1.0);
}

QColor withAlpha(QColor color, double alpha)
{
    if (!color.isValid())
        color = Qt::white;
    color.setAlphaF(float(alpha));
    return color;
}

bool usable(const QRectF &rect)
{
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width()) &&
           std::isfinite(rect.height()) && rect.width() > 0 && rect.height() > 0;
}

} // namespace

QPainterPath Card_Outline(int cardShape, const QRectF &rect)
{
    QPainterPath path;
    if (cardShape == 1)
        path.addRoundedRect(rect, 10, 10);
    else if (cardShape == 2)
        path.addEllipse(rect);
    else
        path.addRect(rect);
    return path;
}

void Card_Base(QPainter &painter, const Card_Property &card, int cardShape, const QRectF &cardRect)
{
    // A card without an area draws nothing (and clips everything after it away).
    if (!usable(cardRect)) {
        painter.setClipRect(QRectF(), Qt::IntersectClip);
        return;
    }
    try {
        const QPainterPath outline = Card_Outline(cardShape, cardRect);
        painter.fillPath(outline, Qt::white);
        // The outline clips the rest of the pass: objects, watermark and border.
        painter.setClipPath(outline, Qt::IntersectClip);
        if (!card.Card_fill_chk)
            return;
        const double alpha = fraction(card.Card_alpha_Stepper);
        const QString &style = card.Card_fill_style;
        if (style == QLatin1String("G")) {
            const QLinearGradient g =
                graphicstyle::gradientAcross(outline.boundingRect(), card.Card_grad_Stepper, withAlpha(card.Card_fill_Grd_1_clr, alpha),
                               withAlpha(card.Card_fill_Grd_2_clr, alpha));
            painter.fillPath(outline, g);
            // A second layer over the whole card rectangle, inside the clip: below full opacity
            // the two compound.
            painter.fillRect(cardRect, graphicstyle::gradientAcross(cardRect, card.Card_grad_Stepper,
                                                      withAlpha(card.Card_fill_Grd_1_clr, alpha),
                                                      withAlpha(card.Card_fill_Grd_2_clr, alpha)));
        } else if (style == QLatin1String("H")) {
            painter.fillPath(outline, withAlpha(card.Card_hatch_bk_clr, alpha));
            const QString path = Resource_Path + QStringLiteral("/Fill_Style_Image/") + card.Card_hatch_style +
                                 QStringLiteral(".png");
            if (!card.Card_hatch_style.isEmpty() && QFileInfo(path).isFile()) {
                const QImage pattern(path);
                if (!pattern.isNull())
                    painter.fillPath(outline, QBrush(pattern));
            }
        } else if (style == QLatin1String("I")) {
            if (card.Card_BG_Image.isNull())
                return;
            if (card.Card_BG_Image_Layout == QLatin1String("Tile")) {
                painter.fillPath(outline, QBrush(card.Card_BG_Image));
            } else {
                painter.save();
                painter.setOpacity(painter.opacity() * alpha);
                painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
                painter.drawImage(cardRect, card.Card_BG_Image);
                painter.restore();
            }
        } else {
            painter.fillPath(outline, withAlpha(card.Card_fill_clr, alpha));
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

double Watermark_Top(int alignment, const QRectF &cardRect, double textHeight)
{
    switch (alignment) {
    case 1: return (cardRect.height() - textHeight) / 2;
    case 2: return cardRect.height() - textHeight;
    default: return cardRect.top();
    }
}

void Card_Border(QPainter &painter, const Card_Property &card, int cardShape, const QRectF &cardRect)
{
    if (!usable(cardRect))
        return;
    try {
        if (card.Watermark_Used && !card.Watermark_Text.isEmpty()) {
            const QColor color = withAlpha(card.Watermark_Color.isValid() ? card.Watermark_Color : QColor(Qt::black),
                                           fraction(card.Watermark_Transp));
            cardtext::Layout layout(card.Watermark_Text, card.Watermark_Font, 0, 2);
            const double textHeight = layout.unwrappedHeight();
            const double top = Watermark_Top(card.Watermark_Alignment, cardRect, textHeight);
            layout.layOut(cardRect.width(), cardRect.height());
            layout.draw(painter, QPointF(cardRect.left(), top), color);
        }
        if (card.Card_border_chk) {
            const QPainterPath outline = Card_Outline(cardShape, cardRect);
            QPen pen(card.Card_bordr_clr.isValid() ? card.Card_bordr_clr : QColor(Qt::black));
            pen.setWidthF(std::max(0, card.Card_bor_Stepper));
            pen.setJoinStyle(Qt::MiterJoin);
            pen.setCapStyle(Qt::FlatCap);
            const QList<double> dashes = Border_Dash_Array(card.Card_border_style);
            if (!dashes.isEmpty() && pen.widthF() > 0) {
                // Qt measures dashes in pen widths; the lengths here are points.
                QList<qreal> pattern;
                for (double d : dashes)
                    pattern.append(d / pen.widthF());
                pen.setDashPattern(pattern);
                pen.setDashOffset(0);
            }
            if (pen.widthF() > 0) {
                painter.setPen(pen);
                painter.setBrush(Qt::NoBrush);
                painter.drawPath(outline);
            }
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

} // namespace cardlayers
