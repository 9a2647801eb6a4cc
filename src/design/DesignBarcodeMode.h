#pragma once
// What the Barcode mode and the barcode-object window ask of the design: the canvas's barcode tool
// and selection, the unit chosen, the image library, the data-source page of the sidebar, and the
// record binding (series and spreadsheet columns in combo boxes, first values, the value boxes, the
// record list). The design implements it (design/DesignBarcodeModeSide.h).

#include <QString>

#include <memory>

class QComboBox;
class QTableView;
class SKTGraphic;
class SKTGraphicView;

class DesignBarcodeMode {
public:
    virtual ~DesignBarcodeMode() = default;

    // ---- The canvas ----
    virtual void Set_Selected_Control_Tool(int tool) = 0;
    virtual SKTGraphicView *Graphic_View() const = 0;
    virtual void Set_Selected_Graphic(const std::shared_ptr<SKTGraphic> &graphic) = 0;
    virtual void Refresh_Canvas() = 0;
    virtual int Selected_Unit_Row() const = 0;
    // The factor from one unit to another (the units window's rows).
    virtual float Get_Unit_Convertor(int from, int to) const = 0;
    virtual int Open_Image_Library_Window(const QString &purpose) = 0;

    // ---- The sidebar ----
    virtual void Show_RHS_Properties(SKTGraphic *graphic) = 0;
    virtual QComboBox *Source_Type_List() const = 0;
    virtual QComboBox *Source_Series_List() const = 0;

    // ---- The record binding ----
    virtual int Get_Data_Set_Series_Item_Count(const QString &name) = 0;
    virtual QString Get_First_Value_Of_Dataset(const QString &name) = 0;
    virtual QString Get_First_Value_Of_Excel_Binding(int column) = 0;
    virtual void Fill_Excel_Col_Name_In_Combo(QComboBox *combo) = 0;
    virtual void Fille_Data_Set_Values_In_Combo(QComboBox *combo, const QString &seriesName) = 0;
    virtual void Add_Excel_Col_Name_In_Combo(QComboBox *combo) = 0;
    virtual void Remove_Excel_Col_Name_In_Combo(QComboBox *combo) = 0;
    virtual void Open_Series_Value_Box(const QString &seriesName) = 0;
    virtual void Open_Excel_Data_Box() = 0;
    virtual void Open_All_Used_Data_Box() = 0;
    // The design's record list, and a record filled into the card side.
    virtual QTableView *Fill_List_RHS() const = 0;
    virtual void Set_data_table_value_to_card(int record, const QString &cardSide, bool print_box) = 0;
};
