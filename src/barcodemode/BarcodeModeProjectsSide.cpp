#include "barcodemode/BarcodeModeProjectsSide.h"

#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/BarcodeModePanel.h"

BarcodeModeSettings BarcodeModeProjectsSide::settings() const { return mode.panel().settings(); }

void BarcodeModeProjectsSide::setSettings(const BarcodeModeSettings &settings) { mode.panel().setSettings(settings); }

void BarcodeModeProjectsSide::resetForNewProject() { mode.panel().resetForNewProject(); }

void BarcodeModeProjectsSide::goButtonActionPerformed() { mode.goButtonActionPerformed(); }
