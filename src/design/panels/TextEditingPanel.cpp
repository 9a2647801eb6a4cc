#include "design/panels/TextEditingPanel.h"

TextEditingPanel::TextEditingPanel(QWidget *parent) : QWidget(parent) {}

TextEditingPanel::~TextEditingPanel() = default;
