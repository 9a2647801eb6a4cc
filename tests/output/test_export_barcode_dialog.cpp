#include "output/Export_Barcode.h"

#include "outputjobs/OutputGlobals.h"
#include "output/Send_Modeless.h"
#include "platform/Stepper.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Fixture {
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env;   // messages are shown once the main window controller exists
    Export_Barcode dlg;

    // Opens the dialog for the state; the user's steps run while it is up. The dialog's answer.
    int open(const Export_Barcode::OpenState &state, const std::function<void(Export_Barcode &)> &user, int records = 1)
    {
        Total_Label = records;
        Total_Batch_Excel_Card = records;
        dlg.Run_Dialog = [&](QDialog &d) {
            d.setResult(-1);
            user(dlg);
            return d.result();
        };
        return dlg.Open_Export_Dialog(state);
    }
};

// The text put in as one edit (a paste over the selection); an empty text by deleting the selection.
void typeInto(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        field->insert(text);
    // A record field takes its entry when its editing ends.
    if (QStringList{"from_Text", "To_Text", "Total_Text"}.contains(field->objectName()))
        QTest::keyClick(field, Qt::Key_Return);
}

const Export_Barcode::OpenState single{false, false, false};
const Export_Barcode::OpenState batchList{true, false, false};
const Export_Barcode::OpenState batchSeries{true, true, false};
const Export_Barcode::OpenState advancedQr{false, false, true};

} // namespace

TEST(ExportBarcodeDialog, LayoutFollowsTheBatchState)
{
    Fixture f;
    int heights[3] = {};
    const Export_Barcode::OpenState states[3] = {single, batchList, batchSeries};
    for (int i = 0; i < 3; ++i) {
        f.open(states[i], [&](Export_Barcode &d) {
            d.show();
            heights[i] = d.height();
            EXPECT_EQ(d.series_radio_box->isVisible(), i == 2);
            EXPECT_EQ(d.export_range_box->isVisible(), i >= 1);
            EXPECT_TRUE(d.lower_path_btn_box->isVisible());
            EXPECT_EQ(d.export_range_box->isEnabled(), i >= 1);
            EXPECT_EQ(d.exp_rad_sn->isEnabled(), i == 2);
            EXPECT_EQ(d.exp_rad_snv->isEnabled(), i == 2);
            d.export_cancel_btn->click();
        });
    }
    EXPECT_LT(heights[0], heights[1]);
    EXPECT_LT(heights[1], heights[2]);
}

TEST(ExportBarcodeDialog, OpensResetWithTheModesTitles)
{
    Fixture f;
    f.open(batchSeries, [](Export_Barcode &d) {
        d.exp_rad_cus->click();
        d.prefix_suffix_chk_box->click();
        d.ex_bar_image_type_combo->setCurrentIndex(3);
        d.export_cancel_btn->click();
    });
    f.open(advancedQr, [](Export_Barcode &d) {
        EXPECT_TRUE(d.exp_rad_def->isChecked());
        EXPECT_EQ(d.ex_bar_matrix_file_name->checkedId(), 0);
        EXPECT_EQ(d.exp_rad_def->text(), QStringLiteral("Default"));
        EXPECT_FALSE(d.exp_rad_sv->isEnabled());
        EXPECT_FALSE(d.ex_bar_cus_name->isVisibleTo(&d));
        EXPECT_FALSE(d.prefix_suffix_chk_box->isChecked());
        EXPECT_FALSE(d.prefix_sufix_box->isEnabled());
        EXPECT_EQ(d.ex_bar_image_type_combo->currentIndex(), 0);
        EXPECT_TRUE(d.Total_Text->isHidden());
        d.export_cancel_btn->click();
    });
    f.open(single, [](Export_Barcode &d) {
        EXPECT_EQ(d.exp_rad_def->text(), QStringLiteral("Default (e.g: Barcode 1, Barcode 2, Barcode 3 ...)"));
        EXPECT_TRUE(d.exp_rad_sv->isEnabled());
        d.exp_rad_cus->click();
        EXPECT_TRUE(d.ex_bar_cus_name->isVisibleTo(&d));
        EXPECT_TRUE(d.ex_bar_cus_name->isEnabled());
        d.exp_rad_hdr->click();
        EXPECT_FALSE(d.ex_bar_cus_name->isVisibleTo(&d));
        d.export_cancel_btn->click();
    });
}

TEST(ExportBarcodeDialog, ExportLeavesTheChoicesInTheGlobals)
{
    struct Case {
        int format;
        int row;
        const char *ext, *token;
    };
    const Case cases[] = {{0, 0, "jpg", "<DEF>"}, {1, 1, "tiff", "<BV>"}, {2, 2, "bmp", "<BS>"},
                          {3, 3, "png", "<BSV>"}, {4, 4, "eps", "<BH>"}, {5, 5, "gif", "<BF>"}};
    Fixture f;
    for (const Case &c : cases) {
        const int result = f.open(batchSeries, [&](Export_Barcode &d) {
            d.ex_bar_image_type_combo->setCurrentIndex(c.format);
            d.ex_bar_matrix_file_name->button(c.row)->click();
            typeInto(d.Export_barcode_Dest_Path, QStringLiteral(" /tmp/out "));
            d.export_btn_on_export_image->click();
        }, 4);
        EXPECT_EQ(result, 1);
        EXPECT_EQ(file_path_ext, QString::fromUtf8(c.ext));
        EXPECT_EQ(file_name_exported, QString::fromUtf8(c.token));
        EXPECT_EQ(file_export_Path, QStringLiteral("/tmp/out"));
        EXPECT_EQ(file_prefix_exported, QString());
        EXPECT_EQ(Print_Start, 0);
        EXPECT_EQ(Print_End, 4);
        EXPECT_EQ(show_count.load(), 4);
        EXPECT_EQ(Total_Label, 4);
    }
    EXPECT_TRUE(f.responder->alertMessages().isEmpty());
}

