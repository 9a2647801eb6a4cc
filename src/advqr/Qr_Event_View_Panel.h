#pragma once
// The input panel of the calendar event type. One instance for the process, published in its
// global; the Advanced QR mode and the payload editor both show it.

#include "advqr/QrPanelBase.h"

class QDateEdit;
class QLineEdit;
class QTimeEdit;

class Qr_Event_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Event_View_Panel(QWidget *parent = nullptr);
    ~Qr_Event_View_Panel() override;

    QLineEdit *event_name = nullptr;
    QLineEdit *event_location = nullptr;
    QLineEdit *event_description = nullptr;
    QDateEdit *Date_From_Ctrl = nullptr;
    QDateEdit *Date_To_Ctrl = nullptr;
    QTimeEdit *Time_From_Ctrl = nullptr;
    QTimeEdit *Time_To_Ctrl = nullptr;
};

// The single instance, null until made.
extern Qr_Event_View_Panel *Qr_event_OBJ;
