// libplist 2.2 aborts the whole process on a string holding a NUL: every reader of property lists
// from outside must refuse such bytes before they reach it, in both formats.

#include "platform/KeyedArchive.h"
#include "platform/Plist.h"
#include "support/NulStrings.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using platform::PlistFormat;
using platform::PlistValue;

namespace {

// Each reader answers whether it accepted the bytes.
struct Reader {
    const char *name;
    std::function<bool(const QByteArray &)> accepts;
    QByteArray carrier;          // bytes it accepts, as written (binary)
    QStringList markers;         // strings of the carrier to put a NUL into
};

QByteArray asXml(const QByteArray &binary)
{
    const std::optional<PlistValue> v = platform::plistFromData(binary);
    return v ? platform::plistToData(*v, PlistFormat::Xml) : QByteArray();
}

platform::Picture smallBitmap()
{
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    return platform::Picture::fromImage(image, QSizeF(2, 1.5));
}

TEST(PlistNul, EveryReaderRefusesAStringHoldingANul)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("list.plist"));
    const auto fromFile = [&](const QByteArray &bytes) {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            return false;
        f.close();
        return platform::readPlistFile(file).has_value();
    };
    PlistValue plain = PlistValue::dictionary();
    plain.insert(QStringLiteral("Keyname"), PlistValue(QStringLiteral("Plainvalue")));
    plain.insert(QStringLiteral("Wide"), PlistValue(QStringLiteral("Größe")));
    const QByteArray plainBytes = platform::plistToData(plain, PlistFormat::Binary);
    const QStringList plainMarkers{QStringLiteral("Keyname"), QStringLiteral("Plainvalue"), QStringLiteral("Größe")};
    const QByteArray colour = platform::archivedColor(QColor(10, 20, 30));
    const QStringList colourMarkers{QStringLiteral("NSKeyedArchiver"), QStringLiteral("NSColorSpace"),
                                    QStringLiteral("$classname")};
    const QByteArray picture = platform::archivedPicture(smallBitmap());
    const QStringList pictureMarkers{QStringLiteral("kind"), QStringLiteral("$archiver")};

    const Reader readers[] = {
        {"plistFromData", [](const QByteArray &b) { return platform::plistFromData(b).has_value(); }, plainBytes,
         plainMarkers},
        {"readPlistFile", fromFile, plainBytes, plainMarkers},
        {"keyedUnarchive", [](const QByteArray &b) { return platform::keyedUnarchive(b).has_value(); }, colour,
         colourMarkers},
        {"unarchivedColor", [](const QByteArray &b) { return platform::unarchivedColor(b).has_value(); }, colour,
         colourMarkers},
        {"unarchivedPicture", [](const QByteArray &b) { return platform::unarchivedPicture(b).has_value(); }, picture,
         pictureMarkers},
    };
    for (const Reader &reader : readers) {
        for (const QByteArray &carrier : {reader.carrier, asXml(reader.carrier)}) {
            // The carrier itself reads, so a refusal below is the NUL's doing.
            ASSERT_TRUE(reader.accepts(carrier)) << reader.name << (carrier.startsWith("bplist") ? " binary" : " XML");
            for (const QString &marker : reader.markers) {
                if (!carrier.startsWith("bplist") && marker == QStringLiteral("Größe"))
                    continue;   // XML has no UTF-16 strings; the ASCII markers cover it
                for (const nultest::Variant &v : nultest::nulVariants(carrier, marker))
                    EXPECT_FALSE(reader.accepts(v.bytes)) << reader.name << ": " << v.name.toStdString();
            }
        }
    }
}

// The refusal is of the NUL, not of strings that merely look unusual.
TEST(PlistNul, StringsWithoutANulStillRead)
{
    PlistValue list = PlistValue::array();
    for (const char *s : {"&#1;", "\\0", "a\x01z", "Grüße \xE2\x80\x8B", "&amp;#0;"})
        list.append(PlistValue(QString::fromUtf8(s)));
    for (PlistFormat format : {PlistFormat::Binary, PlistFormat::Xml}) {
        const std::optional<PlistValue> back = platform::plistFromData(platform::plistToData(list, format));
        ASSERT_TRUE(back.has_value()) << int(format);
        EXPECT_EQ(*back, list) << int(format);
    }
}

} // namespace
