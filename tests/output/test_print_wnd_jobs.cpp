// Print and Preview as the user presses them: the checks and totals of a job, the pages written
// through the PDF destination (read back with pdfinfo and pdftoppm), every label decoded, each
// label's ink where the sheet's published grid puts it, the preview window, and the failures.

#include "PrintDialogFixture.h"

#include "app/SKTWindowController.h"
#include "design/DesignCard.h"
#include "design/DesignCommands.h"
#include "design/DesignController.h"
#include "model/Card_Property.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "model/SKTDocument.h"
#include "model/Shape_Control.h"
#include "output/Send_Modeless.h"
#include "support/Decode.h"
#include "support/Editions.h"
#include "support/FileSizeLimit.h"
#include "support/PageSetupAnswer.h"
#include "support/PrivateCupsd.h"
#include "core/UserFolders.h"
#include "output/Add_Print_Profile.h"
#include "output/LabelSizeFields.h"
#include "output/PDF_Export.h"
#include "outputjobs/CustomProductStore.h"
#include "outputjobs/PrintProfileStore.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>

#include <optional>

namespace {

using printtest::BoxMM;
using printtest::PrintDialog;

constexpr double PtPerMM = 72.0 / 25.4;

class PrintJobs : public PrintDialog {
protected:
    void SetUp() override
    {
        PrintDialog::SetUp();
        if (!printtest::haveTools())
            GTEST_SKIP() << "pdfinfo and pdftoppm are needed";
    }

    // A card of the label's size with a black rectangle inset 2 mm, in Designing mode.
    void blackCard(double widthMM, double heightMM)
    {
        c->Designing_Mode_Select();
        workAreaOf(c->design()).SetDocumentCanvasSize(QSizeF(widthMM * PtPerMM, heightMM * PtPerMM));
        auto rect = std::make_shared<Shape_Control>();
        rect->Set_Shape_Type(QStringLiteral("R"));
        rect->setBounds(QRectF(2 * PtPerMM, 2 * PtPerMM, (widthMM - 4) * PtPerMM, (heightMM - 4) * PtPerMM));
        rect->_fillColor = Qt::black;
        rect->_isDrawingStroke = false;
        c->document()->insertGraphics({rect}, {0});
    }

    // Print in the toolbar, the user's settings, then Print in the dialog.
    void printFromToolbar(const std::function<void()> &settings)
    {
        toPdf();
        responder->onModal = [this, settings](QDialog &dialog) {
            if (&dialog != w)
                return 0;
            w->show();
            settings();
            w->printButton->click();
            return 0;
        };
        commandsOf(c->design()).Print_Button();
    }

