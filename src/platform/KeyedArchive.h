#pragma once
// The keyed-archive container of the data blocks inside project files: a binary
// property list with "$archiver", "$top", "$objects" and UID references, each object's class named
// by a "$class" reference to a class record. Colours keep the archive's colour record, so that
// files made by other programs read back; pictures are a record of our own.
//
// In memory an archive is a tree: an archived object is a dictionary whose "$class" entry is its
// class name; its other entries are strings, numbers, data, nested objects or Null (nil).

#include "platform/Picture.h"
#include "platform/Plist.h"

#include <QByteArray>
#include <QColor>
#include <optional>

namespace platform {

// The archive of a tree whose root is an object.
QByteArray keyedArchiveData(const PlistValue &root);
// The tree of an archive; nothing when the bytes are no keyed archive, a reference points outside
// the objects, an object contains itself, or the tree would be deeper than 32 levels or larger
// than 100,000 values.
std::optional<PlistValue> keyedUnarchive(const QByteArray &data);

// A colour as a colour record (class "NSColor", calibrated RGB, components "r g b a").
QByteArray archivedColor(const QColor &color);
// The colour of an archived "NSColor" in an RGB or grey space (alpha 1 where the archive has
// none); nothing for anything else.
std::optional<QColor> unarchivedColor(const QByteArray &data);

// A picture as our own record: its size in points and either its recording (vector content) or
// its bitmap as PNG.
QByteArray archivedPicture(const Picture &picture);
// The picture of such a record; nothing for any other archive, an empty or unreadable one, or a
// size that is not finite and positive.
std::optional<Picture> unarchivedPicture(const QByteArray &data);

} // namespace platform
