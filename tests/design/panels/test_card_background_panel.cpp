// The card's background page on its own: the fill types and the controls each uses, the opacity,
// the picture's layout and file, and the page read back after a fill.

#include "core/GlobalsReset.h"
#include "core/Mode.h"
#include "core/UserFolders.h"
#include "design/PanelValues.h"
#include "design/panels/CardBackgroundPanel.h"
#include "platform/ColorWell.h"
#include "platform/Files.h"
#include "platform/Stepper.h"
#include "model/Card_Property.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

class CardBackgroundPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobalsForTests();
        Resource_Path = platform::resourceFolder();   // the hatch patterns
        panel = std::make_unique<CardBackgroundPanel>();
    }
    void TearDown() override
    {
        panel.reset();
        resetGlobalsForTests();
    }

    CardBackgroundPanel &p() const { return *panel; }
    CardPanelValues read() const
    {
        CardPanelValues v;
        p().Read_Card_Background_Panel(v);
        return v;
    }
    bool opacityShown() const
    {
        return !p().Card_alpha_lbl->isHidden() && !p().Card_alpha_Stepper->isHidden() && !p().Card_alpha_Text->isHidden();
    }
    static void typeInto(QLineEdit *field, const QString &text)
    {
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    std::unique_ptr<CardBackgroundPanel> panel;
};

TEST_F(CardBackgroundPanelTest, EachFillTypeEnablesItsOwnControls)
{
    p().Card_image_layout->setCurrentText(QStringLiteral("Stretch"));
    const struct {
        const char *code, *read;
        QRadioButton *CardBackgroundPanel::*radio;
        bool solid, gradient, hatch, image, opacity;
    } cases[] = {
        {"G", "G", &CardBackgroundPanel::Card_gradient_fill_rd, false, true, false, false, false},
        {"H", "H", &CardBackgroundPanel::Card_Style_fill_rd, false, false, true, false, true},
        {"I", "I", &CardBackgroundPanel::Card_Image_fill_rd, false, false, false, true, true},
        {"S", "S", &CardBackgroundPanel::Card_solid_fill_rd, true, false, false, false, true},
        {"X", "S", &CardBackgroundPanel::Card_solid_fill_rd, true, false, false, false, true},   // unknown: solid
    };
    for (const auto &k : cases) {
        p().card_prop_set(QString::fromLatin1(k.code));
        EXPECT_TRUE((p().*k.radio)->isChecked()) << k.code;
        int checked = 0;
        for (QRadioButton *r : {p().Card_solid_fill_rd, p().Card_gradient_fill_rd, p().Card_Style_fill_rd, p().Card_Image_fill_rd})
            checked += r->isChecked();
        EXPECT_EQ(checked, 1) << k.code;
        EXPECT_EQ(p().Card_fill_clr->isEnabled(), k.solid) << k.code;
        for (QWidget *w : std::initializer_list<QWidget *>{p().Card_fill_Grd_1_clr, p().Card_fill_Grd_2_clr, p().Card_grad_Text,
                                                          p().Card_grad_Stepper})
            EXPECT_EQ(w->isEnabled(), k.gradient) << k.code << " " << w->objectName().toStdString();
        EXPECT_EQ(p().Card_hatch_style->isEnabled(), k.hatch) << k.code;
        EXPECT_EQ(p().Card_hatch_bk_clr->isEnabled(), k.hatch) << k.code;
        EXPECT_EQ(p().Card_image_box->isEnabled(), k.image) << k.code;
        EXPECT_EQ(opacityShown(), k.opacity) << k.code;
        EXPECT_EQ(read().fillStyle, QString::fromLatin1(k.read)) << k.code;
    }
}

