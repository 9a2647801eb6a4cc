#pragma once
// The mouse wheel over a control, as a user turns it one notch down; the scroll area a control lies in.

#include <QApplication>
#include <QScrollArea>
#include <QWheelEvent>

namespace testsupport {

inline void wheelDown(QWidget *w)
{
    const QPointF at = w->rect().center();
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

inline QScrollArea *enclosingScrollArea(QWidget *w)
{
    for (QWidget *p = w ? w->parentWidget() : nullptr; p; p = p->parentWidget())
        if (auto *area = qobject_cast<QScrollArea *>(p))
            return area;
    return nullptr;
}

} // namespace testsupport
