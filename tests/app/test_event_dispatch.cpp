#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

namespace {

// A card object as the canvas will hold it: its kind is its exact class name.
class SKTText : public QObject {
    Q_OBJECT
};

void writeSeries(const QString &name, const QStringList &lines)
{
    QFile f(Data_Folder_Path + QLatin1Char('/') + name + QStringLiteral(".txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(lines.join(QLatin1Char('\n')).toUtf8());
}

} // namespace

TEST(ComboDispatch, OutputResolution)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->DPI_ComboBox->setCurrentText(QStringLiteral("1200 DPI"));
    EXPECT_EQ(USED_DPI_VALUE, 1200);
    EXPECT_TRUE(c->dpi_Stepper->isHidden());
    c->dpi_Stepper->setIntValue(450);
    c->DPI_ComboBox->setCurrentText(QStringLiteral("Custom"));
    EXPECT_EQ(USED_DPI_VALUE, 450);
    EXPECT_FALSE(c->dpi_Stepper->isHidden());
    c->DPI_ComboBox->setCurrentText(QStringLiteral("Auto"));
    EXPECT_EQ(USED_DPI_VALUE, 600);
    EXPECT_TRUE(c->dpi_Text->isHidden());
    // A custom resolution never falls below the stepper's minimum.
    c->dpi_Stepper->setIntValue(0);
    c->DPI_ComboBox->setCurrentText(QStringLiteral("Custom"));
    EXPECT_GE(USED_DPI_VALUE, 72);
}

TEST(ComboDispatch, QrVersionZeroIsStoredAsAutomatic)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->liner_or_2D_font = 1;
    c->qr_version_ComboBox->setCurrentIndex(3);
    EXPECT_EQ(QR_Version_Val, 3);
    EXPECT_EQ(c->HeightStepper_2D->minValue(), 29.0);
    c->qr_version_ComboBox->setCurrentIndex(0);
    EXPECT_EQ(QR_Version_Val, -1);
    EXPECT_EQ(c->HeightStepper_2D->minValue(), 21.0);   // the size check received 0
    c->qr_ec_lvl_ComboBox->setCurrentIndex(2);
    EXPECT_EQ(QR_EC_Level_Val, 2);
    // With a linear symbology the QR combos do nothing.
    c->liner_or_2D_font = 0;
    c->qr_ec_lvl_ComboBox->setCurrentIndex(1);
    EXPECT_EQ(QR_EC_Level_Val, 2);
}

TEST(ComboDispatch, PreviewAlignmentOnlyForLinearSymbols)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    ASSERT_TRUE(c->testBarcode);   // the default EAN-13 was generated at set-up
    c->bar_align_combo->setCurrentText(QStringLiteral("TopLeft"));
    EXPECT_EQ(c->barcodeImage->imageAlignment(), Qt::AlignTop | Qt::AlignLeft);
    c->liner_or_2D_font = 1;
    c->bar_align_combo->setCurrentText(QStringLiteral("Bottom"));
    EXPECT_EQ(c->barcodeImage->imageAlignment(), Qt::AlignTop | Qt::AlignLeft);
}

TEST(ComboDispatch, VendorThenFirstProduct)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    ASSERT_GE(c->Label_ComboBox->findText(QStringLiteral("Avery")), 0);
    c->Label_ComboBox->setCurrentText(QStringLiteral("Avery"));
    EXPECT_TRUE(c->Product_num_ComboBox->isEnabled());
    ASSERT_GT(c->Product_num_ComboBox->count(), 0);
    EXPECT_EQ(c->Product_num_ComboBox->currentIndex(), 0);
    // The first product arrived as a product change: its label size is in the card size fields.
    EXPECT_EQ(c->width_Text->text(), QStringLiteral("66.68"));   // 2.625 in in millimetres
    c->Label_ComboBox->setCurrentText(QStringLiteral("Custom"));
    EXPECT_FALSE(c->Product_num_ComboBox->isEnabled());
    EXPECT_EQ(c->Product_num_ComboBox->currentIndex(), -1);
}

TEST(ComboDispatch, SeriesWithoutSeriesFiles)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    Not_Draw_Only_Prop_Change = true;
    c->Data_source_type->setCurrentText(QStringLiteral("Series"));
    EXPECT_TRUE(responder->alerts.isEmpty());   // quiet while stored properties are loaded
    Not_Draw_Only_Prop_Change = false;
    c->Data_source_type->setCurrentText(QStringLiteral("Manual"));
    c->Data_source_type->setCurrentText(QStringLiteral("Series"));
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("\nPlease create batch processing series first.")});
    EXPECT_FALSE(data_source_change_main);
    EXPECT_TRUE(c->Text_value_Edit->isReadOnly());
    c->Data_source_type->setCurrentText(QStringLiteral("Manual"));
    EXPECT_FALSE(c->Text_value_Edit->isReadOnly());
    EXPECT_FALSE(c->Batch_Series->isEnabled());
}

