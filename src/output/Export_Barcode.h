#pragma once
// The options dialog of the image export in the Barcode and the Advanced QR mode: format, naming
// rule with prefix and suffix or a custom name, record range, skip-invalid choice and destination.
// Its Export checks the entries and leaves them in the export globals. One dialog for the process.

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class BarcodeModeOutput;
namespace platform { class Stepper; }
namespace recordrange { struct Choice; }
namespace Ui { class Export_Barcode; }

class Export_Barcode : public QDialog {
    Q_OBJECT
public:
    static Export_Barcode *defaultInstance();
    explicit Export_Barcode(QWidget *parent = nullptr);
    ~Export_Barcode() override;

    // What the opening depends on.
    struct OpenState {
        bool batch = false;        // batch values in use (Use_Data_Sheet_Values)
        bool fromSeries = false;   // the value comes from a series
        bool advancedQr = false;   // the Advanced QR mode
    };
    // The state of the main window's Barcode or Advanced QR mode (the mode global and the Barcode
    // mode's batch box).
    static OpenState stateOf(const BarcodeModeOutput &barcode);
    // Resets the dialog for the state, runs it modally and answers 1 for Export, 0 for Cancel.
    int Open_Export_Dialog(const OpenState &state);
    // Runs the dialog in place of the modal loop when set (tests): answers its result.
    std::function<int(QDialog &)> Run_Dialog;

    // ---- Handlers ----
    void OKPressed(QObject *sender = nullptr);
    void CancelPressed(QObject *sender = nullptr);
    void Export_Barcode_Dest_Path_Clicked(QObject *sender = nullptr);
    void Prefix_suffix_Chk_Cliecked(QObject *sender = nullptr);
    void exp_rad_def_rd_clicked(QObject *sender = nullptr);
    void exp_rad_sv_rd_clicked(QObject *sender = nullptr);
    void exp_rad_sn_rd_clicked(QObject *sender = nullptr);
    void exp_rad_snv_rd_clicked(QObject *sender = nullptr);
    void exp_rad_hdr_rd_clicked(QObject *sender = nullptr);
    void exp_rad_ftr_rd_clicked(QObject *sender = nullptr);
    void exp_rad_cus_rd_clicked(QObject *sender = nullptr);
    void export_barcode_file_name_CellClick(QObject *sender = nullptr);
    void All_print_RD_Clicked(QObject *sender = nullptr);
    void Sel_Print_RD_Clicked(QObject *sender = nullptr);
    void From_Stepper_Changed(QObject *sender);
    void To_Stepper_Changed(QObject *sender);
    void Total_Val_Changed(QObject *sender);
    void Set_Tot_Value(int value, int max, const QString &setFor);
    void controlTextDidChange(QObject *field);
    void Skip_Inavlid_Checked(QObject *sender = nullptr);
    // The groups shown for the batch state.
    void Show_Hide_Range_Box(bool batch, bool fromSeries);

    // ---- Outlets ----
    QComboBox *ex_bar_image_type_combo = nullptr;
    QButtonGroup *ex_bar_matrix_file_name = nullptr;
    QRadioButton *exp_rad_def = nullptr, *exp_rad_sv = nullptr, *exp_rad_sn = nullptr, *exp_rad_snv = nullptr,
                 *exp_rad_hdr = nullptr, *exp_rad_ftr = nullptr, *exp_rad_cus = nullptr;
    QLineEdit *ex_bar_cus_name = nullptr;
    QCheckBox *prefix_suffix_chk_box = nullptr;
    QGroupBox *prefix_sufix_box = nullptr;
    QLineEdit *ex_bar_prefix = nullptr, *ex_bar_suffix = nullptr;
    QRadioButton *All_print_rd = nullptr, *Sel_print_rd = nullptr;
    platform::Stepper *from_Stepper = nullptr, *To_Stepper = nullptr, *Total_Stepper = nullptr;
    QLineEdit *from_Text = nullptr, *To_Text = nullptr, *Total_Text = nullptr;
    QLabel *from_label = nullptr, *to_label = nullptr, *tot_label = nullptr;
    QGroupBox *export_range_box = nullptr;
    QCheckBox *skip_inavlid_chk = nullptr;
    QLineEdit *Export_barcode_Dest_Path = nullptr;
    QPushButton *Export_barcode_Dest_Path_btn = nullptr;
    QPushButton *export_btn_on_export_image = nullptr, *export_cancel_btn = nullptr;
    QGroupBox *series_radio_box = nullptr, *lower_path_btn_box = nullptr;

private:
    void selectRow(int row);
    recordrange::Choice rangeChoice() const;
    void wire();
    std::unique_ptr<Ui::Export_Barcode> ui;
    bool m_batch = false;
};
