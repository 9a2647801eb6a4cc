#pragma once
// The help and about windows of the toolbar: small windows of our own text, each run modally and
// then ordered out.

#include <QString>

class QDialog;

namespace HelpAbout {
// Each answers the window's modal result.
int Run_Help_Window(const QString &appName);
int Run_About_Window(const QString &appName);
// The PDF export's help window (app/PDF_Help.h), run modally and hidden when it ends.
int Run_PDF_Help();
// The windows themselves, made from their forms (the caller owns them).
QDialog *Make_Help_Window(const QString &appName);
QDialog *Make_About_Window(const QString &appName);
} // namespace HelpAbout
