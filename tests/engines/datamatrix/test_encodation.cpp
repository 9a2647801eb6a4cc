// The encodations codeword by codeword, and the automatic choice against what the encoder writes.

#include "DmTestUtil.h"

#include <gtest/gtest.h>

using namespace datamatrix;

namespace {

const std::uint8_t *bytes(const QByteArray &d) { return reinterpret_cast<const std::uint8_t *>(d.constData()); }

struct Encoded {
    bool ok = false;
    int length = 0;
    std::vector<int> cw;
    std::string error;
};

Encoded run(const QByteArray &data, const std::string &enc, int capacity)
{
    Encoded e;
    std::vector<std::uint8_t> t(std::size_t(capacity) + 1, 0xEE);
    e.ok = ecc200encode(t.data(), capacity, bytes(data), int(data.size()), enc, &e.length, &e.error);
    EXPECT_EQ(t[std::size_t(capacity)], 0xEE) << "wrote past the capacity";
    e.cw.assign(t.begin(), t.begin() + capacity);
    return e;
}

// The value of a Base 256 codeword at position p (from 1) before its randomising.
int unrandom255(int cw, int p) { return (cw - ((149 * p) % 255) - 1 + 512) % 256; }

// The three values of a C40, Text or X12 codeword pair.
std::vector<int> triple(int c1, int c2)
{
    const int n = c1 * 256 + c2 - 1;
    return {n / 1600, (n / 40) % 40, n % 40};
}

Ecc200Result symbol(const QByteArray &data, const std::string &enc, int W = 0, int H = 0)
{
    Ecc200Request r;
    r.width = W;
    r.height = H;
    r.encoding = enc;
    r.printErrors = false;
    return iec16022ecc200(data, r);
}

} // namespace

TEST(Encodation, AsciiDigitPairsAndUpperShift)
{
    // A digit pair takes one codeword whatever the second digit's letter.
    const Encoded a = run("12a\xe9", "ABAA", 5);
    ASSERT_TRUE(a.ok);
    EXPECT_EQ(a.length, 4);
    EXPECT_EQ(a.cw[0], 142);
    EXPECT_EQ(a.cw[1], 'a' + 1);
    EXPECT_EQ(a.cw[2], 235);
    EXPECT_EQ(a.cw[3], 0xe9 - 127);
    EXPECT_EQ(a.cw[4], 129);
}

TEST(Encodation, Base256LengthAndRandomising)
{
    for (const int n : {1, 249, 250, 251, 600}) {
        QByteArray data(n, '\x00');
        for (int i = 0; i < n; ++i)
            data[i] = char(i * 7);
        const int length = n < 250 ? n + 2 : n + 3;
        const Encoded e = run(data, std::string(std::size_t(n), 'B'), length);
        ASSERT_TRUE(e.ok) << n;
        EXPECT_EQ(e.length, length);
        EXPECT_EQ(e.cw[0], 231);
        int first = 2;
        if (n < 250) {
            EXPECT_EQ(unrandom255(e.cw[1], 2), n);
        } else {
            EXPECT_EQ(unrandom255(e.cw[1], 2), n / 250 + 249);
            EXPECT_EQ(unrandom255(e.cw[2], 3), n % 250);
            first = 3;
        }
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(unrandom255(e.cw[std::size_t(first + i)], first + i + 1), (i * 7) & 0xFF) << n << " byte " << i;
    }
    // A field of 250 bytes reads back.
    std::mt19937 rng(250);
    const QByteArray data = dmtest::randomBytes(rng, 250);
    const Ecc200Result s = symbol(data, std::string(250, 'B'));
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(s.dataLength, 253);
    EXPECT_EQ(dmtest::readSymbol(s).bytes, data);
}

