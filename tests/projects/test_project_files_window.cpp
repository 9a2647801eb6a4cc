#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "core/Globals.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/Units.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "design/DesignCard.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "design/UndoStacks.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "design/DesignController.h"
#include "design/DesignCommands.h"
#include "design/EditingCommands.h"
#include "design/RecordBinding.h"
#include "design/ToolPalette.h"
#include "engines/Symbologies.h"
#include "model/DesignSnapshot.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Files.h"
#include "platform/PictureView.h"
#include "platform/Plist.h"
#include "platform/Quit.h"
#include "model/Card_Property.h"
#include "projects/ProjectFileDesign.h"
#include "projects/ProjectsController.h"
#include "ProjectWindowTest.h"
#include "support/AppEnvironment.h"
#include "support/Decode.h"
#include "support/Editions.h"
#include "support/ScriptedResponder.h"
#include "support/SyncFailure.h"

#include <QCheckBox>
#include <QAction>
#include <QBitmap>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {

using projecttest::bytesOf;
using projecttest::sample;

class ProjectFiles : public projecttest::ProjectWindowTest {
protected:
    void SetUp() override
    {
        ProjectWindowTest::SetUp();
        Measument_Unit_Is = last_unit_val = 2;
    }
};

TEST_F(ProjectFiles, OpeningADesignLoadsItsObjectsInFileOrder)
{
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true), 1);
    ASSERT_EQ(objects().size(), 4);
    EXPECT_EQ(objects()[0]->className(), QStringLiteral("Shape_Control"));
    EXPECT_EQ(objects()[0]->_shape_type, QStringLiteral("S"));
    const SKTGraphic &text = *objects()[1];
    EXPECT_EQ(text.text_ctrl_font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(text.text_ctrl_font.bold());
    EXPECT_DOUBLE_EQ(text.text_ctrl_font.pointSizeF(), 18);
    EXPECT_EQ(text.txt_clr.rgb(), QColor(Qt::red).rgb());
    // The barcode object had an empty picture block: drawn again from its settings.
    const SKTGraphic &barcode = *objects()[2];
    EXPECT_EQ(barcode.control_ID, QStringLiteral("BAR_1"));
    ASSERT_FALSE(barcode._barcode_image.isNull());
    EXPECT_EQ(barcode._bounds.size(), barcode._barcode_image.size());
    // The QR edition draws every barcode object as a QR Code.
    const auto decoded = testsupport::decode(barcode._barcode_image.toImage(600));
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.format, ONLY_QR_MODE ? QStringLiteral("QRCode") : QStringLiteral("Code128"));
    EXPECT_EQ(decoded.text, QStringLiteral("TAGORA-128"));
    EXPECT_EQ(objects()[3]->className(), QStringLiteral("SKTImage"));

    EXPECT_EQ(Project_File_Name, sample("design_four_objects.qbf"));
    EXPECT_EQ(cardOf(c->design()).Front_card_Prop->Card_BG_Image_Path, QStringLiteral("/somewhere/bg.png"));
    EXPECT_EQ(Barcode_Setting_Or_Designing_Mode.load(), 1);
    EXPECT_FALSE(Not_Draw_Only_Prop_Change);
    EXPECT_EQ(Ucontrol_Log.size(), 1);
    EXPECT_EQ(Ucontrol_Log.front()->count(), 4);
    EXPECT_EQ(c->window_->windowTitle(), c->App_Name + QStringLiteral(" ( Staff card - design_four_objects.qbf )"));
    // Undo registration is back on: an insertion is undoable again.
    EXPECT_TRUE(env.document()->undoManager().isUndoRegistrationEnabled());
}

TEST_F(ProjectFiles, SaveOpenSaveGivesTheSameBytes)
{
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true), 1);
    responder->saveAnswers = {path(QStringLiteral("card.qbf"))};
    ASSERT_TRUE(projects().Save_project_file(true, true, QStringLiteral("L")));
    ASSERT_EQ(responder->saveRequests.size(), 1);
    EXPECT_EQ(responder->saveRequests.front().extensions, QStringList{design_file_EXT});
    ASSERT_NE(projects().save_ext_combo, nullptr);
    EXPECT_EQ(projects().save_ext_combo->count(), 1);
    EXPECT_EQ(projects().save_ext_combo->itemText(0), design_file_EXT);
    EXPECT_TRUE(messages().contains(QStringLiteral("Barcode Label Design has been saved successfully.")));
    EXPECT_EQ(Project_File_Name, path(QStringLiteral("card.qbf")));
    EXPECT_EQ(c->window_->windowTitle(), c->App_Name + QStringLiteral(" ( Staff card - card.qbf )"));
    EXPECT_FALSE(save_flag_des_mode);

    projects().New_Project_Setting_Reset(true);
    EXPECT_EQ(objects().size(), 0);
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(path(QStringLiteral("card.qbf")), QStringLiteral("L"), true), 1);
    ASSERT_EQ(objects().size(), 4);
    EXPECT_FALSE(objects()[2]->_barcode_image.isNull());
    responder->saveAnswers = {path(QStringLiteral("again.qbf"))};
    ASSERT_TRUE(projects().Save_project_file(true, false, QStringLiteral("L")));

    EXPECT_EQ(bytesOf(path(QStringLiteral("again.qbf"))), bytesOf(path(QStringLiteral("card.qbf"))));
}

