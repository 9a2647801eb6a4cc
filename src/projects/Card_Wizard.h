#pragma once
// The new-design wizard: the card's size (label stock, typed millimetres or the printer's paper),
// then its shape, border and background; or a project file to open; or, in the QR edition, a
// template from the gallery. The start flow copies its choices into the card.

#include "outputjobs/Product_Details.h"

#include <QDialog>
#include <QString>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class ImageBrowserModel;
class ProjectsController;
namespace platform {
class ColorWell;
class Stepper;
}

class Card_Wizard : public QDialog {
    Q_OBJECT
public:
    // The one instance, made with its form on first use for the projects part of the window.
    static Card_Wizard *defaultInstance(ProjectsController &projects);

    // Prepares the dialog (page 0 with its defaults) and runs it modally: 1 after Finish, a project
    // opened or a template chosen; 0 after Cancel or Back on the size page.
    int Open_Wnd();

    // Actions
    void OK_Click();
    void Back_Click();
    void CancelClick();
    void Open_Log_btn_Click();
    void Page_From_Printer_Click();
    void Apply_Size_Clicked();
    void Card_Width_Changed(bool fromStepper);
    void Card_Height_Changed(bool fromStepper);
    void card_shape_CellClick();
    void Card_Border_ChkBox();
    void Card_Border_Changed(bool fromStepper);
    void Card_Gradient_Changed(bool fromStepper);
    void Card_Alpha_Changed(bool fromStepper);
    void Card_Fill_Chk_Box();
    void Card_Solid_RD_Sel();
    void Card_Gradient_RD_Sel();
    void Card_Hatch_RD_Sel();
    void Card_Image_RD_Sel();
    void Card_Image_Browse_Btn();
    void Card_Image_Library_Btn();
    // The width or height field's editing ended: a size the stepper holds is taken and shown with two
    // decimals; text that is no number, or a size out of range, is refused with a message and the
    // size before is shown again.
    void controlTextDidEndEditing(QLineEdit *field);
    void comboBoxSelectionDidChange(QComboBox *combo);

    void card_prop_set(const QString &fillCode);
    void Enable_Disable_Size_Param_Acc_To_Label_Selection(bool enable);
    void Show_Hide_Card_Transp_Ctrl(bool hide);
    void Apply_unit_Chaneg_Values();
    void Reset_color_box();
    void Read_XML_File(const QString &path, const QString &pageNumber, const QString &vendor, bool manualPaperNameChk);
    void Read_Selected_Product_Label_Value();

    // Template gallery
    void template_radio_btn_Click();
    void blank_radio_btn_Click();
    void Show_Template_Mode_Control();
    void Show_Wizard_Mode_Control();
    void temp_type_matrix_CellClick(int column);
    void Fill_Templates();
    void Fill_Templates_User_Defined();
    void imageBrowserSelectionDidChange();
    void Delete_UD_Temp_Btn_Click();
    void Select_Template_OK_Btn_Click();

    ProjectsController &projects;
    QString Wizard_ok;   // "LOG" after a project was opened from the wizard
    int next_count = 0;  // 0 size page, 1 colour page
    std::vector<Product_Details> prod_list;

    QStackedWidget *wizard_pages = nullptr;
    // Size page
    QGroupBox *Size_Box = nullptr;
    QComboBox *Label_ComboBox = nullptr, *Product_num_ComboBox = nullptr;
    QLineEdit *width_Text = nullptr, *height_Text = nullptr;
    platform::Stepper *width_Stepper = nullptr, *height_Stepper = nullptr;
    QPushButton *page_frm_printer_btn = nullptr, *open_log_btn = nullptr, *apply_size_btn = nullptr;
    QLineEdit *card_name = nullptr;
    // Colour page
    QGroupBox *Color_Box = nullptr;
    QButtonGroup *matrix_card_shape = nullptr;
    QGroupBox *Card_Border_Box = nullptr;
    QCheckBox *Card_border_chk = nullptr;
    platform::ColorWell *Card_bordr_clr = nullptr;
    platform::Stepper *Card_bor_Stepper = nullptr;
    QLineEdit *Card_bor_Text = nullptr;
    QComboBox *Card_border_style = nullptr;
    QGroupBox *Card_Fill_Box = nullptr;
    QCheckBox *Card_fill_chk = nullptr;
    QRadioButton *Card_solid_fill_rd = nullptr, *Card_gradient_fill_rd = nullptr, *Card_Style_fill_rd = nullptr,
                 *Card_Image_fill_rd = nullptr;
    platform::ColorWell *Card_fill_clr = nullptr, *Card_fill_Grd_1_clr = nullptr, *Card_fill_Grd_2_clr = nullptr,
                        *Card_hatch_bk_clr = nullptr;
    platform::Stepper *Card_grad_Stepper = nullptr;
    QLineEdit *Card_grad_Text = nullptr;
    QComboBox *Card_hatch_style = nullptr;
    QGroupBox *Card_image_box = nullptr;
    QPlainTextEdit *Card_Image_path = nullptr;
    QPushButton *card_image_browse_btn = nullptr, *card_image_library_btn = nullptr;
    QLabel *Card_alpha_lbl = nullptr;
    platform::Stepper *Card_alpha_Stepper = nullptr;
    QLineEdit *Card_alpha_Text = nullptr;
    QPushButton *fill_profile_btn = nullptr;
    // Navigation
    QPushButton *Back_btn = nullptr, *Next_btn = nullptr, *cancelButton = nullptr;
    // Template part
    QGroupBox *radio_opt_box = nullptr;
    QRadioButton *template_radio_btn = nullptr, *blank_radio_btn = nullptr;
    QGroupBox *template_box = nullptr;
    QButtonGroup *temp_type_matrix = nullptr;
    QListView *imageBrowser = nullptr;
    ImageBrowserModel *images = nullptr;
    QPushButton *Delete_UD_Temp_Btn = nullptr, *Select_Template_OK_Btn = nullptr;
    QLabel *sel_temp_path = nullptr;
    QString Sel_Template_Category = QStringLiteral("A");   // "A", "P", "S", "B", "R", "O" or "U"
    // Numbers the user templates' thumbnails, so that a refill never shows a cached picture; never
    // reset, not even by a new wizard.
    static quint64 User_Defined_File;

private:
    explicit Card_Wizard(ProjectsController &projects);
    void wire();
    void Set_Size_Fields(double widthMM, double heightMM);
    int selectedCategoryColumn() const;
    void selectTemplate(int row);
};
