// The template galleries of the QR edition: the wizard's categories and user templates, and the
// template panel of the work area.

#include "design/DesignParts.h"
#include "WizardFixture.h"
#include "app/SKTWindowController.h"

#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/ToolPalette.h"
#include "imagetools/ImageBrowserModel.h"
#include "model/SKTDocument.h"
#include "platform/Files.h"
#include "projects/ProjectsController.h"
#include "projects/RHS_Templates.h"
#include "projects/TemplateGallery.h"
#include "platform/Stepper.h"
#include "model/DesignGlobals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/UserFolders.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

#define SKIP_WITHOUT_TEMPLATES()                                                                                       \
    do {                                                                                                               \
        if (!ONLY_QR_MODE)                                                                                             \
            GTEST_SKIP() << "templates belong to the QR edition";                                                      \
    } while (0)

class TemplateGallery : public WizardFixture {
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        base = resources.path() + QStringLiteral("/Templates/AllType");
        userFolder = Created_Resource_Path + QStringLiteral("/Templates/User");
        QDir().mkpath(userFolder);
    }
    void touch(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    void shipped(const QStringList &relative)
    {
        for (const QString &r : relative)
            touch(base + QLatin1Char('/') + r);
        Resource_Path = resources.path();
    }
    QStringList uids() const
    {
        QStringList out;
        for (const MyImageObject &item : wizard->images->images())
            out << item.uid;
        return out;
    }
    QTemporaryDir resources;
    QString base;
    QString userFolder;
};

TEST_F(TemplateGallery, AllCategoriesComeGroupedByFolderThenFileName)
{
    SKIP_WITHOUT_TEMPLATES();
    shipped({QStringLiteral("2Social/b.png"), QStringLiteral("2Social/a.jpg"), QStringLiteral("1Popular/z.png"),
             QStringLiteral("1Popular/c.PNG"), QStringLiteral("1Popular/c.qlf"), QStringLiteral("User/u.png"),
             QStringLiteral("5Other/readme.txt")});
    wizard->temp_type_matrix_CellClick(0);
    EXPECT_EQ(wizard->Sel_Template_Category, QStringLiteral("A"));
    EXPECT_EQ(uids(), (QStringList{QStringLiteral("1Popular/c.PNG"), QStringLiteral("1Popular/z.png"),
                                   QStringLiteral("2Social/a.jpg"), QStringLiteral("2Social/b.png")}));
    EXPECT_EQ(wizard->images->images().at(0).name, QStringLiteral("c.PNG"));
    // The first item is chosen: its design file, with the resource folder left out of the label.
    EXPECT_EQ(Selected_Template_Path, base + QStringLiteral("/1Popular/c.qlf"));
    EXPECT_EQ(wizard->sel_temp_path->text(), QStringLiteral("/Templates/AllType/1Popular/c.qlf"));
    EXPECT_TRUE(wizard->Delete_UD_Temp_Btn->isHidden());

    // One category; a missing category folder leaves the gallery as it was.
    wizard->temp_type_matrix_CellClick(2);
    EXPECT_EQ(wizard->Sel_Template_Category, QStringLiteral("S"));
    EXPECT_EQ(uids(), (QStringList{QStringLiteral("2Social/a.jpg"), QStringLiteral("2Social/b.png")}));
    wizard->temp_type_matrix_CellClick(3);
    EXPECT_EQ(wizard->Sel_Template_Category, QStringLiteral("B"));
    EXPECT_EQ(uids(), (QStringList{QStringLiteral("2Social/a.jpg"), QStringLiteral("2Social/b.png")}));
    EXPECT_EQ(Selected_Template_Path, base + QStringLiteral("/2Social/a.qlf"));
}

