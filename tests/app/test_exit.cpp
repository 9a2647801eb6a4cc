// Exit and the unsaved-changes prompt across the modes, the card buttons, and the export of the
// design as a user template.

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/UserFolders.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "design/DesignCard.h"
#include "design/DesignParts.h"
#include "model/DesignGlobals.h"
#include "design/DesignCommands.h"
#include "design/PanelValues.h"
#include "design/PropertySidebar.h"
#include "imagetools/Image_Library.h"
#include "model/SKTDocument.h"
#include "model/SKTText.h"
#include "platform/Quit.h"
#include "model/Card_Property.h"
#include "support/AppEnvironment.h"
#include "support/Editions.h"
#include "support/PageControl.h"
#include "support/ScriptedResponder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString askDesign = QStringLiteral("Do you want to save the changes of 'Label Design'?");
const QString askBarcode = QStringLiteral("Do you want to save the changes?");

class ExitFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        c->window();
        platform::clearTerminateRequest();
    }
    void TearDown() override { platform::clearTerminateRequest(); }
    QStringList questions() { return responder->trimmedAlertMessages(); }
    DesignController &d() { return c->design(); }

    testsupport::AppEnvironment env{QString(), true};
    testsupport::ResponderScope responder;
    SKTWindowController *c = nullptr;
};

TEST_F(ExitFixture, DesigningModeWithBothFlagsAsksTwiceThenEnds)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Designing_Mode_Select();
    save_flag_des_mode = true;
    save_flag_barcode_mode = true;
    int modeAtSecond = -1;
    responder->alertAnswers = {QStringLiteral("No"), QStringLiteral("No")};
    commandsOf(d()).Exit_App();
    modeAtSecond = Barcode_Setting_Or_Designing_Mode;
    EXPECT_EQ(questions(), (QStringList{askDesign, askBarcode}));
    EXPECT_EQ(modeAtSecond, 0);
    EXPECT_TRUE(platform::terminateRequested());
}

TEST_F(ExitFixture, FromBarcodeModeWithoutDesignChangesSwitchesWithoutAsking)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    save_flag_des_mode = false;
    save_flag_barcode_mode = false;
    commandsOf(d()).Exit_App();
    EXPECT_TRUE(questions().isEmpty());
    EXPECT_EQ(int(Barcode_Setting_Or_Designing_Mode), 1);
    EXPECT_TRUE(platform::terminateRequested());
}

TEST_F(ExitFixture, FromAdvancedQrModeAsksOnlyAboutTheBarcode)
{
    if (ONLY_STD_MODE || ONLY_QR_MODE)
        GTEST_SKIP() << "needs both the Advanced QR and the Barcode mode";
    c->Advance_QR_Mode_Select();
    save_flag_barcode_mode = true;
    save_flag_des_mode = false;
    responder->alertAnswers = {QStringLiteral("No")};
    commandsOf(d()).Exit_App();
    EXPECT_EQ(questions(), QStringList{askBarcode});
    EXPECT_TRUE(platform::terminateRequested());
}

TEST_F(ExitFixture, CancelInTheSecondPromptKeepsThatMode)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Designing_Mode_Select();
    save_flag_des_mode = true;
    save_flag_barcode_mode = true;
    responder->alertAnswers = {QStringLiteral("No"), QStringLiteral("Cancel")};
    commandsOf(d()).Exit_App();
    EXPECT_FALSE(platform::terminateRequested());
    EXPECT_EQ(int(Barcode_Setting_Or_Designing_Mode), 0);
    EXPECT_TRUE(save_flag_barcode_mode);
}

TEST_F(ExitFixture, ClosingTheWindowRunsTheExitPrompt)
{
    c->Designing_Mode_Select();
    save_flag_des_mode = true;
    save_flag_barcode_mode = false;
    responder->alertAnswers = {QStringLiteral("Cancel")};
    EXPECT_FALSE(c->window()->close());
    EXPECT_EQ(questions(), QStringList{askDesign});
    EXPECT_FALSE(platform::terminateRequested());
}

