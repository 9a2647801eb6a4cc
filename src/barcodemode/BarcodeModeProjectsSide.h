#pragma once
// The Barcode mode as projects reads it: its controller and page behind BarcodeModeProjects.

#include "barcodemode/BarcodeModeProjects.h"

class BarcodeModeController;

class BarcodeModeProjectsSide final : public BarcodeModeProjects {
public:
    explicit BarcodeModeProjectsSide(BarcodeModeController &mode) : mode(mode) {}

    BarcodeModeSettings settings() const override;
    void setSettings(const BarcodeModeSettings &settings) override;
    void resetForNewProject() override;
    void goButtonActionPerformed() override;

private:
    BarcodeModeController &mode;
};
