#include "output/Send_Modeless.h"

#include "core/Messages.h"

#include "ui_Send_Modeless.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <exception>

std::atomic<double> curr_card_count{0};
std::atomic<int> show_count{0};
std::atomic<int> list_count{0};
QString curr_msg_count;

namespace {
Send_Modeless *sendModelessInstance = nullptr;

void bindProgressSheet(Send_Modeless &s, const Ui::Send_Modeless &ui)
{
    s._Curr_Progress = ui._Curr_Progress;
    s._tot_msg_cnt = ui._tot_msg_cnt;
    s._curr_msg_cnt = ui._curr_msg_cnt;
    s.pause_label = ui.pause_label;
    s._stop_btn = ui._stop_btn;
}
} // namespace

Send_Modeless *Send_Modeless::defaultInstance()
{
    if (!sendModelessInstance)
        sendModelessInstance = new Send_Modeless;   // lives for the whole process
    else if (!sendModelessInstance->window)
        sendModelessInstance->awakeFromNib();   // the sheet went with the main window it was shown over
    return sendModelessInstance;
}

Send_Modeless::Send_Modeless()
{
    awakeFromNib();
}

void Send_Modeless::awakeFromNib()
{
    window = new QDialog;
    Ui::Send_Modeless ui;
    ui.setupUi(window);
    bindProgressSheet(*this, ui);
    connect(_stop_btn, &QPushButton::clicked, this, &Send_Modeless::Stop_Sending_Pressed);
    // Shown as a sheet, the window becomes the main window's child and ends with it; then none of
    // its widgets may be reached any more.
    connect(window, &QObject::destroyed, this, [this] {
        window = nullptr;
        _Curr_Progress = nullptr;
        _tot_msg_cnt = _curr_msg_cnt = pause_label = nullptr;
        _stop_btn = nullptr;
    });
}

void Send_Modeless::Stop_Sending_Pressed()
{
    // The job holds while the user decides, as a print does: nothing more is written meanwhile.
    Stop_Question_Open = true;
    struct Release {
        ~Release()
        {
            Stop_Question_Open = false;
            Stop_Question_Open.notify_all();
        }
    } release;
    if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure you want to stop?")) == 1)
        Stop_Processing_Now = true;
}

void Send_Modeless::prepareForJob(int total)
{
    _stop_btn->setEnabled(true);
    _Curr_Progress->setRange(0, total);
    _Curr_Progress->setValue(0);
    _tot_msg_cnt->setText(QString::asprintf("%d", total));
    _curr_msg_cnt->setText(QString::asprintf("%d / %d ", 0, total));
}

void Send_Modeless::update_sending_progress_bar()
{
    try {
        const int total = show_count;
        const double done = curr_card_count;
        _Curr_Progress->setValue(int(done));
        int figure = countFigure ? int(done) : int(done + 1);
        if (figure > total)
            figure = total;
        curr_msg_count = QString::asprintf("%d / %d ", figure, total);
        _curr_msg_cnt->setText(curr_msg_count);
        _tot_msg_cnt->setText(QString::asprintf("%d", total));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
