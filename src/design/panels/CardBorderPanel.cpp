#include "design/panels/CardBorderPanel.h"

CardBorderPanel::CardBorderPanel(QWidget *parent) : QWidget(parent) {}

CardBorderPanel::~CardBorderPanel() = default;
