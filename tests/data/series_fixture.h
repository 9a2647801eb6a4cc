#pragma once
// A fresh per-user data folder with its series folder, scripted answers for every question, and the
// main window's global set, so that the series windows show their messages without a window.

#include "core/Globals.h"
#include "core/UserFolders.h"
#include "support/DataFolderEnvironment.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

namespace seriestest {

using testsupport::FileSizeLimit;

// Makes a file that cannot be removed for the life of the object: its folder read-only, or for
// root, which ignores that, the file marked immutable. ok() is false where neither works.
class Undeletable {
public:
    explicit Undeletable(const QString &path) : m_path(path)
    {
        if (geteuid() != 0) {
            m_folder = QFileInfo(path).absolutePath();
            m_ok = QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        } else {
            m_ok = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
        }
    }
    ~Undeletable()
    {
        if (!m_folder.isEmpty())
            QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        else if (m_ok)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
    }
    bool ok() const { return m_ok; }

private:
    QString m_path, m_folder;
    bool m_ok = false;
};

class SeriesWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Messages are shown only once a main window exists; nothing here reaches into it.
        Main_App_wnd = reinterpret_cast<SKTWindowController *>(&m_windowStandIn);
        ASSERT_TRUE(QDir().mkpath(Data_Folder_Path));
    }
    void TearDown() override { Main_App_wnd = nullptr; }

    QString seriesPath(const QString &fileName) const { return Data_Folder_Path + QLatin1Char('/') + fileName; }
    void put(const QString &fileName, const QByteArray &content)
    {
        QFile f(seriesPath(fileName));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QByteArray fileOf(const QString &fileName) const { return bytesOf(seriesPath(fileName)); }
    QStringList messages() { return responder->trimmedAlertMessages(); }

    testsupport::DataFolderEnvironment env;
    testsupport::ResponderScope responder;

private:
    int m_windowStandIn = 0;
};

} // namespace seriestest