    // Each label's ink box against the grid: cells of w x h mm whose top-left corners are at
    // left + c x pitchX, top + r x pitchY; the ink is the cell less 2 mm on every side.
    void expectGrid(int rows, int cols, double left, double top, double pitchX, double pitchY, double wMM, double hMM)
    {
        const QImage page = printtest::page(pdf, 1);
        ASSERT_FALSE(page.isNull());
        for (int r = 0; r < rows; ++r)
            for (int col = 0; col < cols; ++col) {
                const double x = left + col * pitchX, y = top + r * pitchY;
                const BoxMM ink = printtest::inkAround(page, x + wMM / 2, y + hMM / 2);
                const double got[] = {ink.left, ink.top, ink.right, ink.bottom}, want[] = {x + 2, y + 2, x + wMM - 2, y + hMM - 2};
                for (int edge = 0; edge < 4; ++edge)
                    EXPECT_NEAR(got[edge], want[edge], 0.1) << "row " << r << " column " << col << " edge " << edge;
            }
    }
};

TEST_F(PrintJobs, ARangeFromFiveToThreeIsRefusedAndThreeToFivePrintsThreeLabels)
{
    blackCard(50, 30);
    Use_Data_Sheet_Values = true;
    Total_Batch_Excel_Card = 10;
    toPdf();
    open([&] {
        ASSERT_TRUE(w->export_range_box->isEnabled());
        w->Sel_print_rd->click();
        type(w->from_Text, QStringLiteral("5"));
        type(w->To_Text, QStringLiteral("3"));
        w->printButton->click();
        EXPECT_EQ(messages(), QStringList{QStringLiteral("Please select valid range.")});
        EXPECT_FALSE(QFile::exists(pdf));
        type(w->from_Text, QStringLiteral("3"));
        type(w->To_Text, QStringLiteral("5"));
        w->printButton->click();
        EXPECT_EQ(Print_Start, 2);
        EXPECT_EQ(Print_End, 5);
        EXPECT_EQ(Total_Label, 3);
        EXPECT_EQ(Total_Label_Real, 3);
        EXPECT_TRUE(w->isVisible());   // the dialog stays open after a job
    });
    EXPECT_EQ(printtest::pdfInfo(pdf).pages, 3);   // one label a sheet
    EXPECT_EQ(messages().size(), 1);
}

TEST_F(PrintJobs, AnEmptyOrZeroTotalPrintsNothing)
{
    blackCard(50, 30);
    toPdf();
    open([&] {
        for (const QString &total : {QString(), QStringLiteral("0")}) {
            w->Total_Text->setText(total);
            w->printButton->click();
        }
        EXPECT_EQ(messages(), QStringList(2, QStringLiteral("There is no barcode to print.")));
    });
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintJobs, ALabelWiderThanThePaperAsksFirst)
{
    blackCard(210, 30);   // the paper's full width, with margins of 6.35 mm
    toPdf();
    open([&] {
        responder->alertAnswers = {QStringLiteral("No")};
        w->printButton->click();
        EXPECT_FALSE(QFile::exists(pdf));
        responder->alertAnswers = {QStringLiteral("Yes")};
        w->printButton->click();
    });
    const QString question =
        QStringLiteral("'Label Size' is bigger than selected 'Paper Size' or Margin area.\n\nDo you want to continue?");
    EXPECT_EQ(messages(), QStringList(2, question));
    EXPECT_EQ(printtest::pdfInfo(pdf).pages, 1);
}

// A custom product's size is what its field shows, as the stepper holds it; a saved size of 0, below
// or none (a file edited by hand) is refused, nothing sent. (A typed size the stepper cannot hold is
// refused as it is typed: ProductLabelSizes.)
TEST_F(PrintJobs, AProductSizeIsPrintedAsShownAndNeverAtZero)
{
    blackCard(50, 30);
    // A margin or gap that reads as no number, or a margin beyond the page (edited by hand), is refused, never
    // printed as its start or 0.
    struct Case { QString saved, shown; bool printed; QString margin = "0", gap = "0", refusal = labelsize::Width_Message; };
    for (const Case &k : {Case{"0", "0", false}, Case{"-5", "-5", false}, Case{"", "", false}, Case{"0.005", "0.10", true},
                          Case{"20", "20.00", false, "1.234,5", "0", labelsize::Unreadable_Message("left margin")},
                          Case{"20", "20.00", false, "999", "0", "Please enter a left margin from 0.00 to 210.00 mm."},
                          Case{"20", "20.00", false, "0", "1e2", labelsize::Unreadable_Message("horizontal gap")}}) {
        ASSERT_TRUE(customproducts::Write_Product(custom_label_path, "Odd", {"1", "1", k.margin, "0", k.gap, "0", k.saved, "20",
                                                  "A4", "Portrait", "210.00 x 297.00", "210.00", "297.00", "Custom", "Custom"}));
        QFile::remove(pdf);
        responder->alerts.clear();
        printFromToolbar([&] {
            w->rd_predefined->click();
            pick(w->Product_num_ComboBox, QStringLiteral("Odd"));
            EXPECT_EQ(w->width_Text_pre->text(), k.shown);
        });
        EXPECT_EQ(messages(), k.printed ? QStringList() : QStringList{k.refusal}) << k.saved.toStdString();
        EXPECT_EQ(QFile::exists(pdf), k.printed) << k.saved.toStdString();
    }
}

TEST_F(PrintJobs, PagesHaveThePapersSizeAndOrientation)
{
    blackCard(50, 30);
    struct Case {
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
        QSizeF points;
        QString cardName = {};   // the job's title: the design's name, else the sheet's
    };
    // The paper's exact size, as the PDF export gives it.
    for (const Case &k : {Case{QPageSize::A4, QPageLayout::Portrait, QSizeF(595.28, 841.89)},
                          Case{QPageSize::Letter, QPageLayout::Portrait, QSizeF(612, 792)},
                          Case{QPageSize::A4, QPageLayout::Landscape, QSizeF(841.89, 595.28), "Shelf edge"}}) {
        setPaper(k.paper, k.orientation, 18);
        c->design().card().Front_card_Prop->Card_Name = k.cardName;
        QFile::remove(pdf);
        printFromToolbar([] {});
        const printtest::PdfInfo info = printtest::pdfInfo(pdf);
        EXPECT_NEAR(info.pageSize.width(), k.points.width(), 0.01) << int(k.paper) << " " << int(k.orientation);
        EXPECT_NEAR(info.pageSize.height(), k.points.height(), 0.01) << int(k.paper) << " " << int(k.orientation);
        EXPECT_EQ(info.title, k.cardName.isEmpty() ? QStringLiteral("Tagora label sheet") : k.cardName);
    }
    EXPECT_TRUE(messages().isEmpty());
}

// Seven labels on a sheet of 2 x 2: two pages, the second with three; each label is the symbol,
// centred in its cell, and reads back.
TEST_F(PrintJobs, SevenLabelsOnTwoByTwoAreTwoPagesOfDecodableSymbols)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    makeSymbol(QStringLiteral("Code 128"), QStringLiteral("TAGORA-45"));
    const QSizeF symbol = c->barcodeMode().barcodeImage->picture().size();
    toPdf();
    open([&] {
        type(w->Row_Text, QStringLiteral("2"));
        type(w->Col_Text, QStringLiteral("2"));
        type(w->Total_Text, QStringLiteral("7"));
        w->printButton->click();
    });
    ASSERT_EQ(printtest::pdfInfo(pdf).pages, 2);
    const double perPt = 600.0 / 72.0;
    for (int number = 1; number <= 2; ++number) {
        const QImage page = printtest::page(pdf, number);
        for (int cell = 0; cell < 4; ++cell) {
            const QRectF box((18 + (cell % 2) * symbol.width()) * perPt, (18 + (cell / 2) * symbol.height()) * perPt,
                             symbol.width() * perPt, symbol.height() * perPt);
            const QImage crop = page.copy(box.toRect());
            const testsupport::Decoded d = testsupport::decode(crop, QStringLiteral("Code128"));
            if (number == 2 && cell == 3) {
                int ink = 0;
                for (int y = 0; y < crop.height(); ++y)
                    for (int x = 0; x < crop.width(); ++x)
                        ink += crop.constScanLine(y)[x] < 128;
                EXPECT_EQ(ink, 0) << "the eighth cell stays empty";
                continue;
            }
            EXPECT_TRUE(d.ok) << "page " << number << " cell " << cell;
            EXPECT_EQ(d.text, QStringLiteral("TAGORA-45")) << "page " << number << " cell " << cell;
        }
    }
}

