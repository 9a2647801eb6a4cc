#pragma once
// Whether a picture file holds its whole first image. Some decoders fill the part of a picture
// that a file cut short lacks with grey and report success; these checks walk the file's structure
// instead, without decoding it.

#include <QByteArray>
#include <QtGlobal>

namespace imagefile {

// A JPEG is whole when its last scan is followed by the end-of-image marker.
bool jpegIsComplete(const uchar *data, qint64 size);
// A GIF is whole when the data blocks of its first image end with their terminator.
bool gifFirstImageIsComplete(const uchar *data, qint64 size);
// An uncompressed BMP is whole when its rows fit the file; compressed rows cannot be told apart.
bool bmpIsComplete(const uchar *data, qint64 size);

// The check for a decoder's format name ("jpeg", "gif", "bmp"); true for the other formats, whose
// decoders fail on a file cut short.
bool isComplete(const QByteArray &format, const uchar *data, qint64 size);

} // namespace imagefile
