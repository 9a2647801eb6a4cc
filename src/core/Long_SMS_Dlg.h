#pragma once
// The long-message dialog: help texts with "OK", questions with "Yes"/"No", and an optional
// apply-to-all check box.

#include <QObject>
#include <QString>

class QCheckBox;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class Long_SMS_Dlg : public QObject {
    Q_OBJECT
public:
    static Long_SMS_Dlg *defaultInstance();

    // Shows the dialog modally; 1 for OK or Yes, 0 for No.
    int Open_Long_sms_Dialog();
    void OKPressed();
    void CancelPressed();

    // The dialog shown with the check box, and the one shown without it (one window serves both).
    QDialog *window = nullptr;
    QDialog *msg_window_id = nullptr;
    QLabel *_Msg_Title = nullptr;
    QPlainTextEdit *_Msg_Val = nullptr;
    QPushButton *yes_button = nullptr;
    QPushButton *no_button = nullptr;
    QCheckBox *apply_chk = nullptr;

    QString title_val;            // null: show Cutom_Msg_Title and Cutom_Msg_Val
    QString msg_val_str;
    bool show_single_button = false;
    bool apply_chk_show = false;
    int modl_response = 0;

private:
    static Long_SMS_Dlg *Long_SMS_DefaultInstance;   // made on first use, kept for the whole process
    Long_SMS_Dlg();
    void awakeFromNib();
    void windowFinished(int code);
    bool &selectedApplyAll() const;
};
