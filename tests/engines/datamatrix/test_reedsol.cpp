#include "DmTestUtil.h"

#include "engines/datamatrix/reedsol.h"

#include <gtest/gtest.h>


using datamatrix::ReedSolomon;

TEST(ReedSolomon, FiveParityGeneratorAndTheTenByTenExample)
{
    const ReedSolomon rs = ReedSolomon::rs_init(301, 5, 1);
    ASSERT_TRUE(rs.isValid());
    // The ECC200 generator for five codewords.
    EXPECT_EQ(rs.generator(), (std::vector<std::uint8_t>{1, 62, 111, 15, 48, 228}));

    const std::uint8_t data[3] = {142, 164, 186};
    std::uint8_t parity[5] = {};
    rs.rs_encode(3, data, parity);
    EXPECT_EQ(std::vector<std::uint8_t>(parity, parity + 5), (std::vector<std::uint8_t>{114, 25, 5, 88, 102}));

    // Without a parity buffer the parity lands behind the data.
    std::uint8_t inPlace[8] = {142, 164, 186, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    rs.rs_encode(3, inPlace);
    EXPECT_EQ(std::vector<std::uint8_t>(inPlace + 3, inPlace + 8), (std::vector<std::uint8_t>{114, 25, 5, 88, 102}));
}

TEST(ReedSolomon, EdgeCounts)
{
    const ReedSolomon rs = ReedSolomon::rs_init(301, 7, 1);
    std::uint8_t parity[7];
    std::fill(parity, parity + 7, 0x55);
    rs.rs_encode(0, nullptr, parity);   // no data: all-zero parity
    for (const std::uint8_t p : parity)
        EXPECT_EQ(p, 0);

    const ReedSolomon none = ReedSolomon::rs_init(301, 0, 1);
    std::uint8_t guard[2] = {0x11, 0x22};
    const std::uint8_t data[2] = {1, 2};
    none.rs_encode(2, data, guard);   // no parity symbols: nothing written
    EXPECT_EQ(guard[0], 0x11);
    EXPECT_EQ(guard[1], 0x22);
    EXPECT_EQ(none.generator().size(), 1u);

    // A polynomial beyond GF(256) gives no field.
    EXPECT_FALSE(ReedSolomon::rs_init(0x1100B, 4, 1).isValid());
    EXPECT_FALSE(ReedSolomon::rs_init(1, 4, 1).isValid());
}

TEST(ReedSolomon, ParityMakesCodewordsOfEveryTableSize)
{
    std::mt19937 rng(7);
    for (const int nsym : {5, 7, 10, 11, 12, 14, 18, 20, 24, 28, 36, 42, 48, 56, 62, 68}) {
        const ReedSolomon rs = ReedSolomon::rs_init(301, nsym, 1);
        for (const int len : {1, 3, 50, 175}) {
            const QByteArray d = dmtest::randomBytes(rng, len);
            std::vector<std::uint8_t> word(d.begin(), d.end());
            word.resize(std::size_t(len + nsym));
            rs.rs_encode(std::size_t(len), word.data());
            EXPECT_TRUE(dmtest::syndromesVanish(word, nsym)) << "nsym " << nsym << " len " << len;
            word[0] ^= 1;   // and a changed symbol is caught
            EXPECT_FALSE(dmtest::syndromesVanish(word, nsym));
        }
    }
}
