// The card's border page on its own: the border and the watermark filled from a card, changed as
// a user does, and read back.

#include "core/GlobalsReset.h"
#include "core/Mode.h"
#include "design/PanelValues.h"
#include "design/panels/CardBorderPanel.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "platform/TextNotifications.h"
#include "model/Card_Property.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <memory>

namespace {

class CardBorderPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobalsForTests();
        panel = std::make_unique<CardBorderPanel>();
    }
    void TearDown() override
    {
        panel.reset();
        resetGlobalsForTests();
    }

    CardBorderPanel &p() const { return *panel; }
    CardPanelValues read() const
    {
        CardPanelValues v;
        p().Read_Card_Border_Panel(v);
        return v;
    }

    std::unique_ptr<CardBorderPanel> panel;
};

TEST_F(CardBorderPanelTest, ANewPageShowsTheStylesAThreePointBorderAndItsOwnLists)
{
    const QStringList styles = {"Solid", "Dash", "Dot", "Dash Dot", "Dash Dot Dot"};
    ASSERT_EQ(p().Card_border_style->count(), styles.size());
    for (int i = 0; i < styles.size(); ++i)
        EXPECT_EQ(p().Card_border_style->itemText(i), styles.at(i));
    EXPECT_EQ(p().Card_border_style->currentIndex(), 0);
    EXPECT_EQ(p().Card_bor_Text->text(), QStringLiteral("3"));
    EXPECT_EQ(p().Card_bor_Stepper->intValue(), 3);
    EXPECT_EQ(p().wm_alignment_combo->count(), 3);
    for (QComboBox *list : {p().Card_border_style, p().wm_alignment_combo})
        EXPECT_TRUE(list->property("tagora_combo_dispatch").toBool()) << list->objectName().toStdString();
    EXPECT_EQ(p().objectName(), QStringLiteral("card_brdr_tab"));
    EXPECT_EQ(p().wm_transp_slider->objectName(), QStringLiteral("wm_transp_slider"));
}

TEST_F(CardBorderPanelTest, FillShowsTheWatermarksTransparencyAsAWholePercentOfAtMost100)
{
    const struct {
        float stored;
        int shown;
    } cases[] = {{1.5f, 100}, {0.257f, 25}, {0.5f, 50}, {100.0f, 100}, {0.0f, 0}};
    for (const auto &k : cases) {
        Card_Property card;
        card.Watermark_Transp = k.stored;
        p().Fill_Card_Border_Panel(card);
        EXPECT_EQ(p().wm_transp_slider->value(), k.shown) << k.stored;
        EXPECT_EQ(p().wm_transp_val->text(), QString::number(k.shown)) << k.stored;
        EXPECT_FLOAT_EQ(read().watermarkTransparency, k.shown / 100.0f) << k.stored;
    }
}

TEST_F(CardBorderPanelTest, FillShowsBorderAndWatermarkWithTheirBoxesAndStoresNothing)
{
    QSignalSpy changed(&p(), &CardBorderPanel::cardChanged);
    const struct {
        bool border, watermark;
        const char *style;
        int index;
    } cases[] = {{true, true, "DO", 2}, {false, false, "DDD", 4}, {true, false, "S", 0}};
    for (const auto &k : cases) {
        Card_Property card;
        card.Card_border_chk = k.border;
        card.Card_bordr_clr = Qt::red;
        card.Card_bor_Stepper = 6;
        card.Card_border_style = QString::fromLatin1(k.style);
        card.Watermark_Used = k.watermark;
        card.Watermark_Alignment = 2;
        card.Watermark_Text = QStringLiteral("COPY");
        card.Watermark_Color = Qt::blue;
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSizeF(30);
        card.Watermark_Font = font;
        p().Fill_Card_Border_Panel(card);
        EXPECT_EQ(p().Card_Border_Box->isEnabled(), k.border) << k.style;
        EXPECT_EQ(p().watermark_box->isEnabled(), k.watermark) << k.style;
        EXPECT_EQ(p().Card_bor_Text->text(), QStringLiteral("6"));
        EXPECT_EQ(p().Card_border_style->currentIndex(), k.index) << k.style;
        EXPECT_TRUE(p().wm_font_value->text().endsWith(QStringLiteral(" ( 30.00 )")));
        const CardPanelValues v = read();
        EXPECT_EQ(v.border, k.border);
        EXPECT_EQ(v.borderColor, QColor(Qt::red));
        EXPECT_EQ(v.borderWidth, 6);
        EXPECT_EQ(v.borderStyle, std::optional<QString>(QString::fromLatin1(k.style)));
        EXPECT_EQ(v.watermark, k.watermark);
        EXPECT_EQ(v.watermarkAlignment, 2);
        EXPECT_EQ(v.watermarkText, QStringLiteral("COPY"));
        EXPECT_EQ(v.watermarkColor, QColor(Qt::blue));
        EXPECT_EQ(v.watermarkFont, font);
    }
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(Not_Draw_Only_Prop_Change);
}

