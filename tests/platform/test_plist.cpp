#include "platform/Plist.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>

using platform::PlistFormat;
using platform::PlistValue;

namespace {

PlistValue sample()
{
    PlistValue dict = PlistValue::dictionary();
    dict.insert(QStringLiteral("zeta"), PlistValue::string(QStringLiteral("last key first")));
    dict.insert(QStringLiteral("name"), PlistValue::string(QStringLiteral("Grüße – ü")));
    dict.insert(QStringLiteral("count"), PlistValue::integer(-42));
    dict.insert(QStringLiteral("big"), PlistValue::integer(5000000000LL));
    dict.insert(QStringLiteral("ratio"), PlistValue::real(0.25));
    dict.insert(QStringLiteral("flag"), PlistValue::boolean(true));
    dict.insert(QStringLiteral("off"), PlistValue::boolean(false));
    dict.insert(QStringLiteral("bytes"), PlistValue::data(QByteArray("\x00\x01\xffPNG", 6)));
    dict.insert(QStringLiteral("when"),
                PlistValue::date(QDateTime(QDate(2026, 12, 7), QTime(10, 30, 15), QTimeZone::utc())));
    PlistValue arr = PlistValue::array();
    arr.append(PlistValue::string(QStringLiteral("a")));
    arr.append(PlistValue::string(QString()));
    PlistValue inner = PlistValue::array();
    inner.append(PlistValue::integer(1));
    arr.append(inner);
    dict.insert(QStringLiteral("list"), arr);
    dict.insert(QStringLiteral("empty"), PlistValue::array());
    return dict;
}

// What python3's plistlib reads from a file, as one line of text.
QString readWithPython(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import plistlib,sys\n"
                            "d=plistlib.load(open(sys.argv[1],'rb'))\n"
                            "print(repr([(k, d[k]) for k in d]))"),
             path});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

} // namespace

TEST(Plist, RoundTripsInBothFormats)
{
    const PlistValue v = sample();
    for (PlistFormat f : {PlistFormat::Xml, PlistFormat::Binary}) {
        const QByteArray bytes = platform::plistToData(v, f);
        ASSERT_FALSE(bytes.isEmpty());
        if (f == PlistFormat::Binary)
            EXPECT_TRUE(bytes.startsWith("bplist00"));
        else
            EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
        const auto back = platform::plistFromData(bytes);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, v);
        // Key order is kept.
        ASSERT_EQ(back->entries().size(), v.entries().size());
        EXPECT_EQ(back->entries().front().first, QStringLiteral("zeta"));
    }
}

TEST(Plist, PythonReadsWhatWeWrite)
{
    QTemporaryDir dir;
    const QString expected = QStringLiteral(
        "[('zeta', 'last key first'), ('name', 'Grüße – ü'), ('count', -42), ('big', 5000000000), "
        "('ratio', 0.25), ('flag', True), ('off', False), ('bytes', b'\\x00\\x01\\xffPNG'), "
        "('when', datetime.datetime(2026, 12, 7, 10, 30, 15)), ('list', ['a', '', [1]]), ('empty', [])]");
    for (PlistFormat f : {PlistFormat::Xml, PlistFormat::Binary}) {
        const QString path = dir.filePath(f == PlistFormat::Xml ? QStringLiteral("x.plist") : QStringLiteral("b.plist"));
        ASSERT_TRUE(platform::writePlistFile(path, sample(), f));
        EXPECT_EQ(readWithPython(path), expected);
    }
}

TEST(Plist, ReadsWhatPythonWrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("py.plist"));
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import plistlib,sys\n"
                            "plistlib.dump(['12','5','x ü'], open(sys.argv[1],'wb'), fmt=plistlib.FMT_BINARY)"),
             path});
    ASSERT_TRUE(p.waitForFinished(30000));
    const auto v = platform::readPlistFile(path);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->toStrings(), QStringList({QStringLiteral("12"), QStringLiteral("5"), QStringLiteral("x ü")}));
}

TEST(Plist, RejectsWhatIsNoPropertyList)
{
    EXPECT_FALSE(platform::plistFromData(QByteArray("hello")).has_value());
    EXPECT_FALSE(platform::plistFromData(QByteArray()).has_value());
    EXPECT_FALSE(platform::plistFromData(QByteArray("bplist00\x01\x02", 10)).has_value());
    EXPECT_FALSE(platform::readPlistFile(QStringLiteral("/nonexistent/file.plist")).has_value());
    // An array holding a number is not an array of strings.
    PlistValue arr = PlistValue::array();
    arr.append(PlistValue::integer(3));
    EXPECT_FALSE(arr.toStrings().has_value());
}

TEST(Plist, UidsSurviveBinaryForm)
{
    PlistValue dict = PlistValue::dictionary();
    dict.insert(QStringLiteral("$top"), PlistValue::uid(1));
    const auto back = platform::plistFromData(platform::plistToData(dict, PlistFormat::Binary));
    ASSERT_TRUE(back.has_value());
    ASSERT_NE(back->value(QStringLiteral("$top")), nullptr);
    EXPECT_EQ(back->value(QStringLiteral("$top"))->type(), PlistValue::Type::Uid);
    EXPECT_EQ(back->value(QStringLiteral("$top"))->toUid(), 1u);
}
