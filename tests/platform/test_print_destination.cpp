// The print destination: a printer for a job of the page setup, its failures, the PDF file that
// stands in for every printer, and the page layout panel through the dialog responder.

#include "platform/PrintDestination.h"
#include "support/LocaleScope.h"
#include "support/PageSetupAnswer.h"
#include "support/PrivateCupsd.h"
#include "support/ScriptedResponder.h"

#include <QPageSetupDialog>
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

// Desk printers of the test's own scheduler that cannot mark the outer 0, 12 or 36 points of any
// paper, and the PDF file, which takes any margins.
class PrintDestinationDesks : public PrintDestination {
protected:
    void SetUp() override
    {
        if (!cupsd.addQueues({{"Desk_0", "0"}, {"Desk_12", "12"}, {"Desk_36", "36"}, {"Labels"}}))   // Labels: of any size
            GTEST_SKIP() << cupsd.failure().toStdString();
    }
    printtest::PrivateCupsd cupsd;
    testsupport::ResponderScope responder;
};

// The panel opens on the page setup (paper, turn and margins) with the printer's papers; what is
// chosen there is taken, margins below the printer's raised to them, and a job has that paper, turned
// so (a whole layout without margins is refused by a printer with some); Cancel changes nothing;
// margins that leave nothing of the paper are refused with the reason.
TEST_F(PrintDestinationDesks, ThePageLayoutPanelRunsThroughTheResponder)
{
    const auto asked = [&](QPageLayout::Orientation o) {   // how often a lookup asks the scheduler for the printer's description
        const QString request = QStringLiteral("GET /printers/Desk_0.ppd");
        const auto before = cupsd.log(INT_MAX).count(request);
        platform::printerMargins(QStringLiteral("Desk_0"), pageSetup(QPageSize::A4, o).pageLayout);
        return cupsd.log(INT_MAX).count(request) - before;
    };
    const auto portrait = asked(QPageLayout::Portrait);
    EXPECT_GT(asked(QPageLayout::Landscape), portrait);   // the printer's turn, asked once:
    EXPECT_EQ(asked(QPageLayout::Landscape), portrait);   // a landscape lookup then asks what a portrait one does
    const std::pair<QPageSize::PageSizeId, QPageLayout::Orientation> choices[] = {
        {QPageSize::Letter, QPageLayout::Portrait}, {QPageSize::Legal, QPageLayout::Landscape},
        {QPageSize::A5, QPageLayout::Portrait}, {QPageSize::A4, QPageLayout::Landscape}};
    for (int margin : {0, 12, 36, -1}) {
        platform::PrintInfo info = pageSetup(QPageSize::A4, QPageLayout::Portrait);
        info.printerName = margin < 0 ? platform::Pdf_Destination_Name : QStringLiteral("Desk_%1").arg(margin);
        for (const auto &[paper, turn] : choices) {
            SCOPED_TRACE(info.printerName.toStdString() + " " + QPageSize(paper).name().toStdString());
            const platform::PrintInfo before = info;
            for (const bool ok : {false, true}) {
                QPageLayout opened;
                responder->onModal = testsupport::PageSetupAnswer{QPageSize(paper), turn, QMarginsF(0, 9, 50, 0), ok, &opened};
                EXPECT_EQ(platform::runPageSetup(info, nullptr), ok);
                EXPECT_TRUE(opened.pageSize().isEquivalentTo(before.pageLayout.pageSize()));
                EXPECT_EQ(opened.orientation(), before.pageLayout.orientation());
                EXPECT_NEAR(opened.margins(QPageLayout::Point).top(), before.pageLayout.margins(QPageLayout::Point).top(), 0.5);
                EXPECT_TRUE(ok || info == before);
            }
            EXPECT_TRUE(info.printerName == before.printerName && info.pageLayout.pageSize().isEquivalentTo(QPageSize(paper))
                        && info.pageLayout.orientation() == turn);
            const QPageLayout job = margin < 0 ? info.pageLayout : platform::makePrinter(info, nullptr)->pageLayout();
            EXPECT_TRUE(job.pageSize().isEquivalentTo(QPageSize(paper)) && job.orientation() == turn);
            const double least = std::max(margin, 0);   // the margins typed, to the panel's decimals
            const QMarginsF got = info.pageLayout.margins(QPageLayout::Point) - QMarginsF(least, std::max(least, 9.0),
                                                                                          std::max(least, 50.0), least);
            EXPECT_LT(std::abs(got.left()) + std::abs(got.top()) + std::abs(got.right()) + std::abs(got.bottom()), 1.0);
        }
        const platform::PrintInfo before = info;
        QString refused;
        responder->onModal = testsupport::PageSetupAnswer{QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(200, 0, 250, 0)};
        EXPECT_FALSE(platform::runPageSetup(info, nullptr, &refused));
        EXPECT_EQ(refused, QStringLiteral("The margins chosen leave nothing of the paper \"A5\" to print on; the page setup "
                                          "is unchanged."));
        EXPECT_EQ(info, before);
    }
}

