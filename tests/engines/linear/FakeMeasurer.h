#pragma once
// A text measurer with exact, font-size-proportional figures, so band heights and text widths can be
// checked to the last digit whatever fonts the machine has. Installed for the life of the guard.

#include "engines/BarcodeSettings.h"
#include "engines/TextMeasurer.h"

#include <memory>

namespace testsupport {

class FakeMeasurer : public TextMeasurer {
public:
    // Cap height: 0.7 of the point size. Width: half the point size per character.
    double capHeight(const QFont &font) const override { return font.pointSizeF() * 0.7; }
    QSizeF textSize(const QString &text, const QFont &font, double kerning = 0) const override
    {
        const double w = text.size() * (font.pointSizeF() * 0.5 + kerning);
        return {w, text.isEmpty() ? 0.0 : font.pointSizeF() * 1.2};
    }
};

class ScopedFakeMeasurer {
public:
    ScopedFakeMeasurer() { setTextMeasurer(std::make_shared<FakeMeasurer>()); }
    ~ScopedFakeMeasurer() { setTextMeasurer(nullptr); }
    ScopedFakeMeasurer(const ScopedFakeMeasurer &) = delete;
    ScopedFakeMeasurer &operator=(const ScopedFakeMeasurer &) = delete;
};

} // namespace testsupport
