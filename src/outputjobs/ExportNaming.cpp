#include "outputjobs/ExportNaming.h"

#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/Temporaries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>

#include <fcntl.h>
#include <sys/stat.h>

namespace exportnaming {

namespace {

// "name_part": the prefix in front and the suffix behind, each joined by an underscore.
QString withPrefixSuffix(const Settings &s, QString name)
{
    if (!s.prefix.isEmpty())
        name = QStringLiteral("%1_%2").arg(s.prefix, name);
    if (!s.suffix.isEmpty())
        name = QStringLiteral("%1_%2").arg(name, s.suffix);
    return name;
}

QString repeated(const QString &name, int k) { return QStringLiteral("%1 (%2)").arg(name).arg(k); }

// Whether the file's entry is there, not followed: in the folder open at folder (-1: the path's own
// folder, by its path).
bool entryThere(int folder, const QFileInfo &file)
{
    struct stat st {};
    const QByteArray entry = QFile::encodeName(folder >= 0 ? file.fileName() : file.filePath());
    return ::fstatat(folder >= 0 ? folder : AT_FDCWD, entry.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

bool isAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() > 127)
            return false;
    return !text.isEmpty();
}

} // namespace

bool File_Name_Taken(const QString &path, int folder)
{
    const QFileInfo info(path);
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix();
    const auto sameName = [&](const QString &entry) {
        const QFileInfo other(entry);
        return other.completeBaseName() == base && other.suffix().compare(suffix, Qt::CaseInsensitive) == 0;
    };
    if (folder >= 0) {
        if (entryThere(folder, info))
            return true;
        for (const QByteArray &entry : platform::entryNames(folder))
            if (sameName(QFile::decodeName(entry)))
                return true;
        return false;
    }
    if (info.exists())
        return true;
    for (const QString &entry : info.absoluteDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (sameName(entry))
            return true;
    return false;
}

QString cleanName(const QString &name)
{
    QString out = name;
    for (QChar &c : out)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('_');
    return Remove_Reserve_Char_In_File_Name(out);
}

bool fileNameTakenOnDisk(const QString &path, int folder)
{
    const QFileInfo info(path);
    if (entryThere(folder, info))
        return true;
    // The same name with its extension in the cases the exports write (as given, upper, lower,
    // capitalised): a few look-ups, where reading the folder would cost a batch the square of its
    // files.
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return false;
    const QString capitalised = suffix.left(1).toUpper() + suffix.mid(1).toLower();
    for (const QString &ext : {suffix.toUpper(), suffix.toLower(), capitalised}) {
        if (ext != suffix && entryThere(folder, QFileInfo(info.dir(), base + QLatin1Char('.') + ext)))
            return true;
    }
    return false;
}

QString Check_Exist_Path_and_Create_New(const QString &path, int counter, const TakenTest &taken)
{
    QString candidate = path;
    try {
        const QFileInfo info(path);
        const QString folder = info.path();
        const QString base = info.completeBaseName();
        const QString ext = info.suffix().toUpper();
        candidate = QDir(folder).filePath(base + QLatin1Char('.') + ext);
        for (int k = counter <= 0 ? 1 : counter; taken(candidate); ++k)
            candidate = QDir(folder).filePath(QStringLiteral("%1 (%2).%3").arg(base).arg(k).arg(ext));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    return candidate;
}

QString Create_And_Check_File_Name(const QString &folder, const QString &name, bool useCounter, int counter,
                                   const QString &ext, const TakenTest &taken, const QString &standIn)
{
    QString path;
    try {
        QString cleaned = cleanName(name);
        if (cleaned.isEmpty()) {
            // Nothing of the name is left (a value of reserved characters only): the stand-in and
            // the record's number, never a hidden ".ext" file.
            cleaned = standIn;
            useCounter = true;
        }
        if (ext.compare(QLatin1String("PDF"), Qt::CaseInsensitive) == 0 && !isAscii(cleaned))
            cleaned = QStringLiteral("QIRO_PDF_Label");
        path = QDir(folder).filePath(cleaned + QLatin1Char('.') + ext);
        if (!useCounter)
            return path;
        if (counter > 0)
            path = QDir(folder).filePath(repeated(cleaned, counter) + QLatin1Char('.') + ext);
        path = Check_Exist_Path_and_Create_New(path, counter, taken);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    return path;
}

QString barcodeName(const Settings &s, const QString &value, const QString &header, const QString &footer,
                    const QString &series, int counter, bool barcodeMode, const TakenTest &taken)
{
    QString name;
    QString standIn = QStringLiteral("Barcode");
    bool useCounter = false;
    int current = counter;
    bool repeatAfter = false;   // the default and custom names count the records passed
    const QString &t = s.token;
    if (t == QLatin1String("<DEF>")) {
        name = s.advancedQr ? QStringLiteral("QR Code for ") + s.qrTypeName : QStringLiteral("Barcode");
        repeatAfter = true;
    } else if (t == QLatin1String("<BV>")) {
        standIn = QStringLiteral("Value");
        name = value;
        if (name.isEmpty()) {
            name = standIn;
            useCounter = true;
        }
    } else if (t == QLatin1String("<BS>")) {
        standIn = QStringLiteral("Series");
        if (s.pdfOption == 2 && barcodeMode) {
            name = repeated(series, s.exportCounter + 1);
        } else {
            name = series;
            useCounter = true;
            current = 0;
        }
    } else if (t == QLatin1String("<BSV>")) {
        standIn = QStringLiteral("Value");
        QString v = value;
        if (v.isEmpty()) {
            v = QStringLiteral("Value");
            useCounter = true;
        }
        name = QStringLiteral("%1_%2").arg(series, v);
    } else if (t == QLatin1String("<BH>")) {
        standIn = QStringLiteral("Header");
        name = Trim_Str(header);
        if (name.isEmpty()) {
            name = standIn;
            useCounter = true;
        }
    } else if (t == QLatin1String("<BF>")) {
        standIn = QStringLiteral("Footer");
        name = Trim_Str(footer);
        if (name.isEmpty()) {
            name = standIn;
            useCounter = true;
        }
    } else {
        name = t;
        repeatAfter = true;
    }
    name = withPrefixSuffix(s, name);
    if (repeatAfter && s.exportCounter > 0)
        name = repeated(name, s.exportCounter);
    return Create_And_Check_File_Name(s.folder, name, useCounter, current, s.ext, taken, standIn);
}

QString labelName(const Settings &s, const QString &value, const QString &series, const QString &columnValue,
                  int counter, const TakenTest &taken)
{
    QString name;
    bool useCounter = false;
    bool repeatAfter = false;
    const QString &t = s.token;
    const QString label = QStringLiteral("Label");
    if (t == QLatin1String("<DEF>")) {
        name = label;
        repeatAfter = true;
    } else if (t == QLatin1String("<SN>")) {
        name = repeated(series, counter);
    } else if (t == QLatin1String("<SV>")) {
        name = value;
        if (name.isEmpty()) {
            name = label;
            useCounter = true;
        }
    } else if (t == QLatin1String("<SNV>")) {
        QString v = value;
        if (v.isEmpty()) {
            v = label;
            useCounter = true;
        }
        name = QStringLiteral("%1_%2").arg(series, v);
    } else if (t == QLatin1String("<ECOL>")) {
        name = Trim_Str(columnValue);
        if (name.isEmpty()) {
            name = label;
            useCounter = true;
        }
    } else {
        name = t;
        repeatAfter = true;
    }
    name = withPrefixSuffix(s, name);
    if (repeatAfter && s.exportCounter > 0)
        name = repeated(name, s.exportCounter);
    return Create_And_Check_File_Name(s.folder, name, useCounter, counter, s.ext, taken, label);
}

} // namespace exportnaming
