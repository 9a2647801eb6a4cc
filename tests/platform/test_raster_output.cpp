// Pictures on pixels: modules on whole device pixels, module grids, the PNG writer, the pixel pool
// and the glyph cache.

#include "platform/GlyphRaster.h"
#include "platform/ModuleGrid.h"
#include "platform/Picture.h"
#include "platform/PngWriter.h"
#include "platform/RasterImage.h"
#include "platform/WholePixels.h"
#include "platform/test_picture_tools.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTextLayout>

#include <atomic>
#include <cmath>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using platform::ModuleGrid;
using platform::Picture;

namespace {

// A checkerboard of modules inside a quiet zone of light modules, black on white.
QImage checkerCells(int columns, int rows, int quiet)
{
    QImage cells(columns + 2 * quiet, rows + 2 * quiet, QImage::Format_Indexed8);
    cells.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    cells.fill(0);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            cells.setPixel(x + quiet, y + quiet, (x + y) % 2);
    return cells;
}

// The lengths of the runs of equal pixels along a row (or a column) between from and to.
QList<int> runs(const QImage &img, int line, bool column, int from, int to)
{
    QList<int> out;
    QRgb previous = 0;
    for (int i = from; i < to; ++i) {
        const QRgb c = column ? img.pixel(line, i) : img.pixel(i, line);
        if (i == from || c != previous)
            out.append(0);
        ++out.last();
        previous = c;
    }
    return out;
}

// The box of the dark pixels.
QRect inkBox(const QImage &img)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) >= 128 && qGray(img.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The samples of one PNG chunk.
QByteArray pngChunk(const QByteArray &png, const char *type)
{
    qsizetype pos = 8;
    while (pos + 12 <= png.size()) {
        const quint32 length = (quint32(uchar(png[pos])) << 24) | (quint32(uchar(png[pos + 1])) << 16)
                               | (quint32(uchar(png[pos + 2])) << 8) | quint32(uchar(png[pos + 3]));
        if (png.mid(pos + 4, 4) == type)
            return png.mid(pos + 8, qsizetype(length));
        pos += 12 + qsizetype(length);
    }
    return {};
}

quint32 bigEndian(const QByteArray &bytes, int at)
{
    return (quint32(uchar(bytes[at])) << 24) | (quint32(uchar(bytes[at + 1])) << 16) | (quint32(uchar(bytes[at + 2])) << 8)
           | quint32(uchar(bytes[at + 3]));
}

bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            // Fully transparent pixels may keep any colour.
            if (p != q && !(qAlpha(p) == 0 && qAlpha(q) == 0))
                return false;
        }
    return true;
}

} // namespace

TEST(WholePixels, ModulesRoundToTheNearestPixelAndDownWhereTheyWouldNotFit)
{
    EXPECT_EQ(platform::modulePixels(2.4, 10, 100), 2);
    EXPECT_EQ(platform::modulePixels(2.6, 10, 100), 3);
    EXPECT_EQ(platform::modulePixels(2.5, 10, 100), 3);
    EXPECT_EQ(platform::modulePixels(2.6, 10, 27), 2);    // 30 pixels would leave the picture
    EXPECT_EQ(platform::modulePixels(2.6, 10, 30), 3);    // exactly fits
    EXPECT_EQ(platform::modulePixels(0.3, 5, 100), 1);    // never below one pixel
    EXPECT_EQ(platform::modulePixels(0.3, 500, 100), 1);
    EXPECT_EQ(platform::modulePixels(16.67, 95, 1700), 17);

    EXPECT_TRUE(platform::rasterFits(QSize(20000, 100)));
    EXPECT_FALSE(platform::rasterFits(QSize(20001, 1)));
    EXPECT_FALSE(platform::rasterFits(QSize(1, 20001)));
    EXPECT_TRUE(platform::rasterFits(QSize(7000, 7000)));    // 196 MB
    EXPECT_FALSE(platform::rasterFits(QSize(8000, 7000)));   // 224 MB
    // A picture beyond the limits is never rasterised.
    const Picture huge = Picture::record(QSizeF(3000, 10), [](QPainter &p) { p.fillRect(QRectF(0, 0, 5, 5), Qt::black); });
    EXPECT_TRUE(huge.toImage(600).isNull());
    EXPECT_FALSE(huge.toImage(300).isNull());
}