// The panel opens on the page setup's page (a size its printer does not list as its custom size); OK
// keeps what was left as shown to the last fraction of a point, and a margin typed in any locale with
// "." or "," to 0.01 mm ("1,125" under de_DE too; a step from it, also at the margin's end); one that is no number is refused, never read as the
// number at its start, and another margin's arrow whose press its message cut steps nothing. No job goes out on a paper
// the printer does not take.
TEST_F(PrintDestinationDesks, PageSetupReopensOnThePageAsItWas)
{
    using O = QPageLayout::Orientation;
    const QPageSize custom(QSizeF(100, 150), QPageSize::Millimeter), a5(QPageSize::A5), legal(QPageSize::Legal), b5(QPageSize::B5);
    const char *const pdf = "PDF File";
    // The printer, paper, turn; the left margin typed (none: left as shown), the locale, what it reads (mm; 0: refused).
    struct Row { const char *printer; QPageSize paper; O turn = O::Portrait; QString typed = {}; const char *locale = "C"; double mm = 12.5;
                 int end = Qt::Key_Tab; double left = 20.5; };   // the key or step that ends the typing; the left margin before (pt)
    using A = testsupport::PageSetupAnswer;
    for (const Row &k : {Row{pdf, custom}, Row{"Labels", custom, O::Portrait, "1,125", "de_DE", 1.13}, Row{pdf, custom, O::Portrait, "12.5"}, Row{pdf, custom, O::Portrait, "12.500", "de_DE"},
                         Row{"Desk_12", a5, O::Portrait, "12.5", "de_DE"}, Row{"Desk_12", legal, O::Landscape, "12,5"},
                         Row{pdf, custom, O::Landscape, "1.234,5", "C", 0}, Row{pdf, custom, O::Portrait, "1.234,5", "de_DE", 0},
                         Row{pdf, legal, O::Portrait, "101,6", "C", 102.6, Qt::Key_Up}, Row{pdf, custom, O::Portrait, "12,5", "C", 13.5, A::Arrow},
                         Row{pdf, legal, O::Portrait, "101,600", "de_DE", 100.6, Qt::Key_Down}, Row{pdf, custom, O::Portrait, "۱۲٫۵", "fa_IR", 11.5, A::Wheel},
                         Row{pdf, custom, O::Portrait, "١٢٫٥", "ar_EG", 22.5, Qt::Key_PageUp}, Row{pdf, custom, O::Portrait, "1e2", "de_DE", 0, Qt::Key_Up},
                         Row{pdf, custom, O::Portrait, "12,5", "C", 11.5, A::Menu}, Row{pdf, custom, O::Portrait, "1e1", "C", 0, A::Cut},
                         Row{pdf, custom, O::Portrait, "1e1", "de_DE", 0, A::Cut}, Row{pdf, custom, O::Portrait, "1e1", "ar_EG", 0, A::Cut},
                         Row{pdf, custom, O::Portrait, "5", "de_DE", 4, A::Wheel, 0}, Row{pdf, custom, O::Portrait, "٥", "ar_EG", 4, Qt::Key_Down, 0}}) {
        SCOPED_TRACE(std::string(k.printer) + " " + k.paper.name().toStdString() + " " + k.typed.toStdString() + " " + k.locale);
        LocaleScope scope(k.locale);
        platform::PrintInfo info{QString::fromLatin1(k.printer), QPageLayout(k.paper, k.turn, QMarginsF(), QPageLayout::Point)};
        info.pageLayout.setMargins(QMarginsF(k.left, 35.4331, 19.84, 50.01));
        const QPageLayout before = info.pageLayout;
        QPageLayout opened;
        responder->onModal = A{std::nullopt, O::Portrait, {}, true, &opened, k.typed, "leftMargin", k.end};
        ASSERT_TRUE(platform::runPageSetup(info, nullptr));
        const QSizeF off = opened.fullRect(QPageLayout::Millimeter).size() - before.fullRect(QPageLayout::Millimeter).size();
        EXPECT_LT(std::abs(off.width()) + std::abs(off.height()), 0.3);   // to the panel's decimals, turned
        EXPECT_EQ(info.pageLayout.fullRect(QPageLayout::Millimeter), before.fullRect(QPageLayout::Millimeter));
        EXPECT_EQ(info.pageLayout.margins(QPageLayout::Point),
                  QMarginsF(k.typed.isEmpty() || !k.mm ? k.left : k.mm * 72 / 25.4, 35.4331, 19.84, 50.01));
    }
    EXPECT_EQ(responder->alerts.size(), 6);   // each refusal said
    QString error;   // a printer that takes sizes of its own takes a custom one
    EXPECT_NE(platform::makePrinter({"Labels", QPageLayout(custom, O::Portrait, QMarginsF())}, &error), nullptr);
    EXPECT_EQ(platform::makePrinter({"Desk_12", QPageLayout(b5, O::Portrait, QMarginsF())}, &error), nullptr);
    EXPECT_EQ(error.toStdString(), "the printer has no paper \"B5\"");
    QPrinter desk;   // a paper the panel cannot show: OK takes the one it shows instead
    desk.setPrinterName(QStringLiteral("Desk_12"));
    QPageSetupDialog panel(&desk);
    const platform::PageSetupControls controls(panel);
    controls.show(QPageLayout(b5, O::Portrait, QMarginsF()));
    EXPECT_EQ(controls.chosen().pageSize().name().toStdString(), "US Letter");
}

