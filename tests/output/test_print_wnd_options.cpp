// The print dialog's range and options as the user sets them: counts typed into Total, From and To,
// print with batch data, print quantity, the option boxes, fit to frame, the product label size
// fields; and jobs of a value list with invalid records printed through the PDF destination
// (pdfinfo, pdftoppm at 600 DPI, pdftotext, zxing-cpp), and the preview's cap of 50 sheets.

#include "PrintDialogFixture.h"

#include "app/SKTWindowController.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "design/RecordBinding.h"
#include "output/LabelSizeFields.h"
#include "output/Printing_View.h"
#include "support/Decode.h"
#include "support/Editions.h"
#include "support/LocaleScope.h"
#include "outputjobs/OutputGlobals.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

using printtest::PrintDialog;

class PrintOptions : public PrintDialog {
protected:
    // The Barcode mode's value list as batch source, one record per value with its quantity.
    void valueList(const QString &symbology, const QStringList &values, const QStringList &quantities)
    {
        c->Barcode_Mode_Select();
        makeSymbol(symbology, values.first());
        BarcodeModeController &b = c->barcodeMode();
        b.data_source_chkbox->click();
        ASSERT_TRUE(b.Custom_Sheet_RD->isChecked());
        b.ListData_barcode.clear();
        for (int i = 0; i < values.size(); ++i)
            b.Create_Item_List(values.at(i), {}, {}, quantities.value(i, QStringLiteral("1")), b.ListData_barcode.size());
        b.barcode_value_chk->setChecked(true);
        // As Print in the toolbar does: the batch flags and counts of the mode.
        recordsOf(c->design()).Check_Series_Or_Excel_Use_or_not();
        ASSERT_TRUE(Use_Data_Sheet_Values);
    }
    // The user pastes the text over the field's (each keystroke is a change of its own); a count
    // field takes it when its editing ends.
    void typeLive(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        if (text.isEmpty())
            field->del();
        else
            field->insert(text);
        if (field == w->Total_Text || field == w->from_Text || field == w->To_Text)
            QTest::keyClick(field, Qt::Key_Return);
    }
};

// Five records of quantity 5: 25 labels. Counts typed are whole numbers of at least 1 and at most
// the batch's labels.
TEST_F(PrintOptions, TypedCountsBecomeOneAtLeastAndTheBatchAtMost)
{
    SKIP_WITHOUT_BARCODE_MODE();
    valueList(QStringLiteral("Code 128"), {"A1", "A2", "A3", "A4", "A5"}, {"5", "5", "5", "5", "5"});
    struct Case {
        QString typed, shown;
    } cases[] = {{"40", "25"}, {"0", "1"}, {"", "1"}, {"-3", "1"}, {"7", "7"}};
    open([&] {
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("25"));
        for (const Case &k : cases) {
            typeLive(w->Total_Text, k.typed);
            EXPECT_EQ(w->Total_Text->text(), k.shown) << "total " << qPrintable(k.typed);
            EXPECT_EQ(w->Total_Stepper->intValue(), k.shown.toInt()) << "total " << qPrintable(k.typed);
        }
        w->Sel_print_rd->click();
        typeLive(w->To_Text, QStringLiteral("40"));
        EXPECT_EQ(w->To_Text->text(), QStringLiteral("25"));
        typeLive(w->from_Text, QStringLiteral("99"));
        EXPECT_EQ(w->from_Text->text(), QStringLiteral("25"));
        typeLive(w->from_Text, QStringLiteral("0"));
        EXPECT_EQ(w->from_Text->text(), QStringLiteral("1"));
        EXPECT_EQ(Total_Label, 25);
    });
}

TEST_F(PrintOptions, BatchOffPrintsOneSheetAndOffersNoRange)
{
    SKIP_WITHOUT_BARCODE_MODE();
    valueList(QStringLiteral("Code 128"), {"A1", "A2", "A3", "A4", "A5"}, {"5", "5", "5", "5", "5"});
    open([&] {
        type(w->width_Text, QStringLiteral("40"));
        type(w->height_Text, QStringLiteral("20"));
        type(w->Row_Text, QStringLiteral("3"));
        type(w->Col_Text, QStringLiteral("4"));
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("25"));
        w->print_with_batch_chk->click();
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("12"));
        EXPECT_FALSE(w->export_range_box->isEnabled());
        EXPECT_TRUE(w->All_print_rd->isChecked());
        EXPECT_FALSE(w->print_qty_chk->isChecked());
        EXPECT_FALSE(w->print_qty_chk->isEnabled());
        EXPECT_FALSE(Use_Data_Sheet_Values);
        EXPECT_FALSE(print_wd_pq_opt);
        w->print_with_batch_chk->click();
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("25"));
        EXPECT_TRUE(w->export_range_box->isEnabled());
        EXPECT_TRUE(w->print_qty_chk->isChecked());
        EXPECT_TRUE(Use_Data_Sheet_Values);
    });
}