TEST(ModuleGrid, SquareModulesAreUniformWholePixelsAtEveryResolution)
{
    ModuleGrid grid;
    grid.cells = checkerCells(21, 21, 1);
    grid.cellsRect = QRectF(0, 0, 60, 60);
    grid.quietZone = 1;
    grid.surround = Qt::white;
    const Picture picture = Picture::fromModules(grid, QSizeF(60, 60));
    ASSERT_FALSE(picture.isNull());
    for (const double dpi : {72.0, 96.0, 150.0, 203.0, 300.0, 600.0}) {
        const QImage img = picture.toImage(dpi);
        ASSERT_EQ(img.size(), Picture::pixelSize(QSizeF(60, 60), dpi)) << dpi;
        EXPECT_EQ(img.format(), QImage::Format_Mono) << dpi;   // two opaque colours: one bit
        EXPECT_EQ(img.dotsPerMeterX(), std::lround(dpi / 0.0254));
        const int module = platform::modulePixels(60.0 / 23 * dpi / 72, 21, img.width());
        const QRect box = inkBox(img);
        // The checkerboard's dark modules span 21 modules less one at each end of a row.
        EXPECT_EQ(box.width(), 21 * module) << dpi;
        EXPECT_EQ(box.height(), 21 * module) << dpi;
        for (int i = 0; i < 21; ++i) {
            const int through = box.top() + i * module + module / 2;
            for (const int run : runs(img, through, false, box.left(), box.right() + 1))
                EXPECT_EQ(run, module) << dpi;
            const int down = box.left() + i * module + module / 2;
            for (const int run : runs(img, down, true, box.top(), box.bottom() + 1))
                EXPECT_EQ(run, module) << dpi;
        }
        // Centred, on whole pixels.
        EXPECT_LE(std::abs((box.left() + box.right() + 1) - img.width()), 1) << dpi;
    }
}

TEST(ModuleGrid, StretchedModulesStayUniformRectangles)
{
    // A PDF417-like grid stretched to its frame: 3 points wide and 6 points high a module.
    ModuleGrid grid;
    grid.cells = checkerCells(17, 5, 0);
    grid.cellsRect = QRectF(0, 0, 51, 30);
    const Picture picture = Picture::fromModules(grid, QSizeF(51, 30));
    for (const double dpi : {203.0, 300.0, 600.0}) {
        const QImage img = picture.toImage(dpi);
        const int mx = platform::modulePixels(3 * dpi / 72, 17, img.width());
        const int my = platform::modulePixels(6 * dpi / 72, 5, img.height());
        const QRect box = inkBox(img);
        for (int r = 0; r < 5; ++r)
            for (const int run : runs(img, box.top() + r * my + my / 2, false, box.left(), box.right() + 1))
                EXPECT_EQ(run, mx) << dpi;
        for (int c = 0; c < 17; ++c)
            for (const int run : runs(img, box.left() + c * mx + mx / 2, true, box.top(), box.bottom() + 1))
                EXPECT_EQ(run, my) << dpi;
    }
}

TEST(ModuleGrid, PaintedOnAnyZoomItStaysOnWholePixels)
{
    ModuleGrid grid;
    grid.cells = checkerCells(25, 25, 1);
    grid.cellsRect = QRectF(0, 0, 54, 54);
    grid.quietZone = 1;
    grid.surround = Qt::white;
    const Picture picture = Picture::fromModules(grid, QSizeF(54, 54));
    for (const double zoom : {1.0, 1.37, 2.0, 3.3}) {
        QImage screen(QSize(200, 200), QImage::Format_ARGB32_Premultiplied);
        screen.fill(Qt::white);
        {
            QPainter p(&screen);
            p.setRenderHint(QPainter::Antialiasing, true);
            p.translate(0.3, 0.45);
            p.scale(zoom, zoom);
            picture.draw(p, QRectF(QPointF(1.2, 0.7), picture.size()), true);
        }
        // Nothing blended: every pixel is black or white.
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x) {
                const int g = qGray(screen.pixel(x, y));
                ASSERT_TRUE(g == 0 || g == 255) << zoom << " at " << x << "," << y;
            }
        const QRect box = inkBox(screen);
        const int module = box.width() / 25;
        EXPECT_EQ(box.width(), 25 * module) << zoom;
        EXPECT_EQ(module, platform::modulePixels(54.0 / 27 * zoom, 25, 54 * zoom)) << zoom;
        for (const int run : runs(screen, box.top() + module / 2, false, box.left(), box.right() + 1))
            EXPECT_EQ(run, module) << zoom;
    }
}

