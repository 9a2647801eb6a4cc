#include "platform/PrintDestination.h"

#include "platform/Dialogs.h"

#include <QDialog>
#include <QMutex>
#include <QMutexLocker>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

namespace {

QMutex pdfFileMutex;
QString pdfFile;

} // namespace

QStringList availablePrinterNames()
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names << Pdf_Destination_Name;
    return names;
}

void setPrintToPdfFile(const QString &path)
{
    QMutexLocker lock(&pdfFileMutex);
    pdfFile = path;
}

QString printToPdfFile()
{
    QMutexLocker lock(&pdfFileMutex);
    return pdfFile;
}

std::optional<QMarginsF> printerMargins(const QString &printerName, const QPageLayout &page)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (printerName.isEmpty() || info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageOrientation(page.orientation());
    printer.setPageSize(page.pageSize());
    return printer.pageLayout().minimumMargins();
}

QString destinationName(const PrintInfo &info)
{
    const QString file = printToPdfFile();
    if (!file.isEmpty())
        return file;
    if (!info.printerName.isEmpty())
        return info.printerName;
    const QString fallback = QPrinterInfo::defaultPrinterName();
    return fallback.isEmpty() ? QStringLiteral("the default printer") : fallback;
}

std::unique_ptr<QPrinter> makePrinter(const PrintInfo &info, QString *error, bool preview)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString name = info.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : info.printerName;
    const bool installed = !name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull();
    if (preview && !installed) {
        printer->setOutputFormat(QPrinter::PdfFormat);   // only its page is used
    } else if (!installed) {
        if (error)
            *error = name.isEmpty() ? QStringLiteral("no printer is installed") : QStringLiteral("the printer is not installed");
        return nullptr;
    } else {
        printer->setPrinterName(name);
    }
    // The job places everything on the paper itself: the whole page, no margins.
    printer->setFullPage(true);
    QPageLayout layout(info.pageLayout.pageSize(), info.pageLayout.orientation(), QMarginsF(0, 0, 0, 0),
                       QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    printer->setPageLayout(layout);
    return printer;
}

bool runPageSetup(PrintInfo &info, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);   // without printers Qt makes it a PDF printer
    if (!info.printerName.isEmpty() && !QPrinterInfo::printerInfo(info.printerName).isNull())
        printer.setPrinterName(info.printerName);
    else if (!info.printerName.isEmpty())   // "PDF File" (or a printer gone): no default printer's margins
        printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(info.pageLayout);
    QPageSetupDialog panel(&printer, parent);
    if (runModal(panel) != QDialog::Accepted)
        return false;
    info.pageLayout = printer.pageLayout();
    return true;
}

} // namespace platform
