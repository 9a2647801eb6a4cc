#include "app/SKTWindowController.h"
#include "core/FileServices.h"
#include "core/Globals.h"
#include "core/Edition.h"
#include "core/UserFolders.h"
#include "design/DesignCard.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "model/SKTDocument.h"
#include "platform/Files.h"
#include "platform/Plist.h"
#include "platform/Quit.h"
#include "platform/Temporaries.h"
#include "io/SpreadsheetWriter.h"
#include "model/Card_Property.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"
#include "advqr/AdvQrController.h"
#include "design/DesignController.h"
#include "barcodemode/BarcodeModeController.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {
bool worldWritable(const QString &path) { return QFileInfo(path).permissions() & QFile::WriteOther; }
}

TEST(ControllerStartup, InitSetsTheSharedState)
{
    EXPECT_EQ(SKTWindowController::defaultInstance(), nullptr);
    testsupport::AppEnvironment env;
    SKTWindowController *c = env.controller();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Main_App_wnd, c);
    EXPECT_EQ(SKTWindowController::defaultInstance(), c);
    EXPECT_EQ(c->App_Name, QStringLiteral("Tagora"));
    EXPECT_EQ(Created_Resource_Path, env.userFolder());
    EXPECT_TRUE(QFileInfo(Created_Resource_Path).isDir());
    EXPECT_EQ(Text_Ctrl_Font, QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    EXPECT_EQ(c->barcodeMode().value_font.family(), Text_Ctrl_Font);
    EXPECT_DOUBLE_EQ(c->barcodeMode().value_font.pointSizeF(), 10.0);
    EXPECT_DOUBLE_EQ(c->barcodeMode().header_font.pointSizeF(), 10.0);
    EXPECT_DOUBLE_EQ(c->barcodeMode().footer_font.pointSizeF(), 10.0);
    EXPECT_DOUBLE_EQ(c->advQr().ADV_QR_header_font.pointSizeF(), 20.0);
    EXPECT_DOUBLE_EQ(c->advQr().ADV_QR_footer_font.pointSizeF(), 20.0);
    EXPECT_DOUBLE_EQ(c->design().Text_font.pointSizeF(), 12.0);
    EXPECT_FLOAT_EQ(c->barcodeMode().TB_margin, 0.1f);
    EXPECT_EQ(c->Allowd_Image_fileTypes.size(), 9);
    EXPECT_EQ(c->Allowd_Image_fileTypes.first(), QStringLiteral("jpg"));
    EXPECT_FALSE(c->no_image.isNull());
    EXPECT_FALSE(c->barcode_sample_img.isNull());
    ASSERT_NE(cardOf(c->design()).Front_card_Prop, nullptr);
    EXPECT_EQ(cardOf(c->design()).Front_card_Prop->Card_Name, QStringLiteral("Untitled"));
    EXPECT_DOUBLE_EQ(workAreaOf(c->design())._zoomFactor, 1.0);
}

TEST(ControllerStartup, OnlyOneControllerIsMade)
{
    testsupport::AppEnvironment env;
    SKTWindowController *first = env.controller();
    env.document()->makeWindowControllers();
    EXPECT_EQ(SKTWindowController::defaultInstance(), first);
    EXPECT_EQ(env.document()->windowControllers().size(), 1);
    EXPECT_EQ(SKTDocument::controllersMade(), 1);
    EXPECT_EQ(first->document(), env.document());
}