TEST(ModuleGrid, CellsBecomeAPaletteInOrderOfFirstAppearance)
{
    // Two colours (a symbol), a dozen (past the short table), and more than a palette holds.
    for (const int colours : {2, 12, 300}) {
        QImage cells(41, 23, QImage::Format_ARGB32);
        for (int y = 0; y < cells.height(); ++y)
            for (int x = 0; x < cells.width(); ++x) {
                const int i = ((x / 3) + y * 14) % colours;
                cells.setPixel(x, y, qRgba(i & 0xFF, 10 + 60 * (i >> 8), 200, i == 1 ? 0 : 255));
            }
        const QImage indexed = platform::indexedCells(cells);
        if (colours > 256) {
            EXPECT_TRUE(indexed.isNull());
            continue;
        }
        ASSERT_EQ(indexed.format(), QImage::Format_Indexed8);
        QList<QRgb> seen;
        for (int y = 0; y < cells.height(); ++y)
            for (int x = 0; x < cells.width(); ++x) {
                const QRgb c = cells.pixel(x, y);
                if (!seen.contains(c))
                    seen << c;
                ASSERT_EQ(indexed.pixelIndex(x, y), seen.indexOf(c)) << colours << " " << x << "," << y;
            }
        EXPECT_EQ(indexed.colorTable(), seen);
    }
}

TEST(ModuleGrid, RaisingKeepsTheGridAndPdfKeepsItsGeometry)
{
    ModuleGrid grid;
    grid.cells = checkerCells(11, 11, 0);
    grid.cellsRect = QRectF(5, 5, 44, 44);   // 4 points a module
    const Picture picture = Picture::fromModules(grid, QSizeF(54, 54));
    EXPECT_EQ(picture.image().size(), QSize(11, 11));   // before raising: one pixel a module

    const Picture raised = picture.raisedTo(300);
    ASSERT_TRUE(raised.moduleGrid());
    EXPECT_EQ(raised.image().size(), Picture::pixelSize(QSizeF(54, 54), 300));
    EXPECT_EQ(raised.size(), picture.size());
    // Uncovered pixels stay clear: a palette with a transparent entry.
    const QImage img = picture.toImage(300);
    EXPECT_EQ(img.format(), QImage::Format_Indexed8);
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);

    if (!picturetest::haveTool(QStringLiteral("pdftoppm")))
        GTEST_SKIP() << "poppler-utils are not installed";
    // In PDF the modules keep their exact size and place: at 144 DPI, 8 pixels from 10 pixels in.
    const QImage page = picturetest::onWhite(picturetest::rasterisePdf(picture.pdfData(), 144));
    ASSERT_FALSE(page.isNull());
    const QRect box = inkBox(page);
    EXPECT_NEAR(box.left(), 10, 1);
    EXPECT_NEAR(box.width(), 88, 1);
}

TEST(PngWriter, EveryFormatRoundTripsExactly)
{
    auto random = QRandomGenerator(17);
    QList<QImage> images;
    QImage mono(37, 9, QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(20, 40, 60)});
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 37; ++x)
            mono.setPixel(x, y, random.bounded(2));
    images << mono;
    for (const int colours : {2, 3, 5, 17, 200}) {
        QImage indexed(29, 11, QImage::Format_Indexed8);
        QList<QRgb> table;
        for (int i = 0; i < colours; ++i)
            table << qRgba(i * 7 % 256, i * 13 % 256, i * 29 % 256, i == 1 ? 0 : (i == 2 ? 128 : 255));
        indexed.setColorTable(table);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 29; ++x)
                indexed.setPixel(x, y, random.bounded(colours));
        images << indexed;
    }
    QImage grey(31, 7, QImage::Format_Grayscale8);
    QImage rgb(31, 7, QImage::Format_RGB32);
    QImage argb(31, 7, QImage::Format_ARGB32);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 31; ++x) {
            grey.scanLine(y)[x] = uchar(random.bounded(256));
            rgb.setPixel(x, y, qRgb(random.bounded(256), random.bounded(256), random.bounded(256)));
            argb.setPixel(x, y, qRgba(random.bounded(256), random.bounded(256), random.bounded(256), random.bounded(256)));
        }
    images << grey << rgb << argb << argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    for (const QImage &image : images) {
        QString error;
        const QByteArray png = platform::pngData(image, 0, 0, &error);
        ASSERT_FALSE(png.isEmpty()) << error.toStdString();
        const QImage back = QImage::fromData(png, "PNG");
        ASSERT_FALSE(back.isNull()) << image.format();
        if (image.format() == QImage::Format_ARGB32_Premultiplied) {
            // Unpremultiplied on the way out: equal within the rounding of premultiplication.
            EXPECT_EQ(back.size(), image.size());
            continue;
        }
        EXPECT_TRUE(samePixels(back, image)) << image.format() << " " << image.colorCount();
        EXPECT_TRUE(pngChunk(png, "pHYs").isEmpty());
    }
    // Sample depths follow the palette: one bit for two colours, two for three, four for five,
    // eight for seventeen.
    const auto depth = [](const QImage &img) { return int(uchar(pngChunk(platform::pngData(img, 0, 0), "IHDR")[8])); };
    EXPECT_EQ(depth(images[0]), 1);
    EXPECT_EQ(depth(images[1]), 1);
    EXPECT_EQ(depth(images[2]), 2);
    EXPECT_EQ(depth(images[3]), 4);
    EXPECT_EQ(depth(images[4]), 8);
}

