// The generator route's segmentation of least bit length, measured against an exhaustive search,
// and the generator filling version 40 at every level, read back by zxing-cpp.

#include "QrTestUtil.h"

#include "engines/qr/QrGenerator.h"
#include "engines/qr/QrSegmentation.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace qrtest;

namespace {

constexpr int kCountBits[3][3] = {{10, 9, 8}, {12, 11, 16}, {14, 13, 16}};   // group x mode

// Bits of a segment from the data-length formulas of ISO/IEC 18004 (ceil(10n/3), ceil(11n/2), 8n).
int64_t referenceBits(int mode, int64_t n, int group)
{
    const int64_t data = mode == 0 ? (10 * n + 2) / 3 : mode == 1 ? (11 * n + 1) / 2 : 8 * n;
    return 4 + kCountBits[group][mode] + data;
}

bool fits(int mode, char c)
{
    const bool digit = c >= '0' && c <= '9';
    if (mode == 0)
        return digit;
    if (mode == 1)
        return digit || (c >= 'A' && c <= 'Z') || QByteArray(" $%*+-./:").contains(c);
    return true;
}

// The least total over every way of cutting the source into segments (quadratic search over the
// segment ends), as the oracle of the linear dynamic programme.
int64_t exhaustiveLeast(const QByteArray &s, int group)
{
    const int n = int(s.size());
    std::vector<int64_t> best(size_t(n) + 1, std::numeric_limits<int64_t>::max());
    best[0] = 0;
    for (int end = 1; end <= n; ++end)
        for (int mode = 0; mode < 3; ++mode)
            for (int start = end - 1; start >= 0 && fits(mode, s[start]); --start)
                if (best[size_t(start)] != std::numeric_limits<int64_t>::max())
                    best[size_t(end)] = std::min(best[size_t(end)], best[size_t(start)] + referenceBits(mode, end - start, group));
    return best[size_t(n)];
}

QByteArray randomOf(std::mt19937 &rng, const QByteArray &alphabet, int n)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += alphabet[int(rng() % unsigned(alphabet.size()))];
    return out;
}

// Runs of digits, capitals and lower case of random lengths, the mixtures where a segmentation
// rule of thumb goes wrong.
QByteArray mixedRuns(std::mt19937 &rng, int n)
{
    static const QByteArray kinds[] = {"0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:", "abcdefxyz{}\xc3\xa9"};
    QByteArray out;
    while (out.size() < n)
        out += randomOf(rng, kinds[rng() % 3], 1 + int(rng() % 12));
    return out.left(n);
}

std::vector<qr::QrSegment> shortest(const QByteArray &s, int group)
{
    return qr::shortestSegments(reinterpret_cast<const uint8_t *>(s.constData()), s.size(), group);
}

QImage generated(const QByteArray &message, const char *level)
{
    qr::QrGenerator generator;
    generator.setInputMessage(message);
    generator.setInputCorrectionLevel(QString::fromLatin1(level));
    return generator.outputImage();
}

// The generator's image (one pixel per module, one module of border) at three pixels per module
// with a quiet zone.
Reading readGenerated(const QImage &image)
{
    const int n = image.width() - 2;
    return readQr(matrixImage([&](int x, int y) { return qGray(image.pixel(x + 1, y + 1)) < 128; }, n, 3, 4));
}

} // namespace

TEST(QrSegmentation, LeastBitLengthEqualsTheExhaustiveSearch)
{
    std::mt19937 rng(18004);
    for (int round = 0; round < 300; ++round) {
        const QByteArray s = mixedRuns(rng, 1 + int(rng() % 90));
        for (int group = 0; group < 3; ++group) {
            const auto segments = shortest(s, group);
            SCOPED_TRACE(s.toStdString() + " group " + std::to_string(group));
            // Contiguous, covering, every character in a mode that can hold it, no two neighbours
            // of one mode.
            int64_t next = 0;
            for (size_t i = 0; i < segments.size(); ++i) {
                const qr::QrSegment &seg = segments[i];
                ASSERT_EQ(seg.start, next);
                ASSERT_GT(seg.length, 0);
                for (int64_t k = seg.start; k < seg.start + seg.length; ++k)
                    ASSERT_TRUE(fits(seg.mode, s[int(k)])) << k;
                if (i > 0) {
                    EXPECT_NE(seg.mode, segments[i - 1].mode);
                }
                next += seg.length;
            }
            ASSERT_EQ(next, s.size());
            EXPECT_EQ(qr::totalBits(segments, group), exhaustiveLeast(s, group));
        }
    }
}

