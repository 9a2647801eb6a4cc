#include "engines/qr/QrGenerator.h"

#include "engines/qr/QR_Encode.h"

#include <QSizeF>

#include <memory>

namespace qr {

namespace {

int levelIndex(const QString &level)
{
    static const QString kLevels[4] = {QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("Q"), QStringLiteral("H")};
    for (int i = 0; i < 4; ++i)
        if (level == kLevels[i])
            return i;
    return -1;
}

constexpr int kBorder = 1;   // modules of light border around the symbol

} // namespace

QImage QrGenerator::outputImage() const
{
    const int level = levelIndex(m_level);
    if (level < 0 || m_message.isEmpty())
        return {};
    // The segmentation is ours to choose on this route: the shortest, so that every message that
    // fits version 40 at the level gets its symbol.
    auto encoder = std::make_unique<CQR_Encode>();
    if (!encoder->EncodeDataShortest(level, reinterpret_cast<const uint8_t *>(m_message.constData()),
                                     m_message.size()))
        return {};
    const int n = int(encoder->m_nSymbleSize);
    QImage image(n + 2 * kBorder, n + 2 * kBorder, QImage::Format_ARGB32);
    image.fill(0xFFFFFFFFu);
    for (int y = 0; y < n; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y + kBorder));
        for (int x = 0; x < n; ++x)
            if (encoder->m_byModuleData[size_t(x)][size_t(y)])
                line[x + kBorder] = 0xFF000000u;
    }
    return image;
}

QImage falseColor(const QImage &inputImage, const QColor &inputColor0, const QColor &inputColor1)
{
    if (inputImage.isNull())
        return {};
    const QImage in = inputImage.convertToFormat(QImage::Format_ARGB32);
    QImage out(in.size(), QImage::Format_ARGB32);
    if (out.isNull())
        return {};
    const QRgb c0 = inputColor0.rgba();
    const QRgb c1 = inputColor1.rgba();
    for (int y = 0; y < in.height(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(in.constScanLine(y));
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < in.width(); ++x)
            dst[x] = qGray(src[x]) < 128 ? c0 : c1;
    }
    return out;
}

platform::Picture scaledToSize(const QImage &image, double size)
{
    if (image.isNull() || !(size > 0))
        return {};
    // The modules travel as a grid, so that wherever the picture is put on pixels every module is
    // the same whole number of them; the border's light colour fills what rounding leaves over.
    platform::ModuleGrid grid;
    grid.cells = image;
    grid.cellsRect = QRectF(0, 0, size, size);
    grid.quietZone = kBorder;
    grid.surround = QColor::fromRgba(image.pixel(0, 0));
    return platform::Picture::fromModules(grid, QSizeF(size, size));
}

platform::Picture generateQrPicture(const QByteArray &message, const QString &correctionLevel,
                                    const QColor &barColour, const QColor &backgroundColour, double size)
{
    QrGenerator generator;
    generator.setInputMessage(message);
    generator.setInputCorrectionLevel(correctionLevel);
    const QImage modules = generator.outputImage();
    if (modules.isNull())
        return {};
    return scaledToSize(falseColor(modules, barColour, backgroundColour), size);
}

platform::Picture renderSymbolForTool(const QString &value, int level, double dpi, double sidePoints)
{
    static const char *const kLevels[4] = {"L", "M", "Q", "H"};
    if (level < 0 || level > 3 || value.isEmpty())
        return {};
    const platform::Picture picture = generateQrPicture(value.toUtf8(), QString::fromLatin1(kLevels[level]),
                                                        QColor(Qt::black), QColor(Qt::white), sidePoints);
    if (picture.isNull())
        return {};
    return picture.raisedTo(dpi);
}

} // namespace qr
