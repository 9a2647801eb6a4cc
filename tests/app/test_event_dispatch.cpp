#include "app/SKTWindowController.h"
#include "core/Mode.h"
#include "core/SymbolGlobals.h"
#include "core/UserFolders.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "design/DesignParts.h"
#include "design/DesignSelection.h"
#include "model/DesignGlobals.h"
#include "design/PropertySidebar.h"
#include "platform/PictureView.h"
#include "platform/TextNotifications.h"
#include "platform/Stepper.h"
#include "support/AppEnvironment.h"
#include "support/Editions.h"
#include "support/PageControl.h"
#include "support/ScriptedResponder.h"
#include "barcodemode/BarcodeModeController.h"
#include "model/SKTGraphic.h"

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

std::shared_ptr<SKTGraphic> make(SKTGraphicClass kind) { return SKTGraphic::graphicOfClass(kind); }

void select(SKTWindowController *c, const SKTGraphicList &objects)
{
    selectionOf(c->design()).Canvas_Selection = [objects] { return objects; };
}

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
    c->barcodeMode().DPI_ComboBox->setCurrentText(QStringLiteral("1200 DPI"));
    EXPECT_EQ(USED_DPI_VALUE, 1200);
    EXPECT_TRUE(c->barcodeMode().dpi_Stepper->isHidden());
    c->barcodeMode().dpi_Stepper->setIntValue(450);
    c->barcodeMode().DPI_ComboBox->setCurrentText(QStringLiteral("Custom"));
    EXPECT_EQ(USED_DPI_VALUE, 450);
    EXPECT_FALSE(c->barcodeMode().dpi_Stepper->isHidden());
    c->barcodeMode().DPI_ComboBox->setCurrentText(QStringLiteral("Auto"));
    EXPECT_EQ(USED_DPI_VALUE, 600);
    EXPECT_TRUE(c->barcodeMode().dpi_Text->isHidden());
    // A custom resolution never falls below the stepper's minimum.
    c->barcodeMode().dpi_Stepper->setIntValue(0);
    c->barcodeMode().DPI_ComboBox->setCurrentText(QStringLiteral("Custom"));
    EXPECT_GE(USED_DPI_VALUE, 72);
}

TEST(ComboDispatch, QrVersionZeroIsStoredAsAutomatic)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->barcodeMode().liner_or_2D_font = 1;
    c->barcodeMode().qr_version_ComboBox->setCurrentIndex(3);
    EXPECT_EQ(QR_Version_Val, 3);
    EXPECT_EQ(c->barcodeMode().HeightStepper_2D->minValue(), 29.0);
    c->barcodeMode().qr_version_ComboBox->setCurrentIndex(0);
    EXPECT_EQ(QR_Version_Val, -1);
    EXPECT_EQ(c->barcodeMode().HeightStepper_2D->minValue(), 21.0);   // the size check received 0
    c->barcodeMode().qr_ec_lvl_ComboBox->setCurrentIndex(2);
    EXPECT_EQ(QR_EC_Level_Val, 2);
    // With a linear symbology the QR combos do nothing.
    c->barcodeMode().liner_or_2D_font = 0;
    c->barcodeMode().qr_ec_lvl_ComboBox->setCurrentIndex(1);
    EXPECT_EQ(QR_EC_Level_Val, 2);
}

TEST(ComboDispatch, PreviewAlignmentOnlyForLinearSymbols)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    ASSERT_TRUE(c->barcodeMode().testBarcode);   // the default EAN-13 was generated at set-up
    c->barcodeMode().bar_align_combo->setCurrentText(QStringLiteral("TopLeft"));
    EXPECT_EQ(c->barcodeMode().barcodeImage->imageAlignment(), Qt::AlignTop | Qt::AlignLeft);
    c->barcodeMode().liner_or_2D_font = 1;
    c->barcodeMode().bar_align_combo->setCurrentText(QStringLiteral("Bottom"));
    EXPECT_EQ(c->barcodeMode().barcodeImage->imageAlignment(), Qt::AlignTop | Qt::AlignLeft);
}

