#include "barcodemode/TwoDSymbols.h"

#include "core/ImageServices.h"
#include "core/Messages.h"
#include "engines/datamatrix/DataMatrixSymbol.h"
#include "barcodemode/pdf417View.h"
#include "engines/pdf417/pdf417Bitmap.h"
#include "engines/qr/QREncoder.h"
#include "engines/qr/QrGenerator.h"
#include "platform/WholePixels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace twod {

namespace {

std::uint32_t component(float value) { return std::uint32_t(std::lround(double(value) * 255.0)) & 0xFFu; }

} // namespace

// A symbol too large for the output resolution stays as it is: the picture framed around it is
// then refused as a value too long, instead of the symbol silently vanishing.
platform::Picture raisedForOutput(const platform::Picture &picture, double dpi)
{
    if (picture.isNull() || !(dpi > 0) || !platform::rasterFits(platform::Picture::pixelSize(picture.size(), dpi)))
        return picture;
    return Increase_DPI(picture, dpi);
}

std::uint32_t packBGR(const QColor &colour) { return qr::packColourBGR(colour); }

std::uint32_t packRGB(const QColor &colour)
{
    if (!colour.isValid())
        return 0;
    const QColor rgb = colour.toRgb();
    // Printed as six hexadecimal digits and read back, as the bitmap encoders expect it.
    const QString hex = QString::asprintf("%02X%02X%02X", unsigned(component(rgb.redF())),
                                          unsigned(component(rgb.greenF())), unsigned(component(rgb.blueF())));
    return hex.toUInt(nullptr, 16);
}

int minimumQrSide(int versionIndex) { return std::max((versionIndex - 1) * 4 + 21, 21); }

bool usesQrGenerator(double toolkitVersion) { return toolkitVersion >= 1265.0; }

platform::Picture qrByGenerator(const QString &value, const QString &level, const QColor &barColour,
                                const QColor &backgroundColour, double size, int dpi)
{
    if (value.isEmpty())
        return {};
    qr::QrGenerator generator;
    generator.setInputMessage(value.toUtf8());
    generator.setInputCorrectionLevel(level);
    const QImage modules = generator.outputImage();
    if (modules.isNull()) {
        Show_NSLog_Message(QStringLiteral("Error: Failed to generate CIImage for QR code."));
        return {};
    }
    const QImage coloured = qr::falseColor(modules, barColour, backgroundColour);
    if (coloured.isNull()) {
        Show_NSLog_Message(QStringLiteral("Error: Failed to apply color filter."));
        return {};
    }
    return raisedForOutput(qr::scaledToSize(coloured, size), dpi);
}

platform::Picture qrByEncoder(const QString &value, int level, int version, int side, const QColor &barColour,
                              const QColor &backgroundColour, bool transparent, int dpi)
{
    const std::shared_ptr<qr::DataMatrix> grid = QREncoder::encodeWithECLevel(level, version, value);
    if (!grid)
        return {};
    QString error;
    const platform::Picture picture =
        QREncoder::renderDataMatrix(grid.get(), side, barColour, backgroundColour, transparent, dpi, &error);
    if (picture.isNull() && !error.isEmpty())
        Show_MessageBox(error);
    return picture;
}

platform::Picture pdf417Picture(const pdf417View &view, const QSizeF &size, bool raiseAsTheView)
{
    if (view.getImageState() != pdf417View::ImageReady || size.isEmpty())
        return {};
    // The view stretches its bitmap to the frame; its modules travel as a grid instead, so that
    // wherever the picture is put on pixels every module is the same whole rectangle of them.
    platform::ModuleGrid grid;
    grid.cells = pdf417::bitmapImage(view.param());
    grid.cellsRect = QRectF(QPointF(0, 0), size);
    const platform::Picture shown = view.getImage();
    platform::Picture picture = platform::Picture::fromModules(grid, size);
    if (picture.isNull())
        return shown;
    // Raised as the view raised its own bitmap: at the resolution that bitmap records.
    const QImage bitmap = shown.image();
    if (raiseAsTheView && !bitmap.isNull() && bitmap.width() != grid.cells.width() && bitmap.dotsPerMeterX() > 0)
        picture = raisedForOutput(picture, std::round(bitmap.dotsPerMeterX() * 0.0254));
    return picture;
}

QImage dataMatrixImage(const QByteArray &comment, int W, int H, const std::uint8_t *grid, const QColor &moduleColour,
                       const QColor &beneath, QString *error)
{
    Q_UNUSED(comment);   // the value went into a PNG comment while the image was a file
    if (W <= 0 || H <= 0 || !grid) {
        if (error)
            *error = QStringLiteral("No symbol to draw.");
        return {};
    }
    // The background entry is transparent whatever its colour; the background the picture is
    // framed on shows through, so it is painted beneath when it has some opacity. The module entry
    // is opaque (its packing drops alpha).
    const QRgb light = beneath.isValid() && beneath.alpha() > 0 ? beneath.rgba() : qRgba(255, 255, 255, 0);
    const std::uint32_t bars = packRGB(moduleColour);
    const QRgb dark = qRgb(int((bars >> 16) & 0xFF), int((bars >> 8) & 0xFF), int(bars & 0xFF));
    const QImage cells = datamatrix::symbolCells(W, H, grid, light, dark);
    if (cells.isNull() && error)
        *error = QStringLiteral("No symbol image could be made.");
    return cells;
}

platform::Picture dataMatrixPicture(const QImage &image, int W, int H, int module, int border, int dpi)
{
    if (image.isNull() || image.width() != W + 2 || image.height() != H + 2)
        return {};
    const platform::Picture picture = datamatrix::symbolPicture(image, module, border);
    return raisedForOutput(picture, dpi);
}

datamatrix::Ecc200Request dataMatrixRequest(const QString &formatItem, const QString &encodingItem,
                                            const QByteArray &utf8)
{
    datamatrix::Ecc200Request request;
    datamatrix::sizeFromFormatItem(formatItem, &request.width, &request.height);
    request.encoding = datamatrix::encodingFromItem(encodingItem, utf8.size());
    return request;
}

void reportDataMatrixFailure(const datamatrix::Ecc200Result &result, const QByteArray &utf8)
{
    const std::string encoding = result.encoding.value_or(std::string());
    std::fprintf(stderr, "No barcode produced\n");
    std::fprintf(stdout, "Size    : %dx%d\n", result.width, result.height);
    std::fprintf(stdout, "Encoded : %d of %d bytes with %d bytes of ecc\n", result.dataLength, result.capacity,
                 result.eccLength);
    std::fprintf(stdout, "Barcode : %s\n", utf8.constData());
    std::fprintf(stdout, "Encoding: %s\n", encoding.c_str());
    std::fflush(stdout);
}

} // namespace twod
