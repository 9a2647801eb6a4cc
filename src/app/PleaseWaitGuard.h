#pragma once
// Shows a please-wait sheet for the life of the guard, so that every way out of a job (its returns
// and its exceptions) hides it again: the main window's sheet, or a window's own copy of it over
// that window.

class QDialog;
class QWidget;
class SKTWindowController;

class PleaseWaitGuard {
public:
    explicit PleaseWaitGuard(SKTWindowController *controller);
    // A window's own sheet (made by makeSheet) shown over the window.
    PleaseWaitGuard(QDialog *sheet, QWidget *over);
    ~PleaseWaitGuard();
    PleaseWaitGuard(const PleaseWaitGuard &) = delete;
    PleaseWaitGuard &operator=(const PleaseWaitGuard &) = delete;
    // Hides the sheet early (before an alert, for instance); the destructor then does nothing.
    void hide();

    // A copy of the please-wait sheet for a window of its own (its plz_wait_Window).
    static QDialog *makeSheet(QWidget *over);

private:
    SKTWindowController *m_controller = nullptr;
    QDialog *m_sheet = nullptr;
};
