#include "design/panels/ImagePanel.h"

ImagePanel::ImagePanel(QWidget *parent) : QWidget(parent) {}

ImagePanel::~ImagePanel() = default;
