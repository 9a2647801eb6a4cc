#include "outputjobs/CustomProductStore.h"

#include "platform/Plist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace customproducts {

namespace {

// The product files of the folder, by name.
QFileInfoList productFiles(const QString &folder)
{
    QFileInfoList files;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
        if (info.suffix().toLower() == Extension && !info.completeBaseName().isEmpty())
            files << info;
    return files;
}

} // namespace

QStringList Product_Names(const QString &folder)
{
    QStringList names;
    for (const QFileInfo &info : productFiles(folder))
        names << info.completeBaseName();
    std::sort(names.begin(), names.end());
    return names;
}

QString Product_Path(const QString &folder, const QString &name)
{
    for (const QFileInfo &info : productFiles(folder))
        if (info.completeBaseName() == name)
            return info.absoluteFilePath();
    return folder + QLatin1Char('/') + name + QLatin1Char('.') + Extension;
}

std::optional<QStringList> Read_Product(const QString &folder, const QString &name)
{
    const std::optional<platform::PlistValue> value = platform::readPlistFile(Product_Path(folder, name));
    if (!value)
        return std::nullopt;
    std::optional<QStringList> strings = value->toStrings();
    if (!strings || strings->size() < FieldCount)
        return std::nullopt;
    return strings->mid(0, FieldCount);
}

bool Write_Product(const QString &folder, const QString &name, const QStringList &fields, QString *error,
                   QString *unsynced)
{
    if (fields.size() != FieldCount) {
        if (error)
            *error = QStringLiteral("A custom product has %1 fields, not %2.").arg(FieldCount).arg(fields.size());
        return false;
    }
    return platform::writePlistFile(Product_Path(folder, name), platform::PlistValue::fromStrings(fields),
                                    platform::PlistFormat::Xml, error, unsynced);
}

bool Delete_Product(const QString &folder, const QString &name)
{
    const QString path = Product_Path(folder, name);
    return QFile::remove(path) || !QFileInfo::exists(path);
}

} // namespace customproducts
