#include "app/core/ImageServices.h"

#include "app/core/Messages.h"

platform::Picture Increase_DPI(const platform::Picture &image, double dpi)
{
    if (image.isNull() || image.size().isEmpty()) {
        Show_NSLog_Message(QStringLiteral("Invalid image"));
        return {};
    }
    const QImage bitmap = image.toImage(dpi);
    if (bitmap.isNull()) {
        Show_NSLog_Message(QStringLiteral("Invalid image"));
        return {};
    }
    return platform::Picture::fromImage(bitmap, image.size());
}
