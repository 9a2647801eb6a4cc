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

// A printer for a job of the page setup: its printer, paper and orientation, the whole page in use
// with no margins, at high resolution. Null, with the reason, when there is no printer to print on
// ("PDF File" is none); a preview needs none and then gets a printer of the page alone.
std::unique_ptr<QPrinter> makePrinter(const PrintInfo &info, QString *error, bool preview = false);

// The name a message gives the job's destination: the PDF file, the printer, or the default one.
QString destinationName(const PrintInfo &info);

// The page layout panel on the page setup, through the dialog responder; YES when it was confirmed,
// and then the page setup holds its paper, orientation and margins.
bool runPageSetup(PrintInfo &info, QWidget *parent);

} // namespace platform
