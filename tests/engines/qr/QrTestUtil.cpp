#include "QrTestUtil.h"

#include <ZXing/ReadBarcode.h>

#include <cstring>

namespace qrtest {

QImage matrixImage(const std::function<bool(int, int)> &dark, int size, int scale, int quiet)
{
    const int side = (size + 2 * quiet) * scale;
    QImage image(side, side, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!dark(x, y))
                continue;
            for (int dy = 0; dy < scale; ++dy) {
                uchar *line = image.scanLine((y + quiet) * scale + dy);
                std::memset(line + (x + quiet) * scale, 0, size_t(scale));
            }
        }
    }
    return image;
}

QImage encoderImage(const CQR_Encode &encoder, int scale, int quiet)
{
    return matrixImage([&](int x, int y) { return encoder.m_byModuleData[size_t(x)][size_t(y)] == 1; },
                       int(encoder.m_nSymbleSize), scale, quiet);
}

QImage gridImage(const qr::DataMatrix &grid, int scale, int quiet)
{
    return matrixImage([&](int x, int y) { return grid.valueAt(x, y) != 0; }, int(grid.dimension()), scale, quiet);
}

Reading readQr(const QImage &in)
{
    QImage flat(in.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        // Transparent pixels read as the white underneath.
        QImage src = in.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < src.height(); ++y) {
            const auto *s = reinterpret_cast<const QRgb *>(src.constScanLine(y));
            auto *d = reinterpret_cast<QRgb *>(flat.scanLine(y));
            for (int x = 0; x < src.width(); ++x) {
                const int a = qAlpha(s[x]);
                auto mix = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
                d[x] = qRgb(mix(qRed(s[x])), mix(qGreen(s[x])), mix(qBlue(s[x])));
            }
        }
    }
    const QImage grey = flat.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    auto hints = ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::QRCode).setTryHarder(true).setTryRotate(false);
    const ZXing::Result r = ZXing::ReadBarcode(view, hints);
    Reading out;
    if (!r.isValid())
        return out;
    out.ok = true;
    const auto &raw = r.bytes();
    out.bytes = QByteArray(reinterpret_cast<const char *>(raw.data()), qsizetype(raw.size()));
    out.text = QString::fromStdString(r.text());
    out.ecLevel = QString::fromStdString(r.ecLevel());
    return out;
}

std::unique_ptr<CQR_Encode> encode(const QByteArray &bytes, int level, int version, bool autoExtent, int mask)
{
    auto encoder = std::make_unique<CQR_Encode>();
    if (!encoder->EncodeData(level, version, autoExtent, mask, reinterpret_cast<const uint8_t *>(bytes.constData()),
                             bytes.size()))
        return nullptr;
    return encoder;
}

long penaltyOf(const CQR_Encode &e)
{
    const int s = int(e.m_nSymbleSize);
    auto dark = [&](int x, int y) { return e.m_byModuleData[size_t(x)][size_t(y)] == 1; };
    long total = 0;
    // Rule 1 along columns and rows: a run of k >= 5 scores 3 + (k - 5).
    for (int line = 0; line < s; ++line) {
        for (int vertical = 0; vertical < 2; ++vertical) {
            int run = 1;
            for (int p = 1; p <= s; ++p) {
                const bool same = p < s && (vertical ? dark(line, p) == dark(line, p - 1) : dark(p, line) == dark(p - 1, line));
                if (same) {
                    ++run;
                    continue;
                }
                if (run >= 5)
                    total += 3 + (run - 5);
                run = 1;
            }
        }
    }
    // Rule 2: every 2 x 2 block of one colour.
    for (int x = 0; x + 1 < s; ++x)
        for (int y = 0; y + 1 < s; ++y)
            if (dark(x, y) == dark(x + 1, y) && dark(x, y) == dark(x, y + 1) && dark(x, y) == dark(x + 1, y + 1))
                total += 3;
    // Rule 3: dark-light-dark-dark-dark-light-dark bounded by light, with four light modules
    // (or the edge) on at least one side.
    for (int line = 0; line < s; ++line) {
        for (int vertical = 0; vertical < 2; ++vertical) {
            auto at = [&](int p) -> int {   // 1 dark, 0 light, -1 outside
                if (p < 0 || p >= s)
                    return -1;
                return vertical ? dark(line, p) : dark(p, line);
            };
            for (int p = 0; p + 7 <= s; ++p) {
                const int want[7] = {1, 0, 1, 1, 1, 0, 1};
                bool match = true;
                for (int k = 0; k < 7; ++k)
                    match = match && at(p + k) == want[k];
                if (!match || at(p - 1) == 1 || at(p + 7) == 1)
                    continue;
                const bool before = at(p - 2) != 1 && at(p - 3) != 1 && at(p - 4) != 1;
                const bool after = at(p + 8) != 1 && at(p + 9) != 1 && at(p + 10) != 1;
                if (before || after)
                    total += 40;
            }
        }
    }
    // Rule 4: ten points for every full 5 % that the light share lies away from 50 %.
    long light = 0;
    for (int x = 0; x < s; ++x)
        for (int y = 0; y < s; ++y)
            light += dark(x, y) ? 0 : 1;
    const long percent = 100 * light / (long(s) * s);
    total += 10 * (std::labs(50 - percent) / 5);
    return total;
}

