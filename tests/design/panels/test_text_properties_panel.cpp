// The text style page on its own: filled from a text, its check boxes and fill type radios enabling
// their controls, read back into the text values, and only the user's changes asking for the
// transfer.

#include "design/PanelValues.h"
#include "design/panels/TextPropertiesPanel.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <functional>

namespace {

std::shared_ptr<SKTGraphic> styled(const QString &fillType = QStringLiteral("S"))
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
    g->_isDrawingStroke = true;
    g->_strokeWidth = 4.6;
    g->_strokeColor = Qt::red;
    g->_stroke_border_type = QStringLiteral("DA");
    g->_isDrawingFill = true;
    g->_fillColor = Qt::yellow;
    g->_fill_type = fillType;
    g->_fill_grad_angle = 30;
    g->alpha_val = 0.257f;
    g->Drawing_Shadow = true;
    g->Shadow_Color = Qt::gray;
    g->Shadow_offset_X = -2.5f;
    g->Shadow_offset_Y = 3;
    g->Shadow_blur = 1.5f;
    g->Shadow_transparency = 0.4f;
    return g;
}

TEST(TextPropertiesPanel, FillShowsTheStyleAndReadsItBack)
{
    TextPropertiesPanel p;
    p.Fill_Text_Panel(*styled());
    EXPECT_EQ(p.Text_bor_Text->text(), QStringLiteral("4"));
    EXPECT_EQ(p.Text_alpha_Text->text(), QStringLiteral("25"));
    EXPECT_EQ(p.shadow_x_Text->text(), QStringLiteral("-2.5"));
    EXPECT_EQ(p.shadow_transp_Text->text(), QStringLiteral("40"));
    EXPECT_TRUE(p.Text_Border_Box->isEnabled());
    EXPECT_TRUE(p.shadow_box->isEnabled());
    TextPanelValues v;
    p.Read_Text_Panel(v);
    EXPECT_TRUE(v.stroke.on);
    EXPECT_EQ(v.stroke.width, 4);
    EXPECT_EQ(v.stroke.color, QColor(Qt::red));
    EXPECT_EQ(v.stroke.borderType, QStringLiteral("DA"));
    EXPECT_TRUE(v.fill);
    EXPECT_EQ(v.fillColor, QColor(Qt::yellow));
    EXPECT_EQ(v.fillType, QStringLiteral("S"));
    EXPECT_DOUBLE_EQ(v.gradientAngle, 30.0);
    EXPECT_FLOAT_EQ(v.alpha, 0.25f);
    EXPECT_TRUE(v.shadow);
    EXPECT_EQ(v.shadowColor, QColor(Qt::gray));
    EXPECT_FLOAT_EQ(v.shadowX, -2.5f);
    EXPECT_FLOAT_EQ(v.shadowY, 3.0f);
    EXPECT_FLOAT_EQ(v.shadowBlur, 1.5f);
    EXPECT_FLOAT_EQ(v.shadowTransparency, 0.4f);
    EXPECT_FALSE(v.font != QFont());   // the font is the other page's
}

TEST(TextPropertiesPanel, FillingSendsNothing)
{
    TextPropertiesPanel p;
    QSignalSpy transfers(&p, &TextPropertiesPanel::transferRequested), colours(&p, &TextPropertiesPanel::colorChosen);
    p.Fill_Text_Panel(*styled());
    auto plain = SKTGraphic::graphicOfClass(SKTGraphicClass::Text);
    plain->_fill_type = QStringLiteral("G");
    p.Fill_Text_Panel(*plain);
    EXPECT_EQ(transfers.count(), 0);
    EXPECT_EQ(colours.count(), 0);
}

TEST(TextPropertiesPanel, FillTypeRadiosEnableTheirControls)
{
    const struct {
        const char *what;
        QRadioButton *TextPropertiesPanel::*radio;
        const char *type;
        bool gradient;
    } cases[] = {
        {"gradient", &TextPropertiesPanel::Text_gradient_fill_rd, "G", true},
        {"solid", &TextPropertiesPanel::Text_solid_fill_rd, "S", false},
    };
    TextPropertiesPanel p;
    p.Fill_Text_Panel(*styled());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QSignalSpy transfers(&p, &TextPropertiesPanel::transferRequested);
        (p.*c.radio)->click();
        EXPECT_EQ(transfers.count(), 1);
        EXPECT_EQ(p.Text_fill_clr->isEnabled(), !c.gradient);
        for (QWidget *w : std::initializer_list<QWidget *>{p.Text_fill_Grd_1_clr, p.Text_fill_Grd_2_clr,
                                                           p.Text_grad_Text, p.Text_grad_Stepper})
            EXPECT_EQ(w->isEnabled(), c.gradient) << w->objectName().toStdString();
        // A gradient has no opacity of its own.
        for (QWidget *w : std::initializer_list<QWidget *>{p.text_alpha_lbl, p.Text_alpha_Text, p.Text_alpha_Stepper})
            EXPECT_EQ(w->isHidden(), c.gradient) << w->objectName().toStdString();
        TextPanelValues v;
        p.Read_Text_Panel(v);
        EXPECT_EQ(v.fillType, QString::fromLatin1(c.type));
    }
}

