// The toolbar's output and file commands: the first valid series record, the record test, the
// transparency question, the design copy around an output window, Save As per mode, Copy, and the
// tool windows' refills.

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "core/Globals.h"
#include "core/Edition.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "design/DesignParts.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "data/Import_Wizard.h"
#include "io/SeriesStore.h"
#include "design/DesignCommands.h"
#include "engines/Symbologies.h"
#include "model/SKTDocument.h"
#include "model/SKTText.h"
#include "output/OutputController.h"
#include "platform/test_picture_tools.h"
#include "support/AppEnvironment.h"
#include "support/Decode.h"
#include "support/Editions.h"
#include "support/ScriptedResponder.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include <QDialog>
#include <gtest/gtest.h>

namespace {

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        c->window();
    }
    void TearDown() override { c->output().Job_Recorder = nullptr; }
    DesignController &d() { return c->design(); }
    BarcodeModeController &b() { return c->barcodeMode(); }
    QStringList messages() { return responder->trimmedAlertMessages(); }
    void chooseSymbology(const QString &title)
    {
        b().barcodeTypePopup->setCurrentIndex(Symbologies::indexOf(title));
    }
    // A series of values bound to the Barcode mode's value, records in the value combo.
    void bindSeries(const QStringList &values)
    {
        b().data_source_chkbox->setChecked(true);
        b().barcode_value_chk->setChecked(true);
        b().Data_Set_Sheet_RD->setChecked(true);
        b().Custom_Sheet_RD->setChecked(false);
        b().val_combo_value->clear();
        b().val_combo_value->addItems(values);
        Use_Data_Sheet_Values = true;
        Total_Barcode_Label_wd_Batch = int(values.size());
    }

    testsupport::AppEnvironment env{QString(), true};
    testsupport::ResponderScope responder;
    SKTWindowController *c = nullptr;
};

TEST_F(FileCommands, TheFirstValidSeriesRecordIsSelected)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    chooseSymbology(QStringLiteral("EAN-13"));
    bindSeries({QStringLiteral("letters"), QStringLiteral("12"), QStringLiteral("590123412345")});
    EXPECT_TRUE(commandsOf(d()).Find_Valid_Barcode_Value_For_Batch_Processing());
    EXPECT_EQ(b().val_combo_value->currentIndex(), 2);
    EXPECT_TRUE(messages().filter(invalid_barcode_msg).isEmpty());
}

TEST_F(FileCommands, NoValidRecordRestoresTheSelectionAndSaysSo)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    chooseSymbology(QStringLiteral("EAN-13"));
    bindSeries({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    b().val_combo_value->setCurrentIndex(1);
    Last_Selected_Index = 1;
    EXPECT_FALSE(commandsOf(d()).Find_Valid_Barcode_Value_For_Batch_Processing());
    EXPECT_EQ(b().val_combo_value->currentIndex(), 1);
    EXPECT_EQ(Last_Selected_Index, 1);
    EXPECT_EQ(messages(), QStringList{invalid_barcode_msg});
}

TEST_F(FileCommands, RecordTestByFamily)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    struct Case {
        QString symbology;
        QString value;
        bool valid;
    };
    const QList<Case> cases = {
        {QStringLiteral("Code 128"), QStringLiteral("AB-12"), true},
        {QStringLiteral("Code 128"), QStringLiteral("AB\u00C412"), false},   // not ASCII
        {QStringLiteral("Code 128"), QString(), false},                      // empty
        {QStringLiteral("QR Code"), QStringLiteral("Gr\u00FC\u00DFe"), true},
        {QStringLiteral("DataMatrix"), QStringLiteral("DM 1"), true},
    };
    for (const Case &k : cases) {
        chooseSymbology(k.symbology);
        bindSeries({k.value});
        EXPECT_EQ(commandsOf(d()).Check_Barcode_Value_is_Valid_in_Series(0), k.valid) << k.symbology.toStdString() << " "
                                                                         << k.value.toStdString();
    }
}

TEST_F(FileCommands, TransparencyIsAskedForJpegOnly)
{
    responder->alertAnswers = {QStringLiteral("No")};
    EXPECT_FALSE(DesignCommands::Confirm_Transparent_Export(true, QStringLiteral("jpg")));
    ASSERT_EQ(responder->alerts.size(), 1);
    EXPECT_EQ(messages().first(), DesignCommands::Transparent_Export_Question.trimmed());
    EXPECT_TRUE(DesignCommands::Confirm_Transparent_Export(true, QStringLiteral("png")));
    EXPECT_TRUE(DesignCommands::Confirm_Transparent_Export(true, QStringLiteral("PNG")));
    EXPECT_TRUE(DesignCommands::Confirm_Transparent_Export(false, QStringLiteral("jpg")));
    EXPECT_EQ(responder->alerts.size(), 1);
}

