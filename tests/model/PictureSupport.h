#pragma once
// Helpers of the picture and signature tests: the picture services the window's controller gives
// the card objects (the file reader and the picture with its flips), the resource folder of the
// source tree, and a folder for image files made by the test.

#include "support/ImageFileMakers.h"

#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "design/PictureSettings.h"
#include "imaging/ImageForPath.h"
#include "model/SKTImage.h"
#include "platform/Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace picturetest {

class PictureServices : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_oldResources = Resource_Path;
        m_oldLibrary = Library_Selected_Image;
        Resource_Path = platform::resourceFolder();
        SKTPictureHooks hooks;
        hooks.Get_Image_For_Path = [](const QString &path) { return Get_Image_For_Path(path, false, false); };
        hooks.Get_Image_With_Update_Settings = [](const SKTGraphic &g) { return Apply_Image_Settings(g); };
        hooks.Reset_Image_Editing_Controls = [this] { ++resets; };
        SKTImage::setPictureHooks(std::move(hooks));
    }
    void TearDown() override
    {
        SKTImage::setPictureHooks({});
        Resource_Path = m_oldResources;
        Library_Selected_Image = m_oldLibrary;
    }

    // The path of a new file in the test's folder holding the image.
    QString imageFile(const QString &name, const QImage &image, const char *format = "png")
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(imagefiles::writeImage(path, image, format));
        return path;
    }
    QString bytesFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(imagefiles::writeBytes(path, bytes));
        return path;
    }
    static QImage solid(const QSize &size, const QColor &color)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        return image;
    }

    QTemporaryDir dir;
    int resets = 0;

private:
    QString m_oldResources, m_oldLibrary;
};

// Colours equal within a tolerance per channel (smooth scaling and JPEG blur edges).
inline bool near(const QColor &a, const QColor &b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance && std::abs(a.alpha() - b.alpha()) <= tolerance;
}

inline QColor at(const QImage &image, int x, int y) { return image.pixelColor(x, y); }

} // namespace picturetest
