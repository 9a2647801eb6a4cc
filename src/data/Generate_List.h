#pragma once
// The series generator: a sequence, a constant or random numbers, delivered as a new series file
// or into the series manager's value table. The caller sets file_name_required and
// file_name_Insert, then calls Open_Wnd.

#include "data/GeneratorFields.h"
#include "data/SeriesGenerator.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
namespace platform { class Stepper; }

class Generate_List : public QDialog {
    Q_OBJECT
public:
    // The one generator of the process, made on first use (Gen_List_Window).
    static Generate_List *defaultInstance();

    // 1: write a new series file; else hand the values to the series manager's value table.
    int file_name_required = 0;
    // 1: reload the series manager's list of series afterwards.
    int file_name_Insert = 0;

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
    QLineEdit *seq_file_name = nullptr;
    QLineEdit *const_file_name = nullptr;
    QLineEdit *rndm_file_name = nullptr;
    QLabel *seq_file_lbl = nullptr;
    QLabel *const_file_lbl = nullptr;
    QLabel *rndm_file_lbl = nullptr;
    QPushButton *ok_btn = nullptr;
    QPushButton *cancel_btn = nullptr;

    // Resets the dialog and runs it modally until OK or Cancel.
    void Open_Wnd();

    void Sequintial_Radio_Pressed();
    void Constant_Radio_Pressed();
    void Random_Radio_Pressed();
    // Checks, generates, delivers and ends with 1; a refusal keeps the dialog open.
    void OKPressed();
    // Ends with 0; nothing is written.
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
    Generate_List();
    void switchMode(series_generator::Mode mode);
    QLineEdit *nameField() const;
    QLineEdit *fieldOf(series_generator::Field field) const;
    bool deliverToFile(const series_generator::Input &in);
    void deliverToManager(const series_generator::Input &in);
    generator_fields::Fields countFields() const;
};
