#pragma once
// The Barcode mode's list generator: a sequence, a constant or random numbers, put into the chosen
// fields of the value list's records, over the records from the first row on (At Start) or as new
// records after the last (At End).

#include "data/GeneratorFields.h"
#include "data/SeriesGenerator.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ValueListHost;
namespace platform { class Stepper; }

class Generate_List_Barcode : public QDialog {
    Q_OBJECT
public:
    // The one list generator of the process, made on first use (Gen_List_Wnd_Bar).
    static Generate_List_Barcode *defaultInstance();

    QRadioButton *radioButton_Sequntial = nullptr;
    QRadioButton *radioButton_Constant = nullptr;
    QRadioButton *radioButton_Random = nullptr;
    QGroupBox *seq_box = nullptr;
    QGroupBox *const_box = nullptr;
    QGroupBox *rand_box = nullptr;
    QLineEdit *prefix_txt = nullptr;
    QLineEdit *suffix_txt = nullptr;
    QLineEdit *from_txt = nullptr;
    QLineEdit *to_txt = nullptr;
    QCheckBox *manage_digit_chk = nullptr;
    QPushButton *help_btn = nullptr;
    QLineEdit *value_txt = nullptr;
    QLineEdit *count_txt = nullptr;
    platform::Stepper *count_stepper = nullptr;
    QLineEdit *rand_prefix_txt = nullptr;
    QLineEdit *rand_suffix_txt = nullptr;
    QLineEdit *rand_length_txt = nullptr;
    platform::Stepper *rand_length_stepper = nullptr;
    QLineEdit *rand_count_txt = nullptr;
    platform::Stepper *rand_count_stepper = nullptr;
    // The record fields that receive each value (the "Create List Option").
    QCheckBox *chk_value = nullptr;
    QCheckBox *chk_header = nullptr;
    QCheckBox *chk_footer = nullptr;
    QCheckBox *chk_pq = nullptr;
    QRadioButton *radioButton_At_Start = nullptr;
    QRadioButton *radioButton_At_End = nullptr;
    QPushButton *ok_btn = nullptr;
    QPushButton *cancel_btn = nullptr;

    // Resets the dialog and runs it modally until OK or Cancel; OK puts the values into list.
    void Open_Wnd(ValueListHost &list);

    void Sequintial_Radio_Pressed();
    void Constant_Radio_Pressed();
    void Random_Radio_Pressed();
    void Start_Radio_Pressed();
    void End_Radio_Pressed();
    // Checks, fills the list and ends with 1; a refusal keeps the dialog open.
    void OKPressed();
    // Ends with 0; the list is unchanged.
    void CancelPressed();
    void Count_Stepper_Pressed(QObject *sender);
    void Random_Length_Stepper_Pressed(QObject *sender);
    void Random_Count_Stepper_Pressed(QObject *sender);
    // The limits of a count or length field, once its editing ends.
    void controlTextDidChange(QObject *control);
    void Help_btn_Pressed();

    // The fields as typed, in the chosen mode.
    series_generator::Input input() const;

private:
    Generate_List_Barcode();
    void switchMode(series_generator::Mode mode);
    QLineEdit *fieldOf(series_generator::Field field) const;
    void fillList(ValueListHost &list, const series_generator::Input &in);
    generator_fields::Fields countFields() const;
    ValueListHost *m_list = nullptr;   // while a run lasts
};
