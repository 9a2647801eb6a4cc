#pragma once
// In a list that selects several rows, Ctrl with a move key (Home, End, the arrows, the page keys)
// moves only the cursor by Qt's convention, so the marked row and the row the rest of the window
// shows would differ. This filter makes those moves select the row they land on, as a click does.

#include <QObject>

class QAbstractItemView;

namespace platform {

class RowJumpSelection : public QObject {
    Q_OBJECT
public:
    // Installs itself on view, which owns it.
    static void install(QAbstractItemView *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit RowJumpSelection(QAbstractItemView *view);
    QAbstractItemView *view;
};

} // namespace platform