// Where a barcode object's settings draw nothing (a value its symbology refuses), Open keeps the
// picture the file holds.
TEST_F(ProjectFiles, ABarcodeObjectWhoseSettingsDrawNothingKeepsItsStoredPicture)
{
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true), 1);
    const QSizeF stored = objects()[2]->_barcode_image.size();
    objects()[2]->barcode_font_index = Symbologies::indexOf(QStringLiteral("EAN-13"));
    objects()[2]->linear_font_val = QStringLiteral("ABC");
    responder->saveAnswers = {path(QStringLiteral("refused.qbf"))};
    ASSERT_TRUE(projects().Save_project_file(true, false, QStringLiteral("L")));
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(Project_File_Name, QStringLiteral("L"), true), 1);
    EXPECT_EQ(objects()[2]->_barcode_image.size(), stored);
}

// Every string item of a property list that reads as the number from, replaced by the text to;
// answers how many were.
int replaceNumber(platform::PlistValue &value, double from, const QString &to)
{
    if (value.type() == platform::PlistValue::Type::String) {
        bool ok = false;
        if (value.toString().toDouble(&ok) != from || !ok)
            return 0;
        value = platform::PlistValue::string(to);
        return 1;
    }
    int replaced = 0;
    for (platform::PlistValue &item : value.items())
        replaced += replaceNumber(item, from, to);
    return replaced;
}

TEST_F(ProjectFiles, PictureEffectsFarPastTheirSlidersOpenClamped)
{
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true), 1);
    ASSERT_EQ(objects()[3]->className(), QStringLiteral("SKTImage"));
    // Each effect saved with a marker value, then the marker replaced in the file by what a crafted
    // file holds: numbers far past the sliders, and a number too large for the field, which reads
    // as infinite.
    const QString pastFloat = QStringLiteral("1") + QString(39, QLatin1Char('0'));
    const struct {
        float SKTGraphic::*field;
        float marker;
        QString crafted;
        float opened;
    } cases[] = {
        {&SKTGraphic::blr_val, 77.25f, QStringLiteral("10000000"), 100},
        {&SKTGraphic::hue_val, 2.75f, QStringLiteral("-7"), -3.14f},
        {&SKTGraphic::sat_val, 1.75f, pastFloat, 1},
        {&SKTGraphic::con_val, 3.25f, QStringLiteral("0"), 0.25f},
        {&SKTGraphic::ev_val, 9.75f, QStringLiteral("-100000000000000000000000000000"), -10},
        {&SKTGraphic::rotate_image, 123.5f, QStringLiteral("1000000000"), 360},
        {&SKTGraphic::img_trnsp_val, 55.25f, QStringLiteral("-0.5"), 0},
        {&SKTGraphic::srp_val, 1.25f, QStringLiteral("1.5"), 1.5f},
    };
    for (const auto &c : cases)
        (*objects()[3]).*c.field = c.marker;
    responder->saveAnswers = {path(QStringLiteral("markers.qbf"))};
    ASSERT_TRUE(projects().Save_project_file(true, true, QStringLiteral("L")));
    std::optional<platform::PlistValue> root = platform::readPlistFile(path(QStringLiteral("markers.qbf")));
    ASSERT_TRUE(root.has_value());
    for (const auto &c : cases)
        ASSERT_EQ(replaceNumber(*root, c.marker, c.crafted), 1) << c.crafted.toStdString();
    ASSERT_TRUE(platform::writePlistFile(path(QStringLiteral("crafted.qbf")), *root));

    projects().New_Project_Setting_Reset(true);
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(path(QStringLiteral("crafted.qbf")), QStringLiteral("L"), true), 1);
    ASSERT_EQ(objects().size(), 4);
    for (const auto &c : cases)
        EXPECT_FLOAT_EQ((*objects()[3]).*c.field, c.opened) << c.crafted.toStdString();
}