TEST(PngWriter, ResolutionIsRecordedExactlyAndUnchangedLinesCostLittle)
{
    // Long runs of equal lines between lines of noise: the writer's own blocks and zlib alternate.
    QImage image(1501, 2400, QImage::Format_Indexed8);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128)});
    auto random = QRandomGenerator(3);
    for (int y = 0; y < image.height(); ++y) {
        uchar *line = image.scanLine(y);
        const bool noise = (y / 100) % 3 == 2 || (y % 7 == 0 && y > 2000);
        for (int x = 0; x < image.width(); ++x)
            line[x] = noise ? uchar(random.bounded(3)) : uchar((x / 13 + y / 300) % 2);
    }
    for (const int dpi : {203, 300, 600}) {
        const int dpm = int(std::lround(dpi / 0.0254));
        const QByteArray png = platform::pngData(image, dpm, dpm);
        const QByteArray phys = pngChunk(png, "pHYs");
        ASSERT_EQ(phys.size(), 9);
        EXPECT_EQ(bigEndian(phys, 0), quint32(dpm));
        EXPECT_EQ(bigEndian(phys, 4), quint32(dpm));
        EXPECT_EQ(phys[8], char(1));   // per metre
        EXPECT_EQ(std::lround(bigEndian(phys, 0) * 0.0254), dpi);
        const QImage back = QImage::fromData(png, "PNG");
        EXPECT_EQ(back.dotsPerMeterX(), dpm);
        ASSERT_TRUE(samePixels(back, image));
    }
    // Only equal lines: a few bits each, not a byte per pixel.
    QImage stripes(1600, 3000, QImage::Format_Indexed8);
    stripes.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x)
            stripes.scanLine(y)[x] = uchar((x / 9) % 2);
    const QByteArray png = platform::pngData(stripes, 0, 0);
    EXPECT_LT(png.size(), 8000);
    EXPECT_TRUE(samePixels(QImage::fromData(png, "PNG"), stripes));
}

TEST(RasterPool, ReleasedBuffersServeTheNextImage)
{
    const uchar *first = nullptr;
    {
        QImage a = platform::raster::pooledImage(QSize(1000, 500), QImage::Format_Indexed8);
        ASSERT_FALSE(a.isNull());
        EXPECT_EQ(a.bytesPerLine(), 1000);
        first = a.constBits();
    }
    QImage b = platform::raster::pooledImage(QSize(1000, 500), QImage::Format_Indexed8);
    EXPECT_EQ(b.constBits(), first);
    // A buffer still in use is not handed out twice.
    QImage c = platform::raster::pooledImage(QSize(1000, 500), QImage::Format_Indexed8);
    EXPECT_NE(c.constBits(), b.constBits());
    EXPECT_TRUE(platform::raster::pooledImage(QSize(30000, 2), QImage::Format_Mono).isNull());
}

namespace {

// A text laid out as the renderer lays it out: on a 96-DPI reference device, a point a unit.
std::unique_ptr<QTextLayout> laidOut(const QString &text, const QFont &font, double width)
{
    thread_local QImage reference = [] {
        QImage r(1, 1, QImage::Format_ARGB32_Premultiplied);
        r.setDotsPerMeterX(3780);
        r.setDotsPerMeterY(3780);
        return r;
    }();
    auto layout = std::make_unique<QTextLayout>(text, font, &reference);
    layout->beginLayout();
    layout->createLine().setLineWidth(width);
    layout->endLayout();
    return layout;
}

} // namespace