TEST_F(PrintJobs, PreviewShowsTheJobsPagesAndPrintsNothing)
{
    blackCard(50, 30);
    toPdf();
    int previewPages = -1;
    open(
        [&] {
            type(w->Row_Text, QStringLiteral("2"));
            type(w->Col_Text, QStringLiteral("2"));
            type(w->Total_Text, QStringLiteral("7"));
            w->previewButton->click();
        },
        [&](QDialog &dialog) {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(&dialog);
            EXPECT_NE(preview, nullptr);
            EXPECT_EQ(dialog.windowModality(), Qt::WindowModal);
            // No print panel and no second page setup from the preview.
            QStringList offered;
            for (const QAction *action : dialog.findChildren<QAction *>())
                if (action->isVisible())
                    offered << action->text();
            EXPECT_FALSE(offered.contains(QStringLiteral("Print"))) << offered.join(QLatin1Char(',')).toStdString();
            EXPECT_FALSE(offered.contains(QStringLiteral("Page setup"))) << offered.join(QLatin1Char(',')).toStdString();
            EXPECT_TRUE(offered.contains(QStringLiteral("Next page")));
            if (auto *pages = dialog.findChild<QPrintPreviewWidget *>()) {
                pages->updatePreview();
                previewPages = pages->pageCount();
            }
            return 0;
        });
    EXPECT_EQ(previewPages, 2);
    EXPECT_FALSE(QFile::exists(pdf));
}

