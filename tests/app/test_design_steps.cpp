// Each change a user makes in the Designing mode's window is one undo step: typing in the value
// editor (when the editing ends), the content colour onto the texts, and the card size, which is
// refused where the canvas could not show it.

#include "app/SKTWindowController.h"
#include "core/Units.h"
#include "design/DesignCard.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/ToolPalette.h"
#include "design/UndoStacks.h"
#include "design/panels/CardInfoPanel.h"
#include "design/panels/CardSizePanel.h"
#include "design/panels/DataSourcePanel.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicView.h"
#include "platform/ColorWell.h"
#include "model/Card_Property.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class DesignSteps : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        c->window();
        c->applicationDidFinishLaunching();   // shown, active, and the text notifications on
        ASSERT_TRUE(QTest::qWaitForWindowActive(c->window()));
        c->Designing_Mode_Select();
        Measument_Unit_Is = last_unit_val = 2;
        undoStacksOf(d()).Record_Design_As_Started();
    }
    void TearDown() override
    {
        if (c && c->window())
            c->window()->hide();
    }
    DesignController &d() { return c->design(); }
    PropertySidebar &sidebar() { return sidebarOf(d()); }
    SKTGraphicList objects() { return c->document()->graphics(); }
    // Replaces a field's text as a user does: focus, select all, type.
    static void typeInto(QWidget *field, const QString &text)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }

    testsupport::AppEnvironment env{QString(), true};
    testsupport::ResponderScope responder;
    SKTWindowController *c = nullptr;
};

TEST_F(DesignSteps, TypingIsOneStepWhenTheEditingEndsAndAMoveAfterItIsAnother)
{
    workAreaOf(d()).tool_palette->Text_Tool_btn->click();
    ASSERT_EQ(objects().size(), 1);
    const QRectF placed = objects().first()->bounds();
    const int steps = undoStacksOf(d()).Get_Undo_Count();
    sidebar().sett_tab->setCurrentWidget(sidebar().datasource_tab);
    QPlainTextEdit *editor = sidebar().dataSourcePanel()->Text_value_Edit;
    typeInto(editor, QStringLiteral("Hello"));
    ASSERT_TRUE(editor->hasFocus());
    EXPECT_EQ(objects().first()->Text_Value, QStringLiteral("Hello"));
    EXPECT_EQ(undoStacksOf(d()).Get_Undo_Count(), steps);   // no step per keystroke
    workAreaOf(d()).Graphic_View()->setFocus();            // the editing ends
    EXPECT_EQ(undoStacksOf(d()).Get_Undo_Count(), steps + 1);

    // A move, recorded as the canvas records it.
    objects().first()->setBounds(placed.translated(40, 25));
    undoStacksOf(d()).Insert_In_Undo_Redo();
    editingOf(d()).Undo_btn->click();
    ASSERT_EQ(objects().size(), 1);
    EXPECT_EQ(objects().first()->bounds(), placed);
    EXPECT_EQ(objects().first()->Text_Value, QStringLiteral("Hello"));
    editingOf(d()).Undo_btn->click();
    ASSERT_EQ(objects().size(), 1);
    EXPECT_EQ(objects().first()->Text_Value, QStringLiteral("Text here"));
}

TEST_F(DesignSteps, UndoWhileStillTypingTakesBackTheTyping)
{
    workAreaOf(d()).tool_palette->Text_Tool_btn->click();
    ASSERT_EQ(objects().size(), 1);
    sidebar().sett_tab->setCurrentWidget(sidebar().datasource_tab);
    QPlainTextEdit *editor = sidebar().dataSourcePanel()->Text_value_Edit;
    typeInto(editor, QStringLiteral("Draft"));
    ASSERT_TRUE(editor->hasFocus());
    undoStacksOf(d()).Undo_Clicked();   // Undo from the menu keeps the focus where it is
    ASSERT_EQ(objects().size(), 1);
    EXPECT_EQ(objects().first()->Text_Value, QStringLiteral("Text here"));
    undoStacksOf(d()).Redo_Clicked();
    EXPECT_EQ(objects().first()->Text_Value, QStringLiteral("Draft"));
}

