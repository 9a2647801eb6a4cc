#include "output/Send_Mail.h"

#include "core/Mode.h"
#include "outputjobs/OutputGlobals.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/SKTRenderingView.h"
#include "output/Email_Setting.h"
#include "output/JobRunner.h"
#include "output/MailGlobals.h"
#include "outputjobs/MailScript.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "output/RecordRange.h"
#include "output/Send_Modeless.h"
#include "platform/CountField.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/GuiThread.h"
#include "platform/PictureView.h"

#include "ui_Send_Mail.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <exception>
#include <utility>

const QString Send_Mail::Sent_Message = QStringLiteral("E-mail has been sent successfully.");

QString Send_Mail::Card_Failure_Message() { return mail_send_err_msg + QStringLiteral("\n\nCould not send email."); }

QString Send_Mail::Barcode_Failure_Message()
{
    return QStringLiteral("Could not send email message.\nEither Label not generated.\nOR\n") + mail_send_err_msg;
}

Send_Mail *Send_Mail::defaultInstance()
{
    static Send_Mail *instance = new Send_Mail;
    return instance;
}

Send_Mail::Send_Mail(QWidget *parent)
    : QDialog(parent)
{
    Ui::Send_Mail ui;
    ui.setupUi(this);
    from_txt = ui.from_txt;
    to_txt = ui.to_txt;
    subject_txt = ui.subject_txt;
    message_txt = ui.message_txt;
    rd_mail_curr_barcode = ui.rd_mail_curr_barcode;
    rd_without_barcode = ui.rd_without_barcode;
    send_sett_box = ui.send_sett_box;
    file_name_txt = ui.file_name_txt;
    send_with_batch_chk = ui.send_with_batch_chk;
    export_range_box = ui.export_range_box;
    rd_all_to_every = ui.rd_all_to_every;
    rd_one_per_recp = ui.rd_one_per_recp;
    Sel_print_rd = ui.Sel_print_rd;
    Total_Text = ui.Total_Text;
    Total_Stepper = ui.Total_Stepper;
    tot_label = ui.tot_label;
    from_Text = ui.from_Text;
    from_Stepper = ui.from_Stepper;
    from_label = ui.from_label;
    To_Text = ui.To_Text;
    To_Stepper = ui.To_Stepper;
    to_label = ui.to_label;
    attachment = ui.attachment;
    browse_att = ui.browse_att;
    clear_att = ui.clear_att;
    delayed_delv_chk = ui.delayed_delv_chk;
    delayed_box = ui.delayed_box;
    mail_count_txt = ui.mail_count_txt;
    mail_count_stepper = ui.mail_count_stepper;
    hour_txt = ui.hour_txt;
    hour_stepper = ui.hour_stepper;
    min_text = ui.min_text;
    min_stepper = ui.min_stepper;
    sec_txt = ui.sec_txt;
    sec_stepper = ui.sec_stepper;
    settingButton = ui.Setting_Button;
    sendButton = ui.Send_Button;
    closeButton = ui.Close_Button;

    delayed_box->setEnabled(false);
    connect(settingButton, &QPushButton::clicked, this, &Send_Mail::Setting_Button);
    connect(sendButton, &QPushButton::clicked, this, &Send_Mail::Send_Button);
    connect(closeButton, &QPushButton::clicked, this, &Send_Mail::Close_Button);
    connect(browse_att, &QPushButton::clicked, this, &Send_Mail::browse_att_Button);
    connect(clear_att, &QPushButton::clicked, this, &Send_Mail::clear_att_Button);
    connect(rd_without_barcode, &QRadioButton::clicked, this, &Send_Mail::Without_barcode_rd_select);
    connect(rd_mail_curr_barcode, &QRadioButton::clicked, this, &Send_Mail::send_barcode_rd_select);
    connect(send_with_batch_chk, &QCheckBox::clicked, this, &Send_Mail::send_with_batch_chk_select);
    connect(rd_all_to_every, &QRadioButton::clicked, this, &Send_Mail::all_rd_select);
    connect(rd_one_per_recp, &QRadioButton::clicked, this, &Send_Mail::obo_rd_select);
    connect(Sel_print_rd, &QRadioButton::clicked, this, &Send_Mail::Sel_Print_RD_Clicked);
    connect(delayed_delv_chk, &QCheckBox::clicked, this, &Send_Mail::delayed_delv_chk_select);
    using platform::connectCountArrows;
    const recordrange::Controls range{Total_Text, nullptr, from_Text, nullptr, To_Text, nullptr};
    for (const auto &[field, stepper] : {std::pair{Total_Text, Total_Stepper}, std::pair{from_Text, from_Stepper},
                                         std::pair{To_Text, To_Stepper}})
        connectCountArrows(field, stepper, recordrange::Field_Rule(range, field), this, [this, field = field] { recordTextChanged(field); });
    connectCountArrows(mail_count_txt, mail_count_stepper, {QStringLiteral("number of mails between pauses"), 1, 999999}, this);
    connectCountArrows(hour_txt, hour_stepper, {QStringLiteral("number of hours"), 0, 99}, this);
    connectCountArrows(min_text, min_stepper, {QStringLiteral("number of minutes"), 0, 59}, this);
    connectCountArrows(sec_txt, sec_stepper, {QStringLiteral("number of seconds"), 0, 59}, this);
}

