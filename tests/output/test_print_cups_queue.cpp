// A job through a real printer queue: a cupsd of the test's own with a cups-pdf queue. The queue
// lists the job under its name, and each printed label is held against the same cell of the PDF
// export, its texts to the pixel.

#include "PrintCardBatchFixture.h"
#include "support/PrivateCupsd.h"
#include "design/DesignCard.h"
#include "design/DesignController.h"
#include "model/Card_Property.h"
#include "output/PDF_Export.h"

#include <QPushButton>

namespace {

using printtest::PrintCardBatch;

const QString Queue = QStringLiteral("Tagora_Labels");

// The pixels where a cell of the queue's page, moved by up to two pixels (the spool's rounding),
// and the same cell of the export differ by more than an edge: dark (below 128) in one and light
// in the other, and so are all eight neighbours; the fewest over the moves. A text moved by half a
// millimetre or taken from another record leaves whole strokes that differ.
int solidDifference(const QImage &got, const QImage &want, const QRect &box)
{
    const QRect cell = box.adjusted(2, 2, -2, -2);   // a move stays on the page
    const auto dark = [](const QImage &page, int x, int y) { return page.constScanLine(y)[x] < 128; };
    int fewest = cell.width() * cell.height();
    for (int move = 0; move < 25 && fewest > 20; ++move) {   // (0, 0) first
        const int mx = (move % 5 + 2) % 5 - 2, my = (move / 5 + 2) % 5 - 2;
        const auto differs = [&](int x, int y) { return dark(got, x + mx, y + my) != dark(want, x, y); };
        int solid = 0;
        for (int y = cell.top() + 1; y < cell.bottom(); ++y)
            for (int x = cell.left() + 1; x < cell.right(); ++x) {
                bool all = differs(x, y);
                for (int i = 0; i < 9 && all; ++i)
                    all = differs(x + i % 3 - 1, y + i / 3 - 1);
                solid += all;
            }
        fewest = std::min(fewest, solid);
    }
    return fewest;
}

class PrintCupsQueue : public PrintCardBatch {
protected:
    void SetUp() override
    {
        PrintCardBatch::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        cupsd = std::make_unique<printtest::PrivateCupsd>();
        if (!cupsd->failure().isEmpty())
            GTEST_SKIP() << cupsd->failure().toStdString();
        queued = dir.filePath(QStringLiteral("queue.pdf"));
        ASSERT_EQ(cupsd->addPdfQueue(Queue, queued).toStdString(), "");
    }
    std::unique_ptr<printtest::PrivateCupsd> cupsd;   // goes after the base's TearDown
    QString queued;
};

TEST_F(PrintCupsQueue, ThreeSheetsOnTheQueueComeBackAsItsPdfEachLabelItsRecord)
{
    // The queue lists the job under the design's name, as the print names it.
    const QString name = QStringLiteral("Étiquettes d'étagère 3");
    c->design().card().Front_card_Prop->Card_Name = name;
    printFromToolbar([&] {
        pick(w->Printer_ComboBox, Queue);
        w->printButton->click();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(queued); }, 45000)) << cupsd->log().toStdString();
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(cupsd->jobNames(Queue), QStringList{name});

    const printtest::PdfInfo info = printtest::pdfInfo(queued);
    ASSERT_EQ(info.pages, 3);
    EXPECT_NEAR(info.pageSize.width(), 595.28, 0.5) << "A4, as the page setup names it";
    EXPECT_NEAR(info.pageSize.height(), 841.89, 0.5);
    // The grid starts at the printer's margins, which the dialog took when the queue was chosen.
    const QMarginsF margins = c->getPrintInfo()->pageLayout.margins(QPageLayout::Point);
    // The same labels exported as PDF on the same grid: a label cut, blanked, scaled or moved, or
    // a text of another record, fails.
    PDF_Export *pdf = PDF_Export::defaultInstance();
    responder->onModal = [&](QDialog &dialog) {
        if (&dialog == pdf) {
            pdf->show();
            type(pdf->Row_Text, QStringLiteral("4"));
            type(pdf->Col_Text, QStringLiteral("3"));
            responder->openAnswers << QStringList{dir.path()};
            pdf->okButton->click();
            pdf->cancelButton->click();
        }
        return 0;
    };
    commandsOf(c->design()).PDF_Export_Button();
    const QString exported = dir.filePath(QStringLiteral("QIRO PDF Label/QIROLabel.PDF"));
    for (int page = 1; page <= 3; ++page) {
        const QImage grey = printtest::page(queued, page), reference = printtest::page(exported, page);
        for (int cell = 0, record = page * 12 - 11; cell < 12; ++cell, ++record) {
            EXPECT_EQ(codeIn(grey, cell, QPointF(margins.left(), margins.top())),
                      record <= 25 ? QStringLiteral("REC-%1").arg(record, 2, 10, QLatin1Char('0')) : QString()) << record;
            const QRect box = QTransform::fromScale(600 / 72.0, 600 / 72.0).mapRect(QRectF(
                QPointF(margins.left() + cell % 3 * 60 * printtest::PtPerMM, margins.top() + cell / 3 * 40 * printtest::PtPerMM),
                QSizeF(60, 40) * printtest::PtPerMM)).toRect();
            EXPECT_LE(solidDifference(grey, reference, box), 20) << "record " << record;
        }
    }
}

} // namespace
