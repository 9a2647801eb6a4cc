// A press that a message cuts makes no step and no repeat, on every arrow of every window.
//
// Qt moves the focus a press gives before the pressed widget sees the press. A field left with an
// entry it refuses opens its message then, and the message's own event loop takes the release: the
// press, delivered once the message is gone, would hold an arrow down and repeat it without end.
// So each press is noted as its window gets it (application filters see it there before the focus
// moves) and dropped when it reaches its widget if a message opened meanwhile. And a message that
// opens while a widget is held down (an arrow repeating, a step that is refused) lets it go first:
// no repeat outlives the message.

#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace platform {

namespace {

class PressGuard : public QObject {
public:
    explicit PressGuard(QCoreApplication *app) : QObject(app)
    {
        app->installEventFilter(this);
        guard = this;
        setRequestHook([] {
            if (guard)
                guard->messageOpens();
        });
    }
    ~PressGuard() override
    {
        setRequestHook(nullptr);
        guard = nullptr;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::WindowBlocked) {   // a modal window opens: a message, a panel, a dialog
            messageOpens();
            return false;
        }
        if ((type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease)
            || !event->spontaneous())
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const Press press{type, mouse->button(), mouse->timestamp(), mouse->globalPosition(), m_openings};
        if (type == QEvent::MouseButtonRelease) {
            // A release while a press has not reached its widget: the press is waiting on an event loop
            // that ran meanwhile, a message's.
            if (watched->isWindowType() && !m_pending.empty())
                ++m_openings;
            m_held = nullptr;
            return false;
        }
        if (watched->isWindowType()) {
            m_pending.push_back(press);
            if (m_pending.size() > 16)   // presses a window kept from its widgets (a popup closed by them)
                m_pending.erase(m_pending.begin());
            return false;
        }
        if (!watched->isWidgetType())
            return false;
        for (auto p = m_pending.end(); p != m_pending.begin();) {
            --p;
            if (p->type == press.type && p->button == press.button && p->timestamp == press.timestamp && p->at == press.at) {
                const bool cut = p->openings != m_openings;
                m_pending.erase(p, m_pending.end());
                if (cut) {
                    event->accept();   // and no parent gets it either
                    return true;
                }
                break;
            }
        }
        m_held = static_cast<QWidget *>(watched);
        m_heldButton = press.button;
        return false;
    }

private:
    struct Press {
        QEvent::Type type;
        Qt::MouseButton button;
        quint64 timestamp;
        QPointF at;
        quint64 openings;   // how many messages had opened when the window got it
    };

    void messageOpens()
    {
        ++m_openings;
        QWidget *held = m_held;
        m_held = nullptr;
        // The release the message takes, given now, off the widget: a button is let go without a
        // click, a spin box or scroll bar stops its repeat.
        if (qobject_cast<QAbstractButton *>(held) || qobject_cast<QAbstractSpinBox *>(held) || qobject_cast<QAbstractSlider *>(held)) {
            const QPointF off(-1, -1);
            QMouseEvent release(QEvent::MouseButtonRelease, off, held->mapToGlobal(off), m_heldButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(held, &release);
        }
    }

    static inline PressGuard *guard = nullptr;
    std::vector<Press> m_pending;   // noted as their window got them, not yet at their widget
    quint64 m_openings = 0;         // messages opened so far
    QPointer<QWidget> m_held;       // the widget a press reached, until its release
    Qt::MouseButton m_heldButton = Qt::LeftButton;
};

void installPressGuard()
{
    new PressGuard(QCoreApplication::instance());
}

// In every program that links the dialogs, as its application starts.
Q_COREAPP_STARTUP_FUNCTION(installPressGuard)

} // namespace

} // namespace platform
