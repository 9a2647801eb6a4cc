#include "platform/KeyedArchive.h"
#include "platform/Plist.h"
#include "platform/PlistGuard.h"

#include <gtest/gtest.h>

#include <QPainter>

using platform::PlistValue;

namespace {

// A keyed archive written by hand in XML, as the platform writes one: object 1 the root, the class
// record after it.
QByteArray xmlArchive(const QString &objects, const QString &rootUid = QStringLiteral("1"))
{
    return QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0"><dict>
<key>$archiver</key><string>NSKeyedArchiver</string>
<key>$objects</key><array><string>$null</string>%1</array>
<key>$top</key><dict><key>root</key><dict><key>CF$UID</key><integer>%2</integer></dict></dict>
<key>$version</key><integer>100000</integer>
</dict></plist>)")
        .arg(objects, rootUid)
        .toUtf8();
}

QString colorObject(int space, const QString &key, const QByteArray &components, int classUid = 2)
{
    return QStringLiteral("<dict><key>$class</key><dict><key>CF$UID</key><integer>%1</integer></dict>"
                          "<key>NSColorSpace</key><integer>%2</integer><key>%3</key><data>%4</data></dict>")
        .arg(classUid)
        .arg(space)
        .arg(key, QString::fromLatin1(components.toBase64()));
}

const QString kColorClass = QStringLiteral(
    "<dict><key>$classes</key><array><string>NSColor</string><string>NSObject</string></array>"
    "<key>$classname</key><string>NSColor</string></dict>");

void expectColor(const std::optional<QColor> &c, double r, double g, double b, double a)
{
    ASSERT_TRUE(c.has_value());
    EXPECT_NEAR(c->redF(), r, 1e-4);
    EXPECT_NEAR(c->greenF(), g, 1e-4);
    EXPECT_NEAR(c->blueF(), b, 1e-4);
    EXPECT_NEAR(c->alphaF(), a, 1e-4);
}

TEST(KeyedArchive, ColoursRoundTripThroughTheContainer)
{
    for (const QColor &c : {QColor(255, 0, 0), QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.5f), QColor(0, 0, 0, 0),
                            QColor(255, 255, 255)}) {
        const QByteArray data = platform::archivedColor(c);
        ASSERT_TRUE(data.startsWith("bplist00"));
        expectColor(platform::unarchivedColor(data), c.redF(), c.greenF(), c.blueF(), c.alphaF());
    }
}

TEST(KeyedArchive, ColourBlockIsThePlatformsForm)
{
    const auto tree = platform::keyedUnarchive(platform::archivedColor(QColor::fromRgbF(1, 0.5f, 0, 0.25f)));
    ASSERT_TRUE(tree.has_value());
    ASSERT_NE(tree->value(QStringLiteral("$class")), nullptr);
    EXPECT_EQ(tree->value(QStringLiteral("$class"))->toString(), QStringLiteral("NSColor"));
    EXPECT_EQ(tree->value(QStringLiteral("NSColorSpace"))->toInteger(), 1);
    EXPECT_EQ(tree->value(QStringLiteral("NSRGB"))->toData(), QByteArray("1 0.50001 0 0.25\0", 17));
    // The container itself: archiver, top and objects with the class record.
    const auto plist = platform::plistFromData(platform::archivedColor(Qt::red));
    ASSERT_TRUE(plist.has_value());
    EXPECT_EQ(plist->value(QStringLiteral("$archiver"))->toString(), QStringLiteral("NSKeyedArchiver"));
    EXPECT_EQ(plist->value(QStringLiteral("$top"))->value(QStringLiteral("root"))->type(), PlistValue::Type::Uid);
    EXPECT_EQ(plist->value(QStringLiteral("$objects"))->items().front().toString(), QStringLiteral("$null"));
}

