#pragma once
// The image tools as the design reads them: the crop tool and the image library behind
// ImageToolsDesign.

#include "imagetools/ImageToolsDesign.h"

class ImageToolsDesignSide final : public ImageToolsDesign {
public:
    void Open_Cropping_Tool_Wnd() override;
    int Open_Wnd_Direct_To_Crop(const QString &imagePath) override;
    QString Crop_Direct_Path() const override;
    int Open_Wnd_Direct_Crop_Series(const QString &seriesName) override;
    QString Crop_Direct_Series() const override;
    int Open_Library_Window(const QString &purpose) override;
    QString selected_image() const override;
};
