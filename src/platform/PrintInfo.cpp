#include "platform/PrintInfo.h"

#include <QLocale>
#include <QPageSize>

namespace platform {

PrintInfo PrintInfo::sharedPrintInfo()
{
    const bool letter = QLocale().territory() == QLocale::UnitedStates || QLocale().territory() == QLocale::Canada;
    PrintInfo info;
    info.pageLayout = QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                                  defaultMargins(), QPageLayout::Point);
    return info;
}

} // namespace platform
