#include "model/TextShadow.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace cardtext {

namespace {

// The radii of three box blurs whose sequence has the Gaussian's variance.
std::array<int, 3> boxRadii(double sigma)
{
    constexpr int n = 3;
    const double ideal = std::sqrt(12.0 * sigma * sigma / n + 1.0);
    int lower = int(std::floor(ideal));
    if (lower % 2 == 0)
        --lower;
    const int upper = lower + 2;
    const double mIdeal = (12.0 * sigma * sigma - n * lower * lower - 4.0 * n * lower - 3.0 * n) / (-4.0 * lower - 4.0);
    const int m = int(std::lround(mIdeal));
    std::array<int, 3> radii{};
    for (int i = 0; i < n; ++i)
        radii[size_t(i)] = ((i < m ? lower : upper) - 1) / 2;
    return radii;
}

// One box blur along a run of count pixels, step apart, from src into dst; outside is transparent.
void boxRun(const std::uint32_t *src, std::uint32_t *dst, int count, std::ptrdiff_t step, int r)
{
    if (r <= 0) {
        for (int i = 0; i < count; ++i)
            dst[i * step] = src[i * step];
        return;
    }
    const int window = 2 * r + 1;
    std::int64_t sum[4] = {0, 0, 0, 0};
    auto add = [&sum](std::uint32_t p, int sign) {
        for (int c = 0; c < 4; ++c)
            sum[c] += sign * std::int64_t((p >> (8 * c)) & 0xff);
    };
    // The window starts over [-r, r], of which [0, r] lies inside.
    for (int i = 0; i <= std::min(r, count - 1); ++i)
        add(src[i * step], 1);
    for (int i = 0; i < count; ++i) {
        std::uint32_t out = 0;
        for (int c = 0; c < 4; ++c)
            out |= std::uint32_t((sum[c] + window / 2) / window) << (8 * c);
        dst[i * step] = out;
        const int enter = i + r + 1, leave = i - r;
        if (enter < count)
            add(src[enter * step], 1);
        if (leave >= 0)
            add(src[leave * step], -1);
    }
}

} // namespace

void blurImage(QImage &image, double radius)
{
    if (image.isNull() || !(radius > 0))
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width(), h = image.height();
    radius = std::min(radius, double(std::max(w, h)));
    const std::array<int, 3> radii = boxRadii(radius / 2.0);
    std::vector<std::uint32_t> pixels(size_t(w) * size_t(h)), spare(pixels.size());
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const std::uint32_t *>(image.constScanLine(y));
        std::copy(line, line + w, pixels.begin() + std::ptrdiff_t(y) * w);
    }
    for (const int r : radii) {
        for (int y = 0; y < h; ++y)
            boxRun(pixels.data() + std::ptrdiff_t(y) * w, spare.data() + std::ptrdiff_t(y) * w, w, 1, r);
        for (int x = 0; x < w; ++x)
            boxRun(spare.data() + x, pixels.data() + x, h, w, r);
    }
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<std::uint32_t *>(image.scanLine(y));
        std::copy(pixels.begin() + std::ptrdiff_t(y) * w, pixels.begin() + std::ptrdiff_t(y + 1) * w, line);
    }
}

} // namespace cardtext