TEST(ControllerStartup, FirstStartCreatesTheUserFolders)
{
    testsupport::AppEnvironment env(QString(), /*loadWindow=*/true);
    const QString user = env.userFolder();
    EXPECT_EQ(Data_Folder_Path, user + QStringLiteral("/DataSet"));
    for (const char *sub : {"DataSet", "Cropped_Images", "CustomProductLabel", "PrintProfile"})
        EXPECT_TRUE(QFileInfo(user + QLatin1Char('/') + QLatin1String(sub)).isDir()) << sub;
    EXPECT_TRUE(QFileInfo(user + QStringLiteral("/CustomProductLabel/Custom1.qpf")).isFile());
    EXPECT_TRUE(QFileInfo(user + QStringLiteral("/PrintProfile/Default.qpf")).isFile());
    EXPECT_EQ(QFileInfo::exists(user + QStringLiteral("/Templates/User")), ONLY_QR_MODE);
    EXPECT_EQ(Cropped_Img_Path, user + QStringLiteral("/Cropped_Images"));
    EXPECT_EQ(custom_label_path, user + QStringLiteral("/CustomProductLabel"));
    EXPECT_EQ(print_profile_path, user + QStringLiteral("/PrintProfile"));

    // The seeds are property lists of 15 and 22 strings.
    const auto custom = platform::readPlistFile(user + QStringLiteral("/CustomProductLabel/Custom1.qpf"));
    ASSERT_TRUE(custom && custom->toStrings());
    EXPECT_EQ(custom->toStrings()->size(), 15);
    const auto profile = platform::readPlistFile(user + QStringLiteral("/PrintProfile/Default.qpf"));
    ASSERT_TRUE(profile && profile->toStrings());
    EXPECT_EQ(profile->toStrings()->size(), 22);

    // Nothing the start made is world-writable.
    EXPECT_FALSE(worldWritable(user));
    QDirIterator it(user, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        EXPECT_FALSE(worldWritable(it.next())) << it.filePath().toStdString();
}

TEST(ControllerStartup, UserSeedsAreKeptAndRestored)
{
    testsupport::AppEnvironment env(QString(), true);
    const QString profile = print_profile_path + QStringLiteral("/Default.qpf");
    ASSERT_TRUE(platform::writePlistFile(profile, platform::PlistValue::fromStrings({QStringLiteral("mine")})));
    Check_Path_And_Create_Files();
    auto back = platform::readPlistFile(profile);
    ASSERT_TRUE(back && back->toStrings());
    EXPECT_EQ(*back->toStrings(), QStringList{QStringLiteral("mine")});   // never overwritten

    QFile::remove(profile);
    QFile::remove(custom_label_path + QStringLiteral("/Custom1.qpf"));
    Check_Path_And_Create_Files();
    back = platform::readPlistFile(profile);
    ASSERT_TRUE(back && back->toStrings());
    EXPECT_EQ(back->toStrings()->size(), 22);   // a deleted one comes back
    EXPECT_TRUE(QFileInfo::exists(custom_label_path + QStringLiteral("/Custom1.qpf")));
}

TEST(ControllerStartup, TheSeriesOfARestoreCutShortAreBackAtTheNextStart)
{
    testsupport::AppEnvironment env(QString(), true);
    const pid_t ended = ::fork();   // the restore's process, killed between its two renames
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    ASSERT_TRUE(QDir(Data_Folder_Path).removeRecursively());
    const QString old = env.userFolder() + QStringLiteral("/.DataSet.tagora-%1-0.old").arg(ended);
    ASSERT_TRUE(QDir().mkpath(old));
    ASSERT_TRUE(platform::writeFileAtomically(old + QStringLiteral("/A.txt"), "a\n"));
    Check_Path_And_Create_Files();
    EXPECT_EQ(Get_datasheet_File_Name_Array(), QStringList{QStringLiteral("A")});
    EXPECT_FALSE(QFileInfo::exists(old));
}

TEST(ControllerStartup, TheNextStartRemovesTheWorkbookPartsOfEndedRunsOnly)
{
    testsupport::AppEnvironment env(QString(), true);
    const QString book = env.userFolder() + QStringLiteral("/values.xlsx");
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(book, {{QStringLiteral("the user's value")}}, false));
    const pid_t ended = ::fork();   // a run killed while it read a workbook
    if (ended == 0) {
        SpreadsheetWriter::ReadWorkbook(book, true);
        ::_exit(0);   // nothing at exit, as a kill
    }
    ::waitpid(ended, nullptr, 0);
    ASSERT_EQ(QDir(env.userFolder()).entryList({QStringLiteral(".ziptmp*.read")}, QDir::Dirs | QDir::Hidden).size(), 1);
    // Beside it, this run's parts and a killed write's.
    const QString live = platform::temporaryName(QStringLiteral("ziptmp"), QStringLiteral("parts"));
    const QString dead = QString(live).replace(QStringLiteral("-%1-").arg(::getpid()), QStringLiteral("-%1-").arg(ended));
    for (const QString &name : {live, dead})
        ASSERT_TRUE(QDir(env.userFolder()).mkpath(name + QStringLiteral("/xl")));
    Check_Path_And_Create_Files();
    EXPECT_EQ(QDir(env.userFolder()).entryList({QStringLiteral(".ziptmp*")}, QDir::Dirs | QDir::Hidden).join(' ').toStdString(),
              live.toStdString());
}

