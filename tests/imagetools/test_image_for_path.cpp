// Pictures read from files: previews of at most 800 pixels, upright by the stored orientation, the
// whole image on request, and bad or huge files refused within the allocation limit.

#include "ImageFileMakers.h"

#include "imagetools/ImageForPath.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ImageForPath : public ::testing::Test {
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

QColor pixelAt(const platform::Picture &p, double fx, double fy)
{
    const QImage &img = p.image();
    return img.pixelColor(int(fx * (img.width() - 1)), int(fy * (img.height() - 1)));
}

bool near(const QColor &a, const QColor &b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

TEST_F(ImageForPath, PreviewsKeepTheirLongerSideWithinEightHundredPixels)
{
    ASSERT_TRUE(imagefiles::writeImage(path("wide.png"), imagefiles::halves(QSize(2000, 1000), Qt::red, Qt::blue)));
    ASSERT_TRUE(imagefiles::writeImage(path("tall.png"), imagefiles::halves(QSize(1000, 2000), Qt::red, Qt::blue)));
    ASSERT_TRUE(imagefiles::writeImage(path("small.png"), imagefiles::halves(QSize(300, 200), Qt::red, Qt::blue)));

    const platform::Picture wide = Get_Image_For_Path(path("wide.png"), false, false);
    ASSERT_FALSE(wide.isNull());
    EXPECT_EQ(wide.image().size(), QSize(800, 400));
    EXPECT_EQ(wide.size(), QSizeF(800, 400));   // one point per pixel
    EXPECT_TRUE(near(pixelAt(wide, 0.1, 0.5), Qt::red));
    EXPECT_TRUE(near(pixelAt(wide, 0.9, 0.5), Qt::blue));
    EXPECT_EQ(Get_Image_For_Path(path("tall.png"), false, false).size(), QSizeF(400, 800));
    EXPECT_EQ(Get_Image_For_Path(path("small.png"), false, false).size(), QSizeF(300, 200));
    // The whole image on request; the icon flag changes nothing.
    EXPECT_EQ(Get_Image_For_Path(path("wide.png"), false, true).image().size(), QSize(2000, 1000));
    EXPECT_EQ(Get_Image_For_Path(path("wide.png"), true, false).size(), QSizeF(800, 400));
}

TEST_F(ImageForPath, TheSizeInPointsIsThePixelSizeWhateverTheResolutionTag)
{
    QImage image = imagefiles::halves(QSize(300, 150), Qt::red, Qt::blue);
    image.setDotsPerMeterX(11811);   // 300 DPI
    image.setDotsPerMeterY(11811);
    ASSERT_TRUE(imagefiles::writeImage(path("dpi.png"), image));
    EXPECT_EQ(Get_Image_For_Path(path("dpi.png"), false, false).size(), QSizeF(300, 150));
}

TEST_F(ImageForPath, AnOrientationTagTurnsThePreviewUpright)
{
    // Stored 2000 x 1000, red left and blue right; turned clockwise it stands 1000 x 2000, red on top.
    ASSERT_TRUE(imagefiles::writeBytes(path("turned.jpg"), imagefiles::jpegWithOrientation(
                                                               imagefiles::halves(QSize(2000, 1000), Qt::red, Qt::blue), 6)));
    const platform::Picture preview = Get_Image_For_Path(path("turned.jpg"), false, false);
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.size(), QSizeF(400, 800));
    EXPECT_TRUE(near(pixelAt(preview, 0.5, 0.1), Qt::red));
    EXPECT_TRUE(near(pixelAt(preview, 0.5, 0.9), Qt::blue));
    EXPECT_EQ(Get_Image_For_Path(path("turned.jpg"), false, true).size(), QSizeF(1000, 2000));
}

