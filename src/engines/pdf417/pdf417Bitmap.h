#pragma once
// The PDF417 encoder's input bytes and its bitmap as an image.

#include "engines/pdf417/pdf417lib.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace pdf417 {

// The bytes a text is encoded as: Latin-1 when every character has one, else UTF-8.
QByteArray textBytes(const QString &text);
// The record's bitmap as a one-bit image, one pixel per module, bars black on white.
QImage bitmapImage(const _pdf417param &param);

} // namespace pdf417
