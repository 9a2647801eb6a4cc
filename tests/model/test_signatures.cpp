// Signatures and fingerprints: the sample of each kind, following _file_path when drawn (also after
// unarchiving), the border beneath the picture, natural size, and bad files.

#include "ArchiveSupport.h"
#include "CardObjectSupport.h"
#include "PictureSupport.h"

#include "model/SKTSignature.h"
#include "model/DesignGlobals.h"
#include "core/UserFolders.h"

#include <QImageReader>

#include <thread>

using cardtest::drawn;
using cardtest::painted;
using picturetest::at;
using picturetest::near;

namespace {

using Signatures = picturetest::PictureServices;

QSize fileSize(const QString &path) { return QImageReader(path).size(); }

} // namespace

TEST_F(Signatures, DefaultLoadsTheSampleOfEachKind)
{
    const QString signature = Resource_Path + QStringLiteral("/sign_sample.png");
    const QString fingerprint = Resource_Path + QStringLiteral("/fingerprints.png");
    ASSERT_TRUE(fileSize(signature).isValid());
    ASSERT_TRUE(fileSize(fingerprint).isValid());

    SKTSignature fp;
    fp.Set_Sign_Or_FP(QStringLiteral("F"));
    fp.setFilePath(QStringLiteral("Default"));
    EXPECT_EQ(fp.file_path, fingerprint);
    EXPECT_EQ(fp._file_path, fingerprint);
    EXPECT_EQ(SKTImage::sizeOf(fp._contents_img), QSizeF(fileSize(fingerprint)));

    SKTSignature sign;
    sign.setFilePath(QStringLiteral("Default"));
    EXPECT_EQ(sign.file_path, signature);
    EXPECT_EQ(SKTImage::sizeOf(sign._contents_img), QSizeF(fileSize(signature)));
    // A kind of neither letter takes the signature's sample.
    sign.Set_Sign_Or_FP(QStringLiteral("X"));
    sign.setFilePath(QStringLiteral("Default"));
    EXPECT_EQ(sign.file_path, signature);
}

TEST_F(Signatures, TheNewObjectIsCentredOnItsPictureAndFollowsTheChosenPath)
{
    const QString red = imageFile(QStringLiteral("red.png"), solid(QSize(40, 20), Qt::red));
    const platform::Picture sample = Get_Image_For_Path(SKTSignature::Sample_File_Path(QStringLiteral("F")), false, false);
    ASSERT_FALSE(sample.isNull());
    Library_Selected_Image = red;
    const auto fp = SKTSignature::initWithPosition(QPointF(100, 80), sample, QStringLiteral("F"));
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(fp->Sign_Or_FP_Val(), QStringLiteral("F"));
    EXPECT_EQ(fp->file_path, SKTSignature::Sample_File_Path(QStringLiteral("F")));
    EXPECT_EQ(fp->_file_path, red);
    const QSizeF size = sample.size();
    EXPECT_EQ(fp->bounds(), QRectF(100 - size.width() / 2, 80 - size.height() / 2, size.width(), size.height()));
    // The path chosen differs from the one loaded: the first drawing loads the chosen picture.
    fp->setBounds(QRectF(10, 10, 60, 30));
    const QImage out = drawn(*fp, QSize(80, 50));
    EXPECT_EQ(fp->file_path, red);
    EXPECT_EQ(at(out, 40, 25), QColor(Qt::red));
}

TEST_F(Signatures, AnotherPictureShowsAtTheOldBounds)
{
    const QString red = imageFile(QStringLiteral("red.png"), solid(QSize(40, 20), Qt::red));
    const QString blue = imageFile(QStringLiteral("blue.png"), solid(QSize(300, 300), Qt::blue));
    SKTSignature sign;
    sign.setFilePath(red);
    sign.setBounds(QRectF(10, 10, 100, 50));
    EXPECT_EQ(at(drawn(sign, QSize(120, 70)), 60, 35), QColor(Qt::red));
    sign._file_path = blue;   // as the sidebar, a project file or undo write it
    const QImage out = drawn(sign, QSize(120, 70));
    EXPECT_EQ(sign.bounds(), QRectF(10, 10, 100, 50));
    EXPECT_EQ(sign.file_path, blue);
    EXPECT_EQ(at(out, 12, 12), QColor(Qt::blue));
    EXPECT_EQ(at(out, 108, 58), QColor(Qt::blue));
    EXPECT_FALSE(painted(out, 112, 35));
}

