#pragma once
// QR logo pictures: read from their files, bounded, and scaled to fit the logo box
// (targetWidth x targetHeight) with their proportions kept.

#include <QImage>
#include <QString>

constexpr double targetWidth = 200.0;   // the box a QR logo is scaled into
constexpr double targetHeight = 200.0;

namespace qr_logo {

// The picture of the file at path scaled to fit the box: the longer side takes the box's side, the
// other follows. Null when no regular file is there or it cannot be read within the decode limit
// (a broken or huge file gives no logo). Any thread.
QImage readScaled(const QString &path);

// The size that fits width x height into the box, proportions kept (at least 1 x 1).
QSize fittedSize(int width, int height);

} // namespace qr_logo
