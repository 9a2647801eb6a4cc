#include "design/panels/CardSizePanel.h"

CardSizePanel::CardSizePanel(QWidget *parent) : QWidget(parent) {}

CardSizePanel::~CardSizePanel() = default;
