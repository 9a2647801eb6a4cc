#pragma once
// The input panel of the e-mail type. One instance for the process, published in its global; the
// Advanced QR mode and the payload editor both show it.

#include "advqr/QrPanelBase.h"

class QLineEdit;
class QPlainTextEdit;

class Qr_Email_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Email_View_Panel(QWidget *parent = nullptr);
    ~Qr_Email_View_Panel() override;

    QLineEdit *Email_ID_field = nullptr;
    QLineEdit *Subject_field = nullptr;
    QPlainTextEdit *Message_Field = nullptr;
};

// The single instance, null until made.
extern Qr_Email_View_Panel *Qr_email_OBJ;
