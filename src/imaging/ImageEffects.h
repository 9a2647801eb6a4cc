#pragma once
// The picture effects as plain per-pixel operations on images. Each takes an image of any format
// and answers a new premultiplied ARGB32 image of the same pixel size; alpha is kept except by the
// blur, which spreads it. Colour arithmetic runs on unpremultiplied values in 0..1; luminance is
// Rec. 709 (0.2125, 0.7154, 0.0721).

#include <QImage>

namespace imageeffects {

// The picture in shades of one colour: each pixel's luminance laid over the colour (a colour of
// 50 % grey gives the luminance itself), mixed with the original by intensity (0..1).
QImage Monochrome(const QImage &image, const QColor &color, double intensity);
// The sepia tone, mixed with the original by intensity (0..1).
QImage Sepia(const QImage &image, double intensity);
// Hue turned by an angle in radians about the grey axis (greys stay grey).
QImage HueAdjust(const QImage &image, double angle);
// Brightness added, contrast about the middle grey, then saturation against the luminance
// (saturation 1, brightness 0 and contrast 1 change nothing).
QImage ColorControls(const QImage &image, double saturation, double brightness, double contrast);
// The luminance sharpened by its difference to its 3 x 3 neighbourhood, times sharpness (0:
// nothing); colours keep their hue.
QImage SharpenLuminance(const QImage &image, double sharpness);
// Exposure: linear light times 2^ev.
QImage ExposureAdjust(const QImage &image, double ev);
// Gaussian blur of the radius (standard deviation, pixels) with transparent pixels around the
// picture, cut to the picture's size: edges fade. A radius of 0 or less changes nothing.
QImage GaussianBlur(const QImage &image, double radius);

} // namespace imageeffects
