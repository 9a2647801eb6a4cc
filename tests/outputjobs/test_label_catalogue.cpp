#include "outputjobs/LabelCatalogue.h"
#include "outputjobs/Print_Wnd_PaperNames.h"
#include "platform/Files.h"
#include "support/LogCapture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using labelstock::Read_Catalogue;

using testsupport::LogCapture;

QStringList productIds(const labelstock::CatalogueRead &read)
{
    QStringList ids;
    for (const Product_Details &p : read.products)
        ids << p.productID;
    return ids;
}

const Product_Details *find(const labelstock::CatalogueRead &read, const QString &id)
{
    for (const Product_Details &p : read.products)
        if (p.productID == id)
            return &p;
    return nullptr;
}

class Catalogue : public ::testing::Test {
protected:
    QString write(const QByteArray &xml)
    {
        const QString path = dir.filePath(QStringLiteral("Vendor.xml"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(xml);
        return path;
    }
    QTemporaryDir dir;
};

TEST(ShippedCatalogue, AveryLabelsReadWithTheirGrids)
{
    const QString path = labelstock::Catalogue_Path(platform::resourceFolder(), QStringLiteral("Avery"));
    const labelstock::CatalogueRead read = Read_Catalogue(path, QString());
    ASSERT_GE(read.products.size(), 6u);
    ASSERT_EQ(read.items.size(), qsizetype(read.products.size()));

    const Product_Details *p5160 = find(read, QStringLiteral("5160"));
    ASSERT_NE(p5160, nullptr);
    EXPECT_EQ(p5160->paper_number, QStringLiteral("5160"));
    EXPECT_EQ(p5160->layoutGroup, QStringLiteral("ADDRESS LABELS"));
    EXPECT_EQ(p5160->paperWidth, QStringLiteral("8.5"));
    EXPECT_EQ(p5160->rows, QStringLiteral("10"));
    EXPECT_EQ(p5160->cols, QStringLiteral("3"));
    // The grid inside the sheet element still gives the margins.
    EXPECT_EQ(p5160->topM, QStringLiteral("0.5"));
    EXPECT_EQ(p5160->leftM, QStringLiteral("0.1875"));
    const QSizeF size = labelstock::Label_Size_MM(*p5160);
    EXPECT_NEAR(size.width(), 66.675, 0.01);
    EXPECT_NEAR(size.height(), 25.4, 0.01);

    const Product_Details *l7160 = find(read, QStringLiteral("L7160"));
    ASSERT_NE(l7160, nullptr);
    EXPECT_EQ(l7160->Unit, QStringLiteral("mm"));
    EXPECT_EQ(labelstock::Label_Size_MM(*l7160), QSizeF(63.5f, 38.1f));
    EXPECT_EQ(l7160->vertigap, QStringLiteral("0"));
    EXPECT_EQ(l7160->horigap, QStringLiteral("2.5"));

    // Every grid fills its sheet: margins, labels and gaps add up to the sheet width.
    for (const Product_Details &p : read.products) {
        const double width = 2 * p.leftM.toDouble() + p.cols.toInt() * p.labelWidth.toDouble() +
                             (p.cols.toInt() - 1) * p.horigap.toDouble();
        EXPECT_NEAR(width, p.paperWidth.toDouble(), 0.02) << p.productID.toStdString();
    }
}

TEST_F(Catalogue, NamesComeFromTheLocaleAllChild)
{
    const QString path = write(R"(<catalog>
      <product productID="P1" layoutGroup="a_b" units="mm">
        <prodName nameGroup="g"><locName locale="fr">Etiquette</locName><locName locale="all">Label-1</locName></prodName>
        <sheet width="210" height="297"/>
        <sheetGrid cellWidth="70" cellHeight="30" numAcross="3" numDown="9" posX="0" posY="13.5" horizGap="0" vertGap="0"/>
      </product>
      <product productID="P2" units="mm">
        <description descGroup="big_labels"><locDesc locale="all"></locDesc></description>
        <masterPanel masterID="m" width="100" height="50"/>
      </product>
    </catalog>)");
    const labelstock::CatalogueRead read = Read_Catalogue(path, QString());
    ASSERT_EQ(read.products.size(), 2u);
    const Product_Details &named = read.products.at(0);
    EXPECT_EQ(named.paper_number, QStringLiteral("Label-1"));
    EXPECT_EQ(named.manual_paper_name, QStringLiteral(""));
    EXPECT_EQ(named.layoutGroup, QStringLiteral("A B"));
    EXPECT_EQ(named.labelWidth, QStringLiteral("70"));
    EXPECT_EQ(named.rows, QStringLiteral("9"));

    const Product_Details &unnamed = read.products.at(1);
    EXPECT_EQ(unnamed.paper_number, QStringLiteral("BIG LABELS - P2"));
    EXPECT_EQ(unnamed.manual_paper_name, QStringLiteral("1"));
    EXPECT_EQ(unnamed.desc_name_val, QStringLiteral("BIG LABELS"));
    // No sheet: the master panel gives the paper size.
    EXPECT_EQ(unnamed.paperWidth, QStringLiteral("100"));
    EXPECT_EQ(unnamed.paperHeight, QStringLiteral("50"));
    EXPECT_EQ(unnamed.labelWidth, QStringLiteral("100"));
    EXPECT_EQ(read.items, (QStringList{QStringLiteral("Label-1"), QStringLiteral("BIG LABELS - P2")}));
}

TEST_F(Catalogue, RepeatedNumbersAreToldApartByIdentifier)
{
    const QString path = write(R"(<catalog>
      <product productID="A"><prodName><locName locale="all">100</locName></prodName></product>
      <product productID="B"><prodName><locName locale="all">100</locName></prodName></product>
    </catalog>)");
    const labelstock::CatalogueRead read = Read_Catalogue(path, QString(), {QStringLiteral("old")});
    EXPECT_EQ(read.items, (QStringList{QStringLiteral("old"), QStringLiteral("100"), QStringLiteral("100 - B")}));
    EXPECT_EQ(read.products.at(1).paper_number, QStringLiteral("100"));
}

TEST_F(Catalogue, AVendorKeepsTheLabelSizeOut)
{
    const QString path = write(R"(<catalog><product productID="X" units="in">
        <masterPanel width="2" height="1"/><sheet width="8.5" height="11"/>
        <sheetGrid cellWidth="2" cellHeight="1" numAcross="4" numDown="10"/></product></catalog>)");
    const labelstock::CatalogueRead withVendor = Read_Catalogue(path, QStringLiteral("Avery"));
    ASSERT_EQ(withVendor.products.size(), 1u);
    EXPECT_TRUE(withVendor.products.at(0).labelWidth.isEmpty());
    EXPECT_EQ(withVendor.products.at(0).cols, QStringLiteral("4"));
    const labelstock::CatalogueRead without = Read_Catalogue(path, QString());
    EXPECT_EQ(without.products.at(0).labelWidth, QStringLiteral("2"));
}

TEST_F(Catalogue, MissingFilesReadNothing)
{
    const labelstock::CatalogueRead missing = Read_Catalogue(dir.filePath(QStringLiteral("none.xml")), QString(),
                                                             {QStringLiteral("kept")});
    EXPECT_TRUE(missing.products.empty());
    EXPECT_EQ(missing.items, QStringList{QStringLiteral("kept")});
}

// A file cut off or broken somewhere keeps the products closed before the fault, leaves out the one
// the fault falls in, and logs the parser's message once.
TEST_F(Catalogue, NotWellFormedFilesKeepTheProductsBeforeTheFault)
{
    const QByteArray good = R"(<product productID="A"><prodName><locName locale="all">a</locName></prodName>
        <!-- a <comment> with tags --><sheet width="210" height="297"/></product>
      <product productID="B"><prodName><locName locale="all">b&gt;</locName></prodName><sheet width="1" height="2"/></product>)";
    struct Case {
        const char *name;
        QByteArray tail;
        QStringList expected;
    };
    const Case cases[] = {
        {"cut inside a product", R"(<product productID="C"><sheet width="2")", {"A", "B"}},
        {"cut after a closed product", R"(<product productID="C" units='mm'><sheet width="2"/></product>)",
         {"A", "B", "C"}},
        {"bad character in a product", R"(<product productID="C"><sheet width="2" & /></product><product productID="D"/>)",
         {"A", "B"}},
        {"unclosed child in a product", R"(<product productID="C"><sheet></product><product productID="D"/>)",
         {"A", "B"}},
        {"broken at the very start", "", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        LogCapture log;
        const QByteArray xml = c.tail.isEmpty() && c.expected.isEmpty() ? QByteArray("<catalog <product productID='A'/>")
                                                                        : "<catalog>" + good + c.tail;
        const labelstock::CatalogueRead read = Read_Catalogue(write(xml), QString());
        EXPECT_EQ(productIds(read), c.expected);
        ASSERT_EQ(read.items.size(), qsizetype(read.products.size()));
        for (size_t i = 0; i < read.products.size(); ++i)
            EXPECT_EQ(read.items.at(qsizetype(i)), read.products.at(i).paper_number);
        ASSERT_EQ(log.lines().size(), 1) << log.lines().join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(log.lines().at(0).contains(QLatin1String("Vendor.xml"))) << log.lines().at(0).toStdString();
        EXPECT_TRUE(log.lines().at(0).contains(QLatin1String("offset"))) << log.lines().at(0).toStdString();
    }
}

// A product whose lengths or counts cannot be laid out is skipped with a log line naming file and
// product; the products after it are still read, and missing attributes stay unset.
TEST_F(Catalogue, MalformedProductsAreSkippedAndReadingGoesOn)
{
    struct Case {
        const char *attributes;
        bool kept;
    };
    const Case cases[] = {
        {R"(<sheet width="210" height="297"/><sheetGrid cellWidth="70" cellHeight="30" numAcross="3" numDown="9"/>)", true},
        {R"(<sheet width="-1" height="297"/>)", false},
        {R"(<sheet width="abc" height="297"/>)", false},
        {R"(<sheet width="inf" height="297"/>)", false},
        {R"(<sheet width="nan" height="297"/>)", false},
        {R"(<sheetGrid cellWidth="70" cellHeight="-0.5"/>)", false},
        {R"(<sheetGrid numAcross="0" numDown="2"/>)", false},
        {R"(<sheetGrid numAcross="2.5" numDown="2"/>)", false},
        {R"(<sheetGrid numAcross="3" numDown="x"/>)", false},
        {R"(<sheetGrid posX="-3" posY="1"/>)", false},
        {R"(<sheetGrid horizGap="1e999"/>)", false},
        {R"(<masterPanel width="50" height="20"/>)", true},
        {R"(<sheetGrid numAcross="2"/>)", true},   // rows missing: unset, not a fault
        {"", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.attributes);
        LogCapture log;
        const QByteArray xml = QByteArray("<catalog><product productID='first'/><product productID='bad'>") +
                               c.attributes + "</product><product productID='last'/></catalog>";
        const labelstock::CatalogueRead read = Read_Catalogue(write(xml), QString());
        const QStringList expected = c.kept ? QStringList{"first", "bad", "last"} : QStringList{"first", "last"};
        EXPECT_EQ(productIds(read), expected);
        EXPECT_EQ(read.items.size(), qsizetype(read.products.size()));
        if (c.kept) {
            EXPECT_TRUE(log.lines().isEmpty()) << log.lines().join(QLatin1Char('|')).toStdString();
        } else {
            ASSERT_EQ(log.lines().size(), 1);
            EXPECT_TRUE(log.lines().at(0).contains(QLatin1String("Vendor.xml")));
            EXPECT_TRUE(log.lines().at(0).contains(QLatin1String("bad")));
        }
    }
    // Attributes the catalogue leaves out stay unset.
    const labelstock::CatalogueRead read =
        Read_Catalogue(write(R"(<catalog><product productID="p"><sheetGrid numAcross="2"/></product></catalog>)"), QString());
    ASSERT_EQ(read.products.size(), 1u);
    EXPECT_TRUE(read.products.at(0).rows.isNull());
    EXPECT_TRUE(read.products.at(0).horigap.isNull());
    EXPECT_EQ(read.products.at(0).cols, QStringLiteral("2"));
}

TEST(LabelUnits, LengthsBecomeMillimetres)
{
    Product_Details p;
    p.labelWidth = QStringLiteral("36000");
    p.labelHeight = QStringLiteral("72000");
    p.Unit = QStringLiteral("  EMU\n");
    EXPECT_NEAR(labelstock::Label_Size_MM(p).width(), 1.0, 1e-4);
    EXPECT_NEAR(labelstock::Label_Size_MM(p).height(), 2.0, 1e-4);
    p.labelWidth = QStringLiteral("1");
    p.Unit = QStringLiteral("in");
    EXPECT_NEAR(labelstock::Label_Size_MM(p).width(), 25.4, 1e-3);
    p.Unit = QStringLiteral("cm");
    EXPECT_NEAR(labelstock::Label_Size_MM(p).width(), 10.0, 1e-4);
    p.Unit = QStringLiteral("pt");   // unknown units count as millimetres
    EXPECT_NEAR(labelstock::Label_Size_MM(p).width(), 1.0, 1e-6);
    p.labelHeight = QString();
    EXPECT_EQ(labelstock::Label_Size_MM(p).height(), 0.0);
}

TEST(LabelVendors, CustomFirstThenCataloguesByName)
{
    QTemporaryDir resources;
    const QString pages = resources.path() + QStringLiteral("/Formats/pages");
    QDir().mkpath(pages);
    for (const char *name : {"Zweckform.xml", "avery.XML", "notes.txt"}) {
        QFile f(pages + QLatin1Char('/') + QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QDir().mkpath(pages + QStringLiteral("/Folder.xml"));
    const QStringList vendors = labelstock::Vendor_Names(resources.path());
    EXPECT_EQ(vendors, (QStringList{QStringLiteral("Custom"), QStringLiteral("Folder"), QStringLiteral("Zweckform"),
                                    QStringLiteral("avery")}));
    EXPECT_TRUE(labelstock::Catalogue_Path(resources.path(), QStringLiteral("avery")).endsWith(QLatin1String("avery.XML")));
    EXPECT_EQ(labelstock::Vendor_Names(resources.path() + QStringLiteral("/none")), QStringList{QStringLiteral("Custom")});
}

// Every shipped catalogue reads whole, and every grid fits its sheet across and down: margin, labels
// and gaps never pass the sheet's edge.
TEST(ShippedCatalogue, EveryGridFitsItsSheetBothWays)
{
    const QString resources = platform::resourceFolder();
    const QStringList vendors = labelstock::Vendor_Names(resources);
    ASSERT_GE(vendors.size(), 4) << vendors.join(QLatin1Char(',')).toStdString();
    for (const QString &vendor : vendors.mid(1)) {
        SCOPED_TRACE(vendor.toStdString());
        LogCapture log;
        const labelstock::CatalogueRead read = Read_Catalogue(labelstock::Catalogue_Path(resources, vendor), QString());
        EXPECT_TRUE(log.lines().isEmpty()) << log.lines().join(QLatin1Char('|')).toStdString();
        ASSERT_FALSE(read.products.empty());
        EXPECT_EQ(QSet<QString>(read.items.begin(), read.items.end()).size(), read.items.size()) << "numbers repeat";
        for (const Product_Details &p : read.products) {
            SCOPED_TRACE(p.productID.toStdString());
            const double divisor = labelstock::Unit_Divisor(p.Unit);
            auto mm = [divisor](const QString &t) { return t.toDouble() / divisor; };
            const int cols = p.cols.isEmpty() ? 1 : p.cols.toInt();
            const int rows = p.rows.isEmpty() ? 1 : p.rows.toInt();
            ASSERT_GE(cols, 1);
            ASSERT_GE(rows, 1);
            const QSizeF label = labelstock::Label_Size_MM(p);
            EXPECT_GT(label.width(), 0);
            EXPECT_GT(label.height(), 0);
            const double across = mm(p.leftM) + cols * label.width() + (cols - 1) * mm(p.horigap);
            const double down = mm(p.topM) + rows * label.height() + (rows - 1) * mm(p.vertigap);
            EXPECT_LE(across, mm(p.paperWidth) + 0.01);
            EXPECT_LE(down, mm(p.paperHeight) + 0.01);
            // The page of the print window holds the grid as well.
            const labelstock::PredefinedLayout layout = labelstock::Predefined_Layout(p, &Find_Papaer_Name_From_Size);
            EXPECT_GE(layout.pageWidthPoints, across * 2.834645669291 - 0.01);
            EXPECT_GE(layout.pageHeightPoints, down * 2.834645669291 - 0.01);
        }
    }
}

TEST(ShippedCatalogue, IdCardsHaveTheIsoSize)
{
    const QString path = labelstock::Catalogue_Path(platform::resourceFolder(), QStringLiteral("ID Cards"));
    ASSERT_TRUE(QFileInfo::exists(path));
    const labelstock::CatalogueRead read = Read_Catalogue(path, QString());
    ASSERT_FALSE(read.products.empty());
    for (const Product_Details &p : read.products) {
        const QSizeF size = labelstock::Label_Size_MM(p);
        EXPECT_NEAR(size.width(), 85.60, 0.01) << p.productID.toStdString();
        EXPECT_NEAR(size.height(), 53.98, 0.01) << p.productID.toStdString();
    }
}

// The print window's page from a catalogue product.
TEST(PredefinedLayout, TextsAndPageOfAProduct)
{
    Product_Details p;
    p.Unit = QStringLiteral("in");
    p.paperWidth = QStringLiteral("11");
    p.paperHeight = QStringLiteral("8.5");
    p.labelWidth = QStringLiteral("2");
    p.labelHeight = QStringLiteral("1");
    p.cols = QStringLiteral("4");
    p.rows = QStringLiteral("7");
    p.leftM = QStringLiteral("0.5");
    p.topM = QString();   // unset reads as 0
    p.horigap = QStringLiteral("0.25");
    p.productID = QStringLiteral("X1");
    p.layoutGroup = QStringLiteral("ADDRESS LABELS");
    p.desc_name_val = QStringLiteral("Some labels");
    const labelstock::PredefinedLayout l = labelstock::Predefined_Layout(p, &Find_Papaer_Name_From_Size);
    EXPECT_EQ(l.cols, QStringLiteral("4"));
    EXPECT_EQ(l.rowsValue, 7);
    EXPECT_EQ(l.leftMargin, QStringLiteral("12.70"));
    EXPECT_EQ(l.topMargin, QStringLiteral("0.00"));
    EXPECT_NEAR(l.horzGap, 6.35, 1e-3);
    EXPECT_EQ(l.vertGap, 0.0);
    EXPECT_NEAR(l.labelWidth, 50.8, 1e-3);
    EXPECT_EQ(l.orientation, QStringLiteral("Landscape"));
    EXPECT_EQ(l.pageSize, QStringLiteral("279.40 x 215.90"));
    EXPECT_EQ(l.pageWidth, QStringLiteral("279.40"));
    EXPECT_EQ(l.paperName, QStringLiteral("Letter"));
    EXPECT_EQ(l.layoutGroup, QStringLiteral("ADDRESS LABELS - X1"));
    EXPECT_EQ(l.description, QStringLiteral("Some labels"));
    EXPECT_EQ(l.pageWidthPoints, 792.0);    // 279.4 mm is 792 points
    EXPECT_EQ(l.pageHeightPoints, 612.0);

    // A label the size of its paper is one per sheet; an unknown paper is "Custom"; the page is
    // rounded up to whole points.
    p.Unit = QStringLiteral("mm");
    p.paperWidth = p.labelWidth = QStringLiteral("85.6");
    p.paperHeight = p.labelHeight = QStringLiteral("53.98");
    const labelstock::PredefinedLayout card = labelstock::Predefined_Layout(p, &Find_Papaer_Name_From_Size);
    EXPECT_EQ(card.cols, QStringLiteral("1"));
    EXPECT_EQ(card.rowsValue, 1);
    EXPECT_EQ(card.paperName, QStringLiteral("Custom"));
    EXPECT_EQ(card.pageWidthPoints, 243.0);   // 242.65 points
    EXPECT_EQ(card.pageHeightPoints, 154.0);  // 153.01 points
    EXPECT_EQ(card.orientation, QStringLiteral("Landscape"));
}

TEST(PaperNames, KeysMatchTheWholeSizeInEitherOrientation)
{
    EXPECT_EQ(Find_Papaer_Name_From_Size(QStringLiteral("210.00"), QStringLiteral("297.00")), QStringLiteral("A4"));
    EXPECT_EQ(Find_Papaer_Name_From_Size(QStringLiteral("297.00"), QStringLiteral("210.00")), QStringLiteral("A4"));
    // A part of a key is not that paper.
    EXPECT_EQ(Find_Papaer_Name_From_Size(QStringLiteral("10.00"), QStringLiteral("20.00")), QStringLiteral(""));
    EXPECT_EQ(Find_Papaer_Name_From_Size(QStringLiteral("297.00"), QStringLiteral("420.00")), QStringLiteral("A3"));
    EXPECT_EQ(Find_Papaer_Name_From_Size(QStringLiteral("215.90"), QStringLiteral("279.40")), QStringLiteral("Letter"));
    EXPECT_EQ(Find_Papaer_Name_From_Size(QStringLiteral("85.60"), QStringLiteral("53.98")), QStringLiteral(""));
}

} // namespace