bool Send_Mail::Typing_Ended()
{
    if (!platform::endTyping({Total_Text, from_Text, To_Text, mail_count_txt, hour_txt, min_text, sec_txt}))
        return false;
    for (platform::WholeSpinBox *s : {Total_Stepper, from_Stepper, To_Stepper, mail_count_stepper, hour_stepper,
                                      min_stepper, sec_stepper})
        if (!s->endTyping())
            return false;
    return true;
}

void Send_Mail::Set_Tot_Value(int value, int max, const QString &set_for)
{
    if (value == 0)
        value = 1;
    if (!send_with_batch_chk->isChecked()) {
        max = 999999;
        value = std::min(value, 999999);
    }
    for (QSpinBox *s : {Total_Stepper, To_Stepper, from_Stepper})
        s->setMaximum(std::max(1, max));
    const QString text = QString::number(value);
    if (set_for == QLatin1String("TOT") || set_for == QLatin1String("A")) {
        Total_Text->setText(text);
        Total_Stepper->setValue(value);
    }
    if (set_for == QLatin1String("TO") || set_for == QLatin1String("A")) {
        To_Text->setText(text);
        To_Stepper->setValue(value);
    }
    if (set_for == QLatin1String("A") && !send_with_batch_chk->isChecked()) {
        from_Text->setText(QStringLiteral("1"));
        from_Stepper->setValue(1);
    }
}

void Send_Mail::recordTextChanged(QLineEdit *field)
{
    int v = field->text().toInt();
    if (v <= 0)
        v = 1;
    const bool cut = field != Total_Text || send_with_batch_chk->isChecked();
    if (cut && v > Total_Batch_Excel_Card)
        v = std::max(1, Total_Batch_Excel_Card);
    if (field->text() != QString::number(v))
        field->setText(QString::number(v));
    if (field == Total_Text)
        Set_Tot_Value(v, Total_Batch_Excel_Card, QStringLiteral("TOT"));
    else if (field == To_Text)
        Set_Tot_Value(v, Total_Batch_Excel_Card, QStringLiteral("TO"));
    else
        from_Stepper->setValue(v);
}

