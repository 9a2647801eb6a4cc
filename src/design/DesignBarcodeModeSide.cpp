#include "design/DesignBarcodeModeSide.h"

#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/DesignWorkArea.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "design/UnitPreferences.h"

void DesignBarcodeModeSide::Set_Selected_Control_Tool(int tool) { design.Selected_Control_Tool = tool; }

SKTGraphicView *DesignBarcodeModeSide::Graphic_View() const { return design.workArea().Graphic_View(); }

void DesignBarcodeModeSide::Set_Selected_Graphic(const std::shared_ptr<SKTGraphic> &graphic)
{
    design.selection().Set_Selected_Graphic(graphic);
}

void DesignBarcodeModeSide::Refresh_Canvas() { design.workArea().Refresh_Canvas(); }

int DesignBarcodeModeSide::Selected_Unit_Row() const { return design.units().Selected_Unit_Row(); }

float DesignBarcodeModeSide::Get_Unit_Convertor(int from, int to) const { return UnitPreferences::Get_Unit_Convertor(from, to); }

int DesignBarcodeModeSide::Open_Image_Library_Window(const QString &purpose)
{
    return design.Open_Image_Library_Window(purpose);
}

void DesignBarcodeModeSide::Show_RHS_Properties(SKTGraphic *graphic) { design.sidebar().Show_RHS_Properties(graphic); }

QComboBox *DesignBarcodeModeSide::Source_Type_List() const { return design.sidebar().Source_Type_List(); }

QComboBox *DesignBarcodeModeSide::Source_Series_List() const { return design.sidebar().Source_Series_List(); }

int DesignBarcodeModeSide::Get_Data_Set_Series_Item_Count(const QString &name)
{
    return design.records().Get_Data_Set_Series_Item_Count(name);
}

QString DesignBarcodeModeSide::Get_First_Value_Of_Dataset(const QString &name)
{
    return design.records().Get_First_Value_Of_Dataset(name);
}

QString DesignBarcodeModeSide::Get_First_Value_Of_Excel_Binding(int column)
{
    return design.records().Get_First_Value_Of_Excel_Binding(column);
}

void DesignBarcodeModeSide::Fill_Excel_Col_Name_In_Combo(QComboBox *combo) { design.records().Fill_Excel_Col_Name_In_Combo(combo); }

void DesignBarcodeModeSide::Fille_Data_Set_Values_In_Combo(QComboBox *combo, const QString &seriesName)
{
    design.records().Fille_Data_Set_Values_In_Combo(combo, seriesName);
}

void DesignBarcodeModeSide::Add_Excel_Col_Name_In_Combo(QComboBox *combo) { design.records().Add_Excel_Col_Name_In_Combo(combo); }

void DesignBarcodeModeSide::Remove_Excel_Col_Name_In_Combo(QComboBox *combo)
{
    design.records().Remove_Excel_Col_Name_In_Combo(combo);
}

void DesignBarcodeModeSide::Open_Series_Value_Box(const QString &seriesName) { design.records().Open_Series_Value_Box(seriesName); }

void DesignBarcodeModeSide::Open_Excel_Data_Box() { design.records().Open_Excel_Data_Box(); }

void DesignBarcodeModeSide::Open_All_Used_Data_Box() { design.records().Open_All_Used_Data_Box(); }

QTableView *DesignBarcodeModeSide::Fill_List_RHS() const { return design.records().Fill_List_RHS; }

void DesignBarcodeModeSide::Set_data_table_value_to_card(int record, const QString &cardSide, bool print_box)
{
    design.records().Set_data_table_value_to_card(record, cardSide, print_box);
}
