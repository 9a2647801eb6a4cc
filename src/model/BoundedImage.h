#pragma once
// Pictures from bytes or files that anyone may have made: the size is read first, and a picture of
// more pixels than allowed is refused before anything is allocated for it.

#include <QByteArray>
#include <QImage>
#include <QString>

// The decoded image, or a null one with the reason in why. format: "png", or empty to detect it.
QImage readBoundedImage(const QByteArray &bytes, const char *format, qint64 maxPixels, QString *why = nullptr);
QImage readBoundedImageFile(const QString &path, qint64 maxPixels, QString *why = nullptr);
