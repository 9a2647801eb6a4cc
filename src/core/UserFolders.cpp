#include "core/UserFolders.h"

#include "core/Edition.h"
#include "core/FileServices.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/Files.h"
#include "platform/FolderSwap.h"
#include "platform/Temporaries.h"

#include <QFile>
#include <QFileInfo>

#include <exception>

void Check_Path_And_Create_Files()
{
    try {
        // The resource folder is read-only: its "Background", "Fill_Style_Image" and "LibraryImage"
        // folders ship with the application and nothing is created there.
        // Private: where others may write, they could rename the series and the workbook parts.
        platform::makePrivateFolder(Created_Resource_Path);
        if (!Data_Folder_Path.isEmpty()) {
            // A restore cut short between its two renames left the series under an "old" name.
            platform::repairSwappedFolder(Data_Folder_Path, Created_Resource_Path);
            platform::makePrivateFolder(Data_Folder_Path);
        }
        // The parts hold the user's values: a write removes its own, a start what ended runs left.
        platform::removeEndedTemporariesOf(workbookPartsTarget(), true);
        if (ONLY_QR_MODE)
            Create_Folder(Created_Resource_Path + QStringLiteral("/Templates/User"));

        Cropped_Img_Path = Created_Resource_Path + QStringLiteral("/Cropped_Images");
        Create_Folder(Cropped_Img_Path);

        // A seed is copied only when the user's own file is missing, so it never overwrites theirs.
        auto seed = [](const QString &folder, const QString &sub, const QString &file) {
            const QString target = folder + QLatin1Char('/') + file;
            if (QFileInfo::exists(target))
                return;
            QFile source(Resource_Path + QLatin1Char('/') + sub + QLatin1Char('/') + file);
            if (!source.open(QIODevice::ReadOnly))
                return;   // a missing seed is not reported
            platform::writeFileAtomically(target, source.readAll());
        };
        custom_label_path = Created_Resource_Path + QStringLiteral("/CustomProductLabel");
        Create_Folder(custom_label_path);
        seed(custom_label_path, QStringLiteral("CustomProductLabel"), QStringLiteral("Custom1.qpf"));

        print_profile_path = Created_Resource_Path + QStringLiteral("/PrintProfile");
        Create_Folder(print_profile_path);
        seed(print_profile_path, QStringLiteral("PrintProfile"), QStringLiteral("Default.qpf"));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