TEST(Encodation, C40TriplesShiftsAndEnds)
{
    // Upper shift: a byte of 128 is the four values 1, 30, 0, 0.
    const Encoded hi = run("\x80" "AB", "CCC", 5);
    ASSERT_TRUE(hi.ok);
    EXPECT_EQ(hi.cw[0], 230);
    EXPECT_EQ(triple(hi.cw[1], hi.cw[2]), (std::vector<int>{1, 30, 0}));
    EXPECT_EQ(triple(hi.cw[3], hi.cw[4]), (std::vector<int>{0, 14, 15}));

    // Two values left with two codewords left: Shift 1 pads the triple.
    const Encoded pad = run("ABCDE", "CCCCC", 5);
    ASSERT_TRUE(pad.ok);
    EXPECT_EQ(pad.length, 5);
    EXPECT_EQ(triple(pad.cw[3], pad.cw[4]), (std::vector<int>{17, 18, 0}));

    // One codeword left after the last triple: ASCII without an unlatch.
    const Encoded one = run("ABCDEFG", "CCCCCCC", 6);
    ASSERT_TRUE(one.ok);
    EXPECT_EQ(one.cw[5], 'G' + 1);
    // With more room the unlatch comes first.
    const Encoded two = run("ABCDEFG", "CCCCCCC", 8);
    ASSERT_TRUE(two.ok);
    EXPECT_EQ(two.cw[5], 254);
    EXPECT_EQ(two.cw[6], 'G' + 1);
    EXPECT_EQ(two.cw[7], 129);

    // Shifts of each kind and the sets' own letters, read back by the decoder.
    for (const QByteArray &data : {QByteArray("Hello, World! {~}\t\x7f"), QByteArray("ABC abc 123 @[\\]^_`"),
                                   QByteArray("\x01\x1f\xff\x80\xa0 Z")}) {
        for (const char letter : {'C', 'T'}) {
            const Ecc200Result s = symbol(data, std::string(std::size_t(data.size()), letter));
            ASSERT_TRUE(s.ok()) << s.error.toStdString();
            EXPECT_EQ(dmtest::readSymbol(s).bytes, data) << letter << " " << data.toStdString();
        }
    }
}

TEST(Encodation, TripletRunsThatEndInsideATriple)
{
    // One whole letter left over: it goes to ASCII, the triples stay.
    const Encoded a = run("ABCD", "CCCC", 5);
    ASSERT_TRUE(a.ok);
    EXPECT_EQ(a.cw[0], 230);
    EXPECT_EQ(a.cw[3], 254);
    EXPECT_EQ(a.cw[4], 'D' + 1);

    // A letter split over the last triple (C40 lower case takes two values): the run is written
    // in ASCII from its start instead, and every byte is kept.
    const Encoded b = run("AAa", "CCC", 3);
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.cw, (std::vector<int>{'A' + 1, 'A' + 1, 'a' + 1}));

    // X12 has no pad: two letters left at the end go to ASCII, never as a carriage return.
    const Encoded x = run("ABCDE", "XXXXX", 6);
    ASSERT_TRUE(x.ok);
    EXPECT_EQ(x.cw[0], 238);
    EXPECT_EQ(x.cw[3], 254);
    EXPECT_EQ(x.cw[4], 'D' + 1);
    EXPECT_EQ(x.cw[5], 'E' + 1);
    EXPECT_FALSE(run("ABCDE", "XXXXX", 5).ok);
    const Ecc200Result xs = symbol("ABCDE", "XXXXX");
    ASSERT_TRUE(xs.ok());
    EXPECT_EQ(dmtest::readSymbol(xs).bytes, QByteArray("ABCDE"));

    // The same endings at symbol level, for every remainder the decoder must accept.
    for (const QByteArray &data : {QByteArray("AAa"), QByteArray("ABCDa"), QByteArray("aaaaA"), QByteArray("ABCDEFG"),
                                   QByteArray("A\x80"), QByteArray("xyz\xff" "AB")}) {
        for (const char letter : {'C', 'T'}) {
            const Ecc200Result s = symbol(data, std::string(std::size_t(data.size()), letter));
            ASSERT_TRUE(s.ok()) << s.error.toStdString();
            EXPECT_EQ(dmtest::readSymbol(s).bytes, data) << letter << " " << data.toStdString();
        }
    }
}

