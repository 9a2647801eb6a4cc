#pragma once
// The progress sheet of long jobs: progress bar, running figure, total and a Stop button.

#include <QObject>
#include <QString>
#include <atomic>

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;

// Job counters shared by the export and PDF jobs (one job at a time). The worker writes them and the
// GUI thread's refresh reads them, so they are atomic.
extern std::atomic<double> curr_card_count;
extern std::atomic<int> show_count;
extern std::atomic<int> list_count;
extern QString curr_msg_count;   // GUI thread only

class Send_Modeless : public QObject {
    Q_OBJECT
public:
    static Send_Modeless *defaultInstance();

    void Stop_Sending_Pressed();
    // Start step 2 of a job: the Stop button enabled, the bar at 0 of total, "%d" and "%d / %d ".
    void prepareForJob(int total);
    // Copies the counters into the sheet (every 0.5 s while a job runs).
    void update_sending_progress_bar();

    QDialog *window = nullptr;
    QLabel *_tot_msg_cnt = nullptr;
    QLabel *_curr_msg_cnt = nullptr;
    QProgressBar *_Curr_Progress = nullptr;
    QPushButton *_stop_btn = nullptr;
    QLabel *pause_label = nullptr;
    // The running figure is the count itself (mail, cropping) rather than the records begun + 1.
    bool countFigure = false;

private:
    Send_Modeless();
    void awakeFromNib();
};
