#pragma once
// A page setup: the printer it is for and the page layout (paper, orientation, margins).

#include <QPageLayout>
#include <QString>

namespace platform {

class PrintInfo {
public:
    QString printerName;   // empty: the default printer
    QPageLayout pageLayout;

    // The page setup a new document starts with: Letter in the United States, A4 elsewhere.
    static PrintInfo sharedPrintInfo();
    bool operator==(const PrintInfo &o) const { return printerName == o.printerName && pageLayout == o.pageLayout; }
};

} // namespace platform
