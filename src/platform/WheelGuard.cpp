#include "platform/WheelGuard.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace platform {

namespace {

class WheelGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        const auto *control = qobject_cast<QWidget *>(watched);
        if (!control || control->hasFocus())
            return false;
        for (QWidget *p = control->parentWidget(); p; p = p->parentWidget()) {
            if (auto *area = qobject_cast<QAbstractScrollArea *>(p)) {
                // Not taken here: the scroll area has it, and scrolls.
                event->ignore();
                QCoreApplication::sendEvent(area->viewport(), event);
                return true;
            }
        }
        return false;
    }
};

void guard(QWidget *control, QObject *filter)
{
    if (control->focusPolicy() == Qt::WheelFocus)
        control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(filter);
}

} // namespace

void wheelScrollsPanel(QWidget *root)
{
    if (!root)
        return;
    auto *filter = new WheelGuard(root);
    for (QComboBox *combo : root->findChildren<QComboBox *>())
        guard(combo, filter);
    for (QAbstractSpinBox *spin : root->findChildren<QAbstractSpinBox *>())
        guard(spin, filter);
}

} // namespace platform
