#include "design/panels/LinePanel.h"

LinePanel::LinePanel(QWidget *parent) : QWidget(parent) {}

LinePanel::~LinePanel() = default;
