#pragma once
// The import wizard: series values from a spreadsheet's columns, a text, CSV or RTF file, typed or
// pasted text, or the image files of a folder. The caller sets file_name_required and
// file_name_Insert, then calls Open_Wnd.

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class Import_Wizard : public QDialog {
    Q_OBJECT
public:
    // The one wizard of the process, made on first use.
    static Import_Wizard *defaultInstance();

    int import_option = 0;        // 0 spreadsheet, 1 text file, 2 typed text, 3 image folder
    int file_name_required = 0;   // 1: a new series file named by the user; 0: the manager's value table
    int file_name_Insert = 0;     // 1: the series manager's list is reloaded afterwards

    QRadioButton *Excel_RD = nullptr;
    QRadioButton *Text_RD = nullptr;
    QRadioButton *Mnul_RD = nullptr;
    QRadioButton *Image_RD = nullptr;
    QLineEdit *Excel_path = nullptr;
    QPushButton *Excel_btn = nullptr;
    QLineEdit *Text_path = nullptr;
    QPushButton *Text_btn = nullptr;
    QLineEdit *Text_file_name = nullptr;
    QPlainTextEdit *ManualEdit = nullptr;
    QLineEdit *Manual_file_name = nullptr;
    QLineEdit *Image_path = nullptr;
    QPushButton *Image_btn = nullptr;
    QLineEdit *Image_file_name = nullptr;
    QLabel *Text_file_lbl = nullptr;
    QLabel *Manual_file_lbl = nullptr;
    QLabel *Image_file_lbl = nullptr;
    QPushButton *ok_btn = nullptr;
    QPushButton *cancel_btn = nullptr;
    QPushButton *help_btn = nullptr;
    QDialog *plz_wait_Window = nullptr;

    // Resets the wizard to the spreadsheet source and runs it modally.
    void Open_Wnd();

    void Excel_RD_Pressed();
    void Text_RD_Pressed();
    void Manual_RD_Pressed();
    void Image_RD_Pressed();
    void Browse_Excel_Pressed();
    void Browse_Text_Pressed();
    void Browse_Image_Pressed();
    void OKPressed();
    void CancelPressed();
    void HelpPressed();

    // The workers: 1 when the wizard may close, 0 when it stays open.
    int Create_And_Save_Text_Data_Sheet(const QString &path);
    int Create_And_Save_Manual_Paste_data_Sheet();
    int Create_And_Save_Image_data_Sheet(const QString &path);

protected:
    // Return in a path field only ends the typing of the path: the wizard imports on OK alone.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Import_Wizard();
    void chooseSource(int option);
    bool nameIsValid(QLineEdit *field) const;
    // Hands each value to the visitor in order until it answers false; false then.
    using ValueWalk = std::function<bool(const std::function<bool(const QString &)> &visit)>;
    // Writes the values as the named series, or hands them to the series manager; false to stay open.
    bool deliver(QLineEdit *nameField, const ValueWalk &values);
    bool deliver(QLineEdit *nameField, const QStringList &values);
    QString browse(const QStringList &extensions, bool folders);
};
