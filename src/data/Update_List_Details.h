#pragma once
// The edit-row sheet of the Barcode mode's value list: one record's value, header, footer and print
// quantity, and its row. OK writes the record back through the list's replacement rule.

#include <QDialog>

class QLineEdit;
class QPushButton;
class ValueListHost;

class Update_List_Details : public QDialog {
    Q_OBJECT
public:
    // list: the value list the sheet edits; its owner fills the fields before each run.
    explicit Update_List_Details(ValueListHost &list, QWidget *parent = nullptr);

    QLineEdit *m_bar_value_str = nullptr;
    QLineEdit *m_bar_hdr_str = nullptr;
    QLineEdit *m_bar_ftr_str = nullptr;
    QLineEdit *m_bar_pq_str = nullptr;
    QLineEdit *m_s_indx_str = nullptr;   // the row, not shown
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

    // Runs the sheet modally on the fields as filled; answers 1 after OK, 0 after Cancel. Closing it
    // any other way counts as the button of the same result.
    int runSheet();

public slots:
    // Replaces the record of the row field with the four texts, reloads the list, empties the
    // fields; ends with 1 (also when the replacement failed, after showing why).
    void OKPressed();
    // Empties the fields; ends with 0.
    void CancelPressed();

private:
    void emptyFields();
    ValueListHost &m_list;
    bool m_handled = false;
    int m_result = 0;
};
