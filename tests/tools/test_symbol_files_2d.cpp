// QR Code, PDF417 and DataMatrix written by the symbol pipeline (the symbol_png program's): the
// Barcode mode's 2D drawing framed by the renderer, read back by an independent decoder.

#include "platform/test_picture_tools.h"
#include "support/Decode.h"
#include "tools/SymbolPngRun.h"
#include "tools/SymbolRender.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QImage writeAndRead(const QTemporaryDir &dir, const QString &title, const QString &value,
                    const symboltool::TwoDOptions &options = {}, double dpi = 300)
{
    const QString path = dir.filePath(QStringLiteral("s.png"));
    if (symboltool::writeSymbol(title, value, path, dpi, nullptr, options) != symboltool::Status::Written)
        return {};
    return QImage(path);
}

} // namespace

TEST(SymbolFiles2D, QrAtEveryLevelWithAccentsAndCjk)
{
    QTemporaryDir dir;
    for (const QString &level : {QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("Q"), QStringLiteral("H")}) {
        symboltool::TwoDOptions options;
        options.qrLevel = level;
        for (const QString &value : {QStringLiteral("Ça coûte 12,50 € – naïve"), QStringLiteral("二维码 標籤 라벨")}) {
            const auto d = testsupport::decode(writeAndRead(dir, QStringLiteral("QR Code"), value, options),
                                               QStringLiteral("QRCode"));
            ASSERT_TRUE(d.ok) << level.toStdString();
            EXPECT_EQ(d.bytes, value.toUtf8()) << level.toStdString();
        }
    }
}

TEST(SymbolFiles2D, QrLevelChangesTheSymbol)
{
    const QString value = QStringLiteral("https://example.org/tagora/labels?id=abcdefghij");
    int previous = 0;
    for (const QString &level : {QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("Q"), QStringLiteral("H")}) {
        symboltool::TwoDOptions options;
        options.qrLevel = level;
        symboltool::Status status;
        const platform::Picture symbol = symboltool::twoDSymbol(QStringLiteral("QR Code"), value, options, status);
        ASSERT_EQ(status, symboltool::Status::Written);
        EXPECT_GT(symbol.image().width(), previous) << level.toStdString();
        previous = symbol.image().width();
    }
}

TEST(SymbolFiles2D, Pdf417ShortAndLong)
{
    QTemporaryDir dir;
    for (const QString &value : {QStringLiteral("PDF417"), QString(400, QLatin1Char('7')),
                                 QStringLiteral("Tagora label 0001; lot 42/B; expiry 2031-12-31")}) {
        const auto d = testsupport::decode(writeAndRead(dir, QStringLiteral("PDF417"), value), QStringLiteral("PDF417"));
        ASSERT_TRUE(d.ok) << value.size();
        EXPECT_EQ(d.text, value);
    }
}

TEST(SymbolFiles2D, DataMatrixSizesAndEncodations)
{
    QTemporaryDir dir;
    struct Case {
        const char *size, *encoding, *value;
        int W, H;   // the symbol asked for, 0 for automatic
    };
    const Case cases[] = {
        {"Auto", "Auto", "Tagora DataMatrix 0123456789", 0, 0},
        {"C10X10", "Ascii", "123", 10, 10},
        {"C8X18", "C40", "AB12", 18, 8},
        {"C16X48", "Text", "lower case text 42", 48, 16},
        {"C26X26", "Base256", "bytes \x01\x02 end", 26, 26},
        {"C12X36", "Auto", "Mixed Case 12345", 36, 12},
    };
    for (const Case &c : cases) {
        symboltool::TwoDOptions options;
        options.dmSize = QString::fromLatin1(c.size);
        options.dmEncoding = QString::fromLatin1(c.encoding);
        const QString value = QString::fromLatin1(c.value);
        symboltool::Status status;
        const platform::Picture symbol = symboltool::twoDSymbol(QStringLiteral("DataMatrix"), value, options, status);
        ASSERT_EQ(status, symboltool::Status::Written) << c.size << " " << c.encoding;
        if (c.W) {
            EXPECT_EQ(symbol.size(), QSizeF(c.W * 2 + 2, c.H * 2 + 2)) << c.size;
        }
        const auto d = testsupport::decode(writeAndRead(dir, QStringLiteral("DataMatrix"), value, options),
                                           QStringLiteral("DataMatrix"));
        ASSERT_TRUE(d.ok) << c.size << " " << c.encoding;
        EXPECT_EQ(d.bytes, value.toLatin1()) << c.size << " " << c.encoding;
    }
    // Too much for the size: refused with the encoder's reason.
    symboltool::TwoDOptions small;
    small.dmSize = QStringLiteral("C10X10");
    QString why;
    EXPECT_EQ(symboltool::writeSymbol(QStringLiteral("DataMatrix"), QStringLiteral("far too long for ten"),
                                      dir.filePath(QStringLiteral("no.png")), 300, &why, small),
              symboltool::Status::Invalid);
    EXPECT_TRUE(why.contains(QStringLiteral("10x10"))) << why.toStdString();
}

