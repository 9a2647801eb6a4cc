// Enabling of the standard editing buttons for what the sidebar shows: an object, the card, a
// locked object; of Paste by what the clipboard holds; of Undo and Redo by the snapshot stacks.

#include "design/EditingCommands.h"

#include "design/DesignController.h"
#include "design/DesignSources.h"
#include "design/PropertySidebar.h"
#include "model/DesignGlobals.h"

#include <QAction>
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

QString EditingCommands::Card_Objects_Mime_Type() { return QStringLiteral("application/x-tagora-card-objects"); }

void EditingCommands::Set_Paste_Button_Status()
{
    // Card objects only: file names alone are no card objects to paste.
    bool offered = false;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        if (const QMimeData *data = QGuiApplication::clipboard()->mimeData())
            offered = data->hasFormat(Card_Objects_Mime_Type());
    setEnabled({Paste_btn}, offered);
}

void EditingCommands::Enable_Standard_Button_For_Control()
{
    setEnabled({Cut_btn, Copy_btn, Delete_btn, Begin_Front_btn, Send_Back_btn, Lock_btn}, true);
    setEnabled({Unlock_btn}, false);
    Set_Paste_Button_Status();
    design.sidebar().Enable_Align_Buttons(true);
}

void EditingCommands::Enable_Standard_Button_For_Unlock() { Enable_Standard_Button_For_Control(); }

void EditingCommands::Disable_Standard_Button_For_Card()
{
    setEnabled({Cut_btn, Copy_btn, Delete_btn, Begin_Front_btn, Send_Back_btn, Lock_btn, Unlock_btn}, false);
    Set_Paste_Button_Status();
    design.sidebar().Enable_Align_Buttons(false);
}

void EditingCommands::Disable_Standard_Button_For_Lock()
{
    // Copy and Paste stay as they are: a locked object may still be copied.
    setEnabled({Cut_btn, Delete_btn, Begin_Front_btn, Send_Back_btn, Lock_btn}, false);
    setEnabled({Unlock_btn}, true);
    design.sidebar().Enable_Align_Buttons(false);
}

void EditingCommands::Enable_Disable_Undo(bool enable)
{
    if (QAction *item = design.sources().host->undo_menu())
        item->setEnabled(enable);
    if (Undo_btn)
        Undo_btn->setEnabled(enable);
}

void EditingCommands::Enable_Disable_Redo(bool enable)
{
    if (QAction *item = design.sources().host->redo_menu())
        item->setEnabled(enable);
    if (Redo_btn)
        Redo_btn->setEnabled(enable);
}

void EditingCommands::Check_Undo_Redo_Btn_Enability()
{
    // The bottom snapshot is the design as started: there is something to undo above it only.
    Enable_Disable_Undo(Ucontrol.size() >= 2);
    Enable_Disable_Redo(!Rcontrol.isEmpty());
}
