#include "engines/Symbologies.h"
#include "engines/linear/NKDBarcode.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace Symbologies;

namespace {

// The linear titles the generation knows, and the 2D family.
const char *const kLinearTitles[] = {
    "Code 39", "Extended Code 39", "Interleaved 2 of 5", "UPCA", "PostNet", "Modified Plessey",
    "Modified Plessey (Hex)", "Industrial 2 of 5", "EAN-13", "Code 128", "Code 128 SET A", "Code 128 SET B",
    "Code 128 SET C", "Codabar", "UPCE", "EAN-8", "Royal Mail Barcode (RM4SCC / CBC)", "Planet",
    "Japan Post Barcode"};

class CodeSetProbe : public NKDBarcode {
public:
    explicit CodeSetProbe(int set) : codeSet(set) {}
    QString className() const override { return QStringLiteral("CodeSetProbe"); }
    int codeSet;
};

} // namespace

TEST(Symbologies, ListHoldsEveryTitleOnceWithItsEngine)
{
    ASSERT_EQ(count(), 22);
    ASSERT_EQ(allTitles().size(), 22);
    EXPECT_EQ(QSet<QString>(allTitles().begin(), allTitles().end()).size(), 22);
    for (const char *t : kLinearTitles) {
        const QString title = QString::fromLatin1(t);
        EXPECT_GE(indexOf(title), 0) << t;
        EXPECT_EQ(kindOf(title), EngineKind::Linear) << t;
        EXPECT_TRUE(isLinear(title)) << t;
        EXPECT_FALSE(isTwoD(title)) << t;
    }
    EXPECT_EQ(kindOf(QStringLiteral("QR Code")), EngineKind::QR);
    EXPECT_EQ(kindOf(QStringLiteral("PDF417")), EngineKind::PDF417);
    EXPECT_EQ(kindOf(QStringLiteral("DataMatrix")), EngineKind::DataMatrix);
    for (const char *t : {"QR Code", "PDF417", "DataMatrix"}) {
        EXPECT_TRUE(isTwoD(QString::fromLatin1(t))) << t;
        EXPECT_FALSE(isLinear(QString::fromLatin1(t))) << t;
    }
    // Titles are exact: case, spacing and near misses are not symbologies.
    for (const char *t : {"qr code", "UPC-A", "EAN13", "Code128", "", "Planet "}) {
        EXPECT_EQ(indexOf(QString::fromLatin1(t)), -1) << t;
        EXPECT_EQ(kindOf(QString::fromLatin1(t)), EngineKind::None) << t;
        EXPECT_FALSE(isTwoD(QString::fromLatin1(t)));
        EXPECT_FALSE(isLinear(QString::fromLatin1(t)));
    }
}

TEST(Symbologies, StoredIndexesKeepTheirMeaning)
{
    // Indexes stored in barcode objects: 16 is the QR Code of the Advanced QR mode; 0 is the
    // default linear symbology.
    EXPECT_EQ(titleAt(16), QStringLiteral("QR Code"));
    EXPECT_EQ(indexOf(QStringLiteral("QR Code")), 16);
    EXPECT_EQ(titleAt(0), QStringLiteral("Code 39"));
    EXPECT_TRUE(isLinear(titleAt(0)));
    EXPECT_EQ(titleAt(17), QStringLiteral("PDF417"));
    EXPECT_EQ(titleAt(18), QStringLiteral("DataMatrix"));
    EXPECT_EQ(titleAt(21), QStringLiteral("Japan Post Barcode"));
    for (int i = 0; i < count(); ++i)
        EXPECT_EQ(indexOf(titleAt(i)), i);
    EXPECT_EQ(titleAt(-1), QString());
    EXPECT_EQ(titleAt(22), QString());
}

TEST(Symbologies, DisplayedTitlesResolveBack)
{
    for (int i = 0; i < count(); ++i) {
        EXPECT_FALSE(displayTitle(i).isEmpty());
        EXPECT_EQ(indexOfDisplayed(displayTitle(i)), i);
    }
    EXPECT_EQ(indexOfDisplayed(QStringLiteral("DataMatrix")), 18);
    EXPECT_EQ(indexOfDisplayed(QStringLiteral("Data Matrix")), -1);
    EXPECT_EQ(displayTitle(99), QString());
}

