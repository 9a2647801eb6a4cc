#pragma once
// What output reads and asks of the design: the front side's objects and main photo, and the
// records of its batch binding (which values are in use, how many cards, the values that name
// files, a record filled into the card and rendered, the viewers of the data). The design
// implements it (design/DesignOutputSide.h).

#include "platform/Picture.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class SKTGraphic;
using SKTGraphicList = QList<std::shared_ptr<SKTGraphic>>;

class DesignOutput {
public:
    virtual ~DesignOutput() = default;

    // ---- The card ----
    virtual SKTGraphicList Get_Front_Controls_Array() const = 0;
    // The main photo, which record fills replace; a batch job puts it back at its end.
    virtual QImage Main_Photo_image() const = 0;
    virtual void Set_Main_Photo_image(const QImage &image) = 0;

    // ---- The records ----
    // Use_Data_Sheet_Values and Use_Excel_Binding_Values from the bound objects (both, or one).
    virtual void Check_Series_Or_Excel_Use_or_not() = 0;
    virtual void Check_Data_Sheet_Value_Use_or_Not() = 0;
    virtual void Check_Excel_Binding_Value_Use_or_Not() = 0;
    // The records into Total_Batch_Excel_Card.
    virtual void Get_total_Card_count() = 0;
    // Rows of the linked spreadsheet, 0 when none; and its column titles.
    virtual int Calculate_Excel_table_rows() = 0;
    virtual QStringList Linked_Sheet_Column_Titles() const = 0;
    // The series of that name: its index (-1 when none) and its first value.
    virtual int Get_Data_SetIndex_According_Name(const QString &name) = 0;
    virtual QString Get_First_Value_Of_Dataset(const QString &name) = 0;
    // Record i's value of a loaded series (by index) and its cell of a linked column; "" when none.
    virtual QString Get_sel_row_col_value_of_dataset(int record, int series) const = 0;
    virtual QString Get_sel_row_col_value_of_Excel(int record, int column) const = 0;
    // Record i filled into the front side's objects and the card rendered (null when rendering
    // failed); from any thread.
    virtual platform::Picture Set_data_table_value_to_card(int record, const QString &cardSide, bool print_box) = 0;
    // The viewers of a series' values and of the linked spreadsheet.
    virtual void Open_Series_Value_Box(const QString &seriesName) = 0;
    virtual void Open_Excel_Data_Box() = 0;
};
