#pragma once
// The input panel of the social-network profile types. One instance for the process, published in
// its global; the Advanced QR mode and the payload editor both show it.

#include "advqr/QrPanelBase.h"

class QLabel;
class QLineEdit;
class QPushButton;

class Qr_Social_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Social_View_Panel(QWidget *parent = nullptr);
    ~Qr_Social_View_Panel() override;
    // The prompt of each social type; other titles leave it.
    void Set_Label_According_Category(const QString &category);
    void Open_URL_Clicked();

    QLabel *info_message_lbl = nullptr;
    QLineEdit *URL_label = nullptr;
    QPushButton *Open_Url_Btn = nullptr;
};

// The single instance, null until made.
extern Qr_Social_View_Panel *Qr_Social_OBJ;
