// Property lists nested deeper than any of ours are refused before they are parsed (the parser
// recurses once per level), in both formats; so are binary ones whose shared objects would be
// copied without bound, and structures that are no tree.

#include "platform/Plist.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <vector>

using platform::PlistValue;

namespace {

QByteArray be(quint64 v, int bytes)
{
    QByteArray b(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        b[bytes - 1 - i] = char((v >> (8 * i)) & 0xff);
    return b;
}

// Binary property-list bytes of the given objects (4-byte offsets and references), object 0 on top.
QByteArray bplist(const std::vector<QByteArray> &objects)
{
    QByteArray out("bplist00");
    std::vector<quint64> offsets;
    for (const QByteArray &o : objects) {
        offsets.push_back(quint64(out.size()));
        out += o;
    }
    const quint64 table = quint64(out.size());
    for (quint64 off : offsets)
        out += be(off, 4);
    out += QByteArray(6, '\0') + char(4) + char(4) + be(objects.size(), 8) + be(0, 8) + be(table, 8);
    return out;
}

// Arrays nested depth deep around one integer, object i holding object i + 1.
QByteArray nestedBinary(int depth)
{
    std::vector<QByteArray> objects;
    for (int i = 0; i < depth; ++i)
        objects.push_back(QByteArray(1, char(0xA1)) + be(quint64(i + 1), 4));
    objects.push_back(QByteArray("\x10\x07", 2));
    return bplist(objects);
}

QByteArray nestedXml(int depth)
{
    return "<?xml version=\"1.0\"?><plist version=\"1.0\">" + QByteArray("<array>").repeated(depth) +
           "<integer>7</integer>" + QByteArray("</array>").repeated(depth) + "</plist>";
}

} // namespace

TEST(PlistNesting, DeepNestingIsRefusedInBothFormats)
{
    EXPECT_FALSE(platform::plistFromData(nestedBinary(200000)).has_value());
    EXPECT_FALSE(platform::plistFromData(nestedXml(200000)).has_value());
    EXPECT_FALSE(platform::plistFromData(nestedBinary(513)).has_value());

    // Nesting of a reasonable depth still reads.
    for (const QByteArray &bytes : {nestedBinary(100), nestedXml(100)}) {
        const std::optional<PlistValue> v = platform::plistFromData(bytes);
        ASSERT_TRUE(v);
        const PlistValue *p = &*v;
        int depth = 0;
        while (p->type() == PlistValue::Type::Array && p->items().size() == 1) {
            p = &p->items()[0];
            ++depth;
        }
        EXPECT_EQ(depth, 100);
        EXPECT_EQ(p->toInteger(), 7);
    }
    // Empty containers and the tags' look-alikes count for nothing.
    const QByteArray flat = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>dictionary</key><array/>"
                            "<key>k</key><dict/></dict></plist>";
    EXPECT_TRUE(platform::plistFromData(flat).has_value());
}

TEST(PlistNesting, CyclesAndBrokenTablesAreRefusedAndSharingIsWalkedOnce)
{
    // An array that holds itself.
    EXPECT_FALSE(platform::plistFromData(bplist({QByteArray(1, char(0xA1)) + be(0, 4)})).has_value());
    // A reference past the object table.
    EXPECT_FALSE(platform::plistFromData(bplist({QByteArray(1, char(0xA1)) + be(9, 4)})).has_value());
    // 60 levels of two arrays that both hold both arrays of the next level: 2^60 paths, 122 objects.
    std::vector<QByteArray> objects;
    for (int level = 0; level < 60; ++level)
        for (int k = 0; k < 2; ++k)
            objects.push_back(QByteArray(1, char(0xA2)) + be(quint64(2 * level + 2), 4) + be(quint64(2 * level + 3), 4));
    objects.push_back(QByteArray("\x10\x01", 2));
    objects.push_back(QByteArray("\x10\x02", 2));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(platform::plistFromData(bplist(objects)).has_value());
    EXPECT_LT(clock.elapsed(), 10000);

    // Sharing within bounds reads, every reference a copy: one dictionary listed 1,000 times.
    std::vector<QByteArray> shared = {QByteArray("\xAF\x11", 2) + be(1000, 2)};
    for (int i = 0; i < 1000; ++i)
        shared[0] += be(1, 4);
    shared.push_back(QByteArray(1, char(0xD1)) + be(2, 4) + be(3, 4));
    shared.push_back(QByteArray("\x51k", 2));
    shared.push_back(QByteArray("\x10\x05", 2));
    const std::optional<PlistValue> list = platform::plistFromData(bplist(shared));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->items().size(), 1000u);
    EXPECT_EQ(list->items()[999].value(QStringLiteral("k"))->toInteger(), 5);
}