TEST(Symbologies, BuiltInUPCEANFactoriesMakeTheRightModels)
{
    const std::pair<const char *, const char *> built[] = {
        {"UPCA", "NKDUPCABarcode"}, {"UPCE", "NKDUPCEBarcode"}, {"EAN-13", "NKDEAN13Barcode"},
        {"EAN-8", "NKDEAN8Barcode"}};
    for (const auto &[title, cls] : built) {
        ASSERT_TRUE(hasLinearFactory(QString::fromLatin1(title)));
        const auto model = createLinearBarcode(QString::fromLatin1(title));
        ASSERT_TRUE(model) << title;
        EXPECT_EQ(model->className(), QString::fromLatin1(cls));
        EXPECT_TRUE(model->content().isEmpty());   // not initialised
    }
    const auto ean = createLinearBarcode(QStringLiteral("EAN-13"), QStringLiteral("400638133393"), true);
    ASSERT_TRUE(ean);
    EXPECT_EQ(ean->checkDigit(), '1');
    EXPECT_TRUE(ean->isContentValid());
    EXPECT_FALSE(createLinearBarcode(QStringLiteral("EAN-13"), QStringLiteral("40063813339\u00e9"), true));
}

TEST(Symbologies, NoEngineForTwoDOrUnknownTitles)
{
    EXPECT_FALSE(createLinearBarcode(QStringLiteral("QR Code")));
    EXPECT_FALSE(createLinearBarcode(QStringLiteral("Nonesuch")));
    EXPECT_FALSE(registerLinearSymbology(QStringLiteral("QR Code"), [] { return std::make_unique<NKDBarcode>(); }));
    EXPECT_FALSE(registerLinearSymbology(QStringLiteral("Nonesuch"), [] { return std::make_unique<NKDBarcode>(); }));
    EXPECT_FALSE(createLinearBarcode(QStringLiteral("QR Code")));
    EXPECT_FALSE(createLinearBarcode(QStringLiteral("Nonesuch")));
}

TEST(Symbologies, AnEmptyFactoryRemovesTheEngine)
{
    const LinearFactory kept = linearFactory(QStringLiteral("EAN-8"));
    ASSERT_TRUE(kept);
    ASSERT_TRUE(registerLinearSymbology(QStringLiteral("EAN-8"), LinearFactory()));
    EXPECT_FALSE(hasLinearFactory(QStringLiteral("EAN-8")));
    EXPECT_FALSE(createLinearBarcode(QStringLiteral("EAN-8")));
    ASSERT_TRUE(registerLinearSymbology(QStringLiteral("EAN-8"), kept));
    EXPECT_TRUE(createLinearBarcode(QStringLiteral("EAN-8")));
}

TEST(Symbologies, RegisteredFactoriesPrepareStateBeforeInitialisation)
{
    // The Code 128 titles share one class and differ by the code set given before initialisation.
    const std::pair<const char *, int> sets[] = {
        {"Code 128", 3}, {"Code 128 SET A", 0}, {"Code 128 SET B", 1}, {"Code 128 SET C", 2}};
    // Whatever the program itself installed comes back afterwards.
    std::vector<std::pair<QString, LinearFactory>> saved;
    for (const auto &[title, set] : sets)
        saved.emplace_back(QString::fromLatin1(title), linearFactory(QString::fromLatin1(title)));
    for (const auto &[title, set] : sets) {
        const int s = set;
        ASSERT_TRUE(registerLinearSymbology(QString::fromLatin1(title),
                                            [s] { return std::unique_ptr<NKDBarcode>(new CodeSetProbe(s)); }));
    }
    for (const auto &[title, set] : sets) {
        const auto model = createLinearBarcode(QString::fromLatin1(title), QStringLiteral("ABC"), false);
        ASSERT_TRUE(model) << title;
        const auto *probe = dynamic_cast<const CodeSetProbe *>(model.get());
        ASSERT_NE(probe, nullptr);
        EXPECT_EQ(probe->codeSet, set) << title;
        EXPECT_EQ(model->content(), QStringLiteral("ABC"));
    }
    for (const auto &[title, factory] : saved)
        registerLinearSymbology(title, factory);
}