TEST(ControllerStartup, NothingIsCreatedInTheResourceFolder)
{
    QTemporaryDir resources;
    QDir(resources.path()).mkpath(QStringLiteral("PrintProfile"));
    testsupport::AppEnvironment env(resources.path(), true);
    EXPECT_EQ(QDir(resources.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("PrintProfile")});
    // Without a seed in the resources the user's folder simply has none.
    EXPECT_TRUE(QFileInfo(print_profile_path).isDir());
    EXPECT_FALSE(QFileInfo::exists(print_profile_path + QStringLiteral("/Default.qpf")));
}

TEST(ControllerStartup, MissingResourceFolderEndsTheProgram)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env(QStringLiteral("/nonexistent/tagora-resources"), true);
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("\nCan not access Data file.")});
    EXPECT_TRUE(platform::terminateRequested());
    // No later step ran: no series folder, no per-user sub-folders.
    EXPECT_TRUE(Data_Folder_Path.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(env.userFolder() + QStringLiteral("/DataSet")));
}

TEST(ControllerStartup, WindowHasTheThreeModeTabs)
{
    testsupport::AppEnvironment env(QString(), true);
    QTabWidget *tabs = env.controller()->Barcode_mode_tab;
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->objectName(), QStringLiteral("Barcode_mode_tab"));
    if (!ONLY_STD_MODE && !ONLY_QR_MODE) {
        ASSERT_EQ(tabs->count(), 3);
        EXPECT_EQ(tabs->widget(0), env.controller()->Barcode_setting_tab);
        EXPECT_EQ(tabs->widget(1), env.controller()->Barcode_Design_tab);
        EXPECT_EQ(tabs->widget(2), env.controller()->Barcode_ADV_QR_tab);
    }
}

TEST(ControllerStartup, TextNotificationsStartAfterLaunching)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    auto *field = new QLineEdit(c->Barcode_setting_tab);
    c->window()->show();
    QTest::keyClicks(field, QStringLiteral("x"));
    EXPECT_EQ(c->lastTextChangeSender.data(), nullptr);   // none before applicationDidFinishLaunching
    c->applicationDidFinishLaunching();
    QTest::keyClicks(field, QStringLiteral("y"));
    EXPECT_EQ(c->lastTextChangeSender.data(), field);
    // A control of another window reaches the controller too.
    QLineEdit other;
    other.show();
    QTest::keyClicks(&other, QStringLiteral("z"));
    EXPECT_EQ(c->lastTextChangeSender.data(), &other);
}

TEST(ControllerStartup, DocumentCanvasSizeIsObserved)
{
    testsupport::AppEnvironment env;
    SKTWindowController *c = env.controller();
    env.document()->setCanvasSize(QSizeF(100, 50));
    EXPECT_EQ(workAreaOf(c->design()).canvasFrameSize, QSizeF(100, 50));
    SKTDocument other;
    c->setDocument(&other);
    env.document()->setCanvasSize(QSizeF(10, 10));   // the old document is no longer observed
    EXPECT_EQ(workAreaOf(c->design()).canvasFrameSize, QSizeF(100, 50));
    other.setCanvasSize(QSizeF(284, 284));
    EXPECT_EQ(workAreaOf(c->design()).canvasFrameSize, QSizeF(284, 284));
    c->setDocument(nullptr);
    other.setCanvasSize(QSizeF(1, 1));
    EXPECT_EQ(workAreaOf(c->design()).canvasFrameSize, QSizeF(284, 284));
    EXPECT_EQ(SKTDocument::canvasSize_size_val(true, QSizeF(5, 5)), QSizeF(284, 284));
    EXPECT_EQ(SKTDocument::canvasSize_size_val(false, QSizeF(5, 5)), QSizeF(5, 5));
}