TEST_F(ProjectFiles, SaveWithABlankNameAsksAndCancelKeepsEverything)
{
    Project_File_Name = QStringLiteral("   ");
    EXPECT_FALSE(projects().Save_project_file(false, true, QStringLiteral("L")));
    EXPECT_EQ(responder->saveRequests.size(), 1);
    EXPECT_EQ(Project_File_Name, QStringLiteral("   "));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ProjectFiles, AFailedSaveKeepsTheFlagThePathAndTheOldFile)
{
    const QString folder = path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QString target = folder + QStringLiteral("/card.qbf");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous contents");
    old.close();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(folder + QStringLiteral("/probe"));
    const bool permissionsHold = !probe.open(QIODevice::WriteOnly);
    // Where folder permissions do not bind (a root user), a folder that is a file cannot be written either.
    if (!permissionsHold)
        target = target + QStringLiteral("/inside.qbf");
    Project_File_Name = target;
    save_flag_des_mode = true;
    EXPECT_FALSE(projects().Save_project_file(false, true, QStringLiteral("L")));
    EXPECT_TRUE(save_flag_des_mode);
    EXPECT_EQ(Project_File_Name, target);
    EXPECT_EQ(bytesOf(folder + QStringLiteral("/card.qbf")), QByteArray("previous contents"));
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_TRUE(messages().last().startsWith(QStringLiteral("Barcode Label Design could not be saved.")));

    // A new name that cannot be written puts the old name back.
    Project_File_Name = QStringLiteral("/the/old/name.qbf");
    responder->saveAnswers = {target};
    EXPECT_FALSE(projects().Save_project_file(true, true, QStringLiteral("L")));
    EXPECT_EQ(Project_File_Name, QStringLiteral("/the/old/name.qbf"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Another took the temporary's name before the commit: the file named once.
    platform::setCommitStepHook([](const QString &temporary) { QFile::remove(temporary); });
    Project_File_Name = path(QStringLiteral("Regal-Sommer.qbf"));
    EXPECT_FALSE(projects().Save_project_file(false, true, QStringLiteral("L")));
    platform::setCommitStepHook(nullptr);
    EXPECT_EQ(messages().last().toStdString(), "Barcode Label Design could not be saved.\nRegal-Sommer.qbf: It was replaced while it was being saved");
}

TEST_F(ProjectFiles, AFailedBarcodeSaveReportsIt)
{
    SKIP_WITHOUT_BARCODE_MODE();
    const QString blocker = path(QStringLiteral("plain_file"));
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    projects().Project_File_Name_Barcode = blocker + QStringLiteral("/codes.qbf");
    save_flag_barcode_mode = true;
    EXPECT_FALSE(projects().Save_project_file_Barcode(false));
    EXPECT_TRUE(save_flag_barcode_mode);
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_TRUE(messages().last().startsWith(QStringLiteral("Barcode Log could not be saved.")));
}

// A plain Save goes where the project was opened or last saved: into a folder of the user's own moved
// to that folder's name, never into another user's put there: the message names whose it is and
// offers Save As…; Cancel keeps everything, Save As… saves where the panel says.
TEST_F(ProjectFiles, APlainSaveWritesNothingIntoAnothersFolderPutInPlaceOfItsOwn)
{
    const struct passwd *account = ::getpwuid(65534);
    const QString theirs = account ? QString::fromLocal8Bit(account->pw_name) : QStringLiteral("user 65534");
    for (const int mode : {1, 0}) {   // the design, the Barcode mode's log
        if (mode == 0 && ONLY_QR_MODE)
            continue;
        const QString folder = path(QStringLiteral("Regale%1").arg(mode)), file = folder + QStringLiteral("/opened.qbf");
        const QString elsewhere = path(QStringLiteral("elsewhere%1.qbf").arg(mode));
        const QString what = mode ? QStringLiteral("Barcode Label Design") : QStringLiteral("Barcode Log");
        const auto replace = [&](const char *aside) { return QDir().rename(folder, folder + aside) && QDir().mkdir(folder); };
        ASSERT_TRUE(QDir().mkpath(folder) && QFile::copy(sample(mode ? "design_four_objects.qbf" : "barcode_qr.qbf"), file));
        mode ? c->Designing_Mode_Select() : c->Barcode_Mode_Select();
        save_flag_des_mode = save_flag_barcode_mode = false;
        responder->openAnswers = {{file}};
        c->Open_menu_item->trigger();
        ASSERT_TRUE(replace("~1"));
        c->Save_menu_item->trigger();
        EXPECT_TRUE(QFile::exists(file)) << mode;
        ASSERT_TRUE(replace("~2"));
        if (::chown(QFile::encodeName(folder).constData(), 65534, 65534) != 0)
            GTEST_SKIP() << "only root gives a folder to another user";
        responder->alerts.clear();
        responder->alertAnswers = {QStringLiteral("Cancel"), QStringLiteral("Save As…")};
        responder->saveAnswers = {elsewhere};
        c->Save_menu_item->trigger();
        EXPECT_EQ(mode ? Project_File_Name : projects().Project_File_Name_Barcode, file);
        c->Save_menu_item->trigger();
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList()) << mode;
        const QString refused = what + QStringLiteral(" could not be saved: the folder \"%1\" is no longer the one it was opened from or last "
                                                      "saved to, but a folder that belongs to the account \"%2\". Nothing was written there.")
                                           .arg(folder, theirs);
        EXPECT_EQ(messages().join('\n').toStdString(), (QStringList{refused, refused, what + " has been saved successfully."}).join('\n').toStdString());
        EXPECT_TRUE(platform::readPlistFile(elsewhere).has_value()) << mode;
    }
}

// The folder's sync fails after the rename: the file holds the new project, so it is saved, and the
// user is told it may not outlast a power cut, by a quiet save too.
TEST_F(ProjectFiles, ASaveWhoseFolderCannotBeSyncedIsSavedAndSaysSo)
{
    const testsupport::SyncFailure failing(dir.path());
    for (const int saving : {0, 1, 2}) {   // the design, quietly, the Barcode mode's log
        if (saving == 2 && ONLY_QR_MODE)
            continue;
        saving == 2 ? c->Barcode_Mode_Select() : c->Designing_Mode_Select();
        const QString name = QStringLiteral("sync%1.qbf").arg(saving);
        (saving == 2 ? projects().Project_File_Name_Barcode : Project_File_Name) = path(name);
        responder->alerts.clear();
        save_flag_des_mode = save_flag_barcode_mode = true;
        EXPECT_TRUE(saving == 2 ? projects().Save_project_file_Barcode(false) : projects().Save_project_file(false, saving == 0, "L"));
        EXPECT_EQ(messages(), QStringList{(saving == 2 ? QStringLiteral("Barcode Log") : QStringLiteral("Barcode Label Design"))
                                          + QStringLiteral(" was saved, but the system could not confirm it is on the disk (%1); "
                                                           "it may not outlast a power cut.").arg(testsupport::SyncFailure::reason())});
        EXPECT_FALSE(saving == 2 ? save_flag_barcode_mode : save_flag_des_mode) << saving;
        EXPECT_EQ(c->window_->windowTitle().contains(name), saving != 1) << saving;   // a quiet save leaves the title
    }
}

TEST_F(ProjectFiles, TemplatesOpenAsUnsavedDesignsWithoutTheirBinding)
{
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true), 1);
    objects()[1]->data_source_type = 1;
    objects()[1]->batch_list_name = QStringLiteral("Names");
    Project_File_Name = path(QStringLiteral("template.qbf"));
    ASSERT_TRUE(projects().Save_project_file(false, false, QStringLiteral("T")));
    const auto root = platform::readPlistFile(path(QStringLiteral("template.qbf")));
    ASSERT_TRUE(root.has_value());
    EXPECT_EQ(root->items()[2].toString(), QStringLiteral("T"));
    EXPECT_TRUE(root->items()[39].items().empty());
    EXPECT_TRUE(root->items()[40].items().empty());
    EXPECT_EQ(root->items()[43].items()[20].toString(), QStringLiteral("0"));   // the text's binding cleared
    EXPECT_EQ(root->items()[43].items()[22].toString(), QStringLiteral("-1"));

    Excel_Source_Path = QStringLiteral("kept");
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(path(QStringLiteral("template.qbf")), QStringLiteral("T"), false), 1);
    EXPECT_TRUE(Project_File_Name.isEmpty());
    EXPECT_EQ(Start_Card_Option, QStringLiteral("T"));
    EXPECT_EQ(Excel_Source_Path, QStringLiteral("kept"));
}

