#include "engines/linear/NKDBarcode.h"
#include "engines/linear/FakeMeasurer.h"
#include "engines/linear/PatternRaster.h"

#include <QFont>
#include <gtest/gtest.h>

namespace {

// A small symbology with distinct character patterns, so the order of the pieces shows in the pattern.
class ProbeBarcode : public NKDBarcode {
public:
    QString _encodeChar(char c) const override
    {
        switch (c) {
        case 'A': return QStringLiteral("11");
        case 'B': return QStringLiteral("101");
        case 'C': return QStringLiteral("1001");
        default: return QString();
        }
    }
    QString initiator() const override { return QStringLiteral("1"); }
    QString terminator() const override { return QStringLiteral("0"); }
    int digitsToLeft() const override { return left; }
    int digitsToRight() const override { return right; }
    QString className() const override { return QStringLiteral("ProbeBarcode"); }
    void forceCheckDigit(char c) { m_checkDigit = c; }

    int left = 0;
    int right = 0;

protected:
    std::unique_ptr<NKDBarcode> newInstance() const override { return std::make_unique<ProbeBarcode>(); }
};

std::shared_ptr<BarcodeSettings> settingsWithFonts(double valuePt, double headerPt, double footerPt)
{
    auto s = std::make_shared<BarcodeSettings>();
    s->value_font.setPointSizeF(valuePt);
    s->header_font.setPointSizeF(headerPt);
    s->footer_font.setPointSizeF(footerPt);
    return s;
}

} // namespace

TEST(NKDBarcodeConstruction, FreshObjectHasNothingSetUntilTheCallerSetsIt)
{
    NKDBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("HELLO"), true));
    EXPECT_EQ(b.content(), QStringLiteral("HELLO"));
    EXPECT_TRUE(b.printsCaption());
    EXPECT_FALSE(b.printsHeader());
    EXPECT_FALSE(b.printsFooter());
    EXPECT_EQ(b.barWidth(), 0.0f);
    EXPECT_EQ(b.width(), 0.0f);
    EXPECT_EQ(b.height(), 0.0f);
    EXPECT_EQ(b.caption_fontSize(), 0.0f);
    EXPECT_EQ(b.header_fontSize(), 0.0f);
    EXPECT_EQ(b.footer_fontSize(), 0.0f);
    EXPECT_EQ(b.checkDigit(), 0);   // "none" is stored as 0
    EXPECT_EQ(b.header(), QStringLiteral(""));
    EXPECT_FALSE(b.header().isNull());
    EXPECT_EQ(b.footer(), QStringLiteral(""));
}

TEST(NKDBarcodeConstruction, DesignatedInitializerKeepsNeitherSizesNorFont)
{
    NKDBarcode b;
    ASSERT_TRUE(b.initWithContent_printsCaption_andBarWidth_andHeight_andFontSize_andCheckDigit(
        QStringLiteral("X"), false, 2.5f, 80.0f, 12.0f, '7'));
    EXPECT_EQ(b.barWidth(), 0.0f);
    EXPECT_EQ(b.height(), 0.0f);
    EXPECT_EQ(b.caption_fontSize(), 0.0f);
    EXPECT_EQ(b.checkDigit(), '7');
    EXPECT_FALSE(b.printsCaption());
}

TEST(NKDBarcodeConstruction, RejectsAbsentAndNonAsciiContent)
{
    NKDBarcode a;
    EXPECT_FALSE(a.initWithContent_printsCaption_andBarWidth_andHeight_andFontSize_andCheckDigit(
        QString(), true, 1, 1, 1, 0));
    NKDBarcode b;
    EXPECT_FALSE(b.initWithContent(QString(), true));
    NKDBarcode c;
    EXPECT_FALSE(c.initWithContent(QStringLiteral("caf\u00e9"), true));
    NKDBarcode d;
    EXPECT_FALSE(d.initWithContent(QStringLiteral("\u4e2d"), true));
    // The empty string is content, not absence.
    NKDBarcode e;
    EXPECT_TRUE(e.initWithContent(QStringLiteral(""), true));
}

TEST(NKDBarcodeConstruction, CheckDigitMinusOneIsStoredAsZero)
{
    NKDBarcode b;
    b.setCheckDigit(char(-1));
    EXPECT_EQ(b.checkDigit(), 0);
    b.setCheckDigit('X');
    EXPECT_EQ(b.checkDigit(), 'X');
    b.setCheckDigit(char(-2));
    EXPECT_EQ(b.checkDigit(), char(-2));
}

