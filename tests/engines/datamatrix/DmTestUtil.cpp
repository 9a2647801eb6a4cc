#include "DmTestUtil.h"

#include "support/Decode.h"

#include <QColor>
#include <QFile>

namespace dmtest {

QImage gridImage(const datamatrix::Ecc200Result &symbol, int px, int quiet)
{
    const int W = symbol.width, H = symbol.height;
    QImage img((W + 2 * quiet) * px, (H + 2 * quiet) * px, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (!symbol.module(x, y))
                continue;
            const int top = (quiet + H - 1 - y) * px, left = (quiet + x) * px;
            for (int dy = 0; dy < px; ++dy)
                for (int dx = 0; dx < px; ++dx)
                    img.setPixel(left + dx, top + dy, qRgb(0, 0, 0));
        }
    }
    return img;
}

namespace {

// Visits every data module: its grid column and row (from the bottom) and its placement value.
template <typename F>
void forEachDataModule(const datamatrix::Ecc200Result &symbol, F f)
{
    const datamatrix::Ecc200Size *m = datamatrix::ecc200size(symbol.width, symbol.height);
    const int NR = m->H - 2 * (m->H / m->FH), NC = m->W - 2 * (m->W / m->FW);
    std::vector<int> a(std::size_t(NR * NC));
    datamatrix::ecc200placement(a.data(), NR, NC);
    for (int y = 0; y < NR; ++y)
        for (int x = 0; x < NC; ++x)
            f(1 + x + 2 * (x / (m->FW - 2)), 1 + y + 2 * (y / (m->FH - 2)), a[std::size_t((NR - 1 - y) * NC + x)]);
}

} // namespace

std::vector<std::uint8_t> gridCodewords(const datamatrix::Ecc200Result &symbol)
{
    const datamatrix::Ecc200Size *m = datamatrix::ecc200size(symbol.width, symbol.height);
    std::vector<std::uint8_t> cw(std::size_t(m->D + m->eccCount()), 0);
    forEachDataModule(symbol, [&](int gx, int gy, int v) {
        if (v >= 8 && symbol.module(gx, gy))
            cw[std::size_t((v >> 3) - 1)] |= std::uint8_t(1 << (v & 7));
    });
    return cw;
}

QStringList zintDump(const datamatrix::Ecc200Result &symbol)
{
    QStringList rows;
    for (int y = symbol.height - 1; y >= 0; --y) {
        QStringList bytes;
        for (int x0 = 0; x0 < symbol.width; x0 += 8) {
            int v = 0;
            for (int x = x0; x < x0 + 8; ++x)
                v = (v << 1) | (x < symbol.width && symbol.module(x, y) ? 1 : 0);
            bytes << QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
        }
        rows << bytes.join(QLatin1Char(' '));
    }
    return rows;
}

QStringList zintDump(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList rows;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            rows << QString::fromLatin1(line.trimmed());
    return rows;
}

Read readSymbol(const datamatrix::Ecc200Result &symbol)
{
    const testsupport::Decoded d = testsupport::decode(gridImage(symbol), QStringLiteral("DataMatrix"));
    return {d.ok, d.bytes};
}

QByteArray randomFrom(std::mt19937 &rng, const QByteArray &alphabet, int length)
{
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
    QByteArray out;
    out.reserve(length);
    for (int i = 0; i < length; ++i)
        out.append(alphabet[pick(rng)]);
    return out;
}

QByteArray randomBytes(std::mt19937 &rng, int length)
{
    std::uniform_int_distribution<int> pick(0, 255);
    QByteArray out;
    for (int i = 0; i < length; ++i)
        out.append(char(pick(rng)));
    return out;
}

QByteArray upperAlphabet()
{
    return QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789    -./:a");
}

QByteArray lowerAlphabet()
{
    return QByteArray("abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz0123456789    ,.!A");
}

QByteArray printableAlphabet()
{
    QByteArray a;
    for (int c = 32; c < 127; ++c)
        a.append(char(c));
    return a;
}

QByteArray x12Alphabet()
{
    return QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 *>\r");
}

QByteArray edifactAlphabet()
{
    QByteArray a;
    for (int c = 32; c <= 94; ++c)
        a.append(char(c));
    return a;
}

QByteArray mixedAlphabet()
{
    QByteArray a = printableAlphabet();
    a.append("\t\n\x01\x7f");
    a.append("\x80\xa9\xe9\xff\xc3");
    return a;
}

bool syndromesVanish(const std::vector<std::uint8_t> &codeword, int nsym)
{
    // GF(256) multiplication by shift-and-add, no tables.
    auto mul = [](int a, int b) {
        int r = 0;
        while (b) {
            if (b & 1)
                r ^= a;
            a <<= 1;
            if (a & 0x100)
                a ^= 301;
            b >>= 1;
        }
        return r;
    };
    int root = 1;
    for (int j = 1; j <= nsym; ++j) {
        root = mul(root, 2);   // alpha^j
        int s = 0;
        for (const std::uint8_t c : codeword)   // Horner, highest power first
            s = mul(s, root) ^ c;
        if (s != 0)
            return false;
    }
    return true;
}

} // namespace dmtest