TEST_F(ExitFixture, EachAnswerToTheDesignsQuestion)
{
    struct Case {
        QString answer;
        bool chosenPath;   // the project has a file (else the save panel is cancelled)
        bool ends;
        bool savedFlag;    // the design's unsaved flag after the walk
    };
    const Case cases[] = {
        {QStringLiteral("Yes"), true, true, false},
        {QStringLiteral("Yes"), false, false, true},
        {QStringLiteral("No"), false, true, true},
        {QStringLiteral("Cancel"), false, false, true},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE((k.answer + (k.chosenPath ? QStringLiteral(" with a file") : QString())).toStdString());
        platform::clearTerminateRequest();
        responder->alerts.clear();
        c->Designing_Mode_Select();
        save_flag_des_mode = true;
        save_flag_barcode_mode = false;
        const QString path = QDir(env.dataHome()).filePath(QStringLiteral("walk.") + design_file_EXT);
        QFile::remove(path);
        Project_File_Name = k.chosenPath ? path : QString();
        responder->alertAnswers = {k.answer};
        commandsOf(d()).Exit_App();
        EXPECT_EQ(questions().value(0), askDesign);
        EXPECT_EQ(platform::terminateRequested(), k.ends);
        EXPECT_EQ(bool(save_flag_des_mode), k.savedFlag);
        EXPECT_EQ(QFileInfo::exists(path), k.chosenPath);
    }
}

TEST_F(ExitFixture, TheWindowsCloseAfterADecidedExitIsNotAskedAgain)
{
    c->Designing_Mode_Select();
    save_flag_des_mode = true;
    save_flag_barcode_mode = false;
    responder->alertAnswers = {QStringLiteral("No")};
    commandsOf(d()).Exit_App();
    ASSERT_TRUE(platform::terminateRequested());
    // The program ends by closing its window: that close goes through without a second question.
    EXPECT_TRUE(c->window()->close());
    EXPECT_EQ(questions(), QStringList{askDesign});
}

TEST_F(ExitFixture, AFailedSaveStopsTheCommand)
{
    c->Designing_Mode_Select();
    save_flag_des_mode = true;
    Project_File_Name.clear();
    responder->alertAnswers = {QStringLiteral("Yes")};   // the save panel is then cancelled
    EXPECT_EQ(commandsOf(d()).Check_And_Show_Save_Message(true, true, QStringLiteral("N")), 0);
    EXPECT_TRUE(save_flag_des_mode);
}

TEST_F(ExitFixture, SaveCategoryNeverAsks)
{
    // In the Advanced QR mode there is nothing to save: 1 at once.
    if (!ONLY_STD_MODE) {
        c->Advance_QR_Mode_Select();
        save_flag_barcode_mode = save_flag_des_mode = true;
        EXPECT_EQ(commandsOf(d()).Check_And_Show_Save_Message(false, false, QStringLiteral("S")), 1);
        EXPECT_TRUE(responder->alerts.isEmpty());
        EXPECT_TRUE(responder->saveRequests.isEmpty());
    }
    // In the Designing mode it saves straight away (here: to the path chosen in the panel).
    c->Designing_Mode_Select();
    Project_File_Name.clear();
    const QString path = QDir(env.dataHome()).filePath(QStringLiteral("saved.") + design_file_EXT);
    responder->saveAnswers = {path};
    EXPECT_EQ(commandsOf(d()).Check_And_Show_Save_Message(false, false, QStringLiteral("S")), 1);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_TRUE(questions().filter(askDesign).isEmpty());
}

