#include "core/Globals.h"
#include "platform/Files.h"
#include "projects/LabelCatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using labelstock::Read_Catalogue;

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

TEST_F(Catalogue, BrokenOrMissingFilesReadNothing)
{
    EXPECT_TRUE(Read_Catalogue(write("<catalog><product productID='x'>"), QString()).products.empty());
    const labelstock::CatalogueRead missing = Read_Catalogue(dir.filePath(QStringLiteral("none.xml")), QString(),
                                                             {QStringLiteral("kept")});
    EXPECT_TRUE(missing.products.empty());
    EXPECT_EQ(missing.items, QStringList{QStringLiteral("kept")});
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

} // namespace
