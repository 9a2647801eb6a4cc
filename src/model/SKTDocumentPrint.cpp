// Printing the document's card: one page of the card's own size, titled after the document.

#include "model/SKTDocument.h"

#include "model/SKTRenderingView.h"

#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

QString SKTDocument::printJobTitle() const
{
    if (!m_fileURL.isEmpty())
        return QFileInfo(m_fileURL).completeBaseName();
    return displayName();
}

std::unique_ptr<SKTPrintOperation> SKTDocument::printOperationWithSettings(const QVariantMap &settings, SKTError *)
{
    const QString title = printJobTitle();
    // The card's own size (the canvas bounds), never a fixed default.
    const QRectF card = SKTRenderingView::canvasBounds();
    auto view = std::make_shared<const SKTRenderingView>(card, m_graphics, title);

    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!m_printInfo.printerName.isEmpty())
        printer->setPrinterName(m_printInfo.printerName);
    printer->setDocName(title);
    printer->setCreator(QStringLiteral("Tagora"));
    if (settings.contains(QStringLiteral("printerName")))
        printer->setPrinterName(settings.value(QStringLiteral("printerName")).toString());
    if (settings.contains(QStringLiteral("outputFileName"))) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(settings.value(QStringLiteral("outputFileName")).toString());
    }
    if (settings.contains(QStringLiteral("copies")))
        printer->setCopyCount(std::max(1, settings.value(QStringLiteral("copies")).toInt()));
    const QSizeF page(std::max(card.width(), 1.0), std::max(card.height(), 1.0));
    printer->setPageLayout(QPageLayout(QPageSize(page, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer->setFullPage(true);
    return std::make_unique<SKTPrintOperation>(std::move(printer), std::move(view));
}
