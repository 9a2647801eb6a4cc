#pragma once
// Draws a linear pattern ("1" a dark module, "0" a light one) as plain bars, so that a symbology's
// pattern can be read back by the independent decoder before any picture renderer is involved.

#include "support/Decode.h"

#include <QImage>
#include <QString>

namespace testsupport {

// Black bars on white, pixelsPerModule pixels per module, a light quiet zone of quietModules modules
// on each side and above and below, bars barHeight pixels tall. A character other than "1" is light.
QImage renderPattern(const QString &pattern, int pixelsPerModule = 3, int barHeight = 60, int quietModules = 10);

// renderPattern() followed by decode() restricted to the given format.
Decoded decodePattern(const QString &pattern, const QString &format, int pixelsPerModule = 3);

} // namespace testsupport
