// Every linear symbology that has an engine, written in every file format by the Barcode mode's
// pipeline (the symbol_png program's), read back by independent decoders.

#include "engines/Symbologies.h"
#include "platform/EpsPaintEngine.h"
#include "platform/NKDBarcodeImageView.h"
#include "platform/test_picture_tools.h"
#include "support/Decode.h"
#include "tools/SymbolPngRun.h"
#include "tools/SymbolRender.h"
#include "tools/SymbolSamples.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <thread>

using symboltool::Sample;
using symboltool::landedLinearTitles;
using symboltool::samples;

namespace {

// Enough dark pixels that something was drawn.
bool hasInk(const QImage &img)
{
    const QImage g = picturetest::onWhite(img).convertToFormat(QImage::Format_Grayscale8);
    qint64 dark = 0;
    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x)
            dark += g.constScanLine(y)[x] < 100;
    return dark > 100;
}

QImage readBack(const QString &path)
{
    const QString ext = QFileInfo(path).suffix();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    if (ext == QLatin1String("pdf"))
        return picturetest::rasterisePdf(bytes, 150);
    if (ext == QLatin1String("eps"))
        return picturetest::rasteriseEps(bytes, 150);
    return QImage::fromData(bytes);
}

} // namespace

TEST(SymbolFiles, EveryLandedLinearSymbologyDecodesInEveryFormat)
{
    const QStringList titles = landedLinearTitles();
    ASSERT_FALSE(titles.isEmpty());
    const bool tools = picturetest::haveTool(QStringLiteral("gs")) && picturetest::haveTool(QStringLiteral("pdftoppm"));
    QTemporaryDir dir;
    for (const QString &title : titles) {
        const auto it = samples().find(title);
        ASSERT_NE(it, samples().end()) << "no sample value for " << title.toStdString();
        const Sample &sample = it->second;
        for (const QString &ext : symboltool::fileFormats()) {
            if (!tools && (ext == QLatin1String("pdf") || ext == QLatin1String("eps")))
                continue;
            const QString path = dir.filePath(QStringLiteral("s.") + ext);
            QFile::remove(path);
            const symboltool::Status status = symboltool::writeSymbol(title, QString::fromLatin1(sample.value), path, 600);
            ASSERT_EQ(status, symboltool::Status::Written) << title.toStdString() << " " << ext.toStdString();
            const QImage img = readBack(path);
            ASSERT_FALSE(img.isNull()) << title.toStdString() << " " << ext.toStdString();
            if (*sample.format == 0) {
                EXPECT_TRUE(hasInk(img)) << title.toStdString() << " " << ext.toStdString();
                continue;
            }
            const auto d = testsupport::decode(img, QString::fromLatin1(sample.format));
            EXPECT_TRUE(d.ok) << title.toStdString() << " " << ext.toStdString();
            EXPECT_EQ(d.text, QString::fromLatin1(sample.decoded)) << title.toStdString() << " " << ext.toStdString();
        }
    }
}

TEST(SymbolFiles, PdfPageAndEpsBoxAreThePictureSize)
{
    const QString title = landedLinearTitles().value(0);
    ASSERT_FALSE(title.isEmpty());
    symboltool::Status status;
    const platform::Picture pic = symboltool::renderSymbol(title, QString::fromLatin1(samples().at(title).value), status);
    ASSERT_EQ(status, symboltool::Status::Written);
    const QSizeF size = pic.size();
    ASSERT_NE(size.width(), std::floor(size.width()));   // a size in fractions of a point: the hard case
    const QByteArray eps = pic.epsData();
    EXPECT_TRUE(eps.contains("%%BoundingBox: 0 0 " + QByteArray::number(int(std::ceil(size.width()))) + ' '
                             + QByteArray::number(int(std::ceil(size.height()))) + '\n'));
    EXPECT_TRUE(eps.contains("%%HiResBoundingBox: 0 0 " + platform::epsNumber(size.width()) + ' '
                             + platform::epsNumber(size.height()) + '\n'));
    if (!picturetest::haveTool(QStringLiteral("pdfinfo")))
        GTEST_SKIP() << "poppler-utils are not installed";
    const QSizeF page = picturetest::pdfPageSize(pic.pdfData());
    EXPECT_NEAR(page.width(), size.width(), 0.001);
    EXPECT_NEAR(page.height(), size.height(), 0.001);
}

