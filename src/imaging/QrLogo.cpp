#include "imaging/QrLogo.h"

#include "imaging/ImageForPath.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace qr_logo {

QSize fittedSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    const double ratio = double(width) / height;
    double w = 0;
    double h = 0;
    if (width > height) {
        w = targetWidth;
        h = w / ratio;
        if (h > targetHeight) {
            h = targetHeight;
            w = h * ratio;
        }
    } else {
        h = targetHeight;
        w = h * ratio;
        if (w > targetWidth) {
            w = targetWidth;
            h = w / ratio;
        }
    }
    return {std::max(1, int(std::lround(w))), std::max(1, int(std::lround(h)))};
}

QImage readScaled(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    // A preview of bounded size: a large file is decoded small or refused, never whole.
    const QImage image = Get_Image_For_Path(path, false, false).image();
    if (image.isNull())
        return {};
    return image.scaled(fittedSize(image.width(), image.height()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace qr_logo
