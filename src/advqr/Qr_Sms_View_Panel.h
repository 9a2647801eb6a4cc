#pragma once
// The input panel of the SMS, WhatsApp and coupon types. One instance for the process, published in
// its global; the Advanced QR mode and the payload editor both show it.

#include "advqr/QrPanelBase.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class Qr_Sms_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Sms_View_Panel(QWidget *parent = nullptr);
    ~Qr_Sms_View_Panel() override;
    // The labels of "Send SMS", "WhatsApp" and "Coupon"; other titles leave them.
    void Set_Label_According_Category(const QString &category);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Return and Escape are swallowed, Tab moves the focus on; true when the key was handled.
    bool handleKey(int key);

public:

    QLabel *info_message_lbl = nullptr;
    QLabel *num_label = nullptr;
    QLabel *msg_label = nullptr;
    QLineEdit *Number_Field = nullptr;
    QPlainTextEdit *Message_field = nullptr;
};

// The single instance, null until made.
extern Qr_Sms_View_Panel *Qr_Sms_OBJ;