TEST(ComboDispatch, SeriesWithoutSeriesFiles)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    Not_Draw_Only_Prop_Change = true;
    sidebarOf(c->design()).Source_Type_List()->setCurrentText(QStringLiteral("Series"));
    EXPECT_TRUE(responder->alerts.isEmpty());   // quiet while stored properties are loaded
    Not_Draw_Only_Prop_Change = false;
    sidebarOf(c->design()).Source_Type_List()->setCurrentText(QStringLiteral("Manual"));
    sidebarOf(c->design()).Source_Type_List()->setCurrentText(QStringLiteral("Series"));
    EXPECT_EQ(responder->alertMessages(), QStringList{QStringLiteral("\nPlease create batch processing series first.")});
    EXPECT_FALSE(data_source_change_main);
    auto *editor = testsupport::pageControl<QPlainTextEdit>(sidebarOf(c->design()).datasource_tab, "Text_value_Edit");
    EXPECT_TRUE(editor->isReadOnly());
    sidebarOf(c->design()).Source_Type_List()->setCurrentText(QStringLiteral("Manual"));
    EXPECT_FALSE(editor->isReadOnly());
    EXPECT_FALSE(sidebarOf(c->design()).Source_Series_List()->isEnabled());
}

TEST(ComboDispatch, SeriesBindsTheSelectedTexts)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    writeSeries(QStringLiteral("Names"), {QStringLiteral("Ada"), QStringLiteral("Bob")});
    const auto unlocked = make(SKTGraphicClass::Text), locked = make(SKTGraphicClass::Text);
    locked->ctrl_is_locked = true;
    locked->Set_text_value(QStringLiteral("keep"));
    select(c, {unlocked, locked});
    sidebarOf(c->design()).Source_Type_List()->setCurrentText(QStringLiteral("Series"));
    ASSERT_GE(sidebarOf(c->design()).Source_Series_List()->findText(QStringLiteral("Names")), 0);
    sidebarOf(c->design()).Source_Series_List()->setCurrentText(QStringLiteral("Names"));
    EXPECT_EQ(unlocked->data_source_type, 1);
    EXPECT_EQ(unlocked->batch_list_name, QStringLiteral("Names"));
    EXPECT_EQ(unlocked->batch_list_index, 1);   // counts the "<--Select-->" item
    EXPECT_EQ(unlocked->Text_Value, QStringLiteral("Ada"));
    EXPECT_EQ(locked->Text_Value, QStringLiteral("keep"));
    // The placeholder changes nothing.
    sidebarOf(c->design()).Source_Series_List()->setCurrentIndex(0);
    EXPECT_EQ(unlocked->batch_list_name, QStringLiteral("Names"));
    selectionOf(c->design()).Canvas_Selection = nullptr;
}

TEST(ComboDispatch, TwoSelectedPicturesAreNotBound)
{
    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    writeSeries(QStringLiteral("Photos"), {QStringLiteral("/tmp/a.png"), QStringLiteral("/tmp/b.png")});
    const auto first = make(SKTGraphicClass::Image), second = make(SKTGraphicClass::Image);
    select(c, {first, second});
    sidebarOf(c->design()).Source_Type_List()->setCurrentText(QStringLiteral("Series"));
    sidebarOf(c->design()).Source_Series_List()->setCurrentText(QStringLiteral("Photos"));
    EXPECT_EQ(first->data_source_type, 0);
    EXPECT_NE(second->Text_Value, QStringLiteral("/tmp/a.png"));
    ASSERT_FALSE(responder->alertMessages().isEmpty());
    EXPECT_EQ(responder->alertMessages().last(), QStringLiteral("\nPlease select only one image control to 'Select Image'."));

    // One picture takes the series' first line as its path and text.
    responder->alerts.clear();
    select(c, {first});
    sidebarOf(c->design()).Source_Series_List()->setCurrentIndex(0);
    sidebarOf(c->design()).Source_Series_List()->setCurrentText(QStringLiteral("Photos"));
    EXPECT_TRUE(responder->alerts.isEmpty());
    EXPECT_EQ(first->_file_path, QStringLiteral("/tmp/a.png"));
    EXPECT_EQ(first->Text_Value, QStringLiteral("/tmp/a.png"));
    selectionOf(c->design()).Canvas_Selection = nullptr;
}

