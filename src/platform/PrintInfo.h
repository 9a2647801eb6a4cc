#pragma once
// A page setup: the printer it is for and the page layout (paper, orientation, margins).

#include <QMarginsF>
#include <QPageLayout>
#include <QString>

namespace platform {

class PrintInfo {
public:
    QString printerName;   // empty: the default printer
    QPageLayout pageLayout;

    // The page setup a new document starts with: Letter in the United States, A4 elsewhere, with
    // the margins below.
    static PrintInfo sharedPrintInfo();
    // The margins of a page setup of no printer (points): what a PDF file, which can be marked to
    // its edges, takes as its own.
    static QMarginsF defaultMargins() { return QMarginsF(18, 18, 18, 18); }
    bool operator==(const PrintInfo &o) const { return printerName == o.printerName && pageLayout == o.pageLayout; }
};

} // namespace platform
