#include "data/DataBarcodeModeSide.h"

#include "data/Generate_List_Barcode.h"
#include "data/Import_Excel_Barcode.h"
#include "data/Import_From_Txt_File.h"
#include "data/Update_List_Details.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

DataBarcodeMode::EditRowSheet DataBarcodeModeSide::Make_Edit_Row_Sheet(ValueListHost &list, QWidget *parent)
{
    auto *sheet = new Update_List_Details(list, parent);
    return {sheet, sheet->m_bar_value_str, sheet->m_bar_hdr_str, sheet->m_bar_ftr_str, sheet->m_bar_pq_str,
            sheet->m_s_indx_str};
}

int DataBarcodeModeSide::runSheet(Update_List_Details &sheet) { return sheet.runSheet(); }

Import_From_Txt_File *DataBarcodeModeSide::Make_Text_Import_Window(QWidget *parent)
{
    return new Import_From_Txt_File(parent);
}

void DataBarcodeModeSide::Set_Text_Import_Path(Import_From_Txt_File &window, const QString &path)
{
    window.file_path->setText(path);
}

void DataBarcodeModeSide::Reset_Text_Import_Window(Import_From_Txt_File &window, const QString &path)
{
    window.file_path->setText(path);
    for (QCheckBox *box : {window.chk_value, window.chk_header, window.chk_footer, window.chk_pq})
        box->setChecked(false);
    window.radioButton_At_Start->setChecked(true);
    window.radioButton_At_End->setChecked(false);
}

int DataBarcodeModeSide::Run_Text_Import_Window(Import_From_Txt_File &window)
{
    Import_Error_Rerult = window.runWindow();
    window.hide();
    return Import_Error_Rerult;
}

DataBarcodeMode::TextImportChoice DataBarcodeModeSide::Text_Import_Choice(const Import_From_Txt_File &window) const
{
    return {window.file_path->text(), window.chk_value->isChecked(), window.chk_header->isChecked(),
            window.chk_footer->isChecked(), window.chk_pq->isChecked(), overwrite_text_load_row.load()};
}

Import_Excel_Barcode *DataBarcodeModeSide::Make_Excel_Import_Window(ValueListHost &list, QWidget *parent)
{
    return new Import_Excel_Barcode(list, parent);
}

void DataBarcodeModeSide::Open_excel_Wnd(Import_Excel_Barcode &window, const QString &path) { window.Open_excel_Wnd(path); }

void DataBarcodeModeSide::Open_Generate_List_Wnd(ValueListHost &list) { Generate_List_Barcode::defaultInstance()->Open_Wnd(list); }