TEST(ComboDispatch, BarcodeSeriesRowsStayInStep)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    writeSeries(QStringLiteral("Values"), {QStringLiteral("111"), QStringLiteral("222"), QStringLiteral("333"),
                                           QStringLiteral("444"), QStringLiteral("555")});
    writeSeries(QStringLiteral("Heads"), {QStringLiteral("h1"), QStringLiteral("h2"), QStringLiteral("h3")});
    c->barcodeMode().data_source_chkbox->setChecked(true);
    c->barcodeMode().Data_Set_Sheet_RD->setChecked(true);
    c->barcodeMode().barcode_value_chk->setChecked(true);
    c->barcodeMode().barcode_header_chk->setChecked(true);
    c->barcodeMode().Fill_Data_Set_File_Name_In_Combo(c->barcodeMode().val_combo_list);
    c->barcodeMode().Fill_Data_Set_File_Name_In_Combo(c->barcodeMode().hdr_combo_list);
    EXPECT_EQ(c->barcodeMode().val_combo_list->itemText(0), QStringLiteral("<--Select-->"));
    c->barcodeMode().val_combo_list->setCurrentText(QStringLiteral("Values"));
    c->barcodeMode().hdr_combo_list->setCurrentText(QStringLiteral("Heads"));
    EXPECT_EQ(c->barcodeMode().val_combo_value->count(), 5);
    EXPECT_EQ(c->barcodeMode().hdr_combo_value->count(), 5);   // padded to the longest series
    c->barcodeMode().val_combo_value->setCurrentIndex(4);
    EXPECT_EQ(Last_Selected_Index, 4);
    EXPECT_EQ(c->barcodeMode().hdr_combo_value->currentIndex(), 4);
    EXPECT_EQ(c->barcodeMode().hdr_combo_value->currentText(), QString());
    EXPECT_EQ(c->barcodeMode().dataText->text(), QStringLiteral("555"));
    EXPECT_TRUE(c->barcodeMode().dataText->isReadOnly());
    // Choosing the placeholder disables and empties the value combo.
    c->barcodeMode().val_combo_list->setCurrentIndex(0);
    EXPECT_FALSE(c->barcodeMode().val_combo_value->isEnabled());
    EXPECT_TRUE(c->barcodeMode().val_list_name_txt->text().isEmpty());
}

TEST(TextDispatch, TextObjectEditorKeeps250Characters)
{
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    const auto manual = make(SKTGraphicClass::Text), bound = make(SKTGraphicClass::Text);
    bound->data_source_type = 1;
    bound->Set_text_value(QStringLiteral("from series"));
    select(c, {manual, bound});
    auto *editor = testsupport::pageControl<QPlainTextEdit>(sidebarOf(c->design()).datasource_tab, "Text_value_Edit");
    editor->setPlainText(QString(251, QLatin1Char('x')));
    emit platform::TextNotifications::instance().textDidChange(editor);
    EXPECT_EQ(editor->toPlainText().size(), 250);
    EXPECT_EQ(manual->Text_Value, QString(250, QLatin1Char('x')));
    EXPECT_EQ(bound->Text_Value, QStringLiteral("from series"));
    selectionOf(c->design()).Canvas_Selection = nullptr;
}

TEST(TextDispatch, TypingRedrawsThePreviewOnEveryKeystroke)
{
    SKIP_WITHOUT_BARCODE_MODE();
    testsupport::AppEnvironment env(QString(), true);
    SKTWindowController *c = env.controller();
    c->window()->show();
    c->applicationDidFinishLaunching();
    c->barcodeMode().barcodeTypePopup->setCurrentText(QStringLiteral("Code 128"));
    c->barcodeMode().dataText->clear();
    c->barcodeMode().dataText->setFocus();
    QSizeF last;
    for (QChar ch : QStringLiteral("ABC123")) {
        QTest::keyClicks(c->barcodeMode().dataText, QString(ch));
        ASSERT_TRUE(c->barcodeMode().barcodeImage->hasPicture()) << "after " << QString(ch).toStdString();
        const QSizeF size = c->barcodeMode().barcodeImage->picture().size();
        EXPECT_GT(size.width(), last.width());   // one more character, a wider symbol
        last = size;
    }
    // A value the symbology refuses blanks the preview and shows the error label.
    c->barcodeMode().barcodeTypePopup->setCurrentText(QStringLiteral("EAN-13"));
    c->barcodeMode().dataText->clear();
    QTest::keyClicks(c->barcodeMode().dataText, QStringLiteral("X"));
    EXPECT_FALSE(c->barcodeMode().barcodeImage->hasPicture());
    EXPECT_FALSE(c->barcodeMode().barcode_error_label->isHidden());
}

