// The lock page alone: the page of a locked object, with its note and nothing to change.

#include "design/panels/LockPanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

TEST(LockPanelAlone, ItOnlySaysTheObjectIsLocked)
{
    LockPanel p;
    EXPECT_EQ(p.objectName(), QStringLiteral("Lock_tab"));
    auto *note = p.findChild<QLabel *>(QStringLiteral("lock_note_lbl"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), QStringLiteral("This object is locked. Unlock it to change it."));
    EXPECT_TRUE(p.findChildren<QAbstractButton *>().isEmpty());
    EXPECT_TRUE(p.findChildren<QComboBox *>().isEmpty());
    EXPECT_TRUE(p.findChildren<QLineEdit *>().isEmpty());
}

} // namespace
