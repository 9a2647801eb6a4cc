#pragma once
// Where print jobs go. A printer the page setup names gets a QPrinter made here for the page setup,
// painted by the job. The "PDF File" destination (and the file tests and benchmarks set in place of
// every printer) takes no QPrinter: the job paints a PdfFileTarget, whose platform::PdfFileWriter
// writes the file as the PDF export does.

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

// The margins the named printer cannot mark on that page (its imageable area is the paper less
// these), or nothing when the printer is not installed.
std::optional<QMarginsF> printerMargins(const QString &printerName, const QPageLayout &page);

// The page setup moved to the named printer: its paper and turn kept, its imageable area the paper
// less what that printer cannot mark. A PDF file has margins of its own (PrintInfo::defaultMargins),
// never those a printer chosen before left; a printer that is not installed keeps the margins.
PrintInfo forPrinter(const PrintInfo &info, const QString &printerName);

// A printer for a job of the page setup: its printer, paper and orientation, the whole page in use
// with no margins, at high resolution. Null, with the reason, when there is no printer to print on
// ("PDF File" is none); a preview needs none and then gets a printer of the page alone.
std::unique_ptr<QPrinter> makePrinter(const PrintInfo &info, QString *error, bool preview = false);

// The name a message gives the job's destination: the PDF file, the printer, or the default one.
QString destinationName(const PrintInfo &info);

// The page layout panel on the page setup, through the dialog responder. It opens on the page
// setup's paper and orientation and lists its printer's papers. YES when it was confirmed: the page
// setup then holds the paper, orientation and margins chosen there, margins below what the printer
// can mark raised to it. NO when it was cancelled, or when the margins chosen leave nothing of the
// paper to print on, and then refused says why (a message for the user); the page setup is then
// unchanged.
bool runPageSetup(PrintInfo &info, QWidget *parent, QString *refused = nullptr);

} // namespace platform