unsigned formatWordTopLeft(const CQR_Encode &e)
{
    auto bit = [&](int x, int y) { return unsigned(e.m_byModuleData[size_t(x)][size_t(y)] == 1); };
    unsigned word = 0;
    // Bit 14 first: row 8 from column 0 (skipping the timing column), then column 8 upwards.
    const int order[15][2] = {{0, 8}, {1, 8}, {2, 8}, {3, 8}, {4, 8}, {5, 8}, {7, 8}, {8, 8},
                              {8, 7}, {8, 5}, {8, 4}, {8, 3}, {8, 2}, {8, 1}, {8, 0}};
    for (const auto &xy : order)
        word = word << 1 | bit(xy[0], xy[1]);
    return word;
}

unsigned formatWordSplit(const CQR_Encode &e)
{
    const int s = int(e.m_nSymbleSize);
    auto bit = [&](int x, int y) { return unsigned(e.m_byModuleData[size_t(x)][size_t(y)] == 1); };
    unsigned word = 0;
    // Bit 14 first: column 8 from the bottom row upwards (bits 14-8), then row 8 from s-8 rightwards.
    for (int i = 0; i < 7; ++i)
        word = word << 1 | bit(8, s - 1 - i);
    for (int i = 0; i < 8; ++i)
        word = word << 1 | bit(s - 8 + i, 8);
    return word;
}

const char *payloadName(Payload kind)
{
    switch (kind) {
    case Payload::Digits: return "digits";
    case Payload::Alphanumeric: return "alphanumeric";
    case Payload::Latin1Text: return "Latin-1 text";
    case Payload::Utf8Text: return "UTF-8 text";
    default: return "binary";
    }
}

QByteArray payload(Payload kind, int n, std::mt19937 &rng)
{
    static const char kAlnum[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:";
    QByteArray out;
    QString text;
    for (int i = 0; i < n; ++i) {
        switch (kind) {
        case Payload::Digits:
            out += char('0' + rng() % 10);
            break;
        case Payload::Alphanumeric:
            out += kAlnum[rng() % 45];
            break;
        case Payload::Latin1Text: {
            // Words of letters and digits with accented letters and punctuation among them.
            const unsigned r = rng() % 100;
            const ushort c = r < 50 ? ushort('a' + rng() % 26) : r < 65 ? ushort('0' + rng() % 10)
                           : r < 75 ? ushort(' ') : r < 85 ? ushort('A' + rng() % 26) : ushort(0xA0 + rng() % 96);
            out += char(c);
            break;
        }
        case Payload::Utf8Text: {
            const unsigned r = rng() % 100;
            const char32_t c = r < 40 ? char32_t('a' + rng() % 26) : r < 55 ? char32_t('0' + rng() % 10)
                             : r < 65 ? char32_t(' ') : r < 80 ? char32_t(0xC0 + rng() % 0x40)
                             : r < 92 ? char32_t(0x3041 + rng() % 0x50) : char32_t(0x1F600 + rng() % 0x40);
            text += QString::fromUcs4(&c, 1);
            break;
        }
        default:
            out += char(rng() % 256);
            break;
        }
    }
    return kind == Payload::Utf8Text ? text.toUtf8() : out;
}

} // namespace qrtest
