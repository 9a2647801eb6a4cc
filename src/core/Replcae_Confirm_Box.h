#pragma once
// The keep-or-replace prompt of the jobs that write files: keep the existing file (and write the
// new one under another name), replace it, or cancel, with a box that makes the answer stand for
// the rest of the run. The answer goes to replace_keep_file_flag (0..5) and Msg_Apply_All_Chk.

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Replcae_Confirm_Box : public QDialog {
    Q_OBJECT
public:
    // The one prompt of the process, made on first use.
    static Replcae_Confirm_Box *defaultInstance();

    // Set by the caller before Open_box_in_thread.
    QString title_val;
    QString msg_val_str;
    QString file_path_str;
    bool apply_chk_show = false;
    QWidget *parent_window_id = nullptr;

    QLabel *_Msg_Title = nullptr;
    QLabel *_Msg_Val = nullptr;
    QLineEdit *path_control = nullptr;   // holds the path; never shown
    QCheckBox *apply_chk = nullptr;
    QPushButton *keep_btn = nullptr;
    QPushButton *replace_btn = nullptr;
    QPushButton *cancel_btn = nullptr;

    // Shows the prompt on the GUI thread and waits for the answer, from any thread.
    void Open_box_in_thread();
    // Shows the prompt and runs it modally (GUI thread); answers 1 after Keep, 0 otherwise.
    int Open_Replace_Dialog();

    void Keep_Pressed();
    void Replace_Pressed();
    void CancelPressed();
    void Apply_all_chked();

    // Closing the prompt any other way (Escape, the window's close box) is Cancel.
    void reject() override;

private:
    Replcae_Confirm_Box();
    void answer(int flag, int code);
    bool m_answered = false;
};