TEST_F(Signatures, AnOpaquePictureHidesTheInnerHalfOfTheBorder)
{
    SKTSignature sign;
    sign.setFilePath(imageFile(QStringLiteral("red.png"), solid(QSize(400, 100), Qt::red)));
    sign.setBounds(QRectF(20, 20, 100, 50));
    sign._strokeWidth = 8;
    const QImage out = drawn(sign, QSize(140, 90));
    EXPECT_EQ(at(out, 17, 45), QColor(Qt::black));   // outer half
    EXPECT_EQ(at(out, 22, 45), QColor(Qt::red));     // inner half, under the picture
    EXPECT_EQ(at(out, 70, 45), QColor(Qt::red));     // squeezed 400 x 100 into 100 x 50
    EXPECT_EQ(at(out, 70, 17), QColor(Qt::black));
    EXPECT_FALSE(painted(out, 70, 12));
    sign._isDrawingStroke = false;
    EXPECT_FALSE(painted(drawn(sign, QSize(140, 90)), 17, 45));
}

TEST_F(Signatures, AnUnarchivedCopyGetsItsPictureBackAtItsFirstDrawing)
{
    const QString green = imageFile(QStringLiteral("green.png"), solid(QSize(30, 30), Qt::green));
    SKTSignature sign;
    sign.setFilePath(green);
    sign.setBounds(QRectF(5, 5, 40, 40));
    ObjectArchive archive(sign.className());
    sign.encodeWithCoder(archive);
    const auto back = SKTGraphic::initWithCoder(archive);
    auto *copy = graphic_cast<SKTSignature>(back.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->_contents_img.isNull());
    EXPECT_TRUE(copy->file_path.isNull());
    EXPECT_EQ(copy->_file_path, green);
    const QImage out = drawn(*copy, QSize(50, 50));
    EXPECT_EQ(at(out, 25, 25), QColor(Qt::green));
    EXPECT_EQ(copy->file_path, green);
    EXPECT_FALSE(copy->_contents_img.isNull());
}

TEST_F(Signatures, OnlyTheGuiThreadReloads)
{
    const QString green = imageFile(QStringLiteral("green.png"), solid(QSize(30, 30), Qt::green));
    SKTSignature sign;
    sign._file_path = green;
    sign.setBounds(QRectF(5, 5, 40, 40));
    QImage out;
    std::thread worker([&] { out = drawn(sign, QSize(50, 50)); });
    worker.join();
    EXPECT_TRUE(sign.file_path.isNull());   // the object is not changed off the GUI thread
    EXPECT_FALSE(painted(out, 25, 25));
    EXPECT_TRUE(painted(out, 5, 25));   // its border
    // Resolved first on the GUI thread, a worker draws the picture.
    sign.resolveFilePath();
    std::thread again([&] { out = drawn(sign, QSize(50, 50)); });
    again.join();
    EXPECT_EQ(at(out, 25, 25), QColor(Qt::green));
}

TEST_F(Signatures, NaturalSizeAndBadFiles)
{
    SKTSignature sign;
    sign.setFilePath(imageFile(QStringLiteral("wide.png"), solid(QSize(1600, 400), Qt::red)));
    sign.setBounds(QRectF(30, 40, 10, 10));
    sign.makeNaturalSize();
    EXPECT_EQ(sign.bounds(), QRectF(30, 40, 800, 200));   // the preview's size
    sign.ctrl_is_locked = true;
    sign.setBounds(QRectF(30, 40, 10, 10));
    sign.makeNaturalSize();
    EXPECT_EQ(sign.bounds(), QRectF(30, 40, 10, 10));
    sign.ctrl_is_locked = false;

    for (const QString &bad : {dir.filePath(QStringLiteral("none.png")), bytesFile(QStringLiteral("empty.png"), QByteArray()),
                               bytesFile(QStringLiteral("huge.png"), imagefiles::hugeBlankPng(30000, 30000))}) {
        sign.setFilePath(bad);
        EXPECT_TRUE(sign._contents_img.isNull()) << bad.toStdString();
        sign.setBounds(QRectF(10, 10, 40, 20));
        const QImage out = drawn(sign, QSize(60, 40));
        EXPECT_TRUE(painted(out, 10, 20));    // border only
        EXPECT_FALSE(painted(out, 30, 20));
        sign.makeNaturalSize();
        EXPECT_EQ(sign.bounds(), QRectF(10, 10, 0, 0));
    }
    // A hidden signature draws nothing.
    sign.setBounds(QRectF(10, 10, 40, 20));
    sign.Set_Ctrl_Is_Visible(false);
    EXPECT_FALSE(painted(drawn(sign, QSize(60, 40)), 10, 20));
}
