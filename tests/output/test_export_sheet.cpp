// The Designing mode's label export run through the window: the sheet prepared from the design's batch
// state, its range controls, the used-data lists, and what OK hands over to the export.

#include "app/SKTWindowController.h"
#include "core/Messages.h"
#include "core/UserFolders.h"
#include "design/DesignParts.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "design/DesignCommands.h"
#include "design/RecordBinding.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTText.h"
#include "core/Open_Export_Log.h"
#include "engines/Symbologies.h"
#include "model/SKTGraphicView.h"
#include "output/ExportWindow.h"
#include "output/ImageExport.h"
#include "outputjobs/ImageExportWriter.h"
#include "output/Send_Modeless.h"
#include "support/Decode.h"
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
#include <QTest>
#include <QTimer>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QDir>

#include <stdexcept>

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
        commandsOf(d()).Export_Button();
    }
    // The user's OK with a destination, through the sheet's button.
    int okay(QDialog &shown)
    {
        sheet().Export_Dest_Path->setText(destination.path());
        shown.setResult(0);
        sheet().export_btn_on_export_image->click();
        return shown.result();
    }
    // The user's typing over the field's text, then the end of its editing.
    void type(QLineEdit *field, const QString &text)
    {
        field->clear();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
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
            (k.field == sheet().Total_Text ? sheet().All_print_rd : sheet().Sel_print_rd)->click();   // the field open
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
    recordsOf(d()).Linked_Sheet.columnTitles = {QStringLiteral("Name"), QStringLiteral("Code")};
    for (int i = 0; i < 3; ++i)
        recordsOf(d()).Linked_Sheet.rows.append({{QStringLiteral("Extension"), QString::number(i + 1)},
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

TEST_F(ExportSheet, OkExportsEachRecordIntoTheLabelFolder)
{
    eightRecordDesign();
    c->output().Job_Recorder = nullptr;
    QStringList boxes;
    responder->onModal = [&](QDialog &d) {
        if (auto *box = qobject_cast<Open_Export_Log *>(&d))
            boxes << box->_open_log_chk->text() << box->_open_log_message->text();
        return 0;
    };
    runSheet([&](QDialog &shown) { return okay(shown); });
    const QDir folder(QDir(destination.path()).filePath(QStringLiteral("QIRO Label")));
    QStringList expected = {QStringLiteral("Label.jpg")};
    for (int k = 1; k < 8; ++k)
        expected << QStringLiteral("Label (%1).jpg").arg(k);
    expected.sort();
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    EXPECT_EQ(boxes, (QStringList{QStringLiteral("Open containing folder."), QStringLiteral("Label has been exported successfully.")}));
    EXPECT_FALSE(Card_Value_In_Process);
    EXPECT_EQ(export_card_counter, 8);
}

} // namespace

// ---- The label export's runs ----

namespace {

class LabelExport : public ExportSheet {
protected:
    void SetUp() override
    {
        ExportSheet::SetUp();
        c->output().Job_Recorder = nullptr;
        workAreaOf(d()).canvasFrameSize = QSizeF(252, 144);   // 3.5 x 2 in
        if (SKTGraphicView *view = workAreaOf(d()).Graphic_View())
            view->setCardSize(QSizeF(252, 144));
        responder->onModal = [this](QDialog &shown) {
            if (auto *box = qobject_cast<Open_Export_Log *>(&shown))
                boxes << box->_open_log_message->text();
            return 0;
        };
        ImageExport::batchThreads() = 0;
    }
    void TearDown() override
    {
        ImageExport::keepReplaceOverride() = nullptr;
        imageexport::fileWriterOverride() = nullptr;
        ImageExport::batchThreads() = 0;
        Stop_Processing_Now = false;
        ExportSheet::TearDown();
    }
    std::shared_ptr<SKTBarcode> code128(const QString &series)
    {
        auto b = std::make_shared<SKTBarcode>();
        b->control_ID = QStringLiteral("BAR_1");
        b->barcode_font_index = Symbologies::indexOf(QStringLiteral("Code 128"));
        b->linear_or_2d = 0;
        b->linear_font_val = QStringLiteral("OWN-1");
        b->show_hide_hdr = b->show_hide_ftr = 1;
        b->_bounds = b->bar_image_ctrl_bounds = QRectF(20, 40, 210, 90);
        b->data_source_type = 1;
        b->batch_list_name = series;
        return b;
    }
    // A text and a Code 128 bound to the series of these values.
    void seriesDesign(const QStringList &values)
    {
        QFile f(Data_Folder_Path + QStringLiteral("/Codes.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const QString &v : values)
            f.write(v.toUtf8() + '\n');
        f.close();
        put({text(1, QStringLiteral("Codes")), code128(QStringLiteral("Codes"))});
    }
    // Naming by the series value, in the format; OK.
    void exportByValue(int format)
    {
        runSheet([&](QDialog &shown) {
            sheet().exp_rad_sv->click();
            sheet().Used_Seres_In_Design->setCurrentIndex(sheet().Used_Seres_In_Design->findText(QStringLiteral("Codes")));
            sheet().ex_bar_image_type_combo->setCurrentIndex(format);
            return okay(shown);
        });
    }
    QDir folder() const { return QDir(QDir(destination.path()).filePath(QStringLiteral("QIRO Label"))); }
    QStringList files() const { return folder().entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    QStringList designTexts()
    {
        QStringList out;
        for (const auto &g : selectionOf(d()).Get_Front_Controls_Array())
            out << QString::number(int(g->graphicClass())) + g->batch_list_name;
        return out;
    }
    QStringList boxes;
};

TEST_F(LabelExport, EachRecordByValueDecodesAndTheDesignComesBack)
{
    QStringList values;
    for (int i = 1; i <= 25; ++i)
        values << QStringLiteral("LBL-%1").arg(i, 2, 10, QLatin1Char('0'));
    seriesDesign(values);
    const QStringList before = designTexts();
    exportByValue(3);   // png
    QStringList expected;
    for (const QString &v : values)
        expected << v + QStringLiteral(".png");
    ASSERT_EQ(files(), expected);
    for (int i = 0; i < values.size(); i += 6) {
        const QImage image(folder().filePath(expected[i]));
        EXPECT_EQ(image.size(), QSize(2100, 1200));
        EXPECT_EQ(testsupport::decode(image, QStringLiteral("Code128")).text, values[i]);
    }
    EXPECT_EQ(designTexts(), before);
    EXPECT_FALSE(Card_Value_In_Process);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Label has been exported successfully.")});
    EXPECT_FALSE(c->output().msend_modTimer && c->output().msend_modTimer->isActive());
    EXPECT_FALSE(c->send_modls_wnd->window && c->send_modls_wnd->window->isVisible());
}

TEST_F(LabelExport, ARepeatedValueAsksKeepOrReplace)
{
    seriesDesign({QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("B")});
    QStringList asked;
    QList<int> answers = {1, 0};   // keep, then replace
    ImageExport::keepReplaceOverride() = [&](const QString &path, bool all) -> QString {
        if (!QFileInfo::exists(path))
            return path;
        asked << QFileInfo(path).fileName() + (all ? QStringLiteral(" all") : QString());
        const int a = answers.takeFirst();
        return a == 1 ? c->output().Check_Exist_Path_and_Create_New(path, 1) : path;
    };
    ImageExport::batchThreads() = 3;
    exportByValue(0);   // jpg
    EXPECT_EQ(asked, (QStringList{QStringLiteral("A.jpg all"), QStringLiteral("B.jpg all")}));
    EXPECT_EQ(files(), (QStringList{QStringLiteral("A (1).JPG"), QStringLiteral("A.jpg"), QStringLiteral("B.jpg")}));
}

TEST_F(LabelExport, StopLeavesCompleteFilesAndSaysSo)
{
    QStringList values;
    for (int i = 0; i < 20; ++i)
        values << QStringLiteral("S%1").arg(i);
    seriesDesign(values);
    const QStringList before = designTexts();
    int written = 0;
    imageexport::fileWriterOverride() = [&](const QString &p, const QByteArray &b, QString *error) {
        if (++written == 3)
            Stop_Processing_Now = true;   // the user's Stop while the third file is written
        return imageexport::writeWhole(p, b, error);
    };
    ImageExport::batchThreads() = 1;
    exportByValue(3);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("S0.png"), QStringLiteral("S1.png"), QStringLiteral("S2.png")}));
    EXPECT_EQ(boxes, QStringList{QStringLiteral("The export was stopped. 3 file(s) were written.")});
    EXPECT_EQ(designTexts(), before);
}

TEST_F(LabelExport, FailedWritesAreCountedNotReportedAsSuccess)
{
    seriesDesign({QStringLiteral("W1"), QStringLiteral("W2"), QStringLiteral("W3")});
    imageexport::fileWriterOverride() = [](const QString &p, const QByteArray &b, QString *error) {
        if (p.endsWith(QLatin1String("W2.png"))) {
            *error = QStringLiteral("No space left on device");
            return false;
        }
        return imageexport::writeWhole(p, b, error);
    };
    exportByValue(3);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("W1.png"), QStringLiteral("W3.png")}));
    EXPECT_EQ(boxes, QStringList{QStringLiteral(
                         "2 file(s) were exported; 1 could not be written (the first: W2.png: No space left on device).")});
    // Nothing written at all: a message, no box.
    boxes.clear();
    imageexport::fileWriterOverride() = [](const QString &, const QByteArray &, QString *error) {
        *error = QStringLiteral("Read-only file system");
        return false;
    };
    exportByValue(0);
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_TRUE(responder->alertMessages().contains(QStringLiteral("\nNo file could be written.\n\nW1.jpg: Read-only file system")));
}

