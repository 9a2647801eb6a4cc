#include "app/VerticallyCenteredTextFieldCell.h"

VerticallyCenteredTextFieldCell::VerticallyCenteredTextFieldCell(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QRectF VerticallyCenteredTextFieldCell::titleRectForBounds(const QRectF &bounds, const QRectF &inheritedTitleRect,
                                                           double textHeight)
{
    QRectF r = inheritedTitleRect;
    const double y = bounds.y() + (bounds.height() - textHeight) / 2.0;
    const double moved = y - bounds.y();
    r.moveTop(y);
    r.setHeight(inheritedTitleRect.height() - moved);
    return r;
}