TEST_F(ExitFixture, CardButtonsShowTheCardAndACancelledLibraryLeavesTheFill)
{
    c->Designing_Mode_Select();
    QCheckBox *fill = testsupport::pageControl<QCheckBox>(sidebarOf(d()).card_bkgd_tab, "Card_fill_chk");
    commandsOf(d()).Card_Prop_Clicked();
    const bool fillBefore = fill->isChecked();
    const QString styleBefore = cardOf(d()).Front_card_Prop->Card_fill_style;
    const QString before = cardOf(d()).Front_card_Prop->Card_BG_Image_Path;
    const int modals = responder->modalCount;
    commandsOf(d()).Card_Bckgrnd_Clicked();   // the library is cancelled: no answer scripted
    EXPECT_EQ(fill->isChecked(), fillBefore);
    EXPECT_EQ(cardOf(d()).Front_card_Prop->Card_fill_style, styleBefore);
    EXPECT_EQ(cardOf(d()).Front_card_Prop->Card_BG_Image_Path, before);
    EXPECT_EQ(responder->modalCount, modals + 1);
    EXPECT_EQ(Image_Library::defaultInstance()->control_or_BG, QStringLiteral("B"));
}

// A change of the card's own settings alone asks at Close, New, Quit (Cancel keeps it) and Open (No drops
// it, Yes saves it first); the design opened again is unchanged.
TEST_F(ExitFixture, ACardSettingAloneAsksBeforeItIsLost)
{
    c->Designing_Mode_Select();
    c->Set_Text_Change_Notification();
    save_flag_barcode_mode = false;
    PropertySidebar &bar = sidebarOf(d());
    const auto control = [](QWidget *page, const char *name) { return testsupport::pageControl<QWidget>(page, name); };
    const auto click = [&](QWidget *page, const char *name) { qobject_cast<QAbstractButton *>(control(page, name))->click(); };
    click(bar.card_brdr_tab, "enable_watermark_chk");   // saved with its watermark on, to type into
    const QString path = QDir(env.dataHome()).filePath(QStringLiteral("card.") + design_file_EXT);
    responder->saveAnswers = {path};
    c->Save_As_menu_item->trigger();
    const QString picture = Resource_Path + QStringLiteral("/LibraryImage/Leaf.png");
    const std::function<void()> settings[] = {   // watermark text and transparency, border, background, card info, card size
        [&] { QTest::keyClicks(control(bar.card_brdr_tab, "watermark_text"), QStringLiteral("X")); },
        [&] { QTest::keyClick(control(bar.card_brdr_tab, "wm_transp_slider"), Qt::Key_PageDown); },
        [&] { click(bar.card_brdr_tab, "Card_border_chk"); },
        [&] { click(bar.card_bkgd_tab, "Card_gradient_fill_rd"); },
        [&] { click(bar.card_info_tab, "matrix_card_shape_2"); },
        [&] {
            QTest::keyClick(control(bar.card_size_tab, "width_Text"), Qt::Key_Home);
            QTest::keyClicks(control(bar.card_size_tab, "width_Text"), QStringLiteral("5\r"));   // 5100 mm
            click(bar.card_size_tab, "apply_size_btn");
        },
        [&] { click(bar.card_bkgd_tab, "Card_Image_fill_rd"), c->Save_menu_item->trigger();   // a background picture alone, browsed
              responder->openAnswers = {{picture}}, click(bar.card_bkgd_tab, "card_image_browse_btn"); },   // then from the library
        [&] { responder->onModal = [&](QDialog &) { return Image_Library::defaultInstance()->selected_image = picture, 1; },
              click(bar.card_bkgd_tab, "card_image_library_btn"); }};
    const char *const roads[] = {"Close_menu_item", "New_menu_item", "Quit_menu_item"};
    for (size_t i = 0; i < std::size(settings); ++i) {
        settings[i]();
        const Card_Property changed = *cardOf(d()).Front_card_Prop;
        for (const char *road : {roads[i % 3], "Open_menu_item"}) {
            responder->alerts.clear();
            responder->alertAnswers = {road[0] != 'O' ? "Cancel" : i % 2 ? "Yes" : "No"};
            responder->openAnswers = {{path}};
            c->window()->findChild<QAction *>(QLatin1String(road))->trigger();
            EXPECT_EQ(questions().value(0).toStdString(), askDesign.toStdString()) << i << road;
        }
        EXPECT_EQ(Same_Card_Settings(changed, *cardOf(d()).Front_card_Prop), i % 2 == 1) << i;
        EXPECT_FALSE(save_flag_des_mode) << i;
    }
}