TEST_F(ProjectFiles, StartOptionAndSpreadsheetLinkOfAFile)
{
    Start_Card_Option = QStringLiteral("W");
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_empty.qbf"), QStringLiteral("L"), true), 1);
    EXPECT_EQ(Start_Card_Option, QStringLiteral("L"));   // a stored "G" opens as a project
    EXPECT_EQ(objects().size(), 0);

    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_bad_count.qbf"), QStringLiteral("L"), true), 1);
    // Seven announced, three present, one of them of no class: two objects in file order.
    ASSERT_EQ(objects().size(), 2);
    EXPECT_EQ(objects()[0]->className(), QStringLiteral("Shape_Control"));
    EXPECT_EQ(objects()[1]->className(), QStringLiteral("SKTText"));
    EXPECT_TRUE(Excel_Binding_Use);
    EXPECT_EQ(Excel_Source_Path, QStringLiteral("/data/people.xlsx"));
    EXPECT_EQ(recordsOf(c->design()).Linked_Sheet.columnTitles, (QStringList{QStringLiteral("Name"), QStringLiteral("City")}));
    ASSERT_EQ(recordsOf(c->design()).Linked_Sheet.rows.size(), 1);
    EXPECT_EQ(recordsOf(c->design()).Get_First_Value_Of_Excel_Binding(2), QStringLiteral("Oslo"));
}

TEST_F(ProjectFiles, RefusedDesignFilesChangeNothingOpen)
{
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true), 1);
    const QString before = designState();
    struct Case {
        const char *file;
        QString messageStart;
    };
    const Case cases[] = {
        {"wrong_magic.qbf", projectfile::kCorruptFileMessage},
        {"design_short.qbf", QStringLiteral("30 - \n")},
        {"design_bad_size.qbf", QStringLiteral("21 - \n")},
        {"no_such_file.qbf", projectfile::kCorruptFileMessage},
    };
    for (const Case &cs : cases) {
        responder->alerts.clear();
        EXPECT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample(cs.file), QStringLiteral("L"), true), 0) << cs.file;
        ASSERT_EQ(messages().size(), 1) << cs.file;
        EXPECT_TRUE(messages().front().startsWith(cs.messageStart)) << cs.file;
        EXPECT_EQ(designState(), before) << cs.file;
        EXPECT_FALSE(Not_Draw_Only_Prop_Change);
    }
}

