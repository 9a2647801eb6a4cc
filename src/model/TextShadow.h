#pragma once
// The blurred shadow of a text object's characters. Qt has no blurred text shadow, so the text is
// painted in the shadow colour into a picture of its own, blurred here pixel by pixel and laid
// under the text at the shadow's offset.

#include <QImage>

namespace cardtext {

// Blurs a premultiplied ARGB32 image in place, transparent outside it: three box blurs that
// together approximate a Gaussian of standard deviation radius / 2. A radius beyond the image's
// larger side counts as that side; 0 or less (or not a number) changes nothing.
void blurImage(QImage &image, double radius);

} // namespace cardtext
