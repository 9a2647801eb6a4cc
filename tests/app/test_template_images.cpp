#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSplitter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList &logLines()
{
    static QStringList lines;
    return lines;
}

class TemplateImages : public ::testing::Test {
protected:
    testsupport::AppEnvironment env{QString(), true};
    testsupport::ResponderScope responder;
    QTemporaryDir resources;
    QString savedResources;
    QtMessageHandler previous = nullptr;

    void SetUp() override
    {
        const QString shipped = Resource_Path + QStringLiteral("/Templates/AllType/3Business/");
        const QString all = resources.path() + QStringLiteral("/Templates/AllType/");
        QDir().mkpath(all + QStringLiteral("3Business"));
        QDir().mkpath(all + QStringLiteral("User"));
        for (const char *name : {"ID_Badge.qlf", "Shipping_Label.qlf"})
            ASSERT_TRUE(QFile::copy(shipped + name, all + QStringLiteral("3Business/") + name));
        ASSERT_TRUE(QFile::copy(shipped + "ID_Badge.qlf", all + QStringLiteral("User/Mine.qlf")));
        QFile bad(all + QStringLiteral("3Business/broken.qlf"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("not a project");
        bad.close();
        savedResources = Resource_Path;
        Resource_Path = resources.path();
        logLines().clear();
        previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) { logLines() << m; });
    }
    void TearDown() override
    {
        qInstallMessageHandler(previous);
        Resource_Path = savedResources;
    }
    QString thumbnail(const QString &category, const QString &name) const
    {
        return Created_Resource_Path + QStringLiteral("/Templates/AllType/") + category + '/' + name + ".png";
    }
    QStringList resourceFiles() const
    {
        QStringList out;
        QDir d(resources.path() + QStringLiteral("/Templates/AllType"));
        for (const QString &c : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            out << QDir(d.filePath(c)).entryList(QDir::Files);
        return out;
    }
};

TEST_F(TemplateImages, EveryShippedTemplateGetsAThumbnailInTheUserFolder)
{
    const QStringList before = resourceFiles();
    env.controller()->GEN_All_Log_IMAGE_Btn_Clicked();
    EXPECT_TRUE(logLines().contains("1"));
    EXPECT_TRUE(logLines().contains("2"));
    EXPECT_TRUE(logLines().contains("3"));
    EXPECT_FALSE(logLines().contains("4")) << "the User folder is skipped";
    EXPECT_TRUE(logLines().contains("FAIL -> [3] -> [3Business/broken.qlf]")) << logLines().join('|').toStdString();
    for (const char *name : {"ID_Badge", "Shipping_Label"}) {
        const QImage png(thumbnail("3Business", name));
        EXPECT_FALSE(png.isNull()) << name;
    }
    EXPECT_FALSE(QFileInfo::exists(thumbnail("User", "Mine")));
    EXPECT_FALSE(QFileInfo::exists(thumbnail("3Business", "broken")));
    EXPECT_EQ(resourceFiles(), before);   // nothing written into the resources
}

TEST_F(TemplateImages, NoTemplateFolderWritesNothing)
{
    QDir(resources.path() + QStringLiteral("/Templates")).removeRecursively();
    env.controller()->Generate_All_Templates_Image();
    EXPECT_FALSE(QFileInfo::exists(Created_Resource_Path + QStringLiteral("/Templates/AllType")));
}

TEST_F(TemplateImages, TwoTogglesRestoreTheTemplatePane)
{
    QSplitter *split = env.controller()->main_split_view;
    ASSERT_NE(split, nullptr);
    ASSERT_GE(split->count(), 2);
    const bool shown = !split->widget(1)->isHidden();
    env.controller()->Show_Template_Clicked();
    EXPECT_EQ(!split->widget(1)->isHidden(), !shown);
    env.controller()->Show_Template_Clicked();
    EXPECT_EQ(!split->widget(1)->isHidden(), shown);
}

} // namespace

namespace {

TEST_F(TemplateImages, AnUnsavedDesignIsOfferedForSavingAndCancelWritesNothing)
{
    env.controller()->Designing_Mode_Select();
    responder->alerts.clear();
    save_flag_des_mode = true;
    responder->alertAnswers = {QStringLiteral("Cancel")};
    env.controller()->Generate_All_Templates_Image();
    ASSERT_EQ(responder->alerts.size(), 1);
    EXPECT_EQ(responder->alerts[0].buttons.size(), 3) << responder->alerts[0].message.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Created_Resource_Path + QStringLiteral("/Templates/AllType")));
    EXPECT_FALSE(logLines().contains("1"));
}

} // namespace