TEST_F(ProjectFiles, EveryTruncationOfASavedDesignChangesNothing)
{
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true), 1);
    const QByteArray whole = bytesOf(sample("design_four_objects.qbf"));
    const QString before = designState();
    const QString cut = path(QStringLiteral("cut.qbf"));
    const auto complete = platform::plistFromData(whole);
    for (qsizetype n = 0; n < whole.size(); n += 7) {
        if (platform::plistFromData(whole.left(n)) == complete)
            continue;   // only the closing tags are missing: the file is whole
        QFile f(cut);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(whole.left(n));
        f.close();
        EXPECT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(cut, QStringLiteral("L"), true), 0) << n;
        ASSERT_EQ(designState(), before) << n;
    }
}

TEST_F(ProjectFiles, BarcodeSettingsSaveNewAndOpen)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    projects().Read_Barcode_Log_File(sample("barcode_qr.qbf"));
    BarcodeModeController &bm = c->barcodeMode();
    EXPECT_EQ(bm.chosenSymbologyTitle(), QStringLiteral("QR Code"));
    EXPECT_EQ(bm.barcode_clr->color().rgb(), QColor(Qt::red).rgb());
    EXPECT_TRUE(bm.brcd_bk_clr_trnsp_rd->isChecked());
    EXPECT_FALSE(bm.brcd_bk_clr_rd->isChecked());
    EXPECT_EQ(bm.ListData_barcode.size(), 3);
    EXPECT_EQ(bm.Get_Two_D_Value_From_Field(), QStringLiteral("https://example.org/qr"));
    EXPECT_EQ(Measument_Unit_Is_Barcode, 2);
    EXPECT_EQ(bm.value_font_value->text(), QStringLiteral("DejaVu Sans Bold ( 14.00 )"));
    EXPECT_TRUE(bm.value_font.bold());
    // A font this machine lacks: the default font at 10 points.
    EXPECT_EQ(bm.footer_font.family(), QFont(Text_Ctrl_Font).family());
    EXPECT_DOUBLE_EQ(bm.footer_font.pointSizeF(), 10);
    EXPECT_EQ(projects().Project_File_Name_Barcode, sample("barcode_qr.qbf"));
    EXPECT_EQ(Barcode_Setting_Or_Designing_Mode.load(), 0);
    const QString opened = panelState();

    responder->saveAnswers = {path(QStringLiteral("codes.qbf"))};
    ASSERT_TRUE(projects().Save_project_file_Barcode(true));
    EXPECT_TRUE(messages().contains(QStringLiteral("Barcode Log has been saved successfully.")));
    EXPECT_EQ(c->window_->windowTitle(), c->App_Name + QStringLiteral(" ( codes.qbf )"));

    projects().New_Project_Barcode();
    EXPECT_EQ(bm.dataText->text(), QStringLiteral("123456789012"));
    EXPECT_EQ(bm.HeaderText->text(), QStringLiteral("HEADER"));
    EXPECT_EQ(bm.FooterText->text(), QStringLiteral("FOOTER"));
    EXPECT_EQ(Measument_Unit_Is_Barcode, 1);
    EXPECT_TRUE(bm.ListData_barcode.isEmpty());
    EXPECT_TRUE(projects().Project_File_Name_Barcode.isEmpty());
    EXPECT_EQ(bm.HeightText->text(), QStringLiteral("1"));
    EXPECT_EQ(bm.widthText->text(), QStringLiteral("20"));

    projects().Read_Barcode_Log_File(path(QStringLiteral("codes.qbf")));
    QString again = panelState();
    EXPECT_EQ(again.section(QLatin1Char('|'), 0, 7), opened.section(QLatin1Char('|'), 0, 7));
    EXPECT_TRUE(bm.brcd_bk_clr_trnsp_rd->isChecked());
    EXPECT_EQ(bm.Get_Two_D_Value_From_Field(), QStringLiteral("https://example.org/qr"));
}

TEST_F(ProjectFiles, RefusedBarcodeFilesLeaveThePanel)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    projects().Read_Barcode_Log_File(sample("barcode_qr.qbf"));
    const QString before = panelState();
    for (const char *name : {"barcode_bad_colour.qbf", "barcode_colour_cycle.qbf", "wrong_magic.qbf"}) {
        responder->alerts.clear();
        projects().Read_Barcode_Log_File(sample(name));
        EXPECT_EQ(messages(), QStringList{projectfile::kCorruptFileMessage}) << name;
        EXPECT_EQ(panelState(), before) << name;
    }
    const QByteArray whole = bytesOf(sample("barcode_qr.qbf"));
    const QString cut = path(QStringLiteral("cut.qbf"));
    const auto complete = platform::plistFromData(whole);
    for (qsizetype n = 0; n < whole.size(); n += 5) {
        if (platform::plistFromData(whole.left(n)) == complete)
            continue;
        QFile f(cut);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(whole.left(n));
        f.close();
        projects().Read_Barcode_Log_File(cut);
        ASSERT_EQ(panelState(), before) << n;
    }
}

