#pragma once
// The human-readable digits of UPC and EAN symbols. Each group of digits is centred under the
// modules that encode it, between the guard bars; the number-system digit stands left of the start
// guard and the check digit of UPC-A and UPC-E right of the end guard. Where the value font would
// not fit a group (narrow modules), all digits are set smaller alike, so that no digit touches
// another or a guard bar at any module size.

#include "engines/BarcodeSettings.h"
#include "engines/TextMeasurer.h"
#include "engines/render/BarcodePictureLayout.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace render {

// The modules (first, count) of each caption group of a UPC/EAN pattern of n modules: two groups
// meet the 5-module centre guard from either side, one group (UPC-E) follows the 3-module start
// guard; seven modules a digit. Empty when the groups do not fit the pattern.
QList<QPair<int, int>> upcEanDigitModules(int n, const QStringList &groups);

// The caption's texts (left digit, groups, right digit) over the bars laid out in layout, on the
// caption line yc; empty when the caption does not have the UPC/EAN shape (then the general caption
// applies).
QList<PictureText> upcEanCaption(const QString &left, const QStringList &parts, const QString &right,
                                 const PictureLayout &layout, const BarcodeSettings &settings, double yc,
                                 const TextMeasurer &measurer);

} // namespace render