TEST(SymbolFiles, WorkerThreadRendersTheSamePixels)
{
    symboltool::Status status;
    const QString title = landedLinearTitles().value(0);
    const platform::Picture pic = symboltool::renderSymbol(title, QString::fromLatin1(samples().at(title).value), status);
    ASSERT_EQ(status, symboltool::Status::Written);
    const QImage gui = pic.toImage(600);
    QImage worker;
    std::thread t([&] { worker = pic.toImage(600); });
    t.join();
    ASSERT_FALSE(gui.isNull());
    EXPECT_TRUE(worker == gui);
    // A picture made entirely on a worker (model, layout, text measuring) is the same too.
    QImage madeOnWorker;
    std::thread t2([&] {
        symboltool::Status s2;
        madeOnWorker = symboltool::renderSymbol(title, QString::fromLatin1(samples().at(title).value), s2).toImage(600);
    });
    t2.join();
    EXPECT_TRUE(madeOnWorker == gui);
}

TEST(SymbolFiles, ImageViewShowsThePicture)
{
    symboltool::Status status;
    const QString title = landedLinearTitles().value(0);
    const Sample &sample = samples().at(title);
    const platform::Picture pic = symboltool::renderSymbol(title, QString::fromLatin1(sample.value), status);
    NKDBarcodeImageView view;
    view.resize((pic.size() * 3).toSize());   // larger than the picture: shown at its own size, centred
    view.setImage(pic);
    EXPECT_EQ(view.imageRect().size(), pic.size());
    EXPECT_EQ(view.focusPolicy(), Qt::StrongFocus);
    EXPECT_FALSE(view.acceptDrops());
    view.resize(pic.size().toSize() / 2);      // smaller: scaled down, aspect kept
    EXPECT_NEAR(view.imageRect().width() / view.imageRect().height(), pic.size().width() / pic.size().height(), 0.02);
    // The widget's own painting, through a painter that magnifies it as a high-density screen would.
    view.resize((pic.size() * 1.5).toSize());
    QImage shot(view.size() * 4, QImage::Format_ARGB32_Premultiplied);
    shot.fill(Qt::white);
    {
        QPainter p(&shot);
        p.scale(4, 4);
        view.render(&p);
    }
    const auto d = testsupport::decode(shot, QString::fromLatin1(sample.format));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.text, QString::fromLatin1(sample.decoded));
}

#ifdef SYMBOL_PNG_PATH
using symboltool::runSymbolPng;

TEST(SymbolPng, ExitStatusAndBatchFiles)
{
    QTemporaryDir dir;
    const QString title = landedLinearTitles().value(0);
    const Sample &sample = samples().at(title);
    const QString out = dir.filePath(QStringLiteral("one.png"));
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), title, QStringLiteral("--value"), QString::fromLatin1(sample.value),
                            QStringLiteral("--out"), out, QStringLiteral("--dpi"), QStringLiteral("300")}), 0);
    const QImage one(out);
    ASSERT_FALSE(one.isNull());
    EXPECT_NEAR(one.dotsPerMeterX() * 0.0254, 300, 1);
    EXPECT_EQ(testsupport::decode(one, QString::fromLatin1(sample.format)).text, QString::fromLatin1(sample.decoded));

    // A value the symbology refuses: status 2, the line "invalid", no file.
    QByteArray said;
    const QString refused = dir.filePath(QStringLiteral("refused.png"));
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), title, QStringLiteral("--value"), QStringLiteral("not\u00e9valid"),
                            QStringLiteral("--out"), refused}, &said), 2);
    EXPECT_EQ(said, QByteArray("invalid\n"));
    EXPECT_FALSE(QFileInfo::exists(refused));
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), QStringLiteral("No Such Code"), QStringLiteral("--value"),
                            QStringLiteral("1"), QStringLiteral("--out"), out}), 1);
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), title}), 1);

    // A batch: one numbered file per line.
    const QString values = dir.filePath(QStringLiteral("values.txt"));
    ASSERT_TRUE(picturetest::writeBytes(values, QByteArray(sample.value) + '\n' + QByteArray(sample.value) + '\n'));
    const QString outdir = dir.filePath(QStringLiteral("batch"));
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), title, QStringLiteral("--batch"), values, QStringLiteral("--outdir"),
                            outdir, QStringLiteral("--dpi"), QStringLiteral("300")}), 0);
    EXPECT_EQ(QDir(outdir).entryList(QDir::Files), (QStringList{QStringLiteral("0001.png"), QStringLiteral("0002.png")}));
    EXPECT_TRUE(testsupport::decode(QImage(outdir + QStringLiteral("/0002.png")), QString::fromLatin1(sample.format)).ok);
}
#endif
