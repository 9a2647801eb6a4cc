// Size choice, error correction, placement and the grid.

#include "DmTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace datamatrix;

namespace {

Ecc200Result encode(const QByteArray &data, int W = 0, int H = 0, std::optional<std::string> enc = std::nullopt,
                    bool squareOnly = false)
{
    Ecc200Request r;
    r.width = W;
    r.height = H;
    r.encoding = std::move(enc);
    r.squareOnly = squareOnly;
    r.printErrors = false;
    return iec16022ecc200(data, r);
}

// The data and error-correction codewords of data at a size, through the encoder's own steps.
std::vector<std::uint8_t> codewords(const QByteArray &data, const Ecc200Size &m, const std::string &enc)
{
    std::vector<std::uint8_t> cw(ecc200MaxCodewords);
    int len = 0;
    EXPECT_TRUE(ecc200encode(cw.data(), m.D, reinterpret_cast<const std::uint8_t *>(data.constData()),
                             int(data.size()), enc, &len));
    ecc200(cw.data(), m.D, m.DB, m.EB);
    cw.resize(std::size_t(m.D + m.eccCount()));
    return cw;
}

} // namespace

TEST(Ecc200, DigitsGiveTheTenByTenExample)
{
    const Ecc200Result r = encode("123456");
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.width, 10);
    EXPECT_EQ(r.height, 10);
    EXPECT_EQ(r.capacity, 3);
    EXPECT_EQ(r.eccLength, 5);
    EXPECT_EQ(r.dataLength, 3);
    EXPECT_EQ(r.encoding, std::optional<std::string>("AAAAAA"));
    EXPECT_TRUE(r.error.isEmpty());

    const auto cw = codewords("123456", *ecc200size(10, 10), "AAAAAA");
    EXPECT_EQ(cw, (std::vector<std::uint8_t>{142, 164, 186, 114, 25, 5, 88, 102}));

    const dmtest::Read read = dmtest::readSymbol(r);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, QByteArray("123456"));
}

TEST(Ecc200, FinderAndClockPatterns)
{
    // Every size and every region: solid left and bottom edges, top and right edges alternating
    // from a dark module at the left and at the bottom.
    for (const Ecc200Size *m = ecc200matrix; !m->isNull(); ++m) {
        const Ecc200Result r = encode("x", m->W, m->H);
        ASSERT_TRUE(r.ok()) << m->W << "x" << m->H;
        ASSERT_EQ(r.grid.size(), std::size_t(m->W * m->H));
        for (int ry = 0; ry < m->H; ry += m->FH) {
            for (int x = 0; x < m->W; ++x) {
                EXPECT_TRUE(r.module(x, ry)) << m->W << "x" << m->H << " x " << x;
                EXPECT_EQ(r.module(x, ry + m->FH - 1), x % 2 == 0) << m->W << "x" << m->H << " x " << x;
            }
        }
        for (int rx = 0; rx < m->W; rx += m->FW) {
            for (int y = 0; y < m->H; ++y) {
                EXPECT_TRUE(r.module(rx, y)) << m->W << "x" << m->H << " y " << y;
                EXPECT_EQ(r.module(rx + m->FW - 1, y), y % 2 == 0) << m->W << "x" << m->H << " y " << y;
            }
        }
    }
}

