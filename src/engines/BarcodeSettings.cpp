#include "engines/BarcodeSettings.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

#include <atomic>
#include <mutex>

namespace {

std::mutex measurerMutex;
std::shared_ptr<const TextMeasurer> installedMeasurer;

// Fonts in points must measure as at 72 DPI, one unit per point: a device of that resolution.
const QPaintDevice &device72()
{
    thread_local QImage image = [] {
        QImage img(1, 1, QImage::Format_ARGB32_Premultiplied);
        img.setDotsPerMeterX(2835);   // 72 DPI
        img.setDotsPerMeterY(2835);
        return img;
    }();
    return image;
}

} // namespace

double QtTextMeasurer::capHeight(const QFont &font) const
{
    return QFontMetricsF(font, &device72()).capHeight();
}

QSizeF QtTextMeasurer::textSize(const QString &text, const QFont &font, double kerning) const
{
    QFont f = font;
    if (kerning != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, kerning);
    const QFontMetricsF fm(f, const_cast<QPaintDevice *>(&device72()));
    const QRectF r = fm.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, text);
    return {r.width(), text.isEmpty() ? 0.0 : fm.height()};
}

const TextMeasurer &textMeasurer()
{
    std::lock_guard<std::mutex> lock(measurerMutex);
    if (!installedMeasurer)
        installedMeasurer = std::make_shared<QtTextMeasurer>();
    return *installedMeasurer;
}

void setTextMeasurer(std::shared_ptr<const TextMeasurer> measurer)
{
    std::lock_guard<std::mutex> lock(measurerMutex);
    installedMeasurer = std::move(measurer);
}
