#pragma once
// What the design's toolbar commands ask of output: the print, PDF export and mail windows, the
// export sheet and the image exports of the three modes, and the Barcode mode's records as output
// counts and reads them. Output implements it (output/OutputDesignSide.h).

#include <QString>

class OutputDesign {
public:
    virtual ~OutputDesign() = default;

    virtual int Open_Print_Wnd() = 0;
    virtual int Open_Pdf_Export_Wnd() = 0;
    virtual void Set_pdf_export_opt(int option) = 0;
    virtual int Send_Mail_Open_Wnd() = 0;
    virtual int Open_Export_Dialog() = 0;
    virtual void Export_Label_Design() = 0;
    virtual bool Export_Single_File(const QString &path, bool showMsg, bool increaseDPI) = 0;
    virtual void Export_Batch_File_Barcode(const QString &folder) = 0;
    virtual QString Export_Barcode_Name_With_Options(const QString &value, const QString &header, const QString &footer,
                                                     const QString &series, const QString &createdPath, int counter) = 0;
    // The image exports' keep-or-replace rule for one path ("" for Cancel), and the Barcode mode's
    // symbol written there (output/ImageExport.h).
    virtual QString keepReplace(const QString &path, bool showApplyAll) = 0;
    virtual bool Export_Single_File_Barcode(const QString &path) = 0;
    virtual int Get_Barcode_Batch_Count() = 0;
    virtual QString Get_Barcode_List_Combo_Value(int record) const = 0;
};