TEST(NKDBarcodePattern, BaseEncodesEveryCharacterAndTheCheckCharacter)
{
    NKDBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("AB"), false));
    // Two characters and the check character 0, each "1010"; no start or stop.
    EXPECT_EQ(b.barcode(), QStringLiteral("101010101010"));
    EXPECT_EQ(b.completeBarcode(), b.barcode());
    EXPECT_TRUE(b.isContentValid());
    b.setBarWidth(0.5f);
    b.calculateWidth();
    EXPECT_FLOAT_EQ(b.width(), 6.0f);
}

TEST(NKDBarcodePattern, SubclassPiecesComeInOrderAndMinusOneAddsNoCheck)
{
    ProbeBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("CAB"), true));
    EXPECT_EQ(b.completeBarcode(), QStringLiteral("1") + "1001" + "11" + "101" + "" + "0");
    b.setCheckDigit('A');
    EXPECT_EQ(b.barcode(), QStringLiteral("100111101") + "11");
    b.forceCheckDigit(char(-1));
    EXPECT_EQ(b.barcode(), QStringLiteral("100111101"));
    b.setBarWidth(2.0f);
    b.calculateWidth();
    EXPECT_FLOAT_EQ(b.width(), 22.0f);   // 11 modules
}

TEST(NKDBarcodePattern, ValidityNeedsEveryCharacterEncodable)
{
    ProbeBarcode ok;
    ASSERT_TRUE(ok.initWithContent(QStringLiteral("ABCCBA"), true));
    EXPECT_TRUE(ok.isContentValid());
    ProbeBarcode bad;
    ASSERT_TRUE(bad.initWithContent(QStringLiteral("ABD"), true));
    EXPECT_FALSE(bad.isContentValid());
    // Content changed to non-ASCII after construction yields no pattern and is not valid.
    ok.setContent(QStringLiteral("A\u00c4"));
    EXPECT_FALSE(ok.isContentValid());
    EXPECT_TRUE(ok.barcode().isEmpty());
}

TEST(NKDBarcodeCaption, SplitsByDigitsLeftAndRight)
{
    ProbeBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("ABCDEF"), true));
    EXPECT_EQ(b.caption(), QStringLiteral("ABCDEF"));
    EXPECT_EQ(b.leftCaption(), QStringLiteral(""));
    EXPECT_EQ(b.rightCaption(), QStringLiteral(""));
    b.left = 1;
    b.right = 2;
    EXPECT_EQ(b.leftCaption(), QStringLiteral("A"));
    EXPECT_EQ(b.rightCaption(), QStringLiteral("EF"));
    EXPECT_EQ(b.caption(), QStringLiteral("BCD"));
    // Shorter than the two side groups: no middle, and nothing read past the end.
    b.setContent(QStringLiteral("AB"));
    EXPECT_EQ(b.caption(), QStringLiteral(""));
    EXPECT_EQ(b.leftCaption(), QStringLiteral("A"));
    EXPECT_EQ(b.rightCaption(), QStringLiteral("AB"));
}

TEST(NKDBarcodeBands, HeightsFollowTheFontsCapHeightNotTheSizeAsked)
{
    testsupport::ScopedFakeMeasurer fake;
    NKDBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("V"), true));
    b.setSettings(settingsWithFonts(10, 20, 30));   // cap heights 7, 14, 21 points
    b.setHeader(QStringLiteral("HEAD"));
    b.setFooter(QStringLiteral("FOOTER"));

    b.setCaptionFontSize(99);
    EXPECT_FLOAT_EQ(b.caption_fontSize(), 99.0f);
    EXPECT_FLOAT_EQ(b.captionHeight(), float(7.0 / 72 * 1.35));

    b.setHeaderFontSize(5);
    EXPECT_FLOAT_EQ(b.header_fontSize(), 5.0f);
    EXPECT_FLOAT_EQ(b.headerHeight(), float(14.0 / 72 * 1.35));
    // Four characters at half of 20 points, each followed by the 2 points of kerning the band is
    // drawn with: measured as drawn, so a wide band is never cut.
    EXPECT_FLOAT_EQ(b.headerWidth(), 4 * (10.0f + 2.0f));

    b.setFooterFontSize(6);
    EXPECT_FLOAT_EQ(b.footer_fontSize(), 6.0f);
    EXPECT_FLOAT_EQ(b.footerHeight(), float(21.0 / 72 * 1.35));
    EXPECT_FLOAT_EQ(b.footerWidth(), 6 * (15.0f + 2.0f));
}

