#pragma once
// The small modal dialog that asks the name of a custom label-sheet product before it is saved.

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

class Custom_Product_Label : public QDialog {
    Q_OBJECT
public:
    // The one instance, made with its form on first use.
    static Custom_Product_Label *defaultInstance();

    QLineEdit *prod_number = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QString custom_prod_name;   // the name OK accepted last, for the window that asked

    // The trimmed name cleaned of reserved characters into custom_prod_name, ending the run with 1;
    // a name that cleans to nothing gets "Please enter product number." and the dialog stays open.
    void OKPressed();
    // Empties the name and ends the run with 0.
    void CancelPressed();

private:
    explicit Custom_Product_Label(QWidget *parent = nullptr);
};
