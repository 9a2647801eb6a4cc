#pragma once
// The input panel of the contact card type. One instance for the process, published in its global;
// the Advanced QR mode and the payload editor both show it.

#include "advqr/QrPanelBase.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

class Qr_vCard_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_vCard_View_Panel(QWidget *parent = nullptr);
    ~Qr_vCard_View_Panel() override;
    // Both buttons stay hidden whatever the flag: the details are always shown.
    void Show_Hide_DET_BOX(bool flag);

    QLineEdit *First_Name = nullptr, *Last_Name = nullptr, *Mobile = nullptr, *Phone = nullptr, *Company = nullptr,
              *Position = nullptr, *Phone_Work = nullptr, *Fax = nullptr, *Email = nullptr, *Website = nullptr,
              *Email_Work = nullptr, *Street = nullptr, *City = nullptr, *State = nullptr, *Zip = nullptr,
              *Country = nullptr;
    QPushButton *collapse_btn = nullptr;
    QPushButton *expand_btn = nullptr;
    QGroupBox *full_details_box = nullptr;
};

// The single instance, null until made.
extern Qr_vCard_View_Panel *Qr_vcard_OBJ;
