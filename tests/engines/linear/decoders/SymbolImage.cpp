#include "engines/linear/decoders/SymbolImage.h"

#include "engines/linear/PatternRaster.h"
#include "engines/linear/RegisterOtherLinear.h"

#include <QPainter>

#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <cmath>

namespace lineartest {

namespace {

bool dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

} // namespace

std::unique_ptr<NKDBarcode> makeModel(const QString &title, const QString &value)
{
    for (const auto &[name, factory] : otherLinearSymbologies()) {
        if (name != title)
            continue;
        std::unique_ptr<NKDBarcode> model = factory();
        if (!model->initWithContent(value, true))
            return nullptr;
        return model;
    }
    return nullptr;
}

QByteArray randomText(std::mt19937 &rng, const QByteArray &alphabet, int minLength, int maxLength)
{
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
    QByteArray text;
    const int n = length(rng);
    for (int i = 0; i < n; ++i)
        text += alphabet.at(pick(rng));
    return text;
}

QImage renderWithExtents(const NKDBarcode &model, int pixelsPerModule, double pixelsPerPoint)
{
    const QString pattern = model.completeBarcode();
    const int border = 10 * pixelsPerModule;
    // Vertical range of all bars, in points above the baseline.
    double highest = 1;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) == QLatin1Char('1'))
            highest = std::max(highest, double(model.barTop(int(i))));
    }
    const int height = int(std::ceil(highest * pixelsPerPoint)) + 2 * border;
    QImage image(int(pattern.size()) * pixelsPerModule + 2 * border, height, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const int baseline = height - border;   // y grows upward in points, downward in pixels
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) != QLatin1Char('1'))
            continue;
        const double top = model.barTop(int(i));
        const double bottom = model.isFourState() ? model.barBottom(int(i)) : 0.0;
        const int yTop = baseline - int(std::lround(top * pixelsPerPoint));
        const int yBottom = baseline - int(std::lround(bottom * pixelsPerPoint));
        if (yBottom > yTop)
            p.drawRect(QRect(border + int(i) * pixelsPerModule, yTop, pixelsPerModule, yBottom - yTop));
    }
    return image;
}

std::vector<FoundBar> findBars(const QImage &image)
{
    std::vector<FoundBar> bars;
    bool inBar = false;
    for (int x = 0; x < image.width(); ++x) {
        int top = -1, bottom = -1;
        for (int y = 0; y < image.height(); ++y) {
            if (dark(image, x, y)) {
                if (top < 0)
                    top = y;
                bottom = y + 1;
            }
        }
        if (top >= 0) {
            if (!inBar) {
                bars.push_back({x, x + 1, top, bottom});
                inBar = true;
            } else {
                FoundBar &b = bars.back();
                b.right = x + 1;
                b.top = std::min(b.top, top);
                b.bottom = std::max(b.bottom, bottom);
            }
        } else {
            inBar = false;
        }
    }
    return bars;
}

std::vector<int> middleRowRuns(const QImage &image)
{
    std::vector<int> runs;
    const int y = image.height() / 2;
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (dark(image, x, y)) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    if (first < 0)
        return runs;
    bool current = true;
    int length = 0;
    for (int x = first; x <= last; ++x) {
        const bool d = dark(image, x, y);
        if (d == current) {
            ++length;
        } else {
            runs.push_back(length);
            current = d;
            length = 1;
        }
    }
    runs.push_back(length);
    return runs;
}

ZxingRead readWithZxing(const QString &pattern, const QString &format, bool extendedCode39, bool codabarStartStop)
{
    const QImage img = testsupport::renderPattern(pattern, 2, 12, 12).convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(img.constBits(), img.width(), img.height(), ZXing::ImageFormat::Lum,
                                int(img.bytesPerLine()));
    auto hints = ZXing::DecodeHints()
                     .setFormats(ZXing::BarcodeFormatFromString(format.toStdString()))
                     .setTryHarder(false)
                     .setTryRotate(false)
                     .setTryCode39ExtendedMode(extendedCode39)
                     .setReturnCodabarStartEnd(codabarStartStop);
    const ZXing::Result r = ZXing::ReadBarcode(view, hints);
    ZxingRead out;
    if (!r.isValid())
        return out;
    out.ok = true;
    out.bytes = QByteArray::fromStdString(r.text());
    out.format = QString::fromStdString(ZXing::ToString(r.format()));
    return out;
}

} // namespace lineartest
