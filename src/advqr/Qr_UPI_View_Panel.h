#pragma once
// The input panel of the UPI payment type. One instance for the process, published in its global;
// the Advanced QR mode and the payload editor both show it.

#include "advqr/QrPanelBase.h"

class QLineEdit;

class Qr_UPI_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_UPI_View_Panel(QWidget *parent = nullptr);
    ~Qr_UPI_View_Panel() override;

    QLineEdit *upi_id_field = nullptr;
    QLineEdit *name_field = nullptr;
    QLineEdit *amount_field = nullptr;
    QLineEdit *note_field = nullptr;
};

// The single instance, null until made.
extern Qr_UPI_View_Panel *Qr_upi_OBJ;
