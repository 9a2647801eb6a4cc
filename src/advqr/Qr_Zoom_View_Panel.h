#pragma once
// The input panel of the meeting type: a link or an ID with a password. One instance for the
// process, published in its global; the Advanced QR mode and the payload editor both show it.

#include "advqr/QrPanelBase.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;

class Qr_Zoom_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Zoom_View_Panel(QWidget *parent = nullptr);
    ~Qr_Zoom_View_Panel() override;
    void URL_radio_Clicked();
    void Cred_radio_Clicked();

    QRadioButton *Zoom_URL_radio = nullptr;
    QRadioButton *Zoom_Crd_radio = nullptr;
    QGroupBox *URL_Box = nullptr;
    QLineEdit *URL_Path_Field = nullptr;
    QGroupBox *Cred_Box = nullptr;
    QLineEdit *ID_Field = nullptr;
    QLineEdit *Pwd_Field = nullptr;
};

// The single instance, null until made.
extern Qr_Zoom_View_Panel *Qr_Zoom_OBJ;