TEST_F(DesignSteps, TheContentColourOntoTheTextsIsOneStep)
{
    workAreaOf(d()).tool_palette->Text_Tool_btn->click();
    ASSERT_EQ(objects().size(), 1);
    const QColor before = objects().first()->txt_clr;
    ASSERT_NE(before, QColor(Qt::red));
    sidebar().Show_RHS_Properties(nullptr);
    const int steps = undoStacksOf(d()).Get_Undo_Count();
    sidebar().cardInfoPanel()->All_Text_clr->chooseColor(Qt::red);
    EXPECT_EQ(objects().first()->txt_clr, QColor(Qt::red));
    EXPECT_EQ(undoStacksOf(d()).Get_Undo_Count(), steps + 1);
    editingOf(d()).Undo_btn->click();
    ASSERT_EQ(objects().size(), 1);
    EXPECT_EQ(objects().first()->txt_clr, before);
}

TEST_F(DesignSteps, ACardSizeTheCanvasCannotShowIsRefusedAndANewSizeIsOneStep)
{
    sidebar().Show_RHS_Properties(nullptr);
    sidebar().sett_tab->setCurrentWidget(sidebar().card_size_tab);
    CardSizePanel *size = sidebar().cardSizePanel();
    const QSizeF before = workAreaOf(d()).canvasFrameSize;
    const int steps = undoStacksOf(d()).Get_Undo_Count();
    struct Case {
        QString width, height, message;
    };
    const QString tooSmall = QStringLiteral("The card must be wider and taller than zero.");
    // The fields take a tenth of a millimetre, which the canvas cannot show (under half a point).
    const Case refused[] = {{QStringLiteral("99999"), QStringLiteral("0.1"), tooSmall},
                            {QStringLiteral("0,1"), QStringLiteral("40"), tooSmall}};
    for (const Case &k : refused) {
        SCOPED_TRACE((k.width + QLatin1String(" x ") + k.height).toStdString());
        responder->alerts.clear();
        typeInto(size->width_Text, k.width);
        typeInto(size->height_Text, k.height);
        QTest::keyClick(size->height_Text, Qt::Key_Return);
        size->apply_size_btn->click();
        EXPECT_EQ(responder->trimmedAlertMessages(), QStringList{k.message});
        EXPECT_EQ(workAreaOf(d()).canvasFrameSize, before);
        EXPECT_EQ(cardOf(d()).Front_card_Prop->Card_Size, before);
        EXPECT_EQ(undoStacksOf(d()).Get_Undo_Count(), steps);
        // The fields show the card's size again.
        EXPECT_NEAR(size->width_Text->text().toDouble() * 2.834645669291, before.width(), 0.05);
    }

    typeInto(size->width_Text, QStringLiteral("50"));
    typeInto(size->height_Text, QStringLiteral("30"));
    size->apply_size_btn->click();
    EXPECT_NEAR(workAreaOf(d()).canvasFrameSize.width(), 50 * 2.834645669291, 0.01);
    EXPECT_NEAR(workAreaOf(d()).canvasFrameSize.height(), 30 * 2.834645669291, 0.01);
    EXPECT_EQ(undoStacksOf(d()).Get_Undo_Count(), steps + 1);
    editingOf(d()).Undo_btn->click();
    EXPECT_EQ(workAreaOf(d()).canvasFrameSize, before);
    EXPECT_EQ(cardOf(d()).Front_card_Prop->Card_Size, before);
    EXPECT_NEAR(size->width_Text->text().toDouble() * 2.834645669291, before.width(), 0.05);
    editingOf(d()).Redo_btn->click();
    EXPECT_NEAR(workAreaOf(d()).canvasFrameSize.width(), 50 * 2.834645669291, 0.01);
}

} // namespace
