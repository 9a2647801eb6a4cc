#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

#include <memory>

// Text measurement in points at 72 per inch, independent of any screen.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // The font's cap height in points.
    virtual double capHeight(const QFont &font) const = 0;
    // The size in points of the text laid out on one line (tabs at the default stops) with the given
    // kerning added between characters.
    virtual QSizeF textSize(const QString &text, const QFont &font, double kerning = 0) const = 0;
};

// The measurer the engines use; tests may install another.
const TextMeasurer &textMeasurer();
void setTextMeasurer(std::shared_ptr<const TextMeasurer> measurer);   // nullptr: back to Qt's
