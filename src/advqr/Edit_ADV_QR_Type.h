#pragma once
// The QR payload editor: a modal dialog in which the payload of a QR barcode object is edited with
// its type. The caller hands it the stored payload, summary and type and reads them back after OK.
// This editor edits the payload as text under a chosen type; its summary is the payload.

#include <QObject>
#include <QString>

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Edit_ADV_QR_Type : public QObject {
    Q_OBJECT
public:
    // The one editor of the process, made on first use.
    static Edit_ADV_QR_Type *defaultInstance();

    // Set by the caller before the run.
    QString Final_adv_qr_val;   // the stored payload
    QString DisP_adv_qr_val;    // the stored summary
    // Read by the caller after the run.
    QString SEL_QR_DISPLAY_VALUE;   // the summary of the last build

    QDialog *window = nullptr;
    QLabel *Sel_Qr_Type_Label = nullptr;
    QLineEdit *Selected_Qr_Category = nullptr;   // the type's title; the caller sets and reads it
    QComboBox *qr_type_list = nullptr;           // the types to choose from
    QPlainTextEdit *adv_qr_final_value = nullptr;
    QPushButton *ok_button = nullptr;
    QPushButton *cancel_button = nullptr;

    // Shows the stored payload under its type and runs the editor modally; 1 after OK, 0 after
    // Cancel or a failure (logged).
    int Open_ADV_QR_EDIT_Window();
    // OK: an empty payload is refused ("Please enter text.") and the editor stays open; otherwise
    // the run ends with 1.
    void OK_Clicked();
    void Cancel_Clicked();
    // A type was chosen: its title and the heading.
    void QR_Text_Clicked(const QString &title);
    // The payload and summary from the fields.
    void Assign_QR_Value_Text_Acc_Type();
    // The trimmed payload into the payload view (an empty one as a single space).
    void Set_Adv_Qr_Final_value(const QString &payload);
    QString Get_Adv_QR_Final_Str_Value() const;

private:
    Edit_ADV_QR_Type();
    void awakeFromNib();
    void endRun(int code);
    bool m_runEnded = false;
    int m_runResult = 0;
};

// The editor, once made.
extern Edit_ADV_QR_Type *EDIT_QR_var;
