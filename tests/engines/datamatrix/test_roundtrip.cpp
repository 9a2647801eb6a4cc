// Symbols of every size and every encodation the settings offer, read back by zxing-cpp.

#include "DmTestUtil.h"

#include "engines/datamatrix/DataMatrixSymbol.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <future>

using namespace datamatrix;

namespace {

// The format items of the settings, in their order.
QStringList formatItems()
{
    QStringList items{QStringLiteral("Auto")};
    for (const int s : {10, 12, 14, 16, 18, 20, 22, 24, 26, 32, 36, 40, 44, 48, 52, 64, 72, 80, 88, 96, 104, 120, 132, 144})
        items << QStringLiteral("C%1X%1").arg(s);
    items << QStringLiteral("C8X18") << QStringLiteral("C8X32") << QStringLiteral("C12X26") << QStringLiteral("C12X36")
          << QStringLiteral("C16X36") << QStringLiteral("C16X48");
    return items;
}

Ecc200Result encodeItems(const QByteArray &data, const QString &format, const QString &encoding)
{
    Ecc200Request r;
    sizeFromFormatItem(format, &r.width, &r.height);
    r.encoding = encodingFromItem(encoding, data.size());
    r.printErrors = false;
    return iec16022ecc200(data, r);
}

// Data that suits the encodation, as long as a binary search finds it still fitting the size.
QByteArray fittingData(std::mt19937 &rng, const QString &format, const QString &encoding)
{
    QByteArray pool;
    int W = 0, H = 0;
    sizeFromFormatItem(format, &W, &H);
    const int D = ecc200size(W, H)->D;
    const int poolSize = 2 * D + 8;
    if (encoding == QLatin1String("Base256")) {
        pool = dmtest::randomBytes(rng, poolSize);
    } else if (encoding == QLatin1String("C40")) {
        pool = dmtest::randomFrom(rng, dmtest::upperAlphabet() + "\x80\xff!", poolSize);
    } else if (encoding == QLatin1String("Text")) {
        pool = dmtest::randomFrom(rng, dmtest::lowerAlphabet() + "\xe9~", poolSize);
    } else if (encoding == QLatin1String("Ascii")) {
        pool = dmtest::randomFrom(rng, dmtest::mixedAlphabet() + "0123456789", poolSize);
    } else {   // Auto: runs that call for different encodations
        const std::vector<QByteArray> alphabets = {dmtest::upperAlphabet(), dmtest::lowerAlphabet(), dmtest::x12Alphabet(),
                                                   dmtest::edifactAlphabet(), QByteArray("0123456789"), dmtest::mixedAlphabet()};
        while (pool.size() < poolSize) {
            const int len = 1 + int(rng() % 16);
            pool += rng() % 7 == 0 ? dmtest::randomBytes(rng, len)
                                   : dmtest::randomFrom(rng, alphabets[rng() % alphabets.size()], len);
        }
        pool.truncate(poolSize);
    }
    int lo = 0, hi = poolSize;   // lo fits; find the last fitting prefix
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (encodeItems(pool.left(mid), format, encoding).ok())
            lo = mid;
        else
            hi = mid - 1;
    }
    return pool.left(lo);
}

} // namespace

TEST(RoundTrip, EverySizeWithEveryEncodation)
{
    std::mt19937 rng(16022);
    const QStringList encodings{QStringLiteral("Auto"), QStringLiteral("Ascii"), QStringLiteral("C40"),
                                QStringLiteral("Text"), QStringLiteral("Base256")};
    const QStringList formats = formatItems();
    ASSERT_EQ(formats.size(), 31);
    int read = 0;
    for (const QString &format : formats.mid(1)) {
        for (const QString &encoding : encodings) {
            const QByteArray data = fittingData(rng, format, encoding);
            const Ecc200Result s = encodeItems(data, format, encoding);
            ASSERT_TRUE(s.ok()) << format.toStdString() << " " << encoding.toStdString();
            int W = 0, H = 0;
            sizeFromFormatItem(format, &W, &H);
            EXPECT_EQ(s.width, W);
            EXPECT_EQ(s.height, H);
            // Nearly full: the data takes most of the size's capacity.
            EXPECT_GE(s.dataLength, s.capacity - 4) << format.toStdString() << " " << encoding.toStdString();
            const dmtest::Read r = dmtest::readSymbol(s);
            ASSERT_TRUE(r.ok) << format.toStdString() << " " << encoding.toStdString() << " " << data.size() << " bytes";
            EXPECT_EQ(r.bytes, data) << format.toStdString() << " " << encoding.toStdString();
            ++read;
        }
    }
    EXPECT_EQ(read, 150);
}