TEST(KeyedArchive, ReadsColoursArchivedByThePlatform)
{
    struct Case {
        const char *name;
        QString object;
        double r, g, b, a;
    };
    const Case cases[] = {
        {"rgb without alpha", colorObject(1, QStringLiteral("NSRGB"), QByteArray("1 0 0\0", 6)), 1, 0, 0, 1},
        {"device rgb with alpha", colorObject(2, QStringLiteral("NSRGB"), QByteArray("0.2 0.4 0.6 0.5\0", 16)), 0.2, 0.4, 0.6, 0.5},
        {"white", colorObject(3, QStringLiteral("NSWhite"), QByteArray("1\0", 2)), 1, 1, 1, 1},
        {"clear", colorObject(3, QStringLiteral("NSWhite"), QByteArray("0 0\0", 4)), 0, 0, 0, 0},
        {"device grey", colorObject(4, QStringLiteral("NSWhite"), QByteArray("0.5", 3)), 0.5, 0.5, 0.5, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        expectColor(platform::unarchivedColor(xmlArchive(c.object + kColorClass)), c.r, c.g, c.b, c.a);
    }
}

TEST(KeyedArchive, NamedColourReadsThroughTheColourItStandsFor)
{
    const QString named = QStringLiteral(
        "<dict><key>$class</key><dict><key>CF$UID</key><integer>3</integer></dict>"
        "<key>NSColorSpace</key><integer>6</integer>"
        "<key>NSColor</key><dict><key>CF$UID</key><integer>2</integer></dict></dict>");
    const QString fallback = colorObject(1, QStringLiteral("NSRGB"), QByteArray("0 0 1\0", 6), 3);
    expectColor(platform::unarchivedColor(xmlArchive(named + fallback + kColorClass)), 0, 0, 1, 1);
}

TEST(KeyedArchive, MalformedArchivesDoNotDecode)
{
    const QString good = colorObject(1, QStringLiteral("NSRGB"), QByteArray("1 0 0\0", 6));
    ASSERT_TRUE(platform::unarchivedColor(xmlArchive(good + kColorClass)));
    // A root or a class reference outside the objects.
    EXPECT_FALSE(platform::keyedUnarchive(xmlArchive(good + kColorClass, QStringLiteral("9"))));
    EXPECT_FALSE(platform::unarchivedColor(xmlArchive(colorObject(1, QStringLiteral("NSRGB"), "1 0 0", 7) + kColorClass)));
    // An object that contains itself.
    const QString loop = QStringLiteral("<dict><key>$class</key><dict><key>CF$UID</key><integer>2</integer></dict>"
                                        "<key>NSColor</key><dict><key>CF$UID</key><integer>1</integer></dict></dict>");
    EXPECT_FALSE(platform::keyedUnarchive(xmlArchive(loop + kColorClass)));
    // No archive at all, another class, components that are no numbers, too few components.
    EXPECT_FALSE(platform::unarchivedColor(QByteArray("not a property list")));
    EXPECT_FALSE(platform::unarchivedColor(platform::plistToData(PlistValue::array(), platform::PlistFormat::Binary)));
    const QString otherClass = QStringLiteral("<dict><key>$classes</key><array><string>NSFont</string></array>"
                                              "<key>$classname</key><string>NSFont</string></dict>");
    EXPECT_FALSE(platform::unarchivedColor(xmlArchive(good + otherClass)));
    EXPECT_FALSE(platform::unarchivedColor(xmlArchive(colorObject(1, QStringLiteral("NSRGB"), "red green blue") + kColorClass)));
    EXPECT_FALSE(platform::unarchivedColor(xmlArchive(colorObject(1, QStringLiteral("NSRGB"), "1 0") + kColorClass)));
    // Every truncation of a good block fails cleanly.
    const QByteArray block = platform::archivedColor(Qt::green);
    for (qsizetype n = 0; n < block.size(); ++n)
        EXPECT_FALSE(platform::unarchivedColor(block.left(n))) << n;
}

TEST(KeyedArchive, SharedReferencesAreBoundedNotExpanded)
{
    // Each level references the one below twice: 2^40 values once expanded.
    QString objects;
    const int levels = 40;
    for (int i = 1; i <= levels; ++i) {
        const int below = i < levels ? i + 1 : 0;
        objects += QStringLiteral("<array><dict><key>CF$UID</key><integer>%1</integer></dict>"
                                  "<dict><key>CF$UID</key><integer>%1</integer></dict></array>")
                       .arg(below);
    }
    EXPECT_FALSE(platform::keyedUnarchive(xmlArchive(objects)));
}

TEST(KeyedArchive, BitmapPicturesRoundTripPixelForPixel)
{
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(3, 2, qRgba(10, 200, 30, 255));
    const platform::Picture picture = platform::Picture::fromImage(image, QSizeF(14, 10));
    const auto back = platform::unarchivedPicture(platform::archivedPicture(picture));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->size(), QSizeF(14, 10));
    EXPECT_EQ(back->image().convertToFormat(QImage::Format_ARGB32), image);
}

