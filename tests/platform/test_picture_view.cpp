#include "platform/PictureView.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

using platform::ImageScaling;
using platform::Picture;
using platform::PictureView;

namespace {

Picture solid(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    return Picture::fromImage(image, QSizeF(w, h));
}

TEST(PictureView, AnswersOverTheContentsRectangleYUp)
{
    PictureView view;
    view.resize(404, 404);
    view.setContentsMargins(2, 2, 2, 2);
    view.setPicture(solid(100, 50, Qt::red));
    view.setImageAlignment(Qt::AlignBottom | Qt::AlignLeft);
    view.setImageScaling(ImageScaling::ProportionallyDown);
    EXPECT_EQ(view.scaledImageRect(), QRectF(2, 2, 100, 50));
    EXPECT_EQ(view.imageRatio(), QSizeF(1, 1));

    view.setImageAlignment(Qt::AlignTop | Qt::AlignLeft);
    EXPECT_EQ(view.scaledImageRect(), QRectF(2, 352, 100, 50));

    view.setImageScaling(ImageScaling::ProportionallyUpOrDown);
    view.setImageAlignment(Qt::AlignCenter);
    EXPECT_EQ(view.imageRatio(), QSizeF(4, 4));
    EXPECT_EQ(view.scaledImageRect(), QRectF(2, 102, 400, 200));
}

TEST(PictureView, NoPictureGivesTheZeroRectangle)
{
    PictureView view;
    view.resize(300, 300);
    view.setImageScaling(ImageScaling::ProportionallyUpOrDown);
    EXPECT_TRUE(view.scaledImageRect().isNull());
}

TEST(PictureView, PaintsThePictureWhereItAnswers)
{
    PictureView view;
    view.resize(200, 100);
    view.setPicture(solid(10, 10, Qt::blue));
    view.setImageScaling(ImageScaling::ProportionallyUpOrDown);
    view.setImageAlignment(Qt::AlignBottom | Qt::AlignLeft);
    const QImage shot = view.grab().toImage();
    // Scaled to 100 x 100 at the bottom-left; the rest of the view stays unpainted.
    ASSERT_EQ(view.scaledImageRect(), QRectF(0, 0, 100, 100));
    EXPECT_EQ(shot.pixelColor(50, 50), QColor(Qt::blue));
    EXPECT_NE(shot.pixelColor(150, 50), QColor(Qt::blue));
    view.setImageAlignment(Qt::AlignTop | Qt::AlignRight);
    const QImage right = view.grab().toImage();
    EXPECT_EQ(right.pixelColor(150, 50), QColor(Qt::blue));
    EXPECT_NE(right.pixelColor(50, 50), QColor(Qt::blue));
}

TEST(PictureView, TellsWhenTheDrawnRectangleMayMove)
{
    PictureView view;
    QSignalSpy spy(&view, &PictureView::imageGeometryChanged);
    view.setPicture(solid(10, 10, Qt::blue));
    view.setImageScaling(ImageScaling::AxesIndependently);
    view.setImageAlignment(Qt::AlignLeft);
    view.resize(123, 45);
    view.show();
    EXPECT_GE(spy.count(), 4);
    EXPECT_EQ(view.scaledImageRect(), QRectF(0, 0, 123, 45));
}

TEST(PictureView, TakesOnlyUrlDragsThatAllowACopy)
{
    QMimeData url;
    url.setUrls({QUrl::fromLocalFile("/tmp/a.png")});
    QMimeData picture;
    picture.setImageData(QImage(4, 4, QImage::Format_ARGB32));
    const struct {
        const char *name;
        const QMimeData *data;
        Qt::DropActions possible;
        Qt::DropAction expected;
    } cases[] = {
        {"url, copy allowed", &url, Qt::CopyAction | Qt::MoveAction, Qt::CopyAction},
        {"url, move only", &url, Qt::MoveAction, Qt::IgnoreAction},
        {"picture data without url", &picture, Qt::CopyAction, Qt::IgnoreAction},
        {"nothing", nullptr, Qt::CopyAction, Qt::IgnoreAction},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PictureView::dragOperation(c.data, c.possible), c.expected) << c.name;
}

} // namespace
