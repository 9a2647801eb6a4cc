#pragma once
// The hub as the image tools see it (ImageToolsHost), and the making of every source they read:
// the hub's side, output's and the Barcode mode's.

#include "app/ImageToolsHost.h"

#include <memory>

struct ImageToolsSources;
class SKTWindowController;

class HubImageToolsSide final : public ImageToolsHost {
public:
    explicit HubImageToolsSide(SKTWindowController &hub) : hub(hub) {}

    QStringList Allowd_Image_fileTypes() const override;
    QWidget *window() override;
    QDialog *Make_Please_Wait_Sheet(QWidget *over) override;
    std::shared_ptr<void> Show_Please_Wait_Sheet(QDialog *sheet, QWidget *over) override;

private:
    SKTWindowController &hub;
};

// The sources of the image tools; call once the subsystems' controllers exist.
std::unique_ptr<ImageToolsSources> Make_Image_Tools_Sources(SKTWindowController &hub);