TEST(TextPropertiesPanel, CheckBoxesEnableTheirBoxes)
{
    const struct {
        const char *what;
        QCheckBox *TextPropertiesPanel::*check;
        QGroupBox *TextPropertiesPanel::*box;
    } cases[] = {
        {"border", &TextPropertiesPanel::Text_border_chk, &TextPropertiesPanel::Text_Border_Box},
        {"fill", &TextPropertiesPanel::Text_fill_chk, &TextPropertiesPanel::text_fill_box},
        {"shadow", &TextPropertiesPanel::draw_shadow_chkbox, &TextPropertiesPanel::shadow_box},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TextPropertiesPanel p;
        p.Fill_Text_Panel(*styled());   // every box on
        QSignalSpy transfers(&p, &TextPropertiesPanel::transferRequested);
        (p.*c.check)->click();
        EXPECT_FALSE((p.*c.box)->isEnabled());
        (p.*c.check)->click();
        EXPECT_TRUE((p.*c.box)->isEnabled());
        EXPECT_EQ(transfers.count(), 2);
    }
}

TEST(TextPropertiesPanel, GradientChoiceIsKeptWhileTheFillIsOff)
{
    TextPropertiesPanel p;
    p.Text_gradient_fill_rd->setChecked(true);
    p.Text_fill_chk->setChecked(false);
    TextPanelValues v;
    p.Read_Text_Panel(v);
    EXPECT_FALSE(v.fill);
    EXPECT_EQ(v.fillType, QStringLiteral("G"));
}

TEST(TextPropertiesPanel, EachPairCopiesItsStepperIntoItsFieldAndAsksForOneTransfer)
{
    const struct {
        const char *what;
        platform::Stepper *TextPropertiesPanel::*stepper;
        QLineEdit *TextPropertiesPanel::*field;
        const char *shown;
        const char *fillType;   // the gradient's pair is enabled for a gradient fill only
    } cases[] = {
        {"border", &TextPropertiesPanel::Text_bor_Stepper, &TextPropertiesPanel::Text_bor_Text, "5", "S"},
        {"gradient", &TextPropertiesPanel::Text_grad_Stepper, &TextPropertiesPanel::Text_grad_Text, "31", "G"},
        {"opacity", &TextPropertiesPanel::Text_alpha_Stepper, &TextPropertiesPanel::Text_alpha_Text, "26", "S"},
        {"shadow x", &TextPropertiesPanel::shadow_x_Stepper, &TextPropertiesPanel::shadow_x_Text, "-1.5", "S"},
        {"shadow y", &TextPropertiesPanel::shadow_y_Stepper, &TextPropertiesPanel::shadow_y_Text, "4", "S"},
        {"shadow blur", &TextPropertiesPanel::shadow_blur_Stepper, &TextPropertiesPanel::shadow_blur_Text, "2.5", "S"},
        {"shadow opacity", &TextPropertiesPanel::shadow_transp_Stepper, &TextPropertiesPanel::shadow_transp_Text, "41",
         "S"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TextPropertiesPanel p;
        p.Fill_Text_Panel(*styled(QString::fromLatin1(c.fillType)));
        QSignalSpy transfers(&p, &TextPropertiesPanel::transferRequested);
        (p.*c.stepper)->stepUp();
        EXPECT_EQ((p.*c.field)->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(transfers.count(), 1);
    }
}

TEST(TextPropertiesPanel, BorderStyleListAsksForTheTransfer)
{
    TextPropertiesPanel p;
    EXPECT_TRUE(p.Text_border_style->property("tagora_combo_dispatch").toBool());
    QSignalSpy transfers(&p, &TextPropertiesPanel::transferRequested);
    p.Text_border_style->setCurrentIndex(2);
    EXPECT_EQ(transfers.count(), 1);
    TextPanelValues v;
    p.Read_Text_Panel(v);
    EXPECT_EQ(v.stroke.borderType, QStringLiteral("DO"));
}

TEST(TextPropertiesPanel, EveryWellGoesToTheSelectionBeforeTheTransfer)
{
    TextPropertiesPanel p;
    for (platform::ColorWell *w :
         {p.Text_bordr_clr, p.Text_fill_clr, p.Text_fill_Grd_1_clr, p.Text_fill_Grd_2_clr, p.Shadow_clr}) {
        SCOPED_TRACE(w->objectName().toStdString());
        QStringList order;
        const auto a = QObject::connect(&p, &TextPropertiesPanel::colorChosen, [&](const QColor &c) { order << c.name(); });
        const auto b =
            QObject::connect(&p, &TextPropertiesPanel::transferRequested, [&] { order << QStringLiteral("transfer"); });
        w->chooseColor(QColor(Qt::cyan));
        EXPECT_EQ(order, (QStringList{QStringLiteral("#00ffff"), QStringLiteral("transfer")}));
        QObject::disconnect(a);
        QObject::disconnect(b);
    }
}

} // namespace
