// Symbols as written by the symbol pipeline, pixel by pixel: bars and modules on whole pixels at
// the usual printer resolutions and module sizes, still read by an independent decoder; small PNG
// files with the resolution recorded exactly; UPC/EAN digits apart; values too long refused.

#include "barcodemode/BarcodeEditorForm.h"
#include "platform/WholePixels.h"
#include "platform/test_picture_tools.h"
#include "support/Decode.h"
#include "tools/SymbolRender.h"
#include "tools/SymbolSamples.h"
#include "core/Globals.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <thread>
#include <vector>

namespace {

const double kResolutions[] = {203, 300, 600};
const double kModuleMils[] = {7.5, 10, 15, 20};

// The image a bitmap file of the symbol holds: the picture raised to dpi.
QImage written(const platform::Picture &picture, double dpi)
{
    return Increase_DPI(picture, dpi).image().convertToFormat(QImage::Format_ARGB32);
}

struct ModuleRun {
    bool dark;
    int length;
};

// The runs of count modules or pixels, darkAt(i) telling each one's shade, between the first and
// the last dark one.
template <typename DarkAt>
QList<ModuleRun> runsOf(qsizetype count, DarkAt darkAt)
{
    QList<ModuleRun> out;
    for (qsizetype i = 0; i < count; ++i) {
        const bool dark = darkAt(i);
        if (out.isEmpty() || out.last().dark != dark)
            out.append({dark, 0});
        ++out.last().length;
    }
    while (!out.isEmpty() && !out.first().dark)
        out.removeFirst();
    while (!out.isEmpty() && !out.last().dark)
        out.removeLast();
    return out;
}

// A pattern of "1" and "0" modules, or a row of pixels (dark: grey below 128).
QList<ModuleRun> patternRuns(const QString &pattern)
{
    return runsOf(pattern.size(), [&](qsizetype i) { return pattern[i] == QLatin1Char('1'); });
}
QList<ModuleRun> rowRuns(const QImage &img, int y)
{
    return runsOf(img.width(), [&](qsizetype x) { return qGray(img.pixel(int(x), y)) < 128; });
}

int darkRuns(const QList<ModuleRun> &runs)
{
    int n = 0;
    for (const ModuleRun &r : runs)
        n += r.dark ? 1 : 0;
    return n;
}

// Runs of equal pixels along a row or a column of the box.
QList<int> lengths(const QImage &img, int line, bool column, int from, int to)
{
    QList<int> out;
    int previous = -1;
    for (int i = from; i < to; ++i) {
        const int dark = qGray(column ? img.pixel(line, i) : img.pixel(i, line)) < 128 ? 1 : 0;
        if (dark != previous)
            out.append(0);
        ++out.last();
        previous = dark;
    }
    return out;
}

QRect inkBox(const QImage &img)
{
    int left = img.width(), top = img.height(), right = -1, bottom = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Every row and column of the box in runs that are whole multiples of the module, at least one of
// them a single module. Answers the module width and height (0 when the runs are not uniform).
QSize uniformModules(const QImage &img, const QRect &box)
{
    auto moduleOf = [&](bool column) {
        QList<int> all;
        const int lines = column ? box.width() : box.height();
        for (int i = 0; i < lines; ++i) {
            const int line = column ? box.left() + i : box.top() + i;
            all << (column ? lengths(img, line, true, box.top(), box.bottom() + 1)
                           : lengths(img, line, false, box.left(), box.right() + 1));
        }
        const int m = *std::min_element(all.cbegin(), all.cend());
        for (const int l : all)
            if (l % m != 0)
                return 0;
        return m;
    };
    return {moduleOf(false), moduleOf(true)};
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The pixels per metre of a PNG's pHYs chunk (x), or -1.
qint64 physOf(const QByteArray &png)
{
    const qsizetype at = png.indexOf("pHYs");
    if (at < 0 || at + 8 > png.size())
        return -1;
    const auto b = [&](int i) { return qint64(uchar(png[at + 4 + i])); };
    return (b(0) << 24) | (b(1) << 16) | (b(2) << 8) | b(3);
}

} // namespace

TEST(SymbolPixels, LinearBarsAreWholeUniformPixelsAtPrinterResolutions)
{
    const QStringList titles = symboltool::landedLinearTitles();
    ASSERT_FALSE(titles.isEmpty());
    for (const QString &title : titles) {
        const symboltool::Sample &sample = symboltool::samples().at(title);
        const QString value = QString::fromLatin1(sample.value);
        for (const double mils : kModuleMils) {
            symboltool::TwoDOptions options;
            options.moduleMils = float(mils);
            symboltool::Status status;
            const platform::Picture picture = symboltool::renderSymbol(title, value, status, options);
            ASSERT_EQ(status, symboltool::Status::Written) << title.toStdString();
            const auto model = symboltool::makeLinearModel(title, value, symboltool::defaultSettings(), status, float(mils));
            ASSERT_TRUE(model);
            const QList<ModuleRun> pattern = patternRuns(model->completeBarcode());
            const int bars = darkRuns(pattern);
            for (const double dpi : kResolutions) {
                const QImage img = written(picture, dpi);
                const std::string where = title.toStdString() + " " + std::to_string(mils) + " mil " + std::to_string(int(dpi)) + " DPI";
                ASSERT_FALSE(img.isNull()) << where;
                // The module's width at this resolution rounded to whole pixels, or (where the
                // rounded-up bars would leave the picture) the most that fit. Postal symbologies
                // keep their own module width.
                const int count = int(model->completeBarcode().size());
                const double nominal = model->barWidth() * dpi / 72.0;
                int module = std::max(1, int(std::floor(nominal + 0.5 + 1e-6)));
                if (module * count > img.width())
                    module = std::max(1, img.width() / count);
                EXPECT_EQ(module, platform::modulePixels(model->barWidth() * img.width() / picture.size().width(), count,
                                                         img.width()))
                    << where;
                // Every row that crosses all bars: pure bar and background pixels, each run of
                // modules that many whole modules of pixels.
                int rows = 0;
                for (int y = 0; y < img.height(); ++y) {
                    const QList<ModuleRun> runs = rowRuns(img, y);
                    if (darkRuns(runs) != bars)
                        continue;
                    ++rows;
                    ASSERT_EQ(runs.size(), pattern.size()) << where << " row " << y;
                    for (qsizetype i = 0; i < runs.size(); ++i)
                        ASSERT_EQ(runs[i].length, pattern[i].length * module) << where << " row " << y << " run " << i;
                    for (int x = 0; x < img.width(); ++x) {
                        const int g = qGray(img.pixel(x, y));
                        ASSERT_TRUE(g == 0 || g == 255) << where << " grey at " << x << "," << y;
                    }
                }
                EXPECT_GT(rows, 0) << where;
                if (*sample.format) {
                    const auto d = testsupport::decode(img, QString::fromLatin1(sample.format));
                    EXPECT_TRUE(d.ok) << where;
                    EXPECT_EQ(d.text, QString::fromLatin1(sample.decoded)) << where;
                }
            }
        }
    }
}

TEST(SymbolPixels, TwoDModulesAreUniformWholePixelsAndDecode)
{
    struct Case {
        QString title;
        QString value;
        symboltool::TwoDOptions options;
    };
    QList<Case> cases;
    for (const QString &level : barcode_editor_items::qrLevels()) {
        symboltool::TwoDOptions o;
        o.qrLevel = level;
        cases.append({QStringLiteral("QR Code"), QStringLiteral("https://tagora.example/p/000815?lot=ABCD"), o});
    }
    for (const QString &size : barcode_editor_items::dataMatrixSizes()) {
        symboltool::TwoDOptions o;
        o.dmSize = size;
        cases.append({QStringLiteral("DataMatrix"), QStringLiteral("123456"), o});   // fits the smallest size
    }
    cases.append({QStringLiteral("PDF417"), QStringLiteral("Tagora label 0001; lot 42/B; expiry 2031-12-31"), {}});
    QStringList unread;
    for (const Case &c : cases) {
        symboltool::Status status;
        const platform::Picture picture = symboltool::renderSymbol(c.title, c.value, status, c.options);
        ASSERT_EQ(status, symboltool::Status::Written) << c.title.toStdString() << " " << c.options.dmSize.toStdString();
        const platform::Picture symbol = symboltool::twoDSymbol(c.title, c.value, c.options, status);
        const platform::ModuleGrid *grid = symbol.moduleGrid();
        ASSERT_TRUE(grid);
        for (const double dpi : kResolutions) {
            const QImage img = written(picture, dpi);
            const std::string where = c.title.toStdString() + " " + c.options.qrLevel.toStdString() + " "
                                      + c.options.dmSize.toStdString() + " " + std::to_string(int(dpi)) + " DPI";
            const QRect box = inkBox(img);
            ASSERT_FALSE(box.isEmpty()) << where;
            const QSize module = uniformModules(img, box);
            ASSERT_GT(module.width(), 0) << where;
            ASSERT_GT(module.height(), 0) << where;
            // The symbol spans its whole modules (QR and DataMatrix finders reach every side).
            EXPECT_EQ(box.width() % module.width(), 0) << where;
            EXPECT_EQ(box.height() % module.height(), 0) << where;
            if (c.title != QLatin1String("PDF417")) {
                EXPECT_EQ(module.width(), module.height()) << where;   // square
                EXPECT_EQ(box.width() / module.width(), grid->columns()) << where;
                EXPECT_EQ(box.height() / module.height(), grid->rows()) << where;
            }
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x) {
                    const int g = qGray(img.pixel(x, y));
                    ASSERT_TRUE(g == 0 || g == 255) << where << " grey at " << x << "," << y;
                }
            const QString format = c.title == QLatin1String("QR Code") ? QStringLiteral("QRCode") : c.title;
            const auto d = testsupport::decode(img, format);
            if (!d.ok) {
                unread << QString::fromStdString(where);
                continue;
            }
            EXPECT_EQ(d.text, c.value) << where;
        }
    }
    // Every symbol reads; the 144 x 144 DataMatrix only once its codeword order is the industry's.
    for (const QString &where : unread)
        EXPECT_TRUE(where.contains(QStringLiteral("C144X144"))) << where.toStdString() << " does not decode";
    if (!unread.isEmpty())
        std::printf("not read (the 144 x 144 codeword order is mended elsewhere): %s\n", qPrintable(unread.join(QStringLiteral(", "))));
}

TEST(SymbolPixels, Code128PngIsSmallAndRecordsTheResolutionAsked)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.png"));
    for (const double dpi : kResolutions) {
        ASSERT_EQ(symboltool::writeSymbol(QStringLiteral("Code 128"), QStringLiteral("TAGORA-123456"), path, dpi),
                  symboltool::Status::Written);
        const QByteArray png = readFile(path);
        ASSERT_TRUE(png.startsWith("\x89PNG"));
        EXPECT_LT(png.size(), 10 * 1024) << dpi;
        const qint64 perMetre = physOf(png);
        EXPECT_EQ(perMetre, std::lround(dpi / 0.0254)) << dpi;
        EXPECT_EQ(std::lround(perMetre * 0.0254), std::lround(dpi)) << dpi;
        const QImage back(path);
        EXPECT_EQ(back.dotsPerMeterX(), std::lround(dpi / 0.0254));
        EXPECT_EQ(back.dotsPerMeterY(), std::lround(dpi / 0.0254));
    }
}