TEST_F(PrintOptions, PrintQuantityOffCountsEachRecordOnce)
{
    SKIP_WITHOUT_BARCODE_MODE();
    valueList(QStringLiteral("Code 128"), {"A1", "A2", "A3"}, {"2", "1", "5"});
    open([&] {
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("8"));
        w->print_qty_chk->click();
        EXPECT_FALSE(print_wd_pq_opt);
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("3"));
        EXPECT_EQ(c->barcodeMode().List_Barcode_Grid_Value.size(), 3);
        typeLive(w->Total_Text, QStringLiteral("9"));
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("3"));
        w->print_qty_chk->click();
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("8"));
        EXPECT_EQ(c->barcodeMode().List_Barcode_Grid_Value.size(), 8);
    });
}

TEST_F(PrintOptions, TheOptionBoxesSetTheirFlags)
{
    SKIP_WITHOUT_BARCODE_MODE();
    valueList(QStringLiteral("Code 128"), {"A1", "A2"}, {"1", "1"});
    open([&] {
        w->skip_inavlid_chk->click();
        EXPECT_FALSE(skip_invalid_barcode);
        w->skip_inavlid_chk->click();
        EXPECT_TRUE(skip_invalid_barcode);
        w->Show_Margins->click();
        EXPECT_FALSE(Show_margin_rect);
        // Crop marks and fit to frame stay hidden; their handlers still follow their boxes.
        EXPECT_TRUE(w->crop_mark_chk->isHidden());
        EXPECT_TRUE(w->fit_frame_chk->isHidden());
        w->crop_mark_chk->click();
        EXPECT_TRUE(Enable_Crop_Marks);
    });
}

TEST_F(PrintOptions, FitToFrameLocksTheGridAndOffRestoresIt)
{
    c->Designing_Mode_Select();
    workAreaOf(c->design()).SetDocumentCanvasSize(QSizeF(100, 60));
    open([&] {
        type(w->Row_Text, QStringLiteral("3"));
        type(w->Col_Text, QStringLiteral("2"));
        type(w->horz_mar_Text, QStringLiteral("4"));
        type(w->vert_mar_Text, QStringLiteral("5"));
        w->fit_frame_chk->click();
        EXPECT_TRUE(Fit_Picture_To_Frame);
        EXPECT_EQ(w->Row_Text->text(), QStringLiteral("1"));
        EXPECT_EQ(w->Col_Text->text(), QStringLiteral("1"));
        EXPECT_EQ(w->horz_mar_Text->text(), QStringLiteral("0"));
        EXPECT_FALSE(w->Row_Stepper->isEnabled());
        EXPECT_FALSE(w->card_align_box->isEnabled());
        w->Auto_Center_chk_bx->click();   // ignored while fitting
        EXPECT_FALSE(auto_center_flag);
        w->fit_frame_chk->click();
        EXPECT_FALSE(Fit_Picture_To_Frame);
        EXPECT_EQ(w->Row_Text->text(), QStringLiteral("3"));
        EXPECT_EQ(w->Col_Text->text(), QStringLiteral("2"));
        EXPECT_EQ(w->horz_mar_Text->text(), QStringLiteral("4"));
        EXPECT_EQ(w->vert_mar_Text->text(), QStringLiteral("5"));
        EXPECT_TRUE(w->Row_Stepper->isEnabled());
        EXPECT_TRUE(w->card_align_box->isEnabled());
    });
}

// The product label size: while typed, what a number may hold stands, never cut (a paste of other text
// is refused whole); when editing ends "%.2f" and the stepper follows, or, when it is no number, 0 or
// below or beyond what the stepper holds, the size before is kept.
TEST_F(PrintOptions, ProductLabelSizesAreTrimmedWhileTypedAndPositiveAfter)
{
    open([&] {
        w->rd_predefined->click();
        struct Case {
            QString typed, whileTyping, after;
        } cases[] = {{"12.5", "12.5", "12.50"}, {" 9mm", "12.50", "12.50"}, {"-3", "-3", "12.50"}, {"0", "0", "12.50"},
                     {"123456789012", "123456789012", "12.50"}, {"1e2", "1e2", "12.50"}, {"63,5", "63,5", "63.50"},
                     {"0,5", "0,5", "0.50"}, {"0.005", "0.005", "0.50"}};
        for (const Case &k : cases) {
            w->width_Text_pre->setReadOnly(false);
            typeLive(w->width_Text_pre, k.typed);
            EXPECT_EQ(w->width_Text_pre->text(), k.whileTyping) << qPrintable(k.typed);
            QTest::keyClick(w->width_Text_pre, Qt::Key_Return);
            EXPECT_EQ(w->width_Text_pre->text(), k.after) << qPrintable(k.typed);
            EXPECT_EQ(QString::asprintf("%.2f", w->width_Stepper_pre->doubleValue()),
                      QString::asprintf("%.2f", std::min(k.after.toDouble(), w->width_Stepper_pre->maxValue())))
                << qPrintable(k.typed);
        }
    });
}

