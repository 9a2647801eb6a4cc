// The signature page alone: filled from a signature object, driven as a user drives it, read back;
// each change asks the Designing mode for the transfer.

#include "design/panels/SignPanel.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "support/ScriptedResponder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <functional>

#include <gtest/gtest.h>

namespace {

std::shared_ptr<SKTGraphic> signature()
{
    auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Signature);
    g->_file_path = QStringLiteral("/signs/ada.png");
    g->_isDrawingStroke = false;
    g->_strokeWidth = 2.9;
    g->_strokeColor = Qt::darkBlue;
    g->_stroke_border_type = QStringLiteral("DDD");
    return g;
}

class SignPanelAlone : public ::testing::Test {
protected:
    SignPanel p;
    QSignalSpy transfers{&p, &SignPanel::transferRequested};
    QSignalSpy colours{&p, &SignPanel::colorChosen};
};

TEST_F(SignPanelAlone, FillShowsTheSignatureAndReadGivesItBack)
{
    p.Fill_Sign_Panel(*signature());
    EXPECT_EQ(p.Sign_image_path->text(), QStringLiteral("/signs/ada.png"));
    EXPECT_FALSE(p.Sign_border_chk->isChecked());
    EXPECT_FALSE(p.Sign_Border_Box->isEnabled());
    EXPECT_EQ(p.Sign_bor_Text->text(), QStringLiteral("2"));
    EXPECT_EQ(p.Sign_border_style->currentText(), QStringLiteral("Dash Dot Dot"));
    EXPECT_EQ(transfers.count() + colours.count(), 0);

    const SignPanelValues v = p.Read_Sign_Panel();
    EXPECT_FALSE(v.stroke.on);
    EXPECT_EQ(v.stroke.width, 2);
    EXPECT_EQ(v.stroke.color, QColor(Qt::darkBlue));
    EXPECT_EQ(v.stroke.borderType, QStringLiteral("DDD"));
    EXPECT_EQ(v.filePath, QStringLiteral("/signs/ada.png"));
    EXPECT_EQ(v.printObject, 0);   // the sidebar's, not the page's
}

TEST_F(SignPanelAlone, EachControlAsksForTheTransfer)
{
    p.Fill_Sign_Panel(*signature());
    const struct {
        const char *action;
        std::function<void()> act;
        std::function<bool()> shown;
    } cases[] = {
        {"border box", [&] { p.Sign_border_chk->click(); }, [&] { return p.Sign_Border_Box->isEnabled(); }},
        {"stepper", [&] { p.Sign_bor_Stepper->stepUp(); }, [&] { return p.Sign_bor_Text->text() == QStringLiteral("3"); }},
        {"field",
         [&] {
             p.Sign_bor_Text->setText(QStringLiteral("6"));
             emit p.Sign_bor_Text->editingFinished();
         },
         [&] { return p.Sign_bor_Stepper->intValue() == 6; }},
        {"style", [&] { p.Sign_border_style->setCurrentIndex(1); },
         [&] { return p.Read_Sign_Panel().stroke.borderType == QStringLiteral("DA"); }},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.action);
        transfers.clear();
        k.act();
        EXPECT_TRUE(k.shown());
        EXPECT_EQ(transfers.count(), 1);
    }
}

TEST_F(SignPanelAlone, AColourGoesToTheObjectsBeforeTheTransfer)
{
    QStringList order;
    QObject::connect(&p, &SignPanel::colorChosen, &p, [&order] { order << QStringLiteral("colour"); });
    QObject::connect(&p, &SignPanel::transferRequested, &p, [&order] { order << QStringLiteral("transfer"); });
    p.Sign_bordr_clr->chooseColor(Qt::magenta);
    EXPECT_EQ(order, QStringList({QStringLiteral("colour"), QStringLiteral("transfer")}));
    EXPECT_EQ(colours.first().first().value<QColor>(), QColor(Qt::magenta));
}

TEST_F(SignPanelAlone, BrowseTakesOnePngAndCancelChangesNothing)
{
    testsupport::ResponderScope responder;
    p.Sign_image_path->setText(QStringLiteral("/old.png"));
    p.sign_browse_btn->click();   // no answer: cancelled
    EXPECT_EQ(p.Sign_image_path->text(), QStringLiteral("/old.png"));
    EXPECT_EQ(transfers.count(), 0);
    ASSERT_EQ(responder->openRequests.size(), 1);
    EXPECT_EQ(responder->openRequests.first().extensions, QStringList({QStringLiteral("png"), QStringLiteral("PNG")}));
    EXPECT_FALSE(responder->openRequests.first().allowsMultipleSelection);

    responder->openAnswers = {QStringList{QStringLiteral("/new.png")}};
    p.sign_browse_btn->click();
    EXPECT_EQ(p.Sign_image_path->text(), QStringLiteral("/new.png"));
    EXPECT_EQ(transfers.count(), 1);
}

} // namespace
