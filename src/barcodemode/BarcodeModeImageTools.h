#pragma once
// What the image tools ask of the Barcode mode: a series list refreshed after the crop wizard wrote
// a series. The mode implements it (barcodemode/BarcodeModeImageToolsSide.h).

#include <QString>

class QComboBox;

class BarcodeModeImageTools {
public:
    virtual ~BarcodeModeImageTools() = default;
    virtual void Refresh_Data_Set_File_Name_In_Combo(QComboBox *combo, const QString &new_ser_name) = 0;
};
