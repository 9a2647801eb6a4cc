// The card's size page on its own: the label stock's lists, the size fields in each unit, the page
// setup and the fields' own text rules.

#include "core/GlobalsReset.h"
#include "core/Units.h"
#include "design/PanelValues.h"
#include "design/panels/CardSizePanel.h"
#include "platform/PrintInfo.h"
#include "platform/Stepper.h"
#include "model/Card_Property.h"
#include "support/PageSetupAnswer.h"
#include "support/PrivateCupsd.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

constexpr double PointsPerMM = 72.0 / 25.4;

class CardSizePanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobalsForTests();
        Measument_Unit_Is = last_unit_val = 2;
        panel = std::make_unique<CardSizePanel>();
        // The stock as the window lists it; a vendor's catalogue adds two products.
        p().Label_ComboBox->addItems({QStringLiteral("Custom"), QStringLiteral("Avery")});
        QObject::connect(&p(), &CardSizePanel::vendorChosen, &p(), [this](const QString &vendor) {
            p().Product_num_ComboBox->addItems({vendor + QStringLiteral("-1"), vendor + QStringLiteral("-2")});
        });
    }
    void TearDown() override
    {
        panel.reset();
        resetGlobalsForTests();
    }

    CardSizePanel &p() const { return *panel; }
    CardPanelValues read() const
    {
        CardPanelValues v;
        p().Read_Card_Size_Panel(v);
        return v;
    }
    // The user replaces a field's text and presses Return.
    static void typeInto(QLineEdit *field, const QString &text)
    {
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    std::unique_ptr<CardSizePanel> panel;
};

TEST_F(CardSizePanelTest, MillimetresShowInTheDesignUnit)
{
    const struct {
        int unit;
        const char *width, *height;
        double widthValue;
    } cases[] = {{0, "3.94", "1.97", 3.937}, {1, "10.00", "5.00", 10.0}, {2, "100.00", "50.00", 100.0}};
    for (const auto &k : cases) {
        Measument_Unit_Is = last_unit_val = k.unit;
        p().Set_Card_Size_In_Control(100, 50);
        EXPECT_EQ(p().width_Text->text(), QString::fromLatin1(k.width)) << k.unit;
        EXPECT_EQ(p().height_Text->text(), QString::fromLatin1(k.height)) << k.unit;
        EXPECT_NEAR(p().width_Stepper->doubleValue(), k.widthValue, 1e-3) << k.unit;
        EXPECT_EQ(last_unit_val, k.unit);
    }
}

TEST_F(CardSizePanelTest, AStoredSizeInPointsShowsFromItsTwoDecimalMillimetres)
{
    const struct {
        int unit;
        const char *width;
    } cases[] = {{2, "66.68"}, {0, "2.63"}, {1, "6.67"}};
    for (const auto &k : cases) {
        Measument_Unit_Is = last_unit_val = k.unit;
        p().Show_Stored_Size(QSizeF(66.675 * PointsPerMM, 25.4 * PointsPerMM));
        EXPECT_EQ(p().width_Text->text(), QString::fromLatin1(k.width)) << k.unit;
        EXPECT_EQ(last_unit_val, k.unit);
    }
}

// From the size in use, the stepper's, unless the field shows another number (50 beside 100): CR80 stays 85.60 x 53.98 mm.
TEST_F(CardSizePanelTest, FieldsConvertBetweenUnitsFromTheSizeInUse)
{
    p().width_Text->setText(QStringLiteral("100.00"));
    p().height_Text->setText(QStringLiteral("50.00"));
    p().Convert_Size_Fields(2, 0);
    EXPECT_EQ(p().width_Text->text(), QStringLiteral("3.94"));
    EXPECT_EQ(p().height_Text->text(), QStringLiteral("1.97"));
    p().Convert_Size_Fields(0, 1);   // from 3.937, not from 3.94
    EXPECT_EQ(p().width_Text->text(), QStringLiteral("10.00"));
    EXPECT_NEAR(p().width_Stepper->doubleValue(), 10.0, 1e-4);
    p().Set_Card_Size_In_Control(85.6, 53.98);
    for (int i = 0; i < 10; ++i)   // to inches and back
        p().Convert_Size_Fields(2, 0), p().Convert_Size_Fields(0, 2);
    EXPECT_EQ(p().width_Text->text() + " x " + p().height_Text->text(), QStringLiteral("85.60 x 53.98"));
    p().Set_Unit_Labels(QStringLiteral("Label Size (cm)"), QStringLiteral("(cm)"));
    EXPECT_EQ(p().card_size_box->title(), QStringLiteral("Label Size (cm)"));
    EXPECT_EQ(p().card_height_unit_lbl->text(), QStringLiteral("(cm)"));
}

