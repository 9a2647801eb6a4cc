#include "design/UnitFactors.h"

float Unit_Factor(int from, int to)
{
    // Rows: from inch, cm, mm; columns: to inch, cm, mm.
    static const float table[3][3] = {
        {1.0f, 2.54f, 25.4f},
        {0.39370078f, 1.0f, 10.0f},
        {0.03937008f, 0.1f, 1.0f},
    };
    if (from < 0 || from > 2 || to < 0 || to > 2)
        return 1.0f;
    return table[from][to];
}