TEST(NKDBarcodeBands, EmptyHeaderMeasuresZeroWide)
{
    testsupport::ScopedFakeMeasurer fake;
    NKDBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("V"), true));
    b.setSettings(settingsWithFonts(10, 20, 30));
    b.setHeaderFontSize(12);
    EXPECT_EQ(b.headerWidth(), 0.0f);
    EXPECT_GT(b.headerHeight(), 0.0f);
}

TEST(NKDBarcodeBands, RealFontsGiveAPlausibleBand)
{
    // With Qt's own metrics at 72 DPI a 12-point face has a cap height of a few points.
    NKDBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("V"), true));
    auto s = std::make_shared<BarcodeSettings>();
    s->value_font = QFont(QStringLiteral("DejaVu Sans"));
    s->value_font.setPointSizeF(12);
    s->header_font = s->value_font;
    b.setSettings(s);
    b.setHeader(QStringLiteral("Header text"));
    b.setCaptionFontSize(12);
    b.setHeaderFontSize(12);
    EXPECT_GT(b.captionHeight() * 72, 12 * 0.5 * 1.35);
    EXPECT_LT(b.captionHeight() * 72, 12 * 0.9 * 1.35);
    EXPECT_GT(b.headerWidth(), 40.0f);
    EXPECT_LT(b.headerWidth(), 110.0f);
}

TEST(NKDBarcodeBands, BarBottomCountsOnlyPrintedBands)
{
    NKDBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("V"), false));
    b.setCaptionHeight(0.25f);
    b.setHeaderHeight(0.5f);
    b.setFooterHeight(0.125f);
    EXPECT_EQ(b.barBottom(0), 0.0f);
    b.setPrintsCaption(true);
    b.setPrintsFooter(true);
    EXPECT_FLOAT_EQ(b.barBottom(3), (0.25f + 0.125f) * 72);
    b.setPrintsHeader(true);
    EXPECT_FLOAT_EQ(b.barBottom(7), (0.25f + 0.5f + 0.125f) * 72);
}

TEST(NKDBarcodeBands, BarTopSubtractsPrintedBandsMarginsAndTwiceTheEdgeMargin)
{
    NKDBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("V"), true));
    b.setHeight(100);
    b.setCaptionHeight(0.5f);   // 36 pt
    b.setHeaderHeight(0.25f);   // 18 pt
    b.setFooterHeight(1.0f);    // 72 pt, not printed
    b.setPrintsHeader(true);

    auto barcodeMode = std::make_shared<BarcodeSettings>();
    barcodeMode->mode = 0;
    barcodeMode->value_margin = 2;
    barcodeMode->header_margin = 3;
    barcodeMode->footer_margin = 50;
    barcodeMode->TB_margin = 4;
    b.setSettings(barcodeMode);
    EXPECT_FLOAT_EQ(b.barTop(0), 100 - (36 + 2) - (18 + 3) - 8);

    // The same object in the designing mode reads that source's margins.
    auto designMode = std::make_shared<BarcodeSettings>(*barcodeMode);
    designMode->mode = 1;
    designMode->value_margin = 0;
    designMode->header_margin = 1;
    designMode->TB_margin = 0.5f;
    b.setSettings(designMode);
    EXPECT_FLOAT_EQ(b.barTop(0), 100 - 36 - (18 + 1) - 1);

    b.setPrintsFooter(true);
    EXPECT_FLOAT_EQ(b.barTop(0), 100 - 36 - 19 - (72 + 50) - 1);
}

TEST(NKDBarcodeObject, DescriptionNamesClassAndFigures)
{
    ProbeBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("ABC"), true));
    b.setCheckDigit('A');
    b.setWidth(12.5f);
    b.setHeight(40);
    b.setBarWidth(0.75f);
    b.setCaptionHeight(0.5f);
    EXPECT_EQ(b.description(),
              QStringLiteral("\n\tBarcode Class: ProbeBarcode\n\tContent: ABC\n\tCheck Digit:A\n\tWidth:12.500000"
                             "\n\tHeight:40.000000\n\tBar Width:0.750000\n\tCaption Font Size:0.000000"
                             "\n\tCaption Height:0.500000"));
}

