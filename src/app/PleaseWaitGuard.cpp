#include "app/PleaseWaitGuard.h"

#include "app/SKTWindowController.h"
#include "platform/GuiThread.h"

#include "ui_PleaseWaitSheet.h"

#include <QCoreApplication>
#include <QDialog>

PleaseWaitGuard::PleaseWaitGuard(SKTWindowController *controller) : m_controller(controller)
{
    if (m_controller)
        m_controller->Show_Create_Modeless();
}

PleaseWaitGuard::PleaseWaitGuard(QDialog *sheet, QWidget *over) : m_sheet(sheet)
{
    if (!m_sheet)
        return;
    platform::runOnGuiThreadAndWait([this, over] {
        if (over && m_sheet->parentWidget() != over)
            m_sheet->setParent(over, m_sheet->windowFlags() | Qt::Sheet | Qt::Dialog);
        m_sheet->setWindowModality(Qt::WindowModal);
        m_sheet->show();
        m_sheet->raise();
        // Painted now: the job that follows keeps the event loop busy.
        m_sheet->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

PleaseWaitGuard::~PleaseWaitGuard() { hide(); }

void PleaseWaitGuard::hide()
{
    if (m_controller) {
        m_controller->Hide_Destroy_Modeless();
        m_controller = nullptr;
    }
    if (m_sheet) {
        QDialog *sheet = m_sheet;
        m_sheet = nullptr;
        platform::runOnGuiThreadAndWait([sheet] { sheet->hide(); });
    }
}

QDialog *PleaseWaitGuard::makeSheet(QWidget *over)
{
    auto *sheet = new QDialog(over, Qt::Sheet | Qt::Dialog | Qt::FramelessWindowHint);
    Ui::PleaseWaitSheet ui;
    ui.setupUi(sheet);
    return sheet;
}
