#pragma once
// The start of every test binary: offscreen unless told otherwise, UTC, US English, a private data
// folder, and one application object: a QApplication, or a QCoreApplication in a binary that links
// no widgets.

#include "support/WindowReport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

namespace testsupport {

template <class Application>
int runTestBinary(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    installWindowReport();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "UTC");
    // Every test binary writes its per-user data into a folder of its own.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toLocal8Bit());
    QDir runtime(home.path());
    runtime.mkpath(QStringLiteral("run"));
    QFile::setPermissions(home.path() + QStringLiteral("/run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", (home.path() + QStringLiteral("/run")).toLocal8Bit());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Application app(argc, argv);
    Application::setApplicationName(QStringLiteral("Tagora"));
    return RUN_ALL_TESTS();
}

} // namespace testsupport
