#pragma once
// What projects needs of the Barcode mode: its page as one value (what the barcode section of a
// project file stores), the page of a new project, and the preview drawn again. The Barcode mode
// implements it (barcodemode/BarcodeModeProjectsSide.h).

#include "barcodemode/BarcodeModeSettings.h"

class BarcodeModeProjects {
public:
    virtual ~BarcodeModeProjects() = default;

    virtual BarcodeModeSettings settings() const = 0;
    virtual void setSettings(const BarcodeModeSettings &settings) = 0;
    virtual void resetForNewProject() = 0;
    virtual void goButtonActionPerformed() = 0;
};