TEST_F(ProjectFiles, OlderAndShorterBarcodeFiles)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    BarcodeModeController &bm = c->barcodeMode();
    projects().Read_Barcode_Log_File(sample("barcode_older.qbf"));
    EXPECT_EQ(bm.chosenSymbologyTitle(), QStringLiteral("QR Code"));
    EXPECT_EQ(bm.ListData_barcode.size(), 3);
    EXPECT_TRUE(bm.Custom_Sheet_RD->isChecked());
    EXPECT_FALSE(bm.Data_Set_Sheet_RD->isChecked());
    // A 56-element file: the logo and transparency settings stay; the clear background still counts.
    bm.Use_Logo_chk->setChecked(true);
    projects().Read_Barcode_Log_File(sample("barcode_56.qbf"));
    EXPECT_TRUE(bm.Use_Logo_chk->isChecked());
    EXPECT_TRUE(bm.brcd_bk_clr_trnsp_rd->isChecked());
}

TEST_F(ProjectFiles, OpenCommandsCrossModes)
{
    SKIP_WITHOUT_BARCODE_MODE();
    // A design opened through the barcode reader opens in Designing mode with a fresh history.
    c->Barcode_Mode_Select();
    responder->openAnswers = {{sample("design_four_objects.qbf")}};
    projects().Open_Log_file_Func();
    EXPECT_EQ(Barcode_Setting_Or_Designing_Mode.load(), 1);
    EXPECT_EQ(objects().size(), 4);
    EXPECT_EQ(Ucontrol.size(), 1);
    EXPECT_TRUE(Rcontrol.isEmpty());

    // A barcode file opened in Designing mode ends in Barcode mode; the opened design is not saved.
    responder->alertAnswers = {QStringLiteral("No")};
    responder->openAnswers = {{sample("barcode_qr.qbf")}};
    projects().Open_Log_file_Func();
    EXPECT_EQ(Barcode_Setting_Or_Designing_Mode.load(), 0);
    EXPECT_EQ(c->barcodeMode().chosenSymbologyTitle(), QStringLiteral("QR Code"));
    EXPECT_EQ(responder->openRequests.back().extensions, (QStringList{QStringLiteral("qbf"), QStringLiteral("qlf")}));
}

// A typed Barcode-mode value asks at Quit, even one that draws no symbol: a linear value that is
// none of EAN-13, a 2D value erased. A project just opened does not ask, opened from the Designing
// mode (where No leaves the window) or from the Barcode mode. Cancel keeps the window, No ends.
TEST_F(ProjectFiles, ATypedBarcodeValueAsksAtQuitAndAnOpenedProjectDoesNot)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Set_Text_Change_Notification();
    c->window_->show();
    QApplication::setActiveWindow(c->window_);   // the 2D value reports the typing it has the focus for
    BarcodeModeController &bm = c->barcodeMode();
    bm.dataText_2D->setPlainText(QStringLiteral("Hello"));
    for (auto [symbology, value, keys] : {std::tuple<const char *, QWidget *, const char *>{"EAN-13", bm.dataText, "Hello"},
                                          {"QR Code", bm.dataText_2D, "\b"}}) {
        c->Barcode_Mode_Select();
        bm.barcodeTypePopup->setCurrentText(QString::fromLatin1(symbology));
        emit bm.barcodeTypePopup->activated(bm.barcodeTypePopup->currentIndex());
        save_flag_barcode_mode = save_flag_des_mode = false;
        value->setFocus();
        QTest::keyClick(value, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(value, QString::fromLatin1(keys));   // typed over the whole value
        for (const char *answer : {"Cancel", "No"}) {
            responder->alerts.clear();
            responder->alertAnswers = {QString::fromLatin1(answer)};
            c->Quit_menu_item->trigger();
            EXPECT_EQ(messages(), QStringList{QStringLiteral("Do you want to save the changes?")}) << symbology;
            EXPECT_EQ(platform::terminateRequested(), QByteArray(answer) == "No");
        }
        platform::clearTerminateRequest();
    }
    const QString copy = path(QStringLiteral("opened.qbf"));   // a save the test does not expect keeps off the sample
    ASSERT_TRUE(QFile::copy(sample("barcode_qr.qbf"), copy));
    for (const bool fromBarcodeMode : {false, true}) {
        if (fromBarcodeMode)
            c->Barcode_Mode_Select();
        save_flag_barcode_mode = true;
        responder->alertAnswers = {QStringLiteral("No")};
        responder->openAnswers = {{copy}};
        c->Open_menu_item->trigger();
        ASSERT_EQ(bm.chosenSymbologyTitle(), QStringLiteral("QR Code"));
        responder->alerts.clear();
        c->Quit_menu_item->trigger();
        EXPECT_TRUE(messages().isEmpty()) << fromBarcodeMode;
        EXPECT_TRUE(platform::terminateRequested());
        platform::clearTerminateRequest();
    }
}

