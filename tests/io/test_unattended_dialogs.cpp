// A program that links no dialogs (this one) still asks its questions through the dialog responder:
// nobody can answer them, so each alert is logged and answered as a closed box would be, and every
// panel and chooser is cancelled.

#include "core/Messages.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <QtGlobal>

namespace {

QStringList logged;

void keepMessage(QtMsgType, const QMessageLogContext &, const QString &text) { logged << text; }

class WithoutDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setDialogResponder(nullptr);
        logged.clear();
        previous = qInstallMessageHandler(keepMessage);
    }
    void TearDown() override { qInstallMessageHandler(previous); }
    QtMessageHandler previous = nullptr;
};

} // namespace

TEST_F(WithoutDialogs, AnAlertIsLoggedAndAnsweredWithItsLastButton)
{
    struct Case {
        QStringList buttons;
        int answer;
    };
    const Case cases[] = {
        {{}, 0},
        {{QStringLiteral("OK")}, 0},
        {{QStringLiteral("Yes"), QStringLiteral("No")}, 1},
        {{QStringLiteral("Replace"), QStringLiteral("Keep"), QStringLiteral("Cancel")}, 2},
    };
    for (const Case &c : cases) {
        platform::AlertRequest request;
        request.message = QStringLiteral("\nQuestion %1").arg(c.buttons.size());
        request.buttons = c.buttons;
        EXPECT_EQ(platform::runAlert(request), c.answer) << c.buttons.join(QLatin1Char(',')).toStdString();
        ASSERT_FALSE(logged.isEmpty());
        EXPECT_TRUE(logged.last().endsWith(QStringLiteral("Question %1").arg(c.buttons.size())))
            << logged.last().toStdString();
    }
    // The messages' own three-way question ends as Cancel, so nothing is replaced or lost.
    EXPECT_EQ(Show_YES_NO_Cancel_MessageBox(QStringLiteral("Save the changes?")), 1002);
}

TEST_F(WithoutDialogs, PanelsAndChoosersAreCancelled)
{
    EXPECT_EQ(platform::dialogResponder().openPanel({}), QStringList());
    EXPECT_EQ(platform::dialogResponder().savePanel({}), QString());
    EXPECT_FALSE(platform::chooseColor(Qt::red).isValid());
    EXPECT_FALSE(platform::chooseFont(QFont()).has_value());
    EXPECT_FALSE(platform::openWithDefaultApplication(QStringLiteral("/tmp")));
}
