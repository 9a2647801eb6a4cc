#pragma once
// The effect chain of picture objects: the picture a picture object draws, made from the picture
// loaded from its file and the object's effect settings. Stateless; any thread.

#include "platform/Picture.h"

#include <QRectF>

class ImageProcesser {
public:
    // Grey, sepia, hue (radians), saturation, brightness, contrast, sharpness (r), exposure (g)
    // and blur (b, ten times the radius) in this order, then the flips (horizontal first), then,
    // with rotateOnBox, the rotation (degrees, positive clockwise) inside the picture's own box.
    // The result has the source's size in points; null for a null source. The invert flag, the
    // transparency, useImgRect and the rectangle are not read: the object applies its
    // transparency when it draws. A failure is logged and answers the picture made so far.
    static platform::Picture Get_Processed_Image_Full_Combined(const platform::Picture &source, bool grayscale,
                                                               bool sepia, bool invrtclr, float hue, float sat,
                                                               float brt, float con, int rotate, float r, float g,
                                                               float b, float tranprency, bool yes_rotate_on_box,
                                                               bool flip_H, bool flip_V, bool use_img_rect,
                                                               const QRectF &img_bound_rect);
    // The picture turned by degrees (positive counter-clockwise, y up) about the centre of the
    // bounding box of the turned picture, that whole box then scaled back to the picture's size
    // (unevenly when its proportions differ). The rectangle's origin changes nothing.
    static platform::Picture imageRotatedByDegrees_On_Ctrl_Bound(const platform::Picture &picture, double degrees,
                                                                  const QRectF &img_bound_rect);
    // The bounding box of a w x h rectangle turned by degrees.
    static QSizeF Rotated_Bounding_Size(const QSizeF &size, double degrees);
};
