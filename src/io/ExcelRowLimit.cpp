#include "io/ExcelRowLimit.h"

#include "core/Messages.h"

int checkMaxExcelRowCount(int rows)
{
    const int capped = cappedExcelRowCount(rows);
    if (capped != rows)
        Show_MessageBox(QStringLiteral("For Qualitative and Performance reasons, Data from Excel shows only first 10000 "
                                       "rows of your excel file."));
    return capped;
}
