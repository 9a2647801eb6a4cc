#pragma once
// The cropping tool, as the card's picture commands reach it: cropping one picture file or every
// picture of a series. The tool's window does not exist yet; both entry points say so.

#include <QString>
#include <functional>

class Cropping_Tool {
public:
    // The one tool of the process.
    static Cropping_Tool *defaultInstance();

    // Crops the picture file; 1 on OK with the cropped file's path in Crop_Direct_Path, else 0.
    int Open_Wnd_Direct_To_Crop(const QString &imagePath);
    // Crops every picture the series lists; 1 on OK with the new series' name in
    // Crop_Direct_Series, else 0.
    int Open_Wnd_Direct_Crop_Series(const QString &seriesName);

    // The tool on its own, from the toolbar; 1 on OK, else 0. A test puts a runner in its place.
    int Open_Wnd();
    std::function<int()> runner;

    QString Crop_Direct_Path;
    QString Crop_Direct_Series;

private:
    Cropping_Tool() = default;
};
