#pragma once
// Where print jobs go. A printer the page setup names gets a QPrinter made here for the page setup,
// painted by the job. The "PDF File" destination (and the file tests and benchmarks set in place of
// every printer) takes no QPrinter: the job paints a PdfFileTarget, whose platform::PdfFileWriter
// writes the file as the PDF export does.

#include "platform/PaperFit.h"
#include "platform/PrintInfo.h"

#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace platform {

// The installed printers' names, and last the PDF destination (Pdf_Destination_Name), which needs
// no printer: jobs can always be printed to a PDF file.
QStringList availablePrinterNames();
inline const QString Pdf_Destination_Name = QStringLiteral("PDF File");

// Every job from now on is written to this PDF file instead of a printer; empty puts the printers
// back.
void setPrintToPdfFile(const QString &path);
QString printToPdfFile();

// The printer a window starts on, of those listed: the one named (the page setup's) when listed,
// else the system's default printer when listed, else the first; empty when none is listed.
QString startingPrinter(const QString &named, const QStringList &listed);

// The margins the named printer cannot mark on that page (its imageable area is the paper less
// these), or nothing when the printer is not installed. On a landscape page each side is the
// paper's edge that lies there once the printer has turned the page, as its description says
// (the page's top is the paper's left edge, or its right edge for a printer that turns the other way).
std::optional<QMarginsF> printerMargins(const QString &printerName, const QPageLayout &page);

// Whether the named printer takes that paper: it lists it, or it takes sizes of its own and this
// one is in its range. "PDF File" and a printer that is not installed take any.
bool takesPaper(const QString &printerName, const QPageSize &paper);

// The page setup moved to the named printer: its paper and turn kept, its imageable area the paper
// less what that printer cannot mark. A PDF file has margins of its own (PrintInfo::defaultMargins),
// never those a printer chosen before left; a printer that is not installed keeps the margins.
// A paper the printer does not take becomes the paper in its tray, or the one nearest it, as the
// page is turned (paperInTray), and moved, when given, receives one message that names the printer,
// the page and the paper (and the turn, when it turned); otherwise moved is emptied.
PrintInfo forPrinter(const PrintInfo &info, const QString &printerName, QString *moved = nullptr);

// The page setup named for that printer, its paper, turn and margins kept, margins raised to what
// the printer cannot mark (a page setup of no printer is the default printer's).
PrintInfo namedFor(const PrintInfo &info, const QString &printerName);

// The page setup turned to that orientation: its margins stay on the paper's edges (turned as its
// printer turns the page) and are at least what the printer cannot mark on the turned page.
PrintInfo turned(const PrintInfo &info, QPageLayout::Orientation orientation);

// A printer for a job of the page setup: its printer, paper and orientation, the whole page in use
// with no margins, at high resolution. Null, with the reason, when there is no printer to print on
// ("PDF File" is none) or the printer does not take the paper (it would print it centred or shrunk
// on another); a preview needs neither and then gets a printer of the page alone.
std::unique_ptr<QPrinter> makePrinter(const PrintInfo &info, QString *error, bool preview = false);

// The name a message gives the job's destination: the PDF file, the printer, or the default one.
QString destinationName(const PrintInfo &info);

// The page layout panel on the page setup, through the dialog responder. It opens on the page
// setup's paper (a size its printer does not list as the panel's custom size), orientation and
// margins, and lists its printer's papers; it offers nothing the jobs do not use. YES when it was
// confirmed: the page setup then holds the paper, orientation and margins chosen there (what was
// left as shown, exactly as it was), margins below what the printer can mark raised to it. NO when
// it was cancelled, or when the margins chosen leave nothing of the paper to print on, and then
// refused says why (a message for the user); the page setup is then unchanged.
bool runPageSetup(PrintInfo &info, QWidget *parent, QString *refused = nullptr);

} // namespace platform
