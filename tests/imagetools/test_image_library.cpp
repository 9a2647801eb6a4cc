// The icon list of the image browsers: items, and thumbnails read off the GUI thread.

#include "imagetools/ImageLibrary.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool allTransparent(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 0)
                return false;
    return true;
}

TEST(ImageBrowserModel, AddsTrimmedPathsAndIgnoresEmptyOnes)
{
    ImageBrowserModel model;
    model.addImageWithPath(QStringLiteral("  /a/one.png\n"), QStringLiteral("one.png"), QStringLiteral("u1"));
    model.addImageWithPath(QStringLiteral(" \t\n"), QStringLiteral("none"), QStringLiteral("u2"));
    model.addImageWithPath(QString(), QStringLiteral("none"), QStringLiteral("u3"));
    model.addImageWithPath(QStringLiteral("/b/two.jpg"), QStringLiteral("two.jpg"), QStringLiteral("u4"));
    ASSERT_EQ(model.numberOfItemsInImageBrowser(), 2);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.imageBrowser_itemAtIndex(0).path, QStringLiteral("/a/one.png"));
    EXPECT_EQ(model.imageBrowser_itemAtIndex(1).uid, QStringLiteral("u4"));
    EXPECT_EQ(model.data(model.index(1), Qt::ToolTipRole).toString(), QStringLiteral("two.jpg"));
    EXPECT_FALSE(model.data(model.index(0), Qt::DisplayRole).isValid());   // cells show no title
    // Items never move or leave by dragging, and nothing is dropped on them.
    EXPECT_FALSE(model.flags(model.index(0)) & Qt::ItemIsDragEnabled);
    EXPECT_FALSE(model.flags(model.index(0)) & Qt::ItemIsDropEnabled);
    model.removeAllImages();
    EXPECT_EQ(model.rowCount(), 0);
    model.waitForThumbnails();
}

TEST(ImageBrowserModel, ThumbnailsAreReadInTheBackgroundAndBrokenOnesStayBlank)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.png"));
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(good));
    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();

    ImageBrowserModel model;
    model.setThumbnailSize(100);
    model.addImageWithPath(good, QStringLiteral("good.png"), QStringLiteral("g"));
    model.addImageWithPath(broken, QStringLiteral("broken.png"), QStringLiteral("b"));
    model.addImageWithPath(dir.filePath(QStringLiteral("gone.png")), QStringLiteral("gone.png"), QStringLiteral("x"));
    int changed = 0;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&changed] { ++changed; });
    // Blank until read.
    for (int row = 0; row < 3; ++row) {
        const QImage first = model.data(model.index(row), Qt::DecorationRole).value<QImage>();
        EXPECT_EQ(first.size(), QSize(100, 100));
        EXPECT_TRUE(allTransparent(first));
    }
    ASSERT_TRUE(model.waitForThumbnails());
    EXPECT_EQ(changed, 3);
    const QImage thumb = model.data(model.index(0), Qt::DecorationRole).value<QImage>();
    EXPECT_EQ(thumb.size(), QSize(100, 50));   // the aspect ratio kept
    EXPECT_EQ(QColor(thumb.pixel(50, 25)), QColor(Qt::red));
    for (int row : {1, 2}) {
        const QImage blank = model.data(model.index(row), Qt::DecorationRole).value<QImage>();
        EXPECT_FALSE(blank.isNull());
        EXPECT_TRUE(allTransparent(blank)) << row;
    }
    // Another zoom reads the thumbnails again at that size.
    model.setThumbnailSize(40);
    model.data(model.index(0), Qt::DecorationRole);
    ASSERT_TRUE(model.waitForThumbnails());
    EXPECT_EQ(model.data(model.index(0), Qt::DecorationRole).value<QImage>().size(), QSize(40, 20));
}

} // namespace
