#include "design/DesignOutputSide.h"

#include "design/DesignCard.h"
#include "design/DesignController.h"
#include "design/DesignSelection.h"
#include "design/RecordBinding.h"

SKTGraphicList DesignOutputSide::Get_Front_Controls_Array() const { return design.selection().Get_Front_Controls_Array(); }

QImage DesignOutputSide::Main_Photo_image() const { return design.card().Main_Photo_image; }

void DesignOutputSide::Set_Main_Photo_image(const QImage &image) { design.card().Main_Photo_image = image; }

void DesignOutputSide::Check_Series_Or_Excel_Use_or_not() { design.records().Check_Series_Or_Excel_Use_or_not(); }

void DesignOutputSide::Check_Data_Sheet_Value_Use_or_Not() { design.records().Check_Data_Sheet_Value_Use_or_Not(); }

void DesignOutputSide::Check_Excel_Binding_Value_Use_or_Not() { design.records().Check_Excel_Binding_Value_Use_or_Not(); }

void DesignOutputSide::Get_total_Card_count() { design.records().Get_total_Card_count(); }

int DesignOutputSide::Calculate_Excel_table_rows() { return design.records().Calculate_Excel_table_rows(); }

QStringList DesignOutputSide::Linked_Sheet_Column_Titles() const { return design.records().Linked_Sheet.columnTitles; }

int DesignOutputSide::Get_Data_SetIndex_According_Name(const QString &name)
{
    return design.records().Get_Data_SetIndex_According_Name(name);
}

QString DesignOutputSide::Get_First_Value_Of_Dataset(const QString &name)
{
    return design.records().Get_First_Value_Of_Dataset(name);
}

QString DesignOutputSide::Get_sel_row_col_value_of_dataset(int record, int series) const
{
    return design.records().Get_sel_row_col_value_of_dataset(record, series);
}

QString DesignOutputSide::Get_sel_row_col_value_of_Excel(int record, int column) const
{
    return design.records().Get_sel_row_col_value_of_Excel(record, column);
}

platform::Picture DesignOutputSide::Set_data_table_value_to_card(int record, const QString &cardSide, bool print_box)
{
    return design.records().Set_data_table_value_to_card(record, cardSide, print_box);
}

void DesignOutputSide::Open_Series_Value_Box(const QString &seriesName) { design.records().Open_Series_Value_Box(seriesName); }

void DesignOutputSide::Open_Excel_Data_Box() { design.records().Open_Excel_Data_Box(); }
