#pragma once
// The options window of the value list's text import: the file (which the user may change), the
// record fields the file fills and whether its records overwrite the list from row 0 or follow its
// last row. It only collects the options; the import reads the file.

#include <QDialog>

#include <atomic>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The placement of the list imports: true overwrites from row 0 (At Start), false appends (At End).
extern std::atomic<bool> overwrite_text_load_row;
// The result of the options window's last run: 1 OK, 0 Cancel.
extern std::atomic<int> Import_Error_Rerult;

class Import_From_Txt_File : public QDialog {
    Q_OBJECT
public:
    explicit Import_From_Txt_File(QWidget *parent = nullptr);
    ~Import_From_Txt_File() override;
    // The options window of the process: the first one made, until it is destroyed.
    static Import_From_Txt_File *imp_txt_Window;

    QLineEdit *file_path = nullptr;
    QCheckBox *chk_value = nullptr;
    QCheckBox *chk_header = nullptr;
    QCheckBox *chk_footer = nullptr;
    QCheckBox *chk_pq = nullptr;
    QRadioButton *radioButton_At_Start = nullptr;
    QRadioButton *radioButton_At_End = nullptr;
    QPushButton *browseButton = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

    // Runs the window modally; 1 after an accepted OK, 0 otherwise. Closing it counts as Cancel.
    int runWindow();

public slots:
    // With no field ticked says so and stays open; else sets overwrite_text_load_row and ends with 1.
    void OKPressed();
    void CancelPressed();
    void Start_Radio_Pressed();
    void End_Radio_Pressed();
    // Lets the user pick another text, RTF or CSV file for the path field.
    void BrowsePressed();

private:
    bool m_handled = false;
    int m_result = 0;
};
