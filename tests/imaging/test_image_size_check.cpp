// The size check of chosen picture files refuses nothing: every browse path takes the file as
// chosen (the reading of a picture is bounded where it happens).

#include "support/ImageFileMakers.h"

#include "core/Globals.h"
#include "imaging/ImageSizeCheck.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

TEST(ImageSizeCheck, EveryFileIsTakenAsChosen)
{
    QTemporaryDir dir;
    const QString huge = dir.filePath(QStringLiteral("huge.png"));
    ASSERT_TRUE(imagefiles::writeBytes(huge, imagefiles::hugeBlankPng(60000, 60000)));
    const QString small = dir.filePath(QStringLiteral("small.png"));
    ASSERT_TRUE(imagefiles::writeImage(small, imagefiles::quadrants(QSize(8, 8))));
    for (const QString &path : {huge, small, dir.filePath(QStringLiteral("missing.png")), QString()}) {
        for (int orgOrCrop : {0, 1}) {
            Use_Org_image_Or_Shred_it = true;
            EXPECT_FALSE(Image_Is_Over_Size(path, true, orgOrCrop)) << qPrintable(path);
            EXPECT_FALSE(Use_Org_image_Or_Shred_it);
        }
    }
}