TEST_F(CardSizePanelTest, CustomStockMakesTheSizeEditableAVendorListsItsProducts)
{
    const struct {
        const char *vendor;
        bool custom;
    } cases[] = {{"Avery", false}, {"Custom", true}, {"Avery", false}};
    for (const auto &k : cases) {
        QSignalSpy vendor(&p(), &CardSizePanel::vendorChosen), product(&p(), &CardSizePanel::productChosen);
        p().Label_ComboBox->setCurrentText(QString::fromLatin1(k.vendor));
        EXPECT_EQ(p().width_Text->isReadOnly(), !k.custom) << k.vendor;
        EXPECT_EQ(p().height_Text->isEnabled(), k.custom) << k.vendor;
        EXPECT_EQ(p().width_Stepper->isEnabled(), k.custom) << k.vendor;
        EXPECT_EQ(p().page_frm_printer_btn->isEnabled(), k.custom) << k.vendor;
        EXPECT_EQ(p().Product_num_ComboBox->isEnabled(), !k.custom) << k.vendor;
        EXPECT_EQ(vendor.count(), k.custom ? 0 : 1) << k.vendor;
        if (k.custom) {
            EXPECT_EQ(p().Product_num_ComboBox->currentIndex(), -1);
            EXPECT_EQ(read().category, QStringLiteral(""));
            EXPECT_EQ(product.count(), 0);
        } else {
            // Its first product is chosen, as a product change.
            EXPECT_EQ(p().Product_num_ComboBox->count(), 2);
            EXPECT_EQ(p().Product_num_ComboBox->currentIndex(), 0);
            EXPECT_EQ(product.count(), 1);
            EXPECT_EQ(read().category, QStringLiteral("Avery-1"));
        }
        EXPECT_EQ(read().preset, QString::fromLatin1(k.vendor));
    }
}

TEST_F(CardSizePanelTest, FillChoosesTheCardsStockAndShowsACustomSize)
{
    Card_Property card;
    card.Card_Preset = QStringLiteral("Avery");
    card.Card_Category = QStringLiteral("Avery-2");
    p().Fill_Card_Size_Panel(card);
    EXPECT_EQ(p().Label_ComboBox->currentText(), QStringLiteral("Avery"));
    EXPECT_EQ(p().Product_num_ComboBox->currentText(), QStringLiteral("Avery-2"));

    card.Card_Preset = QStringLiteral("Custom");
    card.Card_Size = QSizeF(100 * PointsPerMM, 50 * PointsPerMM);
    Measument_Unit_Is = last_unit_val = 1;
    p().Fill_Card_Size_Panel(card);
    EXPECT_EQ(p().Label_ComboBox->currentText(), QStringLiteral("Custom"));
    EXPECT_EQ(p().Product_num_ComboBox->currentIndex(), -1);
    EXPECT_EQ(p().width_Text->text(), QStringLiteral("10.00"));
    EXPECT_EQ(p().height_Text->text(), QStringLiteral("5.00"));
}

TEST_F(CardSizePanelTest, ResetShowsANewDesignWithoutSendingAnything)
{
    p().Label_ComboBox->setCurrentText(QStringLiteral("Avery"));
    QSignalSpy vendor(&p(), &CardSizePanel::vendorChosen), product(&p(), &CardSizePanel::productChosen);
    p().Reset_Size_Panel();
    EXPECT_EQ(p().width_Text->text(), QStringLiteral("100.0"));
    EXPECT_DOUBLE_EQ(p().height_Stepper->doubleValue(), 100.0);
    EXPECT_EQ(p().Label_ComboBox->currentIndex(), 0);
    EXPECT_EQ(p().Product_num_ComboBox->currentIndex(), -1);
    EXPECT_FALSE(p().Product_num_ComboBox->isEnabled());
    EXPECT_FALSE(p().width_Text->isReadOnly());
    EXPECT_EQ(vendor.count() + product.count(), 0);
}

