// A job through a real printer queue: a cupsd of the test's own with a cups-pdf queue. Each printed
// label is held against the same cell of the PDF export.

#include "PrintCardBatchFixture.h"
#include "PrivateCupsd.h"
#include "output/PDF_Export.h"

#include <QPushButton>

namespace {

using printtest::PrintCardBatch;

const QString Queue = QStringLiteral("Tagora_Labels");

// What a cell shows: the darkness of each of 4 x 4 regions, then its ink box (pixels below 128).
std::vector<double> look(const QImage &grey, const QRect &cell)
{
    std::vector<double> out(16);
    QRect ink;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const int v = grey.constScanLine(cell.y() + y)[cell.x() + x];
            out[size_t(y * 4 / cell.height() * 4 + x * 4 / cell.width())] += (255 - v) * 16.0 / 255 / cell.width() / cell.height();
            ink |= v < 128 ? QRect(x, y, 1, 1) : QRect();
        }
    out.insert(out.end(), {double(ink.left()), double(ink.top()), double(ink.right()), double(ink.bottom())});
    return out;
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
    // The same labels exported as PDF on the same grid: a label cut, blanked or scaled fails.
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
            const std::vector<double> got = look(grey, box), want = look(reference, box);
            // Each region's darkness within 4 %, the ink box within a third of a millimetre.
            for (size_t i = 0; i < got.size(); ++i)
                EXPECT_NEAR(got[i], want[i], i < 16 ? 0.04 : 8) << "record " << record << (i < 16 ? " region " : " ink edge ") << i % 16;
        }
    }
}

} // namespace
