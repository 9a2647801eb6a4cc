#pragma once
// What the template galleries list: shipped templates under "Templates/AllType" of the resources,
// one folder per category, and the user's own under "Templates/User" of the per-user data. A
// template is a thumbnail ("png" or "jpg", any case) beside its design file of the same name with
// the extension "qlf". Thumbnails the user regenerated (the per-user "Templates/AllType", same
// categories, "png") are shown in place of the shipped ones of the same name; the design stays
// the shipped one.

#include "imaging/MyImageObject.h"

#include <QList>
#include <QString>
#include <optional>

namespace templategallery {

struct Category {
    QString code;     // "A", "P", "S", "B", "R", "O", "U"
    QString folder;   // the category folder; empty for "A" (every one) and "U" (the user's)
};
// The category of a column of the wizard's category bar (0 to 6); column 0 for any other.
Category Category_Of_Column(int column);

// Every shipped category but "User", folders and files in name order; identifier folder + "/" + file.
// Nothing when the base folder does not exist. userBase: the regenerated thumbnails' folder.
std::optional<QList<MyImageObject>> All_Templates(const QString &base, const QString &userBase = QString());
// One category folder's thumbnails in name order; nothing when the folder does not exist.
std::optional<QList<MyImageObject>> Category_Templates(const QString &base, const QString &folder,
                                                       const QString &userBase = QString());
// The user's thumbnails, identified "TEMP%llu.png" from the counter, which goes up by one per item,
// so that a refill never shows a thumbnail of a replaced template again. Nothing without the folder.
std::optional<QList<MyImageObject>> User_Templates(const QString &folder, quint64 &counter);
// The design file of a thumbnail: its extension replaced by "qlf".
QString Design_Path_Of(const QString &thumbnail);
// The same, where a thumbnail regenerated under userBase names the shipped design under base.
QString Design_Path_Of(const QString &thumbnail, const QString &base, const QString &userBase);
// The thumbnail path with another extension (a template's design or its "png").
QString With_Extension(const QString &path, const QString &extension);

} // namespace templategallery