TEST_F(CardBackgroundPanelTest, ATiledPictureHidesTheOpacity)
{
    p().card_prop_set(QStringLiteral("I"));
    const struct {
        const char *layout;
        bool shown;
    } cases[] = {{"Tile", false}, {"Stretch", true}, {"Tile", false}, {"Stretch", true}};
    QSignalSpy changed(&p(), &CardBackgroundPanel::cardChanged);
    int expected = 0;
    for (const auto &k : cases) {
        const int index = p().Card_image_layout->findText(QString::fromLatin1(k.layout));
        ASSERT_GE(index, 0) << k.layout;
        p().Card_image_layout->setCurrentIndex(index);
        EXPECT_EQ(opacityShown(), k.shown) << k.layout;
        EXPECT_EQ(changed.count(), ++expected) << k.layout;
        EXPECT_EQ(read().imageLayout, QString::fromLatin1(k.layout));
        p().card_prop_set(QStringLiteral("I"));   // the fill type's own rule agrees
        EXPECT_EQ(opacityShown(), k.shown) << k.layout;
    }
}

TEST_F(CardBackgroundPanelTest, FillShowsTheOpacityAsAWholePercentOfAtMost100)
{
    const struct {
        float stored;
        int shown;
    } cases[] = {{1.5f, 100}, {0.257f, 25}, {0.5f, 50}, {100.0f, 100}, {0.0f, 0}, {0.01f, 1}};
    for (const auto &k : cases) {
        Card_Property card;
        card.Card_alpha_Stepper = k.stored;
        p().Fill_Card_Background_Panel(card);
        EXPECT_EQ(p().Card_alpha_Text->text(), QString::number(k.shown)) << k.stored;
        EXPECT_DOUBLE_EQ(p().Card_alpha_Stepper->doubleValue(), k.shown) << k.stored;
        EXPECT_FLOAT_EQ(read().alpha, k.shown / 100.0f) << k.stored;
    }
}

TEST_F(CardBackgroundPanelTest, FillShowsTheCardAndReadsItBackWithoutStoring)
{
    QSignalSpy changed(&p(), &CardBackgroundPanel::cardChanged);
    ASSERT_GT(p().Card_hatch_style->count(), 1);
    Card_Property card;
    card.Card_fill_chk = true;
    card.Card_fill_clr = Qt::yellow;
    card.Card_fill_style = QStringLiteral("H");
    card.Card_fill_Grd_1_clr = Qt::red;
    card.Card_fill_Grd_2_clr = Qt::blue;
    card.Card_grad_Stepper = 45;
    card.Card_hatch_bk_clr = Qt::cyan;
    card.Card_hatch_style = p().Card_hatch_style->itemText(1);
    card.Card_BG_Image_Path = QStringLiteral("/pictures/bg.png");
    card.Card_BG_Image_Layout = QStringLiteral("Tile");
    card.Card_alpha_Stepper = 0.37f;
    p().Fill_Card_Background_Panel(card);
    p().card_prop_set(card.Card_fill_style);
    const CardPanelValues v = read();
    EXPECT_TRUE(v.fill);
    EXPECT_EQ(v.fillColor, QColor(Qt::yellow));
    EXPECT_EQ(v.fillStyle, QStringLiteral("H"));
    EXPECT_EQ(v.gradient1, QColor(Qt::red));
    EXPECT_EQ(v.gradient2, QColor(Qt::blue));
    EXPECT_EQ(v.gradientAngle, 45);
    EXPECT_EQ(p().Card_grad_Text->text(), QStringLiteral("45"));
    EXPECT_EQ(v.hatchColor, QColor(Qt::cyan));
    EXPECT_EQ(v.hatchStyle, card.Card_hatch_style);
    EXPECT_EQ(v.imagePath, card.Card_BG_Image_Path);
    EXPECT_EQ(v.imageLayout, QStringLiteral("Tile"));
    EXPECT_FLOAT_EQ(v.alpha, 0.37f);
    EXPECT_EQ(changed.count(), 0);   // the lists changed, but a fill stores nothing
    EXPECT_FALSE(Not_Draw_Only_Prop_Change);
}

