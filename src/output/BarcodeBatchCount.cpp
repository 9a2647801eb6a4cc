// The Barcode mode's record count, which every output of the mode runs over.

#include "output/OutputController.h"

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "outputjobs/OutputGlobals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

int OutputController::Get_Barcode_Batch_Count()
{
    const BarcodeModeController &b = hub.barcodeMode();
    const auto ticked = [](const QCheckBox *box) { return box && box->isChecked(); };
    const bool batch = ticked(b.data_source_chkbox) &&
                       (ticked(b.barcode_value_chk) || ticked(b.barcode_header_chk) || ticked(b.barcode_footer_chk));
    int count = 1;
    if (batch) {
        const bool fromSeries = b.Data_Set_Sheet_RD && b.Data_Set_Sheet_RD->isChecked();
        count = fromSeries ? (b.val_combo_value ? b.val_combo_value->count() : 0) : int(b.ListData_barcode.size());
    }
    Total_Label = count;
    Total_Batch_Excel_Card = count;
    Total_Barcode_Label_wd_Batch = count;
    return count;
}
