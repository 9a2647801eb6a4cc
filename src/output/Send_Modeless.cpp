#include "output/Send_Modeless.h"

#include "core/Globals.h"
#include "core/Messages.h"

#include <QDialog>
#include <QGridLayout>
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
}

Send_Modeless *Send_Modeless::defaultInstance()
{
    if (!sendModelessInstance)
        sendModelessInstance = new Send_Modeless;   // lives for the whole process
    return sendModelessInstance;
}

Send_Modeless::Send_Modeless()
{
    awakeFromNib();
}

void Send_Modeless::awakeFromNib()
{
    window = new QDialog;
    window->setObjectName(QStringLiteral("Send_Models_Window"));
    window->setWindowTitle(QStringLiteral("Progress"));
    auto *grid = new QGridLayout(window);
    _Curr_Progress = new QProgressBar(window);
    _Curr_Progress->setObjectName(QStringLiteral("_Curr_Progress"));
    _Curr_Progress->setTextVisible(false);
    auto *totalLabel = new QLabel(QStringLiteral("Total:"), window);
    _tot_msg_cnt = new QLabel(QStringLiteral("0"), window);
    _tot_msg_cnt->setObjectName(QStringLiteral("_tot_msg_cnt"));
    auto *currentLabel = new QLabel(QStringLiteral("Processing:"), window);
    _curr_msg_cnt = new QLabel(QStringLiteral("0 / 0 "), window);
    _curr_msg_cnt->setObjectName(QStringLiteral("_curr_msg_cnt"));
    pause_label = new QLabel(window);
    pause_label->setObjectName(QStringLiteral("pause_label"));
    _stop_btn = new QPushButton(QStringLiteral("Stop"), window);
    _stop_btn->setObjectName(QStringLiteral("_stop_btn"));
    grid->addWidget(_Curr_Progress, 0, 0, 1, 4);
    grid->addWidget(currentLabel, 1, 0);
    grid->addWidget(_curr_msg_cnt, 1, 1);
    grid->addWidget(totalLabel, 1, 2);
    grid->addWidget(_tot_msg_cnt, 1, 3);
    grid->addWidget(pause_label, 2, 0, 1, 3);
    grid->addWidget(_stop_btn, 2, 3);
    window->setMinimumWidth(380);
    connect(_stop_btn, &QPushButton::clicked, this, &Send_Modeless::Stop_Sending_Pressed);
}

void Send_Modeless::Stop_Sending_Pressed()
{
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
        int figure = int(done + 1);
        if (figure > total)
            figure = total;
        curr_msg_count = QString::asprintf("%d / %d ", figure, total);
        _curr_msg_cnt->setText(curr_msg_count);
        _tot_msg_cnt->setText(QString::asprintf("%d", total));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
