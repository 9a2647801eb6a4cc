#include "core/Messages.h"

#include "core/Globals.h"
#include "platform/Dialogs.h"
#include "platform/GuiThread.h"
#include "platform/Log.h"


#include <exception>

void Run_Main_Thread_Message(const QString &message)
{
    platform::AlertRequest req;
    req.message = message;
    req.buttons = {QStringLiteral("OK")};
    platform::runAlert(req);
}

void Run_Main_Thread_Message_Yes_No(const QString &text)
{
    yes_no_msg_val = false;
    platform::AlertRequest req;
    req.message = text;
    req.buttons = {QStringLiteral("Yes"), QStringLiteral("No")};
    yes_no_msg_val = platform::runAlert(req) == 0;
}

void Show_MessageBox(const QString &text)
{
    try {
        if (!Main_App_wnd)
            return;
        const QString message = QStringLiteral("\n") + text;
        platform::runOnGuiThreadAndWait([&message] { Run_Main_Thread_Message(message); });
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

int Show_YES_NO_MessageBox(const QString &text)
{
    if (Main_App_wnd)
        platform::runOnGuiThreadAndWait([&text] { Run_Main_Thread_Message_Yes_No(text); });
    return yes_no_msg_val ? 1 : 0;
}

int Show_YES_NO_Cancel_MessageBox(const QString &text)
{
    platform::AlertRequest req;
    req.message = text;
    req.informative = QString();
    req.style = platform::AlertStyle::Warning;
    req.buttons = {QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Cancel")};
    return 1000 + platform::runAlert(req);
}

void Show_NSLog_Message(const QString &text) { platform::logLine(text); }
