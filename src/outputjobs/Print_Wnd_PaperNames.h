#pragma once
// The known paper sizes of the print window, named from a page size in millimetres.

#include <QString>

// The name of the known paper whose size key ("W x H", "%.2f" millimetres) is "width x height" or
// "height x width", so either orientation is found; "" when none is.
QString Find_Papaer_Name_From_Size(const QString &width, const QString &height);
