#include "design/DesignAdvQrSide.h"

#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "design/EditingCommands.h"
#include "design/PropertySidebar.h"
#include "design/UnitPreferences.h"

void DesignAdvQrSide::Set_Selected_Control_Tool(int tool) { design.Selected_Control_Tool = tool; }

SKTGraphicView *DesignAdvQrSide::Graphic_View() const { return design.workArea().Graphic_View(); }

std::shared_ptr<SKTGraphic> DesignAdvQrSide::Get_Selected_Graphic() const { return design.selection().Get_Selected_Graphic(); }

void DesignAdvQrSide::Show_RHS_Properties(SKTGraphic *graphic) { design.sidebar().Show_RHS_Properties(graphic); }

int DesignAdvQrSide::Selected_Unit_Row() const { return design.units().Selected_Unit_Row(); }

float DesignAdvQrSide::Get_Unit_Convertor(int from, int to) const { return UnitPreferences::Get_Unit_Convertor(from, to); }

int DesignAdvQrSide::Open_Image_Library_Window(const QString &purpose) { return design.Open_Image_Library_Window(purpose); }

void DesignAdvQrSide::Set_Paste_Button_Status() { design.editing().Set_Paste_Button_Status(); }
