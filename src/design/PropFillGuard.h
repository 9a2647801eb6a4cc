#pragma once
// Controls are being filled from stored values: the handlers they trigger must not write back. The
// guard sets Not_Draw_Only_Prop_Change for its scope and puts back the value it found on every way
// out, so a fill that fails part-way never leaves the sidebar's handlers inert.

#include "core/Mode.h"

class PropFillGuard {
public:
    PropFillGuard() : m_found(Not_Draw_Only_Prop_Change) { Not_Draw_Only_Prop_Change = true; }
    ~PropFillGuard() { Not_Draw_Only_Prop_Change = m_found; }
    PropFillGuard(const PropFillGuard &) = delete;
    PropFillGuard &operator=(const PropFillGuard &) = delete;

private:
    bool m_found;
};
