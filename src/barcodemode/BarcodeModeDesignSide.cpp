#include "barcodemode/BarcodeModeDesignSide.h"

#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "barcodemode/Barcode_Gen.h"
#include "model/SKTGraphic.h"
#include "core/SymbolGlobals.h"

BarcodeModeSettings BarcodeModeDesignSide::settings() const { return mode.panel().settings(); }

bool BarcodeModeDesignSide::USE_QR_LOGO() const { return mode.USE_QR_LOGO; }

QByteArray BarcodeModeDesignSide::previewPdfData() const { return mode.panel().previewPdfData(); }

int BarcodeModeDesignSide::currentListRow() const { return mode.panel().currentListRow(); }

void BarcodeModeDesignSide::focusValueList() { mode.panel().focusValueList(); }

bool BarcodeModeDesignSide::Check_And_Validat_Barcode(bool showMessage, bool checkPicture)
{
    return mode.Check_And_Validat_Barcode(showMessage, checkPicture);
}

void BarcodeModeDesignSide::Select_Valid_Value_For_Barcode_Setting_Mode(int n)
{
    mode.Select_Valid_Value_For_Barcode_Setting_Mode(n);
}

bool BarcodeModeDesignSide::Draw_QR_Barcode(const QString &value)
{
    mode.image_2d = platform::Picture();
    mode.Draw_QR_Barcode(value);
    return !mode.image_2d.isNull();
}

bool BarcodeModeDesignSide::Draw_PDF_417_Barcode(const QString &value, int moduleSize)
{
    mode.image_2d = platform::Picture();
    Barcode_module_size = moduleSize;
    mode.Draw_PDF_417_Barcode(value);
    return !mode.image_2d.isNull();
}

bool BarcodeModeDesignSide::Draw_DataMatrix_Barcode(const QString &value, int moduleSize)
{
    mode.image_2d = platform::Picture();
    Barcode_module_size = moduleSize;
    mode.Draw_DataMatrix_Barcode(value);
    return !mode.image_2d.isNull();
}

void BarcodeModeDesignSide::OK_Unit_Change_For_Barcode() { mode.OK_Unit_Change_For_Barcode(); }

void BarcodeModeDesignSide::Refresh_All_Series_Combobox() { mode.Refresh_All_Series_Combobox(); }

void BarcodeModeDesignSide::Fill_Data_Set_File_Name_In_Combo(QComboBox *combo) { mode.Fill_Data_Set_File_Name_In_Combo(combo); }

void BarcodeModeDesignSide::Refresh_Data_Set_File_Name_In_Combo(QComboBox *combo, const QString &new_ser_name)
{
    mode.Refresh_Data_Set_File_Name_In_Combo(combo, new_ser_name);
}

void BarcodeModeDesignSide::tableViewSelectionDidChange(QAbstractItemView *table) { mode.tableViewSelectionDidChange(table); }

bool BarcodeModeDesignSide::save_flag_barcode_mode() const { return ::save_flag_barcode_mode; }

int BarcodeModeDesignSide::Last_Selected_Index() const { return ::Last_Selected_Index; }

void BarcodeModeDesignSide::Set_Last_Selected_Index(int index) { ::Last_Selected_Index = index; }

void BarcodeModeDesignSide::Set_Type_draw_2d_flag(bool on) { Type_draw_2d_flag = on; }

void BarcodeModeDesignSide::Set_QR_Val_Edit(bool on) { QR_Val_Edit = on; }

std::shared_ptr<SKTGraphic> BarcodeModeDesignSide::Open_Barcode_Gen_Wnd(const std::shared_ptr<SKTGraphic> &object)
{
    return window().Open_Wnd(object);
}

void BarcodeModeDesignSide::Set_Barcode_Prop_To_Control(const SKTGraphic &object, bool only_assign)
{
    window().Set_Barcode_Prop_To_Control(object, only_assign);
}

platform::Picture BarcodeModeDesignSide::Get_Image_From_Val(const QString &value, const QString &header, const QString &footer)
{
    return window().Get_Image_From_Val(value, header, footer);
}
