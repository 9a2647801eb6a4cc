#pragma once
// The input panel of the text, phone-call and link types. One instance for the process, published
// in its global; the Advanced QR mode and the payload editor both show it.

#include "advqr/QrPanelBase.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Qr_Text_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Text_View_Panel(QWidget *parent = nullptr);
    ~Qr_Text_View_Panel() override;
    static Qr_Text_View_Panel *defaultInstance();

    // Hides (true) or shows the open-link button, and shows the input field of the type: the text
    // view for "Text", the phone field for "Call", the link field for every other title.
    void Show_Hide_Open_URL_Button(bool hide, const QString &category);
    // Opens the built payload as a link; an empty link field is refused.
    void Open_URL_Clicked();

    QLabel *heading_label = nullptr;
    QWidget *Text_Scroll_View = nullptr;
    QPlainTextEdit *Text_Field = nullptr;
    QLineEdit *Call_Value_field = nullptr;
    QLineEdit *URL_Value_field = nullptr;
    QPushButton *Open_Url_Btn = nullptr;
};

// The single instance, null until made.
extern Qr_Text_View_Panel *Qr_Text_OBJ;
