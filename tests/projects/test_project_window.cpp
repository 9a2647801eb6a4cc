#include "app/SKTWindowController.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/Units.h"
#include "design/DesignCard.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "model/DesignGlobals.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "outputjobs/LabelCatalogue.h"
#include "platform/ColorWell.h"
#include "platform/Files.h"
#include "platform/Stepper.h"
#include "model/Card_Property.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"
#include "projects/ProjectsController.h"
#include "design/panels/CardInfoPanel.h"
#include "design/panels/CardSizePanel.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ProjectWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        page = std::make_unique<QWidget>();
        workAreaOf(c->design()).buildDesigningPanel(page.get());
        Measument_Unit_Is = last_unit_val = 2;
    }
    void TearDown() override { page.reset(); }
    QString touch(const QString &name)
    {
        const QString path = env.dataHome() + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return path;
    }

    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = nullptr;
    std::unique_ptr<QWidget> page;
};

TEST_F(ProjectWindow, TitleFollowsTheModeAndTheProject)
{
    const QString base = c->App_Name;
    ASSERT_FALSE(base.isEmpty());
    const QString design = touch(QStringLiteral("Card.qbf"));
    const QString barcode = touch(QStringLiteral("Codes.qbf"));

    Barcode_Setting_Or_Designing_Mode = 0;
    c->projects().Project_File_Name_Barcode = barcode;
    c->projects().Set_Log_Name_In_Title();
    EXPECT_EQ(c->window_->windowTitle(), base + QStringLiteral(" ( Codes.qbf )"));
    c->projects().Project_File_Name_Barcode = env.dataHome() + QStringLiteral("/gone.qbf");
    c->projects().Set_Log_Name_In_Title();
    EXPECT_EQ(c->window_->windowTitle(), base);

    Barcode_Setting_Or_Designing_Mode = 1;
    cardOf(c->design()).Front_card_Prop->Card_Name = QStringLiteral("Untitled");
    Project_File_Name.clear();
    c->projects().Set_Log_Name_In_Title();
    EXPECT_EQ(c->window_->windowTitle(), base + QStringLiteral(" ( Untitled )"));
    Project_File_Name = design;
    c->projects().Set_Log_Name_In_Title();
    EXPECT_EQ(c->window_->windowTitle(), base + QStringLiteral(" ( Untitled - Card.qbf )"));
    cardOf(c->design()).Front_card_Prop->Card_Name = QString();
    c->projects().Set_Log_Name_In_Title();
    EXPECT_EQ(c->window_->windowTitle(), base + QStringLiteral(" ( Card.qbf )"));

    Barcode_Setting_Or_Designing_Mode = 2;
    c->projects().Set_Log_Name_In_Title();
    EXPECT_EQ(c->window_->windowTitle(), base);
}

TEST_F(ProjectWindow, CatalogueFillsTheProductList)
{
    const QString path = labelstock::Catalogue_Path(platform::resourceFolder(), QStringLiteral("Avery"));
    sidebarOf(c->design()).cardSizePanel()->Product_num_ComboBox->clear();
    const int read = c->projects().Read_XML_File(path, QString(), QString(), false);
    EXPECT_GT(read, 0);
    ASSERT_EQ(sidebarOf(c->design()).cardSizePanel()->Product_num_ComboBox->count(), read);
    EXPECT_EQ(int(c->projects().prod_list.size()), read);
    EXPECT_EQ(sidebarOf(c->design()).cardSizePanel()->Product_num_ComboBox->itemText(0), c->projects().prod_list.at(0).paper_number);
    // The host selects: the reader leaves the list without a selection.
    EXPECT_EQ(sidebarOf(c->design()).cardSizePanel()->Product_num_ComboBox->currentIndex(), -1);
    EXPECT_EQ(c->projects().Read_XML_File(env.dataHome() + QStringLiteral("/none.xml"), QString(), QString(), false), 0);
    EXPECT_TRUE(c->projects().prod_list.empty());
}

TEST_F(ProjectWindow, ChosenProductSizeShowsInTheDesignUnit)
{
    const QString path = labelstock::Catalogue_Path(platform::resourceFolder(), QStringLiteral("Avery"));
    sidebarOf(c->design()).cardSizePanel()->Product_num_ComboBox->clear();
    c->projects().Read_XML_File(path, QString(), QString(), false);
    const int at = sidebarOf(c->design()).cardSizePanel()->Product_num_ComboBox->findText(QStringLiteral("5160"));
    ASSERT_GE(at, 0);
    sidebarOf(c->design()).cardSizePanel()->Product_num_ComboBox->setCurrentIndex(at);

    c->projects().Read_Selected_Product_Label_Value();
    EXPECT_EQ(sidebarOf(c->design()).cardSizePanel()->width_Text->text(), QStringLiteral("66.68"));   // 2.625 in
    EXPECT_EQ(sidebarOf(c->design()).cardSizePanel()->height_Text->text(), QStringLiteral("25.40"));
    EXPECT_NEAR(sidebarOf(c->design()).cardSizePanel()->width_Stepper->doubleValue(), 66.675, 0.01);

    // In inches the fields show inches, not millimetres under an inch label.
    Measument_Unit_Is = last_unit_val = 0;
    c->projects().Read_Selected_Product_Label_Value();
    EXPECT_EQ(sidebarOf(c->design()).cardSizePanel()->width_Text->text(), QStringLiteral("2.63"));
    EXPECT_EQ(sidebarOf(c->design()).cardSizePanel()->height_Text->text(), QStringLiteral("1.00"));
    EXPECT_EQ(last_unit_val, 0);

    sidebarOf(c->design()).cardSizePanel()->Product_num_ComboBox->setCurrentIndex(-1);
    sidebarOf(c->design()).cardSizePanel()->width_Text->setText(QStringLiteral("9"));
    c->projects().Read_Selected_Product_Label_Value();
    EXPECT_EQ(sidebarOf(c->design()).cardSizePanel()->width_Text->text(), QStringLiteral("9"));
}

