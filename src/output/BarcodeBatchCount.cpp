// The Barcode mode's record count, which every output of the mode runs over.

#include "output/OutputController.h"

#include "output/OutputSources.h"
#include "outputjobs/OutputGlobals.h"

int OutputController::Get_Barcode_Batch_Count()
{
    BarcodeModeOutput &b = *sources().barcode;
    // An output run without its batch (or a design's binding) may have cleared the flag: the
    // mode's batch box decides again.
    b.Check_Data_Sheet_Value_Use_or_Not_Barcode();
    const int count = Use_Data_Sheet_Values ? b.Batch_Record_Count() : 1;
    Total_Label = count;
    Total_Batch_Excel_Card = count;
    Total_Barcode_Label_wd_Batch = count;
    return count;
}
