#include "imaging/ImageEffects.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace imageeffects {

namespace {

struct Rgba {
    double r, g, b, a;
};

constexpr double kR = 0.2125, kG = 0.7154, kB = 0.0721;

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
double luminance(const Rgba &p) { return kR * p.r + kG * p.g + kB * p.b; }

QImage premultiplied(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

Rgba read(QRgb premul)
{
    const QRgb c = qUnpremultiply(premul);
    return {qRed(c) / 255.0, qGreen(c) / 255.0, qBlue(c) / 255.0, qAlpha(c) / 255.0};
}

QRgb write(const Rgba &p)
{
    auto byte = [](double v) { return int(std::lround(clamp01(v) * 255.0)); };
    return qPremultiply(qRgba(byte(p.r), byte(p.g), byte(p.b), byte(p.a)));
}

// Every pixel through f (unpremultiplied colour, alpha kept unless f changes it).
template <class F>
QImage perPixel(const QImage &image, F f)
{
    QImage out = premultiplied(image);
    if (out.isNull())
        return out;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            line[x] = write(f(read(line[x])));
        }
    }
    return out;
}

Rgba mix(const Rgba &from, const Rgba &to, double t)
{
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t, from.a};
}

// The sRGB transfer curve, both ways.
double toLinear(double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); }
double toGamma(double v)
{
    v = std::max(v, 0.0);
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
}

} // namespace

QImage Monochrome(const QImage &image, const QColor &color, double intensity)
{
    const double c[3] = {color.redF(), color.greenF(), color.blueF()};
    return perPixel(image, [&](const Rgba &p) {
        const double l = luminance(p);
        // Overlay of the luminance on the colour: 50 % grey gives the luminance back.
        auto tone = [l](double k) { return l < 0.5 ? 2 * l * k : 1 - 2 * (1 - l) * (1 - k); };
        return mix(p, Rgba{tone(c[0]), tone(c[1]), tone(c[2]), p.a}, clamp01(intensity));
    });
}

QImage Sepia(const QImage &image, double intensity)
{
    return perPixel(image, [&](const Rgba &p) {
        const Rgba toned{0.393 * p.r + 0.769 * p.g + 0.189 * p.b, 0.349 * p.r + 0.686 * p.g + 0.168 * p.b,
                         0.272 * p.r + 0.534 * p.g + 0.131 * p.b, p.a};
        return mix(p, toned, clamp01(intensity));
    });
}

QImage HueAdjust(const QImage &image, double angle)
{
    // Rotation by the angle about the axis (1, 1, 1).
    const double c = std::cos(angle), s = std::sin(angle) / std::sqrt(3.0), t = (1 - c) / 3.0;
    const double m[3][3] = {{c + t, t - s, t + s}, {t + s, c + t, t - s}, {t - s, t + s, c + t}};
    return perPixel(image, [&](const Rgba &p) {
        return Rgba{m[0][0] * p.r + m[0][1] * p.g + m[0][2] * p.b, m[1][0] * p.r + m[1][1] * p.g + m[1][2] * p.b,
                    m[2][0] * p.r + m[2][1] * p.g + m[2][2] * p.b, p.a};
    });
}

QImage ColorControls(const QImage &image, double saturation, double brightness, double contrast)
{
    return perPixel(image, [&](const Rgba &p) {
        auto adjust = [&](double v) { return (v + brightness - 0.5) * contrast + 0.5; };
        const Rgba q{adjust(p.r), adjust(p.g), adjust(p.b), p.a};
        const double l = luminance(q);
        return Rgba{l + (q.r - l) * saturation, l + (q.g - l) * saturation, l + (q.b - l) * saturation, p.a};
    });
}

QImage SharpenLuminance(const QImage &image, double sharpness)
{
    QImage source = premultiplied(image);
    if (source.isNull() || sharpness == 0)
        return source;
    const int w = source.width(), h = source.height();
    std::vector<double> lum(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < w; ++x)
            lum[size_t(y) * w + x] = luminance(read(line[x]));
    }
    QImage out = source;
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            double sum = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int sx = std::clamp(x + dx, 0, w - 1), sy = std::clamp(y + dy, 0, h - 1);
                    sum += lum[size_t(sy) * w + sx];
                }
            const double delta = sharpness * (lum[size_t(y) * w + x] - sum / 9.0);
            Rgba p = read(line[x]);
            p.r += delta;
            p.g += delta;
            p.b += delta;
            line[x] = write(p);
        }
    }
    return out;
}

QImage ExposureAdjust(const QImage &image, double ev)
{
    if (ev == 0)
        return premultiplied(image);
    const double gain = std::pow(2.0, ev);
    std::array<double, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[size_t(i)] = toGamma(toLinear(i / 255.0) * gain);
    return perPixel(image, [&](const Rgba &p) {
        auto at = [&](double v) { return table[size_t(std::lround(clamp01(v) * 255.0))]; };
        return Rgba{at(p.r), at(p.g), at(p.b), p.a};
    });
}

QImage GaussianBlur(const QImage &image, double radius)
{
    QImage source = premultiplied(image);
    if (source.isNull() || !(radius > 0))
        return source;
    const int reach = std::max(1, int(std::ceil(radius * 3)));
    std::vector<double> kernel(size_t(2 * reach + 1));
    double total = 0;
    for (int i = -reach; i <= reach; ++i)
        total += kernel[size_t(i + reach)] = std::exp(-(i * i) / (2 * radius * radius));
    for (double &k : kernel)
        k /= total;

    const int w = source.width(), h = source.height();
    // Premultiplied channels, so that transparent surroundings darken nothing but fade alpha.
    std::vector<std::array<double, 4>> a(size_t(w) * size_t(h)), b(a.size());
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < w; ++x)
            a[size_t(y) * w + x] = {double(qRed(line[x])), double(qGreen(line[x])), double(qBlue(line[x])),
                                    double(qAlpha(line[x]))};
    }
    auto pass = [&](const std::vector<std::array<double, 4>> &from, std::vector<std::array<double, 4>> &to, bool across) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                std::array<double, 4> sum{};
                for (int i = -reach; i <= reach; ++i) {
                    const int sx = across ? x + i : x, sy = across ? y : y + i;
                    if (sx < 0 || sy < 0 || sx >= w || sy >= h)
                        continue;   // transparent outside the picture
                    const auto &p = from[size_t(sy) * w + sx];
                    const double k = kernel[size_t(i + reach)];
                    for (int c = 0; c < 4; ++c)
                        sum[size_t(c)] += p[size_t(c)] * k;
                }
                to[size_t(y) * w + x] = sum;
            }
    };
    pass(a, b, true);
    pass(b, a, false);
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const auto &p = a[size_t(y) * w + x];
            auto byte = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
            const int alpha = byte(p[3]);
            line[x] = qRgba(std::min(byte(p[0]), alpha), std::min(byte(p[1]), alpha), std::min(byte(p[2]), alpha), alpha);
        }
    }
    return out;
}

} // namespace imageeffects
