#pragma once
// The known paper sizes of the print window, named from a page size in millimetres.

#include <QString>

// The name of the known paper whose size key ("W x H", "%.2f" millimetres) contains both texts, the
// last such key winning, so either orientation is found; "" when none does.
QString Find_Papaer_Name_From_Size(const QString &width, const QString &height);
