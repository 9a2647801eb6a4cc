#include "outputjobs/PrintProfileStore.h"

#include "platform/Files.h"
#include "platform/Plist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace printprofiles {

namespace {

QFileInfoList profileFiles(const QString &folder)
{
    QFileInfoList files;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
        if (info.suffix().toLower() == Extension && !info.completeBaseName().isEmpty())
            files << info;
    return files;
}

// A profile's texts, of a value read from its file.
std::optional<QStringList> profileTexts(const std::optional<platform::PlistValue> &value)
{
    if (!value)
        return std::nullopt;
    std::optional<QStringList> strings = value->toStrings();
    if (!strings || strings->size() < FieldCount)
        return std::nullopt;
    return strings->mid(0, StockFieldCount);
}

std::optional<QStringList> readFile(const QString &path) { return profileTexts(platform::readPlistFile(path)); }

} // namespace

Listing List_Profiles(const QString &folder)
{
    Listing out;
    for (const QFileInfo &info : profileFiles(folder)) {
        if (readFile(info.absoluteFilePath()))
            out.names << info.completeBaseName();
        else
            out.bad << info.fileName();
    }
    out.names.sort();
    return out;
}

QString Profile_Path(const QString &folder, const QString &name)
{
    for (const QFileInfo &info : profileFiles(folder))
        if (info.completeBaseName() == name)
            return info.absoluteFilePath();
    return folder + QLatin1Char('/') + name + QLatin1Char('.') + Extension;
}

std::optional<QStringList> Read_Profile(const QString &folder, const QString &name)
{
    return readFile(Profile_Path(folder, name));
}

bool Write_Profile(const QString &folder, const QString &name, const QStringList &fields, QString *error,
                   QString *unsynced)
{
    if (fields.size() != FieldCount && fields.size() != StockFieldCount) {
        if (error)
            *error = QStringLiteral("A print profile has %1 or %2 fields, not %3.")
                         .arg(FieldCount)
                         .arg(StockFieldCount)
                         .arg(fields.size());
        return false;
    }
    if (name.isEmpty() || name.contains(QLatin1Char('/'))) {
        if (error)
            *error = QStringLiteral("\"%1\" is no profile name.").arg(name);
        return false;
    }
    return platform::writePlistFile(Profile_Path(folder, name), platform::PlistValue::fromStrings(fields),
                                    platform::PlistFormat::Xml, error, unsynced);
}

bool Delete_Profile(const QString &folder, const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return false;
    const QString path = Profile_Path(folder, name);
    return QFile::remove(path) || !QFileInfo::exists(path);
}

DefaultRepair Repair_Default(const QString &folder, const QString &seedFile)
{
    DefaultRepair repair;
    const QString path = Profile_Path(folder, Default_Name);
    const QFileInfo file(path);
    repair.damaged = (file.exists() || file.isSymLink()) && !readFile(path);
    if (!repair.damaged)
        return repair;
    // The seed is read as a profile is before anything is moved aside: one that is no profile would
    // be written in, found damaged at the next opening, and moved aside again, at every opening.
    QFile seed(seedFile);
    const bool opened = seed.open(QIODevice::ReadOnly);
    const QByteArray seeded = opened ? seed.readAll() : QByteArray();
    const bool read = opened && seed.error() == QFileDevice::NoError;
    if (!read || !profileTexts(platform::plistFromData(seeded))) {
        repair.seed = read                            ? DefaultRepair::Seed::Damaged
                      : !QFileInfo::exists(seedFile) ? DefaultRepair::Seed::Missing
                                                     : DefaultRepair::Seed::Unreadable;
        repair.seedError = read ? QString() : seed.errorString();
        return repair;
    }
    // Moved aside, not written over: the new file would take an unreadable file's mode.
    QString kept = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
        kept = path + QStringLiteral(".damaged-%1").arg(n);
    QFile damaged(path);
    if (!damaged.rename(kept)) {
        repair.error = damaged.errorString();
        return repair;
    }
    repair.keptAs = QFileInfo(kept).fileName();
    platform::writeFileAtomically(path, seeded, &repair.error);
    return repair;
}

} // namespace printprofiles