TEST(ComboDispatch, SeriesBindsTheSelectedTexts)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    writeSeries(QStringLiteral("Names"), {QStringLiteral("Ada"), QStringLiteral("Bob")});
    SKTText unlocked, locked;
    locked.setProperty("ctrl_is_locked", true);
    locked.setProperty("Text_Value", QStringLiteral("keep"));
    c->Selected_Graphics_Source = [&] { return QList<QObject *>{&unlocked, &locked}; };
    c->Data_source_type->setCurrentText(QStringLiteral("Series"));
    ASSERT_GE(c->Batch_Series->findText(QStringLiteral("Names")), 0);
    c->Batch_Series->setCurrentText(QStringLiteral("Names"));
    EXPECT_EQ(unlocked.property("data_source_type").toInt(), 1);
    EXPECT_EQ(unlocked.property("batch_list_name").toString(), QStringLiteral("Names"));
    EXPECT_EQ(unlocked.property("Batch_List_Index").toInt(), 1);   // counts the "<--Select-->" item
    EXPECT_EQ(unlocked.property("Text_Value").toString(), QStringLiteral("Ada"));
    EXPECT_EQ(locked.property("Text_Value").toString(), QStringLiteral("keep"));
    // The placeholder changes nothing.
    c->Batch_Series->setCurrentIndex(0);
    EXPECT_EQ(unlocked.property("batch_list_name").toString(), QStringLiteral("Names"));
    c->Selected_Graphics_Source = nullptr;
}

TEST(ComboDispatch, BarcodeSeriesRowsStayInStep)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    writeSeries(QStringLiteral("Values"), {QStringLiteral("111"), QStringLiteral("222"), QStringLiteral("333"),
                                           QStringLiteral("444"), QStringLiteral("555")});
    writeSeries(QStringLiteral("Heads"), {QStringLiteral("h1"), QStringLiteral("h2"), QStringLiteral("h3")});
    c->data_source_chkbox->setChecked(true);
    c->Data_Set_Sheet_RD->setChecked(true);
    c->barcode_value_chk->setChecked(true);
    c->barcode_header_chk->setChecked(true);
    c->Fill_Data_Set_File_Name_In_Combo(c->val_combo_list);
    c->Fill_Data_Set_File_Name_In_Combo(c->hdr_combo_list);
    EXPECT_EQ(c->val_combo_list->itemText(0), QStringLiteral("<--Select-->"));
    c->val_combo_list->setCurrentText(QStringLiteral("Values"));
    c->hdr_combo_list->setCurrentText(QStringLiteral("Heads"));
    EXPECT_EQ(c->val_combo_value->count(), 5);
    EXPECT_EQ(c->hdr_combo_value->count(), 5);   // padded to the longest series
    c->val_combo_value->setCurrentIndex(4);
    EXPECT_EQ(Last_Selected_Index, 4);
    EXPECT_EQ(c->hdr_combo_value->currentIndex(), 4);
    EXPECT_EQ(c->hdr_combo_value->currentText(), QString());
    EXPECT_EQ(c->dataText->text(), QStringLiteral("555"));
    EXPECT_TRUE(c->dataText->isReadOnly());
    // Choosing the placeholder disables and empties the value combo.
    c->val_combo_list->setCurrentIndex(0);
    EXPECT_FALSE(c->val_combo_value->isEnabled());
    EXPECT_TRUE(c->val_list_name_txt->text().isEmpty());
}

TEST(TextDispatch, CardSizeFieldsWhileTyping)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    auto typed = [c](const QString &text) {
        c->width_Text->setText(text);
        c->controlTextDidChange(c->width_Text);
        return c->width_Text->text();
    };
    EXPECT_EQ(typed(QStringLiteral("12.5cm")), QStringLiteral("12.5"));
    EXPECT_EQ(typed(QStringLiteral("abc")), QString());
    EXPECT_EQ(typed(QStringLiteral("1a2")), QStringLiteral("1a2"));   // a letter inside stays
    EXPECT_EQ(typed(QStringLiteral("12345678901")), QStringLiteral("1234567890"));
    // Letters go first, then blanks: letters behind a blank stay.
    EXPECT_EQ(typed(QStringLiteral("12.5 \n")), QStringLiteral("12.5"));
    EXPECT_EQ(typed(QStringLiteral(" 12.5mm\n")), QStringLiteral("12.5mm"));
}

