#include "data/SeriesToolWindows.h"

#include "core/Messages.h"

namespace {

int standIn(const std::function<int()> &runner, const QString &thing)
{
    if (runner)
        return runner();
    Show_MessageBox(QStringLiteral("%1 is not available yet.").arg(thing));
    return 0;
}

} // namespace

BatchWizard *BatchWizard::defaultInstance()
{
    static BatchWizard window;
    return &window;
}

int BatchWizard::Open_Wnd() { return standIn(runner, QStringLiteral("The series manager")); }

Import_Wizard *Import_Wizard::defaultInstance()
{
    static Import_Wizard window;
    return &window;
}

int Import_Wizard::Open_Wnd() { return standIn(runner, QStringLiteral("The import wizard")); }

Generate_List *Generate_List::defaultInstance()
{
    static Generate_List window;
    return &window;
}

int Generate_List::Open_Wnd() { return standIn(runner, QStringLiteral("Series creation")); }

Generate_List_Barcode *Generate_List_Barcode::defaultInstance()
{
    static Generate_List_Barcode window;
    return &window;
}

int Generate_List_Barcode::Open_Wnd() { return standIn(runner, QStringLiteral("The list generator")); }