TEST(SymbolFiles2D, ModuleGridsDecodeFromPdfAndEps)
{
    if (!picturetest::haveTool(QStringLiteral("gs")) || !picturetest::haveTool(QStringLiteral("pdftoppm")))
        GTEST_SKIP() << "Ghostscript or poppler-utils are not installed";
    // Vector output draws the module grid at its exact geometry.
    const QString value = QStringLiteral("Tagora vector 42");
    for (const QString &title : {QStringLiteral("QR Code"), QStringLiteral("DataMatrix"), QStringLiteral("PDF417")}) {
        symboltool::Status status;
        const platform::Picture picture = symboltool::renderSymbol(title, value, status);
        ASSERT_EQ(status, symboltool::Status::Written) << title.toStdString();
        const QString format = title == QLatin1String("QR Code") ? QStringLiteral("QRCode") : title;
        EXPECT_EQ(testsupport::decode(picturetest::rasterisePdf(picture.pdfData(), 300), format).text, value)
            << title.toStdString() << " PDF";
        EXPECT_EQ(testsupport::decode(picturetest::rasteriseEps(picture.epsData(), 300), format).text, value)
            << title.toStdString() << " EPS";
    }
}

TEST(SymbolFiles2D, FramedWithTheBarcodeModesMargins)
{
    symboltool::Status status;
    const platform::Picture symbol = symboltool::twoDSymbol(QStringLiteral("QR Code"), QStringLiteral("m"), {}, status);
    const platform::Picture framed = symboltool::renderSymbol(QStringLiteral("QR Code"), QStringLiteral("m"), status);
    ASSERT_EQ(status, symboltool::Status::Written);
    const double margin = symboltool::kMarginCm * symboltool::kPointsPerCm;
    EXPECT_NEAR(framed.size().width(), symbol.size().width() + 2 * margin + 15, 0.01);
    EXPECT_NEAR(framed.size().height(), symbol.size().height() + 2 * margin, 0.01);
}

#ifdef SYMBOL_PNG_PATH
using symboltool::runSymbolPng;

TEST(SymbolPng2D, OptionsReachTheSymbol)
{
    QTemporaryDir dir;
    const QString qr = dir.filePath(QStringLiteral("qr.png"));
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), QStringLiteral("QR Code"), QStringLiteral("--value"),
                            QStringLiteral("Grüße 条形码"), QStringLiteral("--qr-level"), QStringLiteral("H"), QStringLiteral("--out"), qr}),
              0);
    EXPECT_EQ(testsupport::decode(QImage(qr), QStringLiteral("QRCode")).bytes, QStringLiteral("Grüße 条形码").toUtf8());

    const QString dm = dir.filePath(QStringLiteral("dm.png"));
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), QStringLiteral("DataMatrix"), QStringLiteral("--value"),
                            QStringLiteral("AB12"), QStringLiteral("--dm-size"), QStringLiteral("C8X18"),
                            QStringLiteral("--dm-encoding"), QStringLiteral("C40"), QStringLiteral("--out"), dm}),
              0);
    const QImage dmImage(dm);
    EXPECT_GT(dmImage.width(), 2 * dmImage.height());   // a rectangle 18 modules wide, 8 high
    EXPECT_EQ(testsupport::decode(dmImage, QStringLiteral("DataMatrix")).text, QStringLiteral("AB12"));

    const QString pdf = dir.filePath(QStringLiteral("pdf.png"));
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), QStringLiteral("PDF417"), QStringLiteral("--value"),
                            QStringLiteral("tool"), QStringLiteral("--out"), pdf}),
              0);
    EXPECT_EQ(testsupport::decode(QImage(pdf), QStringLiteral("PDF417")).text, QStringLiteral("tool"));

    // Refused by the size: status 2 and "invalid"; unknown items are usage errors.
    QByteArray said;
    const QString refused = dir.filePath(QStringLiteral("refused.png"));
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), QStringLiteral("DataMatrix"), QStringLiteral("--value"),
                            QStringLiteral("far too long for ten"), QStringLiteral("--dm-size"), QStringLiteral("C10X10"),
                            QStringLiteral("--out"), refused},
                           &said),
              2);
    EXPECT_EQ(said, QByteArray("invalid\n"));
    EXPECT_FALSE(QFileInfo::exists(refused));
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), QStringLiteral("DataMatrix"), QStringLiteral("--value"),
                            QStringLiteral("x"), QStringLiteral("--dm-size"), QStringLiteral("C11X11"), QStringLiteral("--out"), dm}),
              1);
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), QStringLiteral("DataMatrix"), QStringLiteral("--value"),
                            QStringLiteral("x"), QStringLiteral("--dm-encoding"), QStringLiteral("X12"), QStringLiteral("--out"), dm}),
              1);
    EXPECT_EQ(runSymbolPng({QStringLiteral("--symbology"), QStringLiteral("QR Code"), QStringLiteral("--value"),
                            QStringLiteral("x"), QStringLiteral("--qr-level"), QStringLiteral("Z"), QStringLiteral("--out"), qr}),
              1);
}
#endif
