// A job through a real printer queue: a cupsd of the test's own with a cups-pdf queue, three sheets
// of the card batch printed there with the print dialog's Print, and the PDF the queue wrote read
// back: its pages, their size, and every label's Code 128 in record order.

#include "PrintCardBatchFixture.h"
#include "PrivateCupsd.h"

#include <QPushButton>

namespace {

using printtest::PrintCardBatch;

const QString Queue = QStringLiteral("Tagora_Labels");

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
    void TearDown() override
    {
        PrintCardBatch::TearDown();
        cupsd.reset();
    }

    std::unique_ptr<printtest::PrivateCupsd> cupsd;
    QString queued;
};

TEST_F(PrintCupsQueue, ThreeSheetsOnTheQueueComeBackAsItsPdfEachLabelItsRecord)
{
    printFromToolbar([&] {
        pick(w->Printer_ComboBox, Queue);
        w->printButton->click();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(queued); }, 45000)) << cupsd->log().toStdString();
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();

    const printtest::PdfInfo info = printtest::pdfInfo(queued);
    ASSERT_EQ(info.pages, 3);
    EXPECT_NEAR(info.pageSize.width(), 595.28, 0.5);   // A4, as the page setup names it
    EXPECT_NEAR(info.pageSize.height(), 841.89, 0.5);
    // The grid starts at the printer's margins, which the dialog took when the queue was chosen.
    const QMarginsF margins = c->getPrintInfo()->pageLayout.margins(QPageLayout::Point);
    for (int page = 1; page <= 3; ++page) {
        const QImage grey = printtest::page(queued, page);
        for (int cell = 0; cell < 12; ++cell) {
            const int record = (page - 1) * 12 + cell + 1;
            EXPECT_EQ(codeIn(grey, cell, QPointF(margins.left(), margins.top())),
                      record <= 25 ? QStringLiteral("REC-%1").arg(record, 2, 10, QLatin1Char('0')) : QString())
                << "page " << page << " cell " << cell;
        }
    }
}

} // namespace