// Three products of the catalogues, each against its sheet's published grid: Avery 5160 (Letter,
// 3 x 10 of 2-5/8 x 1 in, 3/16 in side and 1/2 in top margin, 2-3/4 in across), Avery L7160 (A4,
// 3 x 7 of 63.5 x 38.1 mm, 7.25 mm side and 15.15 mm top margin, 66 mm across) and ID-1 cards
// 2 x 5 on A4 with gaps of 5 and 2 mm, centred on the sheet; auto-centre ticked first keeps the grid.
// A stock saved in the Default profile comes back at the next opening.
TEST_F(PrintJobs, ProductLabelsLieOnTheirSheetsPublishedGrid)
{
    struct Product {
        const char *vendor, *product;
        QPageSize::PageSizeId paper;
        double wMM, hMM;
        int cols, rows;
        double left, top, pitchX, pitchY;
        bool autoCentre = false, saved = false;
    };
    const double idLeft = (210 - (2 * 85.6 + 5)) / 2, idTop = (297 - (5 * 53.98 + 4 * 2)) / 2;
    const Product products[] = {
        {"Avery", "5160", QPageSize::Letter, 2.625 * 25.4, 25.4, 3, 10, 0.1875 * 25.4, 0.5 * 25.4, 2.75 * 25.4, 25.4},
        {"Avery", "L7160", QPageSize::A4, 63.5, 38.1, 3, 7, 7.25, 15.15, 66.0, 38.1},
        {"ID Cards", "ID-1 A4-10", QPageSize::A4, 85.6, 53.98, 2, 5, idLeft, idTop, 85.6 + 5, 53.98 + 2},
        {"Avery", "L7160", QPageSize::A4, 63.5, 38.1, 3, 7, 7.25, 15.15, 66.0, 38.1, true},
        {"Avery", "L7160", QPageSize::A4, 63.5, 38.1, 3, 7, 7.25, 15.15, 66.0, 38.1, false, true},
    };
    for (const Product &p : products) {
        SCOPED_TRACE(std::string(p.product) + (p.autoCentre ? " auto-centred" : ""));
        setPaper(p.paper, QPageLayout::Portrait, 18);
        blackCard(p.wMM, p.hMM);
        QFile::remove(pdf);
        const auto chooseStock = [&] {
            if (p.autoCentre)
                w->Auto_Center_chk_bx->click();
            w->rd_predefined->click();
            pick(w->Label_ComboBox, QLatin1String(p.vendor));
            pick(w->Product_num_ComboBox, QLatin1String(p.product));
            EXPECT_FALSE(w->Auto_Center_chk_bx->isChecked() || w->Auto_Center_chk_bx->isEnabled());
        };
        if (p.saved) {   // in the Default row, selected at opening
            open([&] { chooseStock(); w->Save_profile_btn->click(); w->cancelButton->click(); });
            responder->alerts.clear();
        }
        printFromToolbar([&] {
            if (!p.saved)
                chooseStock();
            EXPECT_EQ(Print_Col, p.cols);
            EXPECT_EQ(Print_Row, p.rows);
            type(w->Total_Text, QString::number(p.cols * p.rows));
        });
        ASSERT_EQ(printtest::pdfInfo(pdf).pages, 1);
        expectGrid(p.rows, p.cols, p.left, p.top, p.pitchX, p.pitchY, p.wMM, p.hMM);
        QList<int> all;
        for (int i = 0; i < c->document()->graphics().size(); ++i)
            all << i;
        c->document()->removeGraphicsAtIndexes(all);
    }
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
}

// Manual layouts on A4 with 10 mm margins: 2 x 2 labels of 60 x 40 mm with gaps of 5 and 3 mm at
// the top-left, in the middle and at the bottom-right of the area inside the margins.
TEST_F(PrintJobs, ManualLabelsFollowTheAlignment)
{
    const double m = 10, w_ = 60, h = 40, gx = 5, gy = 3;
    const double blockW = 2 * w_ + gx, blockH = 2 * h + gy;
    struct Case {
        int align;
        QPushButton *Print_Wnd::*button;
        double left, top;
    };
    const Case cases[] = {
        {1, &Print_Wnd::top_left_btn, m, m},
        {5, &Print_Wnd::mid_center_btn, m + (190 - blockW) / 2, m + (277 - blockH) / 2},
        {9, &Print_Wnd::bot_rite_btn, 210 - m - blockW, 297 - m - blockH},
    };
    setPaper(QPageSize::A4, QPageLayout::Portrait, m * PtPerMM);
    blackCard(w_, h);
    for (const Case &k : cases) {
        SCOPED_TRACE(k.align);
        QFile::remove(pdf);
        printFromToolbar([&] {
            type(w->Row_Text, QStringLiteral("2"));
            type(w->Col_Text, QStringLiteral("2"));
            type(w->horz_mar_Text, QString::number(gx));
            type(w->vert_mar_Text, QString::number(gy));
            (w->*k.button)->click();
            EXPECT_EQ(label_align_val, k.align);
        });
        expectGrid(2, 2, k.left, k.top, w_ + gx, h + gy, w_, h);
    }
}

