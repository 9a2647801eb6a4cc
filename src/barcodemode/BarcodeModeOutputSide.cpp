#include "barcodemode/BarcodeModeOutputSide.h"

#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/BatchSnapshot.h"
#include "engines/Symbologies.h"
#include "platform/PictureView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

bool ticked(const QAbstractButton *box) { return box && box->isChecked(); }

std::optional<BarcodeModeOutput::Fields> fieldsOf(const std::optional<barcode_batch::Fields> &f)
{
    if (!f)
        return std::nullopt;
    return BarcodeModeOutput::Fields{f->value, f->header, f->footer};
}

} // namespace

void BarcodeModeOutputSide::Take_Batch_Snapshot() { m_snapshot = mode.Take_Batch_Snapshot(); }

void BarcodeModeOutputSide::Release_Batch_Snapshot()
{
    mode.Release_Batch_Snapshot();
    m_snapshot.reset();
}

platform::Picture BarcodeModeOutputSide::Get_Image_From_Barcode_Grid(int index) { return mode.Get_Image_From_Barcode_Grid(index); }

platform::Picture BarcodeModeOutputSide::Get_Image_From_List_Val(int index) { return mode.Get_Image_From_List_Val(index); }

std::optional<BarcodeModeOutput::Fields> BarcodeModeOutputSide::Grid_Fields(int index) const
{
    return m_snapshot ? fieldsOf(barcode_batch::gridFields(*m_snapshot, index)) : std::nullopt;
}

std::optional<BarcodeModeOutput::Fields> BarcodeModeOutputSide::Record_Fields(int index) const
{
    return m_snapshot ? fieldsOf(barcode_batch::recordFields(*m_snapshot, index)) : std::nullopt;
}

int BarcodeModeOutputSide::Get_Total_Count_With_PQ() { return mode.Get_Total_Count_With_PQ(); }

void BarcodeModeOutputSide::Add_Records_In_List(bool usePQ) { mode.Add_Records_In_List(usePQ); }

void BarcodeModeOutputSide::Select_First_Value_For_Barcode_Setting_Mode() { mode.Select_First_Value_For_Barcode_Setting_Mode(); }

void BarcodeModeOutputSide::Check_Data_Sheet_Value_Use_or_Not_Barcode() { mode.Check_Data_Sheet_Value_Use_or_Not_Barcode(); }

BarcodeModeOutput::BatchState BarcodeModeOutputSide::Batch_State() const
{
    BatchState s;
    s.batchOn = ticked(mode.data_source_chkbox);
    s.fromSeries = ticked(mode.Data_Set_Sheet_RD);
    s.valueFromBatch = ticked(mode.barcode_value_chk);
    s.headerFromBatch = ticked(mode.barcode_header_chk);
    s.footerFromBatch = ticked(mode.barcode_footer_chk);
    return s;
}

int BarcodeModeOutputSide::Batch_Record_Count() const
{
    if (ticked(mode.Data_Set_Sheet_RD))
        return mode.val_combo_value ? mode.val_combo_value->count() : 0;
    return int(mode.ListData_barcode.size());
}

QString BarcodeModeOutputSide::Value_Series_Name() const
{
    if (ticked(mode.barcode_value_chk) && ticked(mode.Data_Set_Sheet_RD) && mode.val_combo_list &&
        mode.val_combo_list->currentIndex() >= 0)
        return mode.val_combo_list->currentText();
    return QString();
}

QString BarcodeModeOutputSide::Record_Value(int record) const
{
    if (!ticked(mode.barcode_value_chk))
        return Shown_Value();
    if (ticked(mode.Custom_Sheet_RD)) {
        if (record >= 0 && record < mode.ListData_barcode.size())
            return mode.ListData_barcode.at(record).value(QStringLiteral("Value"));
    } else if (mode.val_combo_value && record >= 0 && record < mode.val_combo_value->count()) {
        return mode.val_combo_value->itemText(record);
    }
    return QString();
}

QString BarcodeModeOutputSide::Shown_Value() const
{
    if (mode.barcodeTypePopup && Symbologies::isTwoD(mode.barcodeTypePopup->currentText()))
        return mode.Get_Two_D_Value_From_Field();
    return mode.dataText ? mode.dataText->text() : QString();
}

QString BarcodeModeOutputSide::Shown_Header() const { return mode.HeaderText ? mode.HeaderText->text() : QString(); }

QString BarcodeModeOutputSide::Shown_Footer() const { return mode.FooterText ? mode.FooterText->text() : QString(); }

bool BarcodeModeOutputSide::Transparent_Background() const { return ticked(mode.brcd_bk_clr_trnsp_rd); }

platform::Picture BarcodeModeOutputSide::Shown_Picture() const
{
    return mode.barcodeImage ? mode.barcodeImage->picture() : platform::Picture();
}
