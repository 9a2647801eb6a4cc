#include "imagetools/ImageToolsDesignSide.h"

#include "imagetools/Cropping_Tool.h"
#include "imagetools/Image_Library.h"

void ImageToolsDesignSide::Open_Cropping_Tool_Wnd() { Cropping_Tool::defaultInstance()->Open_Wnd(); }

int ImageToolsDesignSide::Open_Wnd_Direct_To_Crop(const QString &imagePath)
{
    return Cropping_Tool::defaultInstance()->Open_Wnd_Direct_To_Crop(imagePath);
}

QString ImageToolsDesignSide::Crop_Direct_Path() const { return Cropping_Tool::defaultInstance()->Crop_Direct_Path; }

int ImageToolsDesignSide::Open_Wnd_Direct_Crop_Series(const QString &seriesName)
{
    return Cropping_Tool::defaultInstance()->Open_Wnd_Direct_Crop_Series(seriesName);
}

QString ImageToolsDesignSide::Crop_Direct_Series() const { return Cropping_Tool::defaultInstance()->Crop_Direct_Series; }

int ImageToolsDesignSide::Open_Library_Window(const QString &purpose)
{
    Image_Library *library = Image_Library::defaultInstance();
    library->control_or_BG = purpose;
    return library->Open_Library_Window();
}

QString ImageToolsDesignSide::selected_image() const { return Image_Library::defaultInstance()->selected_image; }