// Auto-centre: three 50 mm columns on A4 with 10 mm margins have four gaps of 10 mm, so they start
// at 20, 80 and 140 mm; one 40 mm row sits in the middle of the 277 mm between the margins.
TEST_F(PrintJobs, AutoCentreSpreadsTheColumnsEvenly)
{
    setPaper(QPageSize::A4, QPageLayout::Portrait, 10 * PtPerMM);
    blackCard(50, 40);
    printFromToolbar([&] {
        type(w->Col_Text, QStringLiteral("3"));
        w->Auto_Center_chk_bx->click();
        EXPECT_EQ((QStringList{w->horz_mar_Text->text(), w->vert_mar_Text->text()}).join(' ').toStdString(),
                  "10.00 118.50");
    });
    expectGrid(1, 3, 20, 10 + (277 - 40) / 2.0, 60, 0, 50, 40);
}

TEST_F(PrintJobs, AFailedJobSaysWhereAndWhyAndTheDialogStaysOpen)
{
    blackCard(50, 30);
    const QString unwritable = dir.filePath(QStringLiteral("no such folder/job.pdf"));
    platform::setPrintToPdfFile(unwritable);
    open([&] {
        w->printButton->click();
        EXPECT_TRUE(w->isVisible());
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            platform::setPrintToPdfFile(QString());
            w->printButton->click();
            EXPECT_TRUE(w->isVisible());
        }
    });
    ASSERT_GE(messages().size(), 1);
    EXPECT_EQ(messages().at(0),
              QStringLiteral("The labels could not be printed on \"%1\": No such file or directory.").arg(unwritable));
    if (messages().size() > 1) {
        // The printer list offered the PDF destination while it was set, and the page setup kept it.
        EXPECT_EQ(messages().at(1), QStringLiteral("The labels could not be printed on \"%1\": the printer is not installed.")
                                        .arg(platform::Pdf_Destination_Name));
    }
}

// "PDF File" is offered whatever printers there are (none here): Print asks where its file goes.
TEST_F(PrintJobs, PdfFileIsOfferedAndAsksWhereItsFileGoes)
{
    blackCard(50, 30);
    platform::setPrintToPdfFile(QString());
    responder->saveAnswers = {dir.filePath(QStringLiteral("chosen.pdf"))};
    open([&] {
        pick(w->Printer_ComboBox, platform::Pdf_Destination_Name);
        w->printButton->click();
    });
    EXPECT_EQ(printtest::pdfInfo(dir.filePath(QStringLiteral("chosen.pdf"))).pages, 1);
}

