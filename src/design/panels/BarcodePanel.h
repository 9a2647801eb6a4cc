#pragma once
// The property sidebar's "barcode_tab" page.

#include <QWidget>

class BarcodePanel : public QWidget {
    Q_OBJECT
public:
    explicit BarcodePanel(QWidget *parent = nullptr);
    ~BarcodePanel() override;
};
