#pragma once
// What the input panels of the QR payload types share. Every edit made by the user in a panel is
// announced with edited(), after which the payload is rebuilt.

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

class QrPanelBase : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void edited();

protected:
    // Announces the user's edits of the field (code that sets its text sends nothing).
    void watch(QLineEdit *field);
    void watch(QPlainTextEdit *view);
    // Opens the built payload (not the typed text) as a link, when the link field holds something.
    static void openPayloadLink(const QLineEdit *linkField);
    // Clears a panel's global when that panel goes away.
    template <typename T> static void forget(T *&global, T *self)
    {
        if (global == self)
            global = nullptr;
    }
};
