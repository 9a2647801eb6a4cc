#pragma once
// What the crop wizard reads before it crops: the pictures of an input folder, and where the
// selection rectangle goes when a new picture is loaded into the crop view.

#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <optional>

namespace crop {

// The files of `folder` (its direct entries, sorted by name so the list is stable) whose
// extension, lower-cased, is one of `allowedTypes`; sub-folders are left out. A folder that
// cannot be listed has none.
QStringList folderImages(const QString &folder, const QStringList &allowedTypes);

// Makes the output folder when missing and answers whether a file can be created in it, tried with
// a file of its own (the permission bits alone do not tell what the process may do).
bool outputFolderTakesFiles(const QString &folder);

// When a picture is loaded, a rectangle whose origin (canvas points over `ratio`) no longer lies on
// the picture of `pictureSize` moves, keeping its size, to the far corner of the drawn picture of
// `canvasSize`; nothing when it may stay.
std::optional<QRectF> movedSelectionFrame(const QRectF &frame, const QSizeF &ratio, const QSizeF &pictureSize,
                                          const QSizeF &canvasSize);

} // namespace crop
