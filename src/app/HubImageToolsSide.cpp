#include "app/HubImageToolsSide.h"

#include "app/PleaseWaitGuard.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeImageToolsSide.h"
#include "imagetools/ImageToolsSources.h"
#include "output/OutputImageToolsSide.h"

#include <QMainWindow>

QStringList HubImageToolsSide::Allowd_Image_fileTypes() const { return hub.Allowd_Image_fileTypes; }

QWidget *HubImageToolsSide::window() { return hub.window(); }

QDialog *HubImageToolsSide::Make_Please_Wait_Sheet(QWidget *over) { return PleaseWaitGuard::makeSheet(over); }

std::shared_ptr<void> HubImageToolsSide::Show_Please_Wait_Sheet(QDialog *sheet, QWidget *over)
{
    return std::make_shared<PleaseWaitGuard>(sheet, over);
}

std::unique_ptr<ImageToolsSources> Make_Image_Tools_Sources(SKTWindowController &hub)
{
    auto s = std::make_unique<ImageToolsSources>();
    s->host = std::make_unique<HubImageToolsSide>(hub);
    s->output = std::make_unique<OutputImageToolsSide>(hub.output());
    s->barcode = std::make_unique<BarcodeModeImageToolsSide>(hub.barcodeMode());
    return s;
}