// Stop on the progress sheet, confirmed, ends the job at the next label and says what went: the
// labels and sheets in the file, or, stopped before the first label, that nothing was written; a
// file that then cannot be written (the disk full from the Stop on) says so and keeps the old file.
TEST_F(PrintJobs, StopOnTheProgressSheetEndsTheJob)
{
    blackCard(50, 30);
    toPdf();
    for (const auto &row : {std::pair{0, false}, {1, false}, {1, true}}) {
        const int afterSheets = row.first;
        const bool full = row.second;
        QFile::remove(pdf);   // no file before but the full disk's
        QFile old(pdf);
        ASSERT_TRUE(!full || (old.open(QIODevice::WriteOnly) && old.write("old") == 3));
        old.close();
        std::optional<testsupport::FileSizeLimit> disk;
        responder->alerts.clear();
        QTimer watch;   // the user watching the figure: Stop once that many sheets are drawn
        const auto press = [&] {
            Send_Modeless *sheet = Send_Modeless::defaultInstance();
            if (curr_card_count >= afterSheets && sheet->window->isVisible() && sheet->window->parentWidget() == w) {
                watch.stop();
                responder->alertAnswers = {QStringLiteral("Yes")};
                sheet->_stop_btn->click();
                if (full)
                    disk.emplace(1);
            }
        };
        watch.callOnTimeout(press);
        open([&] {
            type(w->Row_Text, QStringLiteral("2"));
            type(w->Col_Text, QStringLiteral("2"));
            type(w->Total_Text, QStringLiteral("4000"));
            afterSheets ? watch.start(0) : QTimer::singleShot(0, press);   // 0: ahead of the job's first cell
            w->printButton->click();
        });
        disk.reset();
        EXPECT_FALSE(Send_Modeless::defaultInstance()->window->isVisible());
        if (full) {
            EXPECT_EQ(messages().join(QLatin1Char('|')).toStdString(),
                      QStringLiteral("Are you sure you want to stop?|The labels could not be printed on \"%1\": File too large.").arg(pdf).toStdString());
            EXPECT_TRUE(old.open(QIODevice::ReadOnly) && old.readAll() == "old");
            continue;
        }
        // The file holds the sheets and labels told (a label's centre is black), on the paper's size.
        const printtest::PdfInfo info = printtest::pdfInfo(pdf);
        const QImage last = info.pages > 0 ? printtest::page(pdf, info.pages, 150) : QImage();
        int labels = 4 * std::max(0, info.pages - 1);
        for (int cell = 0; cell < 4 && !last.isNull(); ++cell)
            labels += last.pixelColor(int((0.25 + (cell % 2 * 50 + 25) / 25.4) * 150),
                                      int((0.25 + (cell / 2 * 30 + 15) / 25.4) * 150)).lightness() < 128;
        const QString account = afterSheets == 0
                                    ? QStringLiteral("The printing was stopped before its first label: \"%1\" was not written.").arg(pdf)
                                    : QStringLiteral("The printing was stopped. %1 label(s) on %2 sheet(s) were written to \"%3\".")
                                          .arg(labels).arg(info.pages).arg(pdf);
        EXPECT_EQ(messages().join(QLatin1Char('|')).toStdString(), ("Are you sure you want to stop?|" + account).toStdString());
        EXPECT_EQ(info.pages > 0, afterSheets > 0);
        EXPECT_TRUE(info.pages == 0 || labels > 4 * (info.pages - 1)) << "the last sheet holds labels";
        EXPECT_NEAR(info.pageSize.height(), afterSheets ? 841.89 : QSizeF().height(), 0.01);   // none: no file
    }
}

// "PDF File" replaces a file only whole: a job the disk cannot hold (a file-size limit) keeps the old
// file, leaves nothing beside it and names the system's reason; a job that fits replaces it.
TEST_F(PrintJobs, APdfFileIsReplacedOnlyWhole)
{
    blackCard(50, 30);
    platform::setPrintToPdfFile(QString());
    const QString chosen = dir.filePath(QStringLiteral("labels.pdf"));
    for (const rlim_t limit : {rlim_t(3000), rlim_t(RLIM_INFINITY)}) {
        QFile f(chosen);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("old") == 3);
        f.close();
        responder->alerts.clear();
        responder->saveAnswers = {chosen};
        open([&] {
            pick(w->Printer_ComboBox, platform::Pdf_Destination_Name);
            type(w->Total_Text, QStringLiteral("20"));
            const testsupport::FileSizeLimit disk(limit);
            w->printButton->click();
        });
        const bool full = limit != RLIM_INFINITY;
        EXPECT_TRUE(f.open(QIODevice::ReadOnly) && (f.readAll() == "old") == full);
        EXPECT_EQ(printtest::pdfInfo(chosen).pages, full ? 0 : 20);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("labels.pdf")});
        EXPECT_EQ(messages().join(QLatin1Char('|')),
                  full ? QStringLiteral("The labels could not be printed on \"%1\": File too large.").arg(chosen) : QString());
    }
}

