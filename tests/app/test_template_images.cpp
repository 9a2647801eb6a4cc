#include "app/SKTWindowController.h"
#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "model/SKTRenderingView.h"
#include "projects/ProjectsController.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
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
        const QString shipped = Resource_Path + QStringLiteral("/Templates/AllType/");
        const QString all = resources.path() + QStringLiteral("/Templates/AllType/");
        for (const char *folder : {"3Business", "4Broken", "User"})
            QDir().mkpath(all + folder);
        for (const char *name : {"3Business/ID_Badge.qlf", "3Business/Shipping_Label.qlf"})
            ASSERT_TRUE(QFile::copy(shipped + name, all + name));
        ASSERT_TRUE(QFile::copy(shipped + "1Popular/Membership_Card.qlf", all + "3Business/Membership_Card.qlf"));
        ASSERT_TRUE(QFile::copy(shipped + "3Business/ID_Badge.qlf", all + QStringLiteral("User/Mine.qlf")));
        QFile bad(all + QStringLiteral("4Broken/broken.qlf"));
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
        // Each file by name and content.
        for (const QString &c : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QFileInfo &f : QDir(d.filePath(c)).entryInfoList(QDir::Files, QDir::Name)) {
                QFile file(f.filePath());
                const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
                out << c + '/' + f.fileName() + ':' + QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
            }
        return out;
    }
};

TEST_F(TemplateImages, EveryShippedTemplateGetsACardSizedThumbnailInTheUserFolder)
{
    const QStringList before = resourceFiles();
    env.controller()->GEN_All_Log_IMAGE_Btn_Clicked();
    // Counted in category and name order; the User folder is skipped, a broken template logs FAIL.
    QStringList counted;
    for (const QString &line : logLines())
        if (line == "1" || line == "2" || line == "3" || line == "4" || line == "5" || line.startsWith("FAIL"))
            counted << line;
    EXPECT_EQ(counted, (QStringList{"1", "2", "3", "4", "FAIL -> [4] -> [4Broken/broken.qlf]"}))
        << logLines().join('|').toStdString();
    QList<QSize> sizes;
    for (const char *name : {"ID_Badge", "Membership_Card", "Shipping_Label"}) {
        const QImage png(thumbnail("3Business", name));
        ASSERT_FALSE(png.isNull()) << name;
        // The card of that template, loaded again.
        ASSERT_EQ(env.controller()->projects().Read_and_load_design_Log_NEW_METHOD(
                      resources.path() + "/Templates/AllType/3Business/" + name + ".qlf", QStringLiteral("T"), false),
                  1);
        const QSizeF card = SKTRenderingView::canvasBounds().size();
        EXPECT_NEAR(png.width(), card.width(), 1.0) << name;
        EXPECT_NEAR(png.height(), card.height(), 1.0) << name;
        sizes << png.size();
    }
    EXPECT_NE(sizes[0], sizes[2]) << "templates of different card sizes";
    EXPECT_FALSE(QFileInfo::exists(thumbnail("User", "Mine")));
    EXPECT_FALSE(QFileInfo::exists(thumbnail("4Broken", "broken")));
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
    QPushButton *button = env.controller()->Show_Template_Btn;
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isHidden());
    const bool shown = !split->widget(1)->isHidden();
    button->click();
    EXPECT_EQ(!split->widget(1)->isHidden(), !shown);
    button->click();
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
