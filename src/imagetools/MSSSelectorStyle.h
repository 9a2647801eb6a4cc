#pragma once
// The look and the minimum size of selection rectangles and of the rubber band.

#include <QColor>

class MSSSelectorStyle {
public:
    double minHeight = 20;
    double minWidth = 20;
    QColor strokeColorSelected = QColor(211, 211, 211);   // light grey
    QColor strokeColorUnselected = QColor(211, 211, 211);
    QColor fillColorSelected = QColor::fromRgbF(0.0f, 0.2f, 1.0f, 0.1f);
    QColor fillColorUnselected = QColor(Qt::transparent);
    // The rubber band looks like a selected rectangle.
    QColor strokeColorPicker = strokeColorSelected;
    QColor fillColorPicker = fillColorSelected;
    double lineWidthSelected = 1.0;
    double lineWidthUnselected = 1.0;
    bool lineDashedSelected = true;
    bool lineDashedUnselected = true;
};
