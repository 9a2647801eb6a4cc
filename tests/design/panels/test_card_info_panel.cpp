// The card's information page on its own: filled from a card, changed as a user does, read back.

#include "core/Globals.h"
#include "core/GlobalsReset.h"
#include "model/DesignGlobals.h"
#include "design/PanelValues.h"
#include "design/panels/CardInfoPanel.h"
#include "platform/ColorWell.h"
#include "platform/TextNotifications.h"
#include "model/Card_Property.h"
#include "support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

namespace {

class CardInfoPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobalsForTests();
        Text_Ctrl_Font = QStringLiteral("DejaVu Sans");
        panel = std::make_unique<CardInfoPanel>();
    }
    void TearDown() override
    {
        panel.reset();
        resetGlobalsForTests();
    }

    CardPanelValues read() const
    {
        CardPanelValues v;
        p().Read_Card_Info_Panel(v);
        return v;
    }
    QFont font(const QString &family, double points) const
    {
        QFont f(family);
        f.setPointSizeF(points);
        return f;
    }

    std::unique_ptr<CardInfoPanel> panel;
    CardInfoPanel &p() const { return *panel; }
};

TEST_F(CardInfoPanelTest, OutletsAreTheFormsWidgetsAndTheShapesAreNumbered)
{
    const QList<QPair<QObject *, QString>> outlets = {
        {&p(), "card_info_tab"},          {p().card_name, "card_name"},
        {p().All_Text_clr, "All_Text_clr"}, {p().All_Text_clr_COPY, "All_Text_clr_COPY"},
        {p().All_Text_font_value, "All_Text_font_value"}, {p().content_font_btn, "content_font_btn"},
    };
    for (const auto &[outlet, name] : outlets) {
        ASSERT_NE(outlet, nullptr) << name.toStdString();
        EXPECT_EQ(outlet->objectName(), name);
    }
    const QStringList shapes = {"matrix_card_shape_0", "matrix_card_shape_1", "matrix_card_shape_2"};
    ASSERT_EQ(p().matrix_card_shape->buttons().size(), shapes.size());
    for (int i = 0; i < shapes.size(); ++i)
        EXPECT_EQ(p().matrix_card_shape->id(p().findChild<QAbstractButton *>(shapes.at(i))), i);
    EXPECT_EQ(p().matrix_card_shape->checkedId(), 0);
    EXPECT_EQ(p().All_Text_font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(p().All_Text_font.pointSizeF(), Text_Ctrl_Font_Size);
}

TEST_F(CardInfoPanelTest, FillShowsTheShapeOfTheCardsCode)
{
    const struct {
        const char *code;
        int shape;
    } cases[] = {{"R", 0}, {"RR", 1}, {"E", 2}, {"unknown", 2}};
    for (const auto &k : cases) {
        Card_Property card;
        card.Card_Shape = QString::fromLatin1(k.code);
        p().Fill_Card_Info_Panel(card);
        EXPECT_EQ(Card_Shape, k.shape) << k.code;
        EXPECT_TRUE(p().matrix_card_shape->button(k.shape)->isChecked()) << k.code;
        EXPECT_EQ(read().shape, k.shape) << k.code;
    }
}

TEST_F(CardInfoPanelTest, FillShowsNameAndContentAndSendsNothing)
{
    QSignalSpy shape(&p(), &CardInfoPanel::shapeChosen), colour(&p(), &CardInfoPanel::contentColorChosen),
        content(&p(), &CardInfoPanel::contentChanged);
    Card_Property card;
    card.Card_Name = QStringLiteral("Badge");
    card.Card_Content_clr = Qt::darkGreen;
    card.Card_Content_font = font(QStringLiteral("DejaVu Serif"), 21);
    p().All_Text_font_replaced = true;
    p().Fill_Card_Info_Panel(card);
    EXPECT_EQ(p().card_name->text(), QStringLiteral("Badge"));
    EXPECT_EQ(p().All_Text_clr->color(), QColor(Qt::darkGreen));
    EXPECT_EQ(p().All_Text_clr_COPY->color(), QColor(Qt::darkGreen));
    EXPECT_EQ(p().All_Text_font, card.Card_Content_font);
    EXPECT_TRUE(p().All_Text_font_value->text().endsWith(QStringLiteral(" ( 21.00 )"))) << qPrintable(p().All_Text_font_value->text());
    EXPECT_EQ(p().All_Text_font_value_COPY->text(), p().All_Text_font_value->text());
    ASSERT_TRUE(p().All_Text_font_COPY.has_value());
    EXPECT_EQ(*p().All_Text_font_COPY, card.Card_Content_font);
    EXPECT_FALSE(p().All_Text_font_replaced);
    EXPECT_FALSE(p().Content_Colour_Changed());
    const CardPanelValues v = read();
    EXPECT_EQ(v.name, QStringLiteral("Badge"));
    EXPECT_EQ(v.contentColor, QColor(Qt::darkGreen));
    EXPECT_EQ(v.contentFont, card.Card_Content_font);
    EXPECT_EQ(shape.count() + colour.count() + content.count(), 0);
}

TEST_F(CardInfoPanelTest, TheNameIsReadTrimmedAndNeverNull)
{
    const struct {
        const char *typed;
        const char *read;
    } cases[] = {{"  Badge \n", "Badge"}, {"   ", ""}, {"", ""}, {"A B", "A B"}};
    for (const auto &k : cases) {
        p().card_name->setText(QString::fromLatin1(k.typed));
        const CardPanelValues v = read();
        EXPECT_EQ(v.name, QString::fromLatin1(k.read)) << k.typed;
        EXPECT_FALSE(v.name.isNull()) << k.typed;
    }
}

TEST_F(CardInfoPanelTest, ClickingAShapeKeepsItAndAsksForTheCard)
{
    QSignalSpy chosen(&p(), &CardInfoPanel::shapeChosen);
    for (int shape : {2, 1, 0}) {
        p().matrix_card_shape->button(shape)->click();
        EXPECT_EQ(Card_Shape, shape);
        EXPECT_EQ(read().shape, shape);
    }
    EXPECT_EQ(chosen.count(), 3);
}

TEST_F(CardInfoPanelTest, AChosenContentColourIsSentAndCountsAsChangedUntilTheNextFill)
{
    QSignalSpy colour(&p(), &CardInfoPanel::contentColorChosen);
    p().Fill_Card_Info_Panel(Card_Property());
    p().All_Text_clr->chooseColor(Qt::red);
    ASSERT_EQ(colour.count(), 1);
    EXPECT_EQ(colour.at(0).at(0).value<QColor>(), QColor(Qt::red));
    EXPECT_TRUE(p().Content_Colour_Changed());
    EXPECT_EQ(read().contentColor, QColor(Qt::red));
    Card_Property card;
    card.Card_Content_clr = Qt::red;
    p().Fill_Card_Info_Panel(card);
    EXPECT_FALSE(p().Content_Colour_Changed());
}

TEST_F(CardInfoPanelTest, TheFontChooserReplacesTheContentFontOrChangesNothing)
{
    testsupport::ResponderScope responder;
    QSignalSpy content(&p(), &CardInfoPanel::contentChanged);
    p().Fill_Card_Info_Panel(Card_Property());
    const QFont before = p().All_Text_font;
    p().content_font_btn->click();   // cancelled: no answer scripted
    EXPECT_EQ(p().All_Text_font, before);
    EXPECT_FALSE(p().All_Text_font_replaced);
    EXPECT_EQ(content.count(), 0);

    const QFont chosen = font(QStringLiteral("DejaVu Serif"), 17);
    responder->fontAnswers = {chosen};
    p().content_font_btn->click();
    EXPECT_EQ(p().All_Text_font, chosen);
    EXPECT_TRUE(p().All_Text_font_replaced);
    EXPECT_TRUE(p().All_Text_font_value->text().endsWith(QStringLiteral(" ( 17.00 )")));
    EXPECT_EQ(read().contentFont, chosen);
    EXPECT_EQ(content.count(), 1);
}

TEST_F(CardInfoPanelTest, OnlyTheNameFieldsNotificationIsReported)
{
    QSignalSpy edited(&p(), &CardInfoPanel::nameEdited);
    QLineEdit other;
    emit platform::TextNotifications::instance().controlTextDidChange(&other);
    EXPECT_EQ(edited.count(), 0);
    emit platform::TextNotifications::instance().controlTextDidChange(p().card_name);
    EXPECT_EQ(edited.count(), 1);
}

TEST_F(CardInfoPanelTest, ResetShowsANewDesignsContent)
{
    Card_Property card;
    card.Card_Content_clr = Qt::red;
    p().Fill_Card_Info_Panel(card);
    const QFont fresh = font(QStringLiteral("DejaVu Sans"), 12);
    p().Reset_Content(fresh, QStringLiteral("DejaVu Sans ( 12.00 )"));
    EXPECT_EQ(p().All_Text_font, fresh);
    EXPECT_EQ(p().All_Text_font_value->text(), QStringLiteral("DejaVu Sans ( 12.00 )"));
    EXPECT_EQ(p().All_Text_clr->color(), QColor(Qt::black));
    EXPECT_EQ(p().All_Text_clr_COPY->color(), QColor(Qt::black));
    EXPECT_TRUE(p().All_Text_font_value_COPY->text().isEmpty());
    EXPECT_FALSE(p().All_Text_font_COPY.has_value());
}

} // namespace
