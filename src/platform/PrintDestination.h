#pragma once
// Where print jobs go: the printer the page setup names, or, for tests and benchmarks, a PDF file.
// Both take the same road: a QPrinter made here for the page setup, painted by the job.

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

// A printer for a job of the page setup: its printer (or the PDF file), paper and orientation, the
// whole page in use with no margins, at high resolution. The PDF destination writes pdfFile (the
// file set by setPrintToPdfFile() first). Null, with the reason, when there is no printer to print
// on; a preview needs none and then gets a printer of the page alone.
std::unique_ptr<QPrinter> makePrinter(const PrintInfo &info, QString *error, bool preview = false,
                                      const QString &pdfFile = QString());

// A job the printer wrote to a PDF file gets the paper's exact size on each of its pages, to the
// hundredth of a point (the printer writes whole points), as the PDF export's pages have it. NO
// when the file cannot be opened, is not as the printer writes it or has another number of pages.
bool setExactPaperSize(const QString &pdfFile, const QSizeF &paper, int pages);

// The name a message gives the job's destination: the PDF file, the printer, or the default one.
QString destinationName(const PrintInfo &info);

// The page layout panel on the page setup, through the dialog responder; YES when it was confirmed,
// and then the page setup holds its paper, orientation and margins.
bool runPageSetup(PrintInfo &info, QWidget *parent);

} // namespace platform
