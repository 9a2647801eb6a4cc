#pragma once
// The mouse wheel over a control, as a user turns it one notch down.

#include <QApplication>
#include <QScrollArea>
#include <QWheelEvent>
#include <QWidget>

namespace testsupport {

inline void wheelDown(QWidget *w)
{
    const QPointF at = w->rect().center();
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                  false);
    QApplication::sendEvent(w, &e);
}

// The scroll area the widget lies in; nullptr when none.
inline QScrollArea *enclosingScrollArea(QWidget *w)
{
    for (QWidget *p = w ? w->parentWidget() : nullptr; p; p = p->parentWidget())
        if (auto *area = qobject_cast<QScrollArea *>(p))
            return area;
    return nullptr;
}

} // namespace testsupport
