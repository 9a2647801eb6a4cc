// The utilities that touch widgets, kept apart so that the rest of the utilities link without Qt
// Widgets.

#include "core/Utilities.h"

#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QWidget>

void SetObjEnabled(QWidget *view, bool enabled)
{
    if (!view)
        return;
    view->setEnabled(enabled);
    // A box hands the state to every control inside it, nested boxes included, so enabling the box
    // also enables children that were disabled one by one.
    const QByteArray cls = view->metaObject()->className();
    if (cls == "QGroupBox" || cls == "QFrame" || cls == "QWidget") {
        for (QWidget *child : view->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            SetObjEnabled(child, enabled);
    }
}

void Set_Field_Read_Only(QWidget *field, bool readOnly)
{
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->setReadOnly(readOnly);
    else if (auto *view = qobject_cast<QPlainTextEdit *>(field))
        view->setReadOnly(readOnly);
    else
        return;
    // The style draws a read-only field like an editable one: the background tells them apart.
    QPalette p = field->palette();
    p.setColor(QPalette::Base, readOnly ? p.color(QPalette::Window) : QColor(Qt::white));
    field->setPalette(p);
}
