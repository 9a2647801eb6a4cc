#pragma once
// The Barcode mode as the design reads it: its controller, its shared flags and the barcode-object
// window (which the hub makes on first use) behind BarcodeModeDesign.

#include "barcodemode/BarcodeModeDesign.h"

#include <functional>

class BarcodeModeController;
class Barcode_Gen;

class BarcodeModeDesignSide final : public BarcodeModeDesign {
public:
    BarcodeModeDesignSide(BarcodeModeController &mode, std::function<Barcode_Gen &()> window)
        : mode(mode), window(std::move(window))
    {
    }

    BarcodeModeSettings settings() const override;
    bool USE_QR_LOGO() const override;
    QByteArray previewPdfData() const override;
    int currentListRow() const override;
    void focusValueList() override;
    bool Check_And_Validat_Barcode(bool showMessage, bool checkPicture) override;
    void Select_Valid_Value_For_Barcode_Setting_Mode(int n) override;
    bool Draw_QR_Barcode(const QString &value) override;
    bool Draw_PDF_417_Barcode(const QString &value, int moduleSize) override;
    bool Draw_DataMatrix_Barcode(const QString &value, int moduleSize) override;
    void OK_Unit_Change_For_Barcode() override;
    void Refresh_All_Series_Combobox() override;
    void Fill_Data_Set_File_Name_In_Combo(QComboBox *combo) override;
    void Refresh_Data_Set_File_Name_In_Combo(QComboBox *combo, const QString &new_ser_name) override;
    void tableViewSelectionDidChange(QAbstractItemView *table) override;
    bool save_flag_barcode_mode() const override;
    int Last_Selected_Index() const override;
    void Set_Last_Selected_Index(int index) override;
    void Set_Type_draw_2d_flag(bool on) override;
    void Set_QR_Val_Edit(bool on) override;
    std::shared_ptr<SKTGraphic> Open_Barcode_Gen_Wnd(const std::shared_ptr<SKTGraphic> &object) override;
    void Set_Barcode_Prop_To_Control(const SKTGraphic &object, bool only_assign) override;
    platform::Picture Get_Image_From_Val(const QString &value, const QString &header, const QString &footer) override;

private:
    BarcodeModeController &mode;
    std::function<Barcode_Gen &()> window;
};
