#pragma once

#include "engines/TextMeasurer.h"

// Measures with Qt's font metrics at 72 DPI.
class QtTextMeasurer : public TextMeasurer {
public:
    double capHeight(const QFont &font) const override;
    QSizeF textSize(const QString &text, const QFont &font, double kerning = 0) const override;
};
