// Picture objects: made from a file or a picture, sized and centred, stretched at their opacity,
// the border over them or alone, flips shown only after a rebuild, and bad files.

#include "CardObjectSupport.h"
#include "PictureSupport.h"

#include "model/SKTImage.h"
#include "model/DesignGlobals.h"
#include "core/UserFolders.h"

using cardtest::drawn;
using cardtest::painted;
using picturetest::at;
using picturetest::near;

namespace {

using Pictures = picturetest::PictureServices;

bool anyPainted(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (painted(image, x, y))
                return true;
    return false;
}

} // namespace

TEST_F(Pictures, ALargeFileLoadsAsAPreviewCentredOnThePointAndNaturalSizeRestoresIt)
{
    const QString path = imageFile(QStringLiteral("wide.png"), imagefiles::halves(QSize(2000, 1000), Qt::red, Qt::blue));
    const auto picture = SKTImage::initWithPath(QPointF(500, 300), path, false);
    EXPECT_EQ(picture->_contents.size(), QSizeF(800, 400));
    EXPECT_EQ(picture->bounds(), QRectF(100, 100, 800, 400));
    EXPECT_EQ(picture->_file_path, path);
    EXPECT_EQ(resets, 1);   // the sidebar's picture controls go back to their defaults

    picture->setBounds(QRectF(40, 30, 120, 90));
    picture->flipHorizontally();
    picture->flipVertically();
    picture->makeNaturalSize();
    EXPECT_EQ(picture->bounds(), QRectF(40, 30, 800, 400));
    EXPECT_FALSE(picture->_isFlippedHorizontally);
    EXPECT_FALSE(picture->_isFlippedVertically);

    // A locked picture keeps its frame and flips.
    picture->setBounds(QRectF(40, 30, 120, 90));
    picture->flipHorizontally();
    picture->ctrl_is_locked = true;
    picture->makeNaturalSize();
    EXPECT_EQ(picture->bounds(), QRectF(40, 30, 120, 90));
    EXPECT_TRUE(picture->_isFlippedHorizontally);
}

TEST_F(Pictures, OpacityDrawsThatShareOverWhatLiesBeneath)
{
    const QString path = imageFile(QStringLiteral("blue.png"), solid(QSize(10, 10), Qt::blue));
    const auto picture = SKTImage::initWithPath(QPointF(50, 25), path, false);
    picture->setBounds(QRectF(0, 0, 100, 50));
    picture->img_trnsp_val = 40;
    const QImage out = drawn(*picture, QSize(100, 50), Qt::white);
    // 40 % blue over 60 % white.
    EXPECT_TRUE(near(at(out, 50, 25), QColor(153, 153, 255), 3)) << at(out, 50, 25).name().toStdString();
    picture->img_trnsp_val = 100;
    EXPECT_EQ(at(drawn(*picture, QSize(100, 50), Qt::white), 50, 25), QColor(Qt::blue));
    picture->img_trnsp_val = 250;   // beyond 100 is opaque
    EXPECT_EQ(at(drawn(*picture, QSize(100, 50), Qt::white), 50, 25), QColor(Qt::blue));
    picture->img_trnsp_val = 0;
    EXPECT_EQ(at(drawn(*picture, QSize(100, 50), Qt::white), 50, 25), QColor(Qt::white));
}

TEST_F(Pictures, APictureIsSqueezedIntoItsFrameWithoutKeepingItsAspect)
{
    const QString path = imageFile(QStringLiteral("square.png"), imagefiles::quadrants(QSize(400, 400)));
    const auto picture = SKTImage::initWithPath(QPointF(0, 0), path, false);
    picture->setBounds(QRectF(10, 20, 100, 50));
    const QImage out = drawn(*picture, QSize(130, 90));
    EXPECT_TRUE(near(at(out, 35, 32), Qt::red));
    EXPECT_TRUE(near(at(out, 85, 32), Qt::green));
    EXPECT_TRUE(near(at(out, 35, 57), Qt::blue));
    EXPECT_TRUE(near(at(out, 85, 57), Qt::yellow));
    // Nothing outside the frame.
    EXPECT_FALSE(anyPainted(out, QRect(0, 0, 130, 19)));
    EXPECT_FALSE(anyPainted(out, QRect(0, 71, 130, 19)));
    EXPECT_FALSE(anyPainted(out, QRect(111, 0, 19, 90)));
}

