#include "Pdf417Testing.h"

#include "engines/pdf417/pdf417tables.h"

#include <QPainter>

namespace pdf417test {

void encode(pdf417::_pdf417param &param, const QByteArray &data, int options, int level, float aspect)
{
    pdf417::pdf417init(&param);
    param.text = data.constData();
    param.lenText = int(data.size());
    param.options = options;
    param.errorLevel = level;
    param.aspectRatio = aspect;
    pdf417::paintCode(&param);
}

std::vector<bool> rowModules(const pdf417::_pdf417param &param, int r)
{
    std::vector<bool> out;
    if (param.outBits.empty())
        return out;
    const bool inverted = param.options & pdf417::OptionInvertBitmap;
    const int stride = param.lenBits / param.codeRows;
    const unsigned char *row = param.outBits.data() + r * stride;
    for (int m = 0; m < param.bitColumns; ++m) {
        const bool bit = row[m >> 3] & (0x80 >> (m & 7));
        out.push_back(bit != inverted);
    }
    return out;
}

int patternAt(const pdf417::_pdf417param &param, int r, int m)
{
    const std::vector<bool> modules = rowModules(param, r);
    int pattern = 0;
    for (int i = 0; i < 17; ++i)
        pattern = (pattern << 1) | (modules[size_t(m + i)] ? 1 : 0);
    return pattern;
}

int codewordOf(int c, int pattern)
{
    for (int v = 0; v < 929; ++v) {
        if (pdf417::CLUSTERS[c][v] == pattern)
            return v;
    }
    return -1;
}

QImage render(const pdf417::_pdf417param &param, int px)
{
    const int quiet = 4;
    const int rowHeight = 3;
    QImage image((param.bitColumns + 2 * quiet) * px, (param.codeRows * rowHeight + 2 * quiet) * px,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int r = 0; r < param.codeRows; ++r) {
        const std::vector<bool> modules = rowModules(param, r);
        for (int m = 0; m < param.bitColumns; ++m) {
            if (modules[size_t(m)])
                painter.fillRect((quiet + m) * px, (quiet + r * rowHeight) * px, px, rowHeight * px, Qt::black);
        }
    }
    return image;
}

} // namespace pdf417test
