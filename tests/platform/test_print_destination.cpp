// The print destination: a printer for a job of the page setup, its failures, the PDF file that
// stands in for every printer, and the page layout panel through the dialog responder.

#include "platform/PrintDestination.h"
#include "support/ScriptedResponder.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

platform::PrintInfo pageSetup(QPageSize::PageSizeId id, QPageLayout::Orientation o)
{
    platform::PrintInfo info;
    info.pageLayout = QPageLayout(QPageSize(id), o, QMarginsF(18, 18, 18, 18), QPageLayout::Point);
    return info;
}

class PrintDestination : public ::testing::Test {
protected:
    void TearDown() override { platform::setPrintToPdfFile(QString()); }
    QTemporaryDir dir;
};

TEST_F(PrintDestination, AJobUsesTheWholePageOfThePageSetup)
{
    const QString file = dir.filePath(QStringLiteral("a.pdf"));
    platform::setPrintToPdfFile(file);
    EXPECT_EQ(platform::printToPdfFile(), file);
    QString error;
    for (const auto o : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        platform::PrintInfo info = pageSetup(QPageSize::Letter, o);
        info.printerName = QStringLiteral("No Such Printer 45");
        // The file in place of every printer is written by the job's own PDF writer, never a printer.
        EXPECT_EQ(platform::makePrinter(info, &error), nullptr);
        // A preview's printer of the page alone has the page setup's page, all of it.
        const std::unique_ptr<QPrinter> printer = platform::makePrinter(info, &error, true);
        ASSERT_NE(printer, nullptr);
        EXPECT_TRUE(printer->outputFileName().isEmpty());
        EXPECT_TRUE(printer->fullPage());
        EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::Letter);
        EXPECT_EQ(printer->pageLayout().orientation(), o);
        EXPECT_EQ(printer->pageLayout().margins(QPageLayout::Point), QMarginsF(0, 0, 0, 0));
        EXPECT_GE(printer->resolution(), 600);
        // The painted area is the paper.
        const QRectF paper = printer->pageRect(QPrinter::Point);
        EXPECT_EQ(paper.topLeft(), QPointF(0, 0));
    }
    EXPECT_EQ(platform::destinationName(pageSetup(QPageSize::A4, QPageLayout::Portrait)), file);
    EXPECT_EQ(error, QStringLiteral("the printer is not installed"));
}

TEST_F(PrintDestination, APrinterThatIsNotThereGivesNoPrinterAndTheReason)
{
    platform::PrintInfo info = pageSetup(QPageSize::A4, QPageLayout::Portrait);
    info.printerName = QStringLiteral("No Such Printer 45");
    QString error;
    EXPECT_EQ(platform::makePrinter(info, &error), nullptr);
    EXPECT_EQ(error, QStringLiteral("the printer is not installed"));
    EXPECT_EQ(platform::destinationName(info), QStringLiteral("No Such Printer 45"));
    EXPECT_FALSE(platform::printerMargins(info.printerName, info.pageLayout).has_value());
    // A preview needs no printer: it gets one of the page alone.
    const std::unique_ptr<QPrinter> preview = platform::makePrinter(info, &error, true);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_TRUE(preview->outputFileName().isEmpty());
}

TEST_F(PrintDestination, ThePageLayoutPanelRunsThroughTheResponder)
{
    testsupport::ResponderScope responder;
    platform::PrintInfo info = pageSetup(QPageSize::A4, QPageLayout::Portrait);
    info.printerName = platform::Pdf_Destination_Name;   // its page, not a default printer's margins
    int answer = QDialog::Rejected;
    responder->onModal = [&](QDialog &dialog) {
        auto *panel = qobject_cast<QPageSetupDialog *>(&dialog);
        EXPECT_NE(panel, nullptr);
        if (panel)
            panel->printer()->setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                                        QMarginsF(9, 9, 9, 9), QPageLayout::Point));
        return answer;
    };
    EXPECT_FALSE(platform::runPageSetup(info, nullptr));
    EXPECT_EQ(info.pageLayout.pageSize().id(), QPageSize::A4);   // Cancel changes nothing
    answer = QDialog::Accepted;
    EXPECT_TRUE(platform::runPageSetup(info, nullptr));
    EXPECT_EQ(info.pageLayout.pageSize().id(), QPageSize::A5);
    EXPECT_EQ(info.pageLayout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(info.pageLayout.margins(QPageLayout::Point), QMarginsF(9, 9, 9, 9));
    EXPECT_EQ(responder->modalCount, 2);
}

} // namespace