TEST_F(CardBackgroundPanelTest, TheHatchPatternIsOnlyTakenForTheHatchFill)
{
    ASSERT_GT(p().Card_hatch_style->count(), 1);
    p().Card_hatch_style->setCurrentIndex(1);
    Card_Property card;
    card.Card_hatch_style = QString();
    card.Card_fill_style = QStringLiteral("S");
    p().Fill_Card_Background_Panel(card);
    EXPECT_EQ(p().Card_hatch_style->currentIndex(), 1);
    card.Card_fill_style = QStringLiteral("H");
    p().Fill_Card_Background_Panel(card);
    EXPECT_EQ(p().Card_hatch_style->currentIndex(), -1);
    card.Card_hatch_style = p().Card_hatch_style->itemText(0);
    p().Fill_Card_Background_Panel(card);
    EXPECT_EQ(p().Card_hatch_style->currentIndex(), 0);
}

TEST_F(CardBackgroundPanelTest, HatchPatternsAreListedByNameInCharacterOrder)
{
    const int count = p().Card_hatch_style->count();
    ASSERT_GT(count, 1);
    EXPECT_EQ(p().Card_hatch_style->currentIndex(), 0);
    for (int i = 1; i < count; ++i)
        EXPECT_LT(p().Card_hatch_style->itemText(i - 1).compare(p().Card_hatch_style->itemText(i), Qt::CaseSensitive), 0);
    EXPECT_FALSE(p().Card_hatch_style->itemText(0).contains(QLatin1Char('.')));
}

