#include "data/Import_Excel.h"

#include "core/Messages.h"

Import_Excel *Import_Excel::defaultInstance()
{
    static Import_Excel instance;
    return &instance;
}

int Import_Excel::Open_excel_Wnd(const QString &path)
{
    if (runner)
        return runner(open_mode, path);
    Show_MessageBox(QStringLiteral("The spreadsheet link is not available yet."));
    return 0;
}
