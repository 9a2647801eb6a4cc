#include "barcodemode/GenerationCore.h"

#include "barcodemode/TwoDSymbols.h"
#include "barcodemode/pdf417View.h"
#include "core/Messages.h"
#include "engines/Symbologies.h"
#include "engines/datamatrix/DataMatrixSymbol.h"
#include "engines/render/BarcodePictureLayout.h"
#include "engines/render/NKDBarcodeImage.h"
#include "platform/WholePixels.h"

#include <exception>

namespace barcode_generation {

bool tooLargeForOutput(const QSizeF &points, int dpi)
{
    return !platform::rasterFits(platform::Picture::pixelSize(points, double(dpi)));
}

std::shared_ptr<BarcodeSettings> renderSettings(const BarcodeSettings &style, const BarcodeObjectRole &role,
                                                const barcode_sizes::Margins &margins)
{
    auto s = std::make_shared<BarcodeSettings>(style);
    s->width = role.width();
    s->height = role.height();
    s->printsHeader = role.printsHeader();
    s->headerHeight = role.headerHeight();
    s->header = role.header();
    s->printsFooter = role.printsFooter();
    s->footer = role.footer();
    s->fill_transparent = role.Fill_transparent();
    s->TB_margin = margins.topBottom;
    s->header_margin = margins.header;
    s->value_margin = margins.value;
    s->footer_margin = margins.footer;
    return s;
}

namespace {

// A quick preview is not raised to the output resolution, but it is shown at the size that
// resolution gives the symbol, as a raised one is: a symbol typed, opened or redrawn looks the same.
platform::Picture shownAsOutput(const GenerationSnapshot &s, const platform::Picture &symbol)
{
    return s.quickPreview ? symbol.shownAsOutputAt(s.dpi) : symbol;
}

} // namespace

platform::Picture drawQr(const GenerationSnapshot &s, const QString &value)
{
    try {
        const int dpi = s.quickPreview ? 0 : s.dpi;
        if (s.qrGeneratorRoute) {
            // The generator knows no transparency flag: a clear background is its light colour.
            const QColor light = s.transparent ? QColor(Qt::transparent) : s.backgroundColour;
            return shownAsOutput(s, twod::qrByGenerator(value, s.qrLevelItem, s.barColour, light, s.qrSide, dpi));
        }
        const int version = s.qrVersion == 0 ? -1 : s.qrVersion;
        return shownAsOutput(s, twod::qrByEncoder(value, s.qrLevel, version, int(s.qrSide), s.barColour,
                                                  s.backgroundColour, s.transparent, dpi));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return {};
    }
}

platform::Picture drawPdf417(const GenerationSnapshot &s, const QString &value)
{
    try {
        // A view of its own for this symbol; its bitmap is not raised, the module picture is.
        const QSizeF size(s.pdfWidth, s.pdfModule);
        pdf417View view(QRectF(QPointF(0, 0), size), s.pdfLevel);
        if (view.drawWithText(value, 0) != pdf417View::ImageReady)
            return {};
        const platform::Picture symbol = twod::pdf417Picture(view, size, false);
        return s.quickPreview ? shownAsOutput(s, symbol) : twod::raisedForOutput(symbol, s.dpi);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return {};
    }
}

platform::Picture drawDataMatrix(const GenerationSnapshot &s, const QString &value, int moduleSize)
{
    try {
        const QByteArray utf8 = value.toUtf8();
        const datamatrix::Ecc200Request request = twod::dataMatrixRequest(s.dmFormat, s.dmEncoding, utf8);
        const datamatrix::Ecc200Result symbol = datamatrix::iec16022ecc200(utf8, request);
        if (!symbol.ok() || symbol.width == 0) {
            twod::reportDataMatrixFailure(symbol, utf8);
            return {};
        }
        // The picture is framed on the background colour, or on nothing when it is transparent.
        const QColor beneath = s.transparent ? QColor(Qt::transparent) : s.backgroundColour;
        QString error;
        const QImage image =
            twod::dataMatrixImage(utf8, symbol.width, symbol.height, symbol.grid.data(), s.barColour, beneath, &error);
        if (image.isNull()) {
            Show_NSLog_Message(error);
            return {};
        }
        // Sized before it is raised, so that the bitmap has the output resolution at its final size.
        return shownAsOutput(s, twod::dataMatrixPicture(image, symbol.width, symbol.height, moduleSize, s.dmBorder,
                                                        s.quickPreview ? 0 : s.dpi));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return {};
    }
}

namespace {

void buildTwoD(const GenerationSnapshot &s, Built &b, const QString &value, const QString &header, const QString &footer)
{
    const Symbologies::EngineKind kind = Symbologies::kindOf(s.title);
    if (kind != Symbologies::EngineKind::QR && kind != Symbologies::EngineKind::PDF417 &&
        kind != Symbologies::EngineKind::DataMatrix)
        return;
    b.titleMatched = true;
    SymbolRole &role = b.role;
    role.setContent(value);
    role.setHeader(header);
    role.setFooter(footer);
    role.setPrintsCaption(s.printsCaption);
    role.set_Fill_transparent(s.transparent);
    role.setPrintsHeader(!s.hideHeader);
    role.setPrintsFooter(!s.hideFooter);
    role.setCaptionFontSize(float(s.captionFont.pointSizeF()));
    role.setHeaderFontSize(float(s.headerFont.pointSizeF()));
    role.setFooterFontSize(float(s.footerFont.pointSizeF()));
    b.moduleSize = 1;
    if (kind == Symbologies::EngineKind::QR) {
        b.symbol = drawQr(s, value);
    } else if (kind == Symbologies::EngineKind::PDF417) {
        b.moduleSize = s.pdfModule;
        b.symbol = drawPdf417(s, value);
    } else {
        b.moduleSize = s.dmModule;
        b.symbol = drawDataMatrix(s, value, b.moduleSize);
    }
}

void buildLinear(const GenerationSnapshot &s, Built &b, const QString &value, const QString &header, const QString &footer)
{
    b.titleMatched = Symbologies::isLinear(s.title);
    std::unique_ptr<NKDBarcode> model;
    if (b.titleMatched)
        model = Symbologies::createLinearBarcode(s.title);
    if (model && !model->initWithContent(value, s.printsCaption))
        model.reset();
    if (!model || !model->isContentValid())
        return;
    // The linear picture's background in the Designing mode follows the role's flag.
    b.role.set_Fill_transparent(s.transparent);
    model->setSettings(renderSettings(s.style, b.role, b.margins));   // the fonts the bands are measured with
    model->setHeader(header);
    model->setFooter(footer);
    model->setPrintsCaption(s.printsCaption);
    model->setPrintsHeader(!s.hideHeader);
    model->setPrintsFooter(!s.hideFooter);
    if (s.barWidthEnabled)
        model->setBarWidth(float(s.barWidthMils) / 1000.0f * 72.0f);
    model->setCaptionFontSize(float(s.captionFont.pointSizeF()));
    model->setHeaderFontSize(float(s.headerFont.pointSizeF()));
    model->setFooterFontSize(float(s.footerFont.pointSizeF()));
    if (s.barHeightEnabled)
        linearHeightRule(*model, s, b.margins);
    model->calculateWidth();
    model->setWidth(linearWidthRule(*model, s, b.margins));
    b.settings = renderSettings(s.style, b.role, b.margins);   // now with the margins in points
    model->setSettings(b.settings);
    b.model = std::move(model);
}

} // namespace

Built build(const GenerationSnapshot &s, const QString &value, const QString &header, const QString &footer)
{
    Built b;
    b.twoD = s.family != 0;
    b.role = SymbolRole(s.captionFont, s.headerFont, s.footerFont);
    b.margins = s.margins;
    if (value.isEmpty())
        return b;
    try {
        if (b.twoD)
            buildTwoD(s, b, value, header, footer);
        else
            buildLinear(s, b, value, header, footer);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        b.model.reset();
        b.symbol = platform::Picture();
    }
    return b;
}

void linearHeightRule(NKDBarcode &model, const GenerationSnapshot &s, barcode_sizes::Margins &margins)
{
    const barcode_sizes::MarginInputs &in = s.linearMargins;
    margins = barcode_sizes::marginsInPoints(in);
    model.setHeight(barcode_sizes::linearHeight(s.barHeight, in.unit, margins, model.printsCaption(), model.captionHeight(),
                                                model.printsHeader(), model.headerHeight(), model.printsFooter(),
                                                model.footerHeight()));
}

float linearWidthRule(const NKDBarcode &model, const GenerationSnapshot &s, barcode_sizes::Margins &margins)
{
    const barcode_sizes::MarginInputs &in = s.linearMargins;
    margins.leftRight = barcode_sizes::toPoints(in.leftRight, in.unit);
    return barcode_sizes::pictureWidth(model.width(), model.headerWidth(), model.footerWidth(), in.headerHidden,
                                       in.footerHidden, margins.leftRight);
}

void twoDHeightRule(BarcodeObjectRole &role, const GenerationSnapshot &s, barcode_sizes::Margins &margins,
                    const platform::Picture &symbol)
{
    // A 2D picture has no caption, so no value margin either.
    barcode_sizes::MarginInputs in = s.twoDMargins;
    in.captionHidden = true;
    margins = barcode_sizes::marginsInPoints(in);
    role.setHeight(barcode_sizes::twoDHeight(float(symbol.size().height()), margins, in.headerHidden,
                                             role.headerHeight(), in.footerHidden, role.footerHeight()));
}

void twoDWidthRule(BarcodeObjectRole &role, const GenerationSnapshot &s, barcode_sizes::Margins &margins,
                   const platform::Picture &symbol)
{
    const barcode_sizes::MarginInputs &in = s.twoDMargins;
    margins.leftRight = barcode_sizes::toPoints(in.leftRight, in.unit);
    role.setWidth(barcode_sizes::pictureWidth(float(symbol.size().width()), role.headerWidth(), role.footerWidth(),
                                              in.headerHidden, in.footerHidden, margins.leftRight));
}

Framed frameTwoD(const GenerationSnapshot &s, BarcodeObjectRole &role, barcode_sizes::Margins &margins,
                 const platform::Picture &symbol)
{
    if (symbol.isNull())
        return {};
    twoDHeightRule(role, s, margins, symbol);
    twoDWidthRule(role, s, margins, symbol);
    Framed f;
    f.picture = imageFromBarcodeImage(symbol, renderSettings(s.style, role, margins));
    if (!f.picture.isNull() && tooLargeForOutput(f.picture.size(), s.dpi)) {
        f.picture = platform::Picture();
        f.tooLarge = true;
    }
    return f;
}

Framed frameLinear(const NKDBarcode &model, std::shared_ptr<const BarcodeSettings> settings, int dpi)
{
    Framed f;
    if (tooLargeForOutput(render::linearFrame(model), dpi)) {
        f.tooLarge = true;
        return f;
    }
    f.picture = imageFromBarcode(&model, std::move(settings), dpi);
    return f;
}

Framed frame(const GenerationSnapshot &s, Built &built)
{
    try {
        if (!built.twoD)
            return built.model ? frameLinear(*built.model, built.settings, s.dpi) : Framed();
        return frameTwoD(s, built.role, built.margins, built.symbol);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return {};
    }
}

Generated generate(const GenerationSnapshot &s, const QString &value, const QString &header, const QString &footer)
{
    Generated g;
    g.built = build(s, value, header, footer);
    g.framed = frame(s, g.built);
    return g;
}

} // namespace barcode_generation
