// The label export sheet's own handlers: the checks of its OK and the free-name rule.

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "design/DesignController.h"
#include "output/OutputController.h"
#include "support/AppEnvironment.h"
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
        c = env.controller();
        ASSERT_NE(c, nullptr);
        d().Build_Export_Window();
        d().Export_Dest_Path->setText(folder.path());
        d().exp_rad_def->click();
        d().All_print_rd->setChecked(true);
        Total_Batch_Excel_Card = 4;
    }
    DesignController &d() { return c->design(); }
    OutputController &out() { return c->output(); }
    void touch(const QString &name)
    {
        QFile f(QDir(folder.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString in(const QString &name) const { return QDir(folder.path()).filePath(name); }

    testsupport::AppEnvironment env;
    testsupport::ResponderScope responder;
    SKTWindowController *c = nullptr;
    QTemporaryDir folder;
};

TEST_F(SheetHandlers, OkRefusesIncompleteChoices)
{
    struct Case {
        const char *what;
        std::function<void()> setUp;
        QString message;
    };
    const QList<Case> cases = {
        {"no destination", [&] { d().Export_Dest_Path->clear(); }, QStringLiteral("Please select destination path.")},
        {"destination is a file", [&] { touch(QStringLiteral("f")); d().Export_Dest_Path->setText(in(QStringLiteral("f"))); },
         QStringLiteral("Please select destination path.")},
        {"custom name empty", [&] { d().exp_rad_cus->click(); d().ex_bar_cus_name->setText(QStringLiteral("   ")); },
         QStringLiteral("Please enter valid file name.")},
        {"series row without series", [&] { d().exp_rad_sv->click(); }, QStringLiteral("Please select series name.")},
        {"column row without column", [&] { d().exp_rad_exl_col->click(); }, QStringLiteral("Please select excel column.")},
        {"prefix and suffix empty", [&] { d().prefix_suffix_chk_box->setChecked(true); },
         QStringLiteral("Please enter prefix or suffix value.")},
        {"from above to", [&] { d().Sel_print_rd->setChecked(true); d().from_Text->setText(QStringLiteral("3")); d().To_Text->setText(QStringLiteral("2")); },
         QStringLiteral("Please select valid range.")},
    };
    for (const Case &k : cases) {
        SetUp();
        responder->alerts.clear();
        k.setUp();
        d().ExportWindow->setResult(0);
        out().exportOkay();
        EXPECT_EQ(d().ExportWindow->result(), 0) << k.what;
        EXPECT_EQ(responder->alertMessages(), QStringList{QLatin1Char('\n') + k.message}) << k.what;
        d().prefix_suffix_chk_box->setChecked(false);
        d().Sel_print_rd->setChecked(false);
    }
}

TEST_F(SheetHandlers, OkLeavesTheChoices)
{
    d().exp_rad_cus->click();
    d().ex_bar_cus_name->setText(QStringLiteral(" Badge.v2 "));
    d().prefix_suffix_chk_box->setChecked(true);
    d().ex_bar_prefix->setText(QStringLiteral(" A "));
    d().ex_bar_image_type_combo->setCurrentIndex(5);
    out().exportOkay();
    EXPECT_EQ(d().ExportWindow->result(), 1);
    EXPECT_TRUE(responder->alerts.isEmpty());
    EXPECT_EQ(file_name_exported, QStringLiteral("Badge_v2"));
    EXPECT_EQ(file_prefix_exported, QStringLiteral("A"));
    EXPECT_EQ(file_sufix_exported, QString());
    EXPECT_EQ(file_path_ext, QStringLiteral("gif"));
    EXPECT_EQ(file_export_Path, folder.path());
    EXPECT_EQ(Print_Start, 0);
    EXPECT_EQ(Total_Label, 4);
    out().exportCancel();
    EXPECT_EQ(d().ExportWindow->result(), 0);
    EXPECT_TRUE(file_name_exported.isEmpty());
    EXPECT_TRUE(file_path_ext.isEmpty());
}

TEST_F(SheetHandlers, NamingRowsShowTheirControls)
{
    out().Apply_Export_Name_Row(2);
    EXPECT_TRUE(d().exp_rad_sv->isChecked());
    EXPECT_FALSE(d().Used_Seres_In_Design->isHidden());
    EXPECT_TRUE(d().Used_Excel_Col_In_Design->isHidden());
    EXPECT_TRUE(d().ex_bar_cus_name->isHidden());
    out().Apply_Export_Name_Row(5);
    EXPECT_TRUE(d().Used_Seres_In_Design->isHidden());
    EXPECT_FALSE(d().Used_Excel_Col_In_Design->isHidden());
    out().Apply_Export_Name_Row(4);
    EXPECT_FALSE(d().ex_bar_cus_name->isHidden());
    EXPECT_TRUE(d().Used_Excel_Col_In_Design->isHidden());
}

TEST_F(SheetHandlers, FreeNamesCountUpAndIgnoreTheCaseOfTheExtension)
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
    d().Used_Seres_In_Design->addItem(QStringLiteral("Names"));
    EXPECT_TRUE(out().Check_List_Name_Exist_In_Used_Ser_Combo(QStringLiteral(" ")));
    EXPECT_TRUE(out().Check_List_Name_Exist_In_Used_Ser_Combo(combo_first_Select));
    EXPECT_TRUE(out().Check_List_Name_Exist_In_Used_Ser_Combo(QStringLiteral("Names")));
    EXPECT_FALSE(out().Check_List_Name_Exist_In_Used_Ser_Combo(QStringLiteral("Codes")));
    EXPECT_FALSE(out().Check_Column_Name_Exist_In_Used_Excel_Combo(QStringLiteral("Names")));
}

} // namespace
