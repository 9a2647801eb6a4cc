#include "design/panels/LockPanel.h"

LockPanel::LockPanel(QWidget *parent) : QWidget(parent) {}

LockPanel::~LockPanel() = default;