// A 2D symbol is previewed at one size while typed, once the editing ends and once its project is
// opened again: the size the output resolution gives it.
TEST_F(ProjectFiles, ATwoDSymbolTypedAndOpenedIsPreviewedAtOneSize)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Set_Text_Change_Notification();
    c->Barcode_Mode_Select();
    c->window_->show();
    QApplication::setActiveWindow(c->window_);   // the 2D value reports the typing it has the focus for
    BarcodeModeController &bm = c->barcodeMode();
    const auto drawnWidth = [view = c->window_->findChild<QWidget *>(QStringLiteral("barcodeImage"))] {
        QImage shown(view->size(), QImage::Format_RGB32);
        shown.fill(Qt::white);
        view->render(&shown);
        return QRegion(QBitmap::fromImage(shown.createMaskFromColor(qRgb(0, 0, 0), Qt::MaskOutColor))).boundingRect().width();
    };
    for (auto [title, field, size] : {std::tuple{"QR Code", bm.HeightText_2D, "110\r"}, {"DataMatrix", bm.dm_moduleText_2D, "1\r"},
                                      {"PDF417", bm.Pdf_widthText_2D, "240\r"}}) {
        bm.barcodeTypePopup->setCurrentText(QString::fromLatin1(title));
        emit bm.barcodeTypePopup->activated(bm.barcodeTypePopup->currentIndex());
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(size));
        bm.dataText_2D->clear();
        bm.dataText_2D->setFocus();
        QTest::keyClicks(bm.dataText_2D, QStringLiteral("https://example.org/labels/2026/TAGORA-0123456789"));
        const int typed = drawnWidth();
        ASSERT_GT(typed, 20) << title;
        bm.HeaderText->setFocus();   // the editing ends: the final symbol
        EXPECT_EQ(drawnWidth(), typed) << title;
        responder->saveAnswers = {path(QStringLiteral("twod.qbf"))};
        c->Save_As_menu_item->trigger();
        responder->openAnswers = {{path(QStringLiteral("twod.qbf"))}};
        c->Open_menu_item->trigger();
        EXPECT_EQ(drawnWidth(), typed) << title;
    }
}

// Opens a design through the File menu's Open, as the user does, choosing the file.
class OpenCommand : public ProjectFiles {
protected:
    void SetUp() override
    {
        ProjectFiles::SetUp();
        c->Designing_Mode_Select();
        // A copy: a save the test does not expect must not reach the sample.
        const QString copy = path(QStringLiteral("opened.qbf"));
        ASSERT_TRUE(QFile::copy(sample("design_four_objects.qbf"), copy));
        responder->openAnswers = {{copy}};
        c->Open_menu_item->trigger();
        ASSERT_EQ(objects().size(), 4);
        responder->alerts.clear();
    }
    QString title() { return c->window()->windowTitle(); }
};

TEST_F(OpenCommand, ADesignJustOpenedIsUnchangedAndQuitAsksNothing)
{
    EXPECT_FALSE(save_flag_des_mode);
    ASSERT_EQ(Ucontrol.size(), 1);
    EXPECT_FALSE(editingOf(c->design()).Undo_btn->isEnabled());
    save_flag_barcode_mode = false;
    commandsOf(c->design()).Exit_App();
    EXPECT_TRUE(messages().isEmpty());
    platform::clearTerminateRequest();
}

TEST_F(OpenCommand, CancelInTheOpenPanelChangesNothing)
{
    const QString before = designState();
    const QString titleBefore = title();
    const QString startOption = Start_Card_Option;
    const int modals = responder->modalCount;
    c->Open_menu_item->trigger();   // the panel is cancelled
    EXPECT_EQ(responder->openRequests.size(), 2);
    EXPECT_TRUE(messages().isEmpty());   // an untouched design is not offered for saving
    EXPECT_EQ(responder->modalCount, modals);   // no New Design wizard
    EXPECT_EQ(designState(), before);
    EXPECT_EQ(title(), titleBefore);
    EXPECT_EQ(Start_Card_Option, startOption);
    EXPECT_FALSE(Not_Draw_Only_Prop_Change);
}

TEST_F(OpenCommand, ARefusedFileKeepsTheOpenDesignItsHistoryAndItsUnsavedFlag)
{
    workAreaOf(c->design()).tool_palette->Rect_Tool_btn->click();
    ASSERT_EQ(objects().size(), 5);
    ASSERT_TRUE(save_flag_des_mode);
    const QString before = designState();
    const QString titleBefore = title();
    const int steps = int(Ucontrol.size());
    const int modals = responder->modalCount;
    for (const char *refused : {"wrong_magic.qbf", "design_short.qbf"}) {
        SCOPED_TRACE(refused);
        responder->alerts.clear();
        responder->alertAnswers = {QStringLiteral("No")};   // not saved first
        responder->openAnswers = {{sample(refused)}};
        c->Open_menu_item->trigger();
        ASSERT_EQ(messages().size(), 2);
        EXPECT_EQ(messages().first(), QStringLiteral("Do you want to save the changes of 'Label Design'?"));
        EXPECT_EQ(designState(), before);
        EXPECT_EQ(title(), titleBefore);
        EXPECT_EQ(int(Ucontrol.size()), steps);
        EXPECT_TRUE(save_flag_des_mode);
        EXPECT_TRUE(editingOf(c->design()).Undo_btn->isEnabled());
        EXPECT_EQ(responder->modalCount, modals);
    }
    // The history still undoes the rectangle.
    editingOf(c->design()).Undo_btn->click();
    EXPECT_EQ(objects().size(), 4);
}