TEST(TextDispatch, CardSizeEndOfEditing)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    for (const QString &typed : {QStringLiteral("0"), QStringLiteral("-3")}) {
        c->height_Text->setText(typed);
        c->controlTextDidEndEditing(c->height_Text);
        EXPECT_EQ(c->height_Text->text(), QStringLiteral("0.10"));
    }
    c->height_Text->setText(QStringLiteral("2"));
    c->controlTextDidEndEditing(c->height_Text);
    EXPECT_EQ(c->height_Text->text(), QStringLiteral("2.00"));
}

TEST(TextDispatch, TextObjectEditorKeeps250Characters)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    SKTText manual, bound;
    bound.setProperty("data_source_type", 1);
    bound.setProperty("Text_Value", QStringLiteral("from series"));
    c->Selected_Graphics_Source = [&] { return QList<QObject *>{&manual, &bound}; };
    c->Text_value_Edit->setPlainText(QString(251, QLatin1Char('x')));
    c->textDidChange(c->Text_value_Edit);
    EXPECT_EQ(c->Text_value_Edit->toPlainText().size(), 250);
    EXPECT_EQ(manual.property("Text_Value").toString(), QString(250, QLatin1Char('x')));
    EXPECT_EQ(bound.property("Text_Value").toString(), QStringLiteral("from series"));
    c->Selected_Graphics_Source = nullptr;
}

TEST(TextDispatch, RecordRangeFields)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    // The range controls of the export sheet, as that sheet hands them to the window.
    QLineEdit total, to, from;
    platform::Stepper totalStepper, toStepper, fromStepper;
    QCheckBox batch;
    c->Total_Text = &total;
    c->To_Text = &to;
    c->from_Text = &from;
    c->Total_Stepper = &totalStepper;
    c->To_Stepper = &toStepper;
    c->from_Stepper = &fromStepper;
    c->Export_with_batch_chk = &batch;
    Total_Batch_Excel_Card = 20;
    c->Total_Text->setText(QString());
    c->controlTextDidChange(c->Total_Text);
    EXPECT_EQ(c->Total_Text->text(), QStringLiteral("1"));
    c->Total_Text->setText(QStringLiteral("25"));
    c->controlTextDidChange(c->Total_Text);
    EXPECT_EQ(c->Total_Text->text(), QStringLiteral("25"));   // no batch box: 25 stays
    c->Export_with_batch_chk->setChecked(true);
    c->controlTextDidChange(c->Total_Text);
    EXPECT_EQ(c->Total_Text->text(), QStringLiteral("20"));
    c->from_Text->setText(QStringLiteral("0"));
    c->controlTextDidChange(c->from_Text);
    EXPECT_EQ(c->from_Text->text(), QStringLiteral("1"));
    EXPECT_EQ(c->from_Stepper->intValue(), 1);
    c->To_Text->setText(QStringLiteral("30"));
    c->controlTextDidChange(c->To_Text);
    EXPECT_EQ(c->To_Text->text(), QStringLiteral("20"));   // capped with or without the boxes
    c->Total_Text = c->To_Text = c->from_Text = nullptr;
    c->Total_Stepper = c->To_Stepper = c->from_Stepper = nullptr;
    c->Export_with_batch_chk = nullptr;
}

TEST(TextDispatch, TypingRedrawsThePreviewOnEveryKeystroke)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->window()->show();
    c->applicationDidFinishLaunching();
    c->barcodeTypePopup->setCurrentText(QStringLiteral("Code 128"));
    c->dataText->clear();
    c->dataText->setFocus();
    QSizeF last;
    for (QChar ch : QStringLiteral("ABC123")) {
        QTest::keyClicks(c->dataText, QString(ch));
        ASSERT_TRUE(c->barcodeImage->hasPicture()) << "after " << QString(ch).toStdString();
        const QSizeF size = c->barcodeImage->picture().size();
        EXPECT_GT(size.width(), last.width());   // one more character, a wider symbol
        last = size;
    }
    // A value the symbology refuses blanks the preview and shows the error label.
    c->barcodeTypePopup->setCurrentText(QStringLiteral("EAN-13"));
    c->dataText->clear();
    QTest::keyClicks(c->dataText, QStringLiteral("X"));
    EXPECT_FALSE(c->barcodeImage->hasPicture());
    EXPECT_FALSE(c->barcode_error_label->isHidden());
}

#include "test_event_dispatch.moc"
