#include "core/Long_SMS_Dlg.h"

#include "core/Globals.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Long_SMS_Dlg *Long_SMS_DefaultInstance = nullptr;

Long_SMS_Dlg *Long_SMS_Dlg::defaultInstance()
{
    if (!Long_SMS_DefaultInstance)
        Long_SMS_DefaultInstance = new Long_SMS_Dlg;   // lives for the whole process
    return Long_SMS_DefaultInstance;
}

Long_SMS_Dlg::Long_SMS_Dlg()
{
    awakeFromNib();
}

void Long_SMS_Dlg::awakeFromNib()
{
    window = new QDialog;
    window->setObjectName(QStringLiteral("Long_SMS_Dlg"));
    window->setWindowTitle(QStringLiteral("Message"));
    window->resize(520, 360);
    auto *layout = new QVBoxLayout(window);
    _Msg_Title = new QLabel(window);
    _Msg_Title->setObjectName(QStringLiteral("_Msg_Title"));
    QFont bold = _Msg_Title->font();
    bold.setBold(true);
    _Msg_Title->setFont(bold);
    _Msg_Title->setWordWrap(true);
    _Msg_Val = new QPlainTextEdit(window);
    _Msg_Val->setObjectName(QStringLiteral("_Msg_Val"));
    _Msg_Val->setReadOnly(true);
    apply_chk = new QCheckBox(QStringLiteral("Apply to all"), window);
    apply_chk->setObjectName(QStringLiteral("apply_chk"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    no_button = new QPushButton(QStringLiteral("No"), window);
    no_button->setObjectName(QStringLiteral("no_button"));
    yes_button = new QPushButton(QStringLiteral("Yes"), window);
    yes_button->setObjectName(QStringLiteral("yes_button"));
    yes_button->setDefault(true);
    buttons->addWidget(no_button);
    buttons->addWidget(yes_button);
    layout->addWidget(_Msg_Title);
    layout->addWidget(_Msg_Val, 1);
    layout->addWidget(apply_chk);
    layout->addLayout(buttons);
    msg_window_id = window;
    connect(yes_button, &QPushButton::clicked, this, &Long_SMS_Dlg::OKPressed);
    connect(no_button, &QPushButton::clicked, this, &Long_SMS_Dlg::CancelPressed);
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
