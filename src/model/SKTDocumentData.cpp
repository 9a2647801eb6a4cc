// The document's data: the native form (a binary property list of the objects' archives and the
// page setup).

#include "model/SKTDocument.h"

#include "model/ObjectArchive.h"
#include "model/SKTRenderingView.h"
#include "platform/Log.h"
#include "platform/Plist.h"

#include <QMarginsF>
#include <QPageSize>

using platform::PlistValue;

const QStringList SKTDocumentPdfTypeNames = {QStringLiteral("com.adobe.pdf"), QStringLiteral("application/pdf"),
                                             QStringLiteral("Apple PDF pasteboard type")};
const QStringList SKTDocumentTiffTypeNames = {QStringLiteral("public.tiff"), QStringLiteral("image/tiff"),
                                              QStringLiteral("NeXT TIFF v4.0 pasteboard type")};

namespace {

// The page setup in a form of our own: the printer and the page layout, lengths in points.
QByteArray printInfoData(const platform::PrintInfo &info)
{
    const QPageLayout &layout = info.pageLayout;
    const QSizeF paper = layout.pageSize().size(QPageSize::Point);
    const QMarginsF margins = layout.margins(QPageLayout::Point);
    const PlistValue form = PlistValue::dictionary({
        {QStringLiteral("printerName"), PlistValue::string(info.printerName)},
        {QStringLiteral("paperName"), PlistValue::string(layout.pageSize().key())},
        {QStringLiteral("paperSize"), PlistValue::array({PlistValue::real(paper.width()), PlistValue::real(paper.height())})},
        {QStringLiteral("orientation"),
         PlistValue::string(layout.orientation() == QPageLayout::Landscape ? QStringLiteral("landscape")
                                                                           : QStringLiteral("portrait"))},
        {QStringLiteral("margins"), PlistValue::array({PlistValue::real(margins.left()), PlistValue::real(margins.top()),
                                                       PlistValue::real(margins.right()),
                                                       PlistValue::real(margins.bottom())})},
    });
    return platform::plistToData(form, platform::PlistFormat::Binary);
}

} // namespace

QByteArray SKTDocument::dataOfType(const QString &typeName, SKTError *error) const
{
    if (typeName == SKTDocumentNewTypeName || typeName == SKTDocumentOldTypeName) {
        PlistValue graphics = PlistValue::array();
        for (const ObjectArchive &archive : SKTGraphic::propertiesWithGraphics(m_graphics))
            graphics.append(PlistValue::data(archive.data()));
        const PlistValue root = PlistValue::dictionary({
            {SKTDocumentVersionKey, PlistValue::integer(SKTDocumentCurrentVersion)},
            {SKTDocumentGraphicsKey, graphics},
            {SKTDocumentPrintInfoKey, PlistValue::data(printInfoData(m_printInfo))},
        });
        return platform::plistToData(root, platform::PlistFormat::Binary);
    }
    if (SKTDocumentPdfTypeNames.contains(typeName))
        return SKTRenderingView::pdfDataWithGraphics_data(m_graphics);
    if (SKTDocumentTiffTypeNames.contains(typeName))
        return SKTRenderingView::tiffDataWithGraphics(m_graphics, error);
    // Any other type is a programming error of the caller.
    platform::logLine(QStringLiteral("SKTDocument: data of the unknown type \"%1\" was asked for.").arg(typeName));
    return {};
}
