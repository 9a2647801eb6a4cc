#include "DesignFixture.h"

#include "design/DesignProjectsSide.h"
#include "design/PropertySidebar.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

const QStringList Products = {QStringLiteral("5160"), QStringLiteral("5161")};

class DesignProjectsSideTest : public DesignFixture {
protected:
    // A list's items, put in without its handlers.
    static void fill(QComboBox *combo, const QStringList &items, int current)
    {
        const QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(items);
        combo->setCurrentIndex(current);
    }
    DesignProjectsSide side{env.design()};
};

TEST_F(DesignProjectsSideTest, ALabelStockIsChosenByItsNamesAndTheProductsStay)
{
    const struct { const char *vendor, *product; int vendorIndex, productIndex; } cases[] = {
        {"Avery", "5161", 1, 1}, {"Nobody", "5160", -1, 0}, {"Custom", "none", 0, -1}};
    for (const auto &k : cases) {
        fill(sidebar().Label_Stock_Vendors(), {QStringLiteral("Custom"), QStringLiteral("Avery")}, 0);
        fill(sidebar().Label_Stock_Products(), Products, -1);
        side.Select_Label_Stock(QString::fromLatin1(k.vendor), QString::fromLatin1(k.product));
        EXPECT_EQ(sidebar().Label_Stock_Vendors()->currentIndex(), k.vendorIndex) << k.vendor;
        EXPECT_EQ(side.Label_Stock_Product_Index(), k.productIndex) << k.vendor;
        EXPECT_EQ(side.Label_Stock_Product_Items(), Products) << k.vendor << ": a vendor's handler would read its catalogue";
    }
}

TEST_F(DesignProjectsSideTest, AppendedProductsKeepTheChosenOne)
{
    fill(sidebar().Label_Stock_Products(), Products, 1);
    side.Add_Label_Stock_Products({QStringLiteral("8160")});
    EXPECT_EQ(side.Label_Stock_Product_Items(), Products + QStringList{QStringLiteral("8160")});
    EXPECT_EQ(side.Label_Stock_Product_Index(), 1);
}

TEST_F(DesignProjectsSideTest, ANewProjectsSourceListsChooseNoSeriesAndTheFirstType)
{
    QComboBox *series = sidebar().Source_Series_List(), *types = sidebar().Source_Type_List();
    fill(series, {QStringLiteral("Names"), QStringLiteral("Codes")}, 1);
    ASSERT_GE(types->count(), 2);
    const QSignalBlocker block(types);
    types->setCurrentIndex(1);
    side.Reset_Source_Lists();
    EXPECT_EQ(series->count(), 0);
    EXPECT_EQ(series->currentIndex(), -1);
    EXPECT_EQ(types->currentIndex(), 0);
}

} // namespace
