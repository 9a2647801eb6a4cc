#pragma once
// The export-done box: tells the user that an export has been written, shows where, and offers to
// open the result. One box serves every export of the system.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

class Open_Export_Log : public QDialog {
    Q_OBJECT
public:
    explicit Open_Export_Log(QWidget *parent = nullptr);

    QCheckBox *_open_log_chk = nullptr;    // asks to open the result
    QLabel *_open_log_path = nullptr;      // Export_File_Path
    QLabel *_open_log_message = nullptr;   // Export_File_Message
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

    // Whether one of the buttons' handlers has run for the current showing.
    bool handled() const { return m_handled; }

public slots:
    // Opens Export_File_Path when the box is ticked; then ticks the box, empties both globals and
    // closes with 1.
    void OKPressed();
    // Ticks the box, empties both globals and closes with 0.
    void CancelPressed();

private:
    void finish(int code);
    bool m_handled = false;
};

// Fills and runs the box for Export_File_Path and Export_File_Message and returns once it is
// closed. Runs on the GUI thread; a worker's call waits for it.
void Open_Export_File_Box();