class TemplateExport : public ExitFixture {
protected:
    QString folder() const { return DesignCommands::User_Template_Folder(); }
    void exportOnce()
    {
        responder->alertAnswers = {QStringLiteral("Yes")};
        commandsOf(d()).Export_As_Template_Clicked();
    }
    void SetUp() override
    {
        ExitFixture::SetUp();
        c->Designing_Mode_Select();
        auto text = std::make_shared<SKTText>();
        text->_bounds = QRectF(10, 10, 80, 20);
        text->Set_text_value(QStringLiteral("Card"));
        c->document()->insertGraphics({text}, {0});
    }
};

TEST_F(TemplateExport, WritesTheDesignAndItsPictureAndCountsOnWhenTaken)
{
    exportOnce();
    EXPECT_TRUE(QFileInfo::exists(folder() + QStringLiteral("/My_Template.") + design_file_EXT));
    EXPECT_TRUE(QFileInfo::exists(folder() + QStringLiteral("/My_Template.png")));
    EXPECT_EQ(questions().last(), QStringLiteral("Template exported successfully."));
    exportOnce();
    EXPECT_TRUE(QFileInfo::exists(folder() + QStringLiteral("/My_Template (1).") + design_file_EXT));
    EXPECT_TRUE(QFileInfo::exists(folder() + QStringLiteral("/My_Template (1).png")));
}

TEST_F(TemplateExport, NameAndOneTakenGiveTwo)
{
    ASSERT_TRUE(QDir().mkpath(folder()));
    for (const QString &name : {QStringLiteral("My_Template."), QStringLiteral("My_Template (1).")}) {
        QFile f(folder() + QLatin1Char('/') + name + design_file_EXT);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    exportOnce();
    EXPECT_TRUE(QFileInfo::exists(folder() + QStringLiteral("/My_Template (2).") + design_file_EXT));
    EXPECT_TRUE(QFileInfo::exists(folder() + QStringLiteral("/My_Template (2).png")));
}

TEST_F(TemplateExport, ATemplateDifferingOnlyInTheCaseOfItsExtensionIsNeverOverwritten)
{
    ASSERT_TRUE(QDir().mkpath(folder()));
    const QString earlier = folder() + QStringLiteral("/My_Template.") + design_file_EXT.toUpper();
    {
        QFile f(earlier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("earlier");
    }
    exportOnce();
    QFile f(earlier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("earlier"));
    EXPECT_FALSE(QFileInfo::exists(folder() + QStringLiteral("/My_Template.") + design_file_EXT));
    EXPECT_TRUE(QFileInfo::exists(folder() + QStringLiteral("/My_Template (1).") + design_file_EXT));
}

TEST_F(TemplateExport, KeepsTheBindingsTheProjectNameAndTheUnsavedFlagOnScreen)
{
    auto bound = std::static_pointer_cast<SKTText>(c->document()->graphics().first());
    bound->data_source_type = 1;
    bound->batch_list_name = QStringLiteral("Names");
    Project_File_Name = QStringLiteral("/somewhere/open.") + design_file_EXT;
    save_flag_des_mode = true;
    exportOnce();
    ASSERT_EQ(c->document()->graphics().size(), 1);
    EXPECT_EQ(c->document()->graphics().first()->data_source_type, 1);
    EXPECT_EQ(c->document()->graphics().first()->batch_list_name, QStringLiteral("Names"));
    EXPECT_EQ(Project_File_Name, QStringLiteral("/somewhere/open.") + design_file_EXT);
    EXPECT_TRUE(save_flag_des_mode);
}

TEST_F(TemplateExport, NoWritesNothing)
{
    responder->alertAnswers = {QStringLiteral("No")};
    commandsOf(d()).Export_As_Template_Clicked();
    EXPECT_FALSE(QFileInfo::exists(folder() + QStringLiteral("/My_Template.") + design_file_EXT));
}

} // namespace
