#pragma once
// What the design asks of the image tools: the crop tool of its toolbar, a crop of one picture file
// or of a series' pictures, and the image library picker. The image tools implement it
// (imagetools/ImageToolsDesignSide.h).

#include <QString>

class ImageToolsDesign {
public:
    virtual ~ImageToolsDesign() = default;

    virtual void Open_Cropping_Tool_Wnd() = 0;
    // The crop of a picture file: 1 on OK with the cropped file's path in Crop_Direct_Path, else 0.
    virtual int Open_Wnd_Direct_To_Crop(const QString &imagePath) = 0;
    virtual QString Crop_Direct_Path() const = 0;
    // The crop of a series' pictures: 1 on OK with the new series' name in Crop_Direct_Series, else 0.
    virtual int Open_Wnd_Direct_Crop_Series(const QString &seriesName) = 0;
    virtual QString Crop_Direct_Series() const = 0;
    // The image library picker for a purpose ("C" picture objects, "B" backgrounds, "QR" logos): 1
    // with the chosen path in selected_image, else its other codes.
    virtual int Open_Library_Window(const QString &purpose) = 0;
    virtual QString selected_image() const = 0;
};