// Inches or points alone keep the margins as they were; then A5 and Landscape, on printers that turn a page either way,
// turn those left at the printer's least onto the edges where its turn puts them, exactly. A margin typed (20.5 mm),
// then Inches, Points and Cicero: each unit shows it, and those left, from their exact points, and OK keeps 20.5 mm.
TEST_F(PrintDestinationDesks, PageSetupTurnsTheMarginsInAnyUnit)
{
    ASSERT_TRUE(cupsd.addQueues({{"Desk_4", "10", "20", "30", "40", "Plus90"}, {"Desk_4m", "10", "20", "30", "40", "Minus90"}}));
    LocaleScope metric("C");   // the panel opens in millimetres
    for (const auto &[desk, turned] : {std::pair{"Desk_4", QMarginsF(20, 10, 40, 30)}, {"Desk_4m", QMarginsF(40, 30, 20, 10)}})
        for (const auto unit : {QPageLayout::Inch, QPageLayout::Point})
            for (const bool alone : {true, false}) {
                platform::PrintInfo info = platform::forPrinter(pageSetup(QPageSize::A4, QPageLayout::Portrait), QLatin1String(desk));
                responder->onModal = testsupport::PageSetupAnswer{alone ? std::nullopt : std::optional(QPageSize(QPageSize::A5)),
                                                                  alone ? QPageLayout::Portrait : QPageLayout::Landscape, {}, true, nullptr, {}, "", 0, unit};
                EXPECT_TRUE(platform::runPageSetup(info, nullptr) && info.pageLayout.pageSize().id() == (alone ? QPageSize::A4 : QPageSize::A5));
                EXPECT_EQ(info.pageLayout.margins(QPageLayout::Point), alone ? QMarginsF(10, 40, 30, 20) : turned) << desk << ' ' << unit;
            }
    QStringList shown;
    platform::PrintInfo info = platform::forPrinter(pageSetup(QPageSize::A4, QPageLayout::Portrait), QStringLiteral("Desk_4"));
    responder->onModal = testsupport::PageSetupAnswer{std::nullopt, QPageLayout::Portrait, {}, true, nullptr, "20.5", "topMargin",
                                                      Qt::Key_Tab, {}, {QPageLayout::Inch, QPageLayout::Point, QPageLayout::Cicero}, &shown};
    ASSERT_TRUE(platform::runPageSetup(info, nullptr));
    EXPECT_EQ(shown.join('|').toStdString(), "0.14in 0.81in 0.42in 0.28in |10.00pt 58.11pt 30.00pt 20.00pt |0.78CC 4.54CC 2.35CC 1.56CC ");
    EXPECT_NEAR(info.pageLayout.margins(QPageLayout::Point).top(), 20.5 * 72 / 25.4, 1e-9);
    info = platform::forPrinter(pageSetup(QPageSize::A4, QPageLayout::Portrait), QStringLiteral("Desk_4"));   // one stepped by its arrow alike
    responder->onModal = testsupport::PageSetupAnswer{std::nullopt, QPageLayout::Portrait, {}, true, nullptr, {}, "leftMargin",
                                                      testsupport::PageSetupAnswer::Arrow, {}, {QPageLayout::Inch, QPageLayout::Millimeter}, &shown};
    EXPECT_TRUE(platform::runPageSetup(info, nullptr) && std::abs(info.pageLayout.margins(QPageLayout::Point).left() - 4.53 * 72 / 25.4) < 1e-9);
}

} // namespace
