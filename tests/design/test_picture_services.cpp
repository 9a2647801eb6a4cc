// The picture services the window gives the card objects: the picture with its flips and the
// error label's rule, the effect controls' defaults, the hooks' life with the controller, and the
// align-with-grid button following the grid.

#include "DesignFixture.h"

#include "design/DesignWorkArea.h"
#include "design/PropertySidebar.h"
#include "support/ImageFileMakers.h"
#include "support/PageControl.h"

#include "design/DoubleSlider.h"
#include "design/panels/ImagePanel.h"
#include "model/SKTGrid.h"
#include "model/SKTImage.h"
#include "model/SKTSignature.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

using PictureServices = DesignFixture;

platform::Picture halvesPicture()
{
    const QImage image = imagefiles::halves(QSize(20, 10), Qt::red, Qt::blue);
    return platform::Picture::fromImage(image, QSizeF(image.size()));
}

} // namespace

TEST_F(PictureServices, TheErrorLabelShowsUnlessThereIsAPictureAndAFile)
{
    DesignController &d = env.design();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("pic.png"));
    ASSERT_TRUE(imagefiles::writeImage(file, imagefiles::halves(QSize(20, 10), Qt::red, Qt::blue)));

    SKTImage picture;
    picture._contents = halvesPicture();
    picture._file_path = file;
    platform::Picture result = d.Get_Image_With_Update_Settings(picture);
    EXPECT_TRUE(d.sidebar().imagePanel()->image_error_label->isHidden());
    EXPECT_EQ(result.image().pixelColor(0, 0), QColor(Qt::red));   // no flips: as loaded

    picture._file_path = QString();
    d.Get_Image_With_Update_Settings(picture);
    EXPECT_FALSE(d.sidebar().imagePanel()->image_error_label->isHidden());
    picture._file_path = dir.filePath(QStringLiteral("gone.png"));
    d.Get_Image_With_Update_Settings(picture);
    EXPECT_FALSE(d.sidebar().imagePanel()->image_error_label->isHidden());
    picture._file_path = file;
    picture._contents = platform::Picture::fromImage(QImage(1, 1, QImage::Format_RGB32), QSizeF(0, 0));
    d.Get_Image_With_Update_Settings(picture);
    EXPECT_FALSE(d.sidebar().imagePanel()->image_error_label->isHidden());
    picture._contents = platform::Picture();
    EXPECT_TRUE(d.Get_Image_With_Update_Settings(picture).isNull());
    EXPECT_FALSE(d.sidebar().imagePanel()->image_error_label->isHidden());

    // The two flips mirror the loaded picture.
    picture._contents = halvesPicture();
    picture._isFlippedHorizontally = true;
    result = d.Get_Image_With_Update_Settings(picture);
    EXPECT_TRUE(d.sidebar().imagePanel()->image_error_label->isHidden());
    EXPECT_EQ(result.size(), QSizeF(20, 10));
    EXPECT_EQ(result.image().pixelColor(0, 0), QColor(Qt::blue));
    picture._isFlippedHorizontally = false;
    picture._isFlippedVertically = true;
    picture._contents = platform::Picture::fromImage(imagefiles::quadrants(QSize(20, 10)), QSizeF(20, 10));
    EXPECT_EQ(d.Get_Image_With_Update_Settings(picture).image().pixelColor(0, 0), QColor(Qt::blue));
}

TEST_F(PictureServices, TheRunningWindowLoadsPicturesAndShowsBadFilesOnTheLabel)
{
    DesignController &d = env.design();
    ASSERT_TRUE(SKTImage::pictureHooks().Get_Image_For_Path);
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("wide.png"));
    ASSERT_TRUE(imagefiles::writeImage(good, imagefiles::halves(QSize(1600, 800), Qt::red, Qt::blue)));
    const QString huge = dir.filePath(QStringLiteral("huge.png"));
    ASSERT_TRUE(imagefiles::writeBytes(huge, imagefiles::hugeBlankPng(30000, 30000)));
    const QString empty = dir.filePath(QStringLiteral("empty.jpg"));
    ASSERT_TRUE(imagefiles::writeBytes(empty, QByteArray()));

    auto picture = SKTImage::initWithPath(QPointF(400, 200), good, false);
    EXPECT_EQ(picture->bounds(), QRectF(0, 0, 800, 400));   // a preview
    EXPECT_TRUE(d.sidebar().imagePanel()->image_error_label->isHidden());
    for (const QString &bad : {huge, empty, dir.filePath(QStringLiteral("none.png"))}) {
        picture->setFilePath(bad);
        EXPECT_TRUE(picture->_contents.isNull()) << bad.toStdString();
        EXPECT_FALSE(d.sidebar().imagePanel()->image_error_label->isHidden()) << bad.toStdString();
        picture->setFilePath(good);
        EXPECT_TRUE(d.sidebar().imagePanel()->image_error_label->isHidden());
    }
    // A signature reads through the same service.
    SKTSignature sign;
    sign.setFilePath(huge);
    EXPECT_TRUE(sign._contents_img.isNull());
    sign.setFilePath(good);
    EXPECT_EQ(sign._contents_img.size(), QSizeF(800, 400));
}

