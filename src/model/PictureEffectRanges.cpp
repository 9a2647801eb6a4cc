#include "model/PictureEffectRanges.h"

#include "model/SKTGraphic.h"

#include <algorithm>
#include <cmath>

namespace picture_effects {

const std::vector<Range> &ranges()
{
    static const std::vector<Range> r = {
        {"Rotate_slidr", &SKTGraphic::rotate_image, 0, 360, 0},
        {"Trsp_slidr", &SKTGraphic::img_trnsp_val, 0, 100, 100},
        {"Hue_slidr", &SKTGraphic::hue_val, -3.14, 3.14, 0},
        {"Sat_slidr", &SKTGraphic::sat_val, 0, 2, 1},
        {"Brt_slidr", &SKTGraphic::brt_val, -1, 1, 0},
        {"Con_slidr", &SKTGraphic::con_val, 0.25, 4, 1},
        {"shrp_slidr", &SKTGraphic::srp_val, 0, 2, 0},
        {"ev_slidr", &SKTGraphic::ev_val, -10, 10, 0},
        {"blr_slidr", &SKTGraphic::blr_val, 0, 100, 0},
    };
    return r;
}

float clamped(const Range &range, double value)
{
    if (!std::isfinite(value))
        return float(range.fallback);
    return float(std::clamp(value, range.minimum, range.maximum));
}

void clampAll(SKTGraphic &g)
{
    for (const Range &r : ranges())
        g.*r.field = clamped(r, g.*r.field);
}

} // namespace picture_effects
