#include "app/PleaseWaitGuard.h"

#include "app/SKTWindowController.h"

PleaseWaitGuard::PleaseWaitGuard(SKTWindowController *controller) : m_controller(controller)
{
    if (m_controller)
        m_controller->Show_Create_Modeless();
}

PleaseWaitGuard::~PleaseWaitGuard() { hide(); }

void PleaseWaitGuard::hide()
{
    if (m_controller) {
        m_controller->Hide_Destroy_Modeless();
        m_controller = nullptr;
    }
}