TEST_F(Pictures, WithoutAPathOrAPictureOnlyTheBorderIsDrawn)
{
    Library_Selected_Image = QString();
    const auto picture = SKTImage::initWithPosition(QPointF(50, 30), platform::Picture::fromImage(solid(QSize(60, 40), Qt::red), QSizeF(60, 40)));
    EXPECT_EQ(picture->bounds(), QRectF(20, 10, 60, 40));
    EXPECT_EQ(picture->_file_path, QString());
    EXPECT_EQ(resets, 1);
    picture->_isDrawingStroke = true;
    picture->_strokeWidth = 2;
    QImage out = drawn(*picture, QSize(100, 60));
    EXPECT_FALSE(painted(out, 50, 30));                    // no picture
    EXPECT_EQ(at(out, 20, 30), QColor(Qt::black));         // the border
    // A path but nothing loaded: the same.
    const auto missing = SKTImage::initWithPath(QPointF(50, 30), dir.filePath(QStringLiteral("none.png")), false);
    EXPECT_TRUE(missing->_contents.isNull());
    missing->setBounds(QRectF(20, 10, 60, 40));
    missing->_isDrawingStroke = true;
    out = drawn(*missing, QSize(100, 60));
    EXPECT_FALSE(painted(out, 50, 30));
    EXPECT_TRUE(painted(out, 20, 30));
    // Border off: nothing at all; hidden: nothing either.
    missing->_isDrawingStroke = false;
    EXPECT_FALSE(anyPainted(drawn(*missing, QSize(100, 60)), QRect(0, 0, 100, 60)));
    const QString path = imageFile(QStringLiteral("red.png"), solid(QSize(10, 10), Qt::red));
    const auto hidden = SKTImage::initWithPath(QPointF(50, 30), path, false);
    hidden->Set_Ctrl_Is_Visible(false);
    EXPECT_FALSE(anyPainted(drawn(*hidden, QSize(100, 60)), QRect(0, 0, 100, 60)));
}

TEST_F(Pictures, TheBorderIsDrawnOverThePictureWithItsDashes)
{
    const QString path = imageFile(QStringLiteral("red.png"), solid(QSize(10, 10), Qt::red));
    const auto picture = SKTImage::initWithPath(QPointF(0, 0), path, false);
    picture->setBounds(QRectF(10, 10, 80, 40));
    picture->_isDrawingStroke = true;
    picture->_strokeWidth = 4;
    picture->_stroke_border_type = QStringLiteral("DA");   // 8 painted, 2 apart
    const QImage out = drawn(*picture, QSize(100, 60));
    EXPECT_EQ(at(out, 14, 11), QColor(Qt::black));   // inner half of the border, over the picture
    EXPECT_EQ(at(out, 19, 11), QColor(Qt::red));     // a gap shows the picture beneath
    EXPECT_EQ(at(out, 14, 9), QColor(Qt::black));    // outer half
    EXPECT_EQ(at(out, 50, 30), QColor(Qt::red));
}

TEST_F(Pictures, AFlipShowsOnlyOnceThePictureIsRebuilt)
{
    const QString path = imageFile(QStringLiteral("halves.png"), imagefiles::halves(QSize(100, 50), Qt::red, Qt::blue));
    const auto picture = SKTImage::initWithPath(QPointF(50, 25), path, false);
    picture->flipHorizontally();
    EXPECT_TRUE(picture->_isFlippedHorizontally);
    QImage out = drawn(*picture, QSize(100, 50));
    EXPECT_TRUE(near(at(out, 10, 25), Qt::red));
    picture->setFileNSImage_Variable(SKTImage::Get_Image_With_Update_Settings(*picture));
    out = drawn(*picture, QSize(100, 50));
    EXPECT_TRUE(near(at(out, 10, 25), Qt::blue));
    EXPECT_TRUE(near(at(out, 90, 25), Qt::red));
    // The loaded picture itself stays as read.
    EXPECT_TRUE(near(picture->_contents.image().pixelColor(10, 25), Qt::red));

    picture->flipHorizontally();
    picture->flipVertically();
    picture->setFileNSImage_Variable(SKTImage::Get_Image_With_Update_Settings(*picture));
    const QString flippedPath = imageFile(QStringLiteral("top.png"), imagefiles::quadrants(QSize(100, 50)));
    picture->setFileNSImage(flippedPath);   // loading rebuilds with the flags as they are
    out = drawn(*picture, QSize(100, 50));
    EXPECT_TRUE(near(at(out, 10, 10), Qt::blue));
}

