#pragma once
// Text pictures: a short message fitted and centred in a vector picture, such as the "Invalid
// Data" picture that stands in for a barcode whose data is invalid.

#include "platform/Picture.h"

#include <QRectF>
#include <QString>

class Rotated {
public:
    // A vector picture of the rectangle's size: a half-transparent white field with the text in
    // pure blue on its own white box, centred, in the text-object font fitted to the rectangle.
    static platform::Picture Image_For_invalid_Data(const QRectF &rect, const QString &text);
    // The font size (points) that fits the text to the size: the size at 12 points scaled by the
    // tighter of the two ratios, kept between 6 and 48.
    static double Fitted_Font_Size(const QSizeF &size, const QString &text);
};
