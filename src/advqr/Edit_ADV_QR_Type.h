#pragma once
// The QR payload editor: a modal dialog that changes the payload of a QR barcode object through
// the same type buttons and input panels as the Advanced QR mode. The caller hands it the stored
// payload, summary and type; it parses them into the type's panel, builds the payload again, and
// after OK the caller reads the type, the payload and the summary back.

#include "advqr/QrTypeMemory.h"

#include <QList>
#include <QObject>
#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QWidget;

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
    // The editor's own memory of the types that share a panel, emptied at every opening.
    QrTypeMemory AQR_Memory;
    bool ADV_QR_Var_loading = false;   // a type's panel is being filled

    QDialog *window = nullptr;
    QLabel *Sel_Qr_Type_Label = nullptr;
    QLineEdit *Selected_Qr_Category = nullptr;   // the type's title; the caller sets and reads it
    QList<QPushButton *> QR_Type_Buttons;
    QScrollArea *QR_Input_sclview = nullptr;
    QWidget *QR_Panel_Holder = nullptr;
    QPlainTextEdit *adv_qr_final_value = nullptr;
    QPushButton *reset_button = nullptr;
    QPushButton *ok_button = nullptr;
    QPushButton *cancel_button = nullptr;

    // The chosen type's title: the caller sets it before the run and reads it after.
    QString chosenType() const;
    void setChosenType(const QString &title);

    // Parses the stored payload into the type's panel, builds it again and runs the editor
    // modally; 1 after OK, 0 after Cancel or a failure (logged). The Advanced QR mode gets its
    // panel and its fields back when the editor closes.
    int Open_ADV_QR_EDIT_Window();
    // The stored payload and summary into the panel of the selected type.
    void Set_Text_On_Controls();
    // OK: the first failing check of the type's fields is shown and the editor stays open;
    // otherwise the run ends with 1.
    void OK_Clicked();
    void Cancel_Clicked();
    // Asks, then the type "Text" with "Sample Text", emptied panels and memory.
    void ADV_QR_Reset_All_Clicked();
    // A type button: its title, the heading and its panel.
    void QR_Text_Clicked(const QString &title);
    // The type's panel, its remembered inputs and prompts, shown in the editor's input area.
    void Show_Hide_QR_Type_Panel();
    void Load_Last_AQR_Values();
    void Save_Last_AQR_Values();
    // The payload and summary from the panel fields of the selected type.
    void Assign_QR_Value_Text_Acc_Type();
    // The trimmed payload into the payload view (an empty one as a single space); no symbol.
    void Set_Adv_Qr_Final_value(const QString &payload);
    QString Get_Adv_QR_Final_Str_Value() const;

private:
    Edit_ADV_QR_Type();
    void awakeFromNib();
    void endRun(int code);
    // The panel into the editor's input area; the one it replaces goes to the mode's holder.
    void showPanel(QWidget *panel);
    // The shown panel out of the input area, parked with the mode's panels.
    void releasePanel();
    QString m_payload;   // exactly as built: the view normalises line breaks
    bool m_runEnded = false;
    int m_runResult = 0;
};

// The editor, once made.
extern Edit_ADV_QR_Type *EDIT_QR_var;
