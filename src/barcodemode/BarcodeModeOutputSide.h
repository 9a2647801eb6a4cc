#pragma once
// The Barcode mode as output reads it: its controller behind BarcodeModeOutput. It keeps the batch
// snapshot of the running job, which the fields of records and labels are read from.

#include "barcodemode/BarcodeModeOutput.h"

#include <memory>

class BarcodeModeController;
struct BarcodeBatchSnapshot;

class BarcodeModeOutputSide final : public BarcodeModeOutput {
public:
    explicit BarcodeModeOutputSide(BarcodeModeController &mode) : mode(mode) {}

    void Take_Batch_Snapshot() override;
    void Release_Batch_Snapshot() override;
    platform::Picture Get_Image_From_Barcode_Grid(int index) override;
    platform::Picture Get_Image_From_List_Val(int index) override;
    std::optional<Fields> Grid_Fields(int index) const override;
    std::optional<Fields> Record_Fields(int index) const override;
    int Get_Total_Count_With_PQ() override;
    void Add_Records_In_List(bool usePQ) override;
    void Select_First_Value_For_Barcode_Setting_Mode() override;

    BatchState Batch_State() const override;
    void Check_Data_Sheet_Value_Use_or_Not_Barcode() override;
    int Batch_Record_Count() const override;
    QString Value_Series_Name() const override;
    QString Record_Value(int record) const override;

    QString Shown_Value() const override;
    QString Shown_Header() const override;
    QString Shown_Footer() const override;
    bool Transparent_Background() const override;
    platform::Picture Shown_Picture() const override;

private:
    BarcodeModeController &mode;
    std::shared_ptr<const BarcodeBatchSnapshot> m_snapshot;   // the running job's, set on the GUI thread
};
