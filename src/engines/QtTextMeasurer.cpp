#include "engines/QtTextMeasurer.h"

#include <QFontMetricsF>
#include <QImage>

namespace {

// Text is measured in points. Qt drops letter spacing for fonts prepared at 72 DPI, so measure on
// a 96-DPI device with the font at three quarters of its size: the same size in points, with
// spacing kept, exactly as the renderer lays text out.
const QPaintDevice &device72()
{
    thread_local QImage image = [] {
        QImage img(1, 1, QImage::Format_ARGB32_Premultiplied);
        img.setDotsPerMeterX(3780);   // 96 DPI
        img.setDotsPerMeterY(3780);
        return img;
    }();
    return image;
}

QFont measuringFont(const QFont &font)
{
    QFont f = font;
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * 0.75);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

} // namespace

double QtTextMeasurer::capHeight(const QFont &font) const
{
    return QFontMetricsF(measuringFont(font), &device72()).capHeight();
}

QSizeF QtTextMeasurer::textSize(const QString &text, const QFont &font, double kerning) const
{
    QFont f = measuringFont(font);
    if (kerning != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, kerning);
    const QFontMetricsF fm(f, const_cast<QPaintDevice *>(&device72()));
    const QRectF r = fm.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, text);
    return {r.width(), text.isEmpty() ? 0.0 : fm.height()};
}
