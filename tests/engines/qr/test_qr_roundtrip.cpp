// Every version and level, filled with random data of each kind, read back by zxing-cpp.

#include "QrTestUtil.h"

#include "engines/qr/QREncoder.h"

#include <gtest/gtest.h>

using namespace qrtest;

namespace {

// The largest prefix of a seeded payload that the automatic choice puts into `version` (at most):
// the encoder is asked, so the payload fills the version whatever the segmentation does.
QByteArray fillVersion(Payload kind, int version, int level, unsigned seed)
{
    const int upper = kind == Payload::Digits ? 7089 : kind == Payload::Alphanumeric ? 4296 : 2953;
    std::mt19937 rng(seed);
    // Generate characters one at a time so that prefixes of the character sequence are payloads.
    std::vector<QByteArray> chars;
    chars.reserve(size_t(upper));
    for (int i = 0; i < upper; ++i)
        chars.push_back(payload(kind, 1, rng));
    auto prefix = [&](int n) {
        QByteArray out;
        for (int i = 0; i < n; ++i)
            out += chars[size_t(i)];
        return out;
    };
    auto versionOf = [&](int n) -> int {
        auto e = encode(prefix(n), level);
        return e ? int(e->m_nVersion) : 41;
    };
    int lo = 1, hi = upper;   // versionOf(lo) <= version is assumed for lo = 1
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (versionOf(mid) <= version)
            lo = mid;
        else
            hi = mid - 1;
    }
    return prefix(lo);
}

} // namespace

class QrRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(QrRoundTrip, EveryLevelDecodesToTheInput)
{
    const int version = GetParam();
    static const char *const kLevels[4] = {"L", "M", "Q", "H"};
    for (int level = 0; level < 4; ++level) {
        // Two kinds per version and level, rotating so that every kind meets every version.
        for (int k = 0; k < 2; ++k) {
            const Payload kind = Payload((version + level + 2 * k) % 5);
            const unsigned seed = unsigned(version * 100 + level * 10 + k);
            const QByteArray data = fillVersion(kind, version, level, seed);
            SCOPED_TRACE(std::string(payloadName(kind)) + " " + kLevels[level] + " " + std::to_string(data.size()));
            auto e = encode(data, level);
            ASSERT_TRUE(e);
            ASSERT_EQ(e->m_nVersion, version);
            // zxing-cpp needs three pixels per module to find the largest symbols.
            const Reading r = readQr(encoderImage(*e, version >= 33 ? 3 : 2, 4));
            ASSERT_TRUE(r.ok);
            EXPECT_EQ(r.bytes, data);
            EXPECT_EQ(r.ecLevel, QString::fromLatin1(kLevels[level]));
            if (kind == Payload::Utf8Text) {
                EXPECT_EQ(r.text, QString::fromUtf8(data));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, QrRoundTrip, ::testing::Range(1, 41));

TEST(QrRoundTripFacade, TextThroughTheFacadeDecodesAtEveryLevelAndSeveralVersions)
{
    std::mt19937 rng(2024);
    for (int version : {1, 2, 6, 7, 14, 27, 40}) {
        for (int level = 0; level < 4; ++level) {
            const QString text = QString::fromUtf8(payload(Payload::Utf8Text, 12 + version, rng));
            const auto grid = QREncoder::encodeWithECLevel(level, version, text);
            ASSERT_TRUE(grid) << version << "/" << level;
            EXPECT_GE(grid->dimension(), 4 * version + 17);   // kept, or grown for the text
            const Reading r = readQr(gridImage(*grid, 3, 4));
            ASSERT_TRUE(r.ok) << version << "/" << level;
            EXPECT_EQ(r.text, text);
            EXPECT_EQ(r.bytes, text.toUtf8());
        }
    }
}
