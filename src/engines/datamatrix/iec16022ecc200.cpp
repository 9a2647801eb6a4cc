// Size choice, error correction and the module grid of an ECC200 symbol.

#include "engines/datamatrix/iec16022ecc200.h"

#include "engines/datamatrix/reedsol.h"

#include <array>
#include <cstdio>
#include <map>
#include <new>

namespace datamatrix {

// ISO/IEC 16022 ECC200 symbol attributes. The order matters: the size choice takes the first row
// that fits, so 8x32 comes before 16x16.
const Ecc200Size ecc200matrix[31] = {
    {10, 10, 10, 10, 3, 3, 5},
    {12, 12, 12, 12, 5, 5, 7},
    {8, 18, 8, 18, 5, 5, 7},
    {14, 14, 14, 14, 8, 8, 10},
    {8, 32, 8, 16, 10, 10, 11},
    {16, 16, 16, 16, 12, 12, 12},
    {12, 26, 12, 26, 16, 16, 14},
    {18, 18, 18, 18, 18, 18, 14},
    {20, 20, 20, 20, 22, 22, 18},
    {12, 36, 12, 18, 22, 22, 18},
    {22, 22, 22, 22, 30, 30, 20},
    {16, 36, 16, 18, 32, 32, 24},
    {24, 24, 24, 24, 36, 36, 24},
    {26, 26, 26, 26, 44, 44, 28},
    {16, 48, 16, 24, 49, 49, 28},
    {32, 32, 16, 16, 62, 62, 36},
    {36, 36, 18, 18, 86, 86, 42},
    {40, 40, 20, 20, 114, 114, 48},
    {44, 44, 22, 22, 144, 144, 56},
    {48, 48, 24, 24, 174, 174, 68},
    {52, 52, 26, 26, 204, 102, 42},
    {64, 64, 16, 16, 280, 140, 56},
    {72, 72, 18, 18, 368, 92, 36},
    {80, 80, 20, 20, 456, 114, 48},
    {88, 88, 22, 22, 576, 144, 56},
    {96, 96, 24, 24, 696, 174, 68},
    {104, 104, 26, 26, 816, 136, 56},
    {120, 120, 20, 20, 1050, 175, 68},
    {132, 132, 22, 22, 1304, 163, 62},
    {144, 144, 24, 24, 1558, 156, 62},
    {0, 0, 0, 0, 0, 0, 0},
};

const Ecc200Size *ecc200size(int W, int H)
{
    for (const Ecc200Size *m = ecc200matrix; !m->isNull(); ++m)
        if (m->W == W && m->H == H)
            return m;
    return nullptr;
}

namespace {

constexpr unsigned FieldPolynomial = 301;   // x^8 + x^5 + x^3 + x^2 + 1

// One coder per parity count of the size table, built once and only read afterwards.
const ReedSolomon *tableCoder(int nsym)
{
    static const std::map<int, ReedSolomon> coders = [] {
        std::map<int, ReedSolomon> m;
        for (const Ecc200Size *s = ecc200matrix; !s->isNull(); ++s)
            if (!m.count(s->EB))
                m.emplace(s->EB, ReedSolomon::rs_init(FieldPolynomial, s->EB, 1));
        return m;
    }();
    const auto it = coders.find(nsym);
    return it == coders.end() ? nullptr : &it->second;
}

// The placement of ISO/IEC 16022 annex F: the eight modules of one codeword in their "utah"
// shape, wrapped around the edges of the data area.
struct Placement {
    int *array;
    int NR, NC;
};

void ecc200placementbit(const Placement &a, int r, int c, int p, int b)
{
    if (r < 0) {
        r += a.NR;
        c += 4 - ((a.NR + 4) % 8);
    }
    if (c < 0) {
        c += a.NC;
        r += 4 - ((a.NC + 4) % 8);
    }
    a.array[r * a.NC + c] = (p << 3) + b;
}

void ecc200placementblock(const Placement &a, int r, int c, int p)
{
    ecc200placementbit(a, r - 2, c - 2, p, 7);
    ecc200placementbit(a, r - 2, c - 1, p, 6);
    ecc200placementbit(a, r - 1, c - 2, p, 5);
    ecc200placementbit(a, r - 1, c - 1, p, 4);
    ecc200placementbit(a, r - 1, c, p, 3);
    ecc200placementbit(a, r, c - 2, p, 2);
    ecc200placementbit(a, r, c - 1, p, 1);
    ecc200placementbit(a, r, c, p, 0);
}

void ecc200placementcornerA(const Placement &a, int p)
{
    const int NR = a.NR, NC = a.NC;
    ecc200placementbit(a, NR - 1, 0, p, 7);
    ecc200placementbit(a, NR - 1, 1, p, 6);
    ecc200placementbit(a, NR - 1, 2, p, 5);
    ecc200placementbit(a, 0, NC - 2, p, 4);
    ecc200placementbit(a, 0, NC - 1, p, 3);
    ecc200placementbit(a, 1, NC - 1, p, 2);
    ecc200placementbit(a, 2, NC - 1, p, 1);
    ecc200placementbit(a, 3, NC - 1, p, 0);
}

void ecc200placementcornerB(const Placement &a, int p)
{
    const int NR = a.NR, NC = a.NC;
    ecc200placementbit(a, NR - 3, 0, p, 7);
    ecc200placementbit(a, NR - 2, 0, p, 6);
    ecc200placementbit(a, NR - 1, 0, p, 5);
    ecc200placementbit(a, 0, NC - 4, p, 4);
    ecc200placementbit(a, 0, NC - 3, p, 3);
    ecc200placementbit(a, 0, NC - 2, p, 2);
    ecc200placementbit(a, 0, NC - 1, p, 1);
    ecc200placementbit(a, 1, NC - 1, p, 0);
}

void ecc200placementcornerC(const Placement &a, int p)
{
    const int NR = a.NR, NC = a.NC;
    ecc200placementbit(a, NR - 3, 0, p, 7);
    ecc200placementbit(a, NR - 2, 0, p, 6);
    ecc200placementbit(a, NR - 1, 0, p, 5);
    ecc200placementbit(a, 0, NC - 2, p, 4);
    ecc200placementbit(a, 0, NC - 1, p, 3);
    ecc200placementbit(a, 1, NC - 1, p, 2);
    ecc200placementbit(a, 2, NC - 1, p, 1);
    ecc200placementbit(a, 3, NC - 1, p, 0);
}

void ecc200placementcornerD(const Placement &a, int p)
{
    const int NR = a.NR, NC = a.NC;
    ecc200placementbit(a, NR - 1, 0, p, 7);
    ecc200placementbit(a, NR - 1, NC - 1, p, 6);
    ecc200placementbit(a, 0, NC - 3, p, 5);
    ecc200placementbit(a, 0, NC - 2, p, 4);
    ecc200placementbit(a, 0, NC - 1, p, 3);
    ecc200placementbit(a, 1, NC - 3, p, 2);
    ecc200placementbit(a, 1, NC - 2, p, 1);
    ecc200placementbit(a, 1, NC - 1, p, 0);
}

} // namespace

void ecc200(std::uint8_t *binary, int bytes, int datablock, int rsblock, Ecc144Order order)
{
    if (datablock <= 0 || rsblock <= 0)
        return;
    const int blocks = (bytes + 2) / datablock;
    const ReedSolomon *coder = tableCoder(rsblock);
    std::optional<ReedSolomon> own;
    if (!coder) {
        own = ReedSolomon::rs_init(FieldPolynomial, rsblock, 1);
        coder = &*own;
    }
    std::vector<std::uint8_t> buf;
    buf.reserve(std::size_t(datablock) + 1);
    std::vector<std::uint8_t> ecc(static_cast<std::size_t>(rsblock));
    // Only 144x144 has 1558 data codewords; its parity may start from block 8.
    const int shift = (bytes == 1558 && blocks == 10 && order == Ecc144Order::Industry) ? 2 : 0;
    for (int b = 0; b < blocks; ++b) {
        buf.clear();
        for (int n = b; n < bytes; n += blocks)
            buf.push_back(binary[n]);
        coder->rs_encode(buf.size(), buf.data(), ecc.data());
        for (int n = 0; n < rsblock; ++n)
            binary[bytes + (b + shift) % blocks + n * blocks] = ecc[std::size_t(n)];
    }
}

void ecc200placement(int *array, int NR, int NC)
{
    for (int i = 0; i < NR * NC; ++i)
        array[i] = 0;
    const Placement pl{array, NR, NC};
    auto empty = [&](int r, int c) { return !array[r * NC + c]; };
    int p = 1, r = 4, c = 0;
    do {
        if (r == NR && c == 0)
            ecc200placementcornerA(pl, p++);
        if (r == NR - 2 && c == 0 && NC % 4)
            ecc200placementcornerB(pl, p++);
        if (r == NR - 2 && c == 0 && NC % 8 == 4)
            ecc200placementcornerC(pl, p++);
        if (r == NR + 4 && c == 2 && !(NC % 8))
            ecc200placementcornerD(pl, p++);
        // sweep up and to the right
        do {
            if (r < NR && c >= 0 && empty(r, c))
                ecc200placementblock(pl, r, c, p++);
            r -= 2;
            c += 2;
        } while (r >= 0 && c < NC);
        r++;
        c += 3;
        // then down and to the left
        do {
            if (r >= 0 && c < NC && empty(r, c))
                ecc200placementblock(pl, r, c, p++);
            r += 2;
            c -= 2;
        } while (r < NR && c >= 0);
        r += 3;
        c++;
    } while (r < NR || c < NC);
    // the unused corner of some sizes is a fixed checkerboard
    if (empty(NR - 1, NC - 1)) {
        array[(NR - 1) * NC + NC - 1] = 1;
        array[(NR - 2) * NC + NC - 2] = 1;
    }
}

namespace {

QString formatted(const char *format, int a, int b)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, format, a, b);
    return QString::fromLatin1(buf);
}

