#pragma once
// The bytes and files of the image exports: the white ground of a transparent picture, the picture
// raised to 600 DPI and encoded in the format its path names (EPS as the vector picture's own
// data), and the file written whole before it takes its name. Any thread.

#include "platform/Picture.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace imageexport {

// The export resolution of bitmap formats.
constexpr double Export_DPI = 600.0;

// A new picture of the same size: the picture over a white ground; null for null.
platform::Picture imageWithWhiteBackgroundAndContent(const platform::Picture &image);

// The file's bytes for the path's extension: "EPS" the EPS data of the picture as it is; any other
// format the picture raised to 600 DPI when raise is set, with the white ground laid in the same
// bitmap when whiteGround is set, then encoded. Empty with the reason on failure.
QByteArray encodeForPath(const platform::Picture &picture, const QString &path, bool whiteGround, bool raise,
                         QString *error);

// Writes the bytes whole under a temporary name beside the path and renames them over it: an old
// file is replaced only by a complete new one, and a failed write leaves nothing. False with the
// reason; unsynced as platform::writeFileAtomically says.
bool writeWhole(const QString &path, const QByteArray &bytes, QString *error, QString *unsynced = nullptr);

// Stands in for the file write (tests inject failures); unset: writeWhole.
using FileWriter = std::function<bool(const QString &path, const QByteArray &bytes, QString *error)>;
FileWriter &fileWriterOverride();
// The file write in use.
bool writeExportFile(const QString &path, const QByteArray &bytes, QString *error, QString *unsynced = nullptr);

} // namespace imageexport
