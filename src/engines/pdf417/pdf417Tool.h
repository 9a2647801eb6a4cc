#pragma once
// A PDF417 symbol as a stand-alone picture, for tools that render symbols outside the application.

#include "platform/Picture.h"

#include <QString>

namespace pdf417 {

// Encodes text (Latin-1 when it can be, else UTF-8) at the given error level (0 .. 8, clamped by
// the encoder to what the data allows; a larger symbol may get a higher one) with an aspect ratio
// of 1.0, and draws it as a one-bit bitmap, bars black on white, with a two-module quiet zone,
// rows three modules high and each module a whole number of pixels at dpi (about one point).
// The picture's size in points follows from dpi. On failure answers a null picture and, when
// error is given, sets it to the reason.
platform::Picture renderSymbolForTool(const QString &text, int level, double dpi, QString *error);

} // namespace pdf417
