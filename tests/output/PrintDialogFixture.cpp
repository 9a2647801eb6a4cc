#include "PrintDialogFixture.h"

#include "app/SKTWindowController.h"

namespace printtest {

void PrintDialog::setPaper(QPageSize::PageSizeId id, QPageLayout::Orientation o, double margin)
{
    platform::PrintInfo info;
    info.printerName = platform::Pdf_Destination_Name;   // never the machine's default printer
    info.pageLayout = QPageLayout(QPageSize(id), o, QMarginsF(margin, margin, margin, margin), QPageLayout::Point);
    c->setPrintInfo(info);
}

} // namespace printtest