int Send_Mail::Open_Wnd(OutputController &output)
{
    m_output = &output;
    try {
        from_txt->setText(sender_email);
        to_txt->setPlainText(QString());
        subject_txt->setPlainText(QString());
        message_txt->setPlainText(QString());
        file_name_txt->setText(QStringLiteral("QIROBarcode"));
        Set_Tot_Value(Total_Label, 999999, QStringLiteral("A"));
        const bool data = Use_Data_Sheet_Values || Use_Excel_Binding_Values;
        send_with_batch_chk->show();
        send_with_batch_chk->setChecked(false);
        send_with_batch_chk->setEnabled(data);
        Total_Label = Total_Batch_Excel_Card;
        if (data) {
            Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
            To_Stepper->setValue(Total_Stepper->value());
        } else {
            Set_Tot_Value(Total_Label, 999999, QStringLiteral("A"));
        }
        rd_all_to_every->setChecked(true);
        rd_one_per_recp->setChecked(false);
        Sel_print_rd->setChecked(false);
        Total_Text->hide();
        from_Text->setText(QStringLiteral("1"));
        for (QWidget *w : std::initializer_list<QWidget *>{from_Text, from_Stepper, To_Text, To_Stepper})
            w->setEnabled(false);
        Set_Enable_Diable_Range_Box();
        rd_mail_curr_barcode->setChecked(true);
        rd_without_barcode->setChecked(false);
        send_sett_box->setEnabled(true);
        attachment->setText(QString());
        for (QWidget *w : std::initializer_list<QWidget *>{attachment, browse_att, clear_att})
            w->setEnabled(false);
        delayed_delv_chk->setChecked(false);
        delayed_box->setEnabled(false);
        for (QSpinBox *s : {mail_count_stepper})
            s->setValue(1);
        mail_count_txt->setText(QStringLiteral("1"));
        for (QSpinBox *s : {hour_stepper, min_stepper, sec_stepper})
            s->setValue(0);
        for (QLineEdit *f : {hour_txt, min_text, sec_txt})
            f->setText(QStringLiteral("0"));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    const int code = platform::runModal(*this);
    hide();
    return code;
}

void Send_Mail::Set_Enable_Diable_Range_Box()
{
    if (send_with_batch_chk->isChecked()) {
        export_range_box->setEnabled(true);
        if (Sel_print_rd->isChecked())
            Sel_Print_RD_Clicked();
        else if (rd_one_per_recp->isChecked())
            obo_rd_select();
        else
            all_rd_select();
    } else {
        export_range_box->setEnabled(false);
    }
}

void Send_Mail::Verify_Card_Count()
{
    if (!m_output)
        return;
    DesignOutput &records = *m_output->sources().design;
    records.Check_Series_Or_Excel_Use_or_not();
    if ((Use_Data_Sheet_Values || Use_Excel_Binding_Values) && !send_with_batch_chk->isChecked()) {
        Use_Data_Sheet_Values = false;
        Use_Excel_Binding_Values = false;
    }
    records.Get_total_Card_count();
}

void Send_Mail::Setting_Button()
{
    Email_Setting *settings = Email_Setting::defaultInstance();
    if (m_output) {
        settings->appName = m_output->sources().host->App_Name();
        settings->reloadMailGlobals = [this] {
            if (m_output)
                m_output->Get_Email_Details();
        };
    }
    settings->Open_Wnd();
    if (m_output)
        m_output->Get_Email_Details();
    from_txt->setText(sender_email);
}

void Send_Mail::browse_att_Button()
{
    platform::OpenPanelRequest request;
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    const QStringList chosen = platform::dialogResponder().openPanel(request);
    if (!chosen.isEmpty())
        attachment->setText(chosen.first());
}

void Send_Mail::clear_att_Button() { attachment->setText(QString()); }

void Send_Mail::Browse_excel_Button()
{
    platform::OpenPanelRequest request;
    request.extensions = {QStringLiteral("xlsx"), QStringLiteral("XLSX")};
    platform::dialogResponder().openPanel(request);
}

void Send_Mail::Without_barcode_rd_select()
{
    rd_without_barcode->setChecked(true);
    rd_mail_curr_barcode->setChecked(false);
    send_sett_box->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{attachment, browse_att, clear_att})
        w->setEnabled(true);
}