TEST(SymbolPixels, ValueTooLongForTheResolutionIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.png"));
    QString why;
    // 5,000 characters of Code 128: about 60,000 points wide, far past 20,000 pixels at 600 DPI.
    EXPECT_EQ(symboltool::writeSymbol(QStringLiteral("Code 128"), QString(5000, QLatin1Char('A')), path, 600, &why),
              symboltool::Status::Invalid);
    EXPECT_EQ(why, invalid_barcode_msg);
    EXPECT_FALSE(QFileInfo::exists(path));
    // The same symbol fits at a resolution low enough.
    EXPECT_EQ(symboltool::writeSymbol(QStringLiteral("Code 128"), QString(500, QLatin1Char('A')), path, 72),
              symboltool::Status::Written);
}

TEST(SymbolPixels, UpcAndEanDigitsStandApartAtNominalModuleSizes)
{
    struct Case {
        const char *title, *value;
        double mils;
        int digits;
    };
    const Case cases[] = {
        {"EAN-13", "400638133393", 13, 13},
        {"UPCA", "03600029145", 15, 12},
        {"UPCE", "0123456", 15, 8},
        {"EAN-8", "9638507", 13, 8},
    };
    for (const Case &c : cases) {
        for (const double dpi : {150.0, 300.0}) {
            symboltool::TwoDOptions options;
            options.moduleMils = float(c.mils);
            symboltool::Status status;
            const platform::Picture picture =
                symboltool::renderSymbol(QString::fromLatin1(c.title), QString::fromLatin1(c.value), status, options);
            ASSERT_EQ(status, symboltool::Status::Written) << c.title;
            const QImage img = written(picture, dpi);
            // The caption band at the bottom: top-and-bottom margin plus the band itself.
            const auto model = symboltool::makeLinearModel(QString::fromLatin1(c.title), QString::fromLatin1(c.value),
                                                           symboltool::defaultSettings(), status, float(c.mils));
            const double band = model->captionHeight() * 72 + 2 * symboltool::kMarginCm * symboltool::kPointsPerCm;
            const int top = img.height() - int(std::ceil(band * dpi / 72));
            // Columns with ink, grouped into runs separated by clear columns: one run a digit.
            int runs = 0;
            bool inRun = false;
            for (int x = 0; x < img.width(); ++x) {
                bool ink = false;
                for (int y = top; y < img.height() && !ink; ++y)
                    ink = qGray(img.pixel(x, y)) < 160;
                if (ink && !inRun)
                    ++runs;
                inRun = ink;
            }
            EXPECT_EQ(runs, c.digits) << c.title << " at " << dpi << " DPI";
        }
    }
}