TEST_F(ProjectWindow, ResetLeavesABlankDesign)
{
    Project_File_Name = QStringLiteral("/some/file.qbf");
    Library_Selected_Image = QStringLiteral("/a.png");
    cardOf(c->design()).Front_card_Prop->Card_Name = QStringLiteral("Old");
    cardOf(c->design()).Front_card_Prop->Card_fill_style = QStringLiteral("G");
    sidebarOf(c->design()).cardSizePanel()->width_Text->setText(QStringLiteral("12"));
    workAreaOf(c->design()).Zoom_In_Toolbar_btn();
    sidebarOf(c->design()).cardSizePanel()->Label_ComboBox->addItem(QStringLiteral("Avery"));
    sidebarOf(c->design()).cardSizePanel()->Label_ComboBox->setCurrentIndex(1);
    sidebarOf(c->design()).cardSizePanel()->Product_num_ComboBox->setEnabled(true);
    sidebarOf(c->design()).cardSizePanel()->Enable_Disable_Size_Param_Acc_To_Label_Selection(false);
    QGuiApplication::clipboard()->setText(QStringLiteral("left over"));
    sidebarOf(c->design()).Remove_All_Tab_Items();
    save_flag_des_mode = true;

    c->projects().New_Project_Setting_Reset(true);
    EXPECT_FALSE(Not_Draw_Only_Prop_Change);
    EXPECT_FALSE(save_flag_des_mode);
    EXPECT_TRUE(Project_File_Name.isEmpty());
    EXPECT_TRUE(Library_Selected_Image.isEmpty());
    EXPECT_EQ(cardOf(c->design()).Front_card_Prop->Card_Name, QStringLiteral("Untitled"));
    EXPECT_EQ(cardOf(c->design()).Front_card_Prop->Card_fill_style, QStringLiteral("S"));
    EXPECT_EQ(sidebarOf(c->design()).cardSizePanel()->Label_ComboBox->currentIndex(), 0);
    EXPECT_FALSE(sidebarOf(c->design()).cardSizePanel()->Product_num_ComboBox->isEnabled());
    EXPECT_FALSE(sidebarOf(c->design()).cardSizePanel()->width_Text->isReadOnly());
    EXPECT_EQ(sidebarOf(c->design()).cardSizePanel()->width_Text->text(), QStringLiteral("100.00"));
    EXPECT_NEAR(workAreaOf(c->design()).canvasFrameSize.width(), 283.46, 0.01);   // 100 mm
    EXPECT_EQ(workAreaOf(c->design())._factorPopUpButton->currentIndex(), 3);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    ASSERT_EQ(sidebarOf(c->design()).sett_tab->count(), 4);
    EXPECT_EQ(sidebarOf(c->design()).sett_tab->currentWidget(), sidebarOf(c->design()).card_info_tab);
    EXPECT_EQ(sidebarOf(c->design()).Last_Card_Sel_Tab, sidebarOf(c->design()).card_info_tab);
    // The QR edition lists no records for an unbound design.
    if (ONLY_QR_MODE) {
        EXPECT_EQ(recordsOf(c->design()).Fill_List_RHS->model()->rowCount(), 0);
    } else {
        ASSERT_EQ(recordsOf(c->design()).Fill_List_RHS->model()->rowCount(), 1);
        EXPECT_EQ(recordsOf(c->design()).Fill_List_RHS->model()->index(0, 0).data().toString(), QStringLiteral("Label 1"));
    }
    EXPECT_TRUE(workAreaOf(c->design()).myTargetView->isHidden());
    EXPECT_TRUE(workAreaOf(c->design()).Right_Prop_Box->isHidden());
    EXPECT_EQ(sidebarOf(c->design()).cardInfoPanel()->All_Text_clr->color(), QColor(Qt::black));
    EXPECT_EQ(sidebarOf(c->design()).cardInfoPanel()->All_Text_font.pointSizeF(), 12.0);
    EXPECT_TRUE(Ucontrol.isEmpty() && Ucontrol_Log.isEmpty() && Rcontrol.isEmpty());
}

TEST_F(ProjectWindow, StartingADesignShowsTheCanvasAndSidebar)
{
    testsupport::ResponderScope responder;   // the new-design wizard is cancelled
    Start_Card_Option = QStringLiteral("L");
    recordsOf(c->design()).Linked_Sheet.rows.append({{QStringLiteral("Column1"), QStringLiteral("x")}});
    c->projects().Open_Start_Window();
    EXPECT_EQ(Start_Card_Option, QStringLiteral("W"));
    EXPECT_TRUE(recordsOf(c->design()).Linked_Sheet.rows.isEmpty());
    EXPECT_FALSE(workAreaOf(c->design()).myTargetView->isHidden());
    EXPECT_FALSE(workAreaOf(c->design()).Right_Prop_Box->isHidden());
    EXPECT_TRUE(workAreaOf(c->design()).Front_back_label->isHidden());
    EXPECT_EQ(sidebarOf(c->design()).sett_tab->count(), 4);
}

} // namespace