void Send_Mail::send_barcode_rd_select()
{
    rd_mail_curr_barcode->setChecked(true);
    rd_without_barcode->setChecked(false);
    if (m_output)
        m_output->sources().design->Check_Series_Or_Excel_Use_or_not();
    send_sett_box->setEnabled(true);
    const bool data = Use_Data_Sheet_Values || Use_Excel_Binding_Values;
    send_with_batch_chk->setEnabled(data);
    if (!data)
        send_with_batch_chk->setChecked(false);
    if (!send_with_batch_chk->isChecked()) {
        rd_all_to_every->setEnabled(false);
        rd_one_per_recp->setEnabled(false);
    } else {
        rd_all_to_every->setEnabled(true);
        rd_one_per_recp->setEnabled(true);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{attachment, browse_att, clear_att})
        w->setEnabled(false);
    Set_Enable_Diable_Range_Box();
}

void Send_Mail::send_with_batch_chk_select()
{
    const bool on = send_with_batch_chk->isChecked();
    const int mode = Barcode_Setting_Or_Designing_Mode;
    if (mode == 0) {
        Use_Data_Sheet_Values = on;
        Total_Label = on ? Total_Barcode_Label_wd_Batch : 1;
    } else if (mode == 1) {
        Verify_Card_Count();
        if (on) {
            Total_Label = Total_Batch_Excel_Card;
        } else {
            Use_Data_Sheet_Values = false;
            Use_Excel_Binding_Values = false;
            Total_Label = 1;
        }
    }
    rd_all_to_every->setEnabled(on);
    rd_one_per_recp->setEnabled(on);
    Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
    Set_Enable_Diable_Range_Box();
}

void Send_Mail::all_rd_select()
{
    rd_all_to_every->setChecked(true);
    rd_one_per_recp->setChecked(false);
    Sel_print_rd->setChecked(false);
    for (QWidget *w : std::initializer_list<QWidget *>{Total_Text, Total_Stepper, tot_label})
        w->setEnabled(true);
    for (QWidget *w : std::initializer_list<QWidget *>{from_Text, from_Stepper, from_label, To_Text, To_Stepper, to_label})
        w->setEnabled(false);
}

void Send_Mail::obo_rd_select()
{
    rd_one_per_recp->setChecked(true);
    rd_all_to_every->setChecked(false);
    Sel_print_rd->setChecked(false);
    for (QWidget *w : std::initializer_list<QWidget *>{Total_Text, Total_Stepper, tot_label, from_Text, from_Stepper,
                                                       from_label, To_Text, To_Stepper, to_label})
        w->setEnabled(false);
}

void Send_Mail::Sel_Print_RD_Clicked()
{
    Sel_print_rd->setChecked(true);
    rd_all_to_every->setChecked(false);
    rd_one_per_recp->setChecked(false);
    for (QWidget *w : std::initializer_list<QWidget *>{Total_Text, Total_Stepper, tot_label})
        w->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{from_Text, from_Stepper, from_label, To_Text, To_Stepper, to_label})
        w->setEnabled(true);
}

void Send_Mail::delayed_delv_chk_select() { delayed_box->setEnabled(delayed_delv_chk->isChecked()); }

void Send_Mail::Close_Button() { done(0); }

void Send_Mail::Calculate_Pause_Time(int ms)
{
    QLabel *label = Send_Modeless::defaultInstance()->pause_label;
    const QString text = ms < 0 ? QString() : MailRun::Calculate_Pause_Time(ms);
    if (label && label->text() != text)
        label->setText(text);
}

void Send_Mail::Send_Button()
{
    try {
        // An entry still being typed is taken first; a refused one sends nothing.
        if (Typing_Ended())
            sendRun();
    } catch (const std::exception &e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}
