#pragma once
// A user's typing and clicking in a window under test.

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QTest>

namespace testsupport {

// The field focused, its text selected and typed over (an empty text deletes it).
inline void type(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// A radio button or check box takes a click on its circle or box (or its title) only.
inline void pick(QAbstractButton *radio) { QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2)); }

} // namespace testsupport
