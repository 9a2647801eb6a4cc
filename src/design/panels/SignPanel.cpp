#include "design/panels/SignPanel.h"

SignPanel::SignPanel(QWidget *parent) : QWidget(parent) {}

SignPanel::~SignPanel() = default;