TEST_F(FileCommands, AfterARecordedPrintTheCanvasHoldsTheDesignAsBefore)
{
    c->Designing_Mode_Select();
    auto text = std::make_shared<SKTText>();
    text->_bounds = QRectF(10, 10, 80, 20);
    text->Set_text_value(QStringLiteral("design"));
    c->document()->insertGraphics({text}, {0});
    QStringList calls;
    c->output().Job_Recorder = [&](const QString &entry, const QStringList &) {
        calls << entry;
        // The print window fills a record into the card.
        for (const auto &g : c->document()->graphics())
            g->Set_text_value(QStringLiteral("record 8"));
        return 1;
    };
    commandsOf(d()).Print_Button();
    EXPECT_EQ(calls, QStringList{QStringLiteral("Open_Print_Wnd")});
    ASSERT_EQ(c->document()->graphics().size(), 1);
    EXPECT_EQ(c->document()->graphics().first()->Text_Value, QStringLiteral("design"));
}

TEST_F(FileCommands, OutputWindowsOpenWithoutAWord)
{
    c->Designing_Mode_Select();
    commandsOf(d()).Print_Button();
    QStringList modals;
    responder->onModal = [&](QDialog &dialog) {
        modals << dialog.objectName();
        return 0;
    };
    commandsOf(d()).PDF_Export_Button();
    commandsOf(d()).Mail_Button();
    // Printing, PDF export and mail are there: their windows opened (and were closed) without a word.
    EXPECT_EQ(messages(), QStringList{});
    EXPECT_EQ(modals, (QStringList{QStringLiteral("PDF_Export"), QStringLiteral("send_mail_wnd")}));
}

TEST_F(FileCommands, SaveAsPerMode)
{
    if (!ONLY_STD_MODE) {
        c->Advance_QR_Mode_Select();
        commandsOf(d()).SaveAs_Btn_Clicked();
        EXPECT_TRUE(responder->saveRequests.isEmpty());
        EXPECT_TRUE(responder->alerts.isEmpty());
    }
    c->Designing_Mode_Select();
    Project_File_Name = QStringLiteral("/nowhere/kept.") + design_file_EXT;
    commandsOf(d()).SaveAs_Btn_Clicked();   // the panel is cancelled
    EXPECT_EQ(responder->saveRequests.size(), 1);
    EXPECT_EQ(Project_File_Name, QStringLiteral("/nowhere/kept.") + design_file_EXT);
}

TEST_F(FileCommands, CopyPutsADecodableSymbolOnTheClipboard)
{
    SKIP_WITHOUT_BARCODE_MODE();
    if (!picturetest::haveTool(QStringLiteral("pdftoppm")))
        GTEST_SKIP() << "pdftoppm is not installed";
    c->Barcode_Mode_Select();
    chooseSymbology(QStringLiteral("Code 128"));
    b().dataText->setText(QStringLiteral("TAGORA-42"));
    b().goButtonActionPerformed();
    commandsOf(d()).Copy_Button();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QByteArray pdf = data->data(QStringLiteral("application/pdf"));
    ASSERT_FALSE(pdf.isEmpty());
    const testsupport::Decoded read = testsupport::decode(picturetest::rasterisePdf(pdf, 300), QStringLiteral("Code128"));
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.text, QStringLiteral("TAGORA-42"));
    // The file beside it holds the same PDF.
    ASSERT_EQ(data->urls().size(), 1);
    QFile file(data->urls().first().toLocalFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), pdf);
    EXPECT_TRUE(file.fileName().endsWith(QLatin1String("/barcode.pdf")));
}

TEST_F(FileCommands, CopyWithAnInvalidValueLeavesTheClipboard)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    chooseSymbology(QStringLiteral("EAN-13"));
    b().dataText->setText(QStringLiteral("not a number"));
    b().goButtonActionPerformed();
    commandsOf(d()).Copy_Button();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("application/pdf")).isEmpty());
}

TEST_F(FileCommands, ToolWindowsAskForANewSeriesAndRefillTheLists)
{
    SKIP_WITHOUT_BARCODE_MODE();
    int opened = 0;
    // The user types two values under "Fresh" and presses OK.
    Import_Wizard *w = Import_Wizard::defaultInstance();
    responder->onModal = [&](QDialog &dialog) {
        if (&dialog != w)
            return 0;
        ++opened;
        EXPECT_EQ(w->file_name_required, 1);
        EXPECT_EQ(w->file_name_Insert, 0);
        w->Mnul_RD->click();
        w->ManualEdit->setPlainText(QStringLiteral("a\nb"));
        w->Manual_file_name->setText(QStringLiteral("Fresh"));
        w->ok_btn->click();
        return dialog.result();
    };
    commandsOf(d()).Import_Wizard_Button();
    responder->onModal = nullptr;
    EXPECT_EQ(series_store::read(QStringLiteral("Fresh")).value_or(QStringList()), QStringList({"a", "b"}));
    EXPECT_EQ(opened, 1);
    ASSERT_NE(b().val_combo_list, nullptr);
    EXPECT_GE(b().val_combo_list->findText(QStringLiteral("Fresh")), 0);
}

} // namespace