TEST(RoundTrip, AutomaticSizeAndEncodation)
{
    // Texts of every length up to a few hundred bytes, the size and the encodation both chosen.
    std::mt19937 rng(31);
    const std::vector<QByteArray> alphabets = {dmtest::upperAlphabet(), dmtest::lowerAlphabet(), dmtest::x12Alphabet(),
                                               dmtest::edifactAlphabet(), dmtest::mixedAlphabet(), QByteArray("0123456789")};
    for (int i = 0; i < 60; ++i) {
        QByteArray data;
        const int target = i < 40 ? i : 40 + int(rng() % 400);
        while (data.size() < target)
            data += dmtest::randomFrom(rng, alphabets[rng() % alphabets.size()], 1 + int(rng() % 10));
        data.truncate(target);
        const Ecc200Result s = encodeItems(data, QStringLiteral("Auto"), QStringLiteral("Auto"));
        ASSERT_TRUE(s.ok()) << data.toStdString();
        EXPECT_EQ(s.width, s.height);
        const dmtest::Read r = dmtest::readSymbol(s);
        ASSERT_TRUE(r.ok) << data.toStdString() << " " << *s.encoding;
        EXPECT_EQ(r.bytes, data) << *s.encoding;
    }
}

TEST(RoundTrip, RandomLettersAtRandomSizes)
{
    // Encodation strings of every letter, given sizes and automatic ones: whatever the encoder
    // accepts reads back unchanged.
    std::mt19937 rng(1601);
    const std::vector<QByteArray> alphabets = {dmtest::upperAlphabet(), dmtest::lowerAlphabet(), dmtest::x12Alphabet(),
                                               dmtest::edifactAlphabet(), QByteArray("0123456789"), dmtest::mixedAlphabet()};
    const char letters[] = "ACTXEB";
    int read = 0;
    for (int round = 0; round < 700; ++round) {
        QByteArray data;
        const int pieces = 1 + int(rng() % 4);
        for (int i = 0; i < pieces; ++i)
            data += dmtest::randomFrom(rng, alphabets[rng() % alphabets.size()], int(rng() % 12));
        Ecc200Request r;
        r.printErrors = false;
        if (round % 4) {   // one letter for all, or a random mix
            std::string enc;
            for (int i = 0; i < data.size(); ++i)
                enc += letters[round % 2 ? round / 4 % 6 : rng() % 6];
            r.encoding = enc;
        }
        if (round % 3 == 0) {
            const Ecc200Size &m = ecc200matrix[rng() % 20];
            r.width = m.W;
            r.height = m.H;
        }
        const Ecc200Result s = iec16022ecc200(data, r);
        if (!s.ok())
            continue;
        const dmtest::Read got = dmtest::readSymbol(s);
        ASSERT_TRUE(got.ok) << data.toHex().toStdString() << " " << *s.encoding << " " << s.width << "x" << s.height;
        ASSERT_EQ(got.bytes, data) << *s.encoding;
        ++read;
    }
    EXPECT_GT(read, 400);
}

TEST(RoundTrip, WorkerThreadsMakeTheSameSymbols)
{
    std::mt19937 rng(8);
    std::vector<QByteArray> inputs;
    for (int i = 0; i < 40; ++i)
        inputs.push_back(dmtest::randomFrom(rng, dmtest::mixedAlphabet(), 1 + int(rng() % 300)));
    std::vector<std::vector<std::uint8_t>> expected;
    for (const QByteArray &d : inputs)
        expected.push_back(encodeItems(d, QStringLiteral("Auto"), QStringLiteral("Auto")).grid);

    auto worker = [&](int offset) {
        int same = 0;
        for (int k = 0; k < 5; ++k)
            for (std::size_t i = 0; i < inputs.size(); ++i) {
                const std::size_t j = (i + std::size_t(offset)) % inputs.size();
                same += encodeItems(inputs[j], QStringLiteral("Auto"), QStringLiteral("Auto")).grid == expected[j];
            }
        return same;
    };
    std::vector<std::future<int>> jobs;
    for (int t = 0; t < 4; ++t)
        jobs.push_back(std::async(std::launch::async, worker, t * 7));
    for (auto &j : jobs)
        EXPECT_EQ(j.get(), 200);
}
