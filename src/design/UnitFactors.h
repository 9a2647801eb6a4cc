#pragma once
// The factor that converts a length between the design units (0 inch, 1 cm, 2 mm).

// A length in unit `from` times this factor is the length in unit `to`; 1 for an unknown unit.
float Unit_Factor(int from, int to);
