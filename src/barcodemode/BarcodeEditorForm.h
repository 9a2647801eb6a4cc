#pragma once
// The controls of the barcode settings editor that both of its places have: the Barcode mode of
// the main window and the barcode-object window. Each window makes them with its own layout and
// names them after their outlets; the editor's operations work on these fields in either window.

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QWidget;
namespace platform { class ColorWell; class PictureView; class Stepper; }

struct BarcodeEditorForm {
    // Symbology and value
    QComboBox *barcodeTypePopup = nullptr;
    QLineEdit *dataText = nullptr;
    QPlainTextEdit *dataText_2D = nullptr;
    QWidget *dataText_2D_scl_v = nullptr;   // the 2D value view's scroll view (the view itself here)
    QLineEdit *HeaderText = nullptr;
    QLineEdit *FooterText = nullptr;
    QPushButton *encode_btn = nullptr;

    // Settings tabs
    QTabWidget *sett_tab_barcode = nullptr;
    QWidget *general_tab_item_bar = nullptr;
    QWidget *Font_tab_item_bar = nullptr;
    QWidget *Color_tab_item_bar = nullptr;
    QWidget *dpi_tab_item = nullptr;
    QWidget *qr_logo_tab_item_sett = nullptr;
    QString general_tab_item_bar_label, Font_tab_item_bar_label, Color_tab_item_bar_label, dpi_tab_item_label,
        qr_logo_tab_item_sett_label;

    // Linear sizes
    QGroupBox *linear_sett_box = nullptr;
    QLabel *bar_height_label = nullptr;
    QLineEdit *HeightText = nullptr;
    platform::Stepper *HeightStepper = nullptr;
    QLabel *bar_width_label = nullptr;
    QLineEdit *widthText = nullptr;
    platform::Stepper *widthStepper = nullptr;

    // Margins
    QGroupBox *margin_box = nullptr;
    QLabel *val_mar_label = nullptr;
    QLineEdit *val_mar_Text = nullptr;
    platform::Stepper *val_mar_Stepper = nullptr;
    QLabel *hdr_mar_label = nullptr;
    QLineEdit *hdr_mar_Text = nullptr;
    platform::Stepper *hdr_mar_Stepper = nullptr;
    QLabel *ftr_mar_label = nullptr;
    QLineEdit *ftr_mar_Text = nullptr;
    platform::Stepper *ftr_mar_Stepper = nullptr;
    QLabel *TB_mar_label = nullptr;
    QLineEdit *TB_mar_Text = nullptr;
    platform::Stepper *TB_mar_Stepper = nullptr;
    QLabel *LR_mar_label = nullptr;
    QLineEdit *LR_mar_Text = nullptr;
    platform::Stepper *LR_mar_Stepper = nullptr;

    // Caption, header and footer options
    QCheckBox *captionCheckbox = nullptr;
    QCheckBox *showinTopCheckbox = nullptr;
    QCheckBox *hideHeaderCheckbox = nullptr;
    QCheckBox *hideFooterCheckbox = nullptr;
    QCheckBox *kerning_value_Checkbox = nullptr;
    QComboBox *align_hdr_combo = nullptr;
    QComboBox *align_ftr_combo = nullptr;
    QComboBox *bar_orient_combo = nullptr;

    // QR Code
    QGroupBox *two_d_sett_box = nullptr;
    QLineEdit *HeightText_2D = nullptr;
    platform::Stepper *HeightStepper_2D = nullptr;
    QComboBox *qr_version_ComboBox = nullptr;
    QComboBox *qr_ec_lvl_ComboBox = nullptr;
    QComboBox *qr_enc_mode_ComboBox = nullptr;
    QPushButton *qr_version_help_btn = nullptr;
    QPushButton *qr_ec_lvl_help_btn = nullptr;