TEST_F(TemplateGallery, ACapitalJpgChoosesItsQlfDesign)
{
    SKIP_WITHOUT_TEMPLATES();
    shipped({QStringLiteral("4Payment/Card.JPG"), QStringLiteral("4Payment/Other.png")});
    wizard->temp_type_matrix_CellClick(4);
    ASSERT_EQ(wizard->images->numberOfItemsInImageBrowser(), 2);
    wizard->imageBrowser->selectionModel()->select(wizard->images->index(1), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(Selected_Template_Path, base + QStringLiteral("/4Payment/Other.qlf"));
    wizard->imageBrowser->selectionModel()->select(wizard->images->index(0), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(Selected_Template_Path, base + QStringLiteral("/4Payment/Card.qlf"));
    EXPECT_EQ(templategallery::Design_Path_Of(QStringLiteral("/a.b/x.y.JPG")), QStringLiteral("/a.b/x.y.qlf"));
}

// The user's regenerated thumbnail (per-user "Templates/AllType") is shown; choosing it opens the shipped design.
TEST_F(TemplateGallery, ARegeneratedThumbnailStandsInForTheShippedOne)
{
    SKIP_WITHOUT_TEMPLATES();
    shipped({QStringLiteral("1Popular/Badge.jpg"), QStringLiteral("1Popular/Other.png")});
    const QString regenerated = Created_Resource_Path + QStringLiteral("/Templates/AllType/1Popular/Badge.png");
    touch(regenerated);
    RHS_Templates *panel = RHS_Templates::defaultInstance();
    panel->Fill_Templates();
    for (int column : {0, 1}) {
        wizard->temp_type_matrix_CellClick(column);
        for (ImageBrowserModel *gallery : {wizard->images, panel->images}) {
            ASSERT_EQ(gallery->numberOfItemsInImageBrowser(), 2);
            EXPECT_EQ(gallery->images().at(0).path, regenerated) << column;
            EXPECT_EQ(gallery->images().at(1).path, base + QStringLiteral("/1Popular/Other.png")) << column;
        }
        EXPECT_EQ(Selected_Template_Path, base + QStringLiteral("/1Popular/Badge.qlf")) << column;
    }
}

TEST_F(TemplateGallery, DeletingTheLastUserTemplateEmptiesTheGallery)
{
    SKIP_WITHOUT_TEMPLATES();
    touch(userFolder + QStringLiteral("/My_Template1.png"));
    touch(userFolder + QStringLiteral("/My_Template1.qlf"));
    const quint64 before = Card_Wizard::User_Defined_File;
    wizard->temp_type_matrix_CellClick(6);
    EXPECT_FALSE(wizard->Delete_UD_Temp_Btn->isHidden());
    EXPECT_EQ(wizard->Sel_Template_Category, QStringLiteral("U"));
    ASSERT_EQ(uids(), QStringList{QString::asprintf("TEMP%llu.png", static_cast<unsigned long long>(before))});
    EXPECT_EQ(Selected_Template_Path, userFolder + QStringLiteral("/My_Template1.qlf"));
    // A refill gives the thumbnail a new identifier.
    wizard->temp_type_matrix_CellClick(6);
    EXPECT_EQ(uids(), QStringList{QString::asprintf("TEMP%llu.png", static_cast<unsigned long long>(before + 1))});

    responder->alertAnswers = {QStringLiteral("No")};
    wizard->Delete_UD_Temp_Btn->click();
    EXPECT_TRUE(QFileInfo::exists(userFolder + QStringLiteral("/My_Template1.qlf")));
    responder->alertAnswers = {QStringLiteral("Yes")};
    wizard->Delete_UD_Temp_Btn->click();
    EXPECT_EQ(messages().last(), QStringLiteral("Do you want to delete this template?"));
    EXPECT_FALSE(QFileInfo::exists(userFolder + QStringLiteral("/My_Template1.qlf")));
    EXPECT_FALSE(QFileInfo::exists(userFolder + QStringLiteral("/My_Template1.png")));
    EXPECT_EQ(wizard->images->numberOfItemsInImageBrowser(), 0);
    EXPECT_EQ(Selected_Template_Path, QStringLiteral(""));
    wizard->Delete_UD_Temp_Btn->click();
    EXPECT_EQ(messages().last(), QStringLiteral("Please select template."));
}

TEST_F(TemplateGallery, DeleteNeverRemovesAShippedTemplate)
{
    SKIP_WITHOUT_TEMPLATES();
    shipped({QStringLiteral("1Popular/Badge.png"), QStringLiteral("1Popular/Badge.qlf")});
    wizard->temp_type_matrix_CellClick(0);
    ASSERT_EQ(wizard->images->numberOfItemsInImageBrowser(), 1);
    // Without a user folder the gallery keeps the shipped thumbnails, one of them chosen.
    ASSERT_TRUE(QDir(userFolder).removeRecursively());
    wizard->temp_type_matrix_CellClick(6);
    EXPECT_FALSE(wizard->Delete_UD_Temp_Btn->isHidden());
    ASSERT_EQ(Selected_Template_Path, base + QStringLiteral("/1Popular/Badge.qlf"));
    responder->alertAnswers = {QStringLiteral("Yes")};
    wizard->Delete_UD_Temp_Btn->click();
    EXPECT_TRUE(QFileInfo::exists(base + QStringLiteral("/1Popular/Badge.qlf")));
    EXPECT_TRUE(QFileInfo::exists(base + QStringLiteral("/1Popular/Badge.png")));
    EXPECT_EQ(messages().last(), QStringLiteral("Please select template."));
}

TEST_F(TemplateGallery, OkWithNothingChosenMakesABlankDesign)
{
    SKIP_WITHOUT_TEMPLATES();
    Resource_Path = resources.path();   // no templates shipped at all
    Barcode_Setting_Or_Designing_Mode = 1;
    whenWizardRuns([](Card_Wizard &w) {
        EXPECT_TRUE(w.template_radio_btn->isChecked());
        EXPECT_EQ(w.images->numberOfItemsInImageBrowser(), 0);
        EXPECT_TRUE(Selected_Template_Path.isEmpty());
        w.Select_Template_OK_Btn->click();
    });
    c->projects().Open_Start_Window();
    EXPECT_EQ(wizardRuns, 1);
    EXPECT_EQ(c->projects().Start_Result, 1);
    EXPECT_NEAR(workAreaOf(c->design()).canvasFrameSize.width(), 100 * 2.834645669291, 0.01);
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Ucontrol.size(), 1);
}

TEST_F(TemplateGallery, AChosenTemplateGoesToTheProjectReaderAsATemplate)
{
    SKIP_WITHOUT_TEMPLATES();
    shipped({QStringLiteral("1Popular/Badge.png")});
    Barcode_Setting_Or_Designing_Mode = 1;
    whenWizardRuns([](Card_Wizard &w) { w.Select_Template_OK_Btn->click(); });
    c->projects().Open_Start_Window();
    // The design file is missing here, so the reader's message comes and the flow ends as for a
    // template that cannot be read.
    EXPECT_EQ(Selected_Template_Path, base + QStringLiteral("/1Popular/Badge.qlf"));
    EXPECT_TRUE(messages().contains(QStringLiteral("File cannot be opened. Selected File is corrupt or invalid.")));
    EXPECT_EQ(c->projects().Start_Result, 0);
}

TEST_F(TemplateGallery, ThePanelAsksBeforeItReplacesAnUnsavedDesign)
{
    SKIP_WITHOUT_TEMPLATES();
    RHS_Templates *panel = RHS_Templates::defaultInstance();
    shipped({QStringLiteral("2Social/b.png"), QStringLiteral("1Popular/a.png"), QStringLiteral("User/u.png")});
    panel->Fill_Templates();
    ASSERT_EQ(panel->images->numberOfItemsInImageBrowser(), 2);
    EXPECT_EQ(panel->images->images().at(0).uid, QStringLiteral("1Popular/a.png"));
    EXPECT_TRUE(panel->imageBrowser->selectionModel()->selectedIndexes().isEmpty());

    c->Set_Des_Mode_Save_Flag_TRUE();
    responder->alertAnswers = {QStringLiteral("Cancel")};
    panel->imageBrowser->selectionModel()->select(panel->images->index(1), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(Selected_Template_Path, base + QStringLiteral("/2Social/b.qlf"));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Do you want to save the changes of 'Label Design'?")});
    EXPECT_TRUE(save_flag_des_mode);   // kept: nothing was opened

    panel->Clear_Selection();
    c->Set_Des_Mode_Save_Flag_False();
    panel->imageBrowser->selectionModel()->select(panel->images->index(1), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(messages().size(), 2);   // no question without changes; the reader was asked
    EXPECT_EQ(messages().last(), QStringLiteral("File cannot be opened. Selected File is corrupt or invalid."));

    // A missing template folder leaves the panel as it was.
    Resource_Path = resources.path() + QStringLiteral("/none");
    panel->Fill_Templates();
    EXPECT_EQ(panel->images->numberOfItemsInImageBrowser(), 2);
}

TEST_F(TemplateGallery, ATemplateFromThePanelIsTheBottomOfTheHistory)
{
    SKIP_WITHOUT_TEMPLATES();
    RHS_Templates *panel = RHS_Templates::defaultInstance();
    Resource_Path = platform::resourceFolder();
    panel->Fill_Templates();
    ASSERT_GT(panel->images->numberOfItemsInImageBrowser(), 0);
    c->Set_Des_Mode_Save_Flag_False();
    panel->imageBrowser->selectionModel()->select(panel->images->index(0), QItemSelectionModel::ClearAndSelect);
    const qsizetype opened = c->document()->graphics().size();
    ASSERT_GT(opened, 0);
    EXPECT_EQ(Ucontrol.size(), 1);
    EXPECT_FALSE(save_flag_des_mode);
    EXPECT_FALSE(editingOf(c->design()).Undo_btn->isEnabled());
    // The first object drawn can be undone, back to the template.
    workAreaOf(c->design()).tool_palette->Rect_Tool_btn->click();
    ASSERT_EQ(c->document()->graphics().size(), opened + 1);
    editingOf(c->design()).Undo_btn->click();
    EXPECT_EQ(c->document()->graphics().size(), opened);
}

} // namespace
