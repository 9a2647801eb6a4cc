#pragma once
// Output as the design reads it: its controller and image exports behind OutputDesign.

#include "output/OutputDesign.h"

class OutputController;

class OutputDesignSide final : public OutputDesign {
public:
    explicit OutputDesignSide(OutputController &output) : output(output) {}

    int Open_Print_Wnd() override;
    int Open_Pdf_Export_Wnd() override;
    void Set_pdf_export_opt(int option) override;
    int Send_Mail_Open_Wnd() override;
    int Open_Export_Dialog() override;
    void Export_Label_Design() override;
    bool Export_Single_File(const QString &path, bool showMsg, bool increaseDPI) override;
    void Export_Batch_File_Barcode(const QString &folder) override;
    QString Export_Barcode_Name_With_Options(const QString &value, const QString &header, const QString &footer,
                                             const QString &series, const QString &createdPath, int counter) override;
    QString keepReplace(const QString &path, bool showApplyAll) override;
    bool Export_Single_File_Barcode(const QString &path) override;
    int Get_Barcode_Batch_Count() override;
    QString Get_Barcode_List_Combo_Value(int record) const override;

private:
    OutputController &output;
};
