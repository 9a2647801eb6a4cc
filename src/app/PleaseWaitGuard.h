#pragma once
// Shows the main window's please-wait sheet for the life of the guard, so that every way out of a
// job (its returns and its exceptions) hides it again.

class SKTWindowController;

class PleaseWaitGuard {
public:
    explicit PleaseWaitGuard(SKTWindowController *controller);
    ~PleaseWaitGuard();
    PleaseWaitGuard(const PleaseWaitGuard &) = delete;
    PleaseWaitGuard &operator=(const PleaseWaitGuard &) = delete;
    // Hides the sheet early (before an alert, for instance); the destructor then does nothing.
    void hide();

private:
    SKTWindowController *m_controller;
};
