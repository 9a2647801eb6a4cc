// A Designing-mode batch printed through the print dialog: a card with a text and a Code 128 bound
// to a 25-value series on a 3 x 4 sheet. The total is the batch's 25; a selected range 3 to 5
// previews those three records; All prints three sheets, the last with one label, every Code 128
// decoding (zxing-cpp) to its record; a real job's labels are 600-DPI bitmaps.

#include "PrintDialogFixture.h"

#include "app/SKTWindowController.h"
#include "design/DesignCommands.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "design/RecordBinding.h"
#include "engines/Symbologies.h"
#include "model/SKTBarcode.h"
#include "model/SKTDocument.h"
#include "model/SKTText.h"
#include "support/Decode.h"
#include "outputjobs/OutputGlobals.h"
#include "core/UserFolders.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

using printtest::PrintDialog;

constexpr double PtPerMM = 72.0 / 25.4;

class PrintCardBatch : public PrintDialog {
protected:
    void SetUp() override
    {
        PrintDialog::SetUp();
        if (!printtest::haveTools())
            GTEST_SKIP() << "pdfinfo and pdftoppm are needed";
        c->Designing_Mode_Select();
        QDir().mkpath(Data_Folder_Path);
        QFile f(Data_Folder_Path + QStringLiteral("/codes.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 25; ++i)
            f.write(QStringLiteral("REC-%1\n").arg(i, 2, 10, QLatin1Char('0')).toUtf8());
        f.close();
        workAreaOf(c->design()).SetDocumentCanvasSize(QSizeF(60 * PtPerMM, 40 * PtPerMM));
        auto text = std::make_shared<SKTText>();
        text->_bounds = QRectF(10, 6, 120, 18);
        text->data_source_type = 1;
        text->batch_list_name = QStringLiteral("codes");
        auto code = std::make_shared<SKTBarcode>();
        code->control_ID = QStringLiteral("BAR_1");
        code->barcode_font_index = Symbologies::indexOf(QStringLiteral("Code 128"));
        code->_bounds = code->bar_image_ctrl_bounds = QRectF(20, 40, 130, 60);
        code->data_source_type = 1;
        code->batch_list_name = QStringLiteral("codes");
        code->header_val.clear();
        code->footer_val.clear();
        c->document()->insertGraphics({text, code}, {0, 1});
        recordsOf(c->design()).Check_Series_Or_Excel_Use_or_not();
        ASSERT_TRUE(Use_Data_Sheet_Values);
        ASSERT_EQ(Total_Batch_Excel_Card, 25);
        setPaper(QPageSize::A4, QPageLayout::Portrait, 18);
    }

    // The 3 x 4 grid from the user's fields, then whatever the test does, through Print in the toolbar.
    void printFromToolbar(const std::function<void()> &user, const std::function<int(QDialog &)> &others = {})
    {
        responder->onModal = [this, user, others](QDialog &dialog) {
            if (&dialog != w)
                return others ? others(dialog) : 0;
            w->show();
            type(w->Row_Text, QStringLiteral("4"));
            type(w->Col_Text, QStringLiteral("3"));
            user();
            return 0;
        };
        commandsOf(c->design()).Print_Button();
    }

    // The Code 128 of the label in cell (0-based) of a page rendered at 600 DPI.
    QString codeIn(const QImage &page, int cell)
    {
        const double perPt = 600.0 / 72.0;
        const QRectF box((18 + (cell % 3) * 60 * PtPerMM) * perPt, (18 + (cell / 3) * 40 * PtPerMM) * perPt,
                         60 * PtPerMM * perPt, 40 * PtPerMM * perPt);
        const testsupport::Decoded d = testsupport::decode(page.copy(box.toRect()), QStringLiteral("Code128"));
        return d.ok ? d.text : QString();
    }
};

TEST_F(PrintCardBatch, AllRecordsPrintOnThreeSheetsEachLabelItsOwn)
{
    toPdf();
    printFromToolbar([&] {
        EXPECT_TRUE(w->print_with_batch_chk->isChecked());
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("25"));
        EXPECT_EQ(Print_Row, 4);
        EXPECT_EQ(Print_Col, 3);
        w->printButton->click();
    });
    ASSERT_EQ(printtest::pdfInfo(pdf).pages, 3);
    for (int page = 1; page <= 3; ++page) {
        const QImage grey = printtest::page(pdf, page);
        for (int cell = 0; cell < 12; ++cell) {
            const int record = (page - 1) * 12 + cell + 1;
            EXPECT_EQ(codeIn(grey, cell), record <= 25 ? QStringLiteral("REC-%1").arg(record, 2, 10, QLatin1Char('0')) : QString())
                << "page " << page << " cell " << cell;
        }
    }
    // The design shows its own values again after the job.
    EXPECT_EQ(c->document()->graphics().size(), 2);
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
}

TEST_F(PrintCardBatch, ASelectedRangePreviewsItsRecordsFromTheFirstCell)
{
    QStringList shown;
    int pages = -1;
    printFromToolbar(
        [&] {
            w->Sel_print_rd->click();
            type(w->from_Text, QStringLiteral("3"));
            type(w->To_Text, QStringLiteral("5"));
            w->previewButton->click();
        },
        [&](QDialog &dialog) {
            if (auto *preview = dialog.findChild<QPrintPreviewWidget *>()) {
                preview->updatePreview();
                pages = preview->pageCount();
            }
            return 0;
        });
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(Print_Start, 2);
    EXPECT_EQ(Total_Label_Real, 3);
    // The same range printed: records 3, 4 and 5 in the first three cells.
    toPdf();
    printFromToolbar([&] {
        w->Sel_print_rd->click();
        type(w->from_Text, QStringLiteral("3"));
        type(w->To_Text, QStringLiteral("5"));
        w->printButton->click();
    });
    const QImage grey = printtest::page(pdf, 1);
    for (int cell = 0; cell < 4; ++cell)
        shown << codeIn(grey, cell);
    EXPECT_EQ(shown, (QStringList{"REC-03", "REC-04", "REC-05", QString()}));
}

// A real job hands the printer 600-DPI bitmaps: the label's image in the PDF is 600 pixels an inch.
TEST_F(PrintCardBatch, ARealJobsLabelsAre600DpiBitmaps)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
        GTEST_SKIP() << "pdfimages is needed";
    toPdf();
    printFromToolbar([&] {
        type(w->Total_Text, QStringLiteral("2"));
        w->Sel_print_rd->click();
        type(w->from_Text, QStringLiteral("1"));
        type(w->To_Text, QStringLiteral("2"));
        w->printButton->click();
    });
    const QString list = printtest::run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    const QStringList lines = list.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4) << qPrintable(list);
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    const QStringList first = lines.at(2).simplified().split(QLatin1Char(' '));
    ASSERT_GE(first.size(), 14);
    EXPECT_EQ(first.at(3).toInt(), 1418);   // ceil(600 x 60 mm / 25.4)
    EXPECT_EQ(first.at(4).toInt(), 945);
    EXPECT_NEAR(first.at(12).toDouble(), 600, 1);
}

} // namespace