TEST(Ecc200, TableSizesHoldTheirCodewords)
{
    // The placement gives every bit of every codeword exactly one module; the four modules left
    // over in some sizes form the fixed corner: dark at the corner and diagonally inside it.
    for (const Ecc200Size *m = ecc200matrix; !m->isNull(); ++m) {
        const int NR = m->H - 2 * (m->H / m->FH), NC = m->W - 2 * (m->W / m->FW);
        std::vector<int> a(std::size_t(NR * NC));
        ecc200placement(a.data(), NR, NC);
        const int total = m->D + m->eccCount();
        std::vector<int> seen(std::size_t(total + 1) * 8, 0);
        for (const int v : a) {
            if (v < 8)
                continue;
            ASSERT_LE(v >> 3, total) << m->W << "x" << m->H;
            ++seen[std::size_t(v)];
        }
        for (int c = 1; c <= total; ++c)
            for (int b = 0; b < 8; ++b)
                ASSERT_EQ(seen[std::size_t(c * 8 + b)], 1) << m->W << "x" << m->H << " codeword " << c << " bit " << b;
        const int spare = NR * NC - total * 8;
        auto at = [&](int r, int c) { return a[std::size_t(r * NC + c)]; };
        if (spare == 0) {
            for (const int v : a)
                EXPECT_GE(v, 8);
        } else {
            ASSERT_EQ(spare, 4) << m->W << "x" << m->H;
            EXPECT_EQ(at(NR - 1, NC - 1), 1);
            EXPECT_EQ(at(NR - 2, NC - 2), 1);
            EXPECT_EQ(at(NR - 1, NC - 2), 0);
            EXPECT_EQ(at(NR - 2, NC - 1), 0);
        }
    }
}

TEST(Ecc200, LargestSymbolInterleavesTenBlocks)
{
    const Ecc200Size &m = *ecc200size(144, 144);
    EXPECT_EQ(m.blocks(), 10);
    EXPECT_EQ(m.eccCount(), 620);

    std::mt19937 rng(144);
    const QByteArray data = dmtest::randomBytes(rng, 1555);   // Base 256: latch and two length codewords
    const Ecc200Result r = encode(data, 144, 144, std::string(std::size_t(data.size()), 'B'));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.dataLength, 1558);
    EXPECT_EQ(r.eccLength, 620);

    // Block b holds the data codewords b, b + 10, ...: 8 blocks of 156 and 2 of 155 data
    // codewords, each a codeword of the 62-parity code. The parity starts from block 8: block b's
    // lies at D + (b + 2) mod 10 + k x 10, in the codewords and in the grid alike; the literal
    // reading of the standard puts it at D + b + k x 10.
    const std::string enc(std::size_t(data.size()), 'B');
    const auto cw = codewords(data, m, enc);
    EXPECT_EQ(dmtest::gridCodewords(r), cw);
    std::vector<std::uint8_t> literal(ecc200MaxCodewords);
    std::copy(cw.begin(), cw.begin() + m.D, literal.begin());
    ecc200(literal.data(), m.D, m.DB, m.EB, Ecc144Order::Literal);
    for (int b = 0; b < 10; ++b) {
        std::vector<std::uint8_t> block, literalBlock;
        for (int n = b; n < m.D; n += 10)
            block.push_back(cw[std::size_t(n)]);
        EXPECT_EQ(block.size(), b < 8 ? 156u : 155u);
        literalBlock = block;
        for (int k = 0; k < 62; ++k) {
            block.push_back(cw[std::size_t(m.D + (b + 2) % 10 + k * 10)]);
            literalBlock.push_back(literal[std::size_t(m.D + b + k * 10)]);
        }
        EXPECT_TRUE(dmtest::syndromesVanish(block, 62)) << "block " << b;
        EXPECT_TRUE(dmtest::syndromesVanish(literalBlock, 62)) << "literal block " << b;
    }
    // Read as every other size is, with no re-ordering.
    const dmtest::Read read = dmtest::readSymbol(r);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, data);

    // Every other size has blocks of one length and one order, whatever is asked.
    const Ecc200Size &s132 = *ecc200size(132, 132);
    std::vector<std::uint8_t> a(ecc200MaxCodewords, 7), b(ecc200MaxCodewords, 7);
    ecc200(a.data(), s132.D, s132.DB, s132.EB, Ecc144Order::Industry);
    ecc200(b.data(), s132.D, s132.DB, s132.EB, Ecc144Order::Literal);
    EXPECT_EQ(a, b);
}

