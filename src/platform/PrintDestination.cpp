#include "platform/PrintDestination.h"

#include "platform/Dialogs.h"
#include "platform/PageSetupControls.h"

#include <QDialog>
#include <QMutex>
#include <QMutexLocker>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace platform {

namespace {

// The page's paper, orientation and margins (points) set one by one: a printer refuses a whole
// layout whose margins are below what it can mark, and keeps its own default paper.
void setPage(QPrinter &printer, const QPageLayout &page, const QMarginsF &margins)
{
    printer.setPageSize(page.pageSize());
    printer.setPageOrientation(page.orientation());
    printer.setPageMargins(margins, QPageLayout::Point);
}

QMarginsF atLeast(const QMarginsF &m, const QMarginsF &least)
{
    return QMarginsF(std::max(m.left(), least.left()), std::max(m.top(), least.top()), std::max(m.right(), least.right()),
                     std::max(m.bottom(), least.bottom()));
}

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

PrintInfo forPrinter(const PrintInfo &info, const QString &printerName)
{
    PrintInfo moved = info;
    moved.printerName = printerName;
    const std::optional<QMarginsF> margins = printerName == Pdf_Destination_Name
                                                 ? std::optional(PrintInfo::defaultMargins())
                                                 : printerMargins(printerName, info.pageLayout);
    if (margins) {
        moved.pageLayout.setUnits(QPageLayout::Point);
        moved.pageLayout.setMinimumMargins(QMarginsF());
        moved.pageLayout.setMargins(*margins);
    }
    return moved;
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
    setPage(*printer, info.pageLayout, QMarginsF(0, 0, 0, 0));
    return printer;
}

bool runPageSetup(PrintInfo &info, QWidget *parent, QString *refused)
{
    if (refused)
        refused->clear();
    // The panel lists the papers of the page setup's printer (of the default one when it names none);
    // "PDF File" or a printer that is gone gets every paper and no printer's margins.
    QString name = info.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : info.printerName;
    const bool installed = !name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull();
    QPrinter printer(QPrinter::HighResolution);
    if (installed)
        printer.setPrinterName(name);
    else
        printer.setOutputFormat(QPrinter::PdfFormat);
    const auto least = [&](const QPageLayout &page) {
        return installed ? printerMargins(name, page).value_or(QMarginsF()) : QMarginsF();
    };
    setPage(printer, info.pageLayout, atLeast(info.pageLayout.margins(QPageLayout::Point), least(info.pageLayout)));

    QPageSetupDialog panel(&printer, parent);
    const PageSetupControls controls(panel);
    if (controls.complete())
        controls.show(info.pageLayout);
    if (runModal(panel) != QDialog::Accepted)
        return false;
    QPageLayout chosen = controls.complete() ? controls.chosen() : printer.pageLayout();
    chosen.setUnits(QPageLayout::Point);
    // Margins below what the printer can mark are raised to it, never a reason to drop the paper.
    const QMarginsF margins = atLeast(chosen.margins(QPageLayout::Point), least(chosen));
    const QSizeF paper = chosen.fullRect(QPageLayout::Point).size();
    if (margins.left() + margins.right() >= paper.width() || margins.top() + margins.bottom() >= paper.height()) {
        if (refused)
            *refused = QStringLiteral("The margins chosen leave nothing of the paper \"%1\" to print on; the page setup "
                                      "is unchanged.")
                           .arg(chosen.pageSize().name());
        return false;
    }
    info.pageLayout = QPageLayout(chosen.pageSize(), chosen.orientation(), QMarginsF(), QPageLayout::Point);
    info.pageLayout.setMargins(margins);
    return true;
}

} // namespace platform
