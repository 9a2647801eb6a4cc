#include "platform/RowJumpSelection.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>

namespace platform {

RowJumpSelection::RowJumpSelection(QAbstractItemView *view) : QObject(view), view(view) {}

void RowJumpSelection::install(QAbstractItemView *view)
{
    if (view)
        view->installEventFilter(new RowJumpSelection(view));
}

bool RowJumpSelection::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != view || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::ControlModifier || !view->model())
        return false;
    switch (key->key()) {
    case Qt::Key_Home:
    case Qt::Key_End: {
        const int rows = view->model()->rowCount(view->rootIndex());
        if (rows == 0)
            return true;
        const int column = std::max(0, view->currentIndex().column());
        const QModelIndex target =
            view->model()->index(key->key() == Qt::Key_Home ? 0 : rows - 1, column, view->rootIndex());
        // Selects the row alone, as a click does (the held Ctrl must not add it to the selection).
        QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
        if (view->selectionBehavior() == QAbstractItemView::SelectRows)
            flags |= QItemSelectionModel::Rows;
        else if (view->selectionBehavior() == QAbstractItemView::SelectColumns)
            flags |= QItemSelectionModel::Columns;
        view->selectionModel()->setCurrentIndex(target, flags);
        view->scrollTo(target);
        return true;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        // Without Ctrl these keys move the same way and select where they land.
        QKeyEvent plain(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::ControlModifier, key->text(),
                        key->isAutoRepeat(), ushort(key->count()));
        QCoreApplication::sendEvent(view, &plain);
        return true;
    }
    default:
        return false;
    }
}

} // namespace platform
