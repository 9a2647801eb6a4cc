// The label export sheet's own handlers on the sheet alone: the checks of its OK, the naming rows and
// the used-data lists; and the exports' free-name rule.

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "outputjobs/OutputGlobals.h"
#include "output/ExportWindow.h"
#include "output/OutputController.h"
#include "support/AppEnvironment.h"
#include "support/DataFolderEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SheetHandlers : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet = std::make_unique<ExportWindow>();
        sheet->Export_Dest_Path->setText(folder.path());
        sheet->exp_rad_def->click();
        sheet->All_print_rd->setChecked(true);
        Total_Batch_Excel_Card = 4;
    }
    ExportWindow &w() { return *sheet; }
    void touch(const QString &name)
    {
        QFile f(QDir(folder.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString in(const QString &name) const { return QDir(folder.path()).filePath(name); }

    testsupport::DataFolderEnvironment folders;   // fresh globals before and after
    testsupport::ResponderScope responder;
    std::unique_ptr<ExportWindow> sheet;
    QTemporaryDir folder;
};

// The sheet alone again, with the program's controller (without its window) that shows messages.
class SheetMessages : public SheetHandlers {
protected:
    void TearDown() override { sheet.reset(); }   // the sheet goes before the controller

    testsupport::AppEnvironment env;
};

// The free-name rule belongs to the exports, not to the sheet.
class FreeNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
    }
    OutputController &out() { return c->output(); }
    void touch(const QString &name)
    {
        QFile f(QDir(folder.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString in(const QString &name) const { return QDir(folder.path()).filePath(name); }

    testsupport::AppEnvironment env;
    SKTWindowController *c = nullptr;
    QTemporaryDir folder;
};

TEST_F(SheetMessages, OkRefusesIncompleteChoices)
{
    struct Case {
        const char *what;
        std::function<void()> setUp;
        QString message;
    };
    const QList<Case> cases = {
        {"no destination", [&] { w().Export_Dest_Path->clear(); }, QStringLiteral("Please select destination path.")},
        {"destination is a file", [&] { touch(QStringLiteral("f")); w().Export_Dest_Path->setText(in(QStringLiteral("f"))); },
         QStringLiteral("Please select destination path.")},
        {"custom name empty", [&] { w().exp_rad_cus->click(); w().ex_bar_cus_name->setText(QStringLiteral("   ")); },
         QStringLiteral("Please enter valid file name.")},
        {"series row without series", [&] { w().exp_rad_sv->click(); }, QStringLiteral("Please select series name.")},
        {"column row without column", [&] { w().exp_rad_exl_col->click(); }, QStringLiteral("Please select excel column.")},
        {"prefix and suffix empty", [&] { w().prefix_suffix_chk_box->setChecked(true); },
         QStringLiteral("Please enter prefix or suffix value.")},
        {"from above to", [&] { w().Sel_print_rd->setChecked(true); w().from_Text->setText(QStringLiteral("3")); w().To_Text->setText(QStringLiteral("2")); },
         QStringLiteral("Please select valid range.")},
    };
    for (const Case &k : cases) {
        SetUp();
        responder->alerts.clear();
        k.setUp();
        w().setResult(0);
        w().exportOkay();
        EXPECT_EQ(w().result(), 0) << k.what;
        EXPECT_EQ(responder->alertMessages(), QStringList{QLatin1Char('\n') + k.message}) << k.what;
        w().prefix_suffix_chk_box->setChecked(false);
        w().Sel_print_rd->setChecked(false);
    }
}

TEST_F(SheetMessages, OkLeavesTheChoices)
{
    w().exp_rad_cus->click();
    w().ex_bar_cus_name->setText(QStringLiteral(" Badge.v2 "));
    w().prefix_suffix_chk_box->setChecked(true);
    w().ex_bar_prefix->setText(QStringLiteral(" A "));
    w().ex_bar_image_type_combo->setCurrentIndex(5);
    w().exportOkay();
    EXPECT_EQ(w().result(), 1);
    EXPECT_TRUE(responder->alerts.isEmpty());
    EXPECT_EQ(file_name_exported, QStringLiteral("Badge_v2"));
    EXPECT_EQ(file_prefix_exported, QStringLiteral("A"));
    EXPECT_EQ(file_sufix_exported, QString());
    EXPECT_EQ(file_path_ext, QStringLiteral("gif"));
    EXPECT_EQ(file_export_Path, folder.path());
    EXPECT_EQ(Print_Start, 0);
    EXPECT_EQ(Total_Label, 4);
    w().exportCancel();
    EXPECT_EQ(w().result(), 0);
    EXPECT_TRUE(file_name_exported.isEmpty());
    EXPECT_TRUE(file_path_ext.isEmpty());
}

TEST_F(SheetHandlers, NamingRowsShowTheirControls)
{
    w().Apply_Export_Name_Row(2);
    EXPECT_TRUE(w().exp_rad_sv->isChecked());
    EXPECT_FALSE(w().Used_Seres_In_Design->isHidden());
    EXPECT_TRUE(w().Used_Excel_Col_In_Design->isHidden());
    EXPECT_TRUE(w().ex_bar_cus_name->isHidden());
    w().Apply_Export_Name_Row(5);
    EXPECT_TRUE(w().Used_Seres_In_Design->isHidden());
    EXPECT_FALSE(w().Used_Excel_Col_In_Design->isHidden());
    w().Apply_Export_Name_Row(4);
    EXPECT_FALSE(w().ex_bar_cus_name->isHidden());
    EXPECT_TRUE(w().Used_Excel_Col_In_Design->isHidden());
}

TEST_F(FreeNames, CountUpAndIgnoreTheCaseOfTheExtension)
{
    EXPECT_EQ(out().Check_Exist_Path_and_Create_New(in(QStringLiteral("Label.png")), 1), in(QStringLiteral("Label.PNG")));
    touch(QStringLiteral("Label.png"));
    EXPECT_EQ(out().Check_Exist_Path_and_Create_New(in(QStringLiteral("Label.png")), 0), in(QStringLiteral("Label (1).PNG")));
    touch(QStringLiteral("Label (7).PNG"));
    EXPECT_EQ(out().Check_Exist_Path_and_Create_New(in(QStringLiteral("Label (7).png")), 7),
              in(QStringLiteral("Label (7) (7).PNG")));
    touch(QStringLiteral("Label (7) (7).png"));
    EXPECT_EQ(out().Check_Exist_Path_and_Create_New(in(QStringLiteral("Label (7).png")), 7),
              in(QStringLiteral("Label (7) (8).PNG")));
}

TEST_F(SheetHandlers, UsedListChecks)
{
    w().Used_Seres_In_Design->addItem(QStringLiteral("Names"));
    EXPECT_TRUE(w().Check_List_Name_Exist_In_Used_Ser_Combo(QStringLiteral(" ")));
    EXPECT_TRUE(w().Check_List_Name_Exist_In_Used_Ser_Combo(combo_first_Select));
    EXPECT_TRUE(w().Check_List_Name_Exist_In_Used_Ser_Combo(QStringLiteral("Names")));
    EXPECT_FALSE(w().Check_List_Name_Exist_In_Used_Ser_Combo(QStringLiteral("Codes")));
    EXPECT_FALSE(w().Check_Column_Name_Exist_In_Used_Excel_Combo(QStringLiteral("Names")));
}

} // namespace