TEST_F(CardBorderPanelTest, AnUnknownStyleCodeLeavesTheListAndNoStyleIsReadAsNone)
{
    Card_Property card;
    card.Card_border_style = QStringLiteral("DD");
    p().Fill_Card_Border_Panel(card);
    card.Card_border_style = QStringLiteral("XX");
    p().Fill_Card_Border_Panel(card);
    EXPECT_EQ(p().Card_border_style->currentIndex(), 3);
    p().Card_border_style->setCurrentIndex(-1);
    EXPECT_FALSE(read().borderStyle.has_value());
}

TEST_F(CardBorderPanelTest, CheckBoxesSwitchTheirBoxesAndStoreTheCard)
{
    QSignalSpy changed(&p(), &CardBorderPanel::cardChanged);
    const struct {
        QCheckBox *CardBorderPanel::*check;
        QGroupBox *CardBorderPanel::*box;
    } cases[] = {{&CardBorderPanel::Card_border_chk, &CardBorderPanel::Card_Border_Box},
                 {&CardBorderPanel::enable_watermark_chk, &CardBorderPanel::watermark_box}};
    int expected = 0;
    for (const auto &k : cases) {
        for (bool on : {true, false}) {
            (p().*k.check)->setChecked(!on);
            (p().*k.check)->click();
            EXPECT_EQ((p().*k.box)->isEnabled(), on) << (p().*k.check)->objectName().toStdString();
            EXPECT_EQ(changed.count(), ++expected);
        }
    }
    p().Card_border_chk->click();
    p().enable_watermark_chk->click();
    EXPECT_TRUE(read().border);
    EXPECT_TRUE(read().watermark);
}

TEST_F(CardBorderPanelTest, WidthAndTransparencyFollowTheUser)
{
    p().Card_border_chk->click();   // the border's box opens
    p().enable_watermark_chk->click();
    QSignalSpy changed(&p(), &CardBorderPanel::cardChanged);
    p().Card_bor_Stepper->stepUp();
    EXPECT_EQ(p().Card_bor_Text->text(), QStringLiteral("4"));
    EXPECT_EQ(read().borderWidth, 4);
    p().Card_bor_Text->selectAll();
    QTest::keyClicks(p().Card_bor_Text, QStringLiteral("9"));
    QTest::keyClick(p().Card_bor_Text, Qt::Key_Return);
    EXPECT_EQ(read().borderWidth, 9);
    p().wm_transp_slider->setValue(40);
    p().wm_transp_slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);   // a key step
    EXPECT_EQ(p().wm_transp_val->text(), QString::number(p().wm_transp_slider->value()));
    EXPECT_FLOAT_EQ(read().watermarkTransparency, p().wm_transp_slider->value() / 100.0f);
    EXPECT_GE(changed.count(), 3);
}

TEST_F(CardBorderPanelTest, TheBorderColourGoesToTheObjectsFirstTheWatermarkColourOnlyToTheCard)
{
    QSignalSpy colour(&p(), &CardBorderPanel::colorChosen), changed(&p(), &CardBorderPanel::cardChanged);
    p().Card_bordr_clr->chooseColor(Qt::green);
    ASSERT_EQ(colour.count(), 1);
    EXPECT_EQ(colour.at(0).at(0).value<QColor>(), QColor(Qt::green));
    EXPECT_EQ(changed.count(), 1);
    p().watermark_color->chooseColor(Qt::magenta);
    EXPECT_EQ(colour.count(), 1);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(read().watermarkColor, QColor(Qt::magenta));
}

TEST_F(CardBorderPanelTest, TheWatermarkFontIsChosenOrKeptAndTheCardStoredEitherWay)
{
    testsupport::ResponderScope responder;
    p().enable_watermark_chk->click();   // the watermark's box opens
    QSignalSpy changed(&p(), &CardBorderPanel::cardChanged);
    const QFont before = p().WM_Text_font;
    p().wm_font_btn->click();   // cancelled
    EXPECT_EQ(p().WM_Text_font, before);
    EXPECT_EQ(changed.count(), 1);
    QFont chosen(QStringLiteral("DejaVu Sans Mono"));
    chosen.setPointSizeF(40);
    responder->fontAnswers = {chosen};
    p().wm_font_btn->click();
    EXPECT_EQ(read().watermarkFont, chosen);
    EXPECT_TRUE(p().wm_font_value->text().endsWith(QStringLiteral(" ( 40.00 )")));
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(CardBorderPanelTest, ListsStoreTheCardAndTheWatermarkTextIsReported)
{
    QSignalSpy changed(&p(), &CardBorderPanel::cardChanged), edited(&p(), &CardBorderPanel::watermarkTextEdited);
    p().wm_alignment_combo->setCurrentIndex(1);
    p().Card_border_style->setCurrentIndex(4);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(read().borderStyle, std::optional<QString>(QStringLiteral("DDD")));
    EXPECT_EQ(read().watermarkAlignment, 1);
    emit platform::TextNotifications::instance().controlTextDidChange(p().Card_bor_Text);
    EXPECT_EQ(edited.count(), 0);
    p().watermark_text->setText(QStringLiteral("DRAFT"));
    emit platform::TextNotifications::instance().controlTextDidChange(p().watermark_text);
    EXPECT_EQ(edited.count(), 1);
    EXPECT_EQ(read().watermarkText, QStringLiteral("DRAFT"));
}

} // namespace
