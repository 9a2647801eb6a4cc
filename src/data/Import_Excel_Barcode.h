#pragma once
// The window that fills the Barcode mode's value list from a workbook: the sheet, one column for
// each record field the user ticks, whether the first row holds titles, and whether the records
// overwrite the list from its first row (At Start) or follow its last row (At End).

#include "io/SpreadsheetWriter.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ValueListHost;

class Import_Excel_Barcode : public QDialog {
    Q_OBJECT
public:
    // list: the value list the window fills.
    explicit Import_Excel_Barcode(ValueListHost &list, QWidget *parent = nullptr);

    QLineEdit *file_path = nullptr;
    QCheckBox *contains_header = nullptr;
    QComboBox *Sheet_ComboBox = nullptr;
    QCheckBox *chk_value = nullptr;
    QCheckBox *chk_header = nullptr;
    QCheckBox *chk_footer = nullptr;
    QCheckBox *chk_pq = nullptr;
    QComboBox *value_ComboBox = nullptr;
    QComboBox *header_ComboBox = nullptr;
    QComboBox *footer_ComboBox = nullptr;
    QComboBox *pq_ComboBox = nullptr;
    QRadioButton *radioButton_At_Start = nullptr;
    QRadioButton *radioButton_At_End = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

    int val_col = -1, hdr_col = -1, ftr_col = -1, pq_col = -1;
    SpreadsheetWriter::Rows excel_content;
    QList<SpreadsheetWriter::Sheet> sheets;   // the sheet box's items, with their worksheet parts

    // Resets the window, loads the workbook and runs the window modally. A workbook that cannot be
    // read gets the message and no window.
    void Open_excel_Wnd(const QString &path);

public slots:
    void OKPressed();
    void CancelPressed();
    void Start_Radio_Pressed();
    void End_Radio_Pressed();
    void VAL_Chkbox_Checked();
    void HDR_Chkbox_Checked();
    void FTR_Chkbox_Checked();
    void PQT_Chkbox_Checked();
    // The sheet box reads the sheet's first row as the column titles; a column box stores its column.
    void comboBoxSelectionDidChange(QComboBox *combo);

private:
    bool Load_file_Func(const QString &path);
    void Refresh_Column_Combo();
    void Insert_file_Func(const QString &path);
    void finish(int code);

    ValueListHost &m_list;
    bool m_handled = false;
};
