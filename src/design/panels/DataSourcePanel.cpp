#include "design/panels/DataSourcePanel.h"

DataSourcePanel::DataSourcePanel(QWidget *parent) : QWidget(parent) {}

DataSourcePanel::~DataSourcePanel() = default;
