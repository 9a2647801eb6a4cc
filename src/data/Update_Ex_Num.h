#pragma once
// The series manager's value editor: one value of its value table, edited in place. The manager
// fills the three fields and runs it; OK writes the trimmed value back into the table.

#include <QDialog>

class BatchWizard;
class QLineEdit;
class QPushButton;

class Update_Ex_Num : public QDialog {
    Q_OBJECT
public:
    explicit Update_Ex_Num(BatchWizard &owner, QWidget *parent = nullptr);

    QLineEdit *m_ex_num_str = nullptr;     // the value as the user edits it
    QLineEdit *m_s_number = nullptr;       // the value before editing, not shown
    QLineEdit *m_ex_num_index = nullptr;   // the row, not shown
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

    // Runs the editor modally on the fields as filled; 1 after OK, 0 after Cancel or closing it.
    int runEditor();

public slots:
    // Unchanged: ends with 1. Blank: says so and stays open. Else replaces the row's value with
    // the trimmed text, empties the fields and ends with 1.
    void OKPressed();
    // Empties the fields; ends with 0.
    void CancelPressed();
    void controlTextDidChange(QObject *control);

private:
    void emptyFields();
    BatchWizard &m_owner;
    bool m_handled = false;
    int m_result = 0;
};
