#pragma once
// GIF encoding through giflib, since Qt reads GIF but cannot write it.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform {

// The image as a single-frame GIF. An image of at most 256 colours keeps them exactly (255 when
// some pixels are transparent: the transparent colour takes an entry); one with more is reduced
// to a colour cube with diffusion, and to 255 colours when one entry is needed for transparency. Pixels less than half opaque become the
// transparent colour (GIF89a); the others are flattened onto white. Empty on failure, error
// receiving the reason.
QByteArray gifData(const QImage &image, QString *error = nullptr);

} // namespace platform
