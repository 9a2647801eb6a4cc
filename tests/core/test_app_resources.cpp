// Paths into the resources of another copy of the application are moved into this copy's
// resource folder; other paths stay as they are.

#include "core/UserFolders.h"
#include "core/Utilities.h"

#include <gtest/gtest.h>

namespace {

class AppResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_old = Resource_Path;
        Resource_Path = QStringLiteral("/opt/here/resources");
    }
    void TearDown() override { Resource_Path = m_old; }

private:
    QString m_old;
};

} // namespace

TEST_F(AppResources, ABundlesOrAnInstalledCopysResourcesMoveIntoOurs)
{
    EXPECT_EQ(Check_Path_For_App_Resources(QStringLiteral("/Applications/Old.app/Contents/Resources/sign_sample.png")),
              QStringLiteral("/opt/here/resources/sign_sample.png"));
    EXPECT_EQ(Check_Path_For_App_Resources(QStringLiteral("/usr/share/tagora/Fill_Style_Image/Dots.png")),
              QStringLiteral("/opt/here/resources/Fill_Style_Image/Dots.png"));
    // The first occurrence of the marker counts; whether a file is there does not.
    EXPECT_EQ(Check_Path_For_App_Resources(QStringLiteral("/a.app/Contents/Resources/b.app/Contents/Resources/none.png")),
              QStringLiteral("/opt/here/resources/b.app/Contents/Resources/none.png"));
    Resource_Path = QStringLiteral("/opt/here/resources/");
    EXPECT_EQ(Check_Path_For_App_Resources(QStringLiteral("/usr/local/share/tagora/no.png")),
              QStringLiteral("/opt/here/resources/no.png"));
}

TEST_F(AppResources, OtherPathsStayAsTheyAre)
{
    for (const QString &path : {QStringLiteral("/home/me/Pictures/logo.png"), QStringLiteral("Default"), QStringLiteral(""),
                                QStringLiteral("/usr/share/tagoras/x.png"), QStringLiteral("/x/Contents/Resources/y.png")})
        EXPECT_EQ(Check_Path_For_App_Resources(path), path) << path.toStdString();
    EXPECT_TRUE(Check_Path_For_App_Resources(QString()).isNull());
}
