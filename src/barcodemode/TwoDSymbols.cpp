#include "barcodemode/TwoDSymbols.h"

#include "core/ImageServices.h"
#include "core/Messages.h"
#include "engines/datamatrix/DataMatrixSymbol.h"
#include "engines/datamatrix/image.h"
#include "barcodemode/pdf417View.h"
#include "engines/qr/QREncoder.h"
#include "engines/qr/QrGenerator.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace twod {

namespace {

std::uint32_t component(float value) { return std::uint32_t(std::lround(double(value) * 255.0)) & 0xFFu; }

} // namespace

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
    platform::Picture picture = qr::scaledToSize(coloured, size);
    if (!picture.isNull() && dpi > 0)
        picture = Increase_DPI(picture, dpi);
    return picture;
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

int pdf417Symbol(pdf417View &view, const QString &value, int width, int height, platform::Picture *symbol)
{
    view.setFrameSize(QSizeF(width, height));
    const int result = view.drawWithText(value);
    if (result == pdf417View::ImageReady && symbol)
        *symbol = view.getImage();
    return result;
}

QImage dataMatrixImage(const QByteArray &comment, int W, int H, const std::uint8_t *grid, const QColor &moduleColour,
                       const QColor &beneath, QString *error)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return QImage();
    };
    if (W <= 0 || H <= 0 || !grid)
        return failed(QStringLiteral("No symbol to draw."));
    datamatrix::ImagePtr image = datamatrix::makeImage(W + 2, H + 2, 2);
    if (!image)
        return failed(QStringLiteral("No symbol image could be made."));
    // The background entry is fully transparent whatever the colour: what shows through is painted
    // beneath. Red stays red: the writer reads red from bits 23-16.
    image->palette[0] = 0xFF000000u | packRGB(beneath.isValid() ? beneath : QColor(Qt::white));
    image->palette[1] = packRGB(moduleColour);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (grid[std::size_t(y) * std::size_t(W) + std::size_t(x)])
                image->pixel(x + 1, H - y) = 1;
    QByteArray png;
    QString why;
    if (!datamatrix::ImageWritePNGzToBuffer(image.get(), &png, -1, -1, comment, 9, &why))
        return failed(why);
    QImage symbol = QImage::fromData(png, "PNG");
    if (symbol.isNull())
        return failed(QStringLiteral("The symbol image could not be read back."));
    symbol = symbol.convertToFormat(QImage::Format_ARGB32);
    if (beneath.isValid() && beneath.alpha() > 0) {
        QImage ground(symbol.size(), QImage::Format_ARGB32);
        if (ground.isNull())
            return failed(QStringLiteral("No symbol image could be made."));
        ground.fill(beneath);
        QPainter p(&ground);
        p.drawImage(0, 0, symbol);
        p.end();
        symbol = ground;
    }
    return symbol;
}

platform::Picture dataMatrixPicture(const QImage &image, int W, int H, int module, int border, int dpi)
{
    if (image.isNull())
        return {};
    const platform::Picture picture =
        platform::Picture::fromImage(image, QSizeF(double(W) * module + border, double(H) * module + border));
    return dpi > 0 ? Increase_DPI(picture, dpi) : picture;
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
