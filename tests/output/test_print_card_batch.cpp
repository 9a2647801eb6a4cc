// A Designing-mode batch printed through the print dialog: a card with a text and a Code 128 bound
// to a 25-value series on a 3 x 4 sheet. The total is the batch's 25; a selected range 3 to 5
// previews those three records; All prints three sheets, the last with one label, every Code 128
// decoding (zxing-cpp) to its record; a real job's labels are 600-DPI bitmaps.

#include "PrintCardBatchFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

using printtest::PrintCardBatch;

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

// A real job hands the printer 600-DPI bitmaps: a label's (first) image in the PDF is 600 pixels an inch.
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
    EXPECT_LE(first.at(3).toInt(), 1418);   // ceil(600 x 60 mm / 25.4)
    EXPECT_LE(first.at(4).toInt(), 945);
    EXPECT_NEAR(first.at(12).toDouble(), 600, 1);
    EXPECT_NEAR(first.at(13).toDouble(), 600, 1);
}

} // namespace
