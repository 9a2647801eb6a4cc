#include "projects/ProjectsController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "design/DesignController.h"

#include <QGroupBox>
#include <QLabel>

#include <exception>

// Begins a new design. Without the new-design wizard this is the wizard's cancel path: a reset,
// empty design with the canvas and the sidebar shown.
void ProjectsController::Open_Start_Window()
{
    try {
        if (hub.design().Front_back_label)
            hub.design().Front_back_label->setVisible(false);
        Start_Card_Option = QStringLiteral("W");
        hub.design().Linked_Sheet = LinkedSheetTable();
        New_Project_Setting_Reset(true);
        hub.Show_Hide_Main_Window(true);
        hub.design().Record_Design_As_Started();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
