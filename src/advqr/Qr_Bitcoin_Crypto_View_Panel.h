#pragma once
// The input panel of the crypto-currency payment type. One instance for the process, published in
// its global; the Advanced QR mode and the payload editor both show it.

#include "advqr/QrPanelBase.h"

class QButtonGroup;
class QLineEdit;

class Qr_Bitcoin_Crypto_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Bitcoin_Crypto_View_Panel(QWidget *parent = nullptr);
    ~Qr_Bitcoin_Crypto_View_Panel() override;
    // The coin cells in one row, read by column.
    QButtonGroup *crypto_type_matrix = nullptr;
    QWidget *crypto_type_matrix_view = nullptr;

    QLineEdit *wallet_address = nullptr;
    QLineEdit *amount_field = nullptr;
    QLineEdit *recipient_field = nullptr;
    QLineEdit *message_field = nullptr;
};

// The single instance, null until made.
extern Qr_Bitcoin_Crypto_View_Panel *Qr_bitcoin_OBJ;
