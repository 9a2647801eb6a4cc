// The line page on its own: filled from a line, changed as a user changes it, read back into the
// values the transfer writes, and asking for the transfer exactly for the user's changes.

#include "design/PanelValues.h"
#include "design/panels/LinePanel.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <functional>

namespace {

std::shared_ptr<SKTGraphic> line()
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Line);
    g->_strokeWidth = 3.7;
    g->_strokeColor = Qt::red;
    g->_stroke_border_type = QStringLiteral("DD");
    g->_line_ori = 2;
    g->_line_cap_style = 1;
    g->alpha_val_stroke = 0.25f;
    return g;
}

TEST(LinePanel, FillShowsTheLineAndReadsItBack)
{
    LinePanel p;
    p.Fill_Line_Panel(*line());
    EXPECT_EQ(p.Line_Wdt_Text->text(), QStringLiteral("3"));   // whole points
    EXPECT_EQ(p.Line_alpha_Text->text(), QStringLiteral("25"));
    EXPECT_EQ(p.Line_border_style->currentIndex(), 3);
    const LinePanelValues v = p.Read_Line_Panel();
    EXPECT_EQ(v.strokeWidth, 3);
    EXPECT_EQ(v.strokeColor, QColor(Qt::red));
    EXPECT_EQ(v.borderType, QStringLiteral("DD"));
    EXPECT_EQ(v.orientation, 2);
    EXPECT_EQ(v.capStyle, 1);
    EXPECT_FLOAT_EQ(v.strokeAlpha, 0.25f);
    EXPECT_EQ(v.printObject, 0);   // the sidebar's, not the page's
}

TEST(LinePanel, FillingSendsNothing)
{
    LinePanel p;
    QSignalSpy transfers(&p, &LinePanel::transferRequested), colours(&p, &LinePanel::colorChosen);
    p.Fill_Line_Panel(*line());
    EXPECT_EQ(transfers.count(), 0);
    EXPECT_EQ(colours.count(), 0);
}

TEST(LinePanel, EachUserChangeAsksForOneTransfer)
{
    const struct {
        const char *what;
        std::function<void(LinePanel &)> act;
        std::function<void(const LinePanelValues &)> check;
    } cases[] = {
        {"width stepper", [](LinePanel &p) { p.Line_Wdt_Stepper->stepUp(); },
         [](const LinePanelValues &v) { EXPECT_EQ(v.strokeWidth, 4); }},
        {"width field", [](LinePanel &p) {
             p.Line_Wdt_Text->setText(QStringLiteral("7"));
             emit p.Line_Wdt_Text->editingFinished();
         },
         [](const LinePanelValues &v) { EXPECT_EQ(v.strokeWidth, 7); }},
        {"opacity field", [](LinePanel &p) {
             p.Line_alpha_Text->setText(QStringLiteral("40"));
             emit p.Line_alpha_Text->editingFinished();
         },
         [](const LinePanelValues &v) { EXPECT_FLOAT_EQ(v.strokeAlpha, 0.4f); }},
        {"border style", [](LinePanel &p) { p.Line_border_style->setCurrentIndex(4); },
         [](const LinePanelValues &v) { EXPECT_EQ(v.borderType, QStringLiteral("DDD")); }},
        {"orientation", [](LinePanel &p) { p.Line_ori_style->setCurrentIndex(1); },
         [](const LinePanelValues &v) { EXPECT_EQ(v.orientation, 1); }},
        {"cap style", [](LinePanel &p) { p.Line_cap_style->setCurrentIndex(2); },
         [](const LinePanelValues &v) { EXPECT_EQ(v.capStyle, 2); }},
        {"colour well", [](LinePanel &p) { p.Line_clr->chooseColor(Qt::blue); },
         [](const LinePanelValues &v) { EXPECT_EQ(v.strokeColor, QColor(Qt::blue)); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        LinePanel p;
        p.Fill_Line_Panel(*line());
        QSignalSpy transfers(&p, &LinePanel::transferRequested);
        c.act(p);
        EXPECT_EQ(transfers.count(), 1);
        c.check(p.Read_Line_Panel());
    }
}

TEST(LinePanel, FieldOutsideTheRangeShowsTheBoundedValue)
{
    LinePanel p;
    p.Line_Wdt_Text->setText(QStringLiteral("80"));   // refused: the width kept
    emit p.Line_Wdt_Text->editingFinished();
    EXPECT_EQ(p.Line_Wdt_Stepper->intValue(), 1);
    EXPECT_EQ(p.Line_Wdt_Text->text(), QStringLiteral("1"));
}

TEST(LinePanel, ColourGoesToTheSelectionBeforeTheTransfer)
{
    LinePanel p;
    QStringList order;
    QObject::connect(&p, &LinePanel::colorChosen, [&](const QColor &c) { order << c.name(); });
    QObject::connect(&p, &LinePanel::transferRequested, [&] { order << QStringLiteral("transfer"); });
    p.Line_clr->chooseColor(QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(order, (QStringList{QStringLiteral("#123456"), QStringLiteral("transfer")}));
}

TEST(LinePanel, ListsAreLeftToThePageByTheWindowsDelegate)
{
    LinePanel p;
    for (QComboBox *list : {p.Line_border_style, p.Line_ori_style, p.Line_cap_style})
        EXPECT_TRUE(list->property("tagora_combo_dispatch").toBool()) << list->objectName().toStdString();
    EXPECT_EQ(p.Line_border_style->count(), 5);
    EXPECT_EQ(p.objectName(), QStringLiteral("line_tab"));
}

} // namespace
