#include "core/Long_SMS_Dlg.h"

#include "core/Messages.h"
#include "platform/Dialogs.h"

#include "ui_Long_SMS_Dlg.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

Long_SMS_Dlg *Long_SMS_Dlg::Long_SMS_DefaultInstance = nullptr;

namespace {
void bindMessageWindow(Long_SMS_Dlg &d, const Ui::Long_SMS_Dlg &ui)
{
    d._Msg_Title = ui._Msg_Title;
    d._Msg_Val = ui._Msg_Val;
    d.apply_chk = ui.apply_chk;
    d.no_button = ui.no_button;
    d.yes_button = ui.yes_button;
}
} // namespace

Long_SMS_Dlg *Long_SMS_Dlg::defaultInstance()
{
    if (!Long_SMS_DefaultInstance)
        Long_SMS_DefaultInstance = new Long_SMS_Dlg;
    return Long_SMS_DefaultInstance;
}

Long_SMS_Dlg::Long_SMS_Dlg()
{
    awakeFromNib();
}

void Long_SMS_Dlg::awakeFromNib()
{
    window = new QDialog;
    Ui::Long_SMS_Dlg ui;
    ui.setupUi(window);
    bindMessageWindow(*this, ui);
    msg_window_id = window;
    connect(yes_button, &QPushButton::clicked, this, &Long_SMS_Dlg::OKPressed);
    connect(no_button, &QPushButton::clicked, this, &Long_SMS_Dlg::CancelPressed);
    // Esc and the title bar's close button end the dialog without either button: the box is
    // copied on every way out, so a batch never asks again after "apply to all" was ticked.
    connect(window, &QDialog::finished, this, &Long_SMS_Dlg::windowFinished);
}

void Long_SMS_Dlg::windowFinished(int code)
{
    selectedApplyAll() = apply_chk->isChecked();
    modl_response = code == 1 ? 1 : 0;
}

bool &Long_SMS_Dlg::selectedApplyAll() const
{
    return show_single_button ? Msg_Apply_All_Chk_for_in_use : Msg_Apply_All_Chk;
}

int Long_SMS_Dlg::Open_Long_sms_Dialog()
{
    if (!title_val.isNull()) {
        _Msg_Title->setText(title_val);
        _Msg_Val->setPlainText(msg_val_str);
        no_button->setVisible(!show_single_button);
        yes_button->setText(show_single_button ? QStringLiteral("OK") : QStringLiteral("Yes"));
    } else {
        _Msg_Title->setText(Cutom_Msg_Title);
        _Msg_Val->setPlainText(Cutom_Msg_Val);
        no_button->hide();
        yes_button->setText(QStringLiteral("OK"));
    }
    QDialog *shown = apply_chk_show ? window : msg_window_id;
    if (apply_chk_show) {
        apply_chk->show();
        apply_chk->setChecked(selectedApplyAll());
    } else {
        apply_chk->hide();
    }
    const int code = platform::runModal(*shown);
    shown->hide();
    return code;
}

void Long_SMS_Dlg::OKPressed()
{
    selectedApplyAll() = apply_chk->isChecked();   // copied even when the box was hidden
    modl_response = 1;
    window->done(1);
}

void Long_SMS_Dlg::CancelPressed()
{
    selectedApplyAll() = apply_chk->isChecked();
    modl_response = 0;
    window->done(0);
}
