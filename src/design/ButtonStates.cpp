// Enabling of the standard editing buttons for what the sidebar shows: an object, the card, a
// locked object; and of Paste by what the clipboard holds.

#include "design/DesignController.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>

#include <initializer_list>

namespace {

void setEnabled(std::initializer_list<QPushButton *> buttons, bool enabled)
{
    for (QPushButton *b : buttons)
        if (b)
            b->setEnabled(enabled);
}

} // namespace

QString DesignController::Card_Objects_Mime_Type() { return QStringLiteral("application/x-tagora-card-objects"); }

void DesignController::Set_Paste_Button_Status()
{
    // Card objects only: file names alone are no card objects to paste.
    bool offered = false;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        if (const QMimeData *data = QGuiApplication::clipboard()->mimeData())
            offered = data->hasFormat(Card_Objects_Mime_Type());
    setEnabled({Paste_btn}, offered);
}

void DesignController::Enable_Standard_Button_For_Control()
{
    setEnabled({Cut_btn, Copy_btn, Delete_btn, Begin_Front_btn, Send_Back_btn, Lock_btn}, true);
    setEnabled({Unlock_btn}, false);
    Set_Paste_Button_Status();
    Enable_Align_Buttons(true);
}

void DesignController::Enable_Standard_Button_For_Unlock() { Enable_Standard_Button_For_Control(); }

void DesignController::Disable_Standard_Button_For_Card()
{
    setEnabled({Cut_btn, Copy_btn, Delete_btn, Begin_Front_btn, Send_Back_btn, Lock_btn, Unlock_btn}, false);
    Set_Paste_Button_Status();
    Enable_Align_Buttons(false);
}

void DesignController::Disable_Standard_Button_For_Lock()
{
    // Copy and Paste stay as they are: a locked object may still be copied.
    setEnabled({Cut_btn, Delete_btn, Begin_Front_btn, Send_Back_btn, Lock_btn}, false);
    setEnabled({Unlock_btn}, true);
    Enable_Align_Buttons(false);
}
