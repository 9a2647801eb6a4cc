// The main window's services to the series tools: there for the life of the window, with its
// accepted picture types and the exports' free-name rule for a series file.

#include "app/SKTWindowController.h"
#include "data/SeriesToolsHost.h"
#include "support/AppEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <optional>

TEST(SeriesToolsHost, TheMainWindowServesTheSeriesToolsWhileItLives)
{
    std::optional<testsupport::AppEnvironment> env(std::in_place);
    ASSERT_NE(env->controller(), nullptr);
    const SeriesToolsHost *tools = SeriesToolsHost::current();
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->Allowd_Image_fileTypes().contains(QStringLiteral("png")));
    EXPECT_EQ(tools->Allowd_Image_fileTypes(), env->controller()->Allowd_Image_fileTypes);
    const QDir home(env->dataHome());
    QFile taken(home.filePath(QStringLiteral("Codes.txt")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.close();
    EXPECT_EQ(tools->Check_Exist_Path_and_Create_New(taken.fileName(), 1), home.filePath(QStringLiteral("Codes (1).TXT")));
    EXPECT_EQ(tools->Check_Exist_Path_and_Create_New(home.filePath(QStringLiteral("Free.txt")), 1),
              home.filePath(QStringLiteral("Free.TXT")));
    env.reset();
    EXPECT_EQ(SeriesToolsHost::current(), nullptr);
}