TEST_F(ProjectFiles, ResetNumbersBarcodeObjectsAnewAndSelectsTheFront)
{
    ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true), 1);
    EXPECT_EQ(BAR_CTRL, 1);
    c->design().last_ctrl_X = 300;
    projects().New_Project_Setting_Reset(true);
    EXPECT_EQ(BAR_CTRL, 0);
    EXPECT_EQ(objects().size(), 0);
    EXPECT_DOUBLE_EQ(c->design().last_ctrl_X, 10.0);
    EXPECT_DOUBLE_EQ(c->design().last_ctrl_X_Exeed_Count, 2.0);
    EXPECT_TRUE(Ucontrol_Log.isEmpty());
}

TEST_F(ProjectFiles, ResetLeavesTheChosenTemplateAndThePrintLayoutAlone)
{
    // A new design is not a new print layout: the print window keeps its own choices, and the
    // template chosen in a gallery stays chosen until the start flow itself clears it.
    Selected_Template_Path = QStringLiteral("/templates/badge.qlf");
    cus_or_pre = QStringLiteral("P");
    Manual_or_Pre = 1;
    predef_page_wdt = 595.0f;
    predef_page_hgt = 842.0f;
    projects().New_Project_Setting_Reset(true);
    EXPECT_EQ(Selected_Template_Path, QStringLiteral("/templates/badge.qlf"));
    EXPECT_EQ(cus_or_pre, QStringLiteral("P"));
    EXPECT_EQ(Manual_or_Pre, 1);
    EXPECT_FLOAT_EQ(predef_page_wdt, 595.0f);
    EXPECT_FLOAT_EQ(predef_page_hgt, 842.0f);
}

TEST_F(ProjectFiles, ResetTurnsUndoAndRedoOff)
{
    // The wizard that follows a reset hides the work area; its Undo must not reach the design left behind.
    projects().New_Project_Setting_Reset(true);
    undoStacksOf(c->design()).Record_Design_As_Started();
    workAreaOf(c->design()).tool_palette->Rect_Tool_Clicked();
    workAreaOf(c->design()).tool_palette->Rect_Tool_Clicked();
    undoStacksOf(c->design()).Undo_Action_Perform();
    ASSERT_NE(editingOf(c->design()).Undo_btn, nullptr);
    ASSERT_NE(c->undo_menu, nullptr);
    ASSERT_TRUE(editingOf(c->design()).Undo_btn->isEnabled());
    ASSERT_TRUE(editingOf(c->design()).Redo_btn->isEnabled());
    projects().New_Project_Setting_Reset(true);
    EXPECT_FALSE(editingOf(c->design()).Undo_btn->isEnabled());
    EXPECT_FALSE(c->undo_menu->isEnabled());
    EXPECT_FALSE(editingOf(c->design()).Redo_btn->isEnabled());
    EXPECT_FALSE(c->redo_menu->isEnabled());
    EXPECT_TRUE(Ucontrol.isEmpty());
    EXPECT_TRUE(Rcontrol.isEmpty());
}

} // namespace

TEST_F(ProjectFiles, ADesignStartedBlankSavesItsCardSizeAndOpensAgain)
{
    // The blank design of start-up and of a cancelled wizard, with one object drawn.
    for (const bool afterOpen : {false, true}) {
        SCOPED_TRACE(afterOpen ? "reset after an opened design" : "reset at start-up");
        if (afterOpen) {
            ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(sample("design_four_objects.qbf"), QStringLiteral("L"), true), 1);
        }
        projects().New_Project_Setting_Reset(true);
        const QSizeF shown = workAreaOf(c->design()).canvasFrameSize;
        ASSERT_GT(shown.width(), 0);
        workAreaOf(c->design()).tool_palette->Rect_Tool_Clicked();
        ASSERT_EQ(objects().size(), 1);
        const QString file = path(afterOpen ? QStringLiteral("b.qbf") : QStringLiteral("a.qbf"));
        responder->saveAnswers = {file};
        ASSERT_TRUE(projects().Save_project_file(true, true, QStringLiteral("L")));
        projects().New_Project_Setting_Reset(true);
        ASSERT_EQ(projects().Read_and_load_design_Log_NEW_METHOD(file, QStringLiteral("L"), true), 1) << messages().join('\n').toStdString();
        EXPECT_EQ(objects().size(), 1);
        EXPECT_EQ(workAreaOf(c->design()).canvasFrameSize, shown);
    }
}