TEST_F(ImageForPath, MissingEmptyTruncatedAndForeignFilesGiveNothing)
{
    EXPECT_TRUE(Get_Image_For_Path(QString(), false, false).isNull());
    EXPECT_TRUE(Get_Image_For_Path(path("none.png"), false, false).isNull());
    EXPECT_TRUE(Get_Image_For_Path(dir.path(), false, false).isNull());   // a folder
    ASSERT_TRUE(imagefiles::writeBytes(path("empty.png"), QByteArray()));
    EXPECT_TRUE(Get_Image_For_Path(path("empty.png"), false, false).isNull());
    ASSERT_TRUE(imagefiles::writeBytes(path("text.png"), QByteArray("this is not a picture\n")));
    EXPECT_TRUE(Get_Image_For_Path(path("text.png"), false, false).isNull());
    const QByteArray png = imagefiles::encoded(imagefiles::quadrants(QSize(400, 400)), "png");
    ASSERT_TRUE(imagefiles::writeBytes(path("cut.png"), png.left(png.size() / 2)));
    EXPECT_TRUE(Get_Image_For_Path(path("cut.png"), false, false).isNull());
    EXPECT_TRUE(Get_Image_For_Path(path("cut.png"), false, true).isNull());
    // A JPEG cut short would decode with grey where the data stops.
    const QByteArray jpeg = imagefiles::encoded(imagefiles::quadrants(QSize(400, 400)), "jpeg", 90);
    ASSERT_TRUE(imagefiles::writeBytes(path("cut.jpg"), jpeg.left(jpeg.size() * 2 / 3)));
    EXPECT_TRUE(Get_Image_For_Path(path("cut.jpg"), false, false).isNull());
    // Bytes after the end marker do not make a whole file unreadable.
    ASSERT_TRUE(imagefiles::writeBytes(path("tail.jpg"), jpeg + QByteArray(100, '\x5a')));
    EXPECT_EQ(Get_Image_For_Path(path("tail.jpg"), false, false).size(), QSizeF(400, 400));
}

TEST_F(ImageForPath, AHugePngIsRefusedWithoutDecodingIt)
{
    const QByteArray huge = imagefiles::hugeBlankPng(30000, 30000);
    ASSERT_LT(huge.size(), 2 * 1024 * 1024);
    ASSERT_TRUE(imagefiles::writeBytes(path("huge.png"), huge));
    // The file is a valid picture: its header reads.
    QImageReader reader(path("huge.png"));
    ASSERT_EQ(reader.size(), QSize(30000, 30000));
    // Whole it would take far more than the limit, and a PNG cannot be decoded smaller.
    EXPECT_TRUE(Get_Image_For_Path(path("huge.png"), false, false).isNull());
    EXPECT_TRUE(Get_Image_For_Path(path("huge.png"), false, true).isNull());
}

TEST_F(ImageForPath, APreviewIsDecodedSmallWhereTheDecoderCanShrink)
{
    // 2000 x 1500 takes about 11.4 MB at 32 bits a pixel: over a limit of 8 MB whole, within it as a
    // preview of a JPEG decoded at reduced size; a PNG cannot be read smaller, so it is refused.
    const QImage image = imagefiles::quadrants(QSize(2000, 1500));
    ASSERT_TRUE(imagefiles::writeImage(path("big.jpg"), image, "jpeg"));
    ASSERT_TRUE(imagefiles::writeImage(path("big.png"), image, "png"));
    const platform::Picture preview = Get_Image_For_Path_Within(path("big.jpg"), false, 8);
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.size(), QSizeF(800, 600));
    EXPECT_TRUE(near(pixelAt(preview, 0.25, 0.25), Qt::red));
    EXPECT_TRUE(near(pixelAt(preview, 0.75, 0.75), Qt::yellow));
    EXPECT_TRUE(Get_Image_For_Path_Within(path("big.jpg"), true, 8).isNull());
    EXPECT_TRUE(Get_Image_For_Path_Within(path("big.png"), false, 8).isNull());
    // Within a larger limit both read.
    EXPECT_EQ(Get_Image_For_Path_Within(path("big.png"), false, 64).size(), QSizeF(800, 600));
    EXPECT_EQ(Get_Image_For_Path_Within(path("big.jpg"), true, 64).size(), QSizeF(2000, 1500));
}
