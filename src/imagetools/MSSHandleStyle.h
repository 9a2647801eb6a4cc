#pragma once
// The look of a selection rectangle's corner handles.

#include <QColor>
#include <QSizeF>

class MSSHandleStyle {
public:
    QSizeF size = QSizeF(8.5, 8.5);
    QColor strokeColor = QColor(Qt::white);
    QColor fillColor = QColor::fromRgbF(0.1054f, 0.4531f, 0.7929f, 1.0f);
};
