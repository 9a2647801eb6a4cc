#include "barcodemode/BarcodeModeImageToolsSide.h"

#include "barcodemode/BarcodeModeController.h"

void BarcodeModeImageToolsSide::Refresh_Data_Set_File_Name_In_Combo(QComboBox *combo, const QString &new_ser_name)
{
    mode.Refresh_Data_Set_File_Name_In_Combo(combo, new_ser_name);
}
