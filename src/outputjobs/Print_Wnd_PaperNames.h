#pragma once
// The known paper sizes of the print window, named from a page size in millimetres, and how its
// margins are shown.

#include <QString>

// The name of the known paper whose size key ("W x H", "%.2f" millimetres) is "width x height" or
// "height x width", so either orientation is found; "" when none is.
QString Find_Papaer_Name_From_Size(const QString &width, const QString &height);

// A margin of points as the windows show it: millimetres to two decimals, a margin of 0 that the
// arithmetic left a hair below it shown as "0.00", not "-0.00".
QString Margin_Text(float points);
