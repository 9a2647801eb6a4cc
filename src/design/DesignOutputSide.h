#pragma once
// The design as output reads it: its controller and record binding behind DesignOutput.

#include "design/DesignOutput.h"

class DesignController;

class DesignOutputSide final : public DesignOutput {
public:
    explicit DesignOutputSide(DesignController &design) : design(design) {}

    SKTGraphicList Get_Front_Controls_Array() const override;
    QImage Main_Photo_image() const override;
    void Set_Main_Photo_image(const QImage &image) override;

    void Check_Series_Or_Excel_Use_or_not() override;
    void Check_Data_Sheet_Value_Use_or_Not() override;
    void Check_Excel_Binding_Value_Use_or_Not() override;
    void Get_total_Card_count() override;
    int Calculate_Excel_table_rows() override;
    QStringList Linked_Sheet_Column_Titles() const override;
    int Get_Data_SetIndex_According_Name(const QString &name) override;
    QString Get_First_Value_Of_Dataset(const QString &name) override;
    QString Get_sel_row_col_value_of_dataset(int record, int series) const override;
    QString Get_sel_row_col_value_of_Excel(int record, int column) const override;
    platform::Picture Set_data_table_value_to_card(int record, const QString &cardSide, bool print_box) override;
    void Open_Series_Value_Box(const QString &seriesName) override;
    void Open_Excel_Data_Box() override;

private:
    DesignController &design;
};
