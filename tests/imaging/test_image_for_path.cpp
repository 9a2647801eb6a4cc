// Pictures read from files: previews of at most 800 pixels, upright by the stored orientation, the
// whole image on request, and bad or huge files refused within the allocation limit, each with
// its reason.

#include "support/ImageFileMakers.h"

#include "imaging/ImageFileChecks.h"
#include "imaging/ImageFileReader.h"
#include "imaging/ImageForPath.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

class ImageForPath : public ::testing::Test {
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

QColor pixelAt(const QImage &img, double fx, double fy)
{
    return img.pixelColor(int(fx * (img.width() - 1)), int(fy * (img.height() - 1)));
}
QColor pixelAt(const platform::Picture &p, double fx, double fy) { return pixelAt(p.image(), fx, fy); }

bool near(const QColor &a, const QColor &b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Changes the working folder for one test and back.
class WorkingFolder {
public:
    explicit WorkingFolder(const QString &path)
        : m_old(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~WorkingFolder() { QDir::setCurrent(m_old); }

private:
    QString m_old;
};

// Points HOME somewhere else for one test and back.
class HomeFolder {
public:
    explicit HomeFolder(const QString &path)
        : m_old(qgetenv("HOME"))
    {
        qputenv("HOME", path.toLocal8Bit());
    }
    ~HomeFolder() { qputenv("HOME", m_old); }

private:
    QByteArray m_old;
};

} // namespace

TEST_F(ImageForPath, PreviewsKeepTheirLongerSideWithinEightHundredPixels)
{
    ASSERT_TRUE(imagefiles::writeImage(path("wide.png"), imagefiles::halves(QSize(2000, 1000), Qt::red, Qt::blue)));
    ASSERT_TRUE(imagefiles::writeImage(path("tall.png"), imagefiles::halves(QSize(1000, 2000), Qt::red, Qt::blue)));
    ASSERT_TRUE(imagefiles::writeImage(path("small.png"), imagefiles::halves(QSize(300, 200), Qt::red, Qt::blue)));
    ASSERT_TRUE(imagefiles::writeImage(path("photo.jpg"), imagefiles::quadrants(QSize(4000, 3000)), "jpeg"));

    const platform::Picture wide = Get_Image_For_Path(path("wide.png"), false, false);
    ASSERT_FALSE(wide.isNull());
    EXPECT_EQ(wide.image().size(), QSize(800, 400));
    EXPECT_EQ(wide.size(), QSizeF(800, 400));   // one point per pixel
    EXPECT_TRUE(near(pixelAt(wide, 0.1, 0.5), Qt::red));
    EXPECT_TRUE(near(pixelAt(wide, 0.9, 0.5), Qt::blue));
    EXPECT_EQ(Get_Image_For_Path(path("tall.png"), false, false).size(), QSizeF(400, 800));
    EXPECT_EQ(Get_Image_For_Path(path("small.png"), false, false).size(), QSizeF(300, 200));   // never enlarged
    const platform::Picture photo = Get_Image_For_Path(path("photo.jpg"), false, false);
    EXPECT_EQ(photo.image().size(), QSize(800, 600));
    EXPECT_EQ(photo.size(), QSizeF(800, 600));
    EXPECT_TRUE(near(pixelAt(photo, 0.75, 0.75), Qt::yellow));
    // The whole image on request; the icon flag changes nothing.
    EXPECT_EQ(Get_Image_For_Path(path("wide.png"), false, true).image().size(), QSize(2000, 1000));
    EXPECT_EQ(Get_Image_For_Path(path("photo.jpg"), false, true).size(), QSizeF(4000, 3000));
    EXPECT_EQ(Get_Image_For_Path(path("wide.png"), true, false).size(), QSizeF(800, 400));
}

TEST_F(ImageForPath, TheReaderTakesAnyLargestSideAndNeverEnlarges)
{
    ASSERT_TRUE(imagefiles::writeImage(path("photo.jpg"), imagefiles::quadrants(QSize(1600, 1200)), "jpeg"));
    ASSERT_TRUE(imagefiles::writeImage(path("shot.png"), imagefiles::quadrants(QSize(1024, 768))));
    const struct {
        const char *file;
        int side;
        QSize expected;
    } cases[] = {
        {"photo.jpg", 131, QSize(131, 98)}, {"photo.jpg", 48, QSize(48, 36)}, {"photo.jpg", 5000, QSize(1600, 1200)},
        {"shot.png", 256, QSize(256, 192)}, {"shot.png", imagefile::Whole, QSize(1024, 768)},
    };
    for (const auto &c : cases) {
        const imagefile::Result r = imagefile::read(path(QString::fromLatin1(c.file)), c.side);
        ASSERT_TRUE(r.ok()) << c.file << " " << c.side << ": " << r.reason().toStdString();
        EXPECT_EQ(r.image.size(), c.expected) << c.file << " " << c.side;
        EXPECT_TRUE(r.reason().isEmpty());
        EXPECT_EQ(r.picture().size(), QSizeF(c.expected));
    }
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
    // A 4000 x 3000 photograph so tagged stands 600 x 800.
    ASSERT_TRUE(imagefiles::writeBytes(path("photo.jpg"), imagefiles::jpegWithOrientation(
                                                              imagefiles::halves(QSize(4000, 3000), Qt::red, Qt::blue), 6)));
    const imagefile::Result photo = imagefile::read(path("photo.jpg"), Crop_Image_Size);
    EXPECT_EQ(photo.image.size(), QSize(600, 800));
    EXPECT_EQ(photo.storedSize, QSize(4000, 3000));
}

TEST_F(ImageForPath, EveryFileThatGivesNoPictureSaysWhy)
{
    const QByteArray png = imagefiles::encoded(imagefiles::quadrants(QSize(400, 400)), "png");
    const QByteArray jpeg = imagefiles::encoded(imagefiles::quadrants(QSize(400, 400)), "jpeg", 90);
    const QByteArray progressive = [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(true);
        writer.write(imagefiles::quadrants(QSize(400, 400)));
        return bytes;
    }();
    const QByteArray gif = platform::gifData(imagefiles::quadrants(QSize(300, 300)));
    const QByteArray bmp = imagefiles::encoded(imagefiles::quadrants(QSize(300, 300)), "bmp");
    ASSERT_FALSE(gif.isEmpty());
    const QString folder = path("pictures.png");
    ASSERT_TRUE(QDir().mkpath(folder));
    const struct {
        const char *name;
        QByteArray bytes;   // null: nothing written
        const char *reason;
    } cases[] = {
        {"missing.png", QByteArray(), "file not found"},
        {"empty.png", QByteArray(""), "not a picture"},
        {"text.png", QByteArray("this is not a picture\n"), "not a picture"},
        {"text.jpg", QByteArray("\xff\xd8 no more than a start marker", 30), "damaged or truncated"},
        {"cut.png", png.left(png.size() / 2), "damaged or truncated"},
        {"no_end.png", png.left(png.size() - 12), "damaged or truncated"},
        {"cut.jpg", jpeg.left(jpeg.size() * 2 / 3), "damaged or truncated"},
        {"cut_progressive.jpg", progressive.left(progressive.size() * 2 / 3), "damaged or truncated"},
        {"cut.gif", gif.left(gif.size() * 2 / 3), "damaged or truncated"},
        {"header_only.gif", gif.left(13), "damaged or truncated"},
        {"cut.bmp", bmp.left(bmp.size() * 2 / 3), "damaged or truncated"},
        {"huge.png", imagefiles::pngHeaderOnly(100000, 100000), "too large (100000 \u00d7 100000 pixels)"},
        {"header.png", imagefiles::pngHeaderOnly(100, 100), "damaged or truncated"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.bytes.isNull()) {
            ASSERT_TRUE(imagefiles::writeBytes(path(QString::fromLatin1(c.name)), c.bytes));
        }
        for (const int side : {Crop_Image_Size, imagefile::Whole}) {
            const imagefile::Result r = imagefile::read(path(QString::fromLatin1(c.name)), side);
            EXPECT_FALSE(r.ok());
            EXPECT_TRUE(r.image.isNull());
            EXPECT_EQ(r.reason(), QString::fromUtf8(c.reason));
            EXPECT_TRUE(r.picture().isNull());
        }
        EXPECT_TRUE(Get_Image_For_Path(path(QString::fromLatin1(c.name)), false, false).isNull());
    }
    EXPECT_EQ(imagefile::read(QString(), Crop_Image_Size).reason(), QStringLiteral("file not found"));
    EXPECT_EQ(imagefile::read(folder, Crop_Image_Size).reason(), QStringLiteral("not a picture"));
    EXPECT_EQ(imagefile::read(QStringLiteral("/dev/zero"), Crop_Image_Size).reason(), QStringLiteral("not a picture"));
}

TEST_F(ImageForPath, WholeFilesWithTrailingBytesOrAnotherNameStillRead)
{
    const QByteArray jpeg = imagefiles::encoded(imagefiles::quadrants(QSize(400, 400)), "jpeg", 90);
    const QByteArray png = imagefiles::encoded(imagefiles::quadrants(QSize(400, 300)), "png");
    const QByteArray gif = platform::gifData(imagefiles::quadrants(QSize(300, 200)));
    const QByteArray bmp = imagefiles::encoded(imagefiles::quadrants(QSize(30, 20)), "bmp");
    const struct {
        const char *name;
        QByteArray bytes;
        QSize size;
    } cases[] = {
        {"tail.jpg", jpeg + QByteArray(100, '\x5a'), QSize(400, 400)},   // bytes after the end marker
        {"png_named.jpg", png, QSize(400, 300)},                           // read by its content
        {"jpeg_named.png", jpeg, QSize(400, 400)},
        {"whole.gif", gif, QSize(300, 200)},
        {"whole.bmp", bmp, QSize(30, 20)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(imagefiles::writeBytes(path(QString::fromLatin1(c.name)), c.bytes));
        const imagefile::Result r = imagefile::read(path(QString::fromLatin1(c.name)), Crop_Image_Size);
        ASSERT_TRUE(r.ok()) << r.reason().toStdString();
        EXPECT_EQ(r.image.size(), c.size);
        EXPECT_TRUE(near(pixelAt(r.image, 0.25, 0.25), Qt::red));
        EXPECT_TRUE(near(pixelAt(r.image, 0.75, 0.75), Qt::yellow));
    }
}

TEST_F(ImageForPath, AGifGivesItsFirstImage)
{
    const QByteArray gif = imagefiles::twoFrameGif(imagefiles::halves(QSize(200, 100), Qt::red, Qt::red),
                                                   imagefiles::halves(QSize(200, 100), Qt::blue, Qt::blue));
    ASSERT_FALSE(gif.isEmpty());
    ASSERT_TRUE(imagefiles::writeBytes(path("two.gif"), gif));
    QImageReader frames(path("two.gif"));
    ASSERT_EQ(frames.imageCount(), 2);   // the file really holds two frames
    const imagefile::Result r = imagefile::read(path("two.gif"), Crop_Image_Size);
    ASSERT_TRUE(r.ok()) << r.reason().toStdString();
    EXPECT_TRUE(near(pixelAt(r.image, 0.5, 0.5), Qt::red));
    // The second frame cut short does not spoil the first.
    ASSERT_TRUE(imagefiles::writeBytes(path("cut_second.gif"), gif.left(gif.size() - 20)));
    EXPECT_TRUE(imagefile::read(path("cut_second.gif"), Crop_Image_Size).ok());
}

TEST_F(ImageForPath, TheFilesStructureChecksTable)
{
    const QByteArray jpeg = imagefiles::encoded(imagefiles::quadrants(QSize(64, 64)), "jpeg", 90);
    const QByteArray gif = platform::gifData(imagefiles::quadrants(QSize(64, 64)));
    const QByteArray bmp = imagefiles::encoded(imagefiles::quadrants(QSize(33, 7)), "bmp");
    const auto check = [](const char *format, const QByteArray &bytes) {
        return imagefile::isComplete(format, reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
    };
    const struct {
        const char *format;
        QByteArray bytes;
        bool complete;
    } cases[] = {
        {"jpeg", jpeg, true},
        {"jpeg", jpeg.left(jpeg.size() - 2), false},
        {"jpeg", QByteArray(), false},
        {"gif", gif, true},
        {"gif", gif.left(gif.size() - 1), true},   // only the trailer missing: the image is whole
        {"gif", gif.left(gif.size() - 3), false},
        {"gif", gif.left(12), false},
        {"gif", gif.left(13) + QByteArray(1, ';'), false},   // no image at all
        {"bmp", bmp, true},
        {"bmp", bmp.left(bmp.size() - 1), false},
        {"png", QByteArray("anything"), true},   // its decoder fails on a file cut short
    };
    for (const auto &c : cases)
        EXPECT_EQ(check(c.format, c.bytes), c.complete) << c.format << " of " << c.bytes.size() << " bytes";
}

TEST_F(ImageForPath, TheUnchangedPathMustNameAFileAndTheStandardisedPathIsRead)
{
    // The path as given is asked first ("~" and ".." taken literally, as a file manager does);
    // the picture then comes from the standardised path. Two different files tell them apart.
    const QString home = path("home");
    const QString work = path("work");
    ASSERT_TRUE(QDir().mkpath(home));
    ASSERT_TRUE(QDir().mkpath(work + QStringLiteral("/~")));
    ASSERT_TRUE(imagefiles::writeImage(home + QStringLiteral("/x.png"), imagefiles::halves(QSize(40, 20), Qt::red, Qt::red)));
    ASSERT_TRUE(imagefiles::writeImage(work + QStringLiteral("/~/x.png"), imagefiles::halves(QSize(40, 20), Qt::blue, Qt::blue)));
    ASSERT_TRUE(imagefiles::writeImage(work + QStringLiteral("/x.png"), imagefiles::halves(QSize(30, 30), Qt::green, Qt::green)));
    // a/.. is the folder b/ points to's parent on disk, but lexically just the working folder.
    ASSERT_TRUE(QDir().mkpath(work + QStringLiteral("/deep/b")));
    ASSERT_TRUE(QFile::link(work + QStringLiteral("/deep/b"), work + QStringLiteral("/a")));
    ASSERT_TRUE(imagefiles::writeImage(work + QStringLiteral("/deep/x.png"), imagefiles::halves(QSize(10, 10), Qt::black, Qt::black)));
    const WorkingFolder cwd(work);
    const HomeFolder homeFolder(home);

    const imagefile::Result tilde = imagefile::read(QStringLiteral("~/x.png"), Crop_Image_Size);
    ASSERT_TRUE(tilde.ok()) << tilde.reason().toStdString();
    EXPECT_TRUE(near(pixelAt(tilde.image, 0.5, 0.5), Qt::red));   // the home folder's file
    const imagefile::Result dots = imagefile::read(QStringLiteral("a/../x.png"), Crop_Image_Size);
    ASSERT_TRUE(dots.ok()) << dots.reason().toStdString();
    EXPECT_EQ(dots.image.size(), QSize(30, 30));   // the working folder's file, not deep/x.png
    EXPECT_EQ(Get_Image_For_Path(home + QStringLiteral("/./sub/../x.png"), false, false).size(), QSizeF());   // no sub/
    // Nothing at the path as given: no picture, though the standardised path names one.
    ASSERT_TRUE(QDir(work + QStringLiteral("/~")).removeRecursively());
    EXPECT_EQ(imagefile::read(QStringLiteral("~/x.png"), Crop_Image_Size).reason(), QStringLiteral("file not found"));
}

TEST_F(ImageForPath, AHugePngIsRefusedFromItsHeaderAlone)
{
    const QByteArray huge = imagefiles::hugeBlankPng(30000, 30000);
    ASSERT_LT(huge.size(), 2 * 1024 * 1024);
    ASSERT_TRUE(imagefiles::writeBytes(path("huge.png"), huge));
    // The file is a valid picture: its header reads.
    QImageReader reader(path("huge.png"));
    ASSERT_EQ(reader.size(), QSize(30000, 30000));
    // Whole it would take far more than the limit, and a PNG cannot be decoded smaller. Refusing
    // it decodes nothing, so it takes no time.
    QElapsedTimer timer;
    timer.start();
    const imagefile::Result r = imagefile::read(path("huge.png"), Crop_Image_Size);
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(r.reason(), QStringLiteral("too large (30000 \u00d7 30000 pixels)"));
    EXPECT_EQ(r.storedSize, QSize(30000, 30000));
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
    EXPECT_EQ(imagefile::read(path("big.jpg"), imagefile::Whole, 8).reason(), QStringLiteral("too large (2000 \u00d7 1500 pixels)"));
    EXPECT_EQ(imagefile::read(path("big.png"), Crop_Image_Size, 8).reason(), QStringLiteral("too large (2000 \u00d7 1500 pixels)"));
    // Within a larger limit both read.
    EXPECT_EQ(Get_Image_For_Path_Within(path("big.png"), false, 64).size(), QSizeF(800, 600));
    EXPECT_EQ(Get_Image_For_Path_Within(path("big.jpg"), true, 64).size(), QSizeF(2000, 1500));
}

TEST_F(ImageForPath, EightThreadsAtOnceGetIdenticalPictures)
{
    ASSERT_TRUE(imagefiles::writeImage(path("photo.jpg"), imagefiles::quadrants(QSize(1600, 1200)), "jpeg"));
    ASSERT_TRUE(imagefiles::writeBytes(path("turned.jpg"), imagefiles::jpegWithOrientation(
                                                               imagefiles::halves(QSize(1200, 900), Qt::red, Qt::blue), 6)));
    ASSERT_TRUE(imagefiles::writeImage(path("shot.png"), imagefiles::quadrants(QSize(1024, 768))));
    const QStringList files = {path("photo.jpg"), path("turned.jpg"), path("shot.png")};
    QList<QImage> expected;
    for (const QString &f : files)
        expected << imagefile::read(f, Crop_Image_Size).image;
    std::vector<QList<QImage>> got(8);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 4; ++round)
                for (const QString &f : files)
                    got[size_t(t)] << imagefile::read(f, Crop_Image_Size).image;
        });
    for (std::thread &t : threads)
        t.join();
    for (const QList<QImage> &images : got) {
        ASSERT_EQ(images.size(), 12);
        for (int i = 0; i < images.size(); ++i) {
            ASSERT_FALSE(images.at(i).isNull());
            EXPECT_TRUE(images.at(i) == expected.at(i % 3)) << i;
        }
    }
}