// The grid of a size from its data and error-correction codewords: finder and clock patterns of
// every region, then the data area. Row 0 is the bottom row.
std::vector<std::uint8_t> buildGrid(const Ecc200Size &m, const std::uint8_t *binary)
{
    const int W = m.W, H = m.H, FW = m.FW, FH = m.FH;
    const int NR = H - 2 * (H / FH), NC = W - 2 * (W / FW);
    std::vector<int> places(std::size_t(NR) * std::size_t(NC));
    ecc200placement(places.data(), NR, NC);

    std::vector<std::uint8_t> grid(std::size_t(W) * std::size_t(H), 0);
    auto set = [&](int x, int y) { grid[std::size_t(y) * std::size_t(W) + std::size_t(x)] = 1; };
    for (int y = 0; y < H; y += FH) {
        for (int x = 0; x < W; ++x)
            set(x, y);
        for (int x = 0; x < W; x += 2)
            set(x, y + FH - 1);
    }
    for (int x = 0; x < W; x += FW) {
        for (int y = 0; y < H; ++y)
            set(x, y);
        for (int y = 0; y < H; y += 2)
            set(x + FW - 1, y);
    }
    for (int y = 0; y < NR; ++y) {
        for (int x = 0; x < NC; ++x) {
            const int v = places[std::size_t(NR - 1 - y) * std::size_t(NC) + std::size_t(x)];
            if (v == 1 || (v > 7 && (binary[(v >> 3) - 1] & (1 << (v & 7)))))
                set(1 + x + 2 * (x / (FW - 2)), 1 + y + 2 * (y / (FH - 2)));
        }
    }
    return grid;
}

} // namespace