// Kept glyphs print the ink the engine fills, in every script: where contours of one glyph overlap
// (a horn on its letter) there is ink, and a translucent text is one coverage, without darker seams
// where joined letters overlap. Through the painter (label text) and straight into ARGB and palette
// pictures (symbol captions). A colour glyph, which has no outline, is left to the engine.
TEST(GlyphRaster, TextMatchesPathFilledTextAndGlyphsAreReused)
{
    struct Row {
        const char *family, *package;   // the font, and the Debian package that installs it (scripts/setup.sh)
        double points;
        QString text;
    } const rows[] = {
        {"DejaVu Sans", "fonts-dejavu-core", 10, QStringLiteral("TAGORA-0815 Wg")},
        {"DejaVu Sans", "fonts-dejavu-core", 16, QStringLiteral("Phở Ơ ơ Ư ư")},
        {"DejaVu Serif", "fonts-dejavu-core", 16, QStringLiteral("Phở Ơ ơ Ư ư")},
        {"DejaVu Sans", "fonts-dejavu-core", 16, QStringLiteral("ټ ډ بټبډ")},
        {"Droid Sans Fallback", "fonts-droid-fallback", 16, QStringLiteral("\u440C\u477F")},   // CJK extension A
        {"Noto Color Emoji", "fonts-noto-color-emoji", 16, QStringLiteral("\U0001F600")},
    };
    platform::clearGlyphCache();
    const double scale = 600.0 / 72;
    const QTransform toDevice = QTransform::fromTranslate(2, 2) * QTransform::fromScale(scale, scale);
    for (const Row &row : rows) {
        ASSERT_TRUE(QFontDatabase::hasFamily(QLatin1String(row.family))) << row.family << " comes with " << row.package;
        QFont font(QLatin1String(row.family));
        font.setPointSizeF(row.points * 0.75);
        font.setHintingPreference(QFont::PreferNoHinting);
        const std::unique_ptr<QTextLayout> laid = laidOut(row.text, font, 200);
        const QTextLayout &layout = *laid;
        const bool colourGlyph = row.package == std::string("fonts-noto-color-emoji");
        for (const int alpha : {255, 128}) {
            SCOPED_TRACE(row.text.toStdString() + " in " + row.family + ", alpha " + std::to_string(alpha));
            const QColor colour(0, 0, 0, alpha);
            QImage painted(int(130 * scale), int(25 * scale), QImage::Format_ARGB32_Premultiplied);
            painted.fill(Qt::white);
            QImage blank = painted, cached = painted, again = painted, kept = painted;
            QPainter p(&painted), k(&kept);
            for (QPainter *painter : {&p, &k}) {
                painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
                painter->setTransform(toDevice);
                painter->setPen(colour);
            }
            layout.draw(&p, QPointF(0, 0));
            p.end();
            EXPECT_GT(picturetest::differingShare(painted, blank), 0.005);   // there is text
            EXPECT_EQ(platform::drawLayoutFromKeptGlyphs(k, layout, colour), !colourGlyph);
            k.end();
            EXPECT_EQ(platform::drawGlyphRuns(cached, layout.glyphRuns(), toDevice, colour), !colourGlyph);
            platform::drawGlyphRuns(again, layout.glyphRuns(), toDevice, colour);
            EXPECT_TRUE(again == cached);   // from the cache: the same pixels
            // Into a palette: edges in 16 steps of the ramp.
            QImage indexed(painted.size(), QImage::Format_Indexed8);
            platform::CoverageRamp ramp;
            for (int step = 0; step <= 15; ++step) {
                const int grey = 255 - 17 * step * alpha / 255;
                indexed.setColor(step, qRgb(grey, grey, grey));
                ramp.index[size_t(step)] = uint(step);
            }
            indexed.fill(0);
            EXPECT_EQ(platform::drawGlyphRuns(indexed, layout.glyphRuns(), toDevice, ramp), !colourGlyph);
            // Glyphs placed to a quarter pixel: edges differ by a quarter of full ink at most, and
            // rarely; no hole where the engine has ink, no seam darker than its.
            const QImage &engine = colourGlyph ? blank : painted;   // a colour glyph is the engine's alone
            for (const QImage *out : {&cached, &kept, &indexed}) {
                EXPECT_LT(picturetest::differingShare(engine, *out, 32), 0.003);
                EXPECT_LT(picturetest::differingShare(engine, *out, 64), 0.0001);
                EXPECT_EQ(picturetest::differingShare(engine, *out, alpha < 255 ? 40 : out == &indexed ? 96 : 64), 0.0);
            }
        }
    }
}

