#include "projects/TemplateGallery.h"

#include "core/FileServices.h"

#include <QDir>
#include <QFileInfo>

namespace templategallery {

namespace {

bool isThumbnail(const QString &file)
{
    const QString ext = QFileInfo(file).suffix().toLower();
    return ext == QLatin1String("png") || ext == QLatin1String("jpg");
}

// The thumbnails of one folder in name order; one regenerated in userFolder in place of its own.
QList<MyImageObject> thumbnailsIn(const QString &folder, const QString &uidPrefix, const QString &userFolder = QString())
{
    QList<MyImageObject> out;
    for (const QString &file : Get_Files_Array_At_Path_del_ext(folder, false)) {
        if (!isThumbnail(file))
            continue;
        QString path = folder + QLatin1Char('/') + file;
        if (!userFolder.isEmpty()) {
            const QString regenerated = userFolder + QLatin1Char('/') + QFileInfo(file).completeBaseName() + QStringLiteral(".png");
            if (QFileInfo(regenerated).isFile())
                path = regenerated;
        }
        out.append({path, file, uidPrefix + file});
    }
    return out;
}

QString userFolderOf(const QString &userBase, const QString &sub)
{
    return userBase.isEmpty() ? QString() : userBase + QLatin1Char('/') + sub;
}

bool isFolder(const QString &path) { return QFileInfo(path).isDir(); }

} // namespace

Category Category_Of_Column(int column)
{
    static const Category table[] = {
        {QStringLiteral("A"), QString()},           {QStringLiteral("P"), QStringLiteral("1Popular")},
        {QStringLiteral("S"), QStringLiteral("2Social")}, {QStringLiteral("B"), QStringLiteral("3Business")},
        {QStringLiteral("R"), QStringLiteral("4Payment")}, {QStringLiteral("O"), QStringLiteral("5Other")},
        {QStringLiteral("U"), QString()},
    };
    return column >= 0 && column < 7 ? table[column] : table[0];
}

std::optional<QList<MyImageObject>> All_Templates(const QString &base, const QString &userBase)
{
    if (!isFolder(base))
        return std::nullopt;
    QList<MyImageObject> out;
    for (const QString &sub : Get_Folder_Array_At_Path(base))
        if (sub != QLatin1String("User"))
            out += thumbnailsIn(base + QLatin1Char('/') + sub, sub + QLatin1Char('/'), userFolderOf(userBase, sub));
    return out;
}

std::optional<QList<MyImageObject>> Category_Templates(const QString &base, const QString &folder, const QString &userBase)
{
    const QString path = base + QLatin1Char('/') + folder;
    if (folder.isEmpty() || !isFolder(path))
        return std::nullopt;
    return thumbnailsIn(path, folder + QLatin1Char('/'), userFolderOf(userBase, folder));
}

std::optional<QList<MyImageObject>> User_Templates(const QString &folder, quint64 &counter)
{
    if (!isFolder(folder))
        return std::nullopt;
    QList<MyImageObject> out = thumbnailsIn(folder, QString());
    for (MyImageObject &item : out)
        item.uid = QString::asprintf("TEMP%llu.png", static_cast<unsigned long long>(counter++));
    return out;
}

QString With_Extension(const QString &path, const QString &extension)
{
    const QFileInfo info(path);
    const QString base = info.completeBaseName();
    const QString dir = path.left(path.size() - info.fileName().size());
    return dir + base + QLatin1Char('.') + extension;
}

QString Design_Path_Of(const QString &thumbnail) { return With_Extension(thumbnail, QStringLiteral("qlf")); }

QString Design_Path_Of(const QString &thumbnail, const QString &base, const QString &userBase)
{
    const QString prefix = userBase + QLatin1Char('/');
    if (userBase.isEmpty() || !thumbnail.startsWith(prefix))
        return Design_Path_Of(thumbnail);
    return Design_Path_Of(base + QLatin1Char('/') + thumbnail.mid(prefix.size()));
}

} // namespace templategallery
