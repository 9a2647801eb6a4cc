#include "output/OutputDesignSide.h"

#include "output/ImageExport.h"
#include "output/OutputController.h"

int OutputDesignSide::Open_Print_Wnd() { return output.Open_Print_Wnd(); }

int OutputDesignSide::Open_Pdf_Export_Wnd() { return output.Open_Pdf_Export_Wnd(); }

void OutputDesignSide::Set_pdf_export_opt(int option) { output.pdf_export_opt = option; }

int OutputDesignSide::Send_Mail_Open_Wnd() { return output.Send_Mail_Open_Wnd(); }

int OutputDesignSide::Open_Export_Dialog() { return output.Open_Export_Dialog(); }

void OutputDesignSide::Export_Label_Design() { output.Export_Label_Design(); }

bool OutputDesignSide::Export_Single_File(const QString &path, bool showMsg, bool increaseDPI)
{
    return output.Export_Single_File(path, showMsg, increaseDPI);
}

void OutputDesignSide::Export_Batch_File_Barcode(const QString &folder) { output.Export_Batch_File_Barcode(folder); }

QString OutputDesignSide::Export_Barcode_Name_With_Options(const QString &value, const QString &header,
                                                           const QString &footer, const QString &series,
                                                           const QString &createdPath, int counter)
{
    return output.Export_Barcode_Name_With_Options(value, header, footer, series, createdPath, counter);
}

QString OutputDesignSide::keepReplace(const QString &path, bool showApplyAll)
{
    return ImageExport(output).keepReplace(path, showApplyAll);
}

bool OutputDesignSide::Export_Single_File_Barcode(const QString &path) { return ImageExport(output).Export_Single_File_Barcode(path); }

int OutputDesignSide::Get_Barcode_Batch_Count() { return output.Get_Barcode_Batch_Count(); }

QString OutputDesignSide::Get_Barcode_List_Combo_Value(int record) const { return output.Get_Barcode_List_Combo_Value(record); }
