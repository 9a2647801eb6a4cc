// The one utility that touches widgets, kept apart so that the rest of the utilities link without
// Qt Widgets.

#include "core/Utilities.h"

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
