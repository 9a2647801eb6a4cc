// The canvas's keyboard and its commands on the selection: nudging, deleting, selecting.

#include "model/SKTGraphicView.h"

#include "core/Messages.h"
#include "model/CanvasHost.h"

#include <QKeyEvent>
#include <QTimer>

#include <algorithm>

void SKTGraphicView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left: moveSelectedGraphicsByX(-1, 0); break;
    case Qt::Key_Right: moveSelectedGraphicsByX(1, 0); break;
    case Qt::Key_Up: moveSelectedGraphicsByX(0, -1); break;
    case Qt::Key_Down: moveSelectedGraphicsByX(0, 1); break;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: delete_selection(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void SKTGraphicView::moveSelectedGraphicsByX(double dx, double dy)
{
    const SKTGraphicList selection = selectedGraphics();
    if (!selection.isEmpty()) {
        hideHandlesMomentarily();
        SKTGraphic::translateGraphics(selection, dx, dy);
    }
    // Every press (and every repeat) is one step, also with nothing selected.
    if (m_host)
        m_host->Insert_In_Undo_Redo();
}

void SKTGraphicView::hideHandlesMomentarily()
{
    if (!_handleShowingTimer) {
        _handleShowingTimer = new QTimer(this);
        _handleShowingTimer->setSingleShot(true);
        _handleShowingTimer->setInterval(500);
        connect(_handleShowingTimer, &QTimer::timeout, this, [this] {
            _isHidingHandles = false;
            setNeedsDisplayInRect(SKTGraphic::drawingBoundsOfGraphics(selectedGraphics()));
        });
    }
    _handleShowingTimer->start();   // a running timer starts again
    _isHidingHandles = true;
    setNeedsDisplayInRect(SKTGraphic::drawingBoundsOfGraphics(selectedGraphics()));
}

bool SKTGraphicView::There_Is_Any_Lock_Contrl() const
{
    const SKTGraphicList selection = selectedGraphics();
    return std::any_of(selection.begin(), selection.end(), [](const auto &g) { return g && g->ctrl_is_locked; });
}

void SKTGraphicView::delete_selection()
{
    if (There_Is_Any_Lock_Contrl()) {
        Show_MessageBox(tr("Selected control is locked."));
        return;
    }
    const QList<int> indexes = selectionIndexes();
    if (!indexes.isEmpty())
        mutableGraphics().removeGraphicsAtIndexes(indexes);
    if (m_host) {
        m_host->Show_RHS_Properties(nullptr);
        m_host->Insert_In_Undo_Redo();   // one step, after the change
        m_host->Check_Series_Or_Excel_Use_or_not();
    }
}

void SKTGraphicView::selectAll()
{
    QList<int> all;
    for (int i = 0; i < graphics().size(); ++i)
        all.append(i);
    changeSelectionIndexes(all);
}

void SKTGraphicView::Clear_Control_Selection() { changeSelectionIndexes({}); }

void SKTGraphicView::delete_all_control()
{
    QList<int> all;
    for (int i = 0; i < graphics().size(); ++i)
        all.append(i);
    if (!all.isEmpty())
        mutableGraphics().removeGraphicsAtIndexes(all);
}