TEST(Ecc200, LargestSymbolEqualsZintModuleForModule)
{
    // Grids written by zint 2.11 (zint -b 71 --vers=24 --dump) for the same data, one filling the
    // symbol and one closed by pad codewords; both take ASCII digit pairs in either encoder.
    struct Case {
        const char *file;
        QByteArray data;
    };
    const Case cases[] = {
        {"zint_144x144_digits.txt", QByteArray("0123456789").repeated(311) + "012345"},
        {"zint_144x144_padded.txt", QByteArray("9876543210").repeated(300)},
    };
    for (const Case &c : cases) {
        const QStringList expected = dmtest::zintDump(QStringLiteral(TAGORA_TEST_SOURCE_DIR "/engines/datamatrix/data/")
                                                      + QLatin1String(c.file));
        ASSERT_EQ(expected.size(), 144) << c.file;
        const Ecc200Result r = encode(c.data, 144, 144);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        const QStringList ours = dmtest::zintDump(r);
        int differing = 0;
        for (int row = 0; row < 144; ++row)
            differing += ours[row] != expected[row];
        EXPECT_EQ(differing, 0) << c.file;
        const dmtest::Read read = dmtest::readSymbol(r);
        ASSERT_TRUE(read.ok) << c.file;
        EXPECT_EQ(read.bytes, c.data);
    }
}

TEST(Ecc200, InvalidSizeWritesNothingBack)
{
    const Ecc200Result r = encode("123456", 14, 10, std::string("AAAAAA"));
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.error, QStringLiteral("Invalid size 14x10\n"));
    EXPECT_EQ(r.width, 14);
    EXPECT_EQ(r.height, 10);
    EXPECT_EQ(r.capacity, 0);
    EXPECT_EQ(r.dataLength, 0);
    EXPECT_EQ(r.encoding, std::optional<std::string>("AAAAAA"));

    // Rows and columns are not swapped: 8 rows of 18 columns exist, 18 rows of 8 do not.
    EXPECT_TRUE(encode("1", 18, 8).ok());
    EXPECT_EQ(encode("1", 8, 18).error, QStringLiteral("Invalid size 8x18\n"));
    EXPECT_EQ(encode("1", 10, 0).error, QStringLiteral("Invalid size 10x0\n"));
}

TEST(Ecc200, FitFailures)
{
    // Automatic encodation that cannot fit the asked size.
    const Ecc200Result a = encode(QByteArray(30, 'a'), 10, 10);
    EXPECT_FALSE(a.ok());
    EXPECT_EQ(a.error, QStringLiteral("Cannot make barcode fit 10x10\n"));
    EXPECT_EQ(a.capacity, 0);

    // A given encodation that does not fit: the out values are written.
    const Ecc200Result b = encode("ABCDEFGH", 10, 10, std::string("AAAAAAAA"));
    EXPECT_FALSE(b.ok());
    EXPECT_EQ(b.error, QStringLiteral("Barcode too long for 10x10 AAAAAAAA 3 bytes\n"));
    EXPECT_EQ(b.width, 10);
    EXPECT_EQ(b.capacity, 3);
    EXPECT_EQ(b.eccLength, 5);

    // Too long for any size.
    const Ecc200Result c = encode(QByteArray(1600, '\xff'));
    EXPECT_FALSE(c.ok());
    EXPECT_EQ(c.error, QStringLiteral("Cannot find suitable size, barcode too long\n"));
    const Ecc200Result d = encode(QByteArray(1600, '\xff'), 0, 0, std::string(1600, 'B'));
    EXPECT_EQ(d.error, QStringLiteral("Cannot find suitable size, barcode too long\n"));
    // Beyond what the automatic encodation plans for.
    EXPECT_EQ(encode(QByteArray(4000, '1')).error, QStringLiteral("Cannot find suitable size, barcode too long\n"));
    EXPECT_EQ(encode(QByteArray(4000, '1'), 144, 144).error, QStringLiteral("Cannot make barcode fit 144x144\n"));
}

