// Text notifications of every control in every window reach the controller here; the controls that
// are not the main window's own are ignored.

#include "app/SKTWindowController.h"

void SKTWindowController::controlTextDidChange(QObject *control)
{
    lastTextChangeSender = control;
}

void SKTWindowController::controlTextDidEndEditing(QObject *control)
{
    lastTextEndEditingSender = control;
}

void SKTWindowController::textDidChange(QObject *view)
{
    lastTextChangeSender = view;
}

void SKTWindowController::textDidEndEditing(QObject *view)
{
    lastTextEndEditingSender = view;
}
