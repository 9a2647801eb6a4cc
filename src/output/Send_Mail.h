#pragma once
// The mail window: sends the shown barcode or the card design as a PDF attachment, once or once per
// batch record, or a plain message with a file of the user's choosing, to one or more recipients,
// with pauses between groups of mails, behind the progress sheet.

#include "outputjobs/MailRun.h"

#include <QDialog>
#include <QPointer>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class OutputController;
namespace platform {
class WholeSpinBox;
}

class Send_Mail : public QDialog {
    Q_OBJECT
public:
    static Send_Mail *defaultInstance();

    QLineEdit *from_txt = nullptr;
    QPlainTextEdit *to_txt = nullptr;
    QPlainTextEdit *subject_txt = nullptr;
    QPlainTextEdit *message_txt = nullptr;
    QRadioButton *rd_mail_curr_barcode = nullptr;
    QRadioButton *rd_without_barcode = nullptr;
    QGroupBox *send_sett_box = nullptr;
    QLineEdit *file_name_txt = nullptr;
    QCheckBox *send_with_batch_chk = nullptr;
    QGroupBox *export_range_box = nullptr;
    QRadioButton *rd_all_to_every = nullptr;
    QRadioButton *rd_one_per_recp = nullptr;
    QRadioButton *Sel_print_rd = nullptr;
    QLineEdit *Total_Text = nullptr;
    platform::WholeSpinBox *Total_Stepper = nullptr;
    QLabel *tot_label = nullptr;
    QLineEdit *from_Text = nullptr;
    platform::WholeSpinBox *from_Stepper = nullptr;
    QLabel *from_label = nullptr;
    QLineEdit *To_Text = nullptr;
    platform::WholeSpinBox *To_Stepper = nullptr;
    QLabel *to_label = nullptr;
    QLineEdit *attachment = nullptr;
    QPushButton *browse_att = nullptr;
    QPushButton *clear_att = nullptr;
    QCheckBox *delayed_delv_chk = nullptr;
    QGroupBox *delayed_box = nullptr;
    QLineEdit *mail_count_txt = nullptr;
    platform::WholeSpinBox *mail_count_stepper = nullptr;
    QLineEdit *hour_txt = nullptr;
    platform::WholeSpinBox *hour_stepper = nullptr;
    QLineEdit *min_text = nullptr;
    platform::WholeSpinBox *min_stepper = nullptr;
    QLineEdit *sec_txt = nullptr;
    platform::WholeSpinBox *sec_stepper = nullptr;
    QPushButton *settingButton = nullptr;
    QPushButton *sendButton = nullptr;
    QPushButton *closeButton = nullptr;

    // Resets the window, sets the record controls and runs it; answers its result code. The run
    // reads the modes and the design, and the mail settings, through output.
    int Open_Wnd(OutputController &output);
    void Set_Tot_Value(int value, int max, const QString &set_for);
    void Set_Enable_Diable_Range_Box();
    void Verify_Card_Count();
    void Setting_Button();
    void browse_att_Button();
    void clear_att_Button();
    // Offers a workbook; the choice is not used.
    void Browse_excel_Button();
    void Without_barcode_rd_select();
    void send_barcode_rd_select();
    void send_with_batch_chk_select();
    void all_rd_select();
    void obo_rd_select();
    void Sel_Print_RD_Clicked();
    void delayed_delv_chk_select();
    // A record field edited by the user: empty or 0 becomes 1, cut to the records.
    void recordTextChanged(QLineEdit *field);
    void Send_Button();
    void Close_Button();
    // The pause label of the progress sheet.
    void Calculate_Pause_Time(int ms);

    // Messages of the run.
    static const QString Sent_Message;
    static QString Card_Failure_Message();
    static QString Barcode_Failure_Message();

private:
    explicit Send_Mail(QWidget *parent = nullptr);
    // The entries still being typed taken before a send: false when one was refused.
    bool Typing_Ended();
    void sendRun();
    QPointer<OutputController> m_output;   // of the last opening
};
