#pragma once
// The other UPC/EAN character sets derive from the left-hand odd-parity set by two string operations
// on a pattern of "1" and "0".

#include <QString>

namespace UPCEAN {

// Every "0" becomes "1" and every other character "0" (left-hand set A to right-hand set C).
QString swapHandedness(const QString &pattern);
// swapHandedness() read backwards (left-hand odd parity to left-hand even parity).
QString swapParity(const QString &pattern);

} // namespace UPCEAN
