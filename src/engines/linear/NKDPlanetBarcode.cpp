#include "engines/linear/NKDPlanetBarcode.h"

double NKDPlanetBarcode::_heightForDigit(int digitIndex, int bar) const
{
    const double postnet = NKDPostnetBarcode::_heightForDigit(digitIndex, bar);
    if (postnet == 0.0)
        return 0.0;
    return postnet == kTallInches ? kShortInches : kTallInches;
}