// A label size emptied, 0 or stepped to 0 is refused and kept; a gap above A4 less 6.35 mm margins, either way up,
// is refused, put back as the locale writes it, and leaves the grid as it was, also once typed back.
TEST_F(PrintOptions, ALabelSizeAboveZeroAndGapsWithinThePaper)
{
    SKIP_WITHOUT_BARCODE_MODE();
    c->Barcode_Mode_Select();
    makeSymbol(QStringLiteral("Code 128"), QStringLiteral("A1"));
    // shown none: kept; product: the field of the custom product (vendor Custom, Custom1).
    struct Case { QLineEdit *Print_Wnd::*field; QString typed; QStringList said; QString shown = {}; bool product = false; };
    const Case cases[] = {{&Print_Wnd::width_Text, "", {labelsize::Width_Message}},
                          {&Print_Wnd::height_Text, "0", {labelsize::Height_Message}},
                          {&Print_Wnd::vert_mar_Text, "999", {"Please enter a vertical gap from 0.00 to 284.30 mm."}, "0"},
                          {&Print_Wnd::width_Text_pre, "0", {labelsize::Width_Message}, {}, true},
                          {&Print_Wnd::height_Text_pre, "", {labelsize::Height_Message}, {}, true}};
    open([&] {
        for (const Case &k : cases) {
            responder->alerts.clear();
            (k.product ? w->rd_predefined : w->rd_manual)->click();
            const QString before = (w->*k.field)->text();
            typeLive(w->*k.field, k.typed);
            QTest::keyClick(w->*k.field, Qt::Key_Return);
            EXPECT_EQ(messages(), k.said) << k.typed.toStdString();
            EXPECT_EQ((w->*k.field)->text(), k.shown.isEmpty() ? before : k.shown) << k.typed.toStdString();
        }
        w->rd_manual->click();
        type(w->width_Text, "10"), type(w->height_Text, "10"), type(w->Row_Text, "3"), type(w->Col_Text, "3");
        for (const char *locale : {"de_DE", "ar_EG"})
            for (const char *turn : {"Landscape", "Portrait"})
                for (QLineEdit *gap : {w->horz_mar_Text, w->vert_mar_Text}) {
                    const LocaleScope scope(locale);
                    pick(w->Orient_ComboBox, turn);
                    const bool ar = QLatin1String(locale) == "ar_EG", across = gap == w->horz_mar_Text;
                    typeLive(gap, ar ? "٢٫٥" : "2,5"), QTest::keyClick(gap, Qt::Key_Return), responder->alerts.clear();
                    typeLive(gap, ar ? "٥٠٠" : "500"), QTest::keyClick(gap, Qt::Key_Return);
                    QString got = messages().join('|') + QString(" %1 %2x%3").arg(gap->text()).arg(Print_Row).arg(Print_Col);
                    type(gap, "2");
                    EXPECT_EQ((got + QString(" %1x%2").arg(Print_Row).arg(Print_Col)).toStdString(),
                              QString("Please enter a %1 gap from 0.00 to %2 mm. %3 3x3 3x3").arg(across ? "horizontal" : "vertical",
                                      across == (QLatin1String(turn) == "Landscape") ? "284.30" : "197.30", ar ? "٢٫٥" : "2,5").toStdString());
                }
        type(w->width_Text, QStringLiteral("0.5"));
        w->width_Stepper->stepDown();
        EXPECT_EQ(w->width_Stepper->doubleValue(), 0.5);
    });
}

TEST_F(PrintOptions, DesigningModeCapsTypedCountsAtTheCardsAndBatchOffCountsOneSheet)
{
    c->Designing_Mode_Select();
    workAreaOf(c->design()).SetDocumentCanvasSize(QSizeF(100, 60));
    Use_Data_Sheet_Values = true;
    Total_Batch_Excel_Card = 120;
    open([&] {
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("120"));
        typeLive(w->Total_Text, QStringLiteral("500"));
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("120"));
        type(w->Row_Text, QStringLiteral("2"));
        type(w->Col_Text, QStringLiteral("3"));
        w->print_with_batch_chk->click();   // off: the design has no bindings, the flags go
        EXPECT_FALSE(Use_Data_Sheet_Values);
        EXPECT_EQ(w->Total_Text->text(), QStringLiteral("6"));
        EXPECT_FALSE(w->export_range_box->isEnabled());
    });
}