TEST_F(PictureServices, NewPicturesPutTheEffectControlsBackWithoutRunningTheirHandlers)
{
    ImagePanel &d = *sidebar().imagePanel();
    d.Trsp_slidr->setDoubleValue(30);
    d.Trsp_slidr_val->setText(QStringLiteral("30"));
    d.Sat_slidr->setDoubleValue(0.5);
    d.Con_slidr->setDoubleValue(2);
    d.Hue_slidr->setDoubleValue(0.4);
    d.blr_slidr_val->setText(QStringLiteral("7"));
    for (QCheckBox *box : {d.Image_Gray_Scale_chk, d.Image_Sepia_chk, d.Image_Invert_chk, d.Image_FIV_chk, d.Image_FIH_chk})
        box->setChecked(true);
    QSignalSpy moved(d.Trsp_slidr, &QSlider::valueChanged);
    QSignalSpy ticked(d.Image_FIH_chk, &QCheckBox::toggled);

    SKTImage::initWithPosition(QPointF(10, 10), halvesPicture());

    EXPECT_DOUBLE_EQ(d.Trsp_slidr->doubleValue(), 100);
    EXPECT_EQ(d.Trsp_slidr_val->text(), QStringLiteral("100"));
    EXPECT_DOUBLE_EQ(d.Sat_slidr->doubleValue(), 1);
    EXPECT_EQ(d.Sat_slidr_val->text(), QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(d.Con_slidr->doubleValue(), 1);
    EXPECT_EQ(d.Con_slidr_val->text(), QStringLiteral("1"));
    for (DoubleSlider *s : {d.Rotate_slidr, d.Hue_slidr, d.Brt_slidr, d.shrp_slidr, d.ev_slidr, d.blr_slidr})
        EXPECT_DOUBLE_EQ(s->doubleValue(), 0);
    for (QLineEdit *f : {d.Rotate_slidr_val, d.Hue_slidr_val, d.Brt_slidr_val, d.shrp_slidr_val, d.ev_slidr_val, d.blr_slidr_val})
        EXPECT_EQ(f->text(), QStringLiteral("0"));
    for (QCheckBox *box : {d.Image_Gray_Scale_chk, d.Image_Sepia_chk, d.Image_Invert_chk, d.Image_FIV_chk, d.Image_FIH_chk})
        EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(ticked.count(), 0);
}

TEST_F(PictureServices, TheAlignWithGridButtonFollowsTheGrid)
{
    SKTGrid &grid = *env.design().workArea()._grid;
    QPushButton *button = testsupport::pageControl<QPushButton>(sidebar().aligmnt_tab, "Align_with_grid_btn");
    ASSERT_NE(button, nullptr);
    grid.setAlwaysShown(true);
    EXPECT_TRUE(button->isEnabled());
    grid.setAlwaysShown(true);   // shown twice: still enabled
    EXPECT_TRUE(button->isEnabled());
    grid.setAlwaysShown(false);
    EXPECT_FALSE(button->isEnabled());
    grid.setAlwaysShown(true);
    EXPECT_TRUE(button->isEnabled());
    grid.setSpacing(0);   // unusable
    EXPECT_FALSE(button->isEnabled());
    grid.setSpacing(9);
    EXPECT_TRUE(button->isEnabled());
    // The preferences write the spacing directly, then show the grid.
    grid._spacing = -1;
    grid.setAlwaysShown(true);
    EXPECT_FALSE(button->isEnabled());
}

TEST(PictureServicesLife, TheHooksLiveAsLongAsTheWindow)
{
    SKTImage::setPictureHooks({});
    {
        testsupport::AppEnvironment env;
        ASSERT_NE(env.controller(), nullptr);
        EXPECT_TRUE(SKTImage::pictureHooks().Get_Image_For_Path);
        EXPECT_TRUE(SKTImage::pictureHooks().Get_Image_With_Update_Settings);
        EXPECT_TRUE(SKTImage::pictureHooks().Reset_Image_Editing_Controls);
    }
    EXPECT_FALSE(SKTImage::pictureHooks().Get_Image_For_Path);
    EXPECT_FALSE(SKTImage::pictureHooks().Reset_Image_Editing_Controls);
}
