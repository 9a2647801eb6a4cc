#include "design/panels/TextPropertiesPanel.h"

TextPropertiesPanel::TextPropertiesPanel(QWidget *parent) : QWidget(parent) {}

TextPropertiesPanel::~TextPropertiesPanel() = default;
