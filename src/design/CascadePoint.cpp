#include "design/CascadePoint.h"

#include "design/DesignController.h"

#include "core/Messages.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>

namespace {

// One axis: the position after a step, wrapped back to 10 + offset when it reaches (or comes within
// 50 points of) the far edge; an offset that itself no longer fits starts again at 2.
float wrapped(float position, float &offset, double extent)
{
    const bool offsetOutside = 10.0 + offset >= extent;
    if (position >= extent || position + 50.0 >= extent || offsetOutside) {
        if (offsetOutside)
            offset = 2.0f;
        position = 10.0f + offset;
        offset += 5.0f;
    }
    return position;
}

} // namespace

QPointF Cascade_Next_Point(CascadeState &state, const QString &cardSide, int frontObjectCount, const QSizeF &canvas)
{
    if (!std::isfinite(canvas.width()) || !std::isfinite(canvas.height()) || !std::isfinite(state.x) ||
        !std::isfinite(state.y) || !std::isfinite(state.xOffset) || !std::isfinite(state.yOffset))
        throw std::invalid_argument("cascade position of a canvas or state that is not a number");
    float step = 20.0f;
    if (cardSide == QLatin1String("F"))
        step = float(std::max(frontObjectCount, 20));
    CascadeState next = state;
    next.x = wrapped(state.x + step, next.xOffset, canvas.width());
    next.y = wrapped(state.y + step, next.yOffset, canvas.height());
    state = next;
    return QPointF(next.x, next.y);
}

QPointF DesignController::Control_New_Point(const QString &cardSide)
{
    try {
        CascadeState state{last_ctrl_X, last_ctrl_Y, last_ctrl_X_Exeed_Count, last_ctrl_Y_Exeed_Count};
        const QPointF point = Cascade_Next_Point(state, cardSide, selection().Get_Front_Control_Count(), workArea().canvasFrameSize);
        last_ctrl_X = state.x;
        last_ctrl_Y = state.y;
        last_ctrl_X_Exeed_Count = state.xOffset;
        last_ctrl_Y_Exeed_Count = state.yOffset;
        return point;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return QPointF(10, 10);
    }
}

void DesignController::Reset_Cascade_Position()
{
    last_ctrl_X = last_ctrl_Y = 10.0f;
    last_ctrl_X_Exeed_Count = last_ctrl_Y_Exeed_Count = 2.0f;
}