TEST(Ecc200, EncodationErrorsAreReported)
{
    const Ecc200Result a = encode("abc", 0, 0, std::string("AZA"));
    EXPECT_FALSE(a.ok());
    EXPECT_EQ(a.error, QStringLiteral("Unknown encoding z\nCannot find suitable size, barcode too long\n"));

    const Ecc200Result b = encode("abc", 12, 12, std::string("AA"));
    EXPECT_EQ(b.error, QStringLiteral("Encoding string too short\nBarcode too long for 12x12 AA 5 bytes\n"));

    const Ecc200Result c = encode("AB*a", 0, 0, std::string("XXXX"));
    EXPECT_EQ(c.error, QStringLiteral("Cannot encode char 0x61 in X12\nCannot find suitable size, barcode too long\n"));

    // EDIFACT holds bytes 32-94 only; anything else would read back as a different byte.
    const Ecc200Result d = encode("ABCa", 0, 0, std::string("EEEE"));
    EXPECT_EQ(d.error, QStringLiteral("Cannot encode char 0x61 in EDIFACT\nCannot find suitable size, barcode too long\n"));

    // Lower-case letters are accepted.
    const Ecc200Result e = encode("Ab1", 0, 0, std::string("atb"));
    ASSERT_TRUE(e.ok()) << e.error.toStdString();
    EXPECT_EQ(dmtest::readSymbol(e).bytes, QByteArray("Ab1"));
}

TEST(Ecc200, EmptyDataIsAllPads)
{
    const Ecc200Result r = encode(QByteArray());
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.width, 10);
    EXPECT_EQ(r.dataLength, 0);
    // 129, then the 253-state randomised pads of positions 2 and 3.
    const auto cw = codewords(QByteArray(), *ecc200size(10, 10), "");
    EXPECT_EQ(cw[0], 129);
    EXPECT_EQ(cw[1], 175);   // 129 + (298 mod 253) + 1
    EXPECT_EQ(cw[2], 70);    // 129 + (447 mod 253) + 1 - 254
}

TEST(Ecc200, AutomaticSizeIsSquareUnlessAnEncodationIsGiven)
{
    // Nine ASCII codewords: a square size without an encodation string, 8x32 (before 16x16 in
    // the table) with one, 16x16 again when only squares are asked for.
    const QByteArray data("abcdefghi");
    const Ecc200Result automatic = encode(data);
    ASSERT_TRUE(automatic.ok());
    EXPECT_EQ(automatic.width, automatic.height);

    const Ecc200Result given = encode(data, 0, 0, std::string(9, 'A'));
    ASSERT_TRUE(given.ok());
    EXPECT_EQ(given.height, 8);
    EXPECT_EQ(given.width, 32);
    EXPECT_EQ(dmtest::readSymbol(given).bytes, data);

    const Ecc200Result square = encode(data, 0, 0, std::string(9, 'A'), true);
    ASSERT_TRUE(square.ok());
    EXPECT_EQ(square.width, 16);
    EXPECT_EQ(square.height, 16);

    // Of the non-exact plan, the first square size with strictly more room is taken.
    for (int n = 0; n <= 40; ++n) {
        const QByteArray text(n, 'a');
        int len = 0;
        ASSERT_TRUE(encmake(n, reinterpret_cast<const std::uint8_t *>(text.constData()), &len, false));
        const Ecc200Result s = encode(text);
        ASSERT_TRUE(s.ok());
        EXPECT_TRUE(s.capacity == s.dataLength || s.capacity > len) << n;
        EXPECT_EQ(s.width, s.height);
    }
}

TEST(Ecc200, ExactPlanFillsASizeThatOtherwiseWouldNotHold)
{
    // Latch, three C40 triples and the last digit pair in ASCII with the return implied: exactly
    // the 8 codewords of 14x14. Planned without the end savings it would need 9.
    const QByteArray data("ABCDEFGHI12");
    const auto *s = reinterpret_cast<const std::uint8_t *>(data.constData());
    int exact = 0, loose = 0;
    ASSERT_TRUE(encmake(11, s, &exact, true));
    ASSERT_TRUE(encmake(11, s, &loose, false));
    EXPECT_EQ(exact, 8);
    EXPECT_EQ(loose, 9);

    for (const Ecc200Result &r : {encode(data, 14, 14), encode(data)}) {
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        EXPECT_EQ(r.width, 14);
        EXPECT_EQ(r.dataLength, 8);
        EXPECT_EQ(dmtest::readSymbol(r).bytes, data);
    }
}
