#pragma once
// The Barcode mode as the image tools see it: its controller behind BarcodeModeImageTools.

#include "barcodemode/BarcodeModeImageTools.h"

class BarcodeModeController;

class BarcodeModeImageToolsSide final : public BarcodeModeImageTools {
public:
    explicit BarcodeModeImageToolsSide(BarcodeModeController &mode) : mode(mode) {}
    void Refresh_Data_Set_File_Name_In_Combo(QComboBox *combo, const QString &new_ser_name) override;

private:
    BarcodeModeController &mode;
};
