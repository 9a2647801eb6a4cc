#include "design/panels/AlignmentPanel.h"

AlignmentPanel::AlignmentPanel(QWidget *parent) : QWidget(parent) {}

AlignmentPanel::~AlignmentPanel() = default;
