#include "engines/datamatrix/DataMatrixSymbol.h"

#include "platform/Files.h"

#include <QFile>
#include <QImage>

#include <algorithm>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace datamatrix {

namespace {

// The leading integer of a text after white space, as the settings read numbers (0 without one).
int leadingInt(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        negative = t[i++] == QLatin1Char('-');
    long long v = 0;
    for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i) {
        v = v * 10 + (t[i].unicode() - '0');
        if (v > 1000000000)
            break;
    }
    return int(negative ? -v : v);
}

} // namespace

void sizeFromFormatItem(const QString &item, int *W, int *H)
{
    int w = 0, h = 0;
    if (item != QLatin1String("Auto") && !item.isEmpty()) {
        const QString rest = item.mid(1);
        const qsizetype x = rest.indexOf(QLatin1Char('X'));
        if (x >= 0) {
            h = leadingInt(rest.left(x));
            w = leadingInt(rest.mid(x + 1));
        }
    }
    if (W)
        *W = w;
    if (H)
        *H = h;
}

std::optional<std::string> encodingFromItem(const QString &item, qsizetype byteCount)
{
    char letter = 0;
    if (item == QLatin1String("Ascii"))
        letter = 'A';
    else if (item == QLatin1String("C40"))
        letter = 'C';
    else if (item == QLatin1String("Text"))
        letter = 'T';
    else if (item == QLatin1String("Base256"))
        letter = 'B';
    if (!letter)
        return std::nullopt;
    return std::string(std::size_t(std::max<qsizetype>(byteCount, 0)), letter);
}

QImage symbolCells(int W, int H, const std::uint8_t *grid, QRgb light, QRgb dark)
{
    if (W <= 0 || H <= 0 || !grid)
        return {};
    QImage cells(W + 2, H + 2, QImage::Format_Indexed8);
    if (cells.isNull())
        return {};
    cells.setColorTable({light, dark});
    cells.fill(0);
    for (int y = 0; y < H; ++y) {
        uchar *line = cells.scanLine(H - y);   // the grid's row 0 is the bottom
        const std::uint8_t *row = grid + std::size_t(y) * std::size_t(W);
        for (int x = 0; x < W; ++x)
            if (row[x])
                line[x + 1] = 1;
    }
    return cells;
}

platform::Picture symbolPicture(const QImage &cells, int module, int border)
{
    if (cells.width() < 3 || cells.height() < 3)
        return {};
    const double m = std::max(module, 1);
    const int W = cells.width() - 2;
    const int H = cells.height() - 2;
    const QSizeF size(W * m + border, H * m + border);
    platform::ModuleGrid grid;
    grid.cells = cells;
    grid.quietZone = 1;
    // The symbol's modules at their nominal size, centred; the one-module border reaches past the
    // picture where the border points are fewer, and the surround paints what it leaves.
    grid.cellsRect = QRectF((size.width() - (W + 2) * m) / 2.0, (size.height() - (H + 2) * m) / 2.0, (W + 2) * m,
                            (H + 2) * m);
    grid.surround = QColor::fromRgba(cells.pixel(0, 0));
    return platform::Picture::fromModules(grid, size);
}

ImagePtr symbolImage(const Ecc200Result &symbol, std::uint32_t background, std::uint32_t modules)
{
    const int W = symbol.width, H = symbol.height;
    if (!symbol.ok() || W <= 0 || H <= 0 || symbol.grid.size() != std::size_t(W) * std::size_t(H))
        return makeImage(0, 0, 0);
    ImagePtr image = makeImage(W + 2, H + 2, 2);
    if (!image)
        return image;
    image->palette[0] = background;
    image->palette[1] = modules;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (symbol.grid[std::size_t(y) * std::size_t(W) + std::size_t(x)])
                image->pixel(x + 1, H - y) = 1;
    return image;
}

bool symbolPng(const Ecc200Result &symbol, std::uint32_t background, std::uint32_t modules, const QByteArray &comment,
               int level, QByteArray *png, QString *error)
{
    ImagePtr image = symbolImage(symbol, background, modules);
    if (!image) {
        if (error)
            *error = QStringLiteral("No symbol image could be made.");
        return false;
    }
    QByteArray out;
    if (!ImageWritePNGzToBuffer(image.get(), &out, -1, -1, comment, level, error))
        return false;
    if (png)
        *png = std::move(out);
    return true;
}

bool writeSymbolPngFile(const Ecc200Result &symbol, std::uint32_t background, std::uint32_t modules,
                        const QByteArray &comment, int level, const QString &path, QString *error)
{
    // The whole PNG is made before the file is touched, so that a failed image or deflate leaves
    // the path as it was; it then goes out in one write.
    QByteArray png;
    if (!symbolPng(symbol, background, modules, comment, level, &png, error))
        return false;
    auto systemError = [&](int code) {
        if (error)
            *error = path + QStringLiteral(": ") + platform::errorText(code);
        return false;
    };
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return systemError(errno);
    bool ok = true;
    for (qsizetype done = 0; ok && done < png.size();) {
        const ssize_t n = ::write(fd, png.constData() + done, std::size_t(png.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ok = systemError(n < 0 ? errno : ENOSPC);
        else
            done += n;
    }
    if (!ok && ::ftruncate(fd, 0) != 0) {
        // Nothing more to do: the write failure is what gets reported.
    }
    if (::close(fd) != 0 && ok)
        ok = systemError(errno);
    return ok;
}

QString symbolPngPath()
{
    return platform::privateTempPath(QStringLiteral("DM.png"));
}

platform::Picture renderSymbolForTool(const QByteArray &data, const QString &sizeItem, const QString &encodingItem,
                                      double dpi, QString *error, int moduleSize)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return platform::Picture();
    };
    Ecc200Request request;
    sizeFromFormatItem(sizeItem, &request.width, &request.height);
    request.encoding = encodingFromItem(encodingItem, data.size());
    request.printErrors = false;
    const Ecc200Result symbol = iec16022ecc200(data, request);
    if (!symbol.ok())
        return failed(symbol.error.trimmed());

    if (symbol.width <= 0 || symbol.height <= 0 || symbol.grid.size() != std::size_t(symbol.width) * std::size_t(symbol.height))
        return failed(QStringLiteral("No symbol image could be made."));
    const QImage cells = symbolCells(symbol.width, symbol.height, symbol.grid.data(), qRgb(255, 255, 255), qRgb(0, 0, 0));
    const platform::Picture picture = symbolPicture(cells, std::max(moduleSize, 1), 2);
    if (picture.isNull())
        return failed(QStringLiteral("No symbol image could be made."));
    if (dpi <= 0)
        return picture;
    const platform::Picture raised = picture.raisedTo(dpi);
    if (raised.isNull())
        return failed(QStringLiteral("The symbol image could not be raised to %1 DPI.").arg(dpi));
    return raised;
}

} // namespace datamatrix
