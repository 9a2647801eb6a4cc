#include "design/panels/ShapePanel.h"

ShapePanel::ShapePanel(QWidget *parent) : QWidget(parent) {}

ShapePanel::~ShapePanel() = default;