TEST(SymbolPixels, WorkerThreadsMakeTheSameBytes)
{
    // The glyph cache, the pixel pool and the compressor state are shared or kept per thread: many
    // threads at once must make exactly the files one thread makes.
    struct Job {
        QString title, value;
        QByteArray png;
    };
    std::vector<Job> jobs;
    for (int i = 0; i < 24; ++i) {
        jobs.push_back({QStringLiteral("Code 128"), QStringLiteral("TAGORA-%1").arg(i * 7919, 6, 10, QLatin1Char('0')), {}});
        jobs.push_back({QStringLiteral("EAN-13"), QStringLiteral("4006381%1").arg(i * 37 % 100000, 5, 10, QLatin1Char('0')), {}});
        jobs.push_back({QStringLiteral("QR Code"), QStringLiteral("https://tagora.example/%1").arg(i), {}});
    }
    auto make = [](const Job &job) {
        symboltool::Status status;
        const platform::Picture picture = symboltool::renderSymbol(job.title, job.value, status);
        return status == symboltool::Status::Written ? Encode_gen_image(Increase_DPI(picture, 600), QStringLiteral("x.png"), nullptr)
                                                     : QByteArray();
    };
    for (Job &job : jobs)
        job.png = make(job);
    std::vector<QByteArray> parallel(jobs.size());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (size_t i = size_t(t); i < jobs.size(); i += 4)
                parallel[i] = make(jobs[i]);
        });
    for (std::thread &thread : threads)
        thread.join();
    for (size_t i = 0; i < jobs.size(); ++i) {
        ASSERT_FALSE(jobs[i].png.isEmpty()) << jobs[i].value.toStdString();
        EXPECT_EQ(parallel[i], jobs[i].png) << jobs[i].title.toStdString() << " " << jobs[i].value.toStdString();
    }
}
