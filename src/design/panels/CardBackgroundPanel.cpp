#include "design/panels/CardBackgroundPanel.h"

CardBackgroundPanel::CardBackgroundPanel(QWidget *parent) : QWidget(parent) {}

CardBackgroundPanel::~CardBackgroundPanel() = default;
