#pragma once
// The input panel of the location type: a link or coordinates. One instance for the process,
// published in its global; the Advanced QR mode and the payload editor both show it.

#include "advqr/QrPanelBase.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;

class Qr_Location_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Location_View_Panel(QWidget *parent = nullptr);
    ~Qr_Location_View_Panel() override;
    void URL_radio_Clicked();
    void Cord_radio_Clicked();

    QRadioButton *Loc_URL_radio = nullptr;
    QRadioButton *Loc_Cord_radio = nullptr;
    QGroupBox *URL_Box = nullptr;
    QLineEdit *URL_Path_Field = nullptr;
    QGroupBox *Cord_Box = nullptr;
    QLineEdit *Latitude_Field = nullptr;
    QLineEdit *Longitude_Field = nullptr;
};

// The single instance, null until made.
extern Qr_Location_View_Panel *Qr_Location_OBJ;
