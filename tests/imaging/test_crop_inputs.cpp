#include "imaging/CropInputs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QStringList allowed = {"jpg", "jpeg", "jpe", "jfif", "gif", "bmp", "png", "tif", "tiff"};

void touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

TEST(FolderImages, AcceptedExtensionsInAnyCaseSortedByName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"c.png", "PHOTO.JPG", "a.jpeg", "photo.Tif", "notes.txt", "noext", "b.gif.bak"})
        touch(dir.filePath(QString::fromLatin1(name)));
    QDir(dir.path()).mkdir(QStringLiteral("sub.png"));
    const QStringList expected = {dir.filePath("PHOTO.JPG"), dir.filePath("a.jpeg"), dir.filePath("c.png"),
                                  dir.filePath("photo.Tif")};
    EXPECT_EQ(crop::folderImages(dir.path(), allowed), expected);
}

TEST(FolderImages, NoneWhereNothingFitsOrNothingIsThere)
{
    QTemporaryDir dir;
    touch(dir.filePath("notes.txt"));
    QDir(dir.path()).mkdir(QStringLiteral("inner"));
    EXPECT_TRUE(crop::folderImages(dir.path(), allowed).isEmpty());
    EXPECT_TRUE(crop::folderImages(dir.filePath("missing"), allowed).isEmpty());
    EXPECT_TRUE(crop::folderImages(QString(), allowed).isEmpty());
}

TEST(MovedSelectionFrame, MovesOnlyAnOriginOffThePicture)
{
    const struct {
        const char *name;
        QRectF frame;
        QSizeF ratio;
        QSizeF picture;
        QSizeF canvas;
        std::optional<QRectF> moved;
    } cases[] = {
        {"origin on the picture", {10, 10, 100, 100}, {1, 1}, {800, 600}, {800, 600}, std::nullopt},
        {"wide then narrow", {500, 10, 100, 100}, {1, 1}, {300, 600}, {300, 600}, QRectF(200, 500, 100, 100)},
        {"origin exactly at the width is off", {300, 10, 50, 50}, {1, 1}, {300, 600}, {300, 600},
         QRectF(250, 550, 50, 50)},
        {"ratio taken per axis", {500, 10, 100, 100}, {2, 2}, {300, 600}, {600, 1200}, std::nullopt},
        {"below the picture", {10, -5, 40, 40}, {1, 1}, {300, 300}, {300, 300}, QRectF(260, 260, 40, 40)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(crop::movedSelectionFrame(c.frame, c.ratio, c.picture, c.canvas), c.moved) << c.name;
}

} // namespace
