#pragma once
// The input panel of the Wi-Fi network type. One instance for the process, published in its global;
// the Advanced QR mode and the payload editor both show it.

#include "advqr/QrPanelBase.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

class Qr_Wifi_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Wifi_View_Panel(QWidget *parent = nullptr);
    ~Qr_Wifi_View_Panel() override;
    void Visible_radio_Clicked();
    void hidden_radio_Clicked();

    QLineEdit *Wifi_Name = nullptr;
    QLineEdit *wifi_Password = nullptr;
    QComboBox *encryption = nullptr;
    QRadioButton *Visible_radio = nullptr;
    QRadioButton *hidden_radio = nullptr;
};

// The single instance, null until made.
extern Qr_Wifi_View_Panel *Qr_wifi_OBJ;
