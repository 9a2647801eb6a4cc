#include "app/HelpAbout.h"

#include "platform/Dialogs.h"

#include "ui_HelpAboutAboutWindow.h"
#include "ui_HelpAboutHelpWindow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace {

template <typename Form>
QDialog *makeWindow(const QString &appName)
{
    auto *window = new QDialog;
    Form ui;
    ui.setupUi(window);
    window->setWindowTitle(window->windowTitle().arg(appName));
    for (QLabel *label : window->findChildren<QLabel *>())
        label->setText(label->text().replace(QStringLiteral("%1"), appName));
    QObject::connect(ui.close_btn, &QPushButton::clicked, window, &QDialog::accept);
    return window;
}

int runWindow(QDialog *made)
{
    std::unique_ptr<QDialog> window(made);
    const int result = platform::runModal(*window);
    window->hide();
    return result;
}

} // namespace

namespace HelpAbout {

QDialog *Make_Help_Window(const QString &appName) { return makeWindow<Ui::HelpWindow>(appName); }
QDialog *Make_About_Window(const QString &appName) { return makeWindow<Ui::AboutWindow>(appName); }
int Run_Help_Window(const QString &appName) { return runWindow(Make_Help_Window(appName)); }
int Run_About_Window(const QString &appName) { return runWindow(Make_About_Window(appName)); }

} // namespace HelpAbout
