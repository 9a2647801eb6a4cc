// A job through a real printer queue: a cupsd of the test's own with a cups-pdf queue.

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
    std::unique_ptr<printtest::PrivateCupsd> cupsd;   // goes after the base's TearDown
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
    EXPECT_NEAR(info.pageSize.width(), 595.28, 0.5) << "A4, as the page setup names it";
    EXPECT_NEAR(info.pageSize.height(), 841.89, 0.5);
    // The grid starts at the printer's margins, which the dialog took when the queue was chosen.
    const QMarginsF margins = c->getPrintInfo()->pageLayout.margins(QPageLayout::Point);
    for (int page = 1; page <= 3; ++page) {
        const QImage grey = printtest::page(queued, page);
        for (int cell = 0, record = page * 12 - 11; cell < 12; ++cell, ++record)
            EXPECT_EQ(codeIn(grey, cell, QPointF(margins.left(), margins.top())),
                      record <= 25 ? QStringLiteral("REC-%1").arg(record, 2, 10, QLatin1Char('0')) : QString()) << record;
    }
}

} // namespace