TEST(Encodation, X12AndEdifactPacking)
{
    const Encoded x = run("*>\rAB1", "XXXXXX", 6);
    ASSERT_TRUE(x.ok);
    EXPECT_EQ(x.cw[0], 238);
    EXPECT_EQ(triple(x.cw[1], x.cw[2]), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(triple(x.cw[3], x.cw[4]), (std::vector<int>{14, 15, 5}));
    EXPECT_EQ(x.cw[5], 129);   // one codeword left: the return to ASCII is implied

    // Four values in three codewords, six bits each, most significant first.
    const Encoded e4 = run("ABCD", "EEEE", 8);
    ASSERT_TRUE(e4.ok);
    EXPECT_EQ(e4.cw[0], 240);
    EXPECT_EQ(e4.cw[1], 0x04);
    EXPECT_EQ(e4.cw[2], 0x20);
    EXPECT_EQ(e4.cw[3], 0xC4);
    EXPECT_EQ(e4.cw[4], 124);   // unlatch in a fresh codeword
    EXPECT_EQ(e4.cw[5], 129);
    // Two codewords or fewer after a group: the return to ASCII is implied.
    const Encoded tight = run("ABCD", "EEEE", 6);
    ASSERT_TRUE(tight.ok);
    EXPECT_EQ(tight.cw[4], 129);

    // Fewer than four carry the unlatch value 31.
    const Encoded e2 = run("AB1", "EEA", 5);
    ASSERT_TRUE(e2.ok);
    EXPECT_EQ(e2.cw[0], 240);
    EXPECT_EQ(e2.cw[1], 0x04);
    EXPECT_EQ(e2.cw[2], 0x27);
    EXPECT_EQ(e2.cw[3], 0xC0);
    EXPECT_EQ(e2.cw[4], '1' + 1);

    // A last group would start with two codewords left, which readers take as ASCII: the byte
    // goes in ASCII instead of the latch and a group.
    const Encoded last = run("W", "E", 3);
    ASSERT_TRUE(last.ok);
    EXPECT_EQ(last.cw[0], 'W' + 1);

    for (const QByteArray &data : {QByteArray("W"), QByteArray("ABC"), QByteArray("A.B/C-D:E"), QByteArray("^^^^^^^^^"),
                                   QByteArray("@ "), QByteArray("12345"), QByteArray("ABCDE")}) {
        const Ecc200Result s = symbol(data, std::string(std::size_t(data.size()), 'E'));
        ASSERT_TRUE(s.ok()) << s.error.toStdString();
        EXPECT_EQ(dmtest::readSymbol(s).bytes, data) << data.toStdString();
        const Ecc200Result t = symbol(data, std::string(std::size_t(data.size()), 'X'));
        if (t.ok()) {
            EXPECT_EQ(dmtest::readSymbol(t).bytes, data) << data.toStdString();
        }
    }
}

TEST(Encodation, MixedLettersSwitchCleanly)
{
    // Every pair of encodations meets, in both directions, each on bytes it can hold (an X12 run
    // covers whole triples: it carries on over the next bytes until its values close).
    const QByteArray data("ABC*>0a1bc!#@^ZZZ9\xc4\xe9xyz12");
    const std::string plans[] = {
        "CCCXXXAAAATTTTEEEEBBBBAAA", "XXXCCCTTTTEEEEXXXAAAAABBB", "EEEEEEBBBBEEEECCCCTTTTAAA",
        "BBBTTTCCCCAAAAEEEECCCCTTT", "TTTTTTTTTTTTTTTTTTTTTTTTT", "AAAEEECCCCBBBBXXXATTTTBBB",
    };
    for (const std::string &p : plans) {
        const Ecc200Result s = symbol(data, p);
        ASSERT_TRUE(s.ok()) << p << ": " << s.error.toStdString();
        EXPECT_EQ(dmtest::readSymbol(s).bytes, data) << p;
    }
}

TEST(Encodation, AutomaticChoiceIsWrittenAsPredicted)
{
    // The planned codeword count is what the encoder writes: without the exact flag at any
    // capacity; with it, at the capacity it was planned for.
    std::mt19937 rng(2024);
    const std::vector<QByteArray> alphabets = {dmtest::upperAlphabet(), dmtest::lowerAlphabet(),
                                               dmtest::printableAlphabet(), dmtest::x12Alphabet(),
                                               dmtest::edifactAlphabet(), dmtest::mixedAlphabet(),
                                               QByteArray("0123456789"), QByteArray("0123456789ABC")};
    int cases = 0;
    for (int round = 0; round < 2500; ++round) {
        // Pieces of different alphabets, so that runs start and end everywhere.
        QByteArray data;
        const int pieces = 1 + int(rng() % 4);
        for (int i = 0; i < pieces; ++i) {
            const int len = int(rng() % 12);
            if (rng() % 6 == 0)
                data += dmtest::randomBytes(rng, len);
            else
                data += dmtest::randomFrom(rng, alphabets[rng() % alphabets.size()], len);
        }
        for (const bool exact : {false, true}) {
            int predicted = -1;
            const auto enc = encmake(int(data.size()), bytes(data), &predicted, exact);
            ASSERT_TRUE(enc);
            ASSERT_EQ(enc->size(), std::size_t(data.size()));
            const Encoded atPlan = run(data, *enc, predicted);
            ASSERT_TRUE(atPlan.ok) << (exact ? "exact " : "") << data.toStdString() << " " << *enc;
            if (!exact) {
                const Encoded roomy = run(data, *enc, predicted + 10);
                ASSERT_TRUE(roomy.ok);
                ASSERT_EQ(roomy.length, predicted) << data.toHex().toStdString() << " " << *enc;
            }
            ++cases;
        }
    }
    EXPECT_EQ(cases, 5000);
}

TEST(Encodation, AutomaticChoiceBeatsEverySingleEncodation)
{
    std::mt19937 rng(99);
    const std::vector<QByteArray> alphabets = {dmtest::upperAlphabet(), dmtest::lowerAlphabet(), dmtest::x12Alphabet(),
                                               dmtest::edifactAlphabet(), dmtest::mixedAlphabet()};
    for (int round = 0; round < 400; ++round) {
        const QByteArray data = dmtest::randomFrom(rng, alphabets[std::size_t(round) % alphabets.size()], 1 + int(rng() % 60));
        int best = 0;
        ASSERT_TRUE(encmake(int(data.size()), bytes(data), &best, false));
        for (const char letter : {'A', 'C', 'T', 'X', 'E', 'B'}) {
            const Encoded e = run(data, std::string(std::size_t(data.size()), letter), 200);
            if (e.ok) {
                EXPECT_LE(best, e.length) << letter << " " << data.toStdString();
            }
        }
    }
}

TEST(Encodation, AutomaticChoiceUsesEachEncodationWhereItPays)
{
    auto plan = [](const QByteArray &d) {
        int len = 0;
        return *encmake(int(d.size()), bytes(d), &len, false);
    };
    EXPECT_EQ(plan("12345678"), "AAAAAAAA");
    EXPECT_NE(plan("THE QUICK BROWN FOX JUMPS").find('C'), std::string::npos);
    EXPECT_NE(plan("the quick brown fox jumps").find('T'), std::string::npos);
    EXPECT_NE(plan("A*B>C\rD*E>F\rG*H>I\rJ*K>L\r").find('X'), std::string::npos);
    EXPECT_NE(plan("!@#$%^&*()-=[];',./!@#$%^&*()").find('E'), std::string::npos);
    EXPECT_NE(plan("\xc3\xa9\xc3\xa0\xc3\xbc\xc3\xb6\xc3\xa4\xc3\x9f").find('B'), std::string::npos);

    int len = -1;
    const auto empty = encmake(0, nullptr, &len, true);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
    EXPECT_EQ(len, 0);
    const QByteArray tooLong(encmakeMaxLength + 1, '7');
    len = -1;
    EXPECT_FALSE(encmake(int(tooLong.size()), bytes(tooLong), &len, false));
    EXPECT_EQ(len, 0);
    const QByteArray longest(encmakeMaxLength, '7');
    EXPECT_TRUE(encmake(int(longest.size()), bytes(longest), &len, false));
    EXPECT_EQ(len, encmakeMaxLength / 2);
}

TEST(Encodation, LongBase256RunsBesideOtherData)
{
    // The length field grows at 250 bytes of the field, not at some other running total.
    std::mt19937 rng(5);
    for (const int n : {240, 248, 249, 250, 251, 260, 499, 500, 501}) {
        for (const int tail : {0, 1, 5, 40}) {
            const QByteArray data = dmtest::randomBytes(rng, n) + dmtest::randomFrom(rng, dmtest::lowerAlphabet(), tail);
            int predicted = 0;
            const auto enc = encmake(int(data.size()), bytes(data), &predicted, false);
            ASSERT_TRUE(enc);
            const Encoded e = run(data, *enc, predicted + 5);
            ASSERT_TRUE(e.ok);
            EXPECT_EQ(e.length, predicted) << n << "+" << tail << " " << *enc;
        }
    }
}