    // PDF417
    QGroupBox *pdf_2d_sett_box = nullptr;
    QLineEdit *Pdf_widthText_2D = nullptr;
    platform::Stepper *Pdf_widthStepper_2D = nullptr;
    QLineEdit *pdf_HeightText_2D = nullptr;
    platform::Stepper *pdf_HeightStepper_2D = nullptr;
    QLineEdit *pdf_row_Text = nullptr;
    platform::Stepper *pdf_row_Stepper = nullptr;
    QLineEdit *pdf_col_Text = nullptr;
    platform::Stepper *pdf_col_Stepper = nullptr;
    QLineEdit *pdf_ec_lvl_Text = nullptr;
    platform::Stepper *pdf_ec_lvl_Stepper = nullptr;
    QPushButton *pdf_row_help_btn = nullptr;
    QPushButton *pdf_col_help_btn = nullptr;
    QPushButton *pdf_ec_lvl_help_btn = nullptr;

    // DataMatrix
    QGroupBox *dm_2d_sett_box = nullptr;
    QLineEdit *dm_moduleText_2D = nullptr;
    platform::Stepper *dm_moduleStepper_2D = nullptr;
    QLineEdit *dm_widthText_2D = nullptr;
    platform::Stepper *dm_widthStepper_2D = nullptr;
    QLineEdit *dm_HeightText_2D = nullptr;
    platform::Stepper *dm_HeightStepper_2D = nullptr;
    QComboBox *dm_format_ComboBox = nullptr;
    QComboBox *dm_encoding_ComboBox = nullptr;
    QPushButton *dm_format_help_btn = nullptr;
    QPushButton *dm_encoding_help_btn = nullptr;

    // Output resolution
    QGroupBox *dpi_box = nullptr;
    QComboBox *DPI_ComboBox = nullptr;
    QLineEdit *dpi_Text = nullptr;
    platform::Stepper *dpi_Stepper = nullptr;
    QPushButton *dpi_help_btn = nullptr;

    // Fonts
    QLabel *val_font_label = nullptr;
    QPushButton *val_font_btn = nullptr;
    QLineEdit *value_font_value = nullptr;
    QPushButton *hdr_font_btn = nullptr;
    QLineEdit *header_font_value = nullptr;
    QPushButton *ftr_font_btn = nullptr;
    QLineEdit *footer_font_value = nullptr;

    // Colours and background
    platform::ColorWell *barcode_clr = nullptr;
    QLabel *bar_clr_label = nullptr;
    platform::ColorWell *bar_back_clr = nullptr;
    QLabel *bar_bk_clr_label = nullptr;
    platform::ColorWell *bar_val_clr = nullptr;
    QLabel *val_clr_label = nullptr;
    platform::ColorWell *bar_hdr_clr = nullptr;
    platform::ColorWell *bar_ftr_clr = nullptr;
    QRadioButton *brcd_bk_clr_rd = nullptr;
    QRadioButton *brcd_bk_clr_trnsp_rd = nullptr;
    QCheckBox *transparent_bkgnd = nullptr;

    // QR logo
    QCheckBox *Use_Logo_chk = nullptr;
    QGroupBox *Use_logo_box = nullptr;
    QPlainTextEdit *Use_logo_path = nullptr;
    platform::PictureView *Use_Logo_Image_View = nullptr;
    QPushButton *Use_browse_logo_btn = nullptr;

    // Preview
    QScrollArea *image_scroll = nullptr;
    platform::PictureView *barcodeImage = nullptr;
    QLabel *barcode_error_label = nullptr;
    QComboBox *bar_align_combo = nullptr;
};

// Item lists of the editor's combo boxes.
namespace barcode_editor_items {
QStringList alignments();        // "Left", "Center", "Right" (item 1 is the default)
QStringList orientations();
QStringList qrVersions();        // "Auto", then "1" .. "40"
QStringList qrLevels();          // "L", "M", "Q", "H"
QStringList qrEncodingModes();
QStringList dpiItems();          // "Auto", "Custom", then resolutions that begin with their number
QStringList previewAlignments(); // "Center", "Top", "TopLeft", "TopRight", "Left", "Bottom", "BottomLeft", "BottomRight", "Right"
QStringList dataMatrixSizes();
QStringList dataMatrixEncodings();
} // namespace barcode_editor_items
