#pragma once
// The design as the Barcode mode and the barcode-object window see it: its controller behind
// DesignBarcodeMode.

#include "design/DesignBarcodeMode.h"

class DesignController;

class DesignBarcodeModeSide final : public DesignBarcodeMode {
public:
    explicit DesignBarcodeModeSide(DesignController &design) : design(design) {}

    void Set_Selected_Control_Tool(int tool) override;
    SKTGraphicView *Graphic_View() const override;
    void Set_Selected_Graphic(const std::shared_ptr<SKTGraphic> &graphic) override;
    void Refresh_Canvas() override;
    int Selected_Unit_Row() const override;
    float Get_Unit_Convertor(int from, int to) const override;
    int Open_Image_Library_Window(const QString &purpose) override;

    void Show_RHS_Properties(SKTGraphic *graphic) override;
    QComboBox *Source_Type_List() const override;
    QComboBox *Source_Series_List() const override;

    int Get_Data_Set_Series_Item_Count(const QString &name) override;
    QString Get_First_Value_Of_Dataset(const QString &name) override;
    QString Get_First_Value_Of_Excel_Binding(int column) override;
    void Fill_Excel_Col_Name_In_Combo(QComboBox *combo) override;
    void Fille_Data_Set_Values_In_Combo(QComboBox *combo, const QString &seriesName) override;
    void Add_Excel_Col_Name_In_Combo(QComboBox *combo) override;
    void Remove_Excel_Col_Name_In_Combo(QComboBox *combo) override;
    void Open_Series_Value_Box(const QString &seriesName) override;
    void Open_Excel_Data_Box() override;
    void Open_All_Used_Data_Box() override;
    QTableView *Fill_List_RHS() const override;
    void Set_data_table_value_to_card(int record, const QString &cardSide, bool print_box) override;

private:
    DesignController &design;
};