TEST(NKDBarcodeObject, EqualityIsByContentOnly)
{
    ProbeBarcode a, b, c;
    ASSERT_TRUE(a.initWithContent(QStringLiteral("ABC"), true));
    ASSERT_TRUE(b.initWithContent(QStringLiteral("ABC"), false));
    ASSERT_TRUE(c.initWithContent(QStringLiteral("ABCA"), true));
    b.setBarWidth(3);
    b.setHeight(99);
    b.setCheckDigit('B');
    b.setHeader(QStringLiteral("other"));
    EXPECT_TRUE(a.isEqual(b));
    EXPECT_TRUE(b.isEqual(a));
    EXPECT_FALSE(a.isEqual(c));
}

TEST(NKDBarcodeObject, CopyIsTheSameClassAndDrawsTheSameSize)
{
    ProbeBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("CAB"), true));
    b.setCheckDigit('B');
    b.setBarWidth(2);
    b.setHeight(50);
    b.setCaptionHeight(0.2f);
    b.calculateWidth();
    const std::unique_ptr<NKDBarcode> twin = b.copy();
    ASSERT_TRUE(twin);
    EXPECT_EQ(twin->className(), QStringLiteral("ProbeBarcode"));
    EXPECT_EQ(twin->content(), QStringLiteral("CAB"));
    EXPECT_EQ(twin->checkDigit(), 'B');
    EXPECT_TRUE(twin->printsCaption());
    EXPECT_EQ(twin->completeBarcode(), b.completeBarcode());
    EXPECT_FLOAT_EQ(twin->barWidth(), 2.0f);
    EXPECT_FLOAT_EQ(twin->height(), 50.0f);
    EXPECT_FLOAT_EQ(twin->width(), b.width());
    EXPECT_GT(twin->width(), 0.0f);
    EXPECT_TRUE(twin->isEqual(b));
}

TEST(NKDBarcodeObject, SequentialCodingRoundTrips)
{
    NKDBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("ROUND trip"), true));
    b.setCheckDigit('9');
    b.setBarWidth(0.72f);
    b.setWidth(123.25f);
    b.setHeight(64.5f);
    b.setCaptionFontSize(11);
    b.setCaptionHeight(0.1875f);
    const QByteArray data = b.encodeWithCoder();

    NKDBarcode r;
    ASSERT_TRUE(r.initWithCoder(data));
    EXPECT_EQ(r.content(), QStringLiteral("ROUND trip"));
    EXPECT_TRUE(r.printsCaption());
    EXPECT_EQ(r.checkDigit(), '9');
    EXPECT_EQ(r.barWidth(), 0.72f);
    EXPECT_EQ(r.width(), 123.25f);   // written straight into the field, not recalculated
    EXPECT_EQ(r.height(), 64.5f);
    EXPECT_EQ(r.caption_fontSize(), 11.0f);
    EXPECT_EQ(r.captionHeight(), 0.1875f);
}

TEST(NKDBarcodeObject, CodingKeepsNegativeCheckAndRejectsTruncatedData)
{
    ProbeBarcode b;
    ASSERT_TRUE(b.initWithContent(QStringLiteral("AB"), false));
    b.forceCheckDigit(char(-1));
    const QByteArray data = b.encodeWithCoder();
    ProbeBarcode r;
    ASSERT_TRUE(r.initWithCoder(data));
    EXPECT_EQ(r.checkDigit(), char(-1));
    EXPECT_FALSE(r.printsCaption());
    EXPECT_EQ(r.barcode(), QStringLiteral("11101"));

    ProbeBarcode cut;
    EXPECT_FALSE(cut.initWithCoder(data.left(data.size() - 1)));
    EXPECT_FALSE(cut.initWithCoder(QByteArray()));
}

TEST(PatternRaster, DrawsModulesAtTheRequestedScaleInsideTheQuietZone)
{
    const QImage img = testsupport::renderPattern(QStringLiteral("1101"), 2, 5, 3);
    ASSERT_EQ(img.width(), 4 * 2 + 2 * 6);
    ASSERT_EQ(img.height(), 5 + 2 * 6);
    auto dark = [&](int x, int y) { return qGray(img.pixel(x, y)) < 128; };
    const int y = 6 + 2;
    EXPECT_FALSE(dark(5, y));
    EXPECT_TRUE(dark(6, y));
    EXPECT_TRUE(dark(9, y));
    EXPECT_FALSE(dark(10, y));
    EXPECT_FALSE(dark(11, y));
    EXPECT_TRUE(dark(12, y));
    EXPECT_TRUE(dark(13, y));
    EXPECT_FALSE(dark(14, y));
    EXPECT_FALSE(dark(6, 5));    // above the bars
    EXPECT_FALSE(dark(6, 11));   // below the bars
    EXPECT_TRUE(dark(6, 10));
}