// Desk printers (Letter, Legal, A4, A5) beside one that sorts first: the window opens on the page setup's
// printer if installed, else the default, whatever profile sorts before "Default", as Add and the PDF export's
// Page Setup do; a printer picked, by a profile or at opening that lacks the paper says so and shows the one it
// moved to (the one in its tray, Letter or A4, else one that holds the page, turned if it must), with its
// margins, as the job prints it; on four-margin printers (left 10, bottom 20, right 30, top 40 pt) landscape
// by the orientation list or in Page Setup turns them.
TEST_F(PrintJobs, ADeskPrinterPrintsThePaperTheWindowShows)
{
    printtest::PrivateCupsd cupsd;
    if (!cupsd.addQueues({{"A_Labels"}, {"Desk_36", "36"}, {"Desk_4", "10", "20", "30", "40", "Plus90", "A4"},
                          {"Desk_4m", "10", "20", "30", "40", "Minus90"}}, "Desk_36"))
        GTEST_SKIP() << cupsd.failure().toStdString();
    for (const auto &[profile, printer] : {std::pair{"On desk", "Desk_36"}, {"A4 Office", "Desk_4"}}) {
        QStringList on = printprofiles::Read_Profile(print_profile_path, printprofiles::Default_Name).value();
        on[10] = QLatin1String(printer);
        ASSERT_TRUE(printprofiles::Write_Profile(print_profile_path, QLatin1String(profile), on));
    }
    blackCard(50, 30);
    const Add_Print_Profile *names = Add_Print_Profile::defaultInstance();
    using O = QPageLayout::Orientation;
    const auto P = O::Portrait, La = O::Landscape;
    const auto Lt = QPageSize::Letter, A4 = QPageSize::A4, Lg = QPageSize::Legal;
    // The page setup's printer, the road (a printer or profile picked, none), the paper and turn; the paper shown and printed,
    // on that printer, turned by the move ('t'), or to landscape by the orientation list ('o') or in Page Setup ('p').
    struct Row { const char *named, *road; QPageSize paper; O o; QPageSize::PageSizeId now = Lt; const char *on = "Desk_36";
                 char by = 0; };
    const QPageSize b5(QPageSize::B5), a3(QPageSize::A3), letter(Lt), a4(A4), c1(QSizeF(100, 150), QPageSize::Millimeter),
        c3(QSizeF(300, 100), QPageSize::Millimeter);
    const char *const pdfFile = "PDF File", *const d4 = "Desk_4";
    for (const Row &k : {Row{pdfFile, "Desk_36", b5, P}, Row{pdfFile, "On desk", b5, La}, Row{"", "", b5, P},
                         Row{"Gone", "", b5, P}, Row{"A_Labels", "", a4, P, A4, "A_Labels"},
                         Row{pdfFile, "A4 Office", b5, P, A4, d4}, Row{pdfFile, "On desk", a3, P},
                         Row{pdfFile, d4, a3, La, A4, d4}, Row{pdfFile, "Desk_36", c1, P}, Row{pdfFile, d4, c1, La, A4, d4},
                         Row{pdfFile, "Desk_36", c3, P, Lg, "Desk_36", 't'}, Row{pdfFile, "A4 Office", c3, La, Lg, d4, 't'},
                         Row{pdfFile, d4, letter, P, Lt, d4, 'o'}, Row{pdfFile, "Desk_4m", letter, P, Lt, "Desk_4m", 'o'},
                         Row{pdfFile, d4, a4, P, A4, d4, 'p'}, Row{pdfFile, d4, a4, P, QPageSize::A5, d4, 'p'},
                         Row{pdfFile, "Desk_4m", a4, P, QPageSize::A5, "Desk_4m", 'p'}}) {
        SCOPED_TRACE(testing::Message() << qPrintable(k.paper.name()) << ' ' << k.o << ' ' << k.named << '/' << k.road << ' '
                                        << (k.by ? k.by : '-'));
        c->setPrintInfo({QString::fromLatin1(k.named), QPageLayout(k.paper, k.o, QMarginsF())});
        const QString spooled = cupsd.jobFile(k.on);
        QFile::remove(spooled);
        responder->alerts.clear();
        // The printer's margins as they lie on the page, turned one way or the other by the printer; the page moved, as said.
        const O to = k.by == 't' ? (k.o == La ? P : La) : k.by ? La : k.o;
        const int turn = to == P ? 0 : k.on == QLatin1String("Desk_4m") ? -90 : 90;
        const QMarginsF mm = (!QLatin1String(k.on).startsWith(QLatin1String(d4)) ? QMarginsF(1, 1, 1, 1) * (*k.on == 'A' ? 0 : 36)
                              : !turn ? QMarginsF(10, 40, 30, 20) : turn > 0 ? QMarginsF(20, 10, 40, 30) : QMarginsF(40, 30, 20, 10))
                             * 25.4 / 72;
        const auto size = [](const QPageSize &paper, O o) {
            const QSizeF s = QPageLayout(paper, o, QMarginsF()).fullRect(QPageLayout::Millimeter).size();
            return QString::asprintf("%.2f x %.2f mm", s.width(), s.height());
        };
        const QString now = QLatin1String(k.now == Lt ? "US Letter" : k.now == Lg ? "US Legal" : k.now == A4 ? "A4" : "A5");
        const QString said = QStringLiteral("The printer \"%1\" has no paper %2 (%3): the page is now its paper \"%4\" (%5)%6.")
                                 .arg(k.on, k.paper.id() == QPageSize::Custom ? "for a custom page" : '"' + k.paper.name() + '"',
                                      size(k.paper, k.o), now, size(QPageSize(k.now), to),
                                      k.by != 't' ? "" : to == La ? ", turned to landscape" : ", turned to portrait");
        const QString shown = QString::asprintf("%s %s %.2f %.2f %.2f %.2f", k.on, k.now == Lt ? "Letter" : qPrintable(now), mm.left(),
                                                mm.top(), mm.right(), mm.bottom());
        open([&] {
            if (QLatin1String(k.road).contains(' '))
                w->List_profile->selectRow(int(w->ListData_profile_files.indexOf(QLatin1String(k.road))));
            else if (*k.road)
                pick(w->Printer_ComboBox, k.road);
            EXPECT_EQ(messages().join('|').toStdString(), k.paper.isEquivalentTo(QPageSize(k.now)) || k.by == 'p' ? "" : said.toStdString());
            if (k.by == 'p')
                w->pagesetup_btn->click();
            else if (k.by == 'o')
                pick(w->Orient_ComboBox, QStringLiteral("Landscape"));
            for (QPushButton *then : {w->Add_profile_btn, w->pagesetup_btn, w->printButton}) {   // Page Setup's margins of 0 raised
                EXPECT_EQ(QStringList({w->Printer_ComboBox->currentText(), w->Paper_id->text(), w->l_mar_id->text(), w->t_mar_id->text(),
                                       w->r_mar_id->text(), w->b_mar_id->text()}).join(' ').toStdString(), shown.toStdString());
                then->click();
            }
        }, [&](QDialog &dialog) {
            EXPECT_EQ(&dialog == names ? names->Printer_ComboBox->currentText().toStdString() : k.on, k.on);
            const auto zero = k.by == 'p' ? std::nullopt : std::optional(QMarginsF());   // else Landscape ticked
            return &dialog == names ? 0 : testsupport::PageSetupAnswer{zero ? std::nullopt : std::optional(QPageSize(k.now)), zero ? P : La, zero}(dialog);
        });
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(spooled); }, 45000)) << cupsd.log().toStdString();
        EXPECT_EQ(printtest::pdfInfo(spooled).pageSize, QSizeF(QPageSize(k.now).sizePoints()));
        // The first label's ink, 2 mm in from its cell at the margins, on the page as turned.
        const BoxMM ink =
            printtest::inkAround(printtest::page(spooled, 1).transformed(QTransform().rotate(turn)), mm.left() + 25, mm.top() + 15);
        EXPECT_NEAR(ink.left, mm.left() + 2, 0.15);
        EXPECT_NEAR(ink.top, mm.top() + 2, 0.15);
    }
    // The PDF export's Page Setup: a paper the printer lacks opens as the one it moves to, which OK takes; Landscape
    // there; a right margin of 0 the arithmetic leaves a hair below it.
    PDF_Export *pdf = PDF_Export::defaultInstance();
    using Answer = testsupport::PageSetupAnswer;
    for (const auto &[named, paper, margins, answer, shown] :
         {std::tuple{"", a4, QMarginsF(18, 18, 18, 18), Answer{QPageSize(QPageSize::A5)}, "A5 12.70 12.70 12.70 12.70"},
          {"Desk_4", b5, QMarginsF(18, 18, 18, 18), Answer{}, "A4 6.35 14.11 10.58 7.06"},
          {"Desk_4m", letter, QMarginsF(10, 40, 30, 20), Answer{std::nullopt, La}, "Letter 14.11 10.58 7.06 3.53"},
          {"A_Labels", c3, QMarginsF(25 * 72 / 25.4, 0, 0, 0), Answer{}, "Custom (300mm x 100mm) 25.00 0.00 0.00 0.00"}}) {
        c->setPrintInfo({QLatin1String(named), QPageLayout(paper, P, margins, QPageLayout::Point)});
        responder->onModal = [&, answer = answer](QDialog &dialog) {
            return &dialog == pdf ? (pdf->Page_From_Printer_btn->click(), 0) : answer(dialog);
        };
        commandsOf(c->design()).PDF_Export_Button();
        EXPECT_EQ(QStringList({pdf->Page_name_txt->text(), pdf->l_mar_id->text(), pdf->t_mar_id->text(), pdf->r_mar_id->text(),
                               pdf->b_mar_id->text()}).join(' ').toStdString(), shown);
    }
}

} // namespace
