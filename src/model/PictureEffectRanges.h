#pragma once
// The picture effects' value ranges and defaults, the same as the picture panel's sliders show.
// Values from outside the panel (files, templates, the clipboard, undo) are brought into these
// ranges before anything draws with them: an effect far past its slider (a blur of millions) would
// keep the effect chain busy for hours.

#include <QString>

#include <vector>

class SKTGraphic;

namespace picture_effects {

struct Range {
    const char *slider;      // the panel's slider of the effect
    float SKTGraphic::*field;
    double minimum;
    double maximum;
    double fallback;         // what a value that is not a finite number takes
};

// Every effect of the chain with its range, in the panel's order.
const std::vector<Range> &ranges();

// One value brought into its range; NaN and the infinities take the fallback.
float clamped(const Range &range, double value);

// Every effect value of the object brought into its range.
void clampAll(SKTGraphic &g);

} // namespace picture_effects
