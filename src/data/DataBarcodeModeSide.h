#pragma once
// The value-list windows as the Barcode mode uses them, behind DataBarcodeMode.

#include "data/DataBarcodeMode.h"

class DataBarcodeModeSide final : public DataBarcodeMode {
public:
    EditRowSheet Make_Edit_Row_Sheet(ValueListHost &list, QWidget *parent) override;
    int runSheet(Update_List_Details &sheet) override;

    Import_From_Txt_File *Make_Text_Import_Window(QWidget *parent) override;
    void Set_Text_Import_Path(Import_From_Txt_File &window, const QString &path) override;
    void Reset_Text_Import_Window(Import_From_Txt_File &window, const QString &path) override;
    int Run_Text_Import_Window(Import_From_Txt_File &window) override;
    TextImportChoice Text_Import_Choice(const Import_From_Txt_File &window) const override;

    Import_Excel_Barcode *Make_Excel_Import_Window(ValueListHost &list, QWidget *parent) override;
    void Open_excel_Wnd(Import_Excel_Barcode &window, const QString &path) override;
    void Open_Generate_List_Wnd(ValueListHost &list) override;
};
