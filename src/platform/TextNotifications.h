#pragma once
// The text-change and end-editing notifications of every text control in every window. Controls
// report only edits made by the user (not text set by code); the main window controller listens.

#include <QObject>

namespace platform {

class TextNotifications : public QObject {
    Q_OBJECT
public:
    static TextNotifications &instance();

    // Starts watching every line edit, editable combo box and text view of the application,
    // present and future. Until this runs no notification is sent.
    void startWatching();

signals:
    // One-line fields (line edits, editable combo boxes): the user changed the text.
    void controlTextDidChange(QObject *control);
    // One-line fields: editing ended (Return, or the focus left the field).
    void controlTextDidEndEditing(QObject *control);
    // Multi-line text views: the user changed the text.
    void textDidChange(QObject *view);
    // Multi-line text views: the focus left the view.
    void textDidEndEditing(QObject *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TextNotifications() = default;
    void attach(QObject *object);
    bool m_watching = false;
};

} // namespace platform
