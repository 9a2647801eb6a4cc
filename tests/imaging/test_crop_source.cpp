// What a crop takes from the original file: a clip decoded alone gives the pixels of the whole
// picture cut there, through every orientation; a resize is scaled while decoding; a region drawn
// over the preview is cut from the full original, y flipped once; bad files say why.

#include "support/ImageFileMakers.h"

#include "imaging/CropSource.h"
#include "imaging/ImageFileReader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTransform>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// Every pixel different from its neighbours, so a clip one pixel off shows.
QImage pattern(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37) & 255, (y * 23) & 255, ((x + 2 * y) * 11) & 255));
    return image;
}

// The largest difference of one channel of one pixel; INT_MAX when the sizes differ.
int maxDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return INT_MAX;
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

// The quadrant a colour belongs to: red, green (top), blue, yellow (bottom).
char quadrantOf(const QColor &c)
{
    const bool r = c.red() > 128, g = c.green() > 128, b = c.blue() > 128;
    return r && g ? 'Y' : r ? 'R' : g ? 'G' : b ? 'B' : '?';
}

class CropSource : public ::testing::Test {
protected:
    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(imagefiles::writeBytes(path, bytes));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(CropSource, AClipGivesTheWholePicturesPixelsCutThere)
{
    const QImage stored = pattern({64, 48});
    struct File {
        QString name;
        QByteArray bytes;
        int tolerance;
    };
    std::vector<File> files = {{"p.png", imagefiles::encoded(stored, "png"), 0},
                               {"p.bmp", imagefiles::encoded(stored, "bmp"), 0},
                               {"p.jpg", imagefiles::encoded(stored, "jpeg", 95), 2}};
    for (std::uint16_t o = 2; o <= 8; ++o)
        files.push_back({QStringLiteral("o%1.jpg").arg(o), imagefiles::jpegWithOrientation(stored, o), 2});
    // Off the 8-pixel grid, a corner, and one reaching past the picture's edge.
    const QRect clips[] = {{13, 7, 21, 17}, {0, 0, 8, 8}, {30, 25, 60, 60}};
    for (const File &f : files) {
        const QString path = file(f.name, f.bytes);
        const imagefile::Result whole = imagefile::read(path, imagefile::Whole);
        ASSERT_TRUE(whole.ok()) << f.name.toStdString();
        EXPECT_EQ(imagefile::probe(path).uprightSize, whole.image.size()) << f.name.toStdString();
        for (const QRect &clip : clips) {
            imagefile::Options options;
            options.clip = clip;
            const imagefile::Result part = imagefile::read(path, options);
            const QImage expected = whole.image.copy(clip.intersected(whole.image.rect()));
            EXPECT_LE(maxDifference(part.image, expected), f.tolerance)
                << f.name.toStdString() << " clip " << clip.x() << "," << clip.y();
        }
    }
}

TEST_F(CropSource, OnlyAJpegClipIsDecodedAlone)
{
    // 2000 x 1500 takes 11.4 MB whole: over an 8 MB limit, while a 300 x 200 part fits.
    const QImage big = pattern({2000, 1500});
    const struct {
        const char *name;
        const char *format;
        QRect clip;
        bool readable;
    } cases[] = {
        {"big.jpg", "jpeg", QRect(100, 1200, 300, 200), true},
        {"big.jpg", "jpeg", QRect(), false},
        {"big.png", "png", QRect(100, 1200, 300, 200), false},
    };
    for (const auto &c : cases) {
        const QString path = file(QString::fromLatin1(c.name), imagefiles::encoded(big, c.format, 95));
        imagefile::Options options;
        options.clip = c.clip;
        options.allocationLimitMB = 8;
        const imagefile::Result r = imagefile::read(path, options);
        EXPECT_EQ(r.ok(), c.readable) << c.name << ' ' << r.reason().toStdString();
        if (c.readable)
            EXPECT_LE(maxDifference(r.image, imagefile::read(path, imagefile::Whole).image.copy(c.clip)), 2) << c.name;
        else
            EXPECT_EQ(r.reason(), QStringLiteral("too large (2000 \u00d7 1500 pixels)")) << c.name;
    }
}

TEST_F(CropSource, AResizeIsMadeWhileDecodingAndUpright)
{
    // The upright picture has quadrants; stored turned a quarter left with orientation 6.
    const QImage upright = imagefiles::quadrants({300, 400});
    const QImage turnedLeft = upright.transformed(QTransform().rotate(-90));
    const struct {
        const char *name;
        QByteArray bytes;
        QSize size;
    } cases[] = {
        {"plain.jpg", imagefiles::encoded(imagefiles::quadrants({4000, 3000}), "jpeg", 90), QSize(400, 300)},
        {"turned.jpg", imagefiles::jpegWithOrientation(turnedLeft, 6), QSize(150, 200)},
        {"larger.jpg", imagefiles::jpegWithOrientation(turnedLeft, 6), QSize(600, 700)},
    };
    for (const auto &c : cases) {
        imagefile::Options options;
        options.scaledSize = c.size;
        options.resultLimitMB = crop::Resize_Limit_MB;
        const imagefile::Result r = imagefile::read(file(QString::fromLatin1(c.name), c.bytes), options);
        ASSERT_EQ(r.image.size(), c.size) << c.name;
        const int w = c.size.width(), h = c.size.height();
        QString corners;
        for (const QPoint &p : {QPoint(w / 4, h / 4), QPoint(3 * w / 4, h / 4), QPoint(w / 4, 3 * h / 4),
                                QPoint(3 * w / 4, 3 * h / 4)})
            corners += QLatin1Char(quadrantOf(r.image.pixelColor(p)));
        EXPECT_EQ(corners, QStringLiteral("RGBY")) << c.name;
    }
}

TEST_F(CropSource, ARegionOverThePreviewIsCutFromTheFullOriginal)
{
    const QString photo = file("photo.JPG", imagefiles::encoded(imagefiles::quadrants({4000, 3000}), "jpeg", 90));
    const QImage upright = imagefiles::quadrants({300, 400});
    const QString turned = file("turned.jpg", imagefiles::jpegWithOrientation(upright.transformed(QTransform().rotate(-90)), 6));
    const struct {
        const char *name;
        QString path;
        QRectF selection;   // canvas points, y up
        QSizeF ratio;
        QSize size;
        // The quadrants at a quarter across and 10 % and 40 % down: the region's upper quarter
        // lies in the picture's top half, so a lost flip shows at 40 %.
        const char *quadrants;
    } cases[] = {
        {"5x the preview", photo, QRectF(300, 150, 200, 200), QSizeF(1, 1), QSize(1000, 1000), "RGBY"},
        {"view at half size", photo, QRectF(150, 75, 100, 100), QSizeF(0.5, 0.5), QSize(1000, 1000), "RGBY"},
        {"dragged from its top-right", photo, QRectF(500, 350, -200, -200), QSizeF(1, 1), QSize(1000, 1000), "RGBY"},
        {"turned, bottom-left", turned, QRectF(0, 0, 150, 100), QSizeF(1, 1), QSize(150, 100), "BBBB"},
        {"turned, top-right", turned, QRectF(150, 300, 150, 100), QSizeF(1, 1), QSize(150, 100), "GGGG"},
    };
    for (const auto &c : cases) {
        crop::SourceRequest request;
        request.cropRect = c.selection;
        request.ratio = c.ratio;
        const crop::Source s = crop::readSource(c.path, request);
        ASSERT_EQ(s.image.size(), c.size) << c.name << ' ' << s.message.toStdString();
        const int w = s.image.width(), h = s.image.height();
        QString seen;
        for (const QPoint &p : {QPoint(w / 4, h / 10), QPoint(3 * w / 4, h / 10), QPoint(w / 4, 4 * h / 10),
                                QPoint(3 * w / 4, 4 * h / 10)})
            seen += QLatin1Char(quadrantOf(s.image.pixelColor(p)));
        EXPECT_EQ(seen, QString::fromLatin1(c.quadrants)) << c.name;
    }
}

TEST_F(CropSource, NothingToCutSaysWhy)
{
    const QString photo = file("pic.png", imagefiles::encoded(imagefiles::quadrants({800, 600}), "png"));
    const QByteArray jpeg = imagefiles::encoded(imagefiles::quadrants({400, 300}), "jpeg", 90);
    const struct {
        const char *name;
        QString path;
        QRectF selection;
        QString message;
    } cases[] = {
        {"text named .jpg", file("photo.jpg", "just some text"), QRectF(10, 10, 100, 100),
         "The image could not be read: photo.jpg (not a picture)."},
        {"missing", dir.filePath("gone.png"), QRectF(10, 10, 100, 100),
         "The image could not be read: gone.png (file not found)."},
        {"truncated", file("cut.jpg", jpeg.left(jpeg.size() / 2)), QRectF(10, 10, 100, 100),
         "The image could not be read: cut.jpg (damaged or truncated)."},
        {"beside the picture", photo, QRectF(900, 700, 50, 50), "Please select area to crop."},
        {"no area", photo, QRectF(10, 10, 0, 100), "Please select area to crop."},
    };
    for (const auto &c : cases) {
        crop::SourceRequest request;
        request.cropRect = c.selection;
        request.ratio = QSizeF(1, 1);
        const crop::Source s = crop::readSource(c.path, request);
        EXPECT_TRUE(s.image.isNull()) << c.name;
        EXPECT_EQ(s.message, c.message) << c.name;
    }
}

} // namespace
