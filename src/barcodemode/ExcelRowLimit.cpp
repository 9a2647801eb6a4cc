#include "barcodemode/ExcelRowLimit.h"

#include "barcodemode/BarcodeModeController.h"
#include "core/Messages.h"

int BarcodeModeController::Check_Max_Excel_Row_Count(int rows) { return checkMaxExcelRowCount(rows); }

int checkMaxExcelRowCount(int rows)
{
    const int capped = cappedExcelRowCount(rows);
    if (capped != rows)
        Show_MessageBox(QStringLiteral("For Qualitative and Performance reasons, Data from Excel shows only first 10000 "
                                       "rows of your excel file."));
    return capped;
}