TEST(KeyedArchive, VectorPicturesKeepTheirDrawing)
{
    const platform::Picture picture = platform::Picture::record(QSizeF(40, 20), [](QPainter &p) {
        p.fillRect(QRectF(0, 0, 20, 20), Qt::black);
        p.fillRect(QRectF(30, 5, 5, 10), Qt::red);
    });
    const auto back = platform::unarchivedPicture(platform::archivedPicture(picture));
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(back->isVector());
    EXPECT_EQ(back->size(), QSizeF(40, 20));
    const QImage a = picture.toImage(144).convertToFormat(QImage::Format_ARGB32);
    const QImage b = back->toImage(144).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a, b);
    EXPECT_EQ(b.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(b.pixel(64, 20), qRgb(255, 0, 0));
}

TEST(KeyedArchive, PictureRecordsThatCannotBeUsedGiveNoPicture)
{
    auto record = [](double w, double h, const QString &kind, const QByteArray &bytes) {
        PlistValue o = PlistValue::dictionary();
        o.insert(QStringLiteral("width"), PlistValue::real(w));
        o.insert(QStringLiteral("height"), PlistValue::real(h));
        o.insert(QStringLiteral("kind"), PlistValue(kind));
        o.insert(QStringLiteral("bytes"), PlistValue::data(bytes));
        o.insert(QStringLiteral("$class"), PlistValue(QStringLiteral("TagoraPicture")));
        return platform::keyedArchiveData(o);
    };
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::white);
    const QByteArray png = platform::archivedPicture(platform::Picture::fromImage(one, QSizeF(1, 1)));
    ASSERT_TRUE(platform::unarchivedPicture(png));
    const auto tree = platform::keyedUnarchive(png);
    const QByteArray pngBytes = tree->value(QStringLiteral("bytes"))->toData();
    EXPECT_TRUE(platform::unarchivedPicture(record(1, 1, QStringLiteral("png"), pngBytes)));
    EXPECT_FALSE(platform::unarchivedPicture(record(0, 1, QStringLiteral("png"), pngBytes)));
    EXPECT_FALSE(platform::unarchivedPicture(record(std::nan(""), 1, QStringLiteral("png"), pngBytes)));
    EXPECT_FALSE(platform::unarchivedPicture(record(1, 1, QStringLiteral("png"), pngBytes.left(20))));
    EXPECT_FALSE(platform::unarchivedPicture(record(1, 1, QStringLiteral("recording"), QByteArray("QPIC garbage"))));
    EXPECT_FALSE(platform::unarchivedPicture(record(1, 1, QStringLiteral("tiff"), pngBytes)));
    EXPECT_FALSE(platform::unarchivedPicture(QByteArray()));
    EXPECT_FALSE(platform::unarchivedPicture(platform::archivedColor(Qt::red)));
}

} // namespace

namespace {

// libplist 2.2 aborts on a string holding a NUL: such bytes never reach it.
TEST(PlistGuard, StringsWithANulAreRefused)
{
    EXPECT_TRUE(platform::plistStringsAreSafe(QByteArray("<plist><string>ok</string></plist>")));
    EXPECT_FALSE(platform::plistStringsAreSafe(QByteArray("<plist><string>M\0\0</string></plist>", 35)));
    EXPECT_FALSE(platform::plistStringsAreSafe(QByteArray("<plist><string>a&#0;b</string></plist>")));
    EXPECT_FALSE(platform::plistStringsAreSafe(QByteArray("<plist><string>a&#x000;b</string></plist>")));
    const QByteArray good = platform::plistToData(PlistValue::fromStrings({QStringLiteral("abc"), QStringLiteral("Grüße")}),
                                                  platform::PlistFormat::Binary);
    EXPECT_TRUE(platform::plistStringsAreSafe(good));
    // The second character made NUL: one byte in an ASCII string, a two-byte unit in a UTF-16 one.
    QByteArray ascii = platform::plistToData(PlistValue::fromStrings({QStringLiteral("ab")}), platform::PlistFormat::Binary);
    ascii[ascii.indexOf("ab") + 1] = '\0';
    QByteArray wide = platform::plistToData(PlistValue::fromStrings({QStringLiteral("ü!")}), platform::PlistFormat::Binary);
    const qsizetype bang = wide.indexOf(QByteArray("\0!", 2));
    ASSERT_GE(bang, 0);
    wide[bang + 1] = '\0';
    for (const QByteArray &bad : {ascii, wide}) {
        EXPECT_FALSE(platform::plistStringsAreSafe(bad));
        EXPECT_FALSE(platform::keyedUnarchive(bad));
    }
    EXPECT_FALSE(platform::plistStringsAreSafe(QByteArray("bplist00")));
}

} // namespace