TEST_F(LabelExport, AnExceptionEndsTheRunQuietlyAndRestoresTheDesign)
{
    seriesDesign({QStringLiteral("E1"), QStringLiteral("E2"), QStringLiteral("E3")});
    const QStringList before = designTexts();
    imageexport::fileWriterOverride() = [](const QString &, const QByteArray &, QString *) -> bool {
        throw std::runtime_error("broken disk");
    };
    exportByValue(3);
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(designTexts(), before);
    EXPECT_FALSE(Card_Value_In_Process);
    EXPECT_FALSE(c->output().msend_modTimer && c->output().msend_modTimer->isActive());
}

TEST_F(LabelExport, DestinationThatIsNoFolderStopsBeforeTheSheet)
{
    seriesDesign({QStringLiteral("D1")});
    QFile file(QDir(destination.path()).filePath(QStringLiteral("QIRO Label")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));   // the batch folder's name taken by a file
    file.close();
    exportByValue(3);
    EXPECT_TRUE(responder->alertMessages().contains(QStringLiteral("\nUnable to continue saving barcode image.\n\nThe folder "
                                                                   "\"%1\" cannot be written: Not a directory").arg(file.fileName())));
    EXPECT_TRUE(QFileInfo(file.fileName()).isFile());
    EXPECT_FALSE(Card_Value_In_Process);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(LabelExport, SingleExportOntoAnExistingLabel)
{
    put({text(0)});
    struct Case {
        int answer;   // 0 replace, 1 keep, 4 cancel
        QStringList files;
        int boxes;
    };
    const Case cases[] = {{4, {QStringLiteral("Label.png")}, 0},
                          {1, {QStringLiteral("Label (1).PNG"), QStringLiteral("Label.png")}, 1},
                          {0, {QStringLiteral("Label.png")}, 1}};
    for (const Case &k : cases) {
        QTemporaryDir dest;
        const QString old = QDir(dest.path()).filePath(QStringLiteral("Label.png"));
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
        f.close();
        bool showedApplyAll = true;
        ImageExport::keepReplaceOverride() = [&](const QString &path, bool all) -> QString {
            showedApplyAll = all;
            if (k.answer == 4)
                return QString();
            return k.answer == 1 ? c->output().Check_Exist_Path_and_Create_New(path, 1) : path;
        };
        boxes.clear();
        runSheet([&](QDialog &shown) {
            sheet().ex_bar_image_type_combo->setCurrentIndex(3);
            sheet().Export_Dest_Path->setText(dest.path());
            shown.setResult(0);
            sheet().export_btn_on_export_image->click();
            return shown.result();
        });
        EXPECT_FALSE(showedApplyAll);
        EXPECT_EQ(QDir(dest.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), k.files) << k.answer;
        EXPECT_EQ(boxes.size(), k.boxes) << k.answer;
        QFile back(old);
        ASSERT_TRUE(back.open(QIODevice::ReadOnly));
        const QByteArray bytes = back.readAll();
        EXPECT_EQ(bytes == "old", k.answer != 0) << k.answer;   // replaced only by a whole new file
        if (k.answer == 0) {
            EXPECT_EQ(QImage::fromData(bytes).size(), QSize(2100, 1200));
        }
    }
}

TEST_F(LabelExport, EpsIsWrittenUnraised)
{
    put({text(0)});
    runSheet([&](QDialog &shown) {
        sheet().ex_bar_image_type_combo->setCurrentIndex(4);
        return okay(shown);
    });
    QFile eps(QDir(destination.path()).filePath(QStringLiteral("Label.eps")));
    ASSERT_TRUE(eps.open(QIODevice::ReadOnly));
    const QByteArray bytes = eps.readAll();
    EXPECT_TRUE(bytes.startsWith("%!PS-Adobe-3.0 EPSF-3.0"));
    EXPECT_TRUE(bytes.contains("%%BoundingBox: 0 0 252 144"));
}

} // namespace