Ecc200Result iec16022ecc200(const std::uint8_t *barcode, int barcodelen, const Ecc200Request &request)
{
    Ecc200Result res;
    res.width = request.width;
    res.height = request.height;
    res.encoding = request.encoding;

    auto report = [&](const QString &message) {
        res.error += message;
        if (request.printErrors)
            std::fputs(message.toLocal8Bit().constData(), stderr);
    };
    auto reportEncoder = [&](const std::string &message) {
        if (!message.empty())
            report(QString::fromLatin1(message.data(), qsizetype(message.size())));
    };
    if (barcodelen < 0 || (barcodelen > 0 && !barcode)) {
        report(QStringLiteral("Cannot find suitable size, barcode too long\n"));
        return res;
    }

    try {
        std::array<std::uint8_t, ecc200MaxCodewords> binary{};
        const Ecc200Size *matrix = nullptr;
        std::string encoding;
        const bool given = request.encoding.has_value();
        if (given)
            encoding = *request.encoding;
        bool encoded = false;   // binary already holds the chosen size's data codewords
        int len = 0;

        if (request.width) {
            matrix = ecc200size(request.width, request.height);
            if (!matrix) {
                report(formatted("Invalid size %dx%d\n", request.width, request.height));
                return res;
            }
            if (!given) {
                auto e = encmake(barcodelen, barcode, &len, true);
                if (!e || len != matrix->D)
                    e = encmake(barcodelen, barcode, &len, false);
                if (!e || len > matrix->D) {
                    report(formatted("Cannot make barcode fit %dx%d\n", matrix->W, matrix->H));
                    return res;
                }
                encoding = std::move(*e);
            }
        } else if (given) {
            std::string message;
            for (const Ecc200Size *m = ecc200matrix; !m->isNull(); ++m) {
                message.clear();
                if (!ecc200encode(binary.data(), m->D, barcode, barcodelen, encoding, &len, &message)) {
                    if (!message.empty())
                        break;   // a bad letter or byte fails at every size
                    continue;
                }
                if (request.squareOnly && !m->isSquare())
                    continue;
                matrix = m;
                encoded = true;
                break;
            }
            if (!matrix) {
                reportEncoder(message);
                report(QStringLiteral("Cannot find suitable size, barcode too long\n"));
                return res;
            }
        } else {
            auto e = encmake(barcodelen, barcode, &len, true);
            if (e) {
                for (const Ecc200Size *m = ecc200matrix; !m->isNull() && !matrix; ++m)
                    if (m->isSquare() && m->D == len)
                        matrix = m;
            }
            if (!matrix) {
                e = encmake(barcodelen, barcode, &len, false);
                if (e) {
                    for (const Ecc200Size *m = ecc200matrix; !m->isNull() && !matrix; ++m)
                        if (m->isSquare() && m->D > len)
                            matrix = m;
                }
            }
            if (!matrix) {
                report(QStringLiteral("Cannot find suitable size, barcode too long\n"));
                return res;
            }
            encoding = std::move(*e);
        }

        res.width = matrix->W;
        res.height = matrix->H;
        res.capacity = matrix->D;
        res.eccLength = matrix->eccCount();
        if (!encoded) {
            std::string message;
            encoded = ecc200encode(binary.data(), matrix->D, barcode, barcodelen, encoding, &len, &message);
            res.encoding = encoding;
            res.dataLength = len;
            if (!encoded) {
                reportEncoder(message);
                char buf[96];
                std::snprintf(buf, sizeof buf, "Barcode too long for %dx%d ", matrix->W, matrix->H);
                QString text = QString::fromLatin1(buf) + QString::fromLatin1(encoding.data(), qsizetype(encoding.size()));
                std::snprintf(buf, sizeof buf, " %u bytes\n", unsigned(matrix->D));
                report(text + QString::fromLatin1(buf));
                return res;
            }
        }
        res.encoding = encoding;
        res.dataLength = len;

        ecc200(binary.data(), matrix->D, matrix->DB, matrix->EB);
        res.grid = buildGrid(*matrix, binary.data());
    } catch (const std::bad_alloc &) {
        // No process exit: the caller gets no symbol and the reason.
        res.grid.clear();
        report(formatted("Malloc(%d) failed\n", res.width * res.height, 0));
    }
    return res;
}

Ecc200Result iec16022ecc200(const QByteArray &data, const Ecc200Request &request)
{
    return iec16022ecc200(reinterpret_cast<const std::uint8_t *>(data.constData()), int(data.size()), request);
}

} // namespace datamatrix
