// The import windows' placement choice, "At Start" or "At End", is one radio group: assistive
// technology and the keyboard see two radio buttons of which exactly one is chosen.

#include "data/Import_From_Txt_File.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QRadioButton>
#include <QTest>

namespace {

void checkPlacementGroup(QWidget *window, QRadioButton *start, QRadioButton *end)
{
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::mouseClick(start, Qt::LeftButton);
    ASSERT_TRUE(start->isChecked());
    ASSERT_FALSE(end->isChecked());
    for (QRadioButton *b : {start, end}) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::RadioButton);
        EXPECT_EQ(a->state().checked, b == start) << b->text().toStdString();
    }
    // The arrow keys move the choice within the group, as in any radio group.
    start->setFocus(Qt::TabFocusReason);
    QTest::keyClick(start, Qt::Key_Right);
    EXPECT_TRUE(end->isChecked());
    EXPECT_FALSE(start->isChecked());
    QTest::keyClick(end, Qt::Key_Left);
    EXPECT_TRUE(start->isChecked());
    EXPECT_FALSE(end->isChecked());
    // A click on the chosen one keeps it chosen.
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_TRUE(start->isChecked());
    EXPECT_FALSE(end->isChecked());
    window->hide();
}

TEST(ImportPlacement, TextImportOffersOneRadioGroup)
{
    Import_From_Txt_File window;
    checkPlacementGroup(&window, window.radioButton_At_Start, window.radioButton_At_End);
}

} // namespace
