#pragma once
// The property sidebar's "datasource_tab" page.

#include <QWidget>

class DataSourcePanel : public QWidget {
    Q_OBJECT
public:
    explicit DataSourcePanel(QWidget *parent = nullptr);
    ~DataSourcePanel() override;
};
