#include "design/panels/CardInfoPanel.h"

CardInfoPanel::CardInfoPanel(QWidget *parent) : QWidget(parent) {}

CardInfoPanel::~CardInfoPanel() = default;
