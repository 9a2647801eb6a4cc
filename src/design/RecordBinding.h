#pragma once
// The batch binding of the Designing mode: which card objects take their value from a series or a
// column of the linked spreadsheet, the tables of values those records come from, the record list
// beside the canvas, and the fill of one record into the card objects with the card rendered.

#include "io/LinkedSheetTable.h"
#include "platform/Picture.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

class DesignController;
class QComboBox;
class QGroupBox;
class QScrollArea;
class QTableView;
class SKTGraphic;
using SKTGraphicList = QList<std::shared_ptr<SKTGraphic>>;
class ValueListModel;


class RecordBinding : public QObject {
public:
    explicit RecordBinding(DesignController &design);
    ~RecordBinding() override;

    DesignController &design;

    // ---- Batch binding ----
    void Check_Series_Or_Excel_Use_or_not();
    void Check_Data_Sheet_Value_Use_or_Not();
    void Check_Excel_Binding_Value_Use_or_Not();
    bool Check_Front_Side_Dataset_Is_Used() const;
    bool Check_Front_Side_Excel_Binding_Is_Used() const;
    void Create_Dataset_binding_table();
    void Add_dataset_col_in_binding_table(const QString &name, int datasetIndex);
    int Calculate_data_table_rows() const;
    void Get_total_Card_count();
    int Calculate_Excel_table_rows();
    // Series look-ups by name (the series store's).
    int Get_Data_Set_Series_Item_Count(const QString &name);
    int Get_Data_SetIndex_According_Name(const QString &name);
    QString Get_First_Value_Of_Dataset(const QString &name);
    QString Get_First_Value_Of_Excel_Binding(int column);
    // The data-source lists of the pages and windows: the spreadsheet's columns, a series' values,
    // and the "Excel" source type offered or taken away.
    void Fill_Excel_Col_Name_In_Combo(QComboBox *combo);
    void Fille_Data_Set_Values_In_Combo(QComboBox *combo, const QString &seriesName);
    void Add_Excel_Col_Name_In_Combo(QComboBox *combo);
    void Remove_Excel_Col_Name_In_Combo(QComboBox *combo);
    // The read-only viewers of a series, of the linked spreadsheet's rows and of the series and
    // columns the design uses.
    void Open_Series_Value_Box(const QString &seriesName);
    void Open_Excel_Data_Box();
    void Open_All_Used_Data_Box();

    // One slot per series name, in the series list's order: the name (not loaded) or its values.
    QList<QVariant> data_table_content;
    // The spreadsheet linked to the design (no rows when none), kept by the linked data viewer.
    LinkedSheetTable &Linked_Sheet;
    int Data_table_rows = 0;
    int Excel_table_rows = 0;

    // ---- Record list ----
    // Sets the record list's form up in its box, with the table's data source.
    void Build_Record_List_Box(QGroupBox *box);
    // Shows the record list box beside the canvas (the flag is not read).
    void Hide_Fill_List_Box(bool unused);
    // Record list beside the canvas: "Label 1" .. "Label n", unless it already holds count rows.
    void Fill_Record_List(int count);
    // Appends a record {"Value": label} and redraws the table (its rows show at the next reload).
    void Create_Fill_List(const QString &label);
    // The table fetches Fill_List_Data_RHS anew.
    void Reload_Fill_List();
    QList<QMap<QString, QString>> Fill_List_Data_RHS;
    QGroupBox *Fill_List_box = nullptr;
    QScrollArea *Fill_List_sclview_RHS = nullptr;
    QTableView *Fill_List_RHS = nullptr;
    ValueListModel *Fill_List_RHS_Source = nullptr;   // the table's data source, a view of Fill_List_Data_RHS

    // ---- Record fill ----
    // Value r of the loaded series s, "" when there is none.
    QString Get_sel_row_col_value_of_dataset(int record, int series) const;
    // The linked row r's cell of column c ("Extension" for 0), "" when there is none.
    QString Get_sel_row_col_value_of_Excel(int record, int column) const;
    // Fills record i (-1 is record 0) into the front side's objects and renders the card: the card
    // as a vector picture, null when rendering failed. The side and the flag change nothing. Any
    // thread may call it: the fill and the render run on the GUI thread, the caller gets a copy.
    platform::Picture Set_data_table_value_to_card(int record, const QString &cardSide, bool print_box);
    // The fill of record i alone.
    void Assign_Batch_Values_To_Control(int record);
    // Renders the objects into batch_value_image.
    void Generate_Batch_Image_For_Differ_Value(const SKTGraphicList &graphics);
    platform::Picture batch_value_image;   // the card of the record filled last
    // The series list the value table was built from (its slots' names), so each record looks
    // its series up in memory.
    QStringList Data_table_names;
    // The slot of a series by name in the value table (names compared in lower case, the first
    // in sorted order winning), -1 when absent.
    int Data_Table_Index(const QString &name) const;

private:
    // Series names of the DataSet folder, sorted, without extension.
    QStringList Series_Names() const;
    // The values of a series file, or nothing when the file does not exist.
    std::optional<QStringList> Read_Series_Values(const QString &name) const;
};
