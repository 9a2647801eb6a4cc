#include "engines/qr/QREncoder.h"

#include "engines/qr/QR_Encode.h"
#include "platform/Log.h"
#include "platform/WholePixels.h"

#include <QSizeF>

#include <cmath>
#include <cstring>
#include <exception>
#include <stdexcept>

namespace qr {

uint32_t packColourBGR(const QColor &colour)
{
    if (!colour.isValid())
        return 0;
    const QColor rgb = colour.toRgb();
    auto component = [](float value) { return uint32_t(std::lround(double(value) * 255.0)) & 0xFFu; };
    return component(rgb.alphaF()) << 24 | component(rgb.blueF()) << 16 | component(rgb.greenF()) << 8
           | component(rgb.redF());
}

} // namespace qr

std::shared_ptr<qr::DataMatrix> QREncoder::encodeWithECLevel(int level, int version, const QString &string)
{
    try {
        const QByteArray bytes = string.toUtf8();
        return encodeCStringWithECLevel(level, version, bytes.constData());
    } catch (const std::exception &e) {
        platform::logLine(QString::fromUtf8(e.what()));
        return nullptr;
    }
}

std::shared_ptr<qr::DataMatrix> QREncoder::encodeCStringWithECLevel(int level, int version, const char *cstring)
{
    if (!cstring)
        return nullptr;
    try {
        // About 40 KB of working storage: keep it off the (possibly small) thread stack.
        auto encoder = std::make_unique<CQR_Encode>();
        if (!encoder->EncodeData(level, version, true, -1, reinterpret_cast<const uint8_t *>(cstring), 0))
            return nullptr;
        const int64_t side = encoder->m_nSymbleSize;
        auto grid = std::make_shared<qr::DataMatrix>(side);
        for (int64_t x = 0; x < side; ++x)
            for (int64_t y = 0; y < side; ++y)
                grid->set(encoder->m_byModuleData[size_t(x)][size_t(y)] == 1 ? 1 : 0, x, y);
        return grid;
    } catch (const std::exception &e) {
        platform::logLine(QString::fromUtf8(e.what()));
        return nullptr;
    }
}

QImage QREncoder::moduleImage(const qr::DataMatrix &matrix, int imageDimension, const QColor &barcode_clr,
                              const QColor &bar_bg_clr, bool transp_bg)
{
    const int n = int(matrix.dimension());
    if (n <= 0)
        return {};
    // A side below the module count would leave modules of no pixels: one pixel per module then.
    const int side = imageDimension < n ? n : imageDimension;
    if (!platform::rasterFits(QSize(side, side)))
        return {};
    QImage image(side, side, QImage::Format_RGBA8888);
    if (image.isNull())
        return {};

    const int module = side / n;
    const int spare = side - module * n;
    const int offset = spare / 2;                  // top and left margins
    const int farMargin = spare - offset;          // bottom and right: one more when spare is odd
    constexpr uint32_t kMargin = 0x00FFFFFFu;      // transparent white
    const uint32_t dark = qr::packColourBGR(barcode_clr);
    const uint32_t light = transp_bg ? kMargin : qr::packColourBGR(bar_bg_clr);

    auto put = [](uchar *p, uint32_t word) {
        p[0] = uchar(word & 0xFF);
        p[1] = uchar((word >> 8) & 0xFF);
        p[2] = uchar((word >> 16) & 0xFF);
        p[3] = uchar((word >> 24) & 0xFF);
    };
    auto fillRow = [&](int y, uint32_t word) {
        uchar *p = image.scanLine(y);
        for (int x = 0; x < side; ++x, p += 4)
            put(p, word);
    };

    int y = 0;
    for (; y < offset; ++y)
        fillRow(y, kMargin);
    const size_t rowBytes = size_t(side) * 4;
    for (int my = 0; my < n; ++my) {
        uchar *p = image.scanLine(y);
        for (int i = 0; i < offset; ++i, p += 4)
            put(p, kMargin);
        for (int mx = 0; mx < n; ++mx) {
            const uint32_t word = matrix.valueAt(mx, my) != 0 ? dark : light;
            for (int i = 0; i < module; ++i, p += 4)
                put(p, word);
        }
        for (int i = 0; i < farMargin; ++i, p += 4)
            put(p, kMargin);
        const uchar *first = image.constScanLine(y);
        for (int copy = 1; copy < module; ++copy)
            std::memcpy(image.scanLine(y + copy), first, rowBytes);
        y += module;
    }
    for (; y < side; ++y)
        fillRow(y, kMargin);
    return image;
}

platform::Picture QREncoder::renderDataMatrix(const qr::DataMatrix *matrix, int imageDimension, const QColor &barcode_clr,
                                              const QColor &bar_bg_clr, bool transp_bg, double raiseToDpi,
                                              QString *error)
{
    if (!matrix || matrix->dimension() <= 0)
        return {};
    try {
        const QImage image = moduleImage(*matrix, imageDimension, barcode_clr, bar_bg_clr, transp_bg);
        if (image.isNull())
            throw std::runtime_error("Not enough memory for a QR image of that size.");
        // The same modules as a grid placed where the image has them, so that raising the picture
        // keeps every module whole and uniform.
        const int n = int(matrix->dimension());
        const int module = image.width() / n;
        const int offset = (image.width() - module * n) / 2;
        const QRgb dark = qr::packColourBGR(barcode_clr);
        const QRgb light = transp_bg ? 0x00FFFFFFu : qr::packColourBGR(bar_bg_clr);
        QImage cells(n, n, QImage::Format_Indexed8);
        if (cells.isNull())
            throw std::runtime_error("Not enough memory for a QR image of that size.");
        // The packed words are red in the low byte; the table wants ARGB.
        auto argb = [](uint32_t word) {
            return qRgba(int(word & 0xFF), int((word >> 8) & 0xFF), int((word >> 16) & 0xFF), int((word >> 24) & 0xFF));
        };
        cells.setColorTable({argb(light), argb(dark)});
        for (int y = 0; y < n; ++y) {
            uchar *line = cells.scanLine(y);
            for (int x = 0; x < n; ++x)
                line[x] = matrix->valueAt(x, y) != 0 ? 1 : 0;
        }
        platform::ModuleGrid grid;
        grid.cells = cells;
        grid.cellsRect = QRectF(offset, offset, double(module) * n, double(module) * n);
        grid.surround = QColor::fromRgba(argb(0x00FFFFFFu));
        platform::Picture picture = platform::Picture::fromModules(grid, QSizeF(image.width(), image.height()), image);
        if (raiseToDpi > 0)
            picture = picture.raisedTo(raiseToDpi);
        return picture;
    } catch (const std::exception &e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return {};
    }
}
