// A text's sidebar filled from one card object: the sidebar's name field, the source page, then
// the two text pages' own fills. Filling runs with Not_Draw_Only_Prop_Change set
// (Show_RHS_Properties), so the handlers the controls may trigger write nothing back.

#include "design/DesignController.h"

#include "design/panels/TextEditingPanel.h"
#include "design/panels/TextPropertiesPanel.h"
#include "model/SKTGraphic.h"

#include <QLineEdit>

void DesignController::Fill_Text_Panel(const SKTGraphic &g)
{
    if (sel_control_name)
        sel_control_name->setText(QStringLiteral("T"));
    Fill_Text_Source(g);
    textEditingPanel()->Fill_Text_Panel(g);
    textPropertiesPanel()->Fill_Text_Panel(g);
}
