#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"

#include <QGroupBox>
#include <QLabel>

#include <exception>

// Begins a new design. Without the new-design wizard this is the wizard's cancel path: a reset,
// empty design with the canvas and the sidebar shown.
void SKTWindowController::Open_Start_Window()
{
    try {
        if (Front_back_label)
            Front_back_label->setVisible(false);
        Start_Card_Option = QStringLiteral("W");
        Linked_Sheet = LinkedSheetTable();
        New_Project_Setting_Reset(true);
        Show_Hide_Main_Window(true);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
