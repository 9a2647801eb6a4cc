#include "design/panels/BarcodePanel.h"

BarcodePanel::BarcodePanel(QWidget *parent) : QWidget(parent) {}

BarcodePanel::~BarcodePanel() = default;
