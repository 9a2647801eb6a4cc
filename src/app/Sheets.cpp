// The please-wait sheet and the progress sheet of the main window. Both are window-modal panels
// shown without waiting; a worker hands show and hide to the GUI thread and waits for them.

#include "app/SKTWindowController.h"

#include "core/Messages.h"
#include "platform/GuiThread.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>

#include <exception>

namespace {

void showSheet(QDialog *sheet, QWidget *over)
{
    if (!sheet)
        return;
    if (over && sheet->parentWidget() != over)
        sheet->setParent(over, sheet->windowFlags() | Qt::Sheet | Qt::Dialog);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->show();
    sheet->raise();
    // Paint now: the caller usually starts a synchronous job right after this.
    sheet->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void hideSheet(QDialog *sheet)
{
    if (sheet && sheet->isVisible())
        sheet->hide();
}

} // namespace

void SKTWindowController::Show_Create_Modeless()
{
    platform::runOnGuiThreadAndWait([this] {
        try {
            if (modeless_msg_lbl)
                modeless_msg_lbl->setText(QStringLiteral("It may take a while, Please wait.."));
            showSheet(plz_wait_Window, window_);
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }
    });
}

void SKTWindowController::Hide_Destroy_Modeless()
{
    platform::runOnGuiThreadAndWait([this] {
        try {
            hideSheet(plz_wait_Window);
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }
    });
}

void SKTWindowController::Show_One_By_One_Modeless()
{
    platform::runOnGuiThreadAndWait([this] { showSheet(Send_Models_Window, Main_wnd); });
}

void SKTWindowController::Hide_One_By_One_Modeless()
{
    platform::runOnGuiThreadAndWait([this] { hideSheet(Send_Models_Window); });
}