TEST_F(Pictures, TheCropFlagChangesNothingAndTheIdentifierIsKept)
{
    const QString path = imageFile(QStringLiteral("square.png"), imagefiles::quadrants(QSize(400, 400)));
    const auto plain = SKTImage::initWithPath(QPointF(200, 200), path, false);
    const auto cropped = SKTImage::initWithPath(QPointF(200, 200), path, true);
    EXPECT_EQ(cropped->bounds(), plain->bounds());
    EXPECT_EQ(cropped->_file_path, plain->_file_path);
    EXPECT_EQ(drawn(*cropped, QSize(400, 400)), drawn(*plain, QSize(400, 400)));

    const auto named = SKTImage::initWithPath_With_ID(QPointF(200, 200), path, QStringLiteral("IMG_3"));
    EXPECT_EQ(named->control_ID, QStringLiteral("IMG_3"));
    EXPECT_EQ(named->bounds(), plain->bounds());
    EXPECT_EQ(resets, 3);
}

TEST_F(Pictures, AJpegWithAnOrientationTagLoadsUpright)
{
    const QString path = bytesFile(QStringLiteral("turned.jpg"),
                                   imagefiles::jpegWithOrientation(imagefiles::halves(QSize(200, 100), Qt::red, Qt::blue), 6));
    const auto picture = SKTImage::initWithPath(QPointF(50, 100), path, false);
    EXPECT_EQ(picture->bounds(), QRectF(0, 0, 100, 200));
    const QImage out = drawn(*picture, QSize(100, 200));
    EXPECT_TRUE(near(at(out, 50, 20), Qt::red));
    EXPECT_TRUE(near(at(out, 50, 180), Qt::blue));
}

TEST_F(Pictures, APathIntoAnApplicationsResourcesIsMovedIntoOurs)
{
    const auto picture = SKTImage::initWithPath(
        QPointF(0, 0), QStringLiteral("/Applications/Old Copy.app/Contents/Resources/sign_sample.png"), false);
    EXPECT_EQ(picture->_file_path, Resource_Path + QStringLiteral("/sign_sample.png"));
    EXPECT_FALSE(picture->_contents.isNull());
}

TEST_F(Pictures, BadFilesLeaveTheBorderAlone)
{
    const QByteArray png = imagefiles::encoded(imagefiles::quadrants(QSize(200, 200)), "png");
    const QString files[] = {
        bytesFile(QStringLiteral("empty.png"), QByteArray()),
        bytesFile(QStringLiteral("cut.png"), png.left(png.size() / 2)),
        bytesFile(QStringLiteral("words.jpg"), QByteArray("not a picture at all")),
        bytesFile(QStringLiteral("huge.png"), imagefiles::hugeBlankPng(30000, 30000)),
        dir.path(),
    };
    for (const QString &path : files) {
        const auto picture = SKTImage::initWithPath(QPointF(50, 30), path, false);
        EXPECT_TRUE(picture->_contents.isNull()) << path.toStdString();
        EXPECT_TRUE(picture->_contents_with_settings.isNull());
        EXPECT_EQ(picture->bounds(), QRectF(50, 30, 0, 0));
        picture->setBounds(QRectF(20, 10, 60, 40));
        picture->_isDrawingStroke = true;
        const QImage out = drawn(*picture, QSize(100, 60));
        EXPECT_FALSE(painted(out, 50, 30));
        EXPECT_TRUE(painted(out, 20, 30));
    }
}

TEST(PictureObject, UndoKeysNamesAndTheCopy)
{
    SKTImage picture;
    const QStringList keys = picture.keysForValuesToObserveForUndo();
    for (const char *key : {"contents", "flippedHorizontally", "flippedVertically", "bounds"})
        EXPECT_TRUE(keys.contains(QLatin1String(key))) << key;
    EXPECT_EQ(picture.presentablePropertyNameForKey(QStringLiteral("flippedHorizontally")), QStringLiteral("Horizontal Flipping"));
    EXPECT_EQ(picture.presentablePropertyNameForKey(QStringLiteral("flippedVertically")), QStringLiteral("Vertical Flipping"));
    EXPECT_EQ(picture.presentablePropertyNameForKey(QStringLiteral("bounds")), QStringLiteral(""));
    EXPECT_FALSE(picture.isDrawingFill());
    EXPECT_FALSE(picture.isDrawingStroke());   // stroke off at first
    picture._isDrawingStroke = true;
    EXPECT_TRUE(picture.isDrawingStroke());
}