TEST_F(CardBackgroundPanelTest, ARadioClickShowsItsControlsAndStoresTheCard)
{
    QSignalSpy changed(&p(), &CardBackgroundPanel::cardChanged);
    p().Card_gradient_fill_rd->click();
    EXPECT_EQ(read().fillStyle, QStringLiteral("G"));
    EXPECT_TRUE(p().Card_grad_Stepper->isEnabled());
    EXPECT_FALSE(opacityShown());
    p().Card_Style_fill_rd->click();
    EXPECT_EQ(read().fillStyle, QStringLiteral("H"));
    EXPECT_TRUE(p().Card_hatch_style->isEnabled());
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(CardBackgroundPanelTest, TheFillCheckBoxAsksForTheCardsTypeAndSwitchesItsBox)
{
    QSignalSpy switched(&p(), &CardBackgroundPanel::fillSwitched);
    const struct {
        bool imageFill;
        bool imageBox;
    } cases[] = {{false, false}, {true, true}};
    for (const auto &k : cases) {
        p().card_prop_set(k.imageFill ? QStringLiteral("I") : QStringLiteral("S"));
        p().Card_fill_chk->setChecked(false);
        p().Card_fill_chk->click();   // on
        EXPECT_TRUE(p().Card_Fill_Box->isEnabled());
        EXPECT_TRUE(p().Card_gradient_fill_rd->isEnabled());
        EXPECT_EQ(p().Card_image_box->isEnabled(), k.imageBox);
        EXPECT_TRUE(read().fill);
        p().Card_fill_chk->click();   // off
        EXPECT_FALSE(p().Card_Fill_Box->isEnabled());
        EXPECT_FALSE(p().Card_image_box->isEnabled());
        EXPECT_FALSE(read().fill);
    }
    EXPECT_EQ(switched.count(), 4);
}

TEST_F(CardBackgroundPanelTest, AColourChosenInAWellIsSentThenTheCardStored)
{
    for (platform::ColorWell *well : {p().Card_fill_clr, p().Card_fill_Grd_1_clr, p().Card_fill_Grd_2_clr, p().Card_hatch_bk_clr}) {
        QStringList order;
        QObject::connect(&p(), &CardBackgroundPanel::colorChosen, well,
                         [&order](const QColor &c) { order << QStringLiteral("colour ") + c.name(); });
        QObject::connect(&p(), &CardBackgroundPanel::cardChanged, well, [&order] { order << QStringLiteral("card"); });
        well->chooseColor(QColor(0x12, 0x34, 0x56));
        EXPECT_EQ(order, (QStringList{QStringLiteral("colour #123456"), QStringLiteral("card")})) << well->objectName().toStdString();
        QObject::disconnect(&p(), nullptr, well, nullptr);
    }
    EXPECT_EQ(read().hatchColor, QColor(0x12, 0x34, 0x56));
}

TEST_F(CardBackgroundPanelTest, AngleAndOpacityPairsCarryTheirValueAndStore)
{
    QSignalSpy changed(&p(), &CardBackgroundPanel::cardChanged);
    p().Card_grad_Stepper->setDoubleValue(10);
    p().Card_grad_Stepper->stepUp();
    EXPECT_EQ(p().Card_grad_Text->text(), QStringLiteral("11"));
    EXPECT_EQ(read().gradientAngle, 11);
    typeInto(p().Card_alpha_Text, QStringLiteral("40"));
    EXPECT_FLOAT_EQ(read().alpha, 0.40f);
    typeInto(p().Card_alpha_Text, QStringLiteral("250"));   // beyond the stepper's range: refused, kept
    EXPECT_EQ(p().Card_alpha_Text->text(), QStringLiteral("40"));
    EXPECT_FLOAT_EQ(read().alpha, 0.40f);
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(CardBackgroundPanelTest, BrowseOffersThePictureTypesAndReportsTheChosenFile)
{
    testsupport::ResponderScope responder;
    QSignalSpy chosen(&p(), &CardBackgroundPanel::backgroundImageChosen);
    p().Image_File_Types = {QStringLiteral("png"), QStringLiteral("jpg")};
    p().Card_fill_chk->setChecked(true);
    p().Card_Image_fill_rd->click();   // the picture's box is open only for the picture fill
    ASSERT_TRUE(p().card_image_browse_btn->isEnabled());
    p().card_image_browse_btn->click();   // cancelled
    EXPECT_EQ(chosen.count(), 0);
    ASSERT_EQ(responder->openRequests.size(), 1);
    EXPECT_EQ(responder->openRequests.at(0).extensions, p().Image_File_Types);
    EXPECT_FALSE(responder->openRequests.at(0).allowsMultipleSelection);
    EXPECT_FALSE(responder->openRequests.at(0).canChooseDirectories);
    responder->openAnswers = {{QStringLiteral("/pictures/bg.png")}};
    p().card_image_browse_btn->click();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toString(), QStringLiteral("/pictures/bg.png"));

    QSignalSpy library(&p(), &CardBackgroundPanel::libraryImageRequested);
    p().card_image_library_btn->click();
    EXPECT_EQ(library.count(), 1);
}

TEST_F(CardBackgroundPanelTest, OutletsAreTheFormsWidgets)
{
    const QList<QPair<QObject *, QString>> outlets = {
        {&p(), "card_bkgd_tab"},           {p().Card_alpha_lbl, "Card_alpha_lbl"},
        {p().Card_hatch_style, "Card_hatch_style"}, {p().Card_Image_path, "Card_Image_path"},
        {p().Card_image_layout, "Card_image_layout"}, {p().card_image_library_btn, "card_image_library_btn"},
    };
    for (const auto &[outlet, name] : outlets) {
        ASSERT_NE(outlet, nullptr) << name.toStdString();
        EXPECT_EQ(outlet->objectName(), name);
    }
    EXPECT_EQ(p().Card_image_layout->itemText(0), QStringLiteral("Tile"));
    EXPECT_EQ(p().Card_image_layout->currentIndex(), 1);
    for (QComboBox *list : {p().Card_hatch_style, p().Card_image_layout})
        EXPECT_TRUE(list->property("tagora_combo_dispatch").toBool()) << list->objectName().toStdString();
}

} // namespace