TEST(ExportBarcodeDialog, RefusalsKeepTheDialogOpen)
{
    struct Case {
        std::function<void(Export_Barcode &)> user;
        const char *message;
    };
    const Case cases[] = {
        {[](Export_Barcode &d) {
             d.exp_rad_cus->click();
             typeInto(d.ex_bar_cus_name, QStringLiteral("*?"));
         },
         "Please enter valid file name."},
        {[](Export_Barcode &d) { d.prefix_suffix_chk_box->click(); }, "Please enter prefix or suffix value."},
        {[](Export_Barcode &d) {
             d.Sel_print_rd->click();
             typeInto(d.from_Text, QStringLiteral("6"));
             typeInto(d.To_Text, QStringLiteral("5"));
         },
         "Please select valid range."},
        {[](Export_Barcode &d) { d.Export_barcode_Dest_Path->clear(); }, "Please select destination path."},
    };
    for (const Case &c : cases) {
        Fixture f;
        const int result = f.open(batchList, [&](Export_Barcode &d) {
            d.Export_barcode_Dest_Path->setText(QStringLiteral("/tmp"));
            c.user(d);
            d.export_btn_on_export_image->click();
        }, 10);
        EXPECT_EQ(result, -1) << c.message;   // not closed
        EXPECT_EQ(f.responder->alertMessages(), QStringList{QStringLiteral("\n") + QString::fromUtf8(c.message)});
    }
}

TEST(ExportBarcodeDialog, SuffixAloneAndOneRecordRange)
{
    Fixture f;
    const int result = f.open(batchList, [](Export_Barcode &d) {
        d.prefix_suffix_chk_box->click();
        EXPECT_TRUE(d.prefix_sufix_box->isEnabled());
        typeInto(d.ex_bar_suffix, QStringLiteral(" end "));
        d.Sel_print_rd->click();
        EXPECT_TRUE(d.from_Text->isEnabled());
        EXPECT_FALSE(d.Total_Stepper->isEnabled());
        typeInto(d.from_Text, QStringLiteral("5"));
        typeInto(d.To_Text, QStringLiteral("5"));
        d.Export_barcode_Dest_Path->setText(QStringLiteral("/tmp"));
        d.export_btn_on_export_image->click();
    }, 10);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(file_prefix_exported, QString());
    EXPECT_EQ(file_sufix_exported, QStringLiteral("end"));
    EXPECT_EQ(Print_Start, 4);
    EXPECT_EQ(Print_End, 5);
    EXPECT_EQ(show_count.load(), 1);
}

TEST(ExportBarcodeDialog, TypedRangeValuesAreClamped)
{
    struct Case {
        const char *typed, *shown;
    };
    const Case cases[] = {{"0", "1"}, {"", "1"}, {"-4", "1"}, {"abc", "1"}, {"99", "10"}, {"7", "7"}};
    Fixture f;
    f.open(batchList, [&](Export_Barcode &d) {
        d.Sel_print_rd->click();
        for (const Case &c : cases) {
            for (QLineEdit *field : {d.from_Text, d.To_Text}) {
                typeInto(field, QString::fromUtf8(c.typed));
                EXPECT_EQ(field->text(), QString::fromUtf8(c.shown)) << c.typed;
            }
            EXPECT_EQ(d.To_Stepper->intValue(), QString::fromUtf8(c.shown).toInt());
            EXPECT_EQ(d.from_Stepper->intValue(), QString::fromUtf8(c.shown).toInt());
        }
        d.export_cancel_btn->click();
    }, 10);
}

TEST(ExportBarcodeDialog, WithoutBatchTheRangeIsTheOneRecord)
{
    Fixture f;
    const int result = f.open(single, [](Export_Barcode &d) {
        d.Export_barcode_Dest_Path->setText(QStringLiteral("/tmp"));
        d.export_btn_on_export_image->click();
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Print_Start, 0);
    EXPECT_EQ(Print_End, 1);
    EXPECT_EQ(show_count.load(), 1);
}

TEST(ExportBarcodeDialog, CancelEmptiesTheNamingAndFormat)
{
    Fixture f;
    file_name_exported = QStringLiteral("<BV>");
    file_prefix_exported = QStringLiteral("p");
    file_sufix_exported = QStringLiteral("s");
    file_path_ext = QStringLiteral("png");
    const int result = f.open(single, [](Export_Barcode &d) { d.export_cancel_btn->click(); });
    EXPECT_EQ(result, 0);
    for (const QString *g : {&file_name_exported, &file_prefix_exported, &file_sufix_exported, &file_path_ext})
        EXPECT_TRUE(g->isEmpty());
}

TEST(ExportBarcodeDialog, SkipInvalidFollowsItsBox)
{
    Fixture f;
    skip_invalid_barcode = true;
    f.open(batchList, [](Export_Barcode &d) {
        EXPECT_FALSE(skip_invalid_barcode);   // each opening starts without skipping
        d.skip_inavlid_chk->click();
        EXPECT_TRUE(skip_invalid_barcode);
        d.export_cancel_btn->click();
    }, 3);
    skip_invalid_barcode = false;
}
