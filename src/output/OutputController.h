#pragma once
// Output of the main window: the progress refresh of long jobs and the mail settings.

#include <QObject>

class QTimer;
class SKTWindowController;

class OutputController : public QObject {
    Q_OBJECT
public:
    explicit OutputController(SKTWindowController &hub);
    ~OutputController() override;

    SKTWindowController &hub;

    // The progress refresh of a running job: a GUI-thread timer copies the job's counters into the
    // sheet every 0.5 s (the worker only advances the counters and polls Stop_Processing_Now).
    void startTimerThread();
    void stopTimerThread();
    void Timer_Curr_Prg_Send_Modeless();
    void update_sending_progress_bar();
    // Start and end of a worker's job (callable from the worker): counters set, sheet shown and timer
    // started; then timer stopped and sheet hidden, also after a failure.
    void beginProgressJob(int total, int endIndex);
    void endProgressJob();
    QTimer *msend_modTimer = nullptr;

    // Copies the sender, password, SMTP server, port and SSL flag of the mail settings store into
    // the mail globals (output/MailGlobals.h).
    void Get_Email_Details();

    // ---- Barcode-mode record count ----
    // The Barcode mode's records: with batch values in use (the batch box and one of the value,
    // header and footer boxes ticked) the values of the value series when records come from series,
    // else the value-list rows; otherwise 1. Stored in Total_Label, Total_Batch_Excel_Card and
    // Total_Barcode_Label_wd_Batch.
    int Get_Barcode_Batch_Count();
};