// Print-size text on pixels comes from kept glyphs as the engine draws it; other text is the engine's.
TEST(GlyphRaster, PrintSizeTextThroughAPainterComesFromKeptGlyphs)
{
    enum Setting { Plain, Clipped, Faded, ScreenSize, Huge, Rotated, Underlined, IntoAPdf };
    for (const Setting setting : {Plain, Clipped, Faded, ScreenSize, Huge, Rotated, Underlined, IntoAPdf}) {
        SCOPED_TRACE(int(setting));
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSizeF(10 * 0.75);
        font.setUnderline(setting == Underlined);
        const std::unique_ptr<QTextLayout> laid = laidOut(QStringLiteral("Kxw&Q 0815 ÄÖÜ"), font, 200);
        const QTextLayout &layout = *laid;
        const double scale = setting == ScreenSize ? 1.0 : setting == Huge ? 30.0 : 600.0 / 72;
        auto paint = [&](QPaintDevice &device, bool engine) {
            QPainter p(&device);
            p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
            p.scale(scale, scale);
            p.rotate(setting == Rotated ? 1 : 0);
            if (setting == Clipped)
                p.setClipRect(QRectF(20, 0, 30, 9));
            p.setOpacity(setting == Faded ? 0.5 : 1.0);
            p.translate(2, 2);
            if (engine)
                layout.draw(&p, QPointF(0, 0));
            return engine || platform::drawLayoutFromKeptGlyphs(p, layout, Qt::black);
        };
        QBuffer buffer;
        QPdfWriter pdf(&buffer);
        QImage engine(int(130 * scale), int(20 * scale), QImage::Format_ARGB32_Premultiplied);
        engine.fill(Qt::white);
        QImage kept = engine, blank = engine;
        const bool drawn = setting == IntoAPdf ? paint(pdf, false) : paint(kept, false);
        paint(engine, true);
        EXPECT_EQ(drawn, setting <= Faded);
        EXPECT_TRUE(drawn || kept == blank) << "drew although it answered false";
        if (drawn) {
            EXPECT_LT(picturetest::differingShare(engine, kept, 32), 0.003);
            EXPECT_EQ(picturetest::differingShare(engine, kept, 64), 0.0);
        }
    }
}

// Every print worker shares the glyph cache: texts in several scripts drawn on eight threads at
// once, while the cache fills past its bound and forgets glyphs, are the pixels drawn one by one.
TEST(GlyphRaster, TextsDrawnOnEightThreadsAtOnceAreTheSerialDrawing)
{
    // Ten ideographs at 150 to 220 pixels, or another script: 720 ideographs, over 16 MB of glyphs.
    auto draw = [](int i) {
        QString text;
        for (int k = 0; k < 10; ++k)
            text += QChar(0x4E00 + i * 10 + k);
        if (i % 4 == 3)
            text = QStringList{QStringLiteral("TAGORA-0815 Wg"), QStringLiteral("Phở Ơ ơ Ư ư"), QStringLiteral("ټ ډ بټبډ")}.at(i % 3);
        QFont font(QStringLiteral("DejaVu Sans"));   // the ideographs from Droid Sans Fallback
        font.setPointSizeF((18 + 4 * (i % 4)) * 0.75);
        const std::unique_ptr<QTextLayout> laid = laidOut(text, font, 400);
        const QTextLayout &layout = *laid;
        QImage out((layout.boundingRect().size() * 600 / 72).toSize() + QSize(40, 40), QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::white);
        QPainter p(&out);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        p.scale(600.0 / 72, 600.0 / 72);
        const bool kept = platform::drawLayoutFromKeptGlyphs(p, layout, Qt::black);
        p.end();
        return kept ? out.convertToFormat(QImage::Format_Grayscale8) : QImage();   // black on white
    };
    platform::clearGlyphCache();
    std::vector<QImage> serial;
    for (int i = 0; i < 96; ++i)
        serial.push_back(draw(i));
    platform::clearGlyphCache();
    std::atomic<int> differing{0};
    {
        std::vector<std::jthread> threads;   // joined on leaving
        for (int t = 0; t < 8; ++t)
            threads.emplace_back([&, t] {
                for (int i = t; i < 96; i += 8)
                    differing += serial[size_t(i)].isNull() || draw(i) != serial[size_t(i)];
            });
    }
    EXPECT_EQ(differing, 0);
}
