// The Barcode mode's record count, which every output of the mode runs over.

#include "output/OutputController.h"

#include "output/OutputSources.h"
#include "outputjobs/OutputGlobals.h"

int OutputController::Get_Barcode_Batch_Count()
{
    const BarcodeModeOutput &b = *sources().barcode;
    const int count = b.Batch_State().usesBatchValues() ? b.Batch_Record_Count() : 1;
    Total_Label = count;
    Total_Batch_Excel_Card = count;
    Total_Barcode_Label_wd_Batch = count;
    return count;
}
