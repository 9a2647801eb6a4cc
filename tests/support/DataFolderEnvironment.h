#pragma once
// An empty per-user data folder and the globals that name the program's folders, set as the
// program sets them at start, without a main window: for a test of a dialog, a store or a rule
// that reads or writes those folders. Every global is reset before and after.

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

class DataFolderEnvironment {
public:
    // resources: the resource folder to use; empty: the source tree's resources.
    explicit DataFolderEnvironment(const QString &resources = QString());
    ~DataFolderEnvironment();
    DataFolderEnvironment(const DataFolderEnvironment &) = delete;
    DataFolderEnvironment &operator=(const DataFolderEnvironment &) = delete;

    QString dataHome() const { return m_home.path(); }
    // The per-user data folder of the application.
    QString userFolder() const;

private:
    QTemporaryDir m_home;
    QByteArray m_oldDataHome;
};

} // namespace testsupport