TEST(QrSegmentation, WorkedCases)
{
    struct Case {
        QByteArray source;
        int group;
        std::vector<std::pair<int, int>> segments;   // mode, length
        int64_t bits;
    };
    const Case cases[] = {
        // A digit between letters stays in the letters' segment.
        {"A1B", 0, {{1, 3}}, 4 + 9 + 11 + 6},
        // Lower case before nine digits: a byte segment, then a numeric one.
        {"abc123456789", 0, {{2, 3}, {0, 9}}, (4 + 8 + 24) + (4 + 10 + 30)},
        // Six digits inside bytes cost less inside the byte segment in groups 1 and 2, whose byte
        // count field is 16 bits: 4 + 16 + 8 x 8 against 2 x 20 + 16 + 4 + 12 + 20.
        {"a123456b", 1, {{2, 8}}, 4 + 16 + 64},
        // In group 0 the byte count field is 8 bits, and the numeric run pays for itself.
        {"a123456b", 0, {{2, 1}, {0, 6}, {2, 1}}, (12 + 8) + (14 + 20) + (12 + 8)},
        // Capitals with a long digit run: the run is cheaper numeric.
        {"ABCDEF0123456789012345", 2, {{1, 6}, {0, 16}}, (17 + 33) + (18 + 54)},
    };
    for (const Case &c : cases) {
        const auto segments = shortest(c.source, c.group);
        std::vector<std::pair<int, int>> got;
        for (const qr::QrSegment &s : segments)
            got.emplace_back(s.mode, int(s.length));
        EXPECT_EQ(got, c.segments) << c.source.toStdString();
        EXPECT_EQ(qr::totalBits(segments, c.group), c.bits) << c.source.toStdString();
    }
    EXPECT_TRUE(shortest(QByteArray(), 0).empty());
}

TEST(QrGenerator, EveryValueThatFitsVersionFortyIsEncodedAndReads)
{
    // Mixed digits and capitals up to the alphanumeric capacity of version 40, and one more.
    struct Limit {
        const char *level;
        int characters;
    };
    const Limit limits[] = {{"L", 4296}, {"M", 3391}, {"Q", 2420}, {"H", 1852}};
    std::mt19937 rng(40);
    for (const Limit &l : limits) {
        // Digit runs of 9 to 15 between capitals: each run alone is cheaper numeric, yet the
        // headers of a numeric segment and of the alphanumeric one after it cost more than the run
        // saves, so only the whole comparison keeps the value in version 40.
        QByteArray value;
        while (value.size() < l.characters) {
            value += randomOf(rng, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1 + int(rng() % 6));
            value += randomOf(rng, "0123456789", 9 + int(rng() % 7));
        }
        const QByteArray fitting = value.left(l.characters);
        // The encoder's own cost rules, which the generator route is free of, split the runs off.
        EXPECT_FALSE(encode(fitting, int(&l - limits))) << l.level;
        const QImage image = generated(fitting, l.level);
        ASSERT_FALSE(image.isNull()) << l.level;
        EXPECT_EQ(image.width(), 177 + 2) << l.level;
        const Reading r = readGenerated(image);
        ASSERT_TRUE(r.ok) << l.level;
        EXPECT_EQ(r.bytes, fitting);
        EXPECT_EQ(r.ecLevel, QString::fromLatin1(l.level));
        // Capitals only: no digit run to shorten it, so one character more fits no version.
        EXPECT_TRUE(generated(QByteArray(l.characters + 1, 'Q'), l.level).isNull()) << l.level;
    }

    // The numeric and byte capacities of 40-L, and values whose runs change mode often.
    const QByteArray digits = randomOf(rng, "0123456789", 7089);
    const QByteArray bytes = randomOf(rng, "abcdefghijklmnopqrstuvwxyz{}", 2953);
    for (const QByteArray &value : {digits, bytes, mixedRuns(rng, 2000)}) {
        const QImage image = generated(value, "L");
        ASSERT_FALSE(image.isNull()) << value.size();
        const Reading r = readGenerated(image);
        ASSERT_TRUE(r.ok) << value.size();
        EXPECT_EQ(r.bytes, value);
    }
    EXPECT_TRUE(generated(digits + "1", "L").isNull());
    EXPECT_TRUE(generated(bytes + "a", "L").isNull());
}

TEST(QrGenerator, SmallValuesTakeTheSmallestVersionOfTheirShortestStream)
{
    // 21 characters pass the 20-character alphanumeric capacity of 1-M (128 bits), yet twelve
    // capitals (79 bits) and nine digits (44 bits) fit it; 21 capitals (129 bits) need version 2.
    EXPECT_EQ(generated(QByteArray("HELLO WORLD 123456789"), "M").width(), 21 + 2);
    EXPECT_EQ(generated(QByteArray("HELLO WORLD ABCDEFGHI"), "M").width(), 25 + 2);
    // 41 digits fill 1-L (151 of 152 bits), 42 do not.
    EXPECT_EQ(generated(QByteArray(41, '7'), "L").width(), 21 + 2);
    EXPECT_EQ(generated(QByteArray(42, '7'), "L").width(), 25 + 2);
}