TEST_F(CardSizePanelTest, StepperAndFieldCarryTheValueAcrossAndApplyAsksForTheSize)
{
    QSignalSpy apply(&p(), &CardSizePanel::applySizeRequested);
    p().width_Stepper->setDoubleValue(70);
    p().width_Stepper->stepUp();
    EXPECT_EQ(p().width_Text->text(), QStringLiteral("71.00"));
    typeInto(p().height_Text, QStringLiteral("42.5"));
    EXPECT_DOUBLE_EQ(p().height_Stepper->doubleValue(), 42.5);
    EXPECT_EQ(apply.count(), 0);   // the fields alone change nothing else
    p().apply_size_btn->click();
    EXPECT_EQ(apply.count(), 1);
}

// As typed, every keystroke a number may hold stands, none is cut; a letter is refused as it is typed.
TEST_F(CardSizePanelTest, TypingKeepsTheSizeFieldsNumberClean)
{
    const struct {
        const char *typed, *shown;
    } cases[] = {{"12.5cm", "12.5"}, {"abc", ""}, {"1a2", "12"}, {"12345678901", "12345678901"}, {"1e2", "1e2"},
                 {"-,5 ", "-,5 "}};
    for (QLineEdit *field : {p().width_Text, p().height_Text}) {
        for (const auto &k : cases) {
            field->clear();
            QTest::keyClicks(field, QString::fromLatin1(k.typed));
            EXPECT_EQ(field->text(), QString::fromLatin1(k.shown)) << k.typed;
        }
    }
}

// Anything but a size of a tenth of a millimetre or more shows the size before again (its message: CardWizard).
TEST_F(CardSizePanelTest, EndOfEditingShowsTwoDecimalsAndNothingBelowATenth)
{
    const struct {
        const char *typed, *shown;
    } cases[] = {{"0", "20.00"}, {"-3", "20.00"}, {"2", "2.00"}, {"12.346", "12.35"}, {"0.09", "20.00"}, {"0,1", "0.10"}};
    for (const auto &k : cases) {
        p().Set_Card_Size_In_Control(20, 20);
        typeInto(p().height_Text, QString::fromLatin1(k.typed));
        EXPECT_EQ(p().height_Text->text(), QString::fromLatin1(k.shown)) << k.typed;
        EXPECT_DOUBLE_EQ(p().height_Stepper->doubleValue(), p().height_Text->text().toDouble()) << k.typed;
    }
}

TEST_F(CardSizePanelTest, PageSetupOkShowsThePaperSizeAndKeepsTheSettingsCancelChangesNothing)
{
    testsupport::ResponderScope responder;
    platform::PrintInfo a5;
    a5.pageLayout = QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF());
    std::optional<platform::PrintInfo> kept;
    p().Print_Info = [&a5] { return &a5; };
    p().Set_Print_Info = [&kept](const platform::PrintInfo &info) { kept = info; };
    p().width_Text->setText(QStringLiteral("12.00"));
    responder->onModal = [](QDialog &) { return 0; };
    p().page_frm_printer_btn->click();
    EXPECT_EQ(p().width_Text->text(), QStringLiteral("12.00"));
    EXPECT_FALSE(kept.has_value());

    responder->onModal = [](QDialog &) { return 1; };
    p().page_frm_printer_btn->click();
    EXPECT_EQ(p().width_Text->text(), QStringLiteral("148.00"));
    EXPECT_EQ(p().height_Text->text(), QStringLiteral("210.00"));
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->pageLayout.pageSize().id(), QPageSize::A5);
    EXPECT_EQ(responder->modalCount, 2);
    printtest::PrivateCupsd cupsd;   // a default desk printer whose margins (36 pt) are above the page's (0): another paper
    if (!cupsd.addQueues({{"Desk_36", "36"}}, "Desk_36"))
        GTEST_SKIP() << cupsd.failure().toStdString();
    responder->onModal = testsupport::PageSetupAnswer{QPageSize(QPageSize::A4)};
    p().page_frm_printer_btn->click();
    EXPECT_EQ((p().width_Text->text() + " " + p().height_Text->text()).toStdString(), "210.00 297.00");
}

} // namespace
