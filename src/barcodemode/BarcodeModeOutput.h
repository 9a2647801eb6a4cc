#pragma once
// What output reads of the Barcode mode: the batch of an output job, the state of the batch box and
// the symbol shown. The mode implements it (barcodemode/BarcodeModeOutputSide.h).

#include "platform/Picture.h"

#include <QString>

#include <optional>

class BarcodeModeOutput {
public:
    virtual ~BarcodeModeOutput() = default;

    // ---- The batch of an output job ----
    // Taken on the GUI thread as the job starts and released at its end; meanwhile the pictures and
    // fields below read only it, on whatever thread they run.
    virtual void Take_Batch_Snapshot() = 0;
    virtual void Release_Batch_Snapshot() = 0;
    // The picture of label index of the print grid, and of record index of the batch; null for a
    // record that yields none.
    virtual platform::Picture Get_Image_From_Barcode_Grid(int index) = 0;
    virtual platform::Picture Get_Image_From_List_Val(int index) = 0;
    // The value, header and footer of label index of the grid, or of record index, untrimmed;
    // nothing outside the records or while no snapshot is taken.
    struct Fields {
        QString value, header, footer;
    };
    virtual std::optional<Fields> Grid_Fields(int index) const = 0;
    virtual std::optional<Fields> Record_Fields(int index) const = 0;
    // The labels to print or export, counting print quantities.
    virtual int Get_Total_Count_With_PQ() = 0;
    // The print grid rebuilt: one label per series row, or each value-list record as many times as
    // its print quantity (usePQ) or once.
    virtual void Add_Records_In_List(bool usePQ) = 0;
    // After a job: the window back on the first record.
    virtual void Select_First_Value_For_Barcode_Setting_Mode() = 0;

    // ---- The batch box ----
    struct BatchState {
        bool batchOn = false;      // the batch box is ticked
        bool fromSeries = false;   // records come from series rather than from the value list
        bool valueFromBatch = false, headerFromBatch = false, footerFromBatch = false;
        // Batch values are in use: the batch box and at least one of the three field boxes.
        bool usesBatchValues() const { return batchOn && (valueFromBatch || headerFromBatch || footerFromBatch); }
    };
    virtual BatchState Batch_State() const = 0;
    // Use_Data_Sheet_Values set again from the batch box, whatever an output did to it meanwhile.
    virtual void Check_Data_Sheet_Value_Use_or_Not_Barcode() = 0;
    // The records of the batch: the items of the value's series from series, else the value-list
    // rows.
    virtual int Batch_Record_Count() const = 0;
    // The value's series while the value comes from a chosen series, else "".
    virtual QString Value_Series_Name() const = 0;
    // Record i's value: from the value list or the value series while the value box is ticked
    // ("" past the end), else the value shown; untrimmed.
    virtual QString Record_Value(int record) const = 0;

    // ---- The symbol shown ----
    // The value (the 2D view's text for a 2D symbology), header and footer typed in the window.
    virtual QString Shown_Value() const = 0;
    virtual QString Shown_Header() const = 0;
    virtual QString Shown_Footer() const = 0;
    // The transparent background is chosen.
    virtual bool Transparent_Background() const = 0;
    virtual platform::Picture Shown_Picture() const = 0;
};
