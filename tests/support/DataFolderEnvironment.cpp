#include "support/DataFolderEnvironment.h"

#include "core/GlobalsReset.h"
#include "core/UserFolders.h"
#include "core/Utilities.h"
#include "platform/Files.h"
#include "platform/Quit.h"

#include <QCoreApplication>

namespace testsupport {

DataFolderEnvironment::DataFolderEnvironment(const QString &resources)
{
    m_oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", m_home.path().toLocal8Bit());
    if (resources.isEmpty())
        qunsetenv("TAGORA_RESOURCES");
    else
        qputenv("TAGORA_RESOURCES", resources.toLocal8Bit());
    resetGlobalsForTests();
    platform::clearTerminateRequest();
    // The folders as the window controller and its window name them.
    Resource_Path = platform::resourceFolder();
    Created_Resource_Path = platform::perUserDataFolder(Trim_Str(QCoreApplication::applicationName()));
    Data_Folder_Path = Created_Resource_Path + QStringLiteral("/DataSet");
    Check_Path_And_Create_Files();
}

DataFolderEnvironment::~DataFolderEnvironment()
{
    resetGlobalsForTests();
    platform::clearTerminateRequest();
    qunsetenv("TAGORA_RESOURCES");
    qputenv("XDG_DATA_HOME", m_oldDataHome);
}

QString DataFolderEnvironment::userFolder() const { return m_home.path() + QStringLiteral("/Tagora"); }

} // namespace testsupport