// Ten EAN-13 values of which three have a wrong check digit, 2 x 2, printed through the PDF
// destination. Skipping: the seven valid ones in consecutive cells, in order, on two sheets and no
// blank third. Not skipping: three sheets with "Invalid Data" in the invalid records' places.
TEST_F(PrintOptions, InvalidRecordsAreSkippedOrPrintedAsInvalidData)
{
    SKIP_WITHOUT_BARCODE_MODE();
    if (!printtest::haveTools() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils are needed";
    const QStringList values = {"4006381333931", "5901234123457", "4006381333932", "9780201379624", "4012345678901",
                                "4006381333938", "8712345678906", "5012345678900", "9780201379620", "4007630000116"};
    const std::vector<int> valid = {0, 1, 3, 4, 6, 7, 9};
    valueList(QStringLiteral("EAN-13"), values, {});
    const QSizeF symbol = c->barcodeMode().barcodeImage->picture().size();
    for (const bool skip : {true, false}) {
        toPdf();
        QFile::remove(pdf);
        open([&] {
            type(w->Row_Text, QStringLiteral("2"));
            type(w->Col_Text, QStringLiteral("2"));
            type(w->horz_mar_Text, QStringLiteral("20"));
            type(w->vert_mar_Text, QStringLiteral("20"));
            EXPECT_EQ(w->Total_Text->text(), QStringLiteral("10"));
            if (!skip)
                w->skip_inavlid_chk->click();
            w->printButton->click();
        });
        const int pages = printtest::pdfInfo(pdf).pages;
        EXPECT_EQ(pages, skip ? 2 : 3) << "skip " << skip;
        // The cells: 18 pt margins, gaps of 20 mm; each symbol centred in its cell.
        const double perPt = 600.0 / 72.0, gap = 20 * 72.0 / 25.4;
        const double cellW = label_width, cellH = label_hight;
        QStringList decoded;
        int red = 0;
        for (int page = 1; page <= pages; ++page) {
            const QImage grey = printtest::page(pdf, page);
            for (int cell = 0; cell < 4; ++cell) {
                const double x = 18 + (cell % 2) * (cellW + gap), y = 18 + (cell / 2) * (cellH + gap);
                const QRectF box((x - 10) * perPt, (y - 10) * perPt, (symbol.width() + 20) * perPt,
                                 (symbol.height() + 20) * perPt);
                const testsupport::Decoded d = testsupport::decode(grey.copy(box.toRect()), QStringLiteral("EAN13"));
                decoded << (d.ok ? d.text : QStringLiteral("-"));
            }
        }
        const QString text = printtest::run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        red = int(text.count(QStringLiteral("Invalid Data")));
        QStringList expected;
        if (skip) {
            for (int i : valid)
                expected << values.at(i);
            expected << QStringLiteral("-");
            EXPECT_EQ(red, 0);
        } else {
            for (int i = 0; i < 10; ++i)
                expected << (std::find(valid.begin(), valid.end(), i) != valid.end() ? values.at(i) : QStringLiteral("-"));
            expected << QStringLiteral("-") << QStringLiteral("-");
            EXPECT_EQ(red, 3);
        }
        EXPECT_EQ(decoded, expected) << "skip " << skip;
    }
}

// A preview of 60 sheets shows the message once and 50 pages; the print has all 60.
TEST_F(PrintOptions, APreviewShowsFiftySheetsAndThePrintSixty)
{
    SKIP_WITHOUT_BARCODE_MODE();
    if (!printtest::haveTools())
        GTEST_SKIP() << "pdfinfo is needed";
    c->Barcode_Mode_Select();
    makeSymbol(QStringLiteral("Code 128"), QStringLiteral("SHEET"));
    int previewPages = -1;
    open(
        [&] {
            type(w->Total_Text, QStringLiteral("60"));
            w->previewButton->click();
        },
        [&](QDialog &dialog) {
            if (auto *pages = dialog.findChild<QPrintPreviewWidget *>()) {
                pages->updatePreview();
                pages->updatePreview();   // rendered again: still one message
                previewPages = pages->pageCount();
            }
            return 0;
        });
    EXPECT_EQ(previewPages, 50);
    EXPECT_EQ(messages(), QStringList{Printing_View::Preview_Cap_Message});
    toPdf();
    open([&] {
        type(w->Total_Text, QStringLiteral("60"));
        w->printButton->click();
    });
    EXPECT_EQ(printtest::pdfInfo(pdf).pages, 60);
}

} // namespace
