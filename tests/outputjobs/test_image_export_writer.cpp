#include "outputjobs/ImageExportWriter.h"

#include "platform/test_picture_tools.h"
#include "support/Decode.h"
#include "support/FileSizeLimit.h"
#include "tools/SymbolRender.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

using namespace imageexport;

namespace {

// A black square in the middle of a transparent picture of the size in points.
platform::Picture squareOnNothing(const QSizeF &points)
{
    return platform::Picture::record(points, [points](QPainter &p) {
        p.fillRect(QRectF(points.width() / 4, points.height() / 4, points.width() / 2, points.height() / 2), Qt::black);
    });
}

QImage readBack(const QByteArray &bytes)
{
    QImage image;
    image.loadFromData(bytes);
    return image;
}

platform::Picture code128(const QString &value)
{
    symboltool::Status status = symboltool::Status::Written;
    return symboltool::renderSymbol(QStringLiteral("Code 128"), value, status);
}

} // namespace

TEST(ImageExportWriter, WhiteGroundOnlyWhereAsked)
{
    const platform::Picture pic = squareOnNothing(QSizeF(36, 18));
    const QImage png = readBack(encodeForPath(pic, QStringLiteral("a.png"), false, true, nullptr));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);   // png keeps its transparency
    EXPECT_EQ(qGray(png.pixel(png.width() / 2, png.height() / 2)), 0);
    const QImage whitePng = readBack(encodeForPath(pic, QStringLiteral("a.png"), true, true, nullptr));
    EXPECT_EQ(whitePng.pixel(0, 0), qRgb(255, 255, 255));
    const QImage jpg = readBack(encodeForPath(pic, QStringLiteral("a.jpg"), true, true, nullptr));
    EXPECT_GT(qGray(jpg.pixel(0, 0)), 250);
    EXPECT_LT(qGray(jpg.pixel(jpg.width() / 2, jpg.height() / 2)), 10);
    const QImage white = imageWithWhiteBackgroundAndContent(pic).toImage(72);
    EXPECT_EQ(white.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_TRUE(imageWithWhiteBackgroundAndContent(platform::Picture()).isNull());
}

TEST(ImageExportWriter, BitmapsAre600DpiOfThePointSize)
{
    struct Case {
        QSizeF points;
        QSize pixels;
    };
    const Case cases[] = {{QSizeF(252, 144), QSize(2100, 1200)},   // 3.5 x 2 in
                          {QSizeF(10.1, 7.2), QSize(85, 60)}};      // ceil(600 x pt / 72)
    for (const Case &c : cases) {
        for (const QString &ext : {QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("tiff")}) {
            const QByteArray bytes = encodeForPath(squareOnNothing(c.points), QStringLiteral("x.") + ext, ext != QLatin1String("png"),
                                                   true, nullptr);
            const QImage image = readBack(bytes);
            EXPECT_EQ(image.size(), c.pixels) << ext.toStdString();
            EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 600.0, 0.5) << ext.toStdString();
        }
    }
}

TEST(ImageExportWriter, EpsIsTheVectorPictureUnraised)
{
    const platform::Picture pic = squareOnNothing(QSizeF(252, 144));
    const QByteArray eps = encodeForPath(pic, QStringLiteral("x.EPS"), true, true, nullptr);
    ASSERT_TRUE(eps.startsWith("%!PS-Adobe-3.0 EPSF-3.0"));
    EXPECT_TRUE(eps.contains("%%BoundingBox: 0 0 252 144"));
}

TEST(ImageExportWriter, SixFormatsDecode)
{
    const platform::Picture pic = code128(QStringLiteral("ABC-1"));
    ASSERT_FALSE(pic.isNull());
    for (const QString &ext : {QStringLiteral("jpg"), QStringLiteral("tiff"), QStringLiteral("bmp"), QStringLiteral("png"),
                               QStringLiteral("gif"), QStringLiteral("eps")}) {
        QString why;
        const QByteArray bytes = encodeForPath(pic, QStringLiteral("x.") + ext, ext != QLatin1String("png"), ext != QLatin1String("eps"), &why);
        ASSERT_FALSE(bytes.isEmpty()) << ext.toStdString() << why.toStdString();
        const QImage image = ext == QLatin1String("eps") ? picturetest::rasteriseEps(bytes, 300) : readBack(bytes);
        ASSERT_FALSE(image.isNull()) << ext.toStdString();
        if (ext != QLatin1String("eps")) {
            EXPECT_EQ(image.size(), platform::Picture::pixelSize(pic.size(), 600)) << ext.toStdString();
        }
        const testsupport::Decoded d = testsupport::decode(image, QStringLiteral("Code128"));
        EXPECT_TRUE(d.ok) << ext.toStdString();
        EXPECT_EQ(d.text, QStringLiteral("ABC-1")) << ext.toStdString();
    }
}

TEST(ImageExportWriter, FailedWriteKeepsTheOldFileAndLeavesNothing)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Label.png"));
    ASSERT_TRUE(writeWhole(path, QByteArray("old"), nullptr));
    // A name too long for the file system: one failed file, nothing written beside it.
    QString why;
    EXPECT_FALSE(writeWhole(QDir(dir.path()).filePath(QString(300, QLatin1Char('n')) + QStringLiteral(".png")),
                            QByteArray("new"), &why));
    EXPECT_FALSE(why.isEmpty());
    // A single export cut short part-way (the file-size limit standing in for a full disk).
    std::optional<testsupport::FileSizeLimit> full(4096);
    ASSERT_TRUE(full->ok());
    const bool cutShort = writeExportFile(path, QByteArray(100000, 'n'), nullptr);
    full.reset();
    const auto bytes = [&] { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); };
    EXPECT_FALSE(cutShort);
    EXPECT_EQ(bytes(), QByteArray("old"));
    ASSERT_TRUE(writeWhole(path, QByteArray("new"), nullptr));
    EXPECT_EQ(bytes(), QByteArray("new"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Label.png")});
}

TEST(ImageExportWriter, InjectedWriterStandsInForTheFileSystem)
{
    QStringList asked;
    fileWriterOverride() = [&](const QString &p, const QByteArray &, QString *error) {
        asked << p;
        *error = QStringLiteral("disk full");
        return false;
    };
    QString why;
    EXPECT_FALSE(writeExportFile(QStringLiteral("/nowhere/x.png"), QByteArray("x"), &why));
    EXPECT_EQ(why, QStringLiteral("disk full"));
    fileWriterOverride() = nullptr;
    EXPECT_EQ(asked, QStringList{QStringLiteral("/nowhere/x.png")});
}
