#include "platform/TextNotifications.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace platform {

namespace {
const char *const kAttached = "_tagora_text_notifications";

// A line edit inside a combo box reports as the combo box, as a combo box's own field does.
QObject *controlOf(QLineEdit *edit)
{
    if (auto *combo = qobject_cast<QComboBox *>(edit->parentWidget()))
        return combo;
    return edit;
}
} // namespace

TextNotifications &TextNotifications::instance()
{
    static TextNotifications *self = new TextNotifications;   // lives with the process
    return *self;
}

void TextNotifications::startWatching()
{
    if (m_watching || !qApp)
        return;
    m_watching = true;
    qApp->installEventFilter(this);
    for (QWidget *w : QApplication::allWidgets())
        attach(w);
}

void TextNotifications::attach(QObject *object)
{
    if (object->property(kAttached).toBool())
        return;
    if (auto *edit = qobject_cast<QLineEdit *>(object)) {
        object->setProperty(kAttached, true);
        // textEdited: only the user's edits, never setText().
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { emit controlTextDidChange(controlOf(edit)); });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { emit controlTextDidEndEditing(controlOf(edit)); });
    } else if (auto *text = qobject_cast<QTextEdit *>(object)) {
        object->setProperty(kAttached, true);
        // A view the user is typing in has the focus; text set by code while it has none is not an edit.
        connect(text, &QTextEdit::textChanged, this, [this, text] {
            if (text->hasFocus())
                emit textDidChange(text);
        });
        text->installEventFilter(this);
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(object)) {
        object->setProperty(kAttached, true);
        connect(plain, &QPlainTextEdit::textChanged, this, [this, plain] {
            if (plain->hasFocus())
                emit textDidChange(plain);
        });
        plain->installEventFilter(this);
    }
}

bool TextNotifications::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Polish || event->type() == QEvent::ChildPolished) {
        attach(watched);
    } else if (event->type() == QEvent::FocusOut) {
        if (qobject_cast<QTextEdit *>(watched) || qobject_cast<QPlainTextEdit *>(watched))
            emit textDidEndEditing(watched);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
