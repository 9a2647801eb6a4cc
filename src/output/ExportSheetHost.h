#pragma once
// What the label export sheet needs of the design it exports: the batch state, the record count and
// the viewers of the series and spreadsheet data the design uses.

#include <QString>

class ExportSheetHost {
public:
    virtual ~ExportSheetHost() = default;
    // Use_Data_Sheet_Values and Use_Excel_Binding_Values from the design's bound objects.
    virtual void Check_Data_Sheet_Value_Use_or_Not() = 0;
    virtual void Check_Excel_Binding_Value_Use_or_Not() = 0;
    // The design's records into Total_Batch_Excel_Card.
    virtual void Get_total_Card_count() = 0;
    virtual void Open_Series_Value_Box(const QString &seriesName) = 0;
    // Rows of the linked spreadsheet, 0 when none.
    virtual int Calculate_Excel_table_rows() = 0;
    virtual void Open_Excel_Data_Box() = 0;
};
