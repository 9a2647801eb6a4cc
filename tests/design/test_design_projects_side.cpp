// The design as projects reads it: the label stock chosen by name and appended to without running
// the lists' handlers, and the source page's lists of a new project.

#include "DesignFixture.h"

#include "design/DesignProjectsSide.h"
#include "design/PropertySidebar.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

class DesignProjectsSideTest : public DesignFixture {
protected:
    void SetUp() override
    {
        DesignFixture::SetUp();
        side = std::make_unique<DesignProjectsSide>(env.design());
        ASSERT_NE(sidebar().Label_Stock_Vendors(), nullptr);
        ASSERT_NE(sidebar().Source_Type_List(), nullptr);
    }
    // A list's items, put in without its handlers.
    static void fill(QComboBox *combo, const QStringList &items, int current)
    {
        const QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(items);
        combo->setCurrentIndex(current);
    }
    std::unique_ptr<DesignProjectsSide> side;
};

TEST_F(DesignProjectsSideTest, ALabelStockIsChosenByItsNamesAndTheProductsStay)
{
    QComboBox *vendors = sidebar().Label_Stock_Vendors(), *products = sidebar().Label_Stock_Products();
    struct Case {
        const char *vendor, *product;
        int vendorIndex, productIndex;
    };
    for (const Case &k : {Case{"Avery", "5161", 1, 1}, Case{"Nobody", "5160", -1, 0}, Case{"Custom", "none", 0, -1}}) {
        SCOPED_TRACE(k.vendor);
        fill(vendors, {QStringLiteral("Custom"), QStringLiteral("Avery")}, 0);
        fill(products, {QStringLiteral("5160"), QStringLiteral("5161")}, -1);
        side->Select_Label_Stock(QString::fromLatin1(k.vendor), QString::fromLatin1(k.product));
        EXPECT_EQ(vendors->currentIndex(), k.vendorIndex);
        EXPECT_EQ(side->Label_Stock_Product_Index(), k.productIndex);
        // A vendor's handler would have read its catalogue into the products.
        EXPECT_EQ(side->Label_Stock_Product_Items(), (QStringList{QStringLiteral("5160"), QStringLiteral("5161")}));
    }
}

TEST_F(DesignProjectsSideTest, AppendedProductsKeepTheChosenOne)
{
    fill(sidebar().Label_Stock_Products(), {QStringLiteral("5160"), QStringLiteral("5161")}, 1);
    side->Add_Label_Stock_Products({QStringLiteral("8160")});
    EXPECT_EQ(side->Label_Stock_Product_Items(),
              (QStringList{QStringLiteral("5160"), QStringLiteral("5161"), QStringLiteral("8160")}));
    EXPECT_EQ(side->Label_Stock_Product_Index(), 1);
}

TEST_F(DesignProjectsSideTest, ANewProjectsSourceListsChooseNoSeriesAndTheFirstType)
{
    QComboBox *series = sidebar().Source_Series_List(), *types = sidebar().Source_Type_List();
    fill(series, {QStringLiteral("Names"), QStringLiteral("Codes")}, 1);
    ASSERT_GE(types->count(), 2);
    const QSignalBlocker block(types);
    types->setCurrentIndex(1);
    side->Reset_Source_Lists();
    EXPECT_EQ(series->count(), 0);
    EXPECT_EQ(series->currentIndex(), -1);
    EXPECT_EQ(types->currentIndex(), 0);
}

} // namespace
