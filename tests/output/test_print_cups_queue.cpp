// A job through a real printer queue: a cupsd of the test's own with a cups-pdf queue. Each printed
// label is read back and held against the same cell of the PDF export.

#include "PrintCardBatchFixture.h"
#include "PrivateCupsd.h"

#include "core/Open_Export_Log.h"
#include "output/PDF_Export.h"

#include <QPushButton>

#include <array>

namespace {

using printtest::PrintCardBatch;

const QString Queue = QStringLiteral("Tagora_Labels");

// What a cell shows: the box of its ink (cell pixels; empty when blank) and the darkness of each of
// 4 x 4 regions (0 white, 1 black).
struct CellLook {
    QRect ink;
    std::array<double, 16> dark{};
};

CellLook look(const QImage &grey, const QRect &cell)
{
    CellLook out;
    std::array<double, 16> sum{};
    std::array<int, 16> n{};
    for (int y = 0; y < cell.height(); ++y) {
        const uchar *row = grey.constScanLine(cell.y() + y) + cell.x();
        for (int x = 0; x < cell.width(); ++x) {
            const int region = (y * 4 / cell.height()) * 4 + x * 4 / cell.width();
            sum[size_t(region)] += (255 - row[x]) / 255.0;
            ++n[size_t(region)];
            if (row[x] < 128)
                out.ink |= QRect(x, y, 1, 1);
        }
    }
    for (size_t i = 0; i < 16; ++i)
        out.dark[i] = sum[i] / std::max(1, n[i]);
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
    // The same labels exported as PDF, on the same grid: the reference each printed cell is held
    // against, so that a label cut, blanked in part or drawn at another size fails.
    PDF_Export *pdf = PDF_Export::defaultInstance();
    responder->onModal = [&](QDialog &dialog) {
        if (&dialog != pdf)
            return 0;   // the export-done box
        pdf->show();
        type(pdf->Row_Text, QStringLiteral("4"));
        type(pdf->Col_Text, QStringLiteral("3"));
        responder->openAnswers << QStringList{dir.path()};
        pdf->okButton->click();
        pdf->cancelButton->click();
        return 0;
    };
    commandsOf(c->design()).PDF_Export_Button();
    pdf->hide();
    const QString exported = dir.filePath(QStringLiteral("QIRO PDF Label/QIROLabel.PDF"));
    ASSERT_EQ(printtest::pdfInfo(exported).pages, 3);

    constexpr int Dpi = 300;
    const double perPt = Dpi / 72.0;
    for (int page = 1; page <= 3; ++page) {
        const QImage grey = printtest::page(queued, page), reference = printtest::page(exported, page, Dpi);
        const QImage printed = grey.scaled(reference.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int cell = 0, record = page * 12 - 11; cell < 12; ++cell, ++record) {
            SCOPED_TRACE(record);
            EXPECT_EQ(codeIn(grey, cell, QPointF(margins.left(), margins.top())),
                      record <= 25 ? QStringLiteral("REC-%1").arg(record, 2, 10, QLatin1Char('0')) : QString());
            const QRect box = QRectF((margins.left() + (cell % 3) * 60 * printtest::PtPerMM) * perPt,
                                     (margins.top() + (cell / 3) * 40 * printtest::PtPerMM) * perPt,
                                     60 * printtest::PtPerMM * perPt, 40 * printtest::PtPerMM * perPt).toRect();
            const CellLook got = look(printed, box), want = look(reference, box);
            // Within a third of a millimetre, and each region's darkness within 4 %.
            for (const auto &[a, b] : {std::pair{got.ink.left(), want.ink.left()}, std::pair{got.ink.top(), want.ink.top()},
                                       std::pair{got.ink.right(), want.ink.right()}, std::pair{got.ink.bottom(), want.ink.bottom()}})
                EXPECT_NEAR(a, b, 4) << "ink box " << got.ink.x() << "," << got.ink.y() << " " << got.ink.width() << "x"
                                     << got.ink.height() << " against " << want.ink.x() << "," << want.ink.y() << " "
                                     << want.ink.width() << "x" << want.ink.height();
            for (size_t i = 0; i < 16; ++i)
                EXPECT_NEAR(got.dark[i], want.dark[i], 0.04) << "region " << i;
        }
    }
}

} // namespace
