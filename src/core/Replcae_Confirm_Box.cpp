#include "core/Replcae_Confirm_Box.h"

#include "core/Messages.h"
#include "platform/Dialogs.h"
#include "platform/GuiThread.h"

#include "ui_Replcae_Confirm_Box.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include <atomic>
#include <exception>

namespace {
void bindForm(Replcae_Confirm_Box &box, const Ui::Replcae_Confirm_Box &ui)
{
    box._Msg_Title = ui._Msg_Title;
    box._Msg_Val = ui._Msg_Val;
    box.path_control = ui.path_control;
    box.apply_chk = ui.apply_chk;
    box.keep_btn = ui.keep_btn;
    box.replace_btn = ui.replace_btn;
    box.cancel_btn = ui.cancel_btn;
}
} // namespace

Replcae_Confirm_Box *Replcae_Confirm_Box::defaultInstance()
{
    // Made on the GUI thread whichever thread asks first (export workers ask): a widget belongs to
    // the thread that made it. The making runs on the GUI thread one at a time, so the second check
    // there makes it once.
    static std::atomic<Replcae_Confirm_Box *> instance{nullptr};
    if (!instance.load())
        platform::runOnGuiThreadAndWait([] {
            if (!instance.load())
                instance.store(new Replcae_Confirm_Box);   // lives for the whole process
        });
    return instance.load();
}

Replcae_Confirm_Box::Replcae_Confirm_Box()
{
    Ui::Replcae_Confirm_Box ui;
    ui.setupUi(this);
    bindForm(*this, ui);
    path_control->hide();
    connect(keep_btn, &QPushButton::clicked, this, &Replcae_Confirm_Box::Keep_Pressed);
    connect(replace_btn, &QPushButton::clicked, this, &Replcae_Confirm_Box::Replace_Pressed);
    connect(cancel_btn, &QPushButton::clicked, this, &Replcae_Confirm_Box::CancelPressed);
    connect(apply_chk, &QCheckBox::clicked, this, &Replcae_Confirm_Box::Apply_all_chked);
}

void Replcae_Confirm_Box::Open_box_in_thread()
{
    platform::runOnGuiThreadAndWait([this] { Open_Replace_Dialog(); });
}

int Replcae_Confirm_Box::Open_Replace_Dialog()
{
    try {
        _Msg_Title->setText(title_val);
        _Msg_Val->setText(msg_val_str);
        path_control->setText(file_path_str);
        path_control->hide();
        apply_chk->setVisible(apply_chk_show);
        // A box the user cannot see applies nothing to the rest of the run.
        apply_chk->setChecked(apply_chk_show && Msg_Apply_All_Chk);
        adjustSize();
        // In front of the caller's window; not its child, since the prompt outlives any window.
        if (parent_window_id && parent_window_id->window()->windowHandle()) {
            winId();
            windowHandle()->setTransientParent(parent_window_id->window()->windowHandle());
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    m_answered = false;
    keep_btn->setFocus();
    const int code = platform::runModal(*this);
    // A run that ended without an answer counts as Cancel, so that a stale answer never replaces a file.
    if (!m_answered)
        CancelPressed();
    hide();
    return m_answered && code == 1 ? 1 : 0;
}

void Replcae_Confirm_Box::answer(int flag, int code)
{
    replace_keep_file_flag = flag;
    m_answered = true;
    done(code);
}

void Replcae_Confirm_Box::Keep_Pressed()
{
    Msg_Apply_All_Chk = apply_chk->isChecked();
    answer(Msg_Apply_All_Chk ? 3 : 1, 1);
}

void Replcae_Confirm_Box::Replace_Pressed()
{
    Msg_Apply_All_Chk = apply_chk->isChecked();
    answer(Msg_Apply_All_Chk ? 2 : 0, 0);
}

void Replcae_Confirm_Box::CancelPressed()
{
    Msg_Apply_All_Chk = apply_chk->isChecked();
    if (Msg_Apply_All_Chk)
        Stop_Processing_Now = true;
    answer(Msg_Apply_All_Chk ? 5 : 4, 0);
}

void Replcae_Confirm_Box::Apply_all_chked() {}

void Replcae_Confirm_Box::reject()
{
    if (!m_answered)
        CancelPressed();
    else
        QDialog::reject();
}
