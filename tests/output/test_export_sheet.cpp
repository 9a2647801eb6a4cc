// The Designing mode's label export run through the window: the sheet prepared from the design's batch
// state, its range controls, the used-data lists, and what OK hands over to the export.

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "design/DesignController.h"
#include "design/DesignCommands.h"
#include "design/RecordBinding.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTText.h"
#include "output/ExportWindow.h"
#include "output/OutputController.h"
#include "platform/Stepper.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ExportSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        c->window();
        c->Designing_Mode_Select();
        c->output().Job_Recorder = [this](const QString &entry, const QStringList &args) {
            handed << entry;
            handedArgs << args;
            if (entry == QLatin1String("Export_Batch_File"))
                range = {Print_Start, Print_End, Total_Label};
            return 0;
        };
    }
    void TearDown() override
    {
        c->output().Job_Recorder = nullptr;
        sheet().Run_Export_Sheet = nullptr;
    }
    DesignController &d() { return c->design(); }
    ExportWindow &sheet() { return c->output().exportWindow(); }
    void writeSeries(const QString &name, int count)
    {
        QFile f(Data_Folder_Path + QLatin1Char('/') + name + QStringLiteral(".txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int i = 1; i <= count; ++i)
            f.write(QByteArray::number(i) + '\n');
    }
    std::shared_ptr<SKTText> text(int source, const QString &series = QString(), int column = 0)
    {
        auto t = std::make_shared<SKTText>();
        t->_bounds = QRectF(10, 10, 80, 20);
        t->data_source_type = source;
        t->batch_list_name = series;
        t->excel_col_indx = column;
        return t;
    }
    void put(const SKTGraphicList &objects)
    {
        QList<int> at;
        for (int i = 0; i < objects.size(); ++i)
            at << i;
        c->document()->insertGraphics(objects, at);
    }
    void eightRecordDesign()
    {
        writeSeries(QStringLiteral("Names"), 8);
        put({text(1, QStringLiteral("Names"))});
    }
    // Runs the export with the sheet answered by the function; it answers the sheet's result.
    void runSheet(const std::function<int(QDialog &)> &answer)
    {
        sheet().Run_Export_Sheet = answer;
        d().commands().Export_Button();
    }
    // The user's OK with a destination, through the sheet's button.
    int okay(QDialog &shown)
    {
        sheet().Export_Dest_Path->setText(destination.path());
        shown.setResult(0);
        sheet().export_btn_on_export_image->click();
        return shown.result();
    }
    // The user's typing: the field's text, then its edit notification.
    void type(QLineEdit *field, const QString &text)
    {
        field->setText(text);
        emit field->textEdited(text);
    }

    testsupport::AppEnvironment env{QString(), true};
    testsupport::ResponderScope responder;
    SKTWindowController *c = nullptr;
    QTemporaryDir destination;
    QStringList handed;
    QList<QStringList> handedArgs;
    std::array<int, 3> range{-1, -1, -1};
};

TEST_F(ExportSheet, EightRecordSeriesOpensWithTheWholeBatch)
{
    eightRecordDesign();
    bool seen = false;
    runSheet([&](QDialog &) {
        seen = true;
        EXPECT_TRUE(sheet().Export_with_batch_chk->isChecked());
        EXPECT_TRUE(sheet().Export_with_batch_chk->isEnabled());
        EXPECT_TRUE(sheet().All_print_rd->isChecked());
        EXPECT_FALSE(sheet().Sel_print_rd->isChecked());
        EXPECT_EQ(sheet().Total_Text->text(), QStringLiteral("8"));
        EXPECT_EQ(sheet().To_Text->text(), QStringLiteral("8"));
        EXPECT_EQ(sheet().from_Text->text(), QStringLiteral("1"));
        for (platform::Stepper *s : {sheet().Total_Stepper, sheet().To_Stepper, sheet().from_Stepper})
            EXPECT_EQ(s->maxValue(), 8);
        EXPECT_TRUE(sheet().export_range_box->isEnabled());
        EXPECT_FALSE(sheet().from_Text->isEnabled());
        EXPECT_TRUE(sheet().exp_rad_sn->isEnabled());
        EXPECT_FALSE(sheet().exp_rad_exl_col->isEnabled());
        EXPECT_EQ(sheet().matrix_export_card_side->checkedId(), 1);
        EXPECT_FALSE(sheet().exp_side_both->isEnabled());
        return 0;
    });
    EXPECT_TRUE(seen);
    EXPECT_TRUE(handed.isEmpty());   // Cancel hands nothing over
}

TEST_F(ExportSheet, UnboundDesignHasNoBatchPart)
{
    put({text(0)});
    runSheet([&](QDialog &) {
        EXPECT_FALSE(sheet().Export_with_batch_chk->isChecked());
        EXPECT_FALSE(sheet().Export_with_batch_chk->isEnabled());
        EXPECT_FALSE(sheet().export_range_box->isEnabled());
        for (QRadioButton *row : {sheet().exp_rad_sn, sheet().exp_rad_sv, sheet().exp_rad_snv, sheet().exp_rad_exl_col})
            EXPECT_FALSE(row->isEnabled()) << row->objectName().toStdString();
        EXPECT_TRUE(sheet().exp_rad_def->isEnabled());
        EXPECT_TRUE(sheet().exp_rad_cus->isEnabled());
        EXPECT_EQ(sheet().Total_Stepper->maxValue(), 999999);
        EXPECT_TRUE(sheet().export_range_box->isHidden());
        return 0;
    });
}

TEST_F(ExportSheet, SelectedRangeIsHandedOver)
{
    eightRecordDesign();
    runSheet([&](QDialog &shown) {
        sheet().Sel_print_rd->click();
        type(sheet().from_Text, QStringLiteral("3"));
        type(sheet().To_Text, QStringLiteral("5"));
        return okay(shown);
    });
    ASSERT_EQ(handed, QStringList{QStringLiteral("Export_Batch_File")});
    EXPECT_EQ(handedArgs.first(), QStringList{destination.path()});
    EXPECT_EQ(range, (std::array<int, 3>{2, 5, 5}));
}

TEST_F(ExportSheet, RangeFieldsComeBackIntoTheRecords)
{
    eightRecordDesign();
    runSheet([&](QDialog &) {
        sheet().Sel_print_rd->click();
        struct Case {
            QLineEdit *field;
            QString typed;
            QString shown;
        };
        const QList<Case> cases = {{sheet().from_Text, QStringLiteral("0"), QStringLiteral("1")},
                                   {sheet().from_Text, QStringLiteral("-4"), QStringLiteral("1")},
                                   {sheet().from_Text, QStringLiteral("abc"), QStringLiteral("1")},
                                   {sheet().To_Text, QStringLiteral("12"), QStringLiteral("8")},
                                   {sheet().Total_Text, QStringLiteral("20"), QStringLiteral("8")},
                                   {sheet().Total_Text, QString(), QStringLiteral("1")}};
        for (const Case &k : cases) {
            type(k.field, k.typed);
            EXPECT_EQ(k.field->text(), k.shown) << k.field->objectName().toStdString() << " " << k.typed.toStdString();
        }
        return 0;
    });
}

TEST_F(ExportSheet, FromAboveToIsRefused)
{
    eightRecordDesign();
    runSheet([&](QDialog &shown) {
        sheet().Sel_print_rd->click();
        type(sheet().from_Text, QStringLiteral("5"));
        type(sheet().To_Text, QStringLiteral("3"));
        EXPECT_EQ(okay(shown), 0);
        return 0;
    });
    EXPECT_TRUE(responder->alertMessages().contains(QStringLiteral("\nPlease select valid range.")));
    EXPECT_TRUE(handed.isEmpty());
}

TEST_F(ExportSheet, BatchOffThenOnKeepsTheCount)
{
    eightRecordDesign();
    runSheet([&](QDialog &) {
        sheet().Export_with_batch_chk->click();
        EXPECT_EQ(sheet().Total_Text->text(), QStringLiteral("1"));
        EXPECT_FALSE(sheet().export_range_box->isEnabled());
        sheet().Export_with_batch_chk->click();
        EXPECT_EQ(sheet().Total_Text->text(), QStringLiteral("8"));
        EXPECT_EQ(sheet().Total_Stepper->maxValue(), 8);
        EXPECT_TRUE(sheet().export_range_box->isEnabled());
        return 0;
    });
}

TEST_F(ExportSheet, UsedSeriesListsOnlySeriesWhoseFileExists)
{
    writeSeries(QStringLiteral("Names"), 4);
    auto code = std::make_shared<SKTBarcode>();
    code->data_source_type = 1;
    code->batch_list_name = QStringLiteral("Names");
    code->batch_hdr_list_name = QStringLiteral("Gone");   // no such series file
    put({text(1, QStringLiteral("Names")), text(1, QStringLiteral("Missing")), code});
    runSheet([&](QDialog &) {
        QStringList items;
        for (int i = 0; i < sheet().Used_Seres_In_Design->count(); ++i)
            items << sheet().Used_Seres_In_Design->itemText(i);
        EXPECT_EQ(items, QStringList{QStringLiteral("Names")});
        return 0;
    });
}

TEST_F(ExportSheet, TwoObjectsOnOneColumnGiveOneEntry)
{
    d().records().Linked_Sheet.columnTitles = {QStringLiteral("Name"), QStringLiteral("Code")};
    for (int i = 0; i < 3; ++i)
        d().records().Linked_Sheet.rows.append({{QStringLiteral("Extension"), QString::number(i + 1)},
                                      {QStringLiteral("Column1"), QStringLiteral("N%1").arg(i)},
                                      {QStringLiteral("Column2"), QStringLiteral("C%1").arg(i)}});
    put({text(2, QString(), 2), text(2, QString(), 2)});
    runSheet([&](QDialog &) {
        EXPECT_EQ(sheet().Used_Excel_Col_In_Design->count(), 1);
        EXPECT_EQ(sheet().Used_Excel_Col_In_Design->itemText(0), QStringLiteral("Code"));
        EXPECT_EQ(sheet().Used_Excel_Col_Index->itemText(0), QStringLiteral("2"));
        EXPECT_TRUE(sheet().exp_rad_exl_col->isEnabled());
        EXPECT_EQ(sheet().Total_Text->text(), QStringLiteral("3"));
        return 0;
    });
}

TEST_F(ExportSheet, BatchOffHandsOverOneLabelFile)
{
    eightRecordDesign();
    runSheet([&](QDialog &shown) {
        sheet().ex_bar_image_type_combo->setCurrentIndex(3);
        sheet().Export_with_batch_chk->click();
        return okay(shown);
    });
    ASSERT_EQ(handed, QStringList{QStringLiteral("Export_Name_With_Options")});
    EXPECT_EQ(handedArgs.first().at(2), destination.path() + QStringLiteral("/Label.png"));
    EXPECT_EQ(handedArgs.first().at(3), QStringLiteral("1"));
}

TEST_F(ExportSheet, OkWithoutTheExportJobSaysSo)
{
    eightRecordDesign();
    c->output().Job_Recorder = nullptr;
    runSheet([&](QDialog &shown) { return okay(shown); });
    EXPECT_TRUE(responder->alertMessages().contains(QStringLiteral("\nImage export is not available yet.")));
}

} // namespace
