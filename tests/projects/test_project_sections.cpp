#include "platform/Plist.h"
#include "projects/ProjectFileBarcode.h"
#include "projects/ProjectFileDesign.h"
#include "projects/ProjectFileText.h"

#include <gtest/gtest.h>

using platform::PlistValue;
using namespace projectfile;

namespace {

PlistValue fileRoot(const char *name)
{
    const auto root = platform::readPlistFile(QStringLiteral(TAGORA_TEST_SOURCE_DIR "/projects/files/") + QLatin1String(name));
    EXPECT_TRUE(root.has_value()) << name;
    return root.value_or(PlistValue());
}

PlistValue strings(const QStringList &items) { return PlistValue::fromStrings(items); }

TEST(ProjectRecognition, MagicAndMarkerChooseTheSection)
{
    struct Case {
        QStringList items;
        Section expected;
    };
    const Case cases[] = {
        {{kMagic, kDesignMarker}, Section::Design},
        {{kMagic, kBarcodeMarker}, Section::Barcode},
        {{kMagic, QStringLiteral("<XYZ>")}, Section::Design},
        {{kMagic}, Section::Design},
        // The older magic is always barcode settings, whatever its element 1 says.
        {{kOlderMagic, kDesignMarker}, Section::Barcode},
        {{kOlderMagic, QStringLiteral("QR Code")}, Section::Barcode},
        {{QStringLiteral("QIROMACBARCODELABEL ")}, Section::Unknown},
        {{}, Section::Unknown},
    };
    for (const Case &c : cases)
        EXPECT_EQ(sectionOf(strings(c.items)), c.expected) << c.items.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(sectionOf(PlistValue::dictionary()), Section::Unknown);
    EXPECT_EQ(sectionOf(fileRoot("wrong_magic.qbf")), Section::Unknown);
}

TEST(DesignSection, ReadsAHandWrittenDesign)
{
    const PlistValue root = fileRoot("design_four_objects.qbf");
    ASSERT_EQ(sectionOf(root), Section::Design);
    const DesignSection s = parseDesignSection(root);
    EXPECT_EQ(s.startOption, QStringLiteral("W"));
    EXPECT_TRUE(s.card.Card_border_chk);
    EXPECT_EQ(s.card.Card_bor_Stepper, 2);
    EXPECT_EQ(colorToText(s.card.Card_fill_clr), QStringLiteral("0.8:0.9:1.0:1.0"));
    EXPECT_EQ(s.card.Card_Name, QStringLiteral("Staff card"));
    EXPECT_EQ(s.card.Card_Size, QSizeF(283.46, 170.08));
    EXPECT_EQ(s.card.Card_Content_font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(s.columnTitles, QStringList{QStringLiteral("Row")});
    EXPECT_EQ(s.objectCount, 4);
    ASSERT_EQ(s.objects.size(), 4u);
    EXPECT_EQ(s.objects[1].items()[0].toString(), QStringLiteral("T"));
}

TEST(DesignSection, CountBeyondTheArraysReadsWhatIsThere)
{
    const DesignSection s = parseDesignSection(fileRoot("design_bad_count.qbf"));
    EXPECT_EQ(s.objectCount, 7);
    EXPECT_EQ(s.objects.size(), 3u);
    EXPECT_TRUE(s.excelBinding);
    EXPECT_EQ(s.excelPath, QStringLiteral("/data/people.xlsx"));
    EXPECT_EQ(s.columnTitles, (QStringList{QStringLiteral("Row"), QStringLiteral("Name"), QStringLiteral("City")}));
    ASSERT_EQ(s.rows.size(), 1);
    EXPECT_EQ(s.rows[0].value(QStringLiteral("Column2")), QStringLiteral("Oslo"));
}

TEST(DesignSection, WriterAndReaderAgree)
{
    DesignSection s;
    s.startOption = QStringLiteral("T");
    s.card.Card_Name = QStringLiteral("Badge");
    s.card.Card_Size = QSizeF(243.78, 153.07);
    s.card.Card_Location = QPointF(1.5, -2);
    s.card.Card_fill_style = QStringLiteral("G");
    s.card.Watermark_Used = true;
    s.card.Watermark_Transp = 0.35f;
    s.card.Card_Content_font = QFont(QStringLiteral("DejaVu Serif"));
    s.card.Card_Content_font.setPointSizeF(13);
    s.objectCount = 2;
    s.objects = {strings({QStringLiteral("L")}), strings({QStringLiteral("D")})};
    const PlistValue a = designSectionArray(s);
    ASSERT_EQ(a.items().size(), size_t(kDesignElements + 2));
    EXPECT_EQ(a.items()[15].toString(), QStringLiteral("100.00"));
    EXPECT_EQ(a.items()[21].toString(), QStringLiteral("{243.78, 153.07}"));
    EXPECT_EQ(a.items()[30].toString(), QStringLiteral("DejaVuSerif::::13.00"));
    EXPECT_EQ(a.items()[41].toString(), QStringLiteral("2"));
    const DesignSection back = parseDesignSection(a);
    EXPECT_EQ(back.startOption, QStringLiteral("T"));
    EXPECT_EQ(back.card.Card_Name, QStringLiteral("Badge"));
    EXPECT_EQ(back.card.Card_Size, QSizeF(243.78, 153.07));
    EXPECT_EQ(back.card.Card_Location, QPointF(1.5, -2));
    EXPECT_EQ(back.card.Card_fill_style, QStringLiteral("G"));
    EXPECT_TRUE(back.card.Watermark_Used);
    EXPECT_FLOAT_EQ(back.card.Watermark_Transp, 0.35f);
    EXPECT_EQ(back.card.Card_Content_font.family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(back.objects.size(), 2u);
    // Written again, the same bytes.
    EXPECT_EQ(platform::plistToData(designSectionArray(back), platform::PlistFormat::Xml),
              platform::plistToData(a, platform::PlistFormat::Xml));
}

TEST(DesignSection, MalformedFilesStopAtTheirElement)
{
    struct Case {
        const char *what;
        std::function<void(PlistValue &)> spoil;
        int index;
    };
    const Case cases[] = {
        {"too short", [](PlistValue &a) { a.items().resize(30); }, 30},
        {"a number element that is data", [](PlistValue &a) { a.items()[5] = PlistValue::data("x"); }, 5},
        {"card size negative", [](PlistValue &a) { a.items()[21] = PlistValue(QStringLiteral("{0, -5}")); }, 21},
        {"card size infinite", [](PlistValue &a) { a.items()[21] = PlistValue(QStringLiteral("{1e999, 5}")); }, 21},
        {"card size huge", [](PlistValue &a) { a.items()[21] = PlistValue(QStringLiteral("{1e9, 5}")); }, 21},
        {"content font without separator", [](PlistValue &a) { a.items()[30] = PlistValue(QStringLiteral("DejaVuSans")); }, 30},
        {"titles not an array", [](PlistValue &a) { a.items()[39] = PlistValue(QStringLiteral("Row")); }, 39},
        {"a title that is no text", [](PlistValue &a) { a.items()[39].items().push_back(PlistValue::integer(1)); }, 39},
        {"a row that is no dictionary", [](PlistValue &a) { a.items()[40].items().push_back(PlistValue(QStringLiteral("r"))); }, 40},
        {"object count of the wrong kind", [](PlistValue &a) { a.items()[41] = PlistValue::array(); }, 41},
    };
    const PlistValue good = fileRoot("design_empty.qbf");
    ASSERT_NO_THROW(parseDesignSection(good));
    for (const Case &c : cases) {
        PlistValue spoiled = good;
        c.spoil(spoiled);
        try {
            parseDesignSection(spoiled);
            ADD_FAILURE() << c.what << " was read";
        } catch (const FileError &e) {
            EXPECT_EQ(e.index(), c.index) << c.what;
            EXPECT_FALSE(e.reason().isEmpty());
        }
    }
    EXPECT_THROW(parseDesignSection(fileRoot("design_short.qbf")), FileError);
    EXPECT_THROW(parseDesignSection(fileRoot("design_bad_size.qbf")), FileError);
    // A negative count reads no objects.
    PlistValue negative = good;
    negative.items()[41] = PlistValue(QStringLiteral("-3"));
    negative.items().push_back(strings({QStringLiteral("L")}));
    EXPECT_TRUE(parseDesignSection(negative).objects.empty());
}

TEST(DesignSection, AFontThisMachineLacksKeepsItsSize)
{
    PlistValue a = fileRoot("design_empty.qbf");
    a.items()[36] = PlistValue(QStringLiteral("SomeFont-Heavy::::33.00"));
    const DesignSection s = parseDesignSection(a);
    EXPECT_DOUBLE_EQ(s.card.Watermark_Font.pointSizeF(), 33.0);
}

TEST(BarcodeSection, ReadsTheCurrentLayoutWithThePlatformsColours)
{
    const BarcodeSection s = parseBarcodeSection(fileRoot("barcode_qr.qbf"));
    EXPECT_FALSE(s.older);
    EXPECT_EQ(s.symbology, QStringLiteral("QR Code"));
    EXPECT_EQ(s.twoDValue, QStringLiteral("https://example.org/qr"));
    EXPECT_FALSE(s.hideHeader);
    EXPECT_TRUE(s.hideFooter);
    EXPECT_EQ(s.alignFooter, 2);
    EXPECT_EQ(s.family, 1);
    EXPECT_EQ(s.qrVersion, 3);
    EXPECT_EQ(s.margins[4], QStringLiteral("0.6"));
    EXPECT_EQ(s.fonts[0].name, QStringLiteral("DejaVu Sans Bold"));
    EXPECT_DOUBLE_EQ(s.fonts[1].size, 9.5);
    EXPECT_EQ(s.colors[0], QColor(0, 0, 255));
    EXPECT_NEAR(s.colors[1].greenF(), 0.5, 1e-4);
    EXPECT_NEAR(s.colors[2].redF(), 0.5, 1e-4);
    EXPECT_EQ(s.colors[3].alpha(), 0);
    EXPECT_EQ(s.colors[4], QColor(255, 0, 0));
    EXPECT_EQ(s.dpiText, QStringLiteral("300"));
    EXPECT_EQ(s.unit, 2);
    ASSERT_EQ(s.list.size(), 3);
    EXPECT_EQ(s.list[1].value(QStringLiteral("PQ")), QStringLiteral("3"));
    EXPECT_TRUE(s.hasLogo);
    EXPECT_FALSE(s.logo);
    EXPECT_TRUE(s.hasTransparent);
    EXPECT_TRUE(s.transparent);
}

TEST(BarcodeSection, ShorterAndOlderLayouts)
{
    const BarcodeSection s56 = parseBarcodeSection(fileRoot("barcode_56.qbf"));
    EXPECT_FALSE(s56.hasLogo);
    EXPECT_FALSE(s56.hasTransparent);
    EXPECT_EQ(s56.list.size(), 3);
    PlistValue s58root = fileRoot("barcode_qr.qbf");
    s58root.items().resize(58);
    const BarcodeSection s58 = parseBarcodeSection(s58root);
    EXPECT_TRUE(s58.hasLogo);
    EXPECT_FALSE(s58.hasTransparent);

    const PlistValue olderRoot = fileRoot("barcode_older.qbf");
    ASSERT_EQ(sectionOf(olderRoot), Section::Barcode);
    const BarcodeSection older = parseBarcodeSection(olderRoot);
    EXPECT_TRUE(older.older);
    EXPECT_EQ(older.symbology, QStringLiteral("QR Code"));
    EXPECT_EQ(older.unit, 2);
    EXPECT_EQ(older.list.size(), 3);
    EXPECT_TRUE(older.sheetSource.isEmpty());
    EXPECT_FALSE(older.hasLogo);
    PlistValue shortOlder = olderRoot;
    shortOlder.items().pop_back();
    EXPECT_THROW(parseBarcodeSection(shortOlder), FileError);
}

TEST(BarcodeSection, ColourBlocksThatDoNotDecodeAreMalformed)
{
    for (const char *name : {"barcode_bad_colour.qbf", "barcode_colour_cycle.qbf"}) {
        try {
            parseBarcodeSection(fileRoot(name));
            ADD_FAILURE() << name << " was read";
        } catch (const FileError &e) {
            EXPECT_TRUE(e.index() == 40 || e.index() == 42) << name;
        }
    }
    PlistValue root = fileRoot("barcode_qr.qbf");
    root.items()[48] = PlistValue(QStringLiteral("list"));
    EXPECT_THROW(parseBarcodeSection(root), FileError);
    root = fileRoot("barcode_qr.qbf");
    root.items()[48].items()[0] = PlistValue(QStringLiteral("record"));
    EXPECT_THROW(parseBarcodeSection(root), FileError);
}

TEST(BarcodeSection, WriterAndReaderAgree)
{
    const BarcodeSection s = parseBarcodeSection(fileRoot("barcode_qr.qbf"));
    const PlistValue again = barcodeSectionArray(s);
    ASSERT_EQ(again.items().size(), size_t(kBarcodeSectionElements));
    EXPECT_EQ(again.items()[11].toString(), QStringLiteral("S"));
    EXPECT_EQ(again.items()[12].toString(), QStringLiteral("H"));
    EXPECT_EQ(again.items()[56].toString(), QStringLiteral("H"));
    EXPECT_EQ(again.items()[58].toString(), QStringLiteral("Y"));
    const BarcodeSection back = parseBarcodeSection(again);
    EXPECT_EQ(back.colors, s.colors);
    EXPECT_EQ(back.list, s.list);
    EXPECT_EQ(back.fonts[2].name, s.fonts[2].name);
    EXPECT_EQ(platform::plistToData(barcodeSectionArray(back), platform::PlistFormat::Xml),
              platform::plistToData(again, platform::PlistFormat::Xml));
}

} // namespace
